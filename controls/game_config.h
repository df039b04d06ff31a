#pragma once
// Game config files: the launcher writes its own (base\ZatStart.cfg under the game
// directory, the option text one command per line) and takes over the bind entries of any.

#include "settings/failure.h"
#include "settings/launch_settings.h"

#include <string>
#include <string_view>

namespace configMessages {
inline constexpr std::string_view cantWrite =
    "There was an error writing the Config File\n"
    "Please Relocate your Zat directory and see if that fixes the problem";
inline constexpr std::string_view cantRead = "There was an error reading the Config File";
} // namespace configMessages

// The launcher's own config file under a game directory.
std::string gameConfigPath(std::string_view gameDirectory);

// The file's bytes: every "+" becomes a line break, every line break is CR LF, nothing else
// changes and nothing is added.
std::string gameConfigText(std::string_view optionText);

Failure writeGameConfig(std::string_view gameDirectory, std::string_view optionText);

// Empties every binding slot, then assigns the key of every bind entry found in the text.
// A "bind" counts where a piece of five characters, started at a line's beginning or behind
// the previous entry, begins with it; its key and command are the next two words.
void takeBindEntries(LaunchSettings& settings, std::string_view fileText);

// Reads the file at path into the bindings; on failure they stay as they were.
Failure readGameConfig(LaunchSettings& settings, std::string_view path);
