// The start of the shared launcher on a first run: the splash alone for three seconds, then a
// centred welcome page that owns the dialog asking where the game is.
#include "launcher_test.h"

#include <windows.h>

#include <cstdlib>

namespace e2e {
namespace {

using Startup = LauncherTest;

TEST_F(Startup, TheSplashShowsAloneForThreeSecondsThenACentredWelcomePage) {
    const StartSeen& seen = startSeen();
    EXPECT_GT(seen.splashShown, 2s) << "no splash, or shown too briefly";
    EXPECT_LT(seen.splashShown, 10s) << "the splash stayed far too long";
    EXPECT_GE(seen.toWelcome, 3s) << "the welcome page came before three seconds";
    EXPECT_FALSE(seen.pageBesideSplash) << "a page shows together with the splash";
    const RECT& at = seen.welcomeRect;
    EXPECT_LE(std::abs((at.left + at.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 20);
    EXPECT_LE(std::abs((at.top + at.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 40);
}

TEST_F(Startup, OnAFirstRunTheWelcomePageOwnsTheLocateDialogAndTheIniGetsTheShortPath) {
    const StartSeen& seen = startSeen();
    EXPECT_EQ(seen.locateOwner, seen.welcome) << "the locate dialog is not the welcome page's";
    ASSERT_TRUE(seen.gameLocated) << "the locate dialog did not take the game";
    // The short form keeps blanks out of the command line; the volume decides what it is.
    EXPECT_NE(folder().gameShortDirectory(), folder().gameDirectory());
    EXPECT_EQ(seen.ini, "0\r\n" + folder().gameShortDirectory());
}

} // namespace
} // namespace e2e
