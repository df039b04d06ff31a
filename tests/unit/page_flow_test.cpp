// The program shell: start-up, the page loop and the frame every page shares.
#include "app/locate_game.h"
#include "app/navigation_menu.h"
#include "walk.h"

#include <array>
#include <cctype>
#include <set>

// Between two pages, when no page shows, the claim alone refuses: seen on the real desktop,
// as is the hand-over itself. A settings file goes to the running launcher, silently; only
// one that launcher did not take is refused.
TEST(StartUp, ASecondInstanceIsRefusedWhileAPageShowsButHandsOverItsFile) {
    for (const std::string file : {"", "C:\\shared.ZTP", "C:\\not taken.ZTP"}) {
        Walk walk;
        walk.desktop.existingDialogTitles.insert(kPageTitle);
        walk.desktop.launcherTakesFiles = file == "C:\\shared.ZTP";
        EXPECT_EQ(0, runZatStart(walk.desktop, zatStartPages(), file));
        EXPECT_TRUE(walk.desktop.openedTemplates.empty());
        EXPECT_EQ(file.empty() ? std::vector<std::string>{} : std::vector{file},
                  walk.desktop.handedFiles);
        ASSERT_EQ(walk.desktop.launcherTakesFiles ? 0u : 1u, walk.desktop.messageBoxes.size());
        for (const MessageBoxShown& box : walk.desktop.messageBoxes) {
            EXPECT_EQ("A Previous Instance of Zat Start is already running. Please close it "
                      "before running another instance.",
                      box.text);
            EXPECT_EQ(MessageIcon::error, box.icon);
        }
    }
}

// A first run asks for the game once the welcome page shows, or first when the player is
// quicker; a cancel still writes the INI file, and coming back to the welcome page does not ask
// again. A later start asks nothing. The claim follows the splash; Close ends only on Yes. (The
// welcome page's place, and Escape as Close, are seen on the real desktop.)
TEST(StartUp, AFirstRunAsksForTheGameOnceALaterStartNeverAndCloseEndsOnlyOnYes) {
    enum Start { later, firstRun, quickerPlayer };
    for (const Start start : {later, firstRun, quickerPlayer}) {
        Walk walk;
        if (start == later)
            walk.gameLocatedAt("C:\\GAMES\\ZAT\\");
        walk.on(IDD_SPLASH, [](FakePage& page) {
            EXPECT_EQ(3000u, page.timers().at(IDT_SPLASH));
            page.timer(IDT_SPLASH);
        });
        if (start == firstRun) {
            walk.desktop.chosenFiles.push_back("C:\\GAMES\\ZAT\\zat.exe");
            walk.on(IDD_WELCOME, [](FakePage& page) { page.timer(IDT_AFTER_OPENING); });
        }
        walk.on(IDD_WELCOME, [&](FakePage& page) {
            EXPECT_EQ(1u, walk.desktop.claimedAfterDialogs) << "claimed after the splash";
            EXPECT_EQ(start == quickerPlayer, !page.timers().empty());
            page.click(IDC_NEXT);
        });
        walk.on(IDD_GAME_TYPE, [](FakePage& page) { page.click(IDC_BACK); });
        walk.desktop.answers = {MessageAnswer::no, MessageAnswer::yes};
        walk.on(IDD_WELCOME, [](FakePage& page) {
            EXPECT_TRUE(page.timers().empty());
            page.click(IDC_CLOSE);
            EXPECT_FALSE(page.ended());
            page.click(IDC_CLOSE);
        });
        EXPECT_EQ(0, runZatStart(walk.desktop, zatStartPages()));
        EXPECT_TRUE(walk.steps.empty());
        EXPECT_EQ(start == later ? 0u : 1u, walk.desktop.fileDialogs.size());
        EXPECT_EQ(start == quickerPlayer ? "0\r\n" : "0\r\nC:\\GAMES\\ZAT\\",
                  walk.folder.read("ZatStart.ini"));
        ASSERT_EQ(2u, walk.desktop.messageBoxes.size());
        EXPECT_EQ("Are you sure you wish to exit Zat Start?", walk.desktop.messageBoxes[1].text);
    }
}

TEST(PageFrame, NavigationCommandsOpenTheirPagesAndTheToolsLeaveThePageOpen) {
    const int targets[] = {IDD_WELCOME,      IDD_GAME_TYPE,  IDD_MULTIPLAYER,   IDD_SERVER_OPTIONS,
                           IDD_GAME_OPTIONS, IDD_MAP_SELECT, IDD_VIDEO_OPTIONS, IDD_OPTION_TEXT};
    Bench bench;
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(targets[i],
                  bench.open(runPage, [i](FakePage& page) { page.command(IDM_WELCOME + i); }));
    // Help shows the page's own topic and any other; one that cannot be shown is reported.
    bench.on(IDD_SERVER_OPTIONS, [&](FakePage& page) {
        EXPECT_TRUE(page.pressF1());
        bench.desktop.dialogsThatFail.insert(IDD_HELP);
        page.pressF1();
        page.command(IDM_ABOUT);
        page.command(IDM_MAP_SELECT);
    });
    bench.on(IDD_HELP, [](FakePage& help) {
        EXPECT_EQ("Server Options",
                  help.entries(IDC_HELP_TOPICS).at(help.listSelection(IDC_HELP_TOPICS)));
        help.chooseListEntry(IDC_HELP_TOPICS, static_cast<int>(helpTopics().size()) - 1);
        EXPECT_EQ(helpTopics().back().text, help.text(IDC_HELP_TEXT));
        help.pressEscape();
    });
    bench.on(IDD_ABOUT, [](FakePage& page) {
        page.pressEscape();
        EXPECT_FALSE(page.ended()) << "only OK closes the About box";
        page.click(IDC_OK);
    });
    EXPECT_EQ(IDD_MAP_SELECT, bench.open(serverOptionsPage));
    EXPECT_EQ("The help could not be shown.", bench.desktop.messageBoxes.at(0).text);
    EXPECT_EQ(MessageIcon::error, bench.desktop.messageBoxes.at(0).icon);
}

// Only the place travels: another page takes left 0 as it is, in its own size; the welcome page
// stays centred. Locating the game rewrites the INI even when cancelled and refuses a directory
// it cannot use.
TEST(PageFrame, OnlyThePlaceTravelsAndLocatingTheGameRewritesTheIniEvenWhenCancelled) {
    Bench bench;
    bench.app.ini = iniLocationsOf(bench.desktop);
    bench.folder.write("ZatStart.ini", "1\r\nC:\\OLD\\\r\n");
    // Not in the code page, and no short form: never stored, not even as it was handed over.
    const std::string unfit = "C:\\Spiele\\Zat ?\\ZAT.EXE";
    bench.desktop.unfitPaths = {{unfit, u"C:\\Spiele\\Zat \u03A9\\ZAT.EXE"}};
    bench.desktop.chosenFiles = {std::nullopt, "C:\\" + std::string(200, 'd') + "\\zat.exe", unfit,
                                 "D:\\Zat Game\\zat_v2.exe"};
    bench.desktop.shortPaths = {{"D:\\Zat Game\\", "D:\\ZATGAM~1\\"}};
    const std::string kept = "0\r\nC:\\GAMES\\ZAT\\";
    Rect own{};
    bench.open(gameTypePage, [&](FakePage& page) {
        own = page.windowRect();
        page.moveWindow({0, 40, 460, 400});
        page.click(IDC_NEXT);
    });
    EXPECT_EQ(460, bench.app.pagePosition.width);
    bench.open(gameTypePage, [&](FakePage& page) {
        const Rect at = page.windowRect();
        EXPECT_EQ((std::array{0, 40, own.right - own.left, own.bottom - own.top}),
                  (std::array{at.left, at.top, at.right - at.left, at.bottom - at.top}));
        for (const std::string& ini : {kept, kept, kept, std::string("0\r\nD:\\ZATGAM~1\\")}) {
            page.command(IDM_LOCATE_GAME);
            EXPECT_EQ(ini, bench.folder.read("ZatStart.ini"));
        }
        EXPECT_FALSE(page.ended());
        page.command(IDM_WELCOME);
    });
    bench.open(welcomePage, [](FakePage& page) {
        EXPECT_EQ(FakePage::kStartLeft, page.windowRect().left);
        page.command(IDM_GAME_TYPE);
    });
    ASSERT_EQ(2u, bench.desktop.messageBoxes.size());
    EXPECT_EQ("Error", bench.desktop.messageBoxes[0].caption);
    EXPECT_NE(std::u16string::npos,
              bench.desktop.messageBoxes[1].wideText.find(u"C:\\Spiele\\Zat \u03A9\\"));
}

// Next and Back follow the game being set up. The navigation menu offers the multiplayer pages
// to a deathmatch only, the server's to its server only; the longer the menu, the higher above
// its button it opens.
TEST(PageChain, NextBackAndTheNavigationMenuFollowTheGameBeingSetUp) {
    using namespace gameTypes;
    using namespace multiplayerModes;
    struct Case {
        const Page* page;
        int32_t type, mode;
        int next, back;
    };
    const Case cases[] = {
        {&welcomePage, deathmatch, joinServer, IDD_GAME_TYPE, 0},
        {&gameTypePage, deathmatch, joinServer, IDD_PLAYER_SETUP, IDD_WELCOME},
        {&gameTypePage, singlePlayer, startServer, IDD_GAME_OPTIONS, IDD_WELCOME},
        {&playerSetupPage, deathmatch, joinServer, IDD_MULTIPLAYER, IDD_GAME_TYPE},
        {&multiplayerPage, deathmatch, startServer, IDD_SERVER_OPTIONS, IDD_PLAYER_SETUP},
        {&multiplayerPage, deathmatch, joinServer, IDD_GAME_OPTIONS, IDD_PLAYER_SETUP},
        {&serverOptionsPage, deathmatch, startServer, IDD_GAME_OPTIONS, IDD_MULTIPLAYER},
        {&gameOptionsPage, deathmatch, startServer, IDD_MAP_SELECT, IDD_SERVER_OPTIONS},
        {&gameOptionsPage, deathmatch, joinServer, IDD_OPTION_TEXT, IDD_MULTIPLAYER},
        // Single player with a server choice left over: Back looks at the server choice first.
        {&gameOptionsPage, singlePlayer, startServer, IDD_MAP_SELECT, IDD_SERVER_OPTIONS},
        {&gameOptionsPage, singlePlayer, joinServer, IDD_MAP_SELECT, IDD_GAME_TYPE},
        {&mapSelectPage, singlePlayer, joinServer, IDD_OPTION_TEXT, IDD_GAME_OPTIONS},
        {&optionTextPage, singlePlayer, joinServer, IDD_RUN, IDD_MAP_SELECT},
        {&runPage, singlePlayer, joinServer, 0, IDD_OPTION_TEXT},
        {&videoOptionsPage, singlePlayer, joinServer, IDD_OPTION_TEXT, IDD_MAP_SELECT},
    };
    for (const Case& c : cases)
        for (const int button : {IDC_NEXT, IDC_BACK}) {
            const int expected = button == IDC_NEXT ? c.next : c.back;
            if (expected == 0)
                continue; // Run starts the game; the welcome page has nothing before it
            Bench bench;
            LaunchSettings& s = bench.app.settings;
            storeFieldText(s.gameDirectory, bench.folder.directory()); // full
            s.gameType = c.type;
            s.multiplayerMode = c.mode;
            const bool server = c.type == deathmatch && c.mode == startServer;
            std::set<int> ids, keys; // every item its own access key
            for (const MenuItem& item : navigationMenuItems(s)) {
                ids.insert(item.id);
                const std::size_t amp = item.label.find('&');
                EXPECT_TRUE(amp == std::string::npos ||
                            keys.insert(std::tolower(item.label[amp + 1])).second)
                    << item.label;
            }
            EXPECT_EQ(c.type == deathmatch, ids.count(IDM_MULTIPLAYER) == 1);
            EXPECT_EQ(server, ids.count(IDM_SERVER_OPTIONS) == 1);
            const int height = c.type != deathmatch ? 144 : server ? 186 : 168;
            EXPECT_EQ(expected, bench.open(*c.page,
                                           [&](FakePage& page) {
                                               page.click(IDC_NAVIGATION_MENU);
                                               const Point at = bench.desktop.menuPlaces.at(0);
                                               EXPECT_EQ(page.windowRect().left - 19, at.x);
                                               EXPECT_EQ(page.windowRect().top - height, at.y);
                                               page.click(button);
                                           }))
                << c.page->templateId << " " << button;
        }
}
