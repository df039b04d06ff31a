// The shared launcher's window with the real window manager and keyboard: on a first run the
// splash alone for three seconds, then a centred welcome page that owns the dialog asking where
// the game is; Escape is Cancel and asks before closing, the About box stays on top. F1's help
// is opened by the caption test.
#include "launcher_test.h"

#include <cstdlib>

namespace e2e {
namespace {

using Startup = LauncherTest;

TEST_F(Startup, TheSplashShowsAloneThenACentredWelcomePageAsksForTheGameAndKeepsItsShortPath) {
    EXPECT_GT(launcher.splashShown, 2s) << "no splash, or shown too briefly";
    EXPECT_LT(launcher.splashShown, 10s);
    EXPECT_FALSE(launcher.pageBesideSplash);
    const RECT& at = launcher.welcomeRect;
    EXPECT_LE(std::abs((at.left + at.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 20);
    EXPECT_LE(std::abs((at.top + at.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 40);

    EXPECT_EQ(launcher.locateOwner, launcher.welcome)
        << "the locate dialog is not the welcome page's";
    ASSERT_TRUE(launcher.gameLocated) << "the locate dialog did not take the game";
    // The short form keeps blanks out of the command line; the volume decides what it is.
    EXPECT_NE(launcher.folder.gameShortDirectory(), launcher.folder.gameDirectory());
    EXPECT_EQ(launcher.ini, "0\r\n" + launcher.folder.gameShortDirectory());
}

using PageFrame = LauncherTest;

TEST_F(PageFrame, EscapeAsksBeforeClosingAndNoKeepsThePage) {
    pressKey(welcome, IDC_NEXT, VK_ESCAPE);
    const HWND question = launcher.zat->waitForMessageBox();
    ASSERT_NE(question, nullptr) << "Escape did not ask";
    EXPECT_EQ(GetWindow(question, GW_OWNER), welcome);
    answer(question, IDNO);
    EXPECT_EQ(launcher.zat->visiblePage(), welcome);
}

TEST_F(PageFrame, TheAboutBoxStaysOnTopWithoutASystemMenu) {
    click(welcome, IDC_ABOUT);
    HWND about = launcher.zat->waitForDialog(aboutTitle);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(about, GWL_STYLE) & WS_SYSMENU);
    click(about, IDC_OK);
    EXPECT_TRUE(waitUntilGone(about));
}

} // namespace
} // namespace e2e
