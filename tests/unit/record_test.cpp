#include "settings/launch_settings.h"
#include "settings/text_field.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(Record, StartupValuesLeaveTheGameLocationAlone) {
    LaunchSettings s{};
    s.locateGamePending = 1;
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
    applyStartupValues(s);
    EXPECT_EQ(1, s.locateGamePending);
    EXPECT_EQ("C:\\GAMES\\ZAT\\", fieldText(s.gameDirectory));
    EXPECT_EQ("", fieldText(s.mapName));
}

TEST(TextField, ReadingStopsAtTheFieldEdgeWithoutATerminator) {
    LaunchSettings s{};
    std::memset(s.timeLimit, '7', sizeof s.timeLimit);
    std::memset(s.fragLimit, '8', sizeof s.fragLimit);
    EXPECT_EQ(std::string(10, '7'), fieldText(s.timeLimit));
}

TEST(TextField, StoringKeepsTheOldTailAndRefusesWhatDoesNotFit) {
    LaunchSettings s{};
    storeFieldText(s.playerName, "Commander");
    storeFieldText(s.playerName, "Rook");
    EXPECT_EQ("Rook", fieldText(s.playerName));
    EXPECT_EQ(0, std::memcmp(s.playerName + 5, "nder", 5)) << "tail bytes are left as they were";

    std::memset(s.fragLimit, 'x', sizeof s.fragLimit);
    EXPECT_FALSE(storeFieldText(s.timeLimit, "0123456789"));
    EXPECT_TRUE(storeFieldText(s.timeLimit, "012345678"));
    EXPECT_EQ(std::string(10, 'x'), std::string(s.fragLimit, 10)) << "neighbour untouched";

    storeFieldTextCut(s.serverAddress, std::string(60, 'a'), 39);
    EXPECT_EQ(39u, fieldText(s.serverAddress).size());
    storeFieldTextCut(s.maxPlayers, std::string(60, 'b'), 500);
    EXPECT_EQ(9u, fieldText(s.maxPlayers).size());
}
