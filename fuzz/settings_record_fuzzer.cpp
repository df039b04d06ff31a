// A settings file from anywhere: loaded, composed into the launch command and the option
// text, and written out as the game config file's text. No value of the file may start a
// console command of its own, end one or open a quoted argument: every line of the config
// text is exactly one command the launcher wrote. Nothing may be read or written outside a
// field.
#include "controls/game_config.h"
#include "fuzz_check.h"
#include "launch/launch_command.h"
#include "settings/game_location.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The fragments that the launcher itself puts into the option text.
bool startsOwnFragment(std::string_view rest) {
    for (const std::string_view command : {"set ", "connect ", "map "})
        if (rest.substr(0, command.size()) == command)
            return true;
    return false;
}

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}

// What would end a console command inside a line, open a quoted argument, or break a line.
bool endsOrQuotesACommand(char c) {
    return c == ';' || c == '"' || isControl(c);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LaunchSettings settings{};
    applyStartupValues(settings);
    if (settingsFromBytes(settings, bytesOf(data, size)))
        return 0; // too short: refused, nothing taken

    const GameLaunch line = composeGameLaunch(settings);
    // Two directories (at most a field's width each), each quoted when it holds a blank or a
    // semicolon, and the fixed fragments.
    constexpr std::string_view fixedFragments = "zat.exe +set deathmatch 1 +dedicated 1 +exec "
                                                "base\\zatstart.cfg";
    constexpr std::size_t longestLaunchCommand =
        2 * (sizeof settings.gameDirectory + 2) + fixedFragments.size();
    fuzzCheck(line.launchCommand.size() <= longestLaunchCommand,
              "the launch command holds two directories and the fixed fragments");
    const std::string_view launch = line.launchCommand;
    const auto marks = std::count(launch.begin(), launch.end(), '"');
    fuzzCheck((marks == 0 || (marks == 4 && launch.front() == '"')) &&
                  std::none_of(launch.begin(), launch.end(), isControl),
              "the directory brings no control character and quotation marks only around paths");
    const std::string& options = line.optionText;
    fuzzCheck(options.size() <= kOptionTextLimit, "the option text fits what the page takes back");
    fuzzCheck(std::none_of(options.begin(), options.end(), endsOrQuotesACommand),
              "no semicolon, quotation mark, line break or other control character in the options");
    for (std::size_t at = options.find('+'); at != std::string::npos;
         at = options.find('+', at + 1))
        fuzzCheck(at > 0 && options[at - 1] == ' ' && startsOwnFragment(options.substr(at + 1)),
                  "every plus sign starts one of the launcher's own fragments");

    const std::string config = gameConfigText(options);
    for (std::size_t at = config.find("\r\n"); at != std::string::npos;
         at = config.find("\r\n", at + 2))
        fuzzCheck(startsOwnFragment(std::string_view(config).substr(at + 2)),
                  "every line of the config file is one of the launcher's own commands");

    sameDirectory(fieldText(settings.gameDirectory), fieldText(settings.loadPath));
    return 0;
}
