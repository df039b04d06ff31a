#include "launcher_test.h"

#include <windows.h>

namespace e2e {

SharedLauncher::SharedLauncher() {
    using Clock = std::chrono::steady_clock;
    // A launcher left showing a page would refuse ours as a second instance.
    waitUntil([] { return !anyPageShowing(); }, 15s);
    removeIniFiles();
    const auto started = Clock::now();
    zat = std::make_unique<ZatStart>(zatStartExe(), folder.directory());
    HWND splash = zat->waitForWindow([this](HWND w) { return w == zat->findSplash(); });
    const auto splashSeen = Clock::now();
    pageBesideSplash = zat->visiblePage() != nullptr;
    welcome = zat->waitForPage(Page::welcome);
    toWelcome = Clock::now() - started;
    splashShown = splash ? Clock::now() - splashSeen : Clock::duration{};
    GetWindowRect(welcome, &welcomeRect);
    if (HWND locate = zat->waitForDialog(locateTitle)) {
        locateOwner = GetWindow(locate, GW_OWNER);
        gameLocated = chooseFile(locate, folder.gameExe());
    }
    waitUntil([this] { return (ini = readFile(windowsIniPath())).has_value(); }, 10s);
}

SharedLauncher& sharedLauncher() {
    static SharedLauncher launcher;
    return launcher;
}

void LauncherTest::SetUp() {
    ASSERT_TRUE(launcher.zat->running()) << "the shared launcher has ended";
    writeIni(launcher.folder.gameShortDirectory());
    // The last test may have left it on another page, or on its way to one.
    waitUntil([this] {
        HWND page = launcher.zat->visiblePage();
        if (page && pageOf(page) == Page::welcome)
            welcome = page;
        else if (page)
            command(page, IDM_WELCOME);
        return welcome != nullptr;
    });
    ASSERT_NE(welcome, nullptr) << "the shared launcher does not come back to its welcome page";
}

} // namespace e2e
