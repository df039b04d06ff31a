#pragma once
// The two texts a launch is made of: the launch command (game executable, deathmatch and
// dedicated-server settings, exec of the game config file) and the option text (every other
// setting, each fragment " +...", written into the game config file one per line).

#include "platform/port.h"
#include "settings/launch_settings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct GameLaunch {
    std::string launchCommand;
    std::string optionText;
};

// The most option text the option text page takes back from the player: well above the
// longest composition (about 640 characters with every text field full).
constexpr std::size_t kOptionTextLimit = 2047;

GameLaunch composeGameLaunch(const LaunchSettings& settings);

inline constexpr std::string_view kGameDirectoryUnknown =
    "The game directory is not known, so Zat cannot be started.\n"
    "Please locate Zat with \"Locate Zat Directory\" in the Navigation Menu.";
inline constexpr std::string_view kGameNotStarted = "There was an error executing ZAT!";

// Starts the game and waits for it; its exit code, or nothing when it could not be started.
// The directory must be a full path (isFullPath), so that no zat.exe is found relative to
// the launcher's own current directory. started runs once the game is on its way.
std::optional<std::uint32_t> startGame(Desktop& desktop, const std::string& directory,
                                       const GameLaunch& line,
                                       const std::function<void()>& started = {});
