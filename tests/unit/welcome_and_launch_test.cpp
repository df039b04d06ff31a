// Loading settings on the welcome page, the command line page and the launch.
#include "app/app_state.h"
#include "controls/game_config.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"
#include "walk.h"

namespace {

constexpr int welcome = templates::welcome;
constexpr int commandLine = templates::commandLine;
constexpr int run = templates::run;

std::string imageOf(const LaunchSettings& s) {
    return {reinterpret_cast<const char*>(&s), sizeof s};
}

// A later start whose game directory is a real folder with base\ in it.
struct LaunchWalk : Walk {
    LaunchWalk() {
        std::filesystem::create_directories(folder.native("game\\base"));
        gameLocatedAt(folder.path("game\\"));
        passSplash();
    }
    std::string config() { return folder.read("game\\base\\ZatStart.cfg"); }
};

} // namespace

TEST(WelcomeLoad, ALoadedFileAndSkipGoStraightToItsCommandLine) {
    LaunchWalk walk;
    LaunchSettings saved{};
    applyStartupValues(saved);
    storeFieldText(saved.gameDirectory, walk.folder.path("game\\"));
    storeFieldText(saved.mapName, "citadel2");
    saved.skillLevel = 402;
    walk.folder.write("mine.ZTP", imageOf(saved));
    walk.desktop.chosenFiles.push_back(walk.folder.path("mine.ZTP"));
    walk.desktop.answers.push_back(MessageAnswer::yes);
    walk.click(welcome, 222);
    walk.on(commandLine, [](FakePage& page) {
        EXPECT_NE(std::string::npos, page.text(600).find(" +set skill 2"));
        EXPECT_NE(std::string::npos, page.text(600).find(" +map citadel2"));
    });
    walk.closeOn(commandLine);
    walk.run();
    const FileDialogRequest& request = walk.desktop.fileDialogs.at(0).request;
    EXPECT_EQ("Load ZatStart Settings File", request.title);
    EXPECT_EQ("*.ZTP", request.initialName);
    EXPECT_EQ(2u, request.filters.size());
    const MessageBoxShown& skip = walk.desktop.messageBoxes.at(0);
    EXPECT_EQ("Skip to the Command Line dialog?", skip.text);
    EXPECT_EQ(MessageIcon::none, skip.icon);
}

TEST(WelcomeLoad, CancelAndBrokenFilesStillAskAndLeaveTheRecordWhole) {
    LaunchWalk walk;
    walk.folder.write("short.ZTP", std::string(100, '\x7f'));
    walk.desktop.chosenFiles = {std::nullopt, walk.folder.path("short.ZTP"),
                                walk.folder.path("absent.ZTP"),
                                walk.folder.path(std::string(200, 'p'))};
    walk.desktop.answers = {MessageAnswer::no, MessageAnswer::no, MessageAnswer::no,
                            MessageAnswer::yes};
    walk.on(welcome, [](FakePage& page) {
        for (int i = 0; i < 4; ++i)
            page.click(222);
    });
    walk.on(commandLine, [](FakePage& page) {
        EXPECT_NE(std::string::npos, page.text(600).find(" +set skill 0 +set crosshair 1"))
            << "the start-up record is untouched";
    });
    walk.closeOn(commandLine);
    walk.run();
    std::vector<std::string> texts;
    for (const MessageBoxShown& box : walk.desktop.messageBoxes)
        texts.push_back(box.text);
    ASSERT_EQ(8u, texts.size()) << "four questions, three errors, the exit question";
    EXPECT_EQ("Skip to the Command Line dialog?", texts[0]);
    EXPECT_EQ("Couldn't Read from File", texts[1]);
    EXPECT_EQ("Can't load file!", texts[3]);
    EXPECT_EQ(settingsMessages::pathTooLong, texts[5]);
}

// Dropping is the frame's, the same on every page: shown here on the game type page.
TEST(WelcomeLoad, AFileDroppedOnAPageIsLoadedAsLoadDoesAndOpensItsCommandLine) {
    LaunchWalk walk;
    LaunchSettings saved{};
    applyStartupValues(saved);
    storeFieldText(saved.gameDirectory, walk.folder.path("elsewhere\\"));
    storeFieldText(saved.mapName, "citadel2");
    walk.folder.write("mine.Ztp", imageOf(saved));
    walk.click(welcome, IDC_NEXT);
    walk.on(templates::gameType, [&](FakePage& page) {
        EXPECT_TRUE(page.dropFiles({walk.folder.path("notes.txt"), walk.folder.path("a.ZTP.txt")}));
        EXPECT_FALSE(page.ended());
        walk.desktop.answers.push_back(MessageAnswer::no); // keep the located directory
        page.dropFiles({walk.folder.path("notes.txt"), walk.folder.path("mine.Ztp"),
                        walk.folder.path("absent.ZTP")});
    });
    walk.on(commandLine, [&](FakePage& page) {
        EXPECT_NE(std::string::npos, page.text(IDC_OPTION_TEXT).find(" +map citadel2"));
        EXPECT_EQ(std::string::npos, page.text(IDC_OPTION_TEXT).find("elsewhere"));
    });
    walk.closeOn(commandLine);
    walk.run();
    ASSERT_EQ(3u, walk.desktop.messageBoxes.size()) << "refusal, directory question, exit";
    EXPECT_EQ("Only Zat Start settings files (.ZTP) can be dropped onto Zat Start.",
              walk.desktop.messageBoxes[0].text);
    EXPECT_EQ("Error", walk.desktop.messageBoxes[0].caption);
    EXPECT_EQ(templates::gameType, walk.desktop.messageBoxes[0].ownerTemplate);
    EXPECT_NE(std::string::npos, walk.desktop.messageBoxes[1].text.find("elsewhere"));
    EXPECT_TRUE(walk.desktop.fileDialogs.empty());
}

TEST(CommandLinePage, NextWritesWhatThePlayerSeesOneCommandPerLine) {
    LaunchWalk walk;
    walk.command(welcome, 307);
    walk.on(commandLine, [](FakePage& page) {
        EXPECT_TRUE(page.typeText(600, page.text(600) + " +set extra 1"));
        page.click(100);
    });
    walk.on(run, [&](FakePage&) {
        EXPECT_EQ(" \r\nset skill 0 \r\nset crosshair 1 \r\nset dialog 3 \r\nset cl_run 1 "
                  "\r\nset m_filter 1 \r\nset lookspring 1 \r\nset lookstrafe 0 \r\nset "
                  "freelook 1 \r\nset extra 1",
                  walk.config());
    });
    walk.closeOn(run);
    walk.run();
}

TEST(CommandLinePage, EditsAreForgottenOnLeavingAnyOtherWay) {
    LaunchWalk walk;
    walk.command(welcome, 307);
    walk.on(commandLine, [](FakePage& page) {
        page.typeText(600, "edited");
        page.click(101);
    });
    walk.command(templates::mapSelect, 307);
    walk.on(commandLine,
            [](FakePage& page) { EXPECT_EQ(0u, page.text(600).find(" +set skill 0")); });
    walk.closeOn(commandLine);
    walk.run();
    EXPECT_FALSE(walk.folder.exists("game\\base\\ZatStart.cfg"));
}

TEST(CommandLinePage, ATextTooLongToSendWholeIsRefusedNotCut) {
    LaunchWalk walk;
    walk.command(welcome, 307);
    walk.on(commandLine, [&](FakePage& page) {
        page.typeText(600, " +set skill 1" + std::string(kOptionTextLimit, 'x'));
        page.click(100);
        EXPECT_FALSE(page.ended());
        ASSERT_EQ(1u, walk.desktop.messageBoxes.size());
        EXPECT_EQ("Error", walk.desktop.messageBoxes[0].caption);
        EXPECT_FALSE(walk.folder.exists("game\\base\\ZatStart.cfg"));
        // A server composition of about 640 characters goes through whole.
        const std::string longOptions = " +set hostname " + std::string(700, 'h');
        page.typeText(600, longOptions);
        page.click(100);
        EXPECT_EQ(" \r\nset hostname " + std::string(700, 'h'), walk.config());
    });
    walk.closeOn(run);
    walk.run();
}

TEST(CommandLinePage, AGameDirectoryWithoutBaseShowsTheWriteErrorAndGoesOn) {
    LaunchWalk walk;
    std::filesystem::remove(walk.folder.native("game\\base"));
    walk.command(welcome, 307);
    walk.click(commandLine, 100);
    walk.closeOn(run);
    walk.run();
    const MessageBoxShown& error = walk.desktop.messageBoxes.at(0);
    EXPECT_EQ(configMessages::cantWrite, error.text);
    EXPECT_EQ(MessageIcon::error, error.icon);
    EXPECT_EQ(commandLine, error.ownerTemplate);
}

TEST(RunPage, StartsTheGameDirectlyAsOftenAsAskedWithTheComposedCommand) {
    LaunchWalk walk;
    walk.command(welcome, 307);
    walk.click(commandLine, 100);
    walk.on(run, [](FakePage& page) {
        EXPECT_FALSE(page.checked(500) || page.checked(501));
        page.click(100);
        page.click(100);
        EXPECT_FALSE(page.ended());
    });
    walk.closeOn(run);
    walk.run();
    const std::string directory = walk.folder.path("game\\");
    ASSERT_EQ(2u, walk.desktop.programRuns.size());
    for (const ProgramRun& launch : walk.desktop.programRuns) {
        EXPECT_EQ(directory + "zat.exe", launch.executable);
        EXPECT_EQ(directory, launch.directory);
        EXPECT_EQ(directory + "zat.exe +set deathmatch 0 +exec " + directory + "base\\zatstart.cfg",
                  launch.commandLine);
    }
}

TEST(RunPage, AGameThatCannotStartIsReportedAndThePageStays) {
    LaunchWalk walk;
    walk.desktop.programStarts = false;
    walk.command(welcome, 307);
    walk.click(commandLine, 100);
    walk.on(run, [&](FakePage& page) {
        page.click(501);
        page.click(100);
        EXPECT_FALSE(page.ended()) << "closing after the launch is not looked at";
        ASSERT_EQ(1u, walk.desktop.messageBoxes.size());
        EXPECT_EQ("There was an error executing ZAT!", walk.desktop.messageBoxes[0].text);
        EXPECT_EQ("Error", walk.desktop.messageBoxes[0].caption);
    });
    walk.closeOn(run);
    walk.run();
}

TEST(RunPage, SavesWhenAskedAndClosesAfterTheLaunch) {
    LaunchWalk walk;
    walk.desktop.chosenFiles = {walk.folder.path("before-run.ZTP")};
    walk.command(welcome, 307);
    walk.click(commandLine, 100);
    walk.on(run, [](FakePage& page) {
        page.click(500);
        page.click(501);
        page.click(100);
    });
    EXPECT_EQ(0, walk.run()) << "the program ends after the launch";
    EXPECT_EQ(1648u, walk.folder.read("before-run.ZTP").size());
    EXPECT_EQ(1u, walk.desktop.programRuns.size());
    const FileDialogRequest& request = walk.desktop.fileDialogs.at(0).request;
    EXPECT_TRUE(request.save && request.askBeforeOverwrite);
    EXPECT_EQ("Save ZatStart Settings File", request.title);
}

TEST(RunPage, ACancelledSaveStillLaunches) {
    LaunchWalk walk;
    walk.command(welcome, 307);
    walk.click(commandLine, 100);
    walk.on(run, [](FakePage& page) {
        page.click(500);
        page.click(100);
    });
    walk.closeOn(run);
    walk.run();
    EXPECT_EQ(1u, walk.desktop.fileDialogs.size());
    EXPECT_EQ(1u, walk.desktop.programRuns.size());
}
