// Settings files from elsewhere and a launch that leaves the launcher answering: the game
// directory a file brings is confirmed, and Run starts only a game whose directory is known.
#include "walk.h"

#include <cctype>

namespace {

std::string imageOf(const LaunchSettings& s) {
    return {reinterpret_cast<const char*>(&s), sizeof s};
}

std::string upperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Located in game\, loads a file that names another game directory, answers the question
// about it if one comes, and goes on to the run page to start the game.
Walk& loadAndRun(Walk& walk, const std::string& fileDirectory, std::optional<MessageAnswer> trust) {
    walk.gameLocatedAt(walk.folder.path("game\\"));
    LaunchSettings saved = kStartupValues;
    storeFieldText(saved.gameDirectory, fileDirectory);
    walk.folder.write("shared.ZTP", imageOf(saved));
    walk.desktop.chosenFiles.push_back(walk.folder.path("shared.ZTP"));
    if (trust)
        walk.desktop.answers.push_back(*trust);
    walk.desktop.answers.push_back(MessageAnswer::yes); // skip to the command line
    walk.passSplash();
    walk.click(IDD_WELCOME, IDC_LOAD_SETTINGS);
    walk.click(IDD_OPTION_TEXT, IDC_NEXT);
    walk.click(IDD_RUN, IDC_NEXT);
    walk.closeOn(IDD_RUN);
    walk.run();
    return walk;
}

} // namespace

TEST(SharedSettingsFile, AnotherGameDirectoryIsUsedOnlyWhenThePlayerSaysSo) {
    Walk no;
    const std::string located = no.folder.path("game\\");
    const std::string elsewhere = no.folder.path("elsewhere\\");
    loadAndRun(no, elsewhere, MessageAnswer::no);
    const MessageBoxShown& question = no.desktop.messageBoxes.at(0);
    EXPECT_EQ("Zat Start", question.caption);
    EXPECT_EQ(MessageIcon::question, question.icon);
    EXPECT_EQ(MessageButtons::yesNo, question.buttons);
    EXPECT_EQ(IDD_WELCOME, question.ownerTemplate);
    EXPECT_NE(std::string::npos, question.text.find(elsewhere + "\n"));
    EXPECT_NE(std::string::npos, question.text.find(located + "\n"));
    EXPECT_EQ("Skip to the Command Line dialog?", no.desktop.messageBoxes.at(1).text)
        << "the question comes before anything else";
    EXPECT_EQ(located + "zat.exe", no.desktop.programRuns.at(0).executable);

    Walk yes;
    loadAndRun(yes, yes.folder.path("elsewhere\\"), MessageAnswer::yes);
    EXPECT_EQ(yes.folder.path("elsewhere\\zat.exe"), yes.desktop.programRuns.at(0).executable);
}

TEST(SharedSettingsFile, TheLocatedDirectoryInAnotherLetterCaseAsksNothing) {
    Walk walk;
    const std::string otherCase = upperCase(walk.folder.path("game\\"));
    loadAndRun(walk, otherCase, std::nullopt);
    EXPECT_EQ("Skip to the Command Line dialog?", walk.desktop.messageBoxes.at(0).text);
    EXPECT_EQ(otherCase + "zat.exe", walk.desktop.programRuns.at(0).executable);
}

TEST(RunPage, AnEmptyOrRelativeGameDirectoryStartsNothingAndSaysHowToLocateTheGame) {
    for (const char* directory : {"", "GAMES\\ZAT\\"}) {
        Walk walk;
        walk.gameLocatedAt(directory);
        walk.passSplash();
        walk.command(IDD_WELCOME, IDM_OPTION_TEXT);
        walk.click(IDD_OPTION_TEXT, IDC_NEXT);
        walk.on(IDD_RUN, [](FakePage& page) {
            page.click(IDC_SAVE_SETTINGS); // saving first would only delay the bad news
            page.click(IDC_NEXT);
            EXPECT_FALSE(page.ended());
        });
        walk.closeOn(IDD_RUN);
        walk.run();
        EXPECT_TRUE(walk.desktop.programRuns.empty()) << directory;
        EXPECT_TRUE(walk.desktop.fileDialogs.empty()) << directory;
        // Before it, the option text page may have found no base folder to write into.
        const MessageBoxShown& error = walk.desktop.messageBoxes.end()[-2];
        EXPECT_EQ("Error", error.caption);
        EXPECT_EQ(MessageIcon::error, error.icon);
        EXPECT_EQ("The game directory is not known, so Zat cannot be started.\nPlease locate Zat "
                  "with \"Locate Zat Directory\" in the Navigation Menu.",
                  error.text);
    }
}

TEST(RunPage, WhileTheGameRunsItsControlsRestAndTheWindowTakesNoCommand) {
    Walk walk;
    std::filesystem::create_directories(walk.folder.native("game\\base"));
    walk.gameLocatedAt(walk.folder.path("game\\"));
    walk.passSplash();
    walk.command(IDD_WELCOME, IDM_OPTION_TEXT);
    walk.click(IDD_OPTION_TEXT, IDC_NEXT);
    walk.on(IDD_RUN, [&](FakePage& page) {
        const int controls[] = {IDC_NEXT,          IDC_BACK,
                                IDC_CLOSE,         IDC_NAVIGATION_MENU,
                                IDC_SAVE_SETTINGS, IDC_CLOSE_AFTER_START};
        walk.desktop.whileProgramRuns = [&] {
            for (const int id : controls)
                EXPECT_FALSE(page.enabled(id)) << id;
            page.command(IDC_NEXT); // Enter, the close box, a menu choice still reach the window
            page.pressEscape();
            page.command(IDM_WELCOME);
        };
        page.click(IDC_NEXT);
        for (const int id : controls)
            EXPECT_TRUE(page.enabled(id)) << id;
        EXPECT_FALSE(page.ended());
    });
    walk.closeOn(IDD_RUN);
    walk.run();
    EXPECT_EQ(1u, walk.desktop.programRuns.size());
    EXPECT_EQ(1u, walk.desktop.messageBoxes.size()) << "only the exit question at the end";
}
