// One launcher at a time from the first page on: also in the instant between two pages, when
// the first launcher shows no page at all.
#include "launcher_test.h"

#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

namespace e2e {
namespace {

// Starts made while the first launcher switches pages, a few at a time. Each costs more than
// a second under Wine, so the race is short; that the claim alone refuses is shown for certain
// by the page without its title below.
constexpr int secondStarts = 16, startsAtOnce = 4;

// Switches the launcher between the welcome and game type pages as fast as they come: the
// next switch is asked for as soon as the next page exists, shown yet or not, so the instants
// between two pages come as often as the launcher can make them.
void switchPages(const ZatStart& launcher, const std::atomic<bool>& stop,
                 std::atomic<int>& switches) {
    HWND left = nullptr;
    while (!stop) {
        for (HWND page : launcher.windows()) {
            const Page kind = page != left ? pageOf(page) : Page::unknown;
            if (kind == Page::welcome || kind == Page::gameType) {
                command(page, kind == Page::welcome ? IDM_GAME_TYPE : IDM_WELCOME);
                left = page;
                ++switches;
            }
        }
        Sleep(1);
    }
}

using SingleInstance = LauncherTest;

// In the instant between two pages no page can be found by its title: a page that lost its
// title stands for that instant, which only the first launcher's claim can cover.
TEST_F(SingleInstance, TheClaimRefusesASecondLauncherWhenNoPageCanBeFound) {
    SetWindowTextA(welcome(), "");
    ZatStart& second = startZatStart("", folder().directory());
    const auto refusal = second.waitForMessageBox();
    EXPECT_EQ(second.findSplash(), nullptr) << "the second launcher got through";
    SetWindowTextA(welcome(), pageTitle);
    ASSERT_TRUE(refusal.has_value()) << "the second launcher was not refused";
    answer(*refusal, IDOK);
    EXPECT_TRUE(second.waitForExit().has_value());
}

TEST_F(SingleInstance, NoSecondLauncherGetsThroughWhileTheFirstSwitchesPages) {
    std::atomic<bool> stop{false};
    std::atomic<int> switches{0};
    std::thread switcher(switchPages, std::cref(zat()), std::cref(stop), std::ref(switches));

    // A few at a time: their starts overlap, and more of them meet an instant between pages.
    int refused = 0;
    for (int round = 0; round < secondStarts / startsAtOnce; ++round) {
        std::vector<ZatStart*> seconds;
        for (int i = 0; i < startsAtOnce; ++i)
            seconds.push_back(&startZatStart("", folder().directory()));
        for (ZatStart* second : seconds) {
            const auto refusal = second->waitForMessageBox();
            EXPECT_EQ(second->findSplash(), nullptr) << "a second launcher got through";
            if (refusal)
                answer(*refusal, IDOK);
            refused += refusal && second->waitForExit() ? 1 : 0;
        }
    }
    stop = true;
    switcher.join();
    EXPECT_EQ(refused, secondStarts);
    EXPECT_GE(switches.load(), secondStarts) << "the first launcher hardly switched pages";
    EXPECT_TRUE(zat().running());
}

} // namespace
} // namespace e2e
