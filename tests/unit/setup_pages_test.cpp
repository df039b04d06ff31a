// The game type, game options and map select pages, each opened by itself, and the binding
// table they rest on.
#include "settings/name_tables.h"
#include "walk.h"

#include <algorithm>
#include <climits>

namespace {

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
    for (const Page* page : zatStartPages().pages) {
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
                using enum FieldBinding::Kind;
                const ControlKind kind = binding.kind == choice ? ControlKind::radioButton
                                         : binding.kind == text ? ControlKind::edit
                                                                : ControlKind::checkBox;
                const bool teamRadio =
                    binding.kind == maskBit && control->kind == ControlKind::radioButton;
                EXPECT_TRUE(teamRadio || kind == control->kind) << page->templateId << " " << id;
            }
    }
}

TEST(GameTypePage, TheGameTypeChoosesItsLevelListAndSkillAppliesToSinglePlayerOnly) {
    Bench bench;
    const LaunchSettings& s = bench.app.settings;
    bench.app.settings.listDeathmatchLevels = 1;
    EXPECT_EQ(IDD_GAME_OPTIONS, bench.open(gameTypePage, [&](FakePage& page) {
        page.click(IDC_SKILL_OFFICER);
        page.click(IDC_DEATHMATCH);
        EXPECT_EQ(0, s.listSinglePlayerLevels);
        EXPECT_EQ(1, s.listDeathmatchLevels);
        EXPECT_FALSE(page.enabled(IDC_SKILL_GROUP) || page.enabled(IDC_SKILL_IRONCLAD));
        EXPECT_TRUE(page.checked(IDC_SKILL_OFFICER)) << "the skill keeps its mark while disabled";
        page.click(IDC_SINGLE_PLAYER);
        page.click(IDC_SINGLE_PLAYER); // chosen again: its list only, still
        EXPECT_EQ(1, s.listSinglePlayerLevels);
        EXPECT_EQ(0, s.listDeathmatchLevels);
        EXPECT_TRUE(page.enabled(IDC_SKILL_GROUP) && page.enabled(IDC_SKILL_OFFICER));
        page.click(IDC_NEXT);
    }));
    EXPECT_EQ(skillLevels::officer, s.skillLevel);
}

TEST(GameOptionsPage, BoxesAreKeptOnLeavingAndRadiosAtTheClick) {
    Bench bench;
    const LaunchSettings& s = bench.app.settings;
    bench.open(gameOptionsPage, [&](FakePage& page) {
        page.click(IDC_ALWAYS_RUN);
        page.click(IDC_LOOK_STRAFE);
        page.click(IDC_CROSSHAIR_TRIAD);
        page.click(IDC_DIALOG_SPEECH_ONLY);
        EXPECT_EQ(1, s.alwaysRun) << "a box is kept on leaving";
        EXPECT_EQ(crosshairs::triad, s.crosshair) << "a radio at its click";
        page.command(IDM_MAP_SELECT);
    });
    EXPECT_EQ(0, s.alwaysRun);
    EXPECT_EQ(1, s.lookStrafe);
    EXPECT_EQ(dialogModes::speechOnly, s.dialogMode);
    bench.open(gameOptionsPage, [](FakePage& page) {
        EXPECT_FALSE(page.checked(IDC_ALWAYS_RUN));
        EXPECT_TRUE(page.checked(IDC_CROSSHAIR_TRIAD) && page.checked(IDC_DIALOG_SPEECH_ONLY));
        page.command(IDM_WELCOME);
    });
}

TEST(MapSelectPage, TheListFollowsItsBoxesAndLeavingKeepsTheSelectedLevel) {
    Bench bench;
    const LaunchSettings& s = bench.app.settings;
    bench.open(mapSelectPage, [](FakePage& page) {
        EXPECT_EQ(sortedLevels(true, false), page.entries(IDC_LEVEL_LIST));
        EXPECT_FALSE(page.enabled(IDC_SELECT_MAP));
        page.click(IDC_LIST_DEATHMATCH_LEVELS);
        EXPECT_EQ(sortedLevels(true, true), page.entries(IDC_LEVEL_LIST));
        page.listSelect(IDC_LEVEL_LIST, 51);
        page.click(IDC_NEXT);
    });
    EXPECT_EQ(51, s.levelIndex);
    EXPECT_EQ(sortedLevels(true, true)[51], fieldText(s.mapName));
    bench.open(mapSelectPage, [](FakePage& page) {
        EXPECT_EQ(51, page.listSelection(IDC_LEVEL_LIST));
        page.click(IDC_LIST_SINGLE_PLAYER_LEVELS); // off and on: the list keeps no selection
        page.click(IDC_LIST_SINGLE_PLAYER_LEVELS);
        EXPECT_EQ(-1, page.listSelection(IDC_LEVEL_LIST));
        page.click(IDC_NEXT);
    });
    EXPECT_EQ(0, s.levelIndex) << "nothing selected takes the first";
    EXPECT_EQ(sortedLevels(true, true)[0], fieldText(s.mapName));
    bench.open(mapSelectPage, [](FakePage& page) {
        page.click(IDC_LIST_SINGLE_PLAYER_LEVELS);
        page.click(IDC_LIST_DEATHMATCH_LEVELS);
        EXPECT_EQ(0, page.listCount(IDC_LEVEL_LIST));
        page.command(IDM_WELCOME);
    });
    EXPECT_EQ("", fieldText(s.mapName)) << "an empty list, no name";
}

// A level file stays chosen on later visits, even with both list boxes off, until another is.
TEST(MapSelectPage, AUserMadeLevelIsTheFileNameWithoutBspStaysChosenAndAnythingElseIsRefused) {
    Bench bench;
    bench.desktop.chosenFiles = {"D:\\levels\\arena2.bsp",
                                 "D:\\levels\\notes.txt",
                                 "D:\\levels\\.BSP",
                                 "D:\\levels\\" + std::string(80, 'x') + ".bsp",
                                 std::nullopt,
                                 "D:\\Levels\\Arena3.BSP"};
    bench.open(mapSelectPage, [&](FakePage& page) {
        page.click(IDC_LIST_SINGLE_PLAYER_LEVELS); // both list boxes off
        page.click(IDC_USER_LEVELS);
        EXPECT_FALSE(page.enabled(IDC_LEVEL_LIST) || page.enabled(IDC_LIST_SINGLE_PLAYER_LEVELS));
        for (int i = 0; i < 5; ++i)
            page.click(IDC_SELECT_MAP);
        page.click(IDC_NEXT);
    });
    EXPECT_EQ("arena2", fieldText(bench.app.settings.mapName));
    bench.open(mapSelectPage, [&](FakePage& page) { page.click(IDC_NEXT); });
    EXPECT_EQ("arena2", fieldText(bench.app.settings.mapName));
    bench.open(mapSelectPage, [&](FakePage& page) {
        page.click(IDC_SELECT_MAP);
        page.click(IDC_NEXT);
    });
    EXPECT_EQ("Arena3", fieldText(bench.app.settings.mapName));
    std::vector<std::string> errors;
    for (const MessageBoxShown& box : bench.desktop.messageBoxes)
        errors.push_back(box.text);
    EXPECT_EQ((std::vector<std::string>{std::string(levelMessages::notALevel),
                                        std::string(levelMessages::notALevel),
                                        std::string(levelMessages::nameTooLong)}),
              errors);
}

// Values a settings file from elsewhere may hold: each opens with nothing of its group
// checked, never reads outside a table, and the chain does not move on a game type it does
// not know.
TEST(SetupPages, DamagedChoicesOpenWithNothingCheckedAndIndexNothingOutOfRange) {
    Bench bench;
    LaunchSettings& s = bench.app.settings;
    s.gameType = 33;
    s.skillLevel = 403;
    s.crosshair = -700;
    s.dialogMode = INT_MAX;
    s.levelSource = 7;
    s.levelIndex = INT_MIN;
    bench.desktop.answers.push_back(MessageAnswer::yes);
    EXPECT_EQ(0, bench.open(gameTypePage, [](FakePage& page) {
        for (int id : {IDC_SINGLE_PLAYER, IDC_DEATHMATCH, IDC_SKILL_ROOKIE, IDC_SKILL_IRONCLAD})
            EXPECT_FALSE(page.checked(id)) << id;
        EXPECT_TRUE(page.enabled(IDC_SKILL_GROUP) && page.enabled(IDC_SKILL_ROOKIE));
        page.click(IDC_NEXT);
        EXPECT_FALSE(page.ended()) << "Next waits for a game type";
        page.click(IDC_CLOSE);
    }));
    bench.open(gameOptionsPage, [](FakePage& page) {
        for (int id = IDC_CROSSHAIR_NONE; id <= IDC_CROSSHAIR_DOT; ++id)
            EXPECT_FALSE(page.checked(id)) << id;
        for (int id = IDC_DIALOG_SPEECH_AND_TEXT; id <= IDC_DIALOG_OFF; ++id)
            EXPECT_FALSE(page.checked(id)) << id;
        page.command(IDM_MAP_SELECT);
    });
    bench.open(mapSelectPage, [](FakePage& page) {
        EXPECT_FALSE(page.checked(IDC_RETAIL_LEVELS) || page.checked(IDC_USER_LEVELS));
        EXPECT_FALSE(page.enabled(IDC_LEVEL_LIST)) << "an unknown source is a file of one's own";
        EXPECT_EQ(-1, page.listSelection(IDC_LEVEL_LIST));
        page.click(IDC_RETAIL_LEVELS);
        page.click(IDC_NEXT); // a huge index selects nothing: the first level is taken
    });
    EXPECT_EQ("citadel1", fieldText(s.mapName));
}
