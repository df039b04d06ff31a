// Starting the game for real: one chain from the welcome page to the stand-in game in a folder
// outside the code page, with the settings saved there on the way, and the game never from the
// current directory nor through a command interpreter; /run hands back the game's exit code and
// /print writes into a pipe, both beside a launcher that shows its pages.
#include "controls/game_config.h"
#include "launch/launch_command.h"
#include "launcher_test.h"

#include <windows.h>

namespace e2e {
namespace {

using Launch = LauncherTest;

TEST_F(Launch, AChainIsSavedAsZtpAndReachesTheGameWhileThePageAnswers) {
    HWND page = welcome();
    for (Page expected : {Page::gameType, Page::gameOptions, Page::mapSelect})
        ASSERT_NE(page = next(page, expected), nullptr);
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
    ASSERT_TRUE(chooseFile(save, folder().gameDirectory() + "chain"));
    ASSERT_TRUE(waitUntil([] { return FindWindowA(nullptr, gameTitle) != nullptr; }))
        << "the game window did not show";
    EXPECT_TRUE(answers(run, 300ms)) << "the launcher froze while the game runs";
    EXPECT_TRUE(waitUntil([&] { return launchEnded(run); })) << "Run did not come back";
    EXPECT_TRUE(waitUntil([&] { return focusIn(run) == GetDlgItem(run, IDC_NEXT); }, 5s))
        << "the focus did not come back to Run";

    // The game's folder lies outside the code page: the launcher knows it by its short form.
    const std::string game = folder().gameShortDirectory();
    const auto starts = gameStarts(folder().standinLog());
    ASSERT_EQ(starts.size(), startsBefore + 1) << "the game did not start";
    EXPECT_EQ(starts.back().launchCommand, composeGameLaunch(startupRecordFor(game)).launchCommand);
    EXPECT_EQ(starts.back().config, gameConfigText(options));
    EXPECT_EQ(shortPathOf(starts.back().currentDirectory + "\\"), game)
        << "the game did not start in its own directory";

    // A name typed without an extension is saved as a settings file.
    EXPECT_TRUE(fileExists(game + "chain.ZTP")) << "no settings file under the typed name and .ZTP";
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

using LauncherArguments = LauncherTest;

TEST_F(LauncherArguments, RunReturnsTheGamesExitCodeAndPrintWritesIntoAPipe) {
    // Named outside the code page on the command line; the INI's game wins over the file's.
    saveRecord(folder().gameShortDirectory() + "arguments.ZTP",
               startupRecordFor("C:\\Elsewhere\\"));
    const std::string file = folder().gameDirectory() + "arguments.ZTP";
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
