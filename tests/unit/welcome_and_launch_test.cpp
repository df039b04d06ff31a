// Loading settings on the welcome page, the option text page and the run page, each opened by
// itself. A settings file from elsewhere brings its own game directory: it is confirmed, and
// Run starts only a game whose directory is known, without a second launch while one runs.
#include "controls/game_config.h"
#include "settings/settings_file.h"
#include "walk.h"

// Loaded on the welcome page, dropped or handed over by a second start (the frame's, the same
// on every page: shown on the game type page), a settings file opens its option text. Its game
// directory is used only when the player says so; the located one in another letter case or
// without its backslash, or one no Windows path is, asks nothing and keeps the located one. A
// drop takes the first settings file by its extension, a handed file is taken whatever its name.
TEST(SettingsFileOnAPage, IsLoadedAsLoadDoesAndItsDirectoryUsedOnlyWhenThePlayerSaysSo) {
    const std::string located = "C:\\GAMES\\ZAT\\", elsewhere = "D:\\ELSEWHERE\\";
    const std::string question = "This settings file starts Zat from the directory\n" + elsewhere +
                                 "\nbut Zat was located in\n" + located +
                                 "\n\nUse the directory of the settings file?";
    const std::string skip = "Skip to the Command Line dialog?";
    const std::string forged = "D:\\\"\nbut Zat was located in\n" + located; // no Windows path
    const std::string refused =
        "Only Zat Start settings files (.ZTP) can be dropped onto Zat Start.";
    enum class How { load, drop, hand };
    const struct {
        How how;
        std::string directory;
        std::vector<MessageAnswer> answers;
        std::vector<std::string> shown;
    } cases[] = {
        {How::load, elsewhere, {MessageAnswer::yes, MessageAnswer::yes}, {question, skip}},
        {How::load, "c:\\games\\zat", {MessageAnswer::yes}, {skip}},
        {How::load, forged, {MessageAnswer::yes}, {skip}},
        {How::drop, elsewhere, {MessageAnswer::no}, {refused, question}},
        {How::hand, elsewhere, {MessageAnswer::no}, {question}},
    };
    for (const auto& c : cases) {
        Bench bench;
        LaunchSettings saved = kStartupValues;
        storeFieldText(saved.gameDirectory, c.directory);
        storeFieldText(saved.mapName, "citadel2");
        const std::string name = c.how == How::hand ? "mine" : "mine.Ztp";
        const std::string file = bench.folder.path(name);
        bench.folder.write(name, imageOf(saved));
        bench.desktop.chosenFiles.push_back(file);
        bench.desktop.answers.assign(c.answers.begin(), c.answers.end());
        const Page& page = c.how == How::load ? welcomePage : gameTypePage;
        EXPECT_EQ(IDD_OPTION_TEXT, bench.open(page, [&](FakePage& p) {
            if (c.how == How::load)
                p.click(IDC_LOAD_SETTINGS);
            if (c.how == How::hand)
                p.handFile(file);
            if (c.how != How::drop)
                return;
            p.dropFiles({bench.folder.path("notes.txt"), bench.folder.path("a.ZTP.txt")});
            p.dropFiles({bench.folder.path("notes.txt"), file, bench.folder.path("absent.ZTP")});
        }));
        EXPECT_EQ("citadel2", fieldText(bench.app.settings.mapName));
        const bool taken = c.shown[0] == question && c.answers[0] == MessageAnswer::yes;
        EXPECT_TRUE(sameDirectory(taken ? elsewhere : located,
                                  fieldText(bench.app.settings.gameDirectory)));
        EXPECT_EQ(std::vector{file}, bench.desktop.recentDocuments);
        std::vector<std::string> shown;
        for (const MessageBoxShown& box : bench.desktop.messageBoxes) {
            shown.push_back(box.text);
            EXPECT_EQ(page.templateId, box.ownerTemplate);
            EXPECT_EQ(box.text == question, box.icon == MessageIcon::question);
        }
        EXPECT_EQ(c.shown, shown);
    }
}

// Next writes what the player sees, one command per line (a text too long is refused: the
// boundaries test). While the game runs the controls rest, and Enter, the close box, a menu
// choice or a handed file that still reach the window do nothing; afterwards the focus is back
// on Run. A cancelled save still starts the game; one that does not start keeps the page open.
TEST(OptionTextAndRunPages, NextWritesWhatThePlayerSeesAndRunStartsTheGameDirectlyAsOftenAsAsked) {
    Bench bench;
    const std::string game = bench.folder.path("zat;game\\"); // quoted in the launch
    std::filesystem::create_directories(bench.folder.native("zat;game\\base"));
    storeFieldText(bench.app.settings.gameDirectory, game);
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
              bench.folder.read("zat;game\\base\\ZatStart.cfg"));

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
        EXPECT_EQ(IDC_NEXT, page.focusedItem());
        page.click(IDC_CLOSE_AFTER_START);
        bench.desktop.programStarts = false;
        page.click(IDC_NEXT);
        EXPECT_FALSE(page.ended());
        bench.desktop.programStarts = true;
        page.click(IDC_NEXT);
        EXPECT_TRUE(page.ended()) << "the program ends after the launch";
    }));
    EXPECT_EQ(1648u, bench.folder.read("before-run.ZTP").size());
    EXPECT_TRUE(bench.desktop.fileDialogs.at(1).askBeforeOverwrite);
    EXPECT_EQ(std::vector{bench.folder.path("before-run.ZTP")}, bench.desktop.recentDocuments);
    const ProgramRun& launch = bench.desktop.programRuns.at(2);
    EXPECT_EQ(game + "zat.exe", launch.executable);
    EXPECT_EQ(game, launch.directory);
    EXPECT_EQ("\"" + game + "zat.exe\" +set deathmatch 0 +exec \"" + game + "base\\zatstart.cfg\"",
              launch.commandLine);
    // Without base\ the write fails, is reported, and the player still goes on.
    std::filesystem::remove_all(bench.folder.native("zat;game\\base"));
    EXPECT_EQ(IDD_RUN, bench.open(optionTextPage, [](FakePage& page) { page.click(IDC_NEXT); }));
    // Without a full game directory neither page writes or starts anything, nor saves first.
    storeFieldText(bench.app.settings.gameDirectory, "GAMES\\ZAT\\");
    for (const Page* page : {&optionTextPage, &runPage})
        EXPECT_EQ(IDD_WELCOME, bench.open(*page, [](FakePage& p) {
            if (p.templateId() == IDD_RUN)
                p.click(IDC_SAVE_SETTINGS);
            p.click(IDC_NEXT);
            p.command(IDM_WELCOME);
        }));
    EXPECT_EQ(3u, bench.desktop.fileDialogs.size());
    EXPECT_EQ(3u, bench.desktop.programRuns.size());
    ASSERT_EQ(4u, bench.desktop.messageBoxes.size());
    EXPECT_EQ(kGameNotStarted, bench.desktop.messageBoxes[0].text);
    EXPECT_EQ(configMessages::cantWrite, bench.desktop.messageBoxes[1].text);
    EXPECT_EQ(kGameDirectoryUnknown, bench.desktop.messageBoxes[2].text);
    EXPECT_EQ(kGameDirectoryUnknown, bench.desktop.messageBoxes[3].text);
}
