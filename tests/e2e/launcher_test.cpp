#include "launcher_test.h"

namespace e2e {

SharedLauncher::SharedLauncher() {
    // A launcher left showing a page would refuse ours as a second instance.
    waitUntil([] { return !anyPageShowing(); }, 15s);
    removeIniFiles();
    zat = std::make_unique<ZatStart>(zatStartExe(), folder.directory());
    zat->waitForWindow([this](HWND w) { return w == zat->findSplash(); });
    const auto splashSeen = std::chrono::steady_clock::now();
    pageBesideSplash = zat->visiblePage() != nullptr;
    welcome = zat->waitForPage(Page::welcome);
    splashShown = std::chrono::steady_clock::now() - splashSeen; // none: the welcome page at once
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
