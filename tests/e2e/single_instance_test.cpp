// One launcher at a time from the first page on: also in the instant between two pages, when
// the first launcher shows no page at all.
#include "launcher_test.h"

#include <windows.h>

#include <atomic>
#include <thread>

namespace e2e {
namespace {

// The instant between two pages is short: with only the page window to go by, about one start
// in fifty got through, so this many make a launcher that lets one through very likely seen.
constexpr int secondStarts = 80;

// A page of the launcher other than the one just left, shown yet or not.
HWND pageOtherThan(const ZatStart& launcher, HWND left) {
    for (HWND window : launcher.windows())
        if (window != left && IsWindow(window) && windowTitle(window) == pageTitle &&
            hasItem(window, nextButton) && hasItem(window, 105))
            return window;
    return nullptr;
}

// Switches the launcher between the welcome and game type pages as fast as they come: the
// next switch is asked for as soon as the next page exists, so the instants between two
// pages come as often as the launcher can make them.
void switchPages(const ZatStart& launcher, const std::atomic<bool>& stop,
                 std::atomic<int>& switches) {
    HWND left = nullptr;
    while (!stop) {
        HWND page = pageOtherThan(launcher, left);
        const Page kind = page ? pageOf(page) : Page::unknown;
        if (kind != Page::welcome && kind != Page::gameType) {
            Sleep(0);
            continue;
        }
        command(page, kind == Page::welcome ? 301 : 300);
        left = page;
        ++switches;
    }
}

using SingleInstance = LauncherTest;

TEST_F(SingleInstance, NoSecondLauncherGetsThroughWhileTheFirstSwitchesPages) {
    ASSERT_NE(startAtWelcomePage(), nullptr);
    const ZatStart& first = zat();
    std::atomic<bool> stop{false};
    std::atomic<int> switches{0};
    std::thread switcher(switchPages, std::cref(first), std::cref(stop), std::ref(switches));

    int refused = 0;
    for (int i = 0; i < secondStarts; ++i) {
        ZatStart& second = startZatStart();
        const auto refusal = second.waitForMessageBox();
        EXPECT_EQ(second.findSplash(), nullptr) << "start " << i << " got through to its splash";
        if (!refusal)
            continue;
        EXPECT_EQ(refusal->text, "A Previous Instance of Zat Start is already running. Please "
                                 "close it before running another instance.");
        answer(*refusal, IDOK);
        refused += second.waitForExit().has_value() ? 1 : 0;
    }
    stop = true;
    switcher.join();
    EXPECT_EQ(refused, secondStarts);
    EXPECT_GE(switches.load(), secondStarts) << "the first launcher hardly switched pages";
    EXPECT_TRUE(zat().running());
}

} // namespace
} // namespace e2e
