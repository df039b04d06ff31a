#pragma once
// Where the game is installed, remembered between runs in a two-line INI file: the
// locate-pending number, then the game directory (CR LF between them, nothing after).

#include "settings/failure.h"
#include "settings/launch_settings.h"

#include <optional>
#include <string>
#include <string_view>

namespace locationMessages {
inline constexpr std::string_view directoryTooLong =
    "The game directory is too long.\n"
    "Please install Zat in a directory whose full path has at most 199 characters.";
}

// The INI file in a folder: the Windows directory, or the user's application-data folder
// where the Windows directory cannot be written.
std::string iniPathIn(std::string_view folder);

struct IniLocations {
    std::string windowsIni;
    std::string appDataIni; // empty when there is no application-data folder
};

// A game directory as a person or another tool wrote it into a file: with its trailing
// backslash, added when missing; empty stays empty. Nothing for one holding a quotation mark
// or a control character, which no Windows path holds and which would reach the game's command
// line: that directory is unknown, and the player locates the game.
std::optional<std::string> gameDirectoryAsRead(std::string_view directory);

// Keeps gameDirectory as gameDirectoryAsRead gives it; empties it when it is unknown or, with
// its backslash, no longer fits.
void keepGameDirectoryAsRead(LaunchSettings& settings);

// Sets locateGamePending and gameDirectory from the INI file's text. A directory that is
// unknown as read, or does not fit its field, is dropped and the player is asked again.
void parseGameLocation(LaunchSettings& settings, std::string_view iniText);
std::string formatGameLocation(const LaunchSettings& settings);

// Start-up: reads the application-data INI when it exists, else the Windows one; without
// either, the welcome page asks for the game (locateGamePending 1).
void readGameLocation(LaunchSettings& settings, const IniLocations& where);

// Writes the INI where start-up will read it; false when no place could be written.
bool writeGameLocation(const LaunchSettings& settings, const IniLocations& where);

// The directory of a chosen file: everything up to and including its last backslash.
std::string directoryOfFile(std::string_view path);

// Keeps a game directory in gameDirectory, refusing one that does not fit.
Failure storeGameDirectory(LaunchSettings& settings, std::string_view directory);

// Whether two directories are the same for Windows, whose paths ignore letter case.
bool sameDirectory(std::string_view a, std::string_view b);
