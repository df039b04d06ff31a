#pragma once
// The two texts a launch is made of: the launch command (game executable, deathmatch and
// dedicated-server settings, exec of the game config file) and the option text (every other
// setting, each fragment " +...", written into the game config file one per line).

#include "settings/launch_settings.h"

#include <cstddef>
#include <string>

struct CommandLine {
    std::string launchCommand;
    std::string optionText;
};

// The most option text the command line page takes back from the player: well above the
// longest composition (about 640 characters with every text field full).
constexpr std::size_t kOptionTextLimit = 2047;

CommandLine composeCommandLine(const LaunchSettings& settings);
