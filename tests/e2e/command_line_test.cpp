// Settings files from the command line: opened on the pages, launched without them beside a
// launcher (and a launcher beside such a launch), printed, and the usage and errors.
#include "launcher_test.h"

#include <windows.h>

#include <filesystem>

namespace e2e {
namespace {

constexpr char gameWindowTitle[] = "Zat (stand-in)";

using CommandLineForms = LauncherTest;

// A single-player file on base1, saved where the game lies elsewhere, in a folder with
// blanks in its name.
std::string writeSettingsFile(const TestFolder& folder, const std::string& gameDirectory) {
    SettingsImage image;
    image.setText(SettingsImage::gameDirectory, SettingsImage::directoryWidth, gameDirectory);
    image.setText(SettingsImage::mapName, SettingsImage::nameWidth, "base1");
    std::filesystem::create_directories(folder.path("My Settings"));
    const std::string file = folder.path("My Settings\\single player.ZTP");
    writeFile(file, image.bytes());
    return file;
}

const std::string fileOptions = std::string(startupOptions) + " +map base1";

TEST_F(CommandLineForms, RunBesideALauncherThatOpensAFileAtItsCommandLine) {
    const std::string located = folder().gameShortDirectory();
    const std::string other = shortPathOf(folder().copyGame("Other Game"));
    writeIni(located);
    const std::string file = writeSettingsFile(folder(), other);
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", nullptr);
    SetEnvironmentVariableA("ZAT_STANDIN_STAY", "1");
    SetEnvironmentVariableA("ZAT_STANDIN_EXIT_CODE", "7");

    ZatStart& run = startZatStart("/RUN \"" + file + "\"");
    HWND game = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (game = FindWindowA(nullptr, gameWindowTitle)); }))
        << "/run did not start the game";
    EXPECT_EQ(run.visiblePage(), nullptr);
    // While /run waits for its game, a launcher starts as usual and opens the file.
    ZatStart& opened = startZatStart("\"" + file + "\"");
    EXPECT_NE(opened.waitForPage(Page::welcome), nullptr) << "the launcher was refused";
    PostMessageA(game, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.waitForExit(), 7u) << "not the game's exit code";
    const auto starts = gameStarts(folder().standinLog());
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].commandLine, launchCommandFor(located, 0));
    EXPECT_EQ(visible(starts[0].config.value_or("(missing)")), visible(configFileFor(fileOptions)));
    EXPECT_FALSE(fileExists(other + "zat-standin.log")) << "the file's game was started";

    const auto trust = opened.waitForMessageBox();
    ASSERT_TRUE(trust.has_value()) << "no question about the file's game directory";
    EXPECT_EQ(trust->caption, "Zat Start");
    EXPECT_NE(trust->text.find(other), std::string::npos) << trust->text;
    answer(*trust, IDNO);
    HWND commandLine = opened.waitForPage(Page::commandLine);
    ASSERT_NE(commandLine, nullptr) << "the file did not lead to its command line page";
    EXPECT_EQ(itemText(commandLine, 600), fileOptions);

    // Nor is /run refused by a launcher that shows its pages.
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", "1");
    EXPECT_EQ(startZatStart("/run \"" + file + "\"").waitForExit(), 7u);
    EXPECT_EQ(gameStarts(folder().standinLog()).size(), 2u);
}

TEST_F(CommandLineForms, PrintUsageAndErrors) {
    const std::string located = folder().gameShortDirectory();
    writeIni(located);
    const std::string file = writeSettingsFile(folder(), located);

    ZatStart& print = startZatStart("/print \"" + file + "\"", true);
    EXPECT_EQ(visible(print.readOutput()),
              visible(launchCommandFor(located, 0) + "\r\n" + configFileFor(fileOptions) + "\r\n"));
    EXPECT_EQ(print.waitForExit(), 0u);
    EXPECT_FALSE(fileExists(folder().configFile())) << "/print wrote the config file";

    ZatStart& usage = startZatStart("/?", true);
    EXPECT_NE(usage.readOutput().find("zatstart.exe /run file.ZTP"), std::string::npos);
    EXPECT_EQ(usage.waitForExit(), 0u);

    const std::pair<std::string, std::string> errors[] = {
        {"/launch \"" + file + "\"", "Unknown switch \"/launch\"."},
        {"/run \"" + folder().path("absent.ZTP") + "\"", "Can't load file!"},
    };
    for (const auto& [arguments, message] : errors) {
        ZatStart& wrong = startZatStart(arguments);
        const auto error = wrong.waitForMessageBox();
        ASSERT_TRUE(error.has_value()) << arguments;
        EXPECT_EQ(error->caption, "Error");
        EXPECT_EQ(error->text.substr(0, message.size()), message);
        answer(*error, IDOK);
        EXPECT_EQ(wrong.waitForExit(), message[0] == 'U' ? 2u : 1u) << arguments;
    }
    EXPECT_TRUE(gameStarts(folder().standinLog()).empty());
}

} // namespace
} // namespace e2e
