#include "launch/launch_command.h"
#include "settings/text_field.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

const std::string kGameFlags = " +set crosshair 1 +set dialog 3 +set cl_run 1 +set m_filter 1"
                               " +set lookspring 1 +set lookstrafe 0 +set freelook 1";

LaunchSettings startup() {
    LaunchSettings s{};
    applyStartupValues(s);
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
    return s;
}

LaunchSettings deathmatch(int32_t mode) {
    LaunchSettings s = startup();
    s.gameType = gameTypes::deathmatch;
    s.multiplayerMode = mode;
    storeFieldText(s.skinName, "Rook_Base");
    return s;
}

} // namespace

// A single player game sends its skill and map, and nothing of deathmatch whatever those
// fields hold.
TEST(Composition, SinglePlayerWithALevel) {
    LaunchSettings s = deathmatch(multiplayerModes::startServer);
    s.gameType = gameTypes::singlePlayer;
    s.dedicated = 1;
    storeFieldText(s.serverAddress, "10.0.0.1");
    storeFieldText(s.mapName, "intake1");
    const GameLaunch line = composeGameLaunch(s);
    EXPECT_EQ("C:\\GAMES\\ZAT\\zat.exe +set deathmatch 0 +exec C:\\GAMES\\ZAT\\base\\zatstart.cfg",
              line.launchCommand);
    EXPECT_EQ(" +set skill 0" + kGameFlags + " +map intake1", line.optionText);
    s.skillLevel = skillLevels::ironclad;
    s.dialogMode = dialogModes::off;
    EXPECT_EQ(
        0u, composeGameLaunch(s).optionText.find(" +set skill 2 +set crosshair 1 +set dialog 0 "));
}

TEST(Composition, DeathmatchJoiningAServer) {
    LaunchSettings s = deathmatch(multiplayerModes::joinServer);
    storeFieldText(s.serverAddress, "192.168.1.20");
    storeFieldText(s.mapName, "dm_pit");
    EXPECT_EQ(" +set name Rook +set hand 0 +set model pl_rook +set skin Rook_Base"
              " +connect 192.168.1.20" +
                  kGameFlags,
              composeGameLaunch(s).optionText)
        << "a player who joins sends no map";
}

TEST(Composition, DeathmatchStartingADedicatedServer) {
    LaunchSettings s = deathmatch(multiplayerModes::startServer);
    s.dedicated = 1;
    s.dmflags = 0x4 | 0x40;
    s.handedness = handedness::left;
    s.playerModel = playerModels::tov;
    s.crosshair = crosshairs::circle;
    s.dialogMode = dialogModes::speechOnly;
    s.timeLimitOn = 1;
    storeFieldText(s.timeLimit, "20");
    storeFieldText(s.fragLimit, "50"); // not switched on: not sent
    storeFieldText(s.hostName, "Rook's Den");
    storeFieldText(s.mapName, "dm_forge");
    EXPECT_EQ(" +set name Rook +set hand 1 +set model pl_tov +set skin Rook_Base"
              " +set dmflags 68 +set allow_download 1 +set cheats 0 +set hostname Rook's Den"
              " +set timelimit 20 +set crosshair 3 +set dialog 2 +set cl_run 1 +set m_filter 1"
              " +set lookspring 1 +set lookstrafe 0 +set freelook 1 +map dm_forge",
              composeGameLaunch(s).optionText);
}

TEST(Composition, EmptyValuesAndUnknownChoices) {
    LaunchSettings s = deathmatch(multiplayerModes::joinServer);
    storeFieldText(s.playerName, "");
    storeFieldText(s.skinName, "");
    s.handedness = 0;
    s.playerModel = 9;
    s.crosshair = 706;
    s.dialogMode = 799;
    s.alwaysRun = 2; // only exactly 1 counts
    EXPECT_EQ(" +set skin  +set cl_run 0 +set m_filter 1 +set lookspring 1 +set lookstrafe 0"
              " +set freelook 1",
              composeGameLaunch(s).optionText);

    s.multiplayerMode = 201; // neither joining nor starting: no server part, no map
    storeFieldText(s.mapName, "dm_pit");
    EXPECT_EQ(std::string::npos, composeGameLaunch(s).optionText.find("+map"));

    // A server with everything off still sends its four settings; a dedicated flag of 2 is off.
    s.multiplayerMode = multiplayerModes::startServer;
    s.allowDownloads = 0;
    s.dedicated = 2;
    EXPECT_EQ(std::string::npos, composeGameLaunch(s).launchCommand.find("+dedicated"));
    s.dmflags = INT32_MIN;
    EXPECT_NE(std::string::npos,
              composeGameLaunch(s).optionText.find(" +set dmflags -2147483648 +set allow_download 0"
                                                   " +set cheats 0 +set hostname  +set cl_run 0"));
}

TEST(Composition, EveryTextFieldFullFitsTheOptionTextLimitAndNeverReadsPastAField) {
    LaunchSettings s = deathmatch(multiplayerModes::startServer);
    s.timeLimitOn = s.fragLimitOn = s.maxPlayersOn = 1;
    // No terminators anywhere: each field must still be read only to its edge.
    std::memset(s.gameDirectory, 'g', sizeof s.gameDirectory);
    std::memset(s.serverAddress, 'a', sizeof s.serverAddress);
    std::memset(s.mapName, 'm', sizeof s.mapName);
    std::memset(s.playerName, 'n', sizeof s.playerName);
    std::memset(s.skinName, 's', sizeof s.skinName);
    std::memset(s.timeLimit, 't', sizeof s.timeLimit);
    std::memset(s.fragLimit, 'f', sizeof s.fragLimit);
    std::memset(s.maxPlayers, 'x', sizeof s.maxPlayers);
    std::memset(s.hostName, 'h', sizeof s.hostName);
    const GameLaunch line = composeGameLaunch(s);
    EXPECT_NE(std::string::npos, line.optionText.find(" +set name " + std::string(80, 'n') + " "));
    EXPECT_NE(std::string::npos,
              line.optionText.find(" +set hostname " + std::string(82, 'h') + " "));
    EXPECT_NE(std::string::npos, line.optionText.find(" +map " + std::string(80, 'm')));
    EXPECT_NE(std::string::npos,
              line.optionText.find(" +set timelimit " + std::string(10, 't') + " +set fraglimit " +
                                   std::string(10, 'f') + " +set maxclients " +
                                   std::string(10, 'x') + " "));
    EXPECT_LE(line.optionText.size(), kOptionTextLimit);
    const std::string dir(200, 'g');
    EXPECT_EQ(dir + "zat.exe +set deathmatch 1 +exec " + dir + "base\\zatstart.cfg",
              line.launchCommand);
}

// A semicolon would end the exec command inside the path.
TEST(Composition, ALongFormDirectoryWithBlanksOrSemicolonsIsQuotedSoTheGameSeesWholePaths) {
    LaunchSettings s = startup();
    storeFieldText(s.gameDirectory, "C:\\Program Files\\Zat\\");
    EXPECT_EQ("\"C:\\Program Files\\Zat\\zat.exe\" +set deathmatch 0"
              " +exec \"C:\\Program Files\\Zat\\base\\zatstart.cfg\"",
              composeGameLaunch(s).launchCommand);
    storeFieldText(s.gameDirectory, "C:\\a;quit\\");
    EXPECT_EQ("\"C:\\a;quit\\zat.exe\" +set deathmatch 0 +exec \"C:\\a;quit\\base\\zatstart.cfg\"",
              composeGameLaunch(s).launchCommand);
}

// No value may end a command (plus sign, semicolon, line break), open a quoted argument or hold
// any other control character; the fuzz corpus's injection records hold them in every field.
TEST(Composition, ValuesFromTheRecordCannotStartCommandsOfTheirOwn) {
    LaunchSettings s = deathmatch(multiplayerModes::joinServer);
    storeFieldText(s.serverAddress, "host;exec evil.cfg+connect 6.6.6.6");
    storeFieldText(s.playerName, "++");
    const std::string joining = composeGameLaunch(s).optionText;
    EXPECT_EQ(0u, joining.find(" +set hand 0")) << "a name of plus signs only sends no name";
    EXPECT_NE(std::string::npos, joining.find(" +connect hostexec evil.cfgconnect 6.6.6.6 +set"));

    s.multiplayerMode = multiplayerModes::startServer;
    s.timeLimitOn = s.fragLimitOn = s.maxPlayersOn = 1;
    storeFieldText(s.playerName, "Rook;quit\t");
    storeFieldText(s.hostName, "Den\";set password x;\"");
    storeFieldText(s.timeLimit, "20;\x7f");
    storeFieldText(s.fragLimit, "\"5\"");
    storeFieldText(s.maxPlayers, "8\r\n\x01");
    storeFieldText(s.mapName, "dm_pit;exec x");
    const std::string serving = composeGameLaunch(s).optionText;
    EXPECT_EQ(0u, serving.find(" +set name Rookquit +set hand 0"));
    EXPECT_NE(std::string::npos, serving.find(" +set hostname Denset password x +set timelimit 20"
                                              " +set fraglimit 5 +set maxclients 8 +set"));
    EXPECT_NE(std::string::npos, serving.find(" +map dm_pitexec x"));
}
