#include "launch/launch_command.h"

#include "settings/choices.h"
#include "settings/text_field.h"

#include <string_view>

namespace {

// A value taken from the record, without the characters that would make it a console command
// of its own in the game config file (a plus sign, a semicolon, a line break) or open a quoted
// argument (a quotation mark), nor any other control character.
bool endsOrQuotesACommand(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '+' || c == ';' || c == '"' || byte < 0x20 || byte == 0x7f;
}

std::string withoutCommandStarts(std::string_view field) {
    std::string value;
    value.reserve(field.size());
    for (const char c : field)
        if (!endsOrQuotesACommand(c))
            value += c;
    return value;
}

template <std::size_t N> std::string valueOf(const char (&field)[N]) {
    return withoutCommandStarts(fieldText(field));
}

// " +set <name> <0 or 1>" from a flag that counts only when it is exactly 1.
std::string flagFragment(std::string_view name, int32_t flag) {
    return std::string(" +set ") + std::string(name) + (flag == 1 ? " 1" : " 0");
}

// A choice field stored as a control id maps to one fragment, or none for unknown ids.
template <std::size_t N>
void appendChoice(std::string& out, int32_t value, const int32_t (&ids)[N],
                  const std::string_view (&fragments)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (ids[i] == value)
            out += fragments[i];
}

void appendPlayer(std::string& options, const LaunchSettings& s) {
    if (const std::string name = valueOf(s.playerName); !name.empty())
        options += " +set name " + name;
    appendChoice(options, s.handedness, {handedness::left, handedness::center, handedness::right},
                 {" +set hand 1", " +set hand 2", " +set hand 0"});
    appendChoice(options, s.playerModel,
                 {playerModels::rook, playerModels::mira, playerModels::tov},
                 {" +set model pl_rook", " +set model pl_mira", " +set model pl_tov"});
    options += " +set skin " + valueOf(s.skinName);
}

void appendServer(GameLaunch& line, const LaunchSettings& s) {
    std::string& options = line.optionText;
    if (s.multiplayerMode == multiplayerModes::joinServer) {
        if (const std::string address = valueOf(s.serverAddress); !address.empty())
            options += " +connect " + address;
        return;
    }
    if (s.multiplayerMode != multiplayerModes::startServer)
        return;
    (options += " +set dmflags ") += std::to_string(s.dmflags);
    if (s.dedicated == 1)
        line.launchCommand += " +dedicated 1";
    options += flagFragment("allow_download", s.allowDownloads);
    options += flagFragment("cheats", s.allowCheats);
    options += " +set hostname " + valueOf(s.hostName);
    if (s.timeLimitOn == 1)
        options += " +set timelimit " + valueOf(s.timeLimit);
    if (s.fragLimitOn == 1)
        options += " +set fraglimit " + valueOf(s.fragLimit);
    if (s.maxPlayersOn == 1)
        options += " +set maxclients " + valueOf(s.maxPlayers);
}

// A long-form directory may hold blanks or semicolons; the game then needs the path quoted to
// see it whole and as one command.
std::string asOneWord(std::string path) {
    return path.find_first_of(" ;") == std::string::npos ? path : '"' + path + '"';
}

} // namespace

GameLaunch composeGameLaunch(const LaunchSettings& s) {
    GameLaunch line;
    std::string& options = line.optionText;
    const std::string_view directory = fieldText(s.gameDirectory);
    line.launchCommand = asOneWord(std::string(directory) + "zat.exe");

    if (s.gameType == gameTypes::singlePlayer) {
        line.launchCommand += " +set deathmatch 0";
        appendChoice(options, s.skillLevel,
                     {skillLevels::rookie, skillLevels::officer, skillLevels::ironclad},
                     {" +set skill 0", " +set skill 1", " +set skill 2"});
    } else {
        line.launchCommand += " +set deathmatch 1";
        appendPlayer(options, s);
    }
    if (s.gameType == gameTypes::deathmatch)
        appendServer(line, s);

    if (s.crosshair >= crosshairs::none && s.crosshair <= crosshairs::dot)
        options += " +set crosshair " + std::to_string(s.crosshair - crosshairs::none);
    if (s.dialogMode >= dialogModes::speechAndText && s.dialogMode <= dialogModes::off)
        options += " +set dialog " + std::to_string(dialogModes::off - s.dialogMode);
    options += flagFragment("cl_run", s.alwaysRun);
    options += flagFragment("m_filter", s.mouseFilter);
    options += flagFragment("lookspring", s.lookSpring);
    options += flagFragment("lookstrafe", s.lookStrafe);
    options += flagFragment("freelook", s.freeLook);

    const std::string map = valueOf(s.mapName);
    if ((s.multiplayerMode == multiplayerModes::startServer ||
         s.gameType == gameTypes::singlePlayer) &&
        !map.empty())
        options += " +map " + map;

    line.launchCommand += " +exec " + asOneWord(std::string(directory) + "base\\zatstart.cfg");
    return line;
}

std::optional<std::uint32_t> startGame(Desktop& desktop, const std::string& directory,
                                       const GameLaunch& line,
                                       const std::function<void()>& started) {
    return desktop.runProgram(directory + "zat.exe", line.launchCommand, directory, started);
}
