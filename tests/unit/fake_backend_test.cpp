// The in-memory backend must behave as Windows does where the pages depend on it; otherwise
// the page tests would pass against a desktop that does not exist.
#include "support/fake_desktop.h"
#include "support/fake_page.h"
#include "support/resource_parser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char sampleScript[] = R"rc(#include <windows.h>
// Outside the dialogs only the dialogs matter.
130 BITMAP "art/side.bmp"
1 VERSIONINFO
FILEVERSION 1,5,0,0
BEGIN
    BLOCK "StringFileInfo"
    BEGIN
        VALUE "FileDescription", "Sample"
    END
END

7 DIALOGEX 0, 0, 200, 120
STYLE DS_MODALFRAME | WS_POPUP | WS_SYSMENU
CAPTION "The ""sample"" page"
FONT 8, "Times New Roman"
BEGIN
    CONTROL "Easy", 10, "Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 5, 5, 50, 10
    CONTROL "Hard", 11, "Button", BS_AUTORADIOBUTTON, 5, 15, 50, 10
    CONTROL "Fast", 20, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 5, 25, 50, 10
    CONTROL "Slow", 21, "Button", BS_AUTORADIOBUTTON, 5, 35, 50, 10
    CONTROL "Run", 30, "Button", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 5, 45, 50, 10
    CONTROL "Off", 31, "Button", BS_PUSHBUTTON | WS_DISABLED, 5, 55, 50, 14
    CONTROL "Unseen", 32, "Button", BS_PUSHBUTTON | NOT WS_VISIBLE, 5, 70, 50, 14
    CONTROL "", 40, "Edit", ES_NUMBER | WS_BORDER, 60, 5, 30, 12
    CONTROL "", 41, "Edit", ES_AUTOHSCROLL | WS_BORDER, 60, 20, 80, 12
    CONTROL "", 50, "ListBox", LBS_STANDARD, 60, 35, 80, 40 /* sorted */
    CONTROL "", 51, "ListBox", LBS_NOTIFY | WS_VSCROLL, 145, 35, 50, 40
    CONTROL "C:\\GAMES", -1, "Static", SS_LEFT, 60, 80, 80, 8
    CONTROL 174, -1, "Static", SS_BITMAP, 145, 80, 20, 20
    CONTROL "&Next", 100, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 145, 100, 50, 14
END
)rc";

const DialogTemplate& sample() {
    static const std::vector<DialogTemplate> dialogs = parseResourceScript(sampleScript);
    return dialogs.at(0);
}

// A page whose handler writes down every event it is given.
struct RecordedPage {
    std::vector<PageEvent> events;
    FakePage page{sample(), [this](PageWindow&, const PageEvent& e) {
                      events.push_back(e);
                      return true;
                  }};
    RecordedPage() { page.open(); }
    std::vector<int> commands() const {
        std::vector<int> ids;
        for (const PageEvent& e : events)
            if (e.kind == PageEvent::Kind::command)
                ids.push_back(e.id);
        return ids;
    }
};

int errorLine(const std::string& script) {
    try {
        parseResourceScript(script);
    } catch (const ResourceScriptError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find(std::to_string(e.line())));
        return e.line();
    }
    return 0;
}

} // namespace

TEST(ResourceParser, ReadsTemplatesAsTheResourceCompilerDoes) {
    const std::vector<DialogTemplate> dialogs = parseResourceScript(sampleScript);
    ASSERT_EQ(1u, dialogs.size());
    const DialogTemplate& d = dialogs[0];
    EXPECT_EQ(7, d.id);
    EXPECT_EQ("The \"sample\" page", d.caption);
    EXPECT_TRUE(d.hasStyle("WS_CAPTION")); // added by CAPTION
    EXPECT_EQ(14u, d.controls.size());
    EXPECT_TRUE(d.control(10)->hasStyle("WS_VISIBLE"));  // every control is visible...
    EXPECT_FALSE(d.control(32)->hasStyle("WS_VISIBLE")); // ...unless NOT says otherwise
    EXPECT_TRUE(d.control(50)->hasStyle("LBS_SORT"));
    EXPECT_EQ("C:\\GAMES", d.controls[11].text);
    EXPECT_TRUE(d.controls[12].textIsNumber);
    EXPECT_EQ("174", d.controls[12].text);
}

TEST(ResourceParser, ReportsTheLineOfWhatItCannotRead) {
    const std::string head = "1 DIALOGEX 0, 0, 10, 10\nBEGIN\n";
    const std::string good = "    CONTROL \"a\", 3, \"Button\", BS_PUSHBUTTON, 1, 2, 3, 4\n";
    EXPECT_EQ(4, errorLine(head + good + "    PUSHBUTTON \"OK\", 1, 0, 0, 10, 10\nEND\n"));
    EXPECT_EQ(3,
              errorLine(head + "    CONTROL \"a\", 1, \"Button\", WS_VISIBEL, 1, 2, 3, 4\nEND\n"));
    EXPECT_EQ(3, errorLine(head + "    CONTROL \"a\", IDOK, \"Button\", 0, 1, 2, 3, 4\nEND\n"));
    EXPECT_EQ(3, errorLine(head + "    CONTROL \"a\", 1, \"Button\", 0, 1, 2, 3\nEND\n"));
    EXPECT_EQ(3, errorLine(head + "    CONTROL \"a, 1, \"Button\", 0, 1, 2, 3, 4\nEND\n"));
    EXPECT_EQ(1, errorLine(head + good)); // never closed
    EXPECT_EQ(2, errorLine("// about\nIDD_ABOUT DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n"));
    EXPECT_EQ(4, errorLine(head + "END\n1 DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n")); // twice
}

TEST(FakePage, AutomaticRadioButtonClearsOnlyItsOwnGroup) {
    RecordedPage p;
    p.page.setChecked(10, true);
    p.page.setChecked(20, true);
    p.page.setChecked(11, true); // a call checks one button and leaves the rest alone
    EXPECT_TRUE(p.page.isChecked(10));

    EXPECT_TRUE(p.page.click(11));
    EXPECT_FALSE(p.page.isChecked(10));
    EXPECT_TRUE(p.page.isChecked(11));
    EXPECT_TRUE(p.page.isChecked(20)); // the next group
    EXPECT_TRUE(p.page.click(21));
    EXPECT_FALSE(p.page.isChecked(20));
    EXPECT_TRUE(p.page.isChecked(11)); // the group before
    EXPECT_TRUE(p.page.click(11));     // clicking the checked one still tells the page
    EXPECT_TRUE(p.page.isChecked(11));

    EXPECT_TRUE(p.page.click(30));
    EXPECT_TRUE(p.page.isChecked(30));
    EXPECT_TRUE(p.page.click(30));
    EXPECT_FALSE(p.page.isChecked(30));
    EXPECT_EQ((std::vector<int>{11, 21, 11, 30, 30}), p.commands());
}

TEST(FakePage, DisabledHiddenAndUnknownControlsTakeNoClicks) {
    RecordedPage p;
    EXPECT_FALSE(p.page.click(31));
    EXPECT_FALSE(p.page.click(32));
    EXPECT_FALSE(p.page.click(999));
    p.page.enableItem(10, false);
    EXPECT_FALSE(p.page.click(10));
    EXPECT_FALSE(p.page.isChecked(10));
    p.page.enableItem(31, true);
    p.page.showItem(32, true);
    EXPECT_TRUE(p.page.click(31));
    EXPECT_TRUE(p.page.click(32));
    EXPECT_EQ((std::vector<int>{31, 32}), p.commands());

    p.page.end();
    EXPECT_FALSE(p.page.click(100)); // an ended dialog is gone
    EXPECT_EQ(2u, p.commands().size());
}

TEST(FakePage, SortedListInsertsCaselesslyAndUnsortedAppends) {
    RecordedPage p;
    for (const char* name : {"dm_b", "Base2", "base1", "DM_A", "b_x"}) {
        p.page.listAdd(50, name);
        p.page.listAdd(51, name);
    }
    EXPECT_EQ((std::vector<std::string>{"b_x", "base1", "Base2", "DM_A", "dm_b"}),
              p.page.entries(50));
    EXPECT_EQ((std::vector<std::string>{"dm_b", "Base2", "base1", "DM_A", "b_x"}),
              p.page.entries(51));

    p.page.listSelect(50, 1);
    p.page.listAdd(50, "a"); // the selected entry stays selected
    EXPECT_EQ("base1", p.page.listEntry(50, p.page.listSelection(50)));
    p.page.listSelect(50, 6);
    EXPECT_EQ(-1, p.page.listSelection(50));
    EXPECT_EQ(std::nullopt, p.page.listEntry(50, 6));
    p.page.listSelect(50, -1);
    EXPECT_EQ(-1, p.page.listSelection(50));
}

TEST(FakePage, ReadsAreCutAtTheLimit) {
    RecordedPage p;
    p.page.setItemText(41, "Rookie");
    EXPECT_EQ("Roo", p.page.itemText(41, 4));
    EXPECT_EQ("", p.page.itemText(41, 1));
    EXPECT_EQ("", p.page.itemText(41, 0));
    EXPECT_EQ("Rookie", p.page.itemText(41, 7));
    EXPECT_EQ(6u, p.page.itemTextLength(41));
}

TEST(FakePage, TypingFollowsTheBoxStyle) {
    RecordedPage p;
    EXPECT_FALSE(p.page.typeText(40, "1a2 3"));
    EXPECT_EQ("123", p.page.text(40));
    EXPECT_TRUE(p.page.typeText(41, "base\\x 1"));
    EXPECT_EQ("base\\x 1", p.page.text(41));
    EXPECT_FALSE(p.page.typeText(41, "two\r\nlines")); // a one-line box
    EXPECT_EQ("twolines", p.page.text(41));
    // Each change is told with the edit's notification, never as a plain click.
    EXPECT_EQ((std::vector<int>{kEditChanged | 40, kEditChanged | 41, kEditChanged | 41}),
              p.commands());
}

TEST(FakePage, CallsOnMissingControlsAreHarmlessButCounted) {
    RecordedPage p;
    p.page.setItemText(77, "x");
    p.page.setChecked(-1, true);
    EXPECT_EQ("", p.page.itemText(77, 10));
    EXPECT_EQ(-1, p.page.listSelection(77));
    EXPECT_EQ(4, p.page.unknownIdUses());
    p.page.listAdd(41, "not a list");
    EXPECT_EQ(1, p.page.ignoredCalls());
    EXPECT_THROW(p.page.text(77), std::out_of_range);
}

TEST(FakeDesktop, EveryDialogMustBeEndedByThePlayer) {
    FakeDesktop desktop({sample()});
    const PageHandler ignoreAll = [](PageWindow&, const PageEvent&) { return false; };
    desktop.player = [](FakePage& page) { page.click(100); };
    EXPECT_THROW(desktop.runDialog(7, ignoreAll), std::logic_error);
    EXPECT_TRUE(desktop.openPages().empty());
    EXPECT_THROW(desktop.runDialog(8, ignoreAll), std::invalid_argument);

    // An About-like box opened on top of the page: both are open while the player works it.
    const PageHandler endOnNext = [&](PageWindow& page, const PageEvent& e) {
        if (e.kind == PageEvent::Kind::command && e.id == 100) {
            page.end();
            if (desktop.openPages().size() == 1)
                desktop.runDialog(7, endOnNext);
        }
        return true;
    };
    std::size_t depthSeen = 0;
    desktop.player = [&](FakePage& page) {
        depthSeen = std::max(depthSeen, desktop.openPages().size());
        page.pressEnter();
    };
    desktop.runDialog(7, endOnNext);
    EXPECT_EQ(2u, depthSeen);
    EXPECT_EQ(2u, desktop.maxDepth);
}

TEST(FakeDesktop, QuestionsNeedScriptedAnswers) {
    FakeDesktop desktop({sample()});
    EXPECT_EQ(MessageAnswer::ok, desktop.messageBox(nullptr, "Failed", "Error", MessageIcon::error,
                                                    MessageButtons::ok));
    EXPECT_THROW(desktop.messageBox(nullptr, "Exit?", "Zat Start", MessageIcon::question,
                                    MessageButtons::yesNo),
                 std::logic_error);
    desktop.answers = {MessageAnswer::no, MessageAnswer::yes};
    EXPECT_EQ(MessageAnswer::ok, desktop.messageBox(nullptr, "Failed", "Error", MessageIcon::error,
                                                    MessageButtons::ok));
    EXPECT_EQ(MessageAnswer::no, desktop.messageBox(nullptr, "Exit?", "Zat Start",
                                                    MessageIcon::question, MessageButtons::yesNo));
    EXPECT_EQ(1u, desktop.answers.size());
    ASSERT_EQ(4u, desktop.messageBoxes.size());
    EXPECT_TRUE(desktop.messageBoxes[3].ownerless);
}

TEST(FakeDesktop, MenuChoiceArrivesAfterTheHandlerReturns) {
    FakeDesktop desktop({sample()});
    desktop.menuChoices = {304};
    std::vector<std::string> trace;
    const PageHandler handler = [&](PageWindow& page, const PageEvent& e) {
        if (e.kind != PageEvent::Kind::command)
            return false;
        trace.push_back("command " + std::to_string(e.id));
        if (e.id == 100) {
            desktop.popupMenu(page, {{300, "&Welcome"}, {0, ""}, {304, "Game &Options"}}, {1, 2});
            trace.push_back("menu closed");
        } else if (e.id == 304) {
            page.end();
        }
        return true;
    };
    desktop.player = [](FakePage& page) { page.click(100); };
    desktop.runDialog(7, handler);
    EXPECT_EQ((std::vector<std::string>{"command 100", "menu closed", "command 304"}), trace);
    ASSERT_EQ(1u, desktop.popupMenus.size());
    EXPECT_EQ(7, desktop.popupMenus[0].ownerTemplate);
}

TEST(ProgramScript, EveryDialogIsReadable) {
    const std::vector<DialogTemplate>* dialogs = nullptr;
    ASSERT_NO_THROW(dialogs = &programDialogs());
    ASSERT_NE(nullptr, findDialogTemplate(*dialogs, 10000));
    EXPECT_NE(nullptr, findDialogTemplate(*dialogs, 10000)->control(100));
}
