// The deathmatch pages: player setup, multiplayer setup and server options. What they store
// is read where the player would see it: on the page when it opens again, and in the option
// text of the option text page.
#include "app/app_state.h"
#include "walk.h"

#include <climits>

using namespace pageIds;

namespace {

LaunchSettings deathmatch(int32_t mode) {
    LaunchSettings s{};
    applyStartupValues(s);
    s.gameType = 22;
    s.multiplayerMode = mode;
    return s;
}

// A later start with this record loaded on the welcome page.
struct DeathmatchWalk : Walk {
    explicit DeathmatchWalk(const LaunchSettings& s) {
        gameLocatedAt("C:\\GAMES\\ZAT\\");
        passSplash();
        loadOnWelcome(s);
    }
    // Leaves a page for the option text page by command 307, keeps the option text it shows
    // and goes on with the given navigation command.
    void optionsThen(int from, std::string& options, int then) {
        command(from, 307);
        on(optionText, [&options, then](FakePage& page) {
            options = page.text(600);
            page.command(then);
        });
    }
};

int32_t dmflagsIn(const std::string& options) {
    const std::size_t at = options.find(" +set dmflags ");
    return at == std::string::npos ? INT_MIN : std::stoi(options.substr(at + 14));
}

bool has(const std::string& options, std::string_view fragment) {
    return options.find(fragment) != std::string::npos;
}

std::vector<int> shownLists(FakePage& page) {
    std::vector<int> shown;
    for (int list : {700, 701, 702})
        if (page.visible(list))
            shown.push_back(list);
    return shown;
}

constexpr int kInvertedBoxes[] = {504, 800, 500, 503, 808, 809};
constexpr int32_t kInvertedBits = 0x1 | 0x2 | 0x8 | 0x800 | 0x2000 | 0x10000;
constexpr int kOtherMaskBoxes[] = {501, 508, 803, 804, 802, 507, 502, 801, 805};
constexpr int32_t kOtherBits = 0x4 | 0x10 | 0x20 | 0x100 | 0x200 | 0x400 | 0x1000 | 0x4000 | 0x8000;

} // namespace

TEST(PlayerSetup, OneSkinListShowsAndTheStoredIndexStaysWithinIt) {
    DeathmatchWalk walk(deathmatch(200));
    walk.click(welcome, 100);
    walk.click(gameType, 100);
    walk.on(playerSetup, [](FakePage& page) {
        EXPECT_EQ(std::vector<int>{700}, shownLists(page));
        EXPECT_EQ(0, page.listSelection(700));
        page.click(502);
        page.listSelect(702, 6);
        page.click(100);
    });
    walk.on(multiplayer, [](FakePage& page) {
        EXPECT_TRUE(page.enabled(201)) << "the address of the server to join";
        page.click(101);
    });
    walk.on(playerSetup, [](FakePage& page) {
        EXPECT_EQ(6, page.listSelection(702)) << "Tov_Base7 stored";
        page.click(500); // Rook has six skins: the stored index comes down to his last
        EXPECT_EQ(5, page.listSelection(700));
        page.click(501);
        page.listSelect(701, 3);
        page.click(502);
        page.click(501); // Mira's list shows the stored skin, not the one selected before
        EXPECT_EQ(std::vector<int>{701}, shownLists(page));
        EXPECT_EQ(5, page.listSelection(701));
        page.listSelect(701, -1);
    });
    std::string options;
    walk.optionsThen(playerSetup, options, 300);
    walk.closeOn(welcome);
    walk.run();
    EXPECT_TRUE(has(options, " +set model pl_mira +set skin Mira_Base "))
        << "nothing selected stores the first skin: " << options;
}

TEST(ServerOptions, TheRuleMaskKeepsBitsItDoesNotOwnOverManyVisits) {
    LaunchSettings s = deathmatch(202);
    const int32_t highBits = static_cast<int32_t>(0xFFFE0000u);
    s.dmflags = highBits;
    DeathmatchWalk walk(s);
    walk.command(welcome, 303);
    std::vector<std::string> options(6);
    walk.optionsThen(serverOptions, options[0], 303);
    walk.on(serverOptions, [](FakePage& page) {
        for (int id : kInvertedBoxes)
            page.click(id);
    });
    walk.optionsThen(serverOptions, options[1], 303);
    walk.on(serverOptions, [](FakePage& page) {
        for (int id : kInvertedBoxes)
            page.click(id);
        for (int id : kOtherMaskBoxes)
            page.click(id);
        page.click(900);
        page.click(807);
    });
    walk.optionsThen(serverOptions, options[2], 303);
    walk.on(serverOptions, [](FakePage& page) { page.click(806); });
    walk.optionsThen(serverOptions, options[3], 303);
    walk.on(serverOptions, [](FakePage& page) {
        page.click(900); // off: the skin teams bit goes at once, the radio keeps its mark
        EXPECT_FALSE(page.enabled(806));
    });
    walk.optionsThen(serverOptions, options[4], 303);
    walk.on(serverOptions, [](FakePage& page) {
        EXPECT_TRUE(page.checked(806) && !page.checked(900) && !page.enabled(806));
        page.click(900);
        EXPECT_TRUE(page.enabled(806) && page.enabled(807));
    });
    for (int visit = 0; visit < 10; ++visit) {
        walk.click(serverOptions, 101);
        walk.click(multiplayer, 100);
    }
    walk.optionsThen(serverOptions, options[5], 300);
    walk.closeOn(welcome);
    walk.run();
    const int32_t expected[] = {highBits,
                                highBits | kInvertedBits,
                                highBits | kOtherBits | 0x80,
                                highBits | kOtherBits | 0x40,
                                highBits | kOtherBits,
                                highBits | kOtherBits | 0x40};
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(expected[i], dmflagsIn(options[i])) << i << ": " << options[i];
}

TEST(ServerOptions, ALimitFieldIsEnabledByItsBoxAndKeepsItsTextWhileDisabled) {
    DeathmatchWalk walk(deathmatch(202));
    walk.command(welcome, 303);
    walk.on(serverOptions, [](FakePage& page) {
        EXPECT_FALSE(page.enabled(600));
        page.click(510);
        page.typeText(600, "45");
        page.click(510);
        EXPECT_FALSE(page.enabled(600));
    });
    std::string options;
    walk.optionsThen(serverOptions, options, 303);
    walk.on(serverOptions, [](FakePage& page) { EXPECT_EQ("45", page.text(600)); });
    walk.closeOn(serverOptions);
    walk.run();
    EXPECT_FALSE(has(options, "timelimit")) << options;
}

// Records no page wrote: values that name no control, every bit of the mask, texts that fill
// their whole fields without a terminator.
TEST(DeathmatchPages, DamagedRecordsOpenAndStoreWithinTheirFields) {
    LaunchSettings s = deathmatch(5);
    s.playerModel = 7;
    s.handedness = -1;
    s.skinIndex = INT_MAX;
    s.dmflags = -1;
    s.teamPlay = 5;
    s.skinTeams = s.modelTeams = 1;
    s.timeLimitOn = 1;
    for (auto* text : {s.serverAddress, s.playerName, s.skinName})
        std::fill_n(text, 80, 'x');
    std::fill_n(s.hostName, sizeof s.hostName, 'h');
    std::fill_n(s.timeLimit, sizeof s.timeLimit, '9');
    DeathmatchWalk walk(s);
    walk.click(welcome, 100);
    walk.click(gameType, 100);
    walk.on(playerSetup, [](FakePage& page) {
        EXPECT_TRUE(shownLists(page).empty());
        EXPECT_FALSE(page.checked(500) || page.checked(501) || page.checked(502));
        EXPECT_EQ(80u, page.text(600).size());
        page.click(100);
    });
    walk.on(multiplayer, [](FakePage& page) {
        EXPECT_FALSE(page.checked(200) || page.checked(202) || page.enabled(201));
        page.click(202);
        page.click(100);
    });
    walk.on(serverOptions, [](FakePage& page) {
        EXPECT_FALSE(page.checked(900) || page.enabled(806)) << "team play is on only when 1";
    });
    std::string damaged;
    walk.optionsThen(serverOptions, damaged, 301);
    walk.click(gameType, 100);
    walk.on(playerSetup, [](FakePage& page) {
        page.click(501);
        EXPECT_EQ(5, page.listSelection(701)) << "a huge index comes down to Mira's last";
    });
    walk.closeOn(playerSetup);
    walk.run();
    const std::string x15(15, 'x');
    EXPECT_TRUE(
        has(damaged, " +set name " + x15 + " +set skin " + std::string(80, 'x') + " +set dmflags"))
        << damaged;
    EXPECT_EQ(-1 & ~(kInvertedBits | kOtherBits), dmflagsIn(damaged))
        << "team bits untouched with team play off";
    EXPECT_TRUE(has(damaged, " +set hostname " + std::string(15, 'h') + " +set timelimit 99999 "));
}
