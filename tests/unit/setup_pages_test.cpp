// The game type, game options and map select pages, each opened by itself.
#include "settings/name_tables.h"
#include "walk.h"

#include <algorithm>
#include <climits>

namespace {

// Both level tables, as the sorted list shows them.
std::vector<std::string> allLevels() {
    std::vector<std::string> names(singlePlayerLevelNames.begin(), singlePlayerLevelNames.end());
    names.insert(names.end(), deathmatchLevelNames.begin(), deathmatchLevelNames.end());
    std::ranges::sort(names);
    return names;
}

} // namespace

// A game type that names no radio leaves the skill as the template has it and Next waits (what
// it checks the boundaries test shows); choosing one chooses its level list, and the skill
// applies to single player only. A level index far out of range, with a level source that
// names no radio, selects nothing and takes the first level.
TEST(GameTypePage, TheGameTypeChoosesItsLevelListAndSkillAppliesToSinglePlayerOnly) {
    Bench bench;
    LaunchSettings& s = bench.app.settings;
    s.gameType = 33;
    s.levelSource = 7;
    s.levelIndex = INT_MIN;
    s.listDeathmatchLevels = 1;
    EXPECT_EQ(IDD_GAME_OPTIONS, bench.open(gameTypePage, [&](FakePage& page) {
        EXPECT_TRUE(page.enabled(IDC_SKILL_GROUP) && page.enabled(IDC_SKILL_ROOKIE));
        page.click(IDC_NEXT);
        EXPECT_FALSE(page.ended()) << "Next waits for a game type";
        page.click(IDC_SKILL_OFFICER);
        page.click(IDC_DEATHMATCH);
        EXPECT_EQ(std::pair(0, 1), std::pair(s.listSinglePlayerLevels, s.listDeathmatchLevels));
        EXPECT_FALSE(page.enabled(IDC_SKILL_GROUP) || page.enabled(IDC_SKILL_IRONCLAD));
        page.click(IDC_SINGLE_PLAYER);
        page.click(IDC_SINGLE_PLAYER); // chosen again: its list only, still
        EXPECT_EQ(std::pair(1, 0), std::pair(s.listSinglePlayerLevels, s.listDeathmatchLevels));
        EXPECT_TRUE(page.enabled(IDC_SKILL_GROUP) && page.enabled(IDC_SKILL_OFFICER));
        page.click(IDC_NEXT);
    }));
    EXPECT_EQ(skillLevels::officer, s.skillLevel);
    bench.open(mapSelectPage, [](FakePage& page) {
        EXPECT_FALSE(page.enabled(IDC_LEVEL_LIST)) << "an unknown source is a file of one's own";
        EXPECT_EQ(-1, page.listSelection(IDC_LEVEL_LIST));
        page.click(IDC_RETAIL_LEVELS);
        page.click(IDC_NEXT);
    });
    EXPECT_EQ("citadel1", fieldText(s.mapName));
}

// Nothing selected takes the first level (the game type test), an empty list no name.
TEST(MapSelectPage, TheListFollowsItsBoxesLeavingKeepsTheLevelAndAUserMadeLevelStaysChosen) {
    Bench bench;
    const LaunchSettings& s = bench.app.settings;
    bench.open(mapSelectPage, [](FakePage& page) {
        EXPECT_EQ(std::ssize(singlePlayerLevelNames), page.listCount(IDC_LEVEL_LIST));
        page.click(IDC_LIST_DEATHMATCH_LEVELS);
        EXPECT_EQ(allLevels(), page.entries(IDC_LEVEL_LIST));
        page.listSelect(IDC_LEVEL_LIST, 51);
        page.click(IDC_NEXT);
    });
    EXPECT_EQ(51, s.levelIndex);
    EXPECT_EQ(allLevels()[51], fieldText(s.mapName));
    bench.open(mapSelectPage, [](FakePage& page) {
        EXPECT_EQ(51, page.listSelection(IDC_LEVEL_LIST));
        page.click(IDC_LIST_SINGLE_PLAYER_LEVELS); // off and on: the list keeps no selection
        page.click(IDC_LIST_SINGLE_PLAYER_LEVELS);
        page.click(IDC_NEXT);
    });
    EXPECT_EQ(0, s.levelIndex);
    bench.open(mapSelectPage, [](FakePage& page) {
        page.click(IDC_LIST_SINGLE_PLAYER_LEVELS);
        page.click(IDC_LIST_DEATHMATCH_LEVELS);
        EXPECT_EQ(0, page.listCount(IDC_LEVEL_LIST));
        page.command(IDM_WELCOME);
    });
    EXPECT_EQ("", fieldText(s.mapName));
    // A level file stays chosen on later visits, even with both list boxes off, until another
    // is; anything else is refused.
    bench.desktop.chosenFiles = {"D:\\levels\\arena2.bsp",
                                 "D:\\levels\\notes.txt",
                                 "D:\\levels\\.BSP",
                                 "D:\\levels\\" + std::string(80, 'x') + ".bsp",
                                 std::nullopt,
                                 "D:\\Levels\\Arena3.BSP"};
    bench.open(mapSelectPage, [&](FakePage& page) {
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
    ASSERT_EQ(3u, bench.desktop.messageBoxes.size());
    EXPECT_EQ(levelMessages::notALevel, bench.desktop.messageBoxes[0].text);
    EXPECT_EQ(levelMessages::notALevel, bench.desktop.messageBoxes[1].text);
    EXPECT_EQ(levelMessages::nameTooLong, bench.desktop.messageBoxes[2].text);
}
