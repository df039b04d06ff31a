#include "pages/level_tables.h"
#include "pages/skin_tables.h"
#include "video/video_tables.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

TEST(Tables, LevelNamesAreDistinctShortAndFitTheMapName) {
    std::set<std::string_view> seen;
    for (auto names : {std::span<const std::string_view>(singlePlayerLevelNames),
                       std::span<const std::string_view>(deathmatchLevelNames)})
        for (std::string_view name : names) {
            EXPECT_TRUE(seen.insert(name).second) << name << " appears twice";
            EXPECT_LT(name.size(), kLevelNameSlot);
            EXPECT_EQ(std::string_view::npos, name.find_first_of(" +\\/.")) << name;
        }
    EXPECT_EQ(52u, seen.size());
}

TEST(Tables, SkinsAndVideoNamesFitTheirSlots) {
    EXPECT_EQ(6u, skinNamesFor(500).size());
    EXPECT_EQ("Mira_Base3", skinNamesFor(501)[2]);
    EXPECT_EQ("Tov_Base7", skinNamesFor(502)[6]);
    EXPECT_TRUE(skinNamesFor(503).empty());
    for (int model : {500, 501, 502})
        for (std::string_view skin : skinNamesFor(model))
            EXPECT_LT(skin.size(), kSkinNameSlot);
    for (std::string_view name : videoDriverNames)
        EXPECT_LT(name.size(), kVideoDriverSlot);
    for (std::string_view name : videoModeNames)
        EXPECT_LT(name.size(), kVideoModeSlot);
    EXPECT_EQ("640 X 480", videoModeNames[4 - 1]);
}
