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
    // Who started the program: a script whose pipe (or console, or file) takes both streams,
    // a player on the desktop, or a service that no one sees.
    enum class Starter { pipe, desktop, service };
    void startedBy(Starter starter) {
        const bool piped = starter == Starter::pipe;
        desktop.standardOutput = desktop.standardError =
            piped ? std::optional<std::string>("") : std::nullopt;
        desktop.interactiveDesktop = starter != Starter::service;
        desktop.messageBoxes.clear();
    }
    int start(const std::string& arguments) {
        const std::vector<std::string> split =
            argumentsOf("\"C:\\Zat Start\\zatstart.exe\" " + arguments);
        const int result = runWithLauncherArguments(
            desktop, std::vector<HandedPath>(split.begin(), split.end()), zatStartPages());
        EXPECT_TRUE(steps.empty()) << steps.size() << " steps were never taken";
        return result;
    }
};

} // namespace

TEST(LauncherArguments, AreSplitAsWindowsSplitsThem) {
    const std::pair<const char*, Arguments> cases[] = {
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

// Loaded as Load does once the welcome page shows; a file that cannot be loaded leaves the
// player there.
TEST(LauncherArguments, AFileOpensOnTheWelcomePageAndGoesOnToItsOptionText) {
    for (const bool loads : {true, false}) {
        FileWalk walk;
        walk.folder.write("short.ZTP", "short");
        if (loads)
            walk.desktop.answers.push_back(MessageAnswer::no); // keep the located directory
        walk.passSplash();
        walk.on(IDD_WELCOME, [](FakePage& page) {
            page.timer(IDT_AFTER_OPENING);
            EXPECT_TRUE(page.timers().empty());
        });
        walk.closeOn(loads ? IDD_OPTION_TEXT : IDD_WELCOME);
        EXPECT_EQ(0, walk.start(loads ? "\"" + walk.file + "\""
                                      : backslashed(walk.folder.path("short.ZTP"))));
        EXPECT_TRUE(walk.desktop.claimedAfterDialogs.has_value());
        EXPECT_TRUE(walk.desktop.fileDialogs.empty());
        ASSERT_EQ(2u, walk.desktop.messageBoxes.size()) << "the directory question or the error";
        EXPECT_EQ(loads ? MessageIcon::question : MessageIcon::error,
                  walk.desktop.messageBoxes[0].icon);
    }
}

// No page, no claim of the single instance and no look for another launcher: /run and /print
// start beside a launcher that shows its pages, and a launcher can start beside them.
TEST(LauncherArguments, PrintShowsTheLaunchAndRunStartsTheLocatedGameWithoutPages) {
    FileWalk walk;
    walk.desktop.claimedElsewhere = true;
    walk.desktop.existingDialogTitles.insert(kPageTitle);
    walk.desktop.programExitCode = 0xC0000005u;
    walk.desktop.standardOutput = ""; // what it prints: the usage test's
    EXPECT_EQ(0, walk.start("/print \"" + walk.file + "\""));
    EXPECT_TRUE(walk.desktop.programRuns.empty());
    EXPECT_FALSE(walk.folder.exists("game\\base\\ZatStart.cfg"));

    EXPECT_EQ(static_cast<int>(0xC0000005u), walk.start("/run \"" + walk.file + "\""));
    EXPECT_TRUE(walk.desktop.messageBoxes.empty());
    EXPECT_FALSE(walk.desktop.claimedAfterDialogs.has_value());
    EXPECT_EQ(walk.folder.path("game\\zat.exe"), walk.desktop.programRuns.at(0).executable);
    EXPECT_NE(std::string::npos,
              walk.folder.read("game\\base\\ZatStart.cfg").find("\r\nmap dm_forge"));
}

TEST(LauncherArguments, RunRefusesWhatItCannotUseWithAnErrorAndExitCode1) {
    struct Case {
        std::string what;
        std::string file; // in the test's folder; empty: the settings file
        std::function<void(FileWalk&)> arrange;
        std::string_view message;
    };
    const auto nothing = [](FileWalk&) {};
    const Case cases[] = {
        {"absent", "absent.ZTP", nothing, "Can't load file!"},
        {"a folder", "my files", nothing, "Can't load file!"},
        {"not located", "", [](FileWalk& w) { w.gameLocatedAt("GAMES\\ZAT\\"); },
         kGameDirectoryUnknown},
        {"no base folder", "",
         [](FileWalk& w) { std::filesystem::remove_all(w.folder.native("game\\base")); },
         configMessages::cantWrite},
        {"game missing", "", [](FileWalk& w) { w.desktop.programStarts = false; }, kGameNotStarted},
    };
    // Each error into the pipe that a script reads; the rule of boxes is the usage test's.
    for (const Case& c : cases) {
        FileWalk walk;
        walk.startedBy(FileWalk::Starter::pipe);
        c.arrange(walk);
        const std::string file = c.file.empty() ? walk.file : walk.folder.path(c.file);
        EXPECT_EQ(1, walk.start("/run \"" + backslashed(file) + "\"")) << c.what;
        EXPECT_EQ(std::string(c.message) + "\r\n", *walk.desktop.standardError) << c.what;
        EXPECT_EQ(c.what == "game missing" ? 1u : 0u, walk.desktop.programRuns.size()) << c.what;
        EXPECT_TRUE(walk.desktop.messageBoxes.empty()) << c.what;
    }
}

// A text goes where a script reads it and holds nothing up; a box only shows it where nothing
// else would and someone can answer it.
TEST(LauncherArguments, UsagePrintAndWrongUseGoToTheirStreamElseToABoxSomeoneCanAnswer) {
    using Starter = FileWalk::Starter;
    FileWalk walk;
    const struct {
        std::string arguments;
        int exitCode;
        bool isError;
        std::string start;
    } forms[] = {
        {"/?", 0, false, "Usage:\r\n"},
        {"/print \"" + walk.file + "\"", 0, false,
         walk.folder.path("game\\zat.exe +set deathmatch 1 +dedicated 1 +exec ")},
        {"/launch x.ZTP", 2, true, "Unknown switch \"/launch\".\r\n\r\nUsage:"},
    };
    for (const auto& form : forms) {
        walk.startedBy(Starter::pipe);
        EXPECT_EQ(form.exitCode, walk.start(form.arguments));
        const std::string piped =
            *(form.isError ? walk.desktop.standardError : walk.desktop.standardOutput);
        EXPECT_EQ(0u, piped.find(form.start)) << piped;
        EXPECT_EQ("", *(form.isError ? walk.desktop.standardOutput : walk.desktop.standardError));
        EXPECT_TRUE(walk.desktop.messageBoxes.empty()) << form.arguments;

        walk.startedBy(Starter::service);
        EXPECT_EQ(form.exitCode, walk.start(form.arguments));
        EXPECT_TRUE(walk.desktop.messageBoxes.empty()) << form.arguments;

        walk.startedBy(Starter::desktop);
        EXPECT_EQ(form.exitCode, walk.start(form.arguments));
        ASSERT_EQ(1u, walk.desktop.messageBoxes.size()) << form.arguments;
        const MessageBoxShown& box = walk.desktop.messageBoxes[0];
        EXPECT_EQ(piped.substr(0, piped.size() - 2), box.text);
        EXPECT_EQ(form.isError ? "Error" : "Zat Start", box.caption);
        EXPECT_EQ(form.isError ? MessageIcon::error : MessageIcon::none, box.icon);
    }
}
