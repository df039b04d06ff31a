// The launch from the run page: only from a known game directory, and with a launcher that
// keeps answering, its controls at rest, for as long as the game runs.
#include "launcher_test.h"

#include <windows.h>

#include <filesystem>

namespace e2e {
namespace {

// Answers within a blink, as a window that pumps its messages does.
bool answersAtOnce(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 300, &ignored) != 0;
}

using LaunchGuard = LauncherTest;

TEST_F(LaunchGuard, AnUnknownGameDirectoryStartsNoGameFromTheCurrentDirectory) {
    // A zat.exe where the launcher starts: with no directory known it must not be run.
    std::filesystem::copy_file(folder().gameExe(), folder().path("zat.exe"));
    std::filesystem::create_directories(folder().path("base"));
    writeIni("");
    ZatStart& launcher = startZatStart();
    HWND welcome = launcher.waitForPage(Page::welcome);
    ASSERT_NE(welcome, nullptr);
    HWND run = goToRunPage(launcher, welcome);
    ASSERT_NE(run, nullptr);

    click(run, nextButton);
    const auto error = launcher.waitForMessageBox();
    ASSERT_TRUE(error.has_value()) << "Run said nothing";
    EXPECT_EQ(error->caption, "Error");
    EXPECT_EQ(error->text, "The game directory is not known, so Zat cannot be started.\nPlease "
                           "locate Zat with \"Locate Zat Directory\" in the Navigation Menu.");
    answer(*error, IDOK);
    EXPECT_TRUE(gameStarts(folder().path("zat-standin.log")).empty())
        << "the zat.exe of the current directory was started";
    EXPECT_TRUE(launcher.running());
}

TEST_F(LaunchGuard, WhileTheGameRunsThePageAnswersWithItsControlsAtRest) {
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", nullptr); // the game shows itself for a while
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    HWND run = goToRunPage(zat(), welcome);
    ASSERT_NE(run, nullptr);
    click(run, nextButton);

    HWND game = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (game = FindWindowA(nullptr, "Zat (stand-in)")); }))
        << "the game window did not show";
    EXPECT_TRUE(answersAtOnce(run)) << "the launcher froze while the game runs";
    for (const int id : {nextButton, backButton, closeButton, 105, 500, 501})
        EXPECT_FALSE(isEnabled(run, id)) << "control " << id << " works while the game runs";
    click(run, nextButton);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(game); })) << "the game did not end";

    EXPECT_TRUE(waitUntil([&] { return isEnabled(run, nextButton); }, 5s));
    for (const int id : {nextButton, backButton, closeButton, 105, 500, 501})
        EXPECT_TRUE(isEnabled(run, id)) << "control " << id << " stays at rest after the game";
    EXPECT_EQ(gameStarts(folder().standinLog()).size(), 1u) << "Run started a second game";
}

} // namespace
} // namespace e2e
