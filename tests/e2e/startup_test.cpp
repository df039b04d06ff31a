// Starting the launcher: the loading splash, then the welcome page; one launcher at a time.
#include "launcher_test.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

BOOL CALLBACK collectText(HWND child, LPARAM texts) {
    reinterpret_cast<std::vector<std::string>*>(texts)->push_back(controlText(child));
    return TRUE;
}

std::vector<std::string> textsIn(HWND dialog) {
    std::vector<std::string> texts;
    EnumChildWindows(dialog, collectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

using Startup = LauncherTest;

TEST_F(Startup, SplashShowsForThreeSecondsThenTheWelcomePage) {
    writeIni(folder().gameShortDirectory());
    const auto started = Clock::now();
    ZatStart& zat = startZatStart();

    HWND splash = zat.waitForWindow([&](HWND w) { return w == zat.findSplash(); });
    ASSERT_NE(splash, nullptr) << "no titleless splash dialog came up";
    const auto splashSeen = Clock::now();
    EXPECT_EQ(zat.visiblePage(), nullptr) << "a page shows together with the splash";
    const auto texts = textsIn(splash);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "L  O  A  D  I  N  G"), texts.end())
        << "the splash does not say \"L  O  A  D  I  N  G\"; its texts: "
        << ::testing::PrintToString(texts);

    HWND welcome = zat.waitForPage(Page::welcome);
    ASSERT_NE(welcome, nullptr) << "the welcome page did not follow the splash";
    const auto welcomeSeen = Clock::now();
    EXPECT_GE(welcomeSeen - started, 3s) << "the welcome page came before three seconds";
    EXPECT_GE(welcomeSeen - splashSeen, 2s) << "the splash was shown too briefly";
    EXPECT_LE(welcomeSeen - splashSeen, 10s) << "the splash stayed far too long";
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(splash) || !IsWindowVisible(splash); }, 5s))
        << "the splash stays up under the welcome page";
}

} // namespace
} // namespace e2e
