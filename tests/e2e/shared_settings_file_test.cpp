// Settings files from someone else: the game directory they bring is confirmed by the player,
// and no value in them becomes a console command of its own in the game config file.
#include "launcher_test.h"

#include <windows.h>

namespace e2e {
namespace {

using SharedSettingsFile = LauncherTest;

TEST_F(SharedSettingsFile, AnotherGameDirectoryIsAskedAboutAndNoKeepsTheLocatedOne) {
    const std::string other = shortPathOf(folder().copyGame("Other Game"));
    SettingsImage image;
    image.setText(SettingsImage::gameDirectory, SettingsImage::directoryWidth, other);
    const std::string file = folder().path("other.ztp");
    writeFile(file, image.bytes());
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);

    const MessageBoxWindow trust = loadSettingsFile(zat(), welcome, file);
    ASSERT_NE(trust.window, nullptr);
    EXPECT_EQ(trust.caption, "Zat Start");
    EXPECT_NE(trust.text.find(other), std::string::npos) << trust.text;
    EXPECT_NE(trust.text.find(folder().gameShortDirectory()), std::string::npos) << trust.text;
    EXPECT_TRUE(hasItem(trust.window, IDYES) && hasItem(trust.window, IDNO));
    answer(trust, IDNO);
    const auto skip = zat().waitForMessageBox();
    ASSERT_TRUE(skip.has_value());
    EXPECT_EQ(skip->text, "Skip to the Command Line dialog?");
    answer(*skip, IDYES);

    HWND commandLine = zat().waitForPage(Page::commandLine);
    ASSERT_NE(commandLine, nullptr);
    HWND run = next(zat(), commandLine, Page::run);
    ASSERT_NE(run, nullptr);
    click(run, nextButton);
    const auto starts = waitForGameStarts(folder().standinLog(), 1);
    ASSERT_FALSE(starts.empty()) << "the located game was not started";
    EXPECT_EQ(starts[0].commandLine, launchCommandFor(folder().gameShortDirectory(), 0));
    EXPECT_FALSE(fileExists(other + "zat-standin.log")) << "the file's game was started";
}

TEST_F(SharedSettingsFile, APlusSignInAValueStartsNoCommandInTheConfigFile) {
    SettingsImage image;
    image.setInt(SettingsImage::gameType, 22);
    image.setText(SettingsImage::gameDirectory, SettingsImage::directoryWidth,
                  folder().gameShortDirectory());
    image.setText(SettingsImage::playerName, SettingsImage::nameWidth, "x+exec evil");
    const std::string file = folder().path("evil.ztp");
    writeFile(file, image.bytes());
    HWND welcome = startAtWelcomePage();
    ASSERT_NE(welcome, nullptr);

    const MessageBoxWindow skip = loadSettingsFile(zat(), welcome, file);
    ASSERT_NE(skip.window, nullptr);
    EXPECT_EQ(skip.text, "Skip to the Command Line dialog?") << "an honest directory asks nothing";
    answer(skip, IDYES);
    HWND commandLine = zat().waitForPage(Page::commandLine);
    ASSERT_NE(commandLine, nullptr);
    ASSERT_NE(next(zat(), commandLine, Page::run), nullptr);

    const std::string config = readFile(folder().configFile()).value_or("(missing)");
    EXPECT_EQ(config.find("\r\nexec evil"), std::string::npos) << visible(config);
    EXPECT_NE(config.find("\r\nset name xexec evil \r\n"), std::string::npos) << visible(config);
}

} // namespace
} // namespace e2e
