#include "launch/launch_command.h"
#include "settings/text_field.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

const std::string kFlags = " +set cl_run 1 +set m_filter 1 +set lookspring 1 +set lookstrafe 0"
                           " +set freelook 1";

// A player located and joining a deathmatch server (with a map and a dedicated server left
// over): each case changes what it needs, and what it does not send shows. A directory with a
// blank is quoted for the game to see it whole (one with a semicolon: the run page's test).
LaunchSettings joining() {
    LaunchSettings s = kStartupValues;
    storeFieldText(s.gameDirectory, "C:\\Zat Games\\");
    s.gameType = gameTypes::deathmatch;
    s.multiplayerMode = multiplayerModes::joinServer;
    s.dedicated = 1;
    storeFieldText(s.skinName, "Rook_Base");
    storeFieldText(s.serverAddress, "10.0.0.1;quit");
    storeFieldText(s.mapName, "dm_pit");
    return s;
}

} // namespace

// Record in, the launch command's switches and the option text out. A single player sends
// nothing of deathmatch; only a server sends a map; a choice no radio stands for sends
// nothing (any far off the full-field test shows); values lose what would start, end or quote a
// command of their own (plus signs, semicolons, quotation marks, control characters).
TEST(Composition, EachGameSendsItsOwnPartsFromExactValuesOnly) {
    const std::string player = " +set name Rook +set hand 0 +set model pl_rook +set skin Rook_Base";
    const struct {
        void (*set)(LaunchSettings&);
        std::string switches, options;
    } cases[] = {
        {[](LaunchSettings&) {}, " +set deathmatch 1",
         player + " +connect 10.0.0.1quit +set crosshair 1 +set dialog 3" + kFlags},
        {[](LaunchSettings& s) {
             s.gameType = gameTypes::singlePlayer;
             s.skillLevel = skillLevels::ironclad;
             s.dialogMode = dialogModes::off;
         },
         " +set deathmatch 0",
         " +set skill 2 +set crosshair 1 +set dialog 0" + kFlags + " +map dm_pit"},
        {[](LaunchSettings& s) {
             s.multiplayerMode = multiplayerModes::startServer;
             s.dmflags = INT32_MIN | 0x44;
             s.handedness = handedness::left;
             s.playerModel = playerModels::tov;
             s.crosshair = crosshairs::circle;
             s.dialogMode = dialogModes::speechOnly;
             s.timeLimitOn = 1;
             storeFieldText(s.timeLimit, "20\r\n\x7f");
             storeFieldText(s.fragLimit, "50"); // not switched on: not sent
             storeFieldText(s.playerName, "Rook+quit\t");
             storeFieldText(s.hostName, "Den\";set password x;\"");
         },
         " +set deathmatch 1 +dedicated 1",
         " +set name Rookquit +set hand 1 +set model pl_tov +set skin Rook_Base"
         " +set dmflags -2147483580"
         " +set allow_download 1 +set cheats 0 +set hostname Denset password x +set timelimit 20"
         " +set crosshair 3 +set dialog 2" +
             kFlags + " +map dm_pit"},
        {[](LaunchSettings& s) {
             storeFieldText(s.playerName, "++");
             storeFieldText(s.skinName, "");
             storeFieldText(s.serverAddress, "");
             s.crosshair = 706;
             s.dialogMode = 799;
         },
         " +set deathmatch 1", " +set hand 0 +set model pl_rook +set skin " + kFlags},
        // Neither joining nor starting a server: no server part and no map.
        {[](LaunchSettings& s) { s.multiplayerMode = 201; }, " +set deathmatch 1",
         player + " +set crosshair 1 +set dialog 3" + kFlags},
    };
    for (const auto& c : cases) {
        LaunchSettings s = joining();
        c.set(s);
        const GameLaunch line = composeGameLaunch(s);
        EXPECT_EQ("\"C:\\Zat Games\\zat.exe\"" + c.switches +
                      " +exec \"C:\\Zat Games\\base\\zatstart.cfg\"",
                  line.launchCommand);
        EXPECT_EQ(c.options, line.optionText);
    }
}

// A damaged file may hold no terminator and any number anywhere: each field is still read
// only to its edge, a flag or dedicated server holding neither 0 nor 1 is off, and the longest
// option text fits what the option text page takes back.
TEST(Composition, EveryTextFieldFullIsReadOnlyToItsEdge) {
    LaunchSettings s;
    std::memset(&s, 'x', sizeof s); // every number too: no choice, no flag
    s.gameType = gameTypes::deathmatch;
    s.multiplayerMode = multiplayerModes::startServer;
    s.timeLimitOn = s.fragLimitOn = s.maxPlayersOn = 1;
    std::memset(s.timeLimit, 't', sizeof s.timeLimit); // each limit its own letter
    std::memset(s.fragLimit, 'f', sizeof s.fragLimit);
    std::memset(s.maxPlayers, 'm', sizeof s.maxPlayers);
    const GameLaunch line = composeGameLaunch(s);
    const auto x = [](std::size_t count) { return std::string(count, 'x'); };
    EXPECT_EQ(x(200) + "zat.exe +set deathmatch 1 +exec " + x(200) + "base\\zatstart.cfg",
              line.launchCommand);
    EXPECT_EQ(" +set name " + x(80) + " +set skin " + x(80) +
                  " +set dmflags 2021161080 +set allow_download 0 +set cheats 0 +set hostname " +
                  x(82) + " +set timelimit tttttttttt +set fraglimit ffffffffff" +
                  " +set maxclients mmmmmmmmmm" +
                  " +set cl_run 0 +set m_filter 0 +set lookspring 0 +set lookstrafe 0"
                  " +set freelook 0 +map " +
                  x(80),
              line.optionText);
    EXPECT_LE(line.optionText.size(), kOptionTextLimit);
}
