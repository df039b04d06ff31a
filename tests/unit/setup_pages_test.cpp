// The game type, game options and map select pages, and the binding table they rest on.
#include "app/app_state.h"
#include "pages/level_tables.h"
#include "pages/pages.h"
#include "settings/choices.h"
#include "settings/text_field.h"
#include "walk.h"

#include <algorithm>
#include <climits>
#include <filesystem>

using namespace templates;

namespace {

ControlKind kindFor(FieldBinding::Kind kind) {
    switch (kind) {
    case FieldBinding::Kind::flag:
        return ControlKind::checkBox;
    case FieldBinding::Kind::choice:
        return ControlKind::radioButton;
    default:
        return ControlKind::edit;
    }
}

// A later start with the game located, past the splash, on the welcome page.
struct SetupWalk : Walk {
    SetupWalk() {
        gameLocatedAt("C:\\GAMES\\ZAT\\");
        passSplash();
    }
    // What the command line page shows once the pages were walked.
    void expectOptions(const std::string& options) {
        on(commandLine, [options](FakePage& page) { EXPECT_EQ(options, page.text(600)); });
        closeOn(commandLine);
        run();
    }
};

LaunchSettings startupRecord() {
    LaunchSettings s{};
    applyStartupValues(s);
    return s;
}

std::vector<std::string> sortedLevels(bool singlePlayer, bool deathmatch) {
    std::vector<std::string> names;
    if (singlePlayer)
        names.insert(names.end(), singlePlayerLevelNames.begin(), singlePlayerLevelNames.end());
    if (deathmatch)
        names.insert(names.end(), deathmatchLevelNames.begin(), deathmatchLevelNames.end());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(PageBindings, EveryBoundControlIsInItsTemplateWithTheKindItsBindingExpects) {
    for (const Page* page : everyPage()) {
        const auto& dialogs = programDialogs();
        const auto dialog = std::find_if(dialogs.begin(), dialogs.end(),
                                         [&](const auto& d) { return d.id == page->templateId; });
        ASSERT_NE(dialogs.end(), dialog) << page->templateId;
        for (const FieldBinding& binding : page->fields)
            for (int id : binding.controls()) {
                const auto control =
                    std::find_if(dialog->controls.begin(), dialog->controls.end(),
                                 [&](const ControlTemplate& c) { return c.id == id; });
                ASSERT_NE(dialog->controls.end(), control) << page->templateId << " " << id;
                EXPECT_EQ(kindFor(binding.kind), control->kind) << page->templateId << " " << id;
            }
    }
}

TEST(GameTypePage, TheGameTypeChoosesItsLevelListAndSkillAppliesToSinglePlayerOnly) {
    SetupWalk walk;
    walk.click(welcome, 100);
    walk.on(gameType, [](FakePage& page) {
        EXPECT_TRUE(page.checked(11) && page.checked(400));
        page.click(401);
        page.click(22);
        EXPECT_FALSE(page.enabled(405) || page.enabled(400) || page.enabled(402));
        EXPECT_TRUE(page.checked(401)) << "the skill keeps its mark while disabled";
        page.click(11);
        EXPECT_TRUE(page.enabled(405) && page.enabled(401) && page.checked(401));
        page.click(100);
    });
    walk.click(gameOptions, 100);
    walk.on(mapSelect, [](FakePage& page) {
        page.click(801); // both lists, then single player chosen again: its list only
        EXPECT_EQ(52, page.listCount(900));
        page.command(301);
    });
    walk.click(gameType, 11);
    walk.command(gameType, 305);
    walk.on(mapSelect, [](FakePage& page) {
        EXPECT_TRUE(page.checked(800));
        EXPECT_FALSE(page.checked(801));
        EXPECT_EQ(sortedLevels(true, false), page.entries(900));
        page.command(301);
    });
    walk.click(gameType, 22);
    walk.command(gameType, 305);
    walk.on(mapSelect, [](FakePage& page) {
        EXPECT_EQ(sortedLevels(false, true), page.entries(900));
        page.command(307);
    });
    walk.expectOptions(" +set name Rook +set hand 0 +set model pl_rook +set skin  +set crosshair "
                       "1 +set dialog 3 +set cl_run 1 +set m_filter 1 +set lookspring 1 +set "
                       "lookstrafe 0 +set freelook 1");
}

TEST(GameOptionsPage, BoxesAreKeptOnLeavingAndRadiosAtTheClick) {
    SetupWalk walk;
    walk.command(welcome, 304);
    walk.on(gameOptions, [](FakePage& page) {
        for (int id : {500, 502, 503, 505, 701, 800})
            EXPECT_TRUE(page.checked(id)) << id;
        EXPECT_FALSE(page.checked(504));
        EXPECT_FALSE(page.visible(200) || page.visible(501));
        page.click(500);
        page.click(504);
        page.click(702);
        page.click(801);
        page.command(304); // reopened from the record
    });
    walk.on(gameOptions, [](FakePage& page) {
        EXPECT_FALSE(page.checked(500));
        EXPECT_TRUE(page.checked(504) && page.checked(702) && page.checked(801));
        page.click(703);
        page.click(802);
        page.click(505);
        page.click(100);
    });
    walk.on(mapSelect, [](FakePage& page) { page.command(307); });
    walk.expectOptions(" +set skill 0 +set crosshair 3 +set dialog 1 +set cl_run 0 +set m_filter "
                       "1 +set lookspring 1 +set lookstrafe 1 +set freelook 0 +map citadel1");
}

TEST(MapSelectPage, TheListFollowsItsBoxesAndLeavingKeepsTheSelectedLevel) {
    SetupWalk walk;
    walk.command(welcome, 305);
    walk.on(mapSelect, [](FakePage& page) {
        EXPECT_EQ(sortedLevels(true, false), page.entries(900));
        EXPECT_EQ(0, page.listSelection(900));
        EXPECT_FALSE(page.enabled(600));
        page.click(801);
        EXPECT_EQ(sortedLevels(true, true), page.entries(900));
        page.listSelect(900, 51);
        page.click(100);
    });
    walk.on(commandLine, [](FakePage& page) {
        EXPECT_EQ(sortedLevels(true, true)[51],
                  page.text(600).substr(page.text(600).rfind(' ') + 1));
        page.click(101);
    });
    walk.on(mapSelect, [](FakePage& page) {
        EXPECT_EQ(51, page.listSelection(900));
        page.click(800); // off and on again: the list keeps no selection, so the first is taken
        page.click(800);
        EXPECT_EQ(-1, page.listSelection(900));
        page.command(309);
    });
    walk.click(1, 100);
    walk.on(mapSelect, [](FakePage& page) {
        page.click(800);
        page.click(801);
        EXPECT_EQ(0, page.listCount(900));
        page.command(305);
    });
    walk.on(mapSelect, [](FakePage& page) {
        page.click(800); // both boxes were off when the page opened: the level was dropped
        page.listSelect(900, 36);
        page.command(304);
    });
    walk.click(gameOptions, 100);
    walk.on(mapSelect, [](FakePage& page) {
        EXPECT_EQ(36, page.listSelection(900));
        page.command(307);
    });
    walk.on(commandLine, [](FakePage& page) {
        EXPECT_NE(std::string::npos, page.text(600).find(" +map " + sortedLevels(true, false)[36]));
        page.command(305);
    });
    walk.on(mapSelect, [](FakePage& page) {
        page.click(800);
        page.click(100);
    });
    walk.on(commandLine, [](FakePage& page) {
        EXPECT_EQ(std::string::npos, page.text(600).find("+map"));
        page.command(305);
    });
    walk.on(mapSelect, [](FakePage& page) { EXPECT_EQ(-1, page.listSelection(900)); });
    walk.closeOn(mapSelect);
    walk.run();
}

// A level file stays chosen on every later visit to the page, even with both list boxes off,
// until another is chosen, and it is what the game is told to start.
TEST(MapSelectPage, AUserMadeLevelIsTheFileNameWithoutBspStaysChosenAndAnythingElseIsRefused) {
    SetupWalk walk;
    std::filesystem::create_directories(walk.folder.native("game\\base"));
    walk.gameLocatedAt(walk.folder.path("game\\"));
    walk.desktop.chosenFiles = {"D:\\levels\\arena2.bsp",
                                "D:\\levels\\notes.txt",
                                "D:\\levels\\.BSP",
                                "D:\\levels\\" + std::string(80, 'x') + ".bsp",
                                std::nullopt,
                                "D:\\Levels\\Arena3.BSP"};
    const auto endsInMap = [](FakePage& page, const std::string& level) {
        EXPECT_EQ(" +map " + level, page.text(600).substr(page.text(600).rfind(" +map")));
    };
    walk.command(welcome, 305);
    walk.on(mapSelect, [&](FakePage& page) {
        page.click(800); // both list boxes off
        page.click(501);
        EXPECT_FALSE(page.enabled(900) || page.enabled(800) || page.enabled(801));
        for (int i = 0; i < 5; ++i)
            page.click(600);
        page.click(100);
    });
    walk.on(commandLine, [&](FakePage& page) {
        endsInMap(page, "arena2");
        page.click(101);
    });
    walk.on(mapSelect, [](FakePage& page) {
        EXPECT_TRUE(page.checked(501) && page.enabled(600) && !page.enabled(900));
        page.click(100);
    });
    walk.on(commandLine, [&](FakePage& page) {
        endsInMap(page, "arena2");
        page.click(100);
    });
    walk.click(run, 100);
    walk.command(run, 305);
    walk.on(mapSelect, [](FakePage& page) {
        page.click(600);
        page.click(100);
    });
    walk.on(commandLine, [&](FakePage& page) { endsInMap(page, "Arena3"); });
    walk.closeOn(commandLine);
    walk.run();
    const std::string config = walk.folder.read("game\\base\\ZatStart.cfg");
    EXPECT_EQ("map arena2", config.substr(config.rfind("map "))) << config;
    const FileDialogRequest& request = walk.desktop.fileDialogs.at(0).request;
    EXPECT_EQ("Select User-Made Level", request.title);
    ASSERT_EQ(1u, request.filters.size());
    EXPECT_EQ("Zat Map File", request.filters[0].label);
    EXPECT_EQ("*.bsp", request.filters[0].pattern);
    EXPECT_EQ("*.bsp", request.initialName);
    EXPECT_TRUE(request.fileMustExist && request.pathMustExist && !request.save);
    std::vector<std::string> errors;
    for (const MessageBoxShown& box : walk.desktop.messageBoxes)
        if (box.caption == "Error")
            errors.push_back(box.text);
    EXPECT_EQ((std::vector<std::string>{std::string(levelMessages::notALevel),
                                        std::string(levelMessages::notALevel),
                                        std::string(levelMessages::nameTooLong)}),
              errors);
}

// Values a settings file from elsewhere may hold: each opens with nothing of its group
// checked, never reads outside a table or a field, and the chain does not move on a game type
// it does not know.
TEST(SetupPages, DamagedChoicesOpenWithNothingCheckedAndIndexNothingOutOfRange) {
    SetupWalk walk;
    LaunchSettings damaged = startupRecord();
    damaged.gameType = 33;
    damaged.multiplayerMode = multiplayerModes::startServer; // so the level is sent
    damaged.skillLevel = 403;
    damaged.crosshair = -700;
    damaged.dialogMode = INT_MAX;
    damaged.levelSource = 7;
    damaged.levelIndex = INT_MIN;
    std::memset(damaged.mapName, 'm', sizeof damaged.mapName);
    walk.loadOnWelcome(damaged);
    walk.click(welcome, 100);
    walk.on(gameType, [](FakePage& page) {
        for (int id : {11, 22, 400, 401, 402})
            EXPECT_FALSE(page.checked(id)) << id;
        EXPECT_TRUE(page.enabled(405) && page.enabled(400));
        page.click(100);
        EXPECT_FALSE(page.ended()) << "Next waits for a game type";
        page.command(304);
    });
    walk.on(gameOptions, [](FakePage& page) {
        for (int id = 700; id <= 705; ++id)
            EXPECT_FALSE(page.checked(id)) << id;
        for (int id = 800; id <= 803; ++id)
            EXPECT_FALSE(page.checked(id)) << id;
        page.command(305);
    });
    walk.on(mapSelect, [](FakePage& page) {
        EXPECT_FALSE(page.checked(500) || page.checked(501));
        EXPECT_FALSE(page.enabled(900)) << "an unknown source is a file of the player's own";
        EXPECT_EQ(-1, page.listSelection(900));
        page.command(307);
    });
    walk.on(commandLine, [](FakePage& page) {
        EXPECT_NE(std::string::npos, page.text(600).find(" +map " + std::string(80, 'm')));
        EXPECT_EQ(std::string::npos, page.text(600).find("crosshair"));
        page.command(305);
    });
    walk.on(mapSelect, [](FakePage& page) {
        page.click(500);
        page.click(100); // a huge index selects nothing: the first level is taken
    });
    walk.on(commandLine, [](FakePage& page) {
        EXPECT_NE(std::string::npos, page.text(600).find(" +map citadel1"));
    });
    walk.closeOn(commandLine);
    walk.run();
}
