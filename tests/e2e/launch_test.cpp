// Starting the game for real: one deathmatch chain from the welcome page to the stand-in game,
// with the settings saved on the way, and the game never from the current directory nor
// through a command interpreter; /run hands back the game's exit code and /print writes into
// a pipe, both beside a launcher that shows its pages.
#include "controls/game_config.h"
#include "deathmatch_choices.h"
#include "launch/launch_command.h"
#include "launcher_test.h"
#include "settings/choices.h"
#include "settings/text_field.h"

#include <windows.h>

#include <filesystem>
#include <functional>

namespace e2e {
namespace {

using Launch = LauncherTest;

TEST_F(Launch, ADedicatedServerChainIsSavedAsZtpAndReachesTheGameWhileThePageAnswers) {
    HWND page = welcome();
    for (Page expected : {Page::gameType, Page::playerSetup, Page::multiplayer, Page::serverOptions,
                          Page::gameOptions, Page::mapSelect}) {
        ASSERT_NE(page = next(page, expected), nullptr);
        dedicatedServerChoices(page, expected);
    }
    HWND optionText = next(page, Page::optionText);
    ASSERT_NE(optionText, nullptr);
    const std::string options = itemText(optionText, IDC_OPTION_TEXT);
    HWND run = next(optionText, Page::run);
    ASSERT_NE(run, nullptr);
    ASSERT_TRUE(setButton(run, IDC_SAVE_SETTINGS, true));

    const std::size_t startsBefore = gameStarts(folder().standinLog()).size();
    click(run, IDC_NEXT);
    HWND save = zat().waitForDialog(saveTitle);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(GetWindow(save, GW_OWNER), run) << "the save dialog is not the run page's";
    const std::string file = folder().path("dedicated");
    ASSERT_TRUE(chooseFile(save, file));
    ASSERT_TRUE(waitUntil([] { return FindWindowA(nullptr, gameTitle) != nullptr; }))
        << "the game window did not show";
    EXPECT_TRUE(answers(run, 300ms)) << "the launcher froze while the game runs";
    EXPECT_TRUE(waitUntil([&] { return launchEnded(run); })) << "Run did not come back";
    EXPECT_TRUE(waitUntil([&] { return focusIn(run) == GetDlgItem(run, IDC_NEXT); }, 5s))
        << "the focus did not come back to Run";

    const auto starts = gameStarts(folder().standinLog());
    ASSERT_EQ(starts.size(), startsBefore + 1);
    LaunchSettings expected = startupRecordFor(folder().gameShortDirectory());
    expected.gameType = gameTypes::deathmatch;
    expected.multiplayerMode = multiplayerModes::startServer;
    expected.dedicated = 1;
    EXPECT_EQ(starts.back().launchCommand, composeGameLaunch(expected).launchCommand);
    EXPECT_EQ(starts.back().config, gameConfigText(options));
    EXPECT_EQ(shortPathOf(starts.back().currentDirectory + "\\"), folder().gameShortDirectory())
        << "the game did not start in its own directory";

    // A name typed without an extension is saved as a settings file (Wine writes the
    // extension in lower case).
    const auto saved = loadRecord(file + ".ZTP");
    ASSERT_TRUE(saved.has_value()) << "no settings file under the typed name and .ZTP";
    EXPECT_STRCASEEQ(std::string(fieldText(saved->savePath)).c_str(), (file + ".ZTP").c_str());
    EXPECT_EQ(saved->dedicated, 1);
    EXPECT_EQ(fieldText(saved->timeLimit), "20");
}

TEST_F(Launch, NoGameFromTheCurrentDirectoryAndNoCommandInterpreter) {
    // No game directory known, and a zat.exe where the launcher starts: it must not run.
    TestFolder here("current-directory");
    CopyFileA(here.gameExe().c_str(), here.path("zat.exe").c_str(), FALSE);
    CreateDirectoryA(here.path("base").c_str(), nullptr);
    const std::string file = here.path("settings.ZTP");
    saveRecord(file, startupRecordFor(""));
    writeIni("");
    // Its error goes into the pipe, and no box holds the script.
    ZatStart& unknown = startZatStart("/run \"" + file + "\"", here.directory(), true);
    ASSERT_EQ(unknown.waitForExit(), 1u);
    EXPECT_EQ(unknown.readOutput(), std::string(kGameDirectoryUnknown) + "\r\n");
    EXPECT_FALSE(fileExists(here.path("zat-standin.log"))) << "the current directory's game ran";

    // A game directory full of a shell's signs: the game starts, and nothing else does; its
    // semicolon is quoted for the game.
    const std::string shellSigns = here.copyGame("x&md;pwned&y");
    writeIni(shellSigns);
    EXPECT_EQ(startZatStart("/run \"" + file + "\"", here.directory()).waitForExit(), 0u);
    const auto starts = gameStarts(shellSigns + "zat-standin.log");
    ASSERT_EQ(starts.size(), 1u) << "the game in " << shellSigns << " did not start";
    EXPECT_NE(starts[0].launchCommand.find('"' + shellSigns + "zat.exe\" "), std::string::npos)
        << starts[0].launchCommand;
    for (const std::string& where : {here.directory(), shellSigns, folder().directory()})
        EXPECT_FALSE(fileExists(where + "pwned")) << "a command interpreter ran in " << where;
}

// The folder as the code page holds it: its short form, whose every character fits. Empty when
// Windows gives none that fits.
std::string shortFormInCodePage(const std::filesystem::path& folder) {
    wchar_t shortForm[MAX_PATH] = {};
    const DWORD length = GetShortPathNameW(folder.c_str(), shortForm, MAX_PATH);
    char narrow[MAX_PATH * 2] = {};
    BOOL unfit = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, shortForm, static_cast<int>(length),
                            narrow, sizeof narrow, nullptr, &unfit);
    return length == 0 || length >= MAX_PATH || unfit ? "" : std::string(narrow, size) + "\\";
}

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

struct AtEnd {
    std::function<void()> run;
    ~AtEnd() { run(); }
};

// Omega lies outside code page 1252: the program never sees the folder's name in its own
// characters, only its short form, which it stores, writes into and starts the game from.
TEST_F(Launch, AGameInAFolderOutsideTheCodePageIsLocatedRunAndItsSettingsFileOpened) {
    ASSERT_EQ(GetACP(), 1252u) << "omega fits the prefix's code page";
    const std::filesystem::path game =
        std::filesystem::path(folder().directory()) / std::u8string(u8"Zat \u03A9");
    std::filesystem::create_directories(game / "base");
    std::filesystem::copy_file(folder().gameExe(), game / "zat.exe",
                               std::filesystem::copy_options::overwrite_existing);
    const std::string shortGame = shortFormInCodePage(game);
    ASSERT_NE(shortGame, "") << "the volume gives the folder no short name";

    // The shared launcher goes back to the game every other test expects, however this ends.
    const AtEnd locatedAgain{[this] {
        command(welcome(), IDM_LOCATE_GAME);
        if (HWND again = zat().waitForDialog(locateTitle))
            chooseFile(again, folder().gameExe());
    }};
    command(welcome(), IDM_LOCATE_GAME);
    HWND locate = zat().waitForDialog(locateTitle);
    ASSERT_NE(locate, nullptr);
    ASSERT_TRUE(chooseFile(locate, utf8Of(game / "zat.exe")));
    ASSERT_TRUE(waitUntil([&] { return readFile(windowsIniPath()) == "0\r\n" + shortGame; }))
        << readFile(windowsIniPath()).value_or("no INI file");

    standInGame(true);
    command(welcome(), IDM_OPTION_TEXT);
    HWND run = next(zat().waitForPage(Page::optionText), Page::run);
    ASSERT_NE(run, nullptr) << "the config file was not written into the folder";
    ASSERT_TRUE(setButton(run, IDC_SAVE_SETTINGS, true));
    click(run, IDC_NEXT);
    HWND save = zat().waitForDialog(saveTitle);
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(chooseFile(save, utf8Of(game / "server.ZTP")));
    EXPECT_TRUE(waitUntil([&] { return launchEnded(run); })) << "Run did not come back";
    const auto starts = gameStarts(shortGame + "zat-standin.log");
    ASSERT_EQ(starts.size(), 1u) << "the game in the folder did not start";
    EXPECT_EQ(starts[0].launchCommand.rfind(shortGame + "zat.exe ", 0), 0u)
        << starts[0].launchCommand;
    const auto saved = loadRecord(shortGame + "server.ZTP");
    ASSERT_TRUE(saved.has_value()) << "no settings file in the folder";
    EXPECT_EQ(fieldText(saved->savePath), shortGame + "server.ZTP");

    ZatStart& print =
        startZatStart("/print \"" + utf8Of(game / "server.ZTP") + "\"", folder().directory(), true);
    EXPECT_EQ(print.readOutput().rfind(shortGame + "zat.exe ", 0), 0u);
    EXPECT_EQ(print.waitForExit(), 0u);
}

using LauncherArguments = LauncherTest;

TEST_F(LauncherArguments, RunReturnsTheGamesExitCodeAndPrintWritesIntoAPipe) {
    const std::string file = folder().path("arguments.ZTP");
    saveRecord(file, startupRecordFor("C:\\Elsewhere\\"));
    const GameLaunch expected = composeGameLaunch(startupRecordFor(folder().gameShortDirectory()));

    ZatStart& print = startZatStart("/print \"" + file + "\"", folder().directory(), true);
    EXPECT_EQ(print.readOutput(),
              expected.launchCommand + "\r\n" + gameConfigText(expected.optionText) + "\r\n");
    EXPECT_EQ(print.waitForExit(), 0u);

    standInGame(true, 7);
    const std::size_t startsBefore = gameStarts(folder().standinLog()).size();
    EXPECT_EQ(startZatStart("/run \"" + file + "\"", folder().directory()).waitForExit(), 7u);
    const auto starts = gameStarts(folder().standinLog());
    ASSERT_EQ(starts.size(), startsBefore + 1);
    EXPECT_EQ(starts.back().launchCommand, expected.launchCommand);
}

} // namespace
} // namespace e2e
