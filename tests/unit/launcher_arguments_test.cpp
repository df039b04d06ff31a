// The program's command line: how it is split and read, and the forms that open a settings
// file on the pages, launch it without them, print its launch, or explain themselves.
#include "app/app_state.h"
#include "app/launcher_start.h"
#include "controls/game_config.h"
#include "launch/launch_command.h"
#include "launch/launcher_arguments.h"
#include "settings/settings_file.h"
#include "walk.h"

#include <tuple>

namespace {

using Arguments = std::vector<std::string>;

// Who started the program, beside a launcher that shows its pages: a script whose pipe (or
// console, or file) takes both streams, a player on the desktop, or a service that no one sees.
enum class Starter { pipe, desktop, service };

// Located in game\ (with base\ in it); a settings file whose game directory is another one,
// in a folder with blanks in its name.
struct FileWalk : Walk {
    std::string file = folder.path("my files\\server.ZTP");
    FileWalk() {
        std::filesystem::create_directories(folder.native("game\\base"));
        gameLocatedAt(folder.path("game\\"));
        LaunchSettings saved = kStartupValues;
        storeFieldText(saved.gameDirectory, folder.path("elsewhere\\"));
        storeFieldText(saved.mapName, "dm_forge");
        folder.write("my files\\server.ZTP", imageOf(saved));
    }
    void startedBy(Starter starter) {
        desktop.claimedElsewhere = true;
        desktop.existingDialogTitles.insert(kPageTitle);
        desktop.standardOutput = desktop.standardError =
            starter == Starter::pipe ? std::optional<std::string>("") : std::nullopt;
        desktop.interactiveDesktop = starter != Starter::service;
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
    const std::tuple<Arguments, StartForm, std::string> cases[] = {
        {{}, StartForm::pages, ""},
        {{"C:\\a b.ZTP"}, StartForm::openFile, "C:\\a b.ZTP"},
        {{"/Run", "x.ZTP"}, StartForm::run, "x.ZTP"},
        {{"/runn", "x.ZTP"}, StartForm::wrongUse, "Unknown switch \"/runn\"."},
        {{"/run"}, StartForm::wrongUse, "\"/run\" needs a settings file."},
        {{""}, StartForm::wrongUse, "The settings file to open is missing."},
        {{"a.ZTP", "/run"}, StartForm::wrongUse, "Unexpected argument \"/run\"."},
        {{"/run", "a.ZTP", "b"}, StartForm::wrongUse, "Unexpected argument \"b\"."},
        {{"/?", "a.ZTP"}, StartForm::wrongUse, "Unexpected argument \"a.ZTP\"."},
    };
    for (const auto& [arguments, form, fileOrProblem] : cases) {
        const StartRequest request = startRequestOf(arguments);
        EXPECT_EQ(form, request.form) << ::testing::PrintToString(arguments);
        EXPECT_EQ(fileOrProblem, form == StartForm::wrongUse ? request.problem : request.file);
    }
}

// Loaded as Load does (the welcome page's tests) once the welcome page shows; a file that
// cannot be loaded leaves the player there.
TEST(LauncherArguments, AFileOpensOnTheWelcomePageAndGoesOnToItsOptionText) {
    for (const bool loads : {true, false}) {
        FileWalk walk;
        if (loads)
            walk.desktop.answers.push_back(MessageAnswer::no); // keep the located directory
        walk.on(IDD_SPLASH, [](FakePage& page) { page.timer(IDT_SPLASH); });
        walk.on(IDD_WELCOME, [](FakePage& page) {
            page.timer(IDT_AFTER_OPENING);
            EXPECT_TRUE(page.timers().empty());
        });
        walk.on(loads ? IDD_OPTION_TEXT : IDD_WELCOME, [&walk](FakePage& page) {
            walk.desktop.answers.push_back(MessageAnswer::yes); // Close, answered Yes: the end
            page.click(IDC_CLOSE);
        });
        EXPECT_EQ(0, walk.start(loads ? "\"" + walk.file + "\"" : "absent.ZTP"));
        ASSERT_EQ(2u, walk.desktop.messageBoxes.size()) << "the directory question or the error";
        EXPECT_EQ(loads ? MessageIcon::question : MessageIcon::error,
                  walk.desktop.messageBoxes[0].icon);
        EXPECT_EQ(loads, !walk.desktop.recentDocuments.empty())
            << "a file not loaded is no document";
    }
}

// /run starts the located game, never the file's, and returns its exit code; what it cannot
// use it refuses with an error and exit code 1. Without a page, the claim of the single
// instance or a look for another launcher, it starts beside a launcher that shows its pages.
TEST(LauncherArguments, RunStartsTheLocatedGameOrRefusesWithAnErrorAndExitCode1) {
    const std::pair<void (*)(FileWalk&), std::string_view> cases[] = {
        {[](FileWalk&) {}, ""},
        {[](FileWalk& w) { w.file = w.folder.path("absent.ZTP"); }, "Can't load file!"},
        {[](FileWalk& w) { w.file = w.folder.path("my files"); }, "Can't load file!"},
        {[](FileWalk& w) { w.gameLocatedAt("GAMES\\ZAT\\"); }, kGameDirectoryUnknown},
        {[](FileWalk& w) { std::filesystem::remove_all(w.folder.native("game\\base")); },
         configMessages::cantWrite},
        {[](FileWalk& w) { w.desktop.programStarts = false; }, kGameNotStarted},
    };
    // Each error into the pipe that a script reads; the rule of boxes is the usage test's.
    for (const auto& [arrange, error] : cases) {
        FileWalk walk;
        walk.startedBy(Starter::pipe);
        walk.desktop.programExitCode = 0xC0000005u;
        arrange(walk);
        EXPECT_EQ(error.empty() ? static_cast<int>(0xC0000005u) : 1,
                  walk.start("/run \"" + walk.file + "\""));
        EXPECT_EQ(error.empty() ? "" : std::string(error) + "\r\n", *walk.desktop.standardError);
        EXPECT_FALSE(walk.desktop.claimedAfterDialogs.has_value());
        const bool started = error.empty() || error == kGameNotStarted;
        ASSERT_EQ(started, !walk.desktop.programRuns.empty()) << error;
        if (!started)
            continue;
        EXPECT_EQ(walk.folder.path("game\\zat.exe"), walk.desktop.programRuns[0].executable);
        EXPECT_NE(std::string::npos,
                  walk.folder.read("game\\base\\ZatStart.cfg").find("\r\nmap dm_forge"));
    }
}

// A text goes where a script reads it and holds nothing up; a box only shows it where nothing
// else would and someone can answer it. Printing starts nothing and writes no file.
TEST(LauncherArguments, UsagePrintAndWrongUseGoToTheirStreamElseToABoxSomeoneCanAnswer) {
    FileWalk walk;
    const std::string game = walk.folder.path("game\\");
    const std::tuple<std::string, int, std::string> forms[] = {
        {"/?", 0, "Usage:\r\n"},
        {"/print \"" + walk.file + "\"", 0,
         game + "zat.exe +set deathmatch 0 +exec " + game + "base\\zatstart.cfg\r\n"},
        {"/launch x.ZTP", 2, "Unknown switch \"/launch\".\r\n\r\nUsage:"}, // an error: its stream
    };
    for (const auto& [arguments, exitCode, start] : forms) {
        const bool isError = exitCode != 0;
        walk.desktop.messageBoxes.clear();
        walk.startedBy(Starter::pipe);
        EXPECT_EQ(exitCode, walk.start(arguments));
        const std::string piped =
            *(isError ? walk.desktop.standardError : walk.desktop.standardOutput);
        EXPECT_EQ(0u, piped.find(start)) << piped;
        EXPECT_EQ("", *(isError ? walk.desktop.standardOutput : walk.desktop.standardError));
        walk.startedBy(Starter::service);
        walk.start(arguments);
        walk.startedBy(Starter::desktop);
        EXPECT_EQ(exitCode, walk.start(arguments));
        ASSERT_EQ(1u, walk.desktop.messageBoxes.size()) << "the desktop's alone";
        const MessageBoxShown& box = walk.desktop.messageBoxes[0];
        EXPECT_EQ(piped.substr(0, piped.size() - 2), box.text);
        EXPECT_EQ(isError ? "Error" : "Zat Start", box.caption);
        EXPECT_EQ(isError ? MessageIcon::error : MessageIcon::none, box.icon);
    }
    EXPECT_TRUE(walk.desktop.programRuns.empty());
    EXPECT_FALSE(walk.folder.exists("game\\base\\ZatStart.cfg"));
}
