// A single-player game set up on the pages: the choices reach the game config file, and a
// level file of the player's own reaches the command line.
#include "launcher_test.h"

namespace e2e {
namespace {

using SetupPages = LauncherTest;

TEST_F(SetupPages, SinglePlayerChoicesReachTheGameAndAUserLevelTheCommandLine) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    HWND gameType = next(zat(), welcome, Page::gameType);
    ASSERT_NE(gameType, nullptr);
    ASSERT_TRUE(setButton(gameType, 401, true)); // "Officer"
    HWND gameOptions = next(zat(), gameType, Page::gameOptions);
    ASSERT_NE(gameOptions, nullptr);
    ASSERT_TRUE(setButton(gameOptions, 500, false)); // "Always Run" off
    ASSERT_TRUE(setButton(gameOptions, 702, true));  // "Triad"
    ASSERT_TRUE(setButton(gameOptions, 801, true));  // "Speech Only"
    HWND mapSelect = next(zat(), gameOptions, Page::mapSelect);
    ASSERT_NE(mapSelect, nullptr);
    const int last = listCount(mapSelect, 900) - 1;
    ASSERT_EQ(36, last);
    selectListEntry(mapSelect, 900, last);
    const std::string level = listEntryText(mapSelect, 900, last);
    ASSERT_FALSE(level.empty());

    HWND commandLine = next(zat(), mapSelect, Page::commandLine);
    ASSERT_NE(commandLine, nullptr);
    const std::string options = " +set skill 1 +set crosshair 2 +set dialog 2 +set cl_run 0 "
                                "+set m_filter 1 +set lookspring 1 +set lookstrafe 0 "
                                "+set freelook 1 +map " +
                                level;
    EXPECT_EQ(itemText(commandLine, 600), options);
    HWND run = next(zat(), commandLine, Page::run);
    ASSERT_NE(run, nullptr);
    click(run, nextButton);
    auto starts = waitForGameStarts(folder().standinLog(), 1);
    ASSERT_EQ(starts.size(), 1u) << "the game was not started";
    EXPECT_EQ(starts[0].commandLine, launchCommandFor(folder().gameShortDirectory(), 0));
    EXPECT_EQ(visible(starts[0].config.value_or("(missing)")), visible(configFileFor(options)));

    // Back to the map select page for a level file of the player's own.
    ASSERT_TRUE(waitUntil([&] { return launchEnded(run); }));
    commandLine = back(zat(), run, Page::commandLine);
    ASSERT_NE(commandLine, nullptr);
    mapSelect = back(zat(), commandLine, Page::mapSelect);
    ASSERT_NE(mapSelect, nullptr);
    ASSERT_TRUE(setButton(mapSelect, 501, true)); // "User-Made Levels"
    ASSERT_TRUE(waitUntil([&] { return isEnabled(mapSelect, 600); }));
    EXPECT_FALSE(isEnabled(mapSelect, 900));
    const std::string levelFile = folder().path("arena2.bsp");
    writeFile(levelFile, "level");
    click(mapSelect, 600);
    HWND dialog = zat().waitForDialog("Select User-Made Level");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFile(dialog, levelFile));
    commandLine = next(zat(), mapSelect, Page::commandLine);
    ASSERT_NE(commandLine, nullptr);
    const std::string userOptions = itemText(commandLine, 600);
    EXPECT_EQ(userOptions.substr(userOptions.rfind(" +map")), " +map arena2");
}

} // namespace
} // namespace e2e
