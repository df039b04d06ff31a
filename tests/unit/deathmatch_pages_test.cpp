// The deathmatch pages: player setup, multiplayer setup and server options, each opened by
// itself; what they store is read from the record.
#include "settings/name_tables.h"
#include "walk.h"

namespace {

std::vector<int> shownLists(FakePage& page) {
    std::vector<int> shown;
    for (int list : {IDC_SKINS_ROOK, IDC_SKINS_MIRA, IDC_SKINS_TOV})
        if (page.visible(list))
            shown.push_back(list);
    return shown;
}

constexpr int kInvertedBoxes[] = {IDC_ALLOW_HEALTH, IDC_ALLOW_POWERUPS, IDC_FALLING_DAMAGE,
                                  IDC_ALLOW_ARMOR,  IDC_ALLOW_EXIT,     IDC_FUMBLE_WEAPONS};
constexpr int32_t kInvertedBits = 0x1 | 0x2 | 0x8 | 0x800 | 0x2000 | 0x10000;
constexpr int kOtherMaskBoxes[] = {IDC_WEAPONS_STAY,       IDC_INSTANT_POWERUPS, IDC_SAME_MAP,
                                   IDC_FRIENDLY_FIRE,      IDC_SPAWN_FARTHEST,   IDC_FORCE_RESPAWN,
                                   IDC_FAST_WEAPON_SWITCH, IDC_INFINITE_AMMO,    IDC_FIXED_FOV};
constexpr int32_t kOtherBits = 0x4 | 0x10 | 0x20 | 0x100 | 0x200 | 0x400 | 0x1000 | 0x4000 | 0x8000;

} // namespace

TEST(DeathmatchPages, OneSkinListShowsNothingSelectedStoresTheFirstSkinAndTheAddressIsForJoining) {
    Bench bench;
    LaunchSettings& s = bench.app.settings;
    s.playerModel = playerModels::tov;
    s.skinIndex = 40;
    bench.open(playerSetupPage, [&](FakePage& page) {
        EXPECT_EQ(std::vector<int>{IDC_SKINS_TOV}, shownLists(page));
        EXPECT_EQ(-1, page.listSelection(IDC_SKINS_TOV)) << "Tov keeps an index beyond its list";
        EXPECT_EQ(40, s.skinIndex);
        page.click(IDC_MODEL_ROOK);
        EXPECT_EQ(5, page.listSelection(IDC_SKINS_ROOK)) << "Rook's is brought down to its last";
        page.click(IDC_MODEL_TOV);
        page.listSelect(IDC_SKINS_TOV, 6);
        page.click(IDC_NEXT);
    });
    EXPECT_EQ(6, s.skinIndex);
    EXPECT_EQ("Tov_Base7", fieldText(s.skinName));
    bench.open(playerSetupPage, [](FakePage& page) {
        EXPECT_EQ(6, page.listSelection(IDC_SKINS_TOV));
        page.click(IDC_MODEL_MIRA);
        page.listSelect(IDC_SKINS_MIRA, 3);
        page.click(IDC_MODEL_TOV);
        page.click(IDC_MODEL_MIRA); // Mira's list shows the stored skin, not the one selected
        EXPECT_EQ(std::vector<int>{IDC_SKINS_MIRA}, shownLists(page));
        EXPECT_EQ(5, page.listSelection(IDC_SKINS_MIRA));
        page.listSelect(IDC_SKINS_MIRA, -1);
        page.click(IDC_NEXT);
    });
    EXPECT_EQ("Mira_Base", fieldText(s.skinName));
    // The address is for joining; it keeps its text while disabled.
    bench.open(multiplayerPage, [](FakePage& page) {
        EXPECT_TRUE(page.enabled(IDC_SERVER_ADDRESS));
        page.typeText(IDC_SERVER_ADDRESS, "10.0.0.7");
        page.click(IDC_START_SERVER);
        EXPECT_FALSE(page.enabled(IDC_SERVER_ADDRESS));
        page.click(IDC_NEXT);
    });
    EXPECT_EQ("10.0.0.7", fieldText(s.serverAddress));
    // A model that names none (a record no page wrote) shows no list and keeps the skin.
    s.playerModel = 7;
    std::fill_n(s.skinName, 80, 'x');
    bench.open(playerSetupPage, [](FakePage& page) {
        EXPECT_TRUE(shownLists(page).empty());
        page.click(IDC_NEXT);
    });
    EXPECT_EQ(std::string(80, 'x'), fieldText(s.skinName));
}

TEST(ServerOptions, TheRuleMaskKeepsBitsItDoesNotOwnOverManyVisits) {
    Bench bench;
    const int32_t highBits = static_cast<int32_t>(0xFFFE0000u);
    bench.app.settings.dmflags = highBits;
    const auto visit = [&](std::function<void(FakePage&)> act) {
        bench.open(serverOptionsPage, [&](FakePage& page) {
            act(page);
            page.click(IDC_NEXT);
        });
        return bench.app.settings.dmflags;
    };
    // A limit's text is enabled by its box and kept while disabled.
    EXPECT_EQ(highBits, visit([](FakePage& page) {
                  EXPECT_FALSE(page.enabled(IDC_TIME_LIMIT));
                  page.click(IDC_TIME_LIMIT_ON);
                  page.typeText(IDC_TIME_LIMIT, "45");
                  page.click(IDC_TIME_LIMIT_ON);
                  EXPECT_FALSE(page.enabled(IDC_TIME_LIMIT));
                  page.click(IDC_DEDICATED);
              }));
    LaunchSettings& s = bench.app.settings;
    EXPECT_EQ(0, s.timeLimitOn);
    EXPECT_EQ("45", fieldText(s.timeLimit));
    EXPECT_EQ(1, s.dedicated);
    EXPECT_EQ(highBits | kInvertedBits, visit([](FakePage& page) {
                  for (int id : kInvertedBoxes)
                      page.click(id);
              }));
    EXPECT_EQ(highBits | kOtherBits | 0x80, visit([](FakePage& page) {
                  for (int id : kInvertedBoxes)
                      page.click(id);
                  for (int id : kOtherMaskBoxes)
                      page.click(id);
                  page.click(IDC_TEAM_PLAY);
                  page.click(IDC_MODEL_TEAMS);
              }));
    EXPECT_EQ(highBits | kOtherBits | 0x40,
              visit([](FakePage& page) { page.click(IDC_SKIN_TEAMS); }));
    EXPECT_EQ(highBits | kOtherBits, visit([](FakePage& page) {
                  page.click(IDC_TEAM_PLAY); // off: the team bit goes, the radio keeps its mark
                  EXPECT_FALSE(page.enabled(IDC_SKIN_TEAMS));
              }));
    for (int i = 0; i < 10; ++i)
        visit([](FakePage&) {});
    EXPECT_EQ(highBits | kOtherBits | 0x40, visit([](FakePage& page) {
                  EXPECT_TRUE(page.checked(IDC_SKIN_TEAMS) && !page.checked(IDC_TEAM_PLAY));
                  page.click(IDC_TEAM_PLAY);
                  EXPECT_TRUE(page.enabled(IDC_SKIN_TEAMS) && page.enabled(IDC_MODEL_TEAMS));
              }));
    // A record no page wrote: the team bits stay while team play is not exactly 1.
    s.teamPlay = 5;
    s.dmflags = -1;
    s.skinTeams = s.modelTeams = 0;
    EXPECT_EQ(-1 & ~kInvertedBits, visit([](FakePage&) {}));
}
