// The in-memory backend must behave as Windows does where the pages depend on it; otherwise
// the page tests would pass against a desktop that does not exist.
#include "support/fake_desktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char sampleScript[] = R"rc(#include <windows.h>
// Only the dialogs are read.
130 BITMAP "art/side.bmp"

7 DIALOGEX 0, 0, 200, 120
STYLE DS_MODALFRAME | WS_POPUP | WS_SYSMENU
CAPTION "The ""sample"" page"
FONT 8, "Times New Roman"
BEGIN
    CONTROL "Easy", 10, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 5, 5, 50, 10
    CONTROL "Hard", 11, "Button", BS_AUTORADIOBUTTON, 5, 15, 50, 10
    CONTROL "Fast", 20, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 5, 25, 50, 10
    CONTROL "Slow", 21, "Button", BS_AUTORADIOBUTTON, 5, 35, 50, 10
    CONTROL "Run", 30, "Button", BS_AUTOCHECKBOX | WS_GROUP, 5, 45, 50, 10
    CONTROL "Off", 31, "Button", BS_PUSHBUTTON | WS_DISABLED, 5, 55, 50, 14
    CONTROL "Unseen", 32, "Button", BS_PUSHBUTTON | WS_CHILD | NOT WS_VISIBLE, 5, 70, 50, 14
    CONTROL "", 40, "Edit", ES_NUMBER | WS_BORDER, 60, 5, 30, 12
    CONTROL "", 50, "ListBox", LBS_STANDARD, 60, 35, 80, 40
    CONTROL "", 51, "ListBox", LBS_NOTIFY | WS_VSCROLL, 145, 35, 50, 40
END
)rc";

// A page of the sample, opened, whose handler writes down every command it is given.
struct SamplePage {
    std::vector<int> commands;
    FakePage page{parseResourceScript(sampleScript).at(0), [this](PageWindow&, const PageEvent& e) {
                      if (e.kind == PageEvent::Kind::command)
                          commands.push_back(e.id);
                      return true;
                  }};
    SamplePage() { page.open(); }
};

} // namespace

TEST(FakePage, AutomaticRadioButtonClearsOnlyItsOwnGroup) {
    SamplePage p;
    p.page.setChecked(10, true);
    p.page.setChecked(20, true);
    EXPECT_TRUE(p.page.click(11));
    EXPECT_FALSE(p.page.checked(10));
    EXPECT_TRUE(p.page.checked(11));
    EXPECT_TRUE(p.page.checked(20)); // the next group
    EXPECT_TRUE(p.page.click(21));
    EXPECT_FALSE(p.page.checked(20));
    EXPECT_TRUE(p.page.checked(11)); // the group before
    EXPECT_TRUE(p.page.click(30));
    EXPECT_TRUE(p.page.click(30)); // a check box toggles
    EXPECT_FALSE(p.page.checked(30));
    EXPECT_EQ((std::vector<int>{11, 21, 30, 30}), p.commands);
}

TEST(FakePage, DisabledAndHiddenControlsTakeNoClicks) {
    SamplePage p;
    EXPECT_FALSE(p.page.click(31));
    EXPECT_FALSE(p.page.click(32));
    p.page.enableItem(10, false);
    EXPECT_FALSE(p.page.click(10));
    EXPECT_FALSE(p.page.checked(10));
    p.page.enableItem(31, true);
    p.page.showItem(32, true);
    EXPECT_TRUE(p.page.click(31));
    EXPECT_TRUE(p.page.click(32));
    EXPECT_EQ((std::vector<int>{31, 32}), p.commands);
}

TEST(FakePage, SortedListInsertsCaselesslyAndUnsortedAppends) {
    SamplePage p;
    for (const char* name : {"dm_b", "Base2", "base1", "DM_A", "b_x"}) {
        p.page.listAdd(50, name);
        p.page.listAdd(51, name);
    }
    EXPECT_EQ((std::vector<std::string>{"b_x", "base1", "Base2", "DM_A", "dm_b"}),
              p.page.entries(50));
    EXPECT_EQ((std::vector<std::string>{"dm_b", "Base2", "base1", "DM_A", "b_x"}),
              p.page.entries(51));
}

TEST(FakePage, ReadsAreCutAtTheLimitAndNumberBoxesRefuseLetters) {
    SamplePage p;
    p.page.setItemText(10, "Rookie");
    EXPECT_EQ("Roo", p.page.itemText(10, 4));
    EXPECT_EQ("Rookie", p.page.itemText(10, 7));
    EXPECT_EQ("", p.page.itemText(10, 0));
    EXPECT_FALSE(p.page.typeText(40, "1a2 3"));
    EXPECT_EQ("123", p.page.text(40));
}
