// "Locate Zat Directory" (command 308) on a page: the page stays and the INI is rewritten.
#include "launcher_test.h"

#include <windows.h>

namespace e2e {
namespace {

FILETIME lastWrite(const std::string& path) {
    FILETIME written{};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        written = data.ftLastWriteTime;
    return written;
}

void backdate(const std::string& path) {
    SYSTEMTIME longAgo{};
    longAgo.wYear = 2001;
    longAgo.wMonth = 1;
    longAgo.wDay = 1;
    FILETIME when{};
    SystemTimeToFileTime(&longAgo, &when);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    SetFileTime(file, nullptr, nullptr, &when);
    CloseHandle(file);
}

using LocateCommand = LauncherTest;

TEST_F(LocateCommand, CancelledLocateKeepsThePageAndStillRewritesTheIni) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    HWND gameType = next(zat(), welcome, Page::gameType);
    ASSERT_NE(gameType, nullptr);
    backdate(windowsIniPath());
    const FILETIME before = lastWrite(windowsIniPath());

    command(gameType, 308);
    HWND locate = zat().waitForDialog(locateTitle);
    ASSERT_NE(locate, nullptr) << "command 308 showed no locate dialog";
    EXPECT_EQ(GetWindow(locate, GW_OWNER), gameType);
    ASSERT_TRUE(cancelDialog(locate));

    EXPECT_TRUE(waitUntil(
        [&] {
            const FILETIME now = lastWrite(windowsIniPath());
            return CompareFileTime(&before, &now) != 0;
        },
        10s))
        << "the INI file was not rewritten";
    EXPECT_EQ(visible(readFile(windowsIniPath()).value_or("(none)")),
              visible("0\r\n" + folder().gameShortDirectory()));
    EXPECT_EQ(zat().visiblePage(), gameType) << "the page did not stay";
    EXPECT_TRUE(answers(gameType));
}

TEST_F(LocateCommand, LocatingAnotherCopyMovesTheGame) {
    const std::string other = folder().copyGame("Other Zat Copy");
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    command(welcome, 308);
    HWND locate = zat().waitForDialog(locateTitle);
    ASSERT_NE(locate, nullptr);
    ASSERT_TRUE(chooseFile(locate, other + "zat.exe"));

    const std::string expected = "0\r\n" + shortPathOf(other);
    EXPECT_TRUE(waitUntil([&] { return readFile(windowsIniPath()) == expected; }, 10s))
        << "INI file: " << visible(readFile(windowsIniPath()).value_or("(none)"))
        << "\nexpected: " << visible(expected);

    // The next launch goes to the new place.
    HWND run = goToRunPage(zat(), welcome);
    ASSERT_NE(run, nullptr);
    click(run, nextButton);
    std::vector<GameStart> starts;
    ASSERT_TRUE(waitUntil([&] {
        return !(starts = gameStarts(other + "zat-standin.log")).empty();
    })) << "the game in the newly located directory was not started";
    EXPECT_EQ(starts[0].commandLine, launchCommandFor(shortPathOf(other), 0));
}

} // namespace
} // namespace e2e
