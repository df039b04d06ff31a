// The About box: on top of the page it was opened from, and only its OK button closes it.
#include "launcher_test.h"

#include <windows.h>

#include <thread>

namespace e2e {
namespace {

constexpr int aboutOk = 100;

void expectOnlyOkCloses(ZatStart& zat, HWND about, HWND page) {
    command(about, IDCANCEL);
    pressEscape(about, aboutOk);
    PostMessageA(about, WM_CLOSE, 0, 0);
    std::this_thread::sleep_for(1500ms);
    EXPECT_TRUE(IsWindow(about) && IsWindowVisible(about))
        << "Escape, Cancel or closing the window closed the About box";

    click(about, aboutOk);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 10s))
        << "OK did not close the About box";
    EXPECT_TRUE(zat.running());
    EXPECT_EQ(zat.visiblePage(), page) << "the page under the About box did not stay";
    EXPECT_TRUE(answers(page));
}

using AboutBox = LauncherTest;

TEST_F(AboutBox, OpensFromTheWelcomePageAndTheMenuCommandAndOnlyOkClosesIt) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    click(welcome, 103);
    HWND about = zat().waitForDialog(aboutTitle);
    ASSERT_NE(about, nullptr) << "no \"About Zat Start Version 1.5\" box";
    EXPECT_EQ(itemText(about, aboutOk), "&OK");
    const LONG style = GetWindowLongA(about, GWL_STYLE);
    EXPECT_FALSE(style & WS_SYSMENU) << "the About box has a system menu and close box";
    EXPECT_TRUE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST)
        << "the About box is not kept on top";
    expectOnlyOkCloses(zat(), about, welcome);

    HWND gameType = next(zat(), welcome, Page::gameType);
    ASSERT_NE(gameType, nullptr);
    command(gameType, 309);
    about = zat().waitForDialog(aboutTitle);
    ASSERT_NE(about, nullptr) << "command 309 opened no About box";
    click(about, aboutOk);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 10s));
    EXPECT_EQ(zat().visiblePage(), gameType);
}

} // namespace
} // namespace e2e
