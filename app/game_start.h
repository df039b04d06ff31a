#pragma once
// Starting the game as Run does: its zat.exe, by full path, in a game directory the player
// located, never through a command interpreter.

#include "launch/command_line.h"
#include "platform/port.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kGameDirectoryUnknown =
    "The game directory is not known, so Zat cannot be started.\n"
    "Please locate Zat with \"Locate Zat Directory\" in the Navigation Menu.";
inline constexpr std::string_view kGameNotStarted = "There was an error executing ZAT!";

// Starts the game and waits for it; its exit code, or nothing when it could not be started.
// The directory must be a full path (isFullPath), so that no zat.exe is found relative to
// the launcher's own current directory. started runs once the game is on its way.
std::optional<std::uint32_t> startGame(Desktop& desktop, const std::string& directory,
                                       const CommandLine& line,
                                       const std::function<void()>& started = {});
