// Loading settings on the welcome page, the option text page and the run page, each opened by
// itself. A settings file from elsewhere brings its own game directory: it is confirmed, and
// Run starts only a game whose directory is known, without a second launch while one runs.
#include "controls/game_config.h"
#include "settings/settings_file.h"
#include "walk.h"

namespace {

// A game directory that is a real folder with base\ in it.
struct LaunchBench : Bench {
    LaunchBench() {
        std::filesystem::create_directories(folder.native("game\\base"));
        storeFieldText(app.settings.gameDirectory, folder.path("game\\"));
    }
    // The option text page composes the launch and writes the config file on its Next.
    void toRunPage() {
        EXPECT_EQ(IDD_RUN, open(optionTextPage, [](FakePage& page) { page.click(IDC_NEXT); }));
    }
};

} // namespace

TEST(WelcomeLoad, CancelAndBrokenFilesStillAskAndLeaveTheRecordWhole) {
    Bench bench;
    bench.folder.write("short.ZTP", std::string(1647, '\x7f')); // one byte short of a record
    bench.desktop.chosenFiles = {std::nullopt, bench.folder.path("short.ZTP")};
    bench.desktop.answers.assign(2, MessageAnswer::no);
    const LaunchSettings before = bench.app.settings;
    bench.open(welcomePage, [](FakePage& page) {
        page.click(IDC_LOAD_SETTINGS);
        page.click(IDC_LOAD_SETTINGS);
        page.command(IDM_GAME_TYPE);
    });
    LaunchSettings after = bench.app.settings;
    std::copy_n(before.loadPath, sizeof after.loadPath, after.loadPath); // the path last tried
    EXPECT_EQ(imageOf(before), imageOf(after));
    ASSERT_EQ(3u, bench.desktop.messageBoxes.size()) << "two questions, one error";
    EXPECT_EQ("Couldn't Read from File", bench.desktop.messageBoxes[1].text);
    EXPECT_TRUE(bench.desktop.recentDocuments.empty()) << "a file not loaded is no document";
}

TEST(WelcomeLoad, AnotherGameDirectoryIsUsedOnlyWhenThePlayerSaysSo) {
    const std::string located = "C:\\GAMES\\ZAT\\", elsewhere = "D:\\ELSEWHERE\\";
    // No answer: the located directory in another letter case and without its backslash, or
    // one no Windows path is, asks nothing and keeps the located one. The answer No is the
    // drop's below.
    const std::pair<std::string, std::optional<MessageAnswer>> cases[] = {
        {elsewhere, MessageAnswer::yes},
        {"c:\\games\\zat", std::nullopt},
        {"D:\\\"\nbut Zat was located in\nC:\\GAMES\\ZAT\\", std::nullopt}};
    for (const auto& [directory, answer] : cases) {
        Bench bench;
        LaunchSettings saved = kStartupValues;
        storeFieldText(saved.gameDirectory, directory);
        bench.folder.write("shared.ZTP", imageOf(saved));
        bench.desktop.chosenFiles.push_back(bench.folder.path("shared.ZTP"));
        if (answer)
            bench.desktop.answers.push_back(*answer);
        bench.desktop.answers.push_back(MessageAnswer::yes); // skip to the option text
        EXPECT_EQ(IDD_OPTION_TEXT,
                  bench.open(welcomePage, [](FakePage& page) { page.click(IDC_LOAD_SETTINGS); }));
        EXPECT_TRUE(sameDirectory(answer ? elsewhere : located,
                                  fieldText(bench.app.settings.gameDirectory)));
        EXPECT_EQ("Skip to the Command Line dialog?", bench.desktop.messageBoxes.back().text)
            << "the question comes before anything else";
        ASSERT_EQ(answer ? 2u : 1u, bench.desktop.messageBoxes.size());
        if (!answer)
            continue;
        const MessageBoxShown& question = bench.desktop.messageBoxes[0];
        EXPECT_EQ("Zat Start", question.caption);
        EXPECT_EQ(MessageIcon::question, question.icon);
        EXPECT_EQ(IDD_WELCOME, question.ownerTemplate);
        EXPECT_NE(std::string::npos, question.text.find(elsewhere + "\n"));
        EXPECT_NE(std::string::npos, question.text.find(located + "\n"));
    }
}

// Dropping, and a file handed over by a second start, are the frame's, the same on every
// page: shown here on the game type page. A handed file is taken whatever its name, as on the
// command line.
TEST(WelcomeLoad, AFileDroppedOrHandedOverIsLoadedAsLoadDoesAndOpensItsOptionText) {
    for (const bool handed : {false, true}) {
        Bench bench;
        LaunchSettings saved = kStartupValues;
        storeFieldText(saved.gameDirectory, "C:\\ELSEWHERE\\");
        storeFieldText(saved.mapName, "citadel2");
        const std::string file = bench.folder.path(handed ? "mine" : "mine.Ztp");
        bench.folder.write(handed ? "mine" : "mine.Ztp", imageOf(saved));
        bench.desktop.answers.push_back(MessageAnswer::no); // keep the located directory
        EXPECT_EQ(IDD_OPTION_TEXT, bench.open(gameTypePage, [&](FakePage& page) {
            if (handed) {
                page.handFile(file);
                return;
            }
            EXPECT_TRUE(
                page.dropFiles({bench.folder.path("notes.txt"), bench.folder.path("a.ZTP.txt")}));
            EXPECT_FALSE(page.ended());
            page.dropFiles({bench.folder.path("notes.txt"), file, bench.folder.path("absent.ZTP")});
        }));
        EXPECT_EQ("citadel2", fieldText(bench.app.settings.mapName));
        EXPECT_EQ("C:\\GAMES\\ZAT\\", fieldText(bench.app.settings.gameDirectory));
        EXPECT_EQ(std::vector{file}, bench.desktop.recentDocuments);
        ASSERT_EQ(handed ? 1u : 2u, bench.desktop.messageBoxes.size())
            << "the refusal of a drop, the directory question";
        if (handed)
            continue;
        EXPECT_EQ("Only Zat Start settings files (.ZTP) can be dropped onto Zat Start.",
                  bench.desktop.messageBoxes[0].text);
        EXPECT_EQ(IDD_GAME_TYPE, bench.desktop.messageBoxes[0].ownerTemplate);
    }
}

// Where the text is refused as too long the boundaries test shows.
TEST(OptionTextPage, NextWritesWhatThePlayerSeesOneCommandPerLine) {
    LaunchBench bench;
    bench.open(optionTextPage, [](FakePage& page) {
        page.typeText(IDC_OPTION_TEXT, "edited");
        page.command(IDM_WELCOME); // edits are forgotten on leaving any other way
    });
    EXPECT_EQ(IDD_RUN, bench.open(optionTextPage, [&](FakePage& page) {
        EXPECT_EQ(0u, page.text(IDC_OPTION_TEXT).find(" +set skill 0"));
        EXPECT_TRUE(
            page.typeText(IDC_OPTION_TEXT, " +set skill 1 +set hostname " + std::string(700, 'h')));
        page.click(IDC_NEXT);
    }));
    EXPECT_EQ(" \r\nset skill 1 \r\nset hostname " + std::string(700, 'h'),
              bench.folder.read("game\\base\\ZatStart.cfg"));

    // Without base\ the write fails, is reported, and the player still goes on.
    std::filesystem::remove_all(bench.folder.native("game\\base"));
    bench.toRunPage();
    EXPECT_EQ(configMessages::cantWrite, bench.desktop.messageBoxes.at(0).text);
    EXPECT_EQ(IDD_OPTION_TEXT, bench.desktop.messageBoxes.at(0).ownerTemplate);
    EXPECT_FALSE(bench.folder.exists("game\\base")) << "the write makes no folder";
}

// While the game runs the controls rest, and Enter, the close box, a menu choice or a handed
// file that still reach the window do nothing; afterwards the focus is back on Run. A
// cancelled save still starts the game.
TEST(RunPage, StartsTheGameDirectlyAsOftenAsAskedSavesWhenAskedAndClosesAfterTheLaunch) {
    LaunchBench bench;
    bench.toRunPage();
    bench.desktop.chosenFiles = {std::nullopt, bench.folder.path("before-run.ZTP")};
    EXPECT_EQ(0, bench.open(runPage, [&](FakePage& page) {
        const int controls[] = {IDC_NEXT,          IDC_BACK,
                                IDC_CLOSE,         IDC_NAVIGATION_MENU,
                                IDC_SAVE_SETTINGS, IDC_CLOSE_AFTER_START};
        bench.desktop.whileProgramRuns = [&] {
            for (const int id : controls)
                EXPECT_FALSE(page.enabled(id)) << id;
            page.command(IDC_NEXT);
            page.pressEscape();
            page.command(IDM_WELCOME);
            page.handFile(bench.folder.path("before-run.ZTP"));
        };
        page.click(IDC_SAVE_SETTINGS);
        page.click(IDC_NEXT);
        for (const int id : controls)
            EXPECT_TRUE(page.enabled(id)) << id;
        EXPECT_EQ(IDC_NEXT, page.focus());
        EXPECT_FALSE(page.ended());
        page.click(IDC_CLOSE_AFTER_START);
        page.click(IDC_NEXT);
        EXPECT_TRUE(page.ended()) << "the program ends after the launch";
    }));
    EXPECT_TRUE(bench.desktop.messageBoxes.empty());
    EXPECT_EQ(1648u, bench.folder.read("before-run.ZTP").size());
    EXPECT_TRUE(bench.desktop.fileDialogs.at(1).askBeforeOverwrite);
    EXPECT_EQ(std::vector{bench.folder.path("before-run.ZTP")}, bench.desktop.recentDocuments);
    const std::string directory = bench.folder.path("game\\");
    ASSERT_EQ(2u, bench.desktop.programRuns.size());
    for (const ProgramRun& launch : bench.desktop.programRuns) {
        EXPECT_EQ(directory + "zat.exe", launch.executable);
        EXPECT_EQ(directory, launch.directory);
        EXPECT_EQ(directory + "zat.exe +set deathmatch 0 +exec " + directory + "base\\zatstart.cfg",
                  launch.commandLine);
    }
}

// Saving first would only delay the bad news; closing after the launch is not looked at. The
// option text page's Next writes nothing without a known directory either.
TEST(RunPage, AnUnknownGameDirectoryOrAGameThatCannotStartIsReportedAndThePageStays) {
    for (const std::string directory : {"", "GAMES\\ZAT\\", "the test's game\\"}) {
        LaunchBench bench;
        const bool known = directory == "the test's game\\";
        if (!known) {
            storeFieldText(bench.app.settings.gameDirectory, directory);
            EXPECT_EQ(IDD_WELCOME, bench.open(optionTextPage, [](FakePage& page) {
                page.click(IDC_NEXT);
                page.command(IDM_WELCOME);
            }));
            EXPECT_EQ(kGameDirectoryUnknown, bench.desktop.messageBoxes.at(0).text);
            bench.desktop.messageBoxes.clear();
        }
        bench.desktop.programStarts = false;
        bench.desktop.answers.push_back(MessageAnswer::yes);
        bench.open(runPage, [](FakePage& page) {
            page.click(IDC_SAVE_SETTINGS);
            page.click(IDC_CLOSE_AFTER_START);
            page.click(IDC_NEXT);
            EXPECT_FALSE(page.ended());
            page.click(IDC_CLOSE);
        });
        EXPECT_EQ(known ? 1u : 0u, bench.desktop.programRuns.size()) << directory;
        EXPECT_EQ(known ? 1u : 0u, bench.desktop.fileDialogs.size()) << directory;
        const MessageBoxShown& error = bench.desktop.messageBoxes.at(0);
        EXPECT_EQ(known ? "There was an error executing ZAT!" : kGameDirectoryUnknown, error.text)
            << directory;
    }
}
