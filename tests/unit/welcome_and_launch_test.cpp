// Loading settings on the welcome page, the option text page and the run page, each opened by
// itself.
#include "controls/game_config.h"
#include "settings/settings_file.h"
#include "walk.h"

namespace {

std::string imageOf(const LaunchSettings& s) {
    return {reinterpret_cast<const char*>(&s), sizeof s};
}

// A game directory that is a real folder with base\ in it.
struct LaunchBench : Bench {
    LaunchBench() {
        std::filesystem::create_directories(folder.native("game\\base"));
        storeFieldText(app.settings.gameDirectory, folder.path("game\\"));
    }
    std::string config() { return folder.read("game\\base\\ZatStart.cfg"); }
    // The option text page composes the launch and writes the config file on its Next.
    void toRunPage() {
        EXPECT_EQ(IDD_RUN, open(optionTextPage, [](FakePage& page) { page.click(IDC_NEXT); }));
    }
};

} // namespace

TEST(WelcomeLoad, CancelAndBrokenFilesStillAskAndLeaveTheRecordWhole) {
    Bench bench;
    bench.folder.write("short.ZTP", std::string(100, '\x7f'));
    bench.desktop.chosenFiles = {std::nullopt, bench.folder.path("short.ZTP"),
                                 bench.folder.path("absent.ZTP"),
                                 bench.folder.path(std::string(200, 'p'))};
    bench.desktop.answers = {MessageAnswer::no, MessageAnswer::no, MessageAnswer::no,
                             MessageAnswer::no};
    const LaunchSettings before = bench.app.settings;
    bench.open(welcomePage, [](FakePage& page) {
        for (int i = 0; i < 4; ++i)
            page.click(IDC_LOAD_SETTINGS);
        page.command(IDM_GAME_TYPE);
    });
    LaunchSettings after = bench.app.settings;
    std::copy_n(before.loadPath, sizeof after.loadPath, after.loadPath); // the path last tried
    EXPECT_EQ(imageOf(before), imageOf(after));
    std::vector<std::string> texts;
    for (const MessageBoxShown& box : bench.desktop.messageBoxes)
        texts.push_back(box.text);
    ASSERT_EQ(7u, texts.size()) << "four questions, three errors";
    EXPECT_EQ("Couldn't Read from File", texts[1]);
    EXPECT_EQ("Can't load file!", texts[3]);
    EXPECT_EQ(settingsMessages::pathTooLong, texts[5]);
}

TEST(OptionTextPage, NextWritesWhatThePlayerSeesOneCommandPerLineAndRefusesTooMuch) {
    LaunchBench bench;
    EXPECT_EQ(IDD_RUN, bench.open(optionTextPage, [&](FakePage& page) {
        page.typeText(IDC_OPTION_TEXT, " +set skill 1" + std::string(kOptionTextLimit, 'x'));
        page.click(IDC_NEXT);
        EXPECT_FALSE(page.ended()) << "refused, not cut";
        EXPECT_EQ("Error", bench.desktop.messageBoxes.at(0).caption);
        EXPECT_FALSE(bench.folder.exists("game\\base\\ZatStart.cfg"));
        EXPECT_TRUE(
            page.typeText(IDC_OPTION_TEXT, " +set skill 1 +set hostname " + std::string(700, 'h')));
        page.click(IDC_NEXT);
    }));
    EXPECT_EQ(" \r\nset skill 1 \r\nset hostname " + std::string(700, 'h'), bench.config());
}

TEST(OptionTextPage, EditsAreForgottenOnLeavingAnyOtherWay) {
    LaunchBench bench;
    bench.open(optionTextPage, [](FakePage& page) {
        page.typeText(IDC_OPTION_TEXT, "edited");
        page.click(IDC_BACK);
    });
    bench.open(optionTextPage, [](FakePage& page) {
        EXPECT_EQ(0u, page.text(IDC_OPTION_TEXT).find(" +set skill 0"));
        page.command(IDM_WELCOME);
    });
    EXPECT_FALSE(bench.folder.exists("game\\base\\ZatStart.cfg"));
}

TEST(OptionTextPage, AGameDirectoryWithoutBaseShowsTheWriteErrorAndGoesOn) {
    LaunchBench bench;
    std::filesystem::remove(bench.folder.native("game\\base"));
    bench.toRunPage();
    const MessageBoxShown& error = bench.desktop.messageBoxes.at(0);
    EXPECT_EQ(configMessages::cantWrite, error.text);
    EXPECT_EQ(IDD_OPTION_TEXT, error.ownerTemplate);
}

TEST(RunPage, StartsTheGameDirectlyAsOftenAsAskedWithTheComposedCommand) {
    LaunchBench bench;
    bench.toRunPage();
    bench.desktop.answers.push_back(MessageAnswer::yes);
    bench.open(runPage, [](FakePage& page) {
        EXPECT_FALSE(page.checked(IDC_SAVE_SETTINGS) || page.checked(IDC_CLOSE_AFTER_START));
        page.click(IDC_NEXT);
        page.click(IDC_NEXT);
        EXPECT_FALSE(page.ended());
        page.click(IDC_CLOSE);
    });
    const std::string directory = bench.folder.path("game\\");
    ASSERT_EQ(2u, bench.desktop.programRuns.size());
    for (const ProgramRun& launch : bench.desktop.programRuns) {
        EXPECT_EQ(directory + "zat.exe", launch.executable);
        EXPECT_EQ(directory, launch.directory);
        EXPECT_EQ(directory + "zat.exe +set deathmatch 0 +exec " + directory + "base\\zatstart.cfg",
                  launch.commandLine);
    }
}

TEST(RunPage, AGameThatCannotStartIsReportedAndThePageStays) {
    LaunchBench bench;
    bench.toRunPage();
    bench.desktop.programStarts = false;
    bench.desktop.answers.push_back(MessageAnswer::yes);
    bench.open(runPage, [&](FakePage& page) {
        page.click(IDC_CLOSE_AFTER_START);
        page.click(IDC_NEXT);
        EXPECT_FALSE(page.ended()) << "closing after the launch is not looked at";
        EXPECT_EQ("There was an error executing ZAT!", bench.desktop.messageBoxes.at(0).text);
        page.click(IDC_CLOSE);
    });
}

TEST(RunPage, SavesWhenAskedEvenCancelledAndClosesAfterTheLaunch) {
    for (const bool cancelled : {false, true}) {
        LaunchBench bench;
        bench.toRunPage();
        if (!cancelled)
            bench.desktop.chosenFiles = {bench.folder.path("before-run.ZTP")};
        EXPECT_EQ(0, bench.open(runPage, [](FakePage& page) {
            page.click(IDC_SAVE_SETTINGS);
            page.click(IDC_CLOSE_AFTER_START);
            page.click(IDC_NEXT);
            EXPECT_TRUE(page.ended()) << "the program ends after the launch";
        }));
        EXPECT_EQ(cancelled ? 0u : 1648u, bench.folder.exists("before-run.ZTP")
                                              ? bench.folder.read("before-run.ZTP").size()
                                              : 0u);
        EXPECT_EQ(1u, bench.desktop.programRuns.size());
        EXPECT_TRUE(bench.desktop.fileDialogs.at(0).request.askBeforeOverwrite);
    }
}
