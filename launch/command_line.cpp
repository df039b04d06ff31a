#include "launch/command_line.h"

#include "settings/text_field.h"

#include <string_view>

namespace {

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
    if (!fieldText(s.playerName).empty())
        (options += " +set name ") += fieldText(s.playerName);
    appendChoice(options, s.handedness, {510, 511, 512},
                 {" +set hand 1", " +set hand 2", " +set hand 0"});
    appendChoice(options, s.playerModel, {500, 501, 502},
                 {" +set model pl_rook", " +set model pl_mira", " +set model pl_tov"});
    (options += " +set skin ") += fieldText(s.skinName);
}

void appendServer(CommandLine& line, const LaunchSettings& s) {
    std::string& options = line.optionText;
    if (s.multiplayerMode == 200) {
        if (!fieldText(s.serverAddress).empty())
            (options += " +connect ") += fieldText(s.serverAddress);
        return;
    }
    if (s.multiplayerMode != 202)
        return;
    (options += " +set dmflags ") += std::to_string(s.dmflags);
    if (s.dedicated == 1)
        line.launchCommand += " +dedicated 1";
    options += flagFragment("allow_download", s.allowDownloads);
    options += flagFragment("cheats", s.allowCheats);
    (options += " +set hostname ") += fieldText(s.hostName);
    if (s.timeLimitOn == 1)
        (options += " +set timelimit ") += fieldText(s.timeLimit);
    if (s.fragLimitOn == 1)
        (options += " +set fraglimit ") += fieldText(s.fragLimit);
    if (s.maxPlayersOn == 1)
        (options += " +set maxclients ") += fieldText(s.maxPlayers);
}

// A long-form directory may hold blanks; the game then needs the path quoted to see it whole.
std::string asOneWord(std::string path) {
    return path.find(' ') == std::string::npos ? path : '"' + path + '"';
}

} // namespace

CommandLine composeCommandLine(const LaunchSettings& s) {
    CommandLine line;
    std::string& options = line.optionText;
    const std::string_view directory = fieldText(s.gameDirectory);
    line.launchCommand = asOneWord(std::string(directory) + "zat.exe");

    if (s.gameType == 11) {
        line.launchCommand += " +set deathmatch 0";
        appendChoice(options, s.skillLevel, {400, 401, 402},
                     {" +set skill 0", " +set skill 1", " +set skill 2"});
    } else {
        line.launchCommand += " +set deathmatch 1";
        appendPlayer(options, s);
    }
    if (s.gameType == 22)
        appendServer(line, s);

    if (s.crosshair >= 700 && s.crosshair <= 705)
        options += " +set crosshair " + std::to_string(s.crosshair - 700);
    if (s.dialogMode >= 800 && s.dialogMode <= 803)
        options += " +set dialog " + std::to_string(803 - s.dialogMode);
    options += flagFragment("cl_run", s.alwaysRun);
    options += flagFragment("m_filter", s.mouseFilter);
    options += flagFragment("lookspring", s.lookSpring);
    options += flagFragment("lookstrafe", s.lookStrafe);
    options += flagFragment("freelook", s.freeLook);

    if ((s.multiplayerMode == 202 || s.gameType == 11) && !fieldText(s.mapName).empty())
        (options += " +map ") += fieldText(s.mapName);

    line.launchCommand += " +exec " + asOneWord(std::string(directory) + "base\\zatstart.cfg");
    return line;
}
