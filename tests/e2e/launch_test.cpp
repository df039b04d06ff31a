// The launch: the command line page writes the game config file, the run page starts the game,
// and what the game received is what the pages composed.
#include "launcher_test.h"

#include <windows.h>

#include <thread>

namespace e2e {
namespace {

using Launch = LauncherTest;

TEST_F(Launch, CommandLinePageWritesTheConfigAndRunStartsTheGame) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    command(welcome, 307);
    HWND commandLine = zat().waitForPage(Page::commandLine);
    ASSERT_NE(commandLine, nullptr) << "command 307 did not open the command line page";
    EXPECT_EQ(itemText(commandLine, 600), startupOptions);

    // The player's own addition reaches the game as one more line.
    const std::string edited = std::string(startupOptions) + " +set e2e_marker 1";
    typeText(commandLine, 600, edited);
    HWND run = next(zat(), commandLine, Page::run);
    ASSERT_NE(run, nullptr);
    const std::string expectedConfig = configFileFor(edited);
    EXPECT_EQ(visible(readFile(folder().configFile()).value_or("(missing)")),
              visible(expectedConfig));
    EXPECT_FALSE(isChecked(run, 500));
    EXPECT_FALSE(isChecked(run, 501));

    click(run, nextButton);
    auto starts = waitForGameStarts(folder().standinLog(), 1);
    ASSERT_EQ(starts.size(), 1u) << "the game was not started";
    const std::string directory = folder().gameShortDirectory();
    EXPECT_EQ(starts[0].commandLine, launchCommandFor(directory, 0));
    EXPECT_EQ(samePathKey(starts[0].currentDirectory), samePathKey(directory))
        << "the game did not start in its own directory";
    EXPECT_EQ(visible(starts[0].config.value_or("(missing)")), visible(expectedConfig));

    // The run page stays and runs the same game again.
    ASSERT_TRUE(waitUntil([&] { return launchEnded(run); }));
    EXPECT_TRUE(zat().running());
    EXPECT_EQ(zat().visiblePage(), run);
    click(run, nextButton);
    starts = waitForGameStarts(folder().standinLog(), 2);
    ASSERT_EQ(starts.size(), 2u) << "a second Run did not start the game again";
    EXPECT_EQ(starts[1].commandLine, starts[0].commandLine);
    EXPECT_EQ(starts[1].config, starts[0].config);
}

TEST_F(Launch, CloseAfterStartingWaitsForTheGameThenEnds) {
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", nullptr); // the game shows itself for a while
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    HWND run = goToRunPage(zat(), welcome);
    ASSERT_NE(run, nullptr);
    click(run, 501);
    ASSERT_TRUE(waitUntil([&] { return isChecked(run, 501); }, 5s));
    click(run, nextButton);

    HWND game = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        return (game = FindWindowA(nullptr, "Zat (stand-in)")) != nullptr;
    })) << "the game window did not show";
    EXPECT_TRUE(zat().running()) << "the launcher ended before the game did";
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(game); }));
    const auto exitCode = zat().waitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "the launcher stayed although closing was chosen";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_EQ(gameStarts(folder().standinLog()).size(), 1u);
}

TEST_F(Launch, CraftedGameDirectoryRunsNoCommands) {
    const std::string marker = "C:\\pwned.txt";
    removeFile(marker);
    SettingsImage image;
    image.setText(SettingsImage::gameDirectory, SettingsImage::directoryWidth,
                  "C:\\x&echo pwned>" + marker + "&\\");
    const std::string file = folder().path("crafted.ztp");
    writeFile(file, image.bytes());

    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    // The player trusts the file's directory: it still runs no commands.
    const MessageBoxWindow trust = loadSettingsFile(zat(), welcome, file);
    ASSERT_NE(trust.window, nullptr);
    answer(trust, IDYES);
    const auto question = zat().waitForMessageBox();
    ASSERT_TRUE(question.has_value());
    answer(*question, IDYES);
    HWND commandLine = zat().waitForPage(Page::commandLine);
    ASSERT_NE(commandLine, nullptr);
    click(commandLine, nextButton);

    // The config file cannot be written there: reported, and the run page comes all the same.
    const auto error = zat().waitForMessageBox();
    ASSERT_TRUE(error.has_value())
        << "writing into a directory that does not exist went unreported";
    EXPECT_EQ(error->caption, "Error");
    EXPECT_EQ(error->text, "There was an error writing the Config File\nPlease Relocate your "
                           "Zat directory and see if that fixes the problem");
    answer(*error, IDOK);
    HWND run = zat().waitForPage(Page::run);
    ASSERT_NE(run, nullptr);
    click(run, nextButton);

    // Whatever the launcher reports, no command interpreter may run the directory's text.
    waitUntil(
        [&] {
            if (auto box = zat().findMessageBox())
                answer(*box, IDOK);
            return fileExists(marker);
        },
        6s);
    EXPECT_FALSE(fileExists(marker)) << "the game directory's text ran as commands";
    EXPECT_TRUE(zat().running());
    removeFile(marker);
}

} // namespace
} // namespace e2e
