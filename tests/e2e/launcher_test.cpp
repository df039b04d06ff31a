#include "launcher_test.h"

#include <windows.h>

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

struct SharedLauncher {
    // Omega lies outside code page 1252: the launcher never sees the game's folder in its own
    // characters, only its short form.
    TestFolder folder{"shared-launcher", "Zat \xCE\xA9"};
    std::unique_ptr<ZatStart> zat;
    StartSeen seen;

    SharedLauncher() {
        // A launcher left showing a page would refuse ours as a second instance.
        waitUntil([] { return !anyPageShowing(); }, 15s);
        removeIniFiles();
        standInGame(false); // its games show a window for a moment
        const auto started = Clock::now();
        zat = std::make_unique<ZatStart>(zatStartExe(), folder.directory());
        HWND splash = zat->waitForWindow([this](HWND w) { return w == zat->findSplash(); });
        const auto splashSeen = Clock::now();
        seen.pageBesideSplash = zat->visiblePage() != nullptr;
        seen.welcome = zat->waitForPage(Page::welcome);
        seen.toWelcome = Clock::now() - started;
        seen.splashShown = splash ? Clock::now() - splashSeen : Clock::duration{};
        GetWindowRect(seen.welcome, &seen.welcomeRect);
        if (HWND locate = zat->waitForDialog(locateTitle)) {
            seen.locateOwner = GetWindow(locate, GW_OWNER);
            seen.gameLocated = chooseFile(locate, folder.gameExe());
        }
        waitUntil([this] { return (seen.ini = readFile(windowsIniPath())).has_value(); }, 10s);
    }
    ~SharedLauncher() {
        zat.reset();
        removeIniFiles();
    }
};

SharedLauncher& shared() {
    static SharedLauncher launcher;
    return launcher;
}

} // namespace

void standInGame(bool quick, int exitCode) {
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", quick ? "1" : nullptr);
    SetEnvironmentVariableA("ZAT_STANDIN_EXIT_CODE",
                            exitCode ? std::to_string(exitCode).c_str() : nullptr);
}

const TestFolder& LauncherTest::folder() {
    return shared().folder;
}

ZatStart& LauncherTest::zat() {
    return *shared().zat;
}

const StartSeen& LauncherTest::startSeen() {
    return shared().seen;
}

void LauncherTest::SetUp() {
    ASSERT_TRUE(zat().running()) << "the shared launcher has ended";
    writeIni(folder().gameShortDirectory());
    standInGame(true);
    // The last test may have left it on another page, or on its way to one.
    welcome_ = nullptr;
    waitUntil([this] {
        HWND page = zat().visiblePage();
        if (page && pageOf(page) == Page::welcome)
            welcome_ = page;
        else if (page)
            command(page, IDM_WELCOME);
        return welcome_ != nullptr;
    });
    ASSERT_NE(welcome_, nullptr) << "the shared launcher does not come back to its welcome page";
}

ZatStart& LauncherTest::startZatStart(const std::string& arguments,
                                      const std::string& currentDirectory, bool captureOutput) {
    others_.push_back(
        std::make_unique<ZatStart>(zatStartExe(), currentDirectory, arguments, captureOutput));
    return *others_.back();
}

HWND LauncherTest::next(HWND page, Page expected) {
    click(page, IDC_NEXT);
    HWND reached = zat().waitForPage(expected);
    EXPECT_NE(reached, nullptr) << "Next did not lead to page " << static_cast<int>(expected);
    return reached;
}

} // namespace e2e
