// The control setup page over the game options page, the video options page with its lists
// and advanced page, and help.
#include "app/app_state.h"
#include "controls/bindings.h"
#include "pages/pages.h"
#include "settings/name_tables.h"
#include "walk.h"

#include <algorithm>

using namespace pageIds;

namespace {

struct LocatedWalk : Walk {
    LocatedWalk() {
        gameLocatedAt("C:\\GAMES\\ZAT\\");
        passSplash();
    }
};

void expectDefaultKeys(FakePage& page) {
    for (const BindableAction& action : bindableActions)
        EXPECT_EQ(action.defaultKey, page.text(action.boxId)) << action.label;
}

} // namespace

TEST(ControlSetupPage, ShowsTheDefaultKeysAndKeepsTheKeysOfALoadedFile) {
    LocatedWalk walk;
    walk.folder.write("mine.cfg", "bind SPACE +attack\r\nbind x +forward\r\n bind Q +use\r\n"
                                  "bind MOUSE1 +attack\r\n");
    walk.desktop.chosenFiles = {std::nullopt, walk.folder.path("absent.cfg"),
                                walk.folder.path("mine.cfg")};
    walk.command(welcome, 304);
    walk.on(gameOptions, [](FakePage& page) {
        page.command(200);
        EXPECT_FALSE(page.ended()) << "the game options page stays beneath";
        page.command(200);
    });
    walk.on(controlSetup, [&](FakePage& page) {
        expectDefaultKeys(page);
        page.click(110); // cancelled
        page.click(110); // a file that cannot be read
        expectDefaultKeys(page);
        page.click(110);
        EXPECT_EQ("SPACE, MOUSE1", page.text(500));
        EXPECT_EQ("x", page.text(504));
        EXPECT_EQ("", page.text(523)) << "an indented entry binds nothing";
        const Rect at = page.windowRect();
        page.moveMouse({at.left + 40, at.top + 57});
        EXPECT_EQ("Cursor X = 40 , Cursor Y = 57", page.text(600));
        page.click(111);
        expectDefaultKeys(page);
        page.click(100);
    });
    walk.on(controlSetup, [&](FakePage& page) {
        expectDefaultKeys(page);
        page.pressEscape();
    });
    walk.closeOn(gameOptions);
    walk.run();
    const FileDialogRequest& request = walk.desktop.fileDialogs.at(0).request;
    EXPECT_EQ("Load Zat Config File", request.title);
    ASSERT_EQ(2u, request.filters.size());
    EXPECT_EQ("CFG File", request.filters[0].label);
    EXPECT_EQ("*.cfg", request.filters[0].pattern);
    EXPECT_EQ("All Files", request.filters[1].label);
    EXPECT_EQ("*.cfg", request.initialName);
    EXPECT_TRUE(request.fileMustExist);
    ASSERT_EQ(2u, walk.desktop.messageBoxes.size()) << "the read error, then the exit question";
    EXPECT_EQ("There was an error reading the Config File", walk.desktop.messageBoxes[0].text);
    EXPECT_EQ("Error", walk.desktop.messageBoxes[0].caption);
}

TEST(VideoOptionsPage, NamesFromTheTablesListsThatStoreOnOkAndDefaultsInOrder) {
    LocatedWalk walk;
    LaunchSettings damaged{};
    applyStartupValues(damaged);
    damaged.videoDriver = 0;
    damaged.videoMode = 10;
    walk.loadOnWelcome(damaged);
    walk.command(welcome, 306);
    walk.on(videoOptions, [](FakePage& page) {
        EXPECT_EQ("Static", page.text(500));
        EXPECT_EQ("Static", page.text(501));
        EXPECT_TRUE(page.checked(210) && page.checked(200));
        page.click(212);
        page.click(201);
        page.click(400);
    });
    walk.on(driverList, [](FakePage& page) {
        EXPECT_EQ(std::vector<std::string>(videoDriverNames.begin(), videoDriverNames.end()),
                  page.entries(900));
        EXPECT_EQ(0, page.listSelection(900));
        page.chooseListEntry(900, 2);
        page.click(100);
    });
    walk.on(videoOptions, [](FakePage& page) {
        EXPECT_EQ("3DFX OpenGL", page.text(500));
        page.click(400);
    });
    walk.on(driverList, [](FakePage& page) {
        EXPECT_EQ(0, page.listSelection(900)) << "the list opens on its first entry";
        page.chooseListEntry(900, 6);
        page.click(2);
    });
    walk.on(videoOptions, [](FakePage& page) {
        EXPECT_EQ("3DFX OpenGL", page.text(500)) << "Cancel stores nothing";
        page.click(401);
    });
    walk.on(modeList, [](FakePage& page) {
        page.chooseListEntry(900, 8);
        page.click(100);
    });
    walk.on(videoOptions, [](FakePage& page) {
        EXPECT_EQ("1600 X 1200", page.text(501));
        page.command(306);
    });
    walk.on(videoOptions, [](FakePage& page) {
        EXPECT_EQ("3DFX OpenGL", page.text(500));
        EXPECT_TRUE(page.checked(212) && page.checked(201)) << "radios are written at the click";
        page.click(150);
        EXPECT_EQ("Software", page.text(500));
        EXPECT_EQ("640 X 480", page.text(501));
        for (int id : {210, 211, 212, 200, 201})
            EXPECT_EQ(id == 210 || id == 200, page.checked(id)) << id;
        page.click(151);
    });
    walk.on(advancedVideo, [](FakePage& page) {
        EXPECT_FALSE(page.checked(1055));
        page.click(1055);
        page.click(150);
        EXPECT_TRUE(page.checked(1055));
        page.click(100);
    });
    walk.on(videoOptions, [](FakePage& page) { page.click(151); });
    walk.on(advancedVideo, [](FakePage& page) {
        EXPECT_FALSE(page.checked(1055)) << "the advanced page opens empty every time";
        page.pressEscape();
    });
    walk.click(videoOptions, 101);
    walk.closeOn(mapSelect);
    walk.run();
}

TEST(Help, AHelpWindowThatCannotBeShownIsReported) {
    LocatedWalk walk;
    walk.desktop.dialogsThatFail.insert(help);
    walk.on(welcome, [](FakePage& page) { page.pressF1(); });
    walk.closeOn(welcome);
    walk.run();
    const MessageBoxShown& error = walk.desktop.messageBoxes.at(0);
    EXPECT_EQ("The help could not be shown.", error.text);
    EXPECT_EQ(MessageIcon::error, error.icon);
}

TEST(Help, EveryPageAndTheControlSetupPageHaveATopic) {
    std::vector<int> explained;
    for (const HelpTopic& topic : helpTopics())
        explained.push_back(topic.templateId);
    for (const Page* page : zatStartPages().pages)
        EXPECT_NE(explained.end(), std::find(explained.begin(), explained.end(), page->templateId))
            << page->templateId;
    EXPECT_NE(explained.end(), std::find(explained.begin(), explained.end(), controlSetup));
}
