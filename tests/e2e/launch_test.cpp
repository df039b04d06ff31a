// Starting the game for real: one chain from the welcome page to the stand-in game in a folder
// outside the code page, with the settings saved there on the way; /run and /print beside a
// launcher that shows its pages, with the game never from the current directory nor through a
// command interpreter.
#include "controls/game_config.h"
#include "launcher_test.h"

namespace e2e {
namespace {

using Launch = LauncherTest;

TEST_F(Launch, AChainIsSavedAsZtpAndReachesTheGameWhileThePageAnswers) {
    HWND page = welcome;
    std::string options;
    for (Page next :
         {Page::gameType, Page::gameOptions, Page::mapSelect, Page::optionText, Page::run}) {
        click(page, IDC_NEXT);
        ASSERT_NE(page = launcher.zat->waitForPage(next), nullptr) << static_cast<int>(next);
        if (next == Page::optionText)
            options = itemText(page, IDC_OPTION_TEXT);
    }
    ASSERT_TRUE(setButton(page, IDC_SAVE_SETTINGS, true));
    click(page, IDC_NEXT);
    HWND save = launcher.zat->waitForDialog("Save ZatStart Settings File");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(GetWindow(save, GW_OWNER), page) << "the save dialog is not the run page's";
    ASSERT_TRUE(chooseFile(save, launcher.folder.gameDirectory() + "chain"));
    ASSERT_TRUE(waitUntil([] { return FindWindowA(nullptr, "Zat (stand-in)") != nullptr; }));
    EXPECT_TRUE(answers(page, 300ms)) << "the launcher froze while the game runs";
    EXPECT_TRUE(waitUntil([&] { return launchEnded(page); })) << "Run did not come back";

    // The game's folder lies outside the code page: the launcher knows it by its short form.
    const std::string game = launcher.folder.gameShortDirectory();
    const auto starts = gameStarts(launcher.folder.standinLog());
    ASSERT_EQ(starts.size(), 1u) << "the game did not start";
    EXPECT_EQ(starts[0].config, gameConfigText(options));
    EXPECT_EQ(shortPathOf(starts[0].currentDirectory + "\\"), game) << "not in its own directory";
    // A name typed without an extension is saved as a settings file.
    EXPECT_TRUE(fileExists(game + "chain.ZTP"));
}

// A game directory full of a shell's signs, a zat.exe where the launcher starts, and a settings
// file named outside the code page: /run starts the located game and nothing else and hands
// back its exit code; /print writes the same launch into a pipe.
TEST_F(Launch, RunAndPrintUseTheLocatedGameWithoutAShellAndGiveItsExitCodeAndItsLaunch) {
    const TestFolder here("run-and-print", "x&md;pwned&y");
    CopyFileA(here.gameExe().c_str(), here.path("zat.exe").c_str(), FALSE);
    CreateDirectoryA(here.path("base").c_str(), nullptr);
    writeIni(here.gameDirectory());
    saveRecord(launcher.folder.gameShortDirectory() + "run.ZTP", startupRecordFor(""));
    const std::string file = " \"" + launcher.folder.gameDirectory() + "run.ZTP\"";
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", "1");
    SetEnvironmentVariableA("ZAT_STANDIN_EXIT_CODE", "7");

    EXPECT_EQ(ZatStart(zatStartExe(), here.directory(), "/run" + file).waitForExit(), 7u);
    const auto starts = gameStarts(here.gameDirectory() + "zat-standin.log");
    ASSERT_EQ(starts.size(), 1u) << "the located game did not start";
    EXPECT_FALSE(fileExists(here.path("zat-standin.log"))) << "the current directory's game ran";
    for (const std::string& where : {here.directory(), here.gameDirectory()})
        EXPECT_FALSE(fileExists(where + "pwned")) << "a command interpreter ran in " << where;

    ZatStart print(zatStartExe(), here.directory(), "/print" + file, true);
    EXPECT_EQ(print.readOutput().find(starts[0].launchCommand + "\r\n"), 0u);
    EXPECT_EQ(print.waitForExit(), 0u);
}

} // namespace
} // namespace e2e
