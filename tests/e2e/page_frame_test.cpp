// What a page does with the real keyboard and window manager: Escape is Cancel and asks
// before closing, F1 opens help, the About box stays on top.
#include "launcher_test.h"

#include <windows.h>

namespace e2e {
namespace {

using PageFrame = LauncherTest;

TEST_F(PageFrame, EscapeAsksBeforeClosingAndNoKeepsThePage) {
    pressKey(welcome(), IDC_NEXT, VK_ESCAPE);
    const auto question = zat().waitForMessageBox();
    ASSERT_TRUE(question.has_value()) << "Escape did not ask";
    EXPECT_EQ(GetWindow(question->window, GW_OWNER), welcome()) << "the question is not the page's";
    answer(*question, IDNO);
    EXPECT_TRUE(answers(welcome()));
    EXPECT_EQ(zat().visiblePage(), welcome()) << "the page did not stay after No";
}

TEST_F(PageFrame, F1OpensHelp) {
    pressKey(welcome(), IDC_NEXT, VK_F1);
    HWND help = zat().waitForDialog(helpTitle);
    ASSERT_NE(help, nullptr) << "F1 opened no help";
    click(help, IDC_CLOSE);
    EXPECT_TRUE(waitUntilGone(help));
}

TEST_F(PageFrame, TheAboutBoxStaysOnTopWithoutASystemMenu) {
    click(welcome(), IDC_ABOUT);
    HWND about = zat().waitForDialog(aboutTitle);
    ASSERT_NE(about, nullptr) << "no About box";
    EXPECT_TRUE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST) << "not kept on top";
    EXPECT_FALSE(GetWindowLongA(about, GWL_STYLE) & WS_SYSMENU) << "it has a close box";
    click(about, IDC_OK);
    EXPECT_TRUE(waitUntilGone(about));
}

} // namespace
} // namespace e2e
