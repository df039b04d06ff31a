// The first run: no INI file, so the welcome page asks where the game is and remembers it.
#include "launcher_test.h"

#include <windows.h>

#include <thread>

namespace e2e {
namespace {

// The INI file the launcher wrote: the Windows directory's, or the fallback in application
// data when the launcher could not write there.
std::optional<std::string> writtenIni() {
    if (auto ini = readFile(windowsIniPath()))
        return ini;
    return readFile(appDataIniPath());
}

std::optional<std::string> waitForIni() {
    std::optional<std::string> ini;
    waitUntil([&] { return (ini = writtenIni()).has_value(); }, 10s);
    return ini;
}

using FirstRun = LauncherTest;

TEST_F(FirstRun, LocateDialogComesUpOverTheWelcomePageAndTheChoiceIsRemembered) {
    ZatStart& zat = startZatStart();
    HWND locate = zat.waitForDialog(locateTitle);
    ASSERT_NE(locate, nullptr) << "no \"Locate ZAT Executable\" dialog on the first run";
    HWND owner = GetWindow(locate, GW_OWNER);
    ASSERT_NE(owner, nullptr) << "the locate dialog has no owner page";
    EXPECT_EQ(pageOf(owner), Page::welcome) << "the locate dialog is not over the welcome page";

    ASSERT_TRUE(chooseFile(locate, folder().gameExe()));
    const auto ini = waitForIni();
    ASSERT_TRUE(ini.has_value()) << "no INI file was written";
    // The short form keeps blanks out of the command line; the volume decides what it is.
    EXPECT_EQ(visible(*ini), visible("0\r\n" + folder().gameShortDirectory()));
    EXPECT_EQ(folder().gameShortDirectory().back(), '\\');

    // Coming back to the welcome page does not ask again.
    HWND welcome = zat.waitForPage(Page::welcome);
    ASSERT_NE(welcome, nullptr);
    HWND gameType = next(zat, welcome, Page::gameType);
    ASSERT_NE(gameType, nullptr);
    welcome = back(zat, gameType, Page::welcome);
    ASSERT_NE(welcome, nullptr);
    EXPECT_EQ(zat.waitForDialog(locateTitle, 3s), nullptr) << "the welcome page asked again";
}

} // namespace
} // namespace e2e
