// Settings files: loading one from the welcome page, and saving one just before a launch.
#include "launcher_test.h"

#include <windows.h>

#include <cstring>
#include <thread>

namespace e2e {
namespace {

constexpr char skipQuestion[] = "Skip to the Command Line dialog?";

// A player who joins a server, with a name, an address and a skin.
SettingsImage joiningPlayer(const std::string& gameDirectory) {
    SettingsImage image;
    image.setInt(SettingsImage::gameType, 22);
    image.setInt(SettingsImage::multiplayerMode, 200);
    image.setText(SettingsImage::gameDirectory, SettingsImage::directoryWidth, gameDirectory);
    image.setText(SettingsImage::playerName, SettingsImage::nameWidth, "Tester");
    image.setText(SettingsImage::serverAddress, SettingsImage::nameWidth, "10.0.0.7");
    image.setText(SettingsImage::skinName, SettingsImage::nameWidth, "Rook_Base");
    return image;
}

constexpr char joiningOptions[] =
    " +set name Tester +set hand 0 +set model pl_rook +set skin Rook_Base +connect 10.0.0.7"
    " +set crosshair 1 +set dialog 3 +set cl_run 1 +set m_filter 1 +set lookspring 1"
    " +set lookstrafe 0 +set freelook 1";

using SettingsFile = LauncherTest;

TEST_F(SettingsFile, LoadedSettingsSkipStraightToTheirCommandLine) {
    const std::string file = folder().path("joining.ztp");
    writeFile(file, joiningPlayer(folder().gameShortDirectory()).bytes());
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);

    const MessageBoxWindow question = loadSettingsFile(zat(), welcome, file);
    ASSERT_NE(question.window, nullptr);
    EXPECT_EQ(question.caption, "Zat Start");
    EXPECT_EQ(question.text, skipQuestion);
    answer(question, IDYES);

    HWND commandLine = zat().waitForPage(Page::commandLine);
    ASSERT_NE(commandLine, nullptr) << "Yes did not open the command line page";
    EXPECT_EQ(itemText(commandLine, 600), joiningOptions);

    HWND run = next(zat(), commandLine, Page::run);
    ASSERT_NE(run, nullptr);
    click(run, nextButton);
    const auto starts = waitForGameStarts(folder().standinLog(), 1);
    ASSERT_FALSE(starts.empty()) << "the game was not started";
    EXPECT_EQ(starts[0].commandLine, launchCommandFor(folder().gameShortDirectory(), 1));
    EXPECT_EQ(visible(starts[0].config.value_or("(missing)")),
              visible(configFileFor(joiningOptions)));
}

TEST_F(SettingsFile, RunCanSaveTheSettingsBeforeStartingTheGame) {
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);
    HWND run = goToRunPage(zat(), welcome);
    ASSERT_NE(run, nullptr);
    click(run, 500);
    ASSERT_TRUE(waitUntil([&] { return isChecked(run, 500); }, 5s));
    click(run, nextButton);

    HWND save = zat().waitForDialog(saveTitle);
    ASSERT_NE(save, nullptr) << "no \"Save ZatStart Settings File\" dialog";
    const std::string file = folder().path("saved");
    ASSERT_TRUE(chooseFile(save, file));
    const auto starts = waitForGameStarts(folder().standinLog(), 1);
    ASSERT_FALSE(starts.empty()) << "the game was not started after saving";

    // Saved under exactly the typed name, without an extension added.
    const auto saved = readFile(file);
    ASSERT_TRUE(saved.has_value()) << "no settings file under the typed name";
    ASSERT_EQ(saved->size(), SettingsImage::size);
    EXPECT_EQ(saved->substr(36, 4), std::string("\x00\x00\xc0\x3f", 4)) << "version 1.5";
    EXPECT_EQ(saved->substr(SettingsImage::playerName, 5), std::string("Rook\0", 5));
    const std::string directory = folder().gameShortDirectory();
    EXPECT_EQ(saved->substr(SettingsImage::gameDirectory, directory.size() + 1),
              directory + std::string(1, '\0'));
    EXPECT_EQ(saved->substr(SettingsImage::savePath, file.size() + 1), file + std::string(1, '\0'))
        << "the save path is not in the file";
}

} // namespace
} // namespace e2e
