// The program's command line: how it is split and read, and the forms that open a settings
// file on the pages, launch it without them, print its launch, or explain themselves.
#include "app/app_state.h"
#include "app/launcher_start.h"
#include "controls/game_config.h"
#include "launch/launch_command.h"
#include "launch/launcher_arguments.h"
#include "settings/settings_file.h"
#include "walk.h"

#include <algorithm>

namespace {

using Arguments = std::vector<std::string>;

// A path as Windows writes it, with backslashes only: natively "/tmp/..." would read as a
// switch.
std::string backslashed(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string imageOf(const LaunchSettings& s) {
    return {reinterpret_cast<const char*>(&s), sizeof s};
}

// Located in game\ (with base\ in it); a settings file for a deathmatch server whose game
// directory is another one, in a folder with blanks in its name.
struct FileWalk : Walk {
    std::string file;
    FileWalk() {
        std::filesystem::create_directories(folder.native("game\\base"));
        std::filesystem::create_directories(folder.native("my files"));
        gameLocatedAt(folder.path("game\\"));
        LaunchSettings saved = kStartupValues;
        saved.gameType = gameTypes::deathmatch;
        saved.multiplayerMode = multiplayerModes::startServer;
        saved.dedicated = 1;
        storeFieldText(saved.gameDirectory, folder.path("elsewhere\\"));
        storeFieldText(saved.mapName, "dm_forge");
        file = backslashed(folder.path("my files\\server.ZTP"));
        folder.write("my files\\server.ZTP", imageOf(saved));
    }
    int start(const std::string& arguments) {
        const int result = runWithLauncherArguments(
            desktop, "\"C:\\Zat Start\\zatstart.exe\" " + arguments, zatStartPages());
        EXPECT_TRUE(steps.empty()) << steps.size() << " steps were never taken";
        return result;
    }
};

} // namespace

TEST(LauncherArguments, AreSplitAsWindowsSplitsThem) {
    const std::pair<const char*, Arguments> cases[] = {
        {"zatstart.exe", {}},
        {"\"C:\\Zat Start\\zatstart.exe\"   \t", {}},
        {"C:\\Zat\\zatstart.exe /RUN \"C:\\My Files\\a b.ZTP\"", {"/RUN", "C:\\My Files\\a b.ZTP"}},
        {"\"C:\\a\"b c", {"b", "c"}}, // the program's name ends at its closing mark
        {"z \"\"", {""}},
        {"z a\"b c\"d e", {"ab cd", "e"}},
        {"z C:\\dir\\ \"C:\\dir\\\\\" x", {"C:\\dir\\", "C:\\dir\\", "x"}},
        {"z a\\\\\\\"b a\\\\b", {"a\\\"b", "a\\\\b"}},
        {"z \"ab\"\"c d\"", {"ab\"c", "d"}}, // "" inside marks: one mark, and out of them
        {"z \"unclosed arg", {"unclosed arg"}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(expected, argumentsOf(line)) << line;
}

TEST(LauncherArguments, NameOneFormOrSayWhatIsWrong) {
    struct Case {
        Arguments arguments;
        StartForm form;
        std::string fileOrProblem;
    };
    const Case cases[] = {
        {{}, StartForm::pages, ""},
        {{"C:\\a b.ZTP"}, StartForm::openFile, "C:\\a b.ZTP"},
        {{"/Run", "x.ZTP"}, StartForm::run, "x.ZTP"},
        {{"/PRINT", "x.ZTP"}, StartForm::print, "x.ZTP"},
        {{"/?"}, StartForm::usage, ""},
        {{"/runn", "x.ZTP"}, StartForm::wrongUse, "Unknown switch \"/runn\"."},
        {{"/run"}, StartForm::wrongUse, "\"/run\" needs a settings file."},
        {{"/print", ""}, StartForm::wrongUse, "\"/print\" needs a settings file."},
        {{""}, StartForm::wrongUse, "The settings file to open is missing."},
        {{"a.ZTP", "/run"}, StartForm::wrongUse, "Unexpected argument \"/run\"."},
        {{"/run", "a.ZTP", "b"}, StartForm::wrongUse, "Unexpected argument \"b\"."},
        {{"/?", "a.ZTP"}, StartForm::wrongUse, "Unexpected argument \"a.ZTP\"."},
    };
    for (const Case& c : cases) {
        const StartRequest request = startRequestOf(c.arguments);
        EXPECT_EQ(c.form, request.form) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(c.fileOrProblem, c.form == StartForm::wrongUse ? request.problem : request.file);
    }
}

TEST(LauncherArguments, AFileOpensOnTheWelcomePageAndGoesOnToItsOptionText) {
    FileWalk walk;
    walk.desktop.answers.push_back(MessageAnswer::no); // keep the located directory
    walk.passSplash();
    walk.on(IDD_WELCOME, [](FakePage& page) { page.timer(IDT_AFTER_OPENING); });
    walk.on(IDD_OPTION_TEXT, [](FakePage& page) {
        EXPECT_NE(std::string::npos, page.text(IDC_OPTION_TEXT).find(" +map dm_forge"));
    });
    walk.click(IDD_OPTION_TEXT, IDC_NEXT);
    walk.click(IDD_RUN, IDC_NEXT);
    walk.closeOn(IDD_RUN);
    EXPECT_EQ(0, walk.start("\"" + walk.file + "\""));
    EXPECT_TRUE(walk.desktop.claimedAfterDialogs.has_value());
    EXPECT_TRUE(walk.desktop.fileDialogs.empty());
    ASSERT_EQ(2u, walk.desktop.messageBoxes.size()) << "the directory question, the exit question";
    EXPECT_EQ(IDD_WELCOME, walk.desktop.messageBoxes[0].ownerTemplate);
    EXPECT_NE(std::string::npos, walk.desktop.messageBoxes[0].text.find("elsewhere"));
    EXPECT_EQ(walk.folder.path("game\\zat.exe"), walk.desktop.programRuns.at(0).executable);
}

TEST(LauncherArguments, AFileThatCannotBeLoadedLeavesThePlayerOnTheWelcomePage) {
    FileWalk walk;
    walk.folder.write("short.ZTP", "short");
    walk.passSplash();
    walk.on(IDD_WELCOME, [](FakePage& page) {
        page.timer(IDT_AFTER_OPENING);
        EXPECT_FALSE(page.ended());
        EXPECT_TRUE(page.timers().empty());
    });
    walk.closeOn(IDD_WELCOME);
    EXPECT_EQ(0, walk.start(backslashed(walk.folder.path("short.ZTP"))));
    EXPECT_EQ("Couldn't Read from File", walk.desktop.messageBoxes.at(0).text);
    EXPECT_EQ("Error", walk.desktop.messageBoxes.at(0).caption);
}

// No page, no claim of the single instance and no look for another launcher: /run starts
// beside a launcher that shows its pages, and a launcher can start beside it.
TEST(LauncherArguments, RunLaunchesTheLocatedGameWithoutPagesAndReturnsItsExitCode) {
    FileWalk walk;
    walk.desktop.claimedElsewhere = true;
    walk.desktop.existingDialogTitles.insert(kPageTitle);
    walk.desktop.programExitCode = 0xC0000005u;
    EXPECT_EQ(static_cast<int>(0xC0000005u), walk.start("/run \"" + walk.file + "\""));
    EXPECT_TRUE(walk.desktop.openedTemplates.empty());
    EXPECT_TRUE(walk.desktop.messageBoxes.empty());
    EXPECT_FALSE(walk.desktop.claimedAfterDialogs.has_value());
    const std::string game = walk.folder.path("game\\");
    const ProgramRun& run = walk.desktop.programRuns.at(0);
    EXPECT_EQ(game + "zat.exe", run.executable);
    EXPECT_EQ(game, run.directory);
    EXPECT_EQ(game + "zat.exe +set deathmatch 1 +dedicated 1 +exec " + game + "base\\zatstart.cfg",
              run.commandLine);
    const std::string config = walk.folder.read("game\\base\\ZatStart.cfg");
    EXPECT_NE(std::string::npos, config.find("\r\nmap dm_forge")) << config;
}

TEST(LauncherArguments, RunRefusesWhatItCannotUseWithAnErrorAndExitCode1) {
    struct Case {
        std::string what;
        std::function<std::string(FileWalk&)> arrange; // returns the file to run
        std::string message;
    };
    const Case cases[] = {
        {"absent", [](FileWalk& w) { return w.folder.path("absent.ZTP"); }, "Can't load file!"},
        {"a folder", [](FileWalk& w) { return w.folder.path("my files"); }, "Can't load file!"},
        {"too long", [](FileWalk& w) { return w.folder.path(std::string(200, 'p')); },
         std::string(settingsMessages::pathTooLong)},
        {"not located",
         [](FileWalk& w) {
             w.gameLocatedAt("GAMES\\ZAT\\");
             return w.file;
         },
         std::string(kGameDirectoryUnknown)},
        {"no base folder",
         [](FileWalk& w) {
             std::filesystem::remove_all(w.folder.native("game\\base"));
             return w.file;
         },
         std::string(configMessages::cantWrite)},
        {"game missing",
         [](FileWalk& w) {
             w.desktop.programStarts = false;
             return w.file;
         },
         std::string(kGameNotStarted)},
    };
    for (const Case& c : cases) {
        FileWalk walk;
        EXPECT_EQ(1, walk.start("/run \"" + backslashed(c.arrange(walk)) + "\"")) << c.what;
        ASSERT_EQ(1u, walk.desktop.messageBoxes.size()) << c.what;
        const MessageBoxShown& error = walk.desktop.messageBoxes[0];
        EXPECT_EQ(c.message, error.text) << c.what;
        EXPECT_EQ("Error", error.caption);
        EXPECT_EQ(MessageIcon::error, error.icon);
        EXPECT_EQ(c.what == "game missing" ? 1u : 0u, walk.desktop.programRuns.size()) << c.what;
    }
}

TEST(LauncherArguments, PrintWritesTheLaunchAndTheConfigTextAndStartsNothing) {
    // The same text in a message box when there is no standard output (double-clicked, say).
    for (const bool console : {true, false}) {
        FileWalk walk;
        if (console)
            walk.desktop.standardOutput = "";
        EXPECT_EQ(0, walk.start("/print \"" + walk.file + "\""));
        const std::string printed =
            console ? *walk.desktop.standardOutput : walk.desktop.messageBoxes.at(0).text;
        const std::string game = walk.folder.path("game\\");
        const std::string launch = game + "zat.exe +set deathmatch 1 +dedicated 1 +exec " + game +
                                   "base\\zatstart.cfg\r\n";
        EXPECT_EQ(launch, printed.substr(0, launch.size()));
        EXPECT_EQ(" \r\nset name Rook \r\n", printed.substr(launch.size(), 19));
        EXPECT_EQ("\r\nmap dm_forge\r\n", printed.substr(printed.size() - 16));
        EXPECT_TRUE(walk.desktop.programRuns.empty());
        EXPECT_FALSE(walk.folder.exists("game\\base\\ZatStart.cfg"));
    }
}

TEST(LauncherArguments, UsageAndWrongUse) {
    Walk console;
    console.desktop.standardOutput = "";
    EXPECT_EQ(0, runWithLauncherArguments(console.desktop, "zatstart.exe /?", zatStartPages()));
    EXPECT_NE(std::string::npos,
              console.desktop.standardOutput->find("zatstart.exe /run file.ZTP"));
    EXPECT_TRUE(console.desktop.messageBoxes.empty());

    Walk none;
    EXPECT_EQ(0, runWithLauncherArguments(none.desktop, "zatstart.exe /?", zatStartPages()));
    EXPECT_EQ(*console.desktop.standardOutput, none.desktop.messageBoxes.at(0).text);
    EXPECT_EQ("Zat Start", none.desktop.messageBoxes.at(0).caption);

    Walk wrong;
    wrong.desktop.standardOutput = "";
    EXPECT_EQ(
        2, runWithLauncherArguments(wrong.desktop, "zatstart.exe /launch x.ZTP", zatStartPages()));
    const MessageBoxShown& error = wrong.desktop.messageBoxes.at(0);
    EXPECT_EQ(0u, error.text.find("Unknown switch \"/launch\".\r\n\r\nUsage:"));
    EXPECT_EQ("Error", error.caption);
    EXPECT_EQ(MessageIcon::error, error.icon);
    EXPECT_TRUE(wrong.desktop.openedTemplates.empty());
}
