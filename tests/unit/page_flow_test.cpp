// The program shell: start-up, the page loop and the frame every page shares.
#include "app/app_state.h"
#include "walk.h"

using namespace pageIds;

namespace {

LaunchSettings game(int32_t type, int32_t mode) {
    LaunchSettings s{};
    applyStartupValues(s);
    s.gameType = type;
    s.multiplayerMode = mode;
    return s;
}

int countItems(const std::vector<MenuItem>& items, bool separators) {
    int n = 0;
    for (const MenuItem& item : items)
        n += (item.id == 0) == separators;
    return n;
}

} // namespace

TEST(StartUp, ASecondInstanceIsRefusedWhileAPageShowsOrBetweenTwoPages) {
    for (const bool betweenPages : {false, true}) {
        Walk walk;
        if (betweenPages)
            walk.desktop.claimedElsewhere = true; // no page window exists in that instant
        else
            walk.desktop.existingDialogTitles.insert("Zat Start Version 1.5");
        EXPECT_EQ(0, walk.run());
        EXPECT_TRUE(walk.desktop.openedTemplates.empty());
        ASSERT_EQ(1u, walk.desktop.messageBoxes.size());
        const MessageBoxShown& box = walk.desktop.messageBoxes[0];
        EXPECT_EQ("A Previous Instance of Zat Start is already running. Please close it before "
                  "running another instance.",
                  box.text);
        EXPECT_EQ("Zat Start Version 1.5", box.caption);
        EXPECT_EQ(MessageIcon::error, box.icon);
        EXPECT_TRUE(box.ownerless);
    }
}

TEST(StartUp, SplashThenACentredWelcomePageAndCloseEndsTheProgram) {
    Walk walk;
    walk.gameLocatedAt("C:\\GAMES\\ZAT\\");
    walk.passSplash();
    walk.on(welcome, [&](FakePage& page) {
        EXPECT_EQ(1u, walk.desktop.claimedAfterDialogs) << "claimed after the splash, not in it";
        EXPECT_EQ(FakePage::kStartLeft, page.windowRect().left) << "not moved at start-up";
        EXPECT_TRUE(page.timers().empty()) << "a later start does not ask for the game";
    });
    walk.closeOn(welcome);
    EXPECT_EQ(0, walk.run());
    EXPECT_EQ((std::vector<int>{12, welcome}), walk.desktop.openedTemplates);
    const MessageBoxShown& question = walk.desktop.messageBoxes.at(0);
    EXPECT_EQ("Are you sure you wish to exit Zat Start?", question.text);
    EXPECT_EQ("Zat Start", question.caption);
    EXPECT_EQ(MessageIcon::question, question.icon);
    EXPECT_EQ(MessageButtons::yesNo, question.buttons);
}

TEST(StartUp, FirstRunAsksForTheGameOnceAndRemembersItsShortDirectory) {
    Walk walk;
    walk.desktop.shortPathOf = [](std::string_view path) -> std::optional<std::string> {
        return path == "C:\\Games\\Zat Game\\" ? "C:\\GAMES\\ZATGAM~1\\" : std::string(path);
    };
    walk.desktop.chosenFiles.push_back("C:\\Games\\Zat Game\\zat.exe");
    walk.passSplash();
    walk.on(welcome, [&](FakePage& page) {
        EXPECT_TRUE(walk.desktop.fileDialogs.empty()) << "asks once the page is on screen";
        page.timer(2);
        ASSERT_EQ(1u, walk.desktop.fileDialogs.size());
        EXPECT_EQ("0\r\nC:\\GAMES\\ZATGAM~1\\", walk.folder.read("ZatStart.ini"));
    });
    walk.click(welcome, 100);
    walk.click(gameType, 101); // back to the welcome page: it does not ask again
    walk.on(welcome, [](FakePage& page) { EXPECT_TRUE(page.timers().empty()); });
    walk.closeOn(welcome);
    walk.run();
    const FileDialogRequest& request = walk.desktop.fileDialogs.at(0).request;
    EXPECT_EQ("Locate ZAT Executable", request.title);
    EXPECT_EQ("ZAT Executable", request.filters.at(0).label);
    EXPECT_EQ("ZAT.EXE", request.filters.at(0).pattern);
    EXPECT_EQ("ZAT.EXE", request.initialName);
    EXPECT_TRUE(request.fileMustExist && request.pathMustExist && !request.save);
}

TEST(StartUp, APlayerQuickerThanTheQuestionIsAskedFirstAndACancelStillWritesTheIni) {
    Walk walk;
    walk.passSplash();
    walk.click(welcome, 100);
    walk.click(gameType, 101);
    walk.on(welcome, [](FakePage& page) { EXPECT_TRUE(page.timers().empty()); });
    walk.closeOn(welcome);
    walk.run();
    EXPECT_EQ(1u, walk.desktop.fileDialogs.size());
    EXPECT_EQ("0\r\n", walk.folder.read("ZatStart.ini"));
}

TEST(PageFrame, NoKeepsThePageAndYesDeepInTheChainEndsEverything) {
    Walk walk;
    walk.gameLocatedAt("C:\\GAMES\\ZAT\\");
    walk.passSplash();
    walk.click(welcome, 100);
    walk.click(gameType, 100);
    walk.on(IDD_GAME_OPTIONS, [&](FakePage& page) {
        walk.desktop.answers.push_back(MessageAnswer::no);
        page.click(2);
        EXPECT_FALSE(page.ended());
        walk.desktop.answers.push_back(MessageAnswer::no);
        page.pressEscape();
        EXPECT_FALSE(page.ended());
    });
    walk.closeOn(IDD_GAME_OPTIONS);
    EXPECT_EQ(0, walk.run());
    EXPECT_EQ(3u, walk.desktop.messageBoxes.size());
}

TEST(PageFrame, ThePagePositionTravelsWithNextBackAndTheMenu) {
    Walk walk;
    walk.gameLocatedAt("C:\\GAMES\\ZAT\\");
    const Rect moved{300, 200, 760, 560};
    walk.passSplash();
    int pageWidth = 0;
    walk.on(welcome, [&](FakePage& page) {
        pageWidth = page.windowRect().right - page.windowRect().left;
        page.moveWindow(moved);
        page.click(100);
    });
    walk.on(gameType, [&](FakePage& page) {
        const Rect at = page.windowRect();
        EXPECT_EQ(moved.left, at.left);
        EXPECT_EQ(moved.top, at.top);
        EXPECT_EQ(pageWidth, at.right - at.left) << "only the place travels, not the size";
        page.moveWindow({0, 40, 460, 400}); // left exactly 0
        page.click(100);
    });
    walk.on(IDD_GAME_OPTIONS, [&](FakePage& page) {
        EXPECT_EQ(0, page.windowRect().left) << "any other page takes left 0 as it is";
        page.command(300);
    });
    walk.on(welcome, [&](FakePage& page) {
        EXPECT_EQ(FakePage::kStartLeft, page.windowRect().left) << "left 0: the welcome page "
                                                                   "stays centred";
        page.moveWindow(moved);
        page.command(307);
    });
    walk.on(IDD_OPTION_TEXT, [&](FakePage& page) {
        EXPECT_EQ(moved.top, page.windowRect().top);
        page.click(101);
    });
    walk.on(IDD_MAP_SELECT, [&](FakePage& page) { EXPECT_EQ(moved.top, page.windowRect().top); });
    walk.closeOn(IDD_MAP_SELECT);
    walk.run();
}

TEST(PageFrame, NavigationCommandsOpenTheirPagesAndTheToolsLeaveThePageOpen) {
    Walk walk;
    walk.gameLocatedAt("C:\\GAMES\\ZAT\\");
    walk.passSplash();
    const int targets[] = {IDD_WELCOME,      IDD_GAME_TYPE,  IDD_MULTIPLAYER,   IDD_SERVER_OPTIONS,
                           IDD_GAME_OPTIONS, IDD_MAP_SELECT, IDD_VIDEO_OPTIONS, IDD_OPTION_TEXT};
    int from = welcome;
    for (int i = 0; i < 8; ++i) {
        walk.command(from, 300 + i);
        from = targets[i];
    }
    walk.on(from, [&](FakePage& page) {
        page.pressF1();
        page.command(315); // does nothing but record the position
        EXPECT_FALSE(page.ended());
        page.command(309);
    });
    walk.on(IDD_HELP, [](FakePage& page) {
        EXPECT_EQ("Command Line", page.entries(900).at(page.listSelection(900)));
        EXPECT_NE(std::string::npos, page.text(600).find("base\\ZatStart.cfg"));
        EXPECT_TRUE(page.chooseListEntry(900, 0));
        EXPECT_EQ(0u, page.text(600).find("Zat Start sets up a game"));
        page.pressEscape();
    });
    walk.on(IDD_ABOUT, [](FakePage& page) {
        page.pressEscape();
        EXPECT_FALSE(page.ended()) << "only OK closes the About box";
        page.click(100);
    });
    walk.on(from, [&](FakePage& page) {
        EXPECT_FALSE(page.ended()) << "back on the page after the About box";
        walk.desktop.menuChoices.push_back(305);
        page.click(105); // the menu's choice arrives as a command
    });
    walk.command(IDD_MAP_SELECT, 303);
    walk.on(IDD_SERVER_OPTIONS, [&](FakePage& page) {
        page.pressF1(); // no help on the server options page: no step is left for it
    });
    walk.closeOn(IDD_SERVER_OPTIONS);
    walk.run();
    EXPECT_LE(walk.desktop.maxDepth, 2u) << "pages never nest";
}

TEST(PageFrame, LocatingTheGameFromAnyPageRewritesTheIniEvenWhenCancelled) {
    Walk walk;
    walk.gameLocatedAt("C:\\OLD\\");
    walk.passSplash();
    walk.on(welcome, [&](FakePage& page) {
        walk.folder.write("ZatStart.ini", "1\r\nC:\\OLD\\\r\n");
        page.command(308);
        EXPECT_FALSE(page.ended());
        EXPECT_EQ("0\r\nC:\\OLD\\", walk.folder.read("ZatStart.ini"));
        walk.desktop.chosenFiles.push_back("D:\\ZAT\\zat_v2.exe");
        page.command(308);
        EXPECT_EQ("0\r\nD:\\ZAT\\", walk.folder.read("ZatStart.ini"));
    });
    walk.closeOn(welcome);
    walk.run();
}

TEST(PageFrame, AGameDirectoryTooLongForItsFieldIsRefusedWithAMessage) {
    Walk walk;
    walk.gameLocatedAt("C:\\OLD\\");
    walk.passSplash();
    walk.on(welcome, [&](FakePage& page) {
        walk.desktop.chosenFiles.push_back("C:\\" + std::string(200, 'd') + "\\zat.exe");
        page.command(308);
        EXPECT_EQ("0\r\nC:\\OLD\\", walk.folder.read("ZatStart.ini"));
        ASSERT_EQ(1u, walk.desktop.messageBoxes.size());
        EXPECT_EQ("Error", walk.desktop.messageBoxes[0].caption);
        EXPECT_EQ(MessageIcon::error, walk.desktop.messageBoxes[0].icon);
    });
    walk.closeOn(welcome);
    walk.run();
}

TEST(PageChain, NextAndBackFollowTheGameBeingSetUp) {
    Walk walk;
    walk.gameLocatedAt("C:\\GAMES\\ZAT\\");
    walk.passSplash();
    // Starting a server: every page there and back.
    walk.loadOnWelcome(game(22, 202));
    for (int page : {welcome, gameType, playerSetup, multiplayer, serverOptions, gameOptions})
        walk.click(page, 100);
    for (int page : {mapSelect, gameOptions, serverOptions, multiplayer, playerSetup, gameType})
        walk.click(page, 101);
    // Joining a server: no server options and no map on the way out.
    walk.loadOnWelcome(game(22, 200));
    for (int page : {welcome, gameType, playerSetup, multiplayer, gameOptions})
        walk.click(page, 100);
    for (int page : {optionText, mapSelect, gameOptions})
        walk.click(page, 101);
    walk.command(multiplayer, 300);
    // Single player, with a server choice left over: Back looks at the server choice first.
    walk.loadOnWelcome(game(11, 202));
    for (int page : {welcome, gameType})
        walk.click(page, 100);
    walk.click(gameOptions, 101);
    walk.command(serverOptions, 300);
    walk.loadOnWelcome(game(11, 200));
    for (int page : {welcome, gameType, gameOptions, mapSelect, optionText})
        walk.click(page, 100);
    for (int page : {run, optionText, mapSelect, gameOptions, gameType})
        walk.click(page, 101);
    walk.closeOn(welcome);
    walk.run();
}

TEST(NavigationMenu, OffersThePagesThatApplyAboveItsButton) {
    Walk walk;
    walk.gameLocatedAt("C:\\GAMES\\ZAT\\");
    walk.passSplash();
    Point button;
    walk.on(welcome, [&](FakePage& page) {
        button = page.itemScreenOrigin(105);
        page.click(105);
    });
    walk.loadOnWelcome(game(22, 200));
    walk.click(welcome, 105);
    walk.loadOnWelcome(game(22, 202));
    walk.click(welcome, 105);
    walk.closeOn(welcome);
    walk.run();

    const auto& menus = walk.desktop.popupMenus;
    ASSERT_EQ(3u, menus.size());
    const int items[] = {7, 8, 9};
    const int separators[] = {2, 3, 3};
    const int heights[] = {144, 168, 186};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(items[i], countItems(menus[i].items, false)) << i;
        EXPECT_EQ(separators[i], countItems(menus[i].items, true)) << i;
        EXPECT_EQ(button.x - 19, menus[i].topLeft.x) << i;
        EXPECT_EQ(button.y - heights[i], menus[i].topLeft.y) << i;
    }
    EXPECT_EQ("A&bout ZatStart", menus[2].items.back().label);
    EXPECT_EQ(303, menus[2].items[4].id);
}
