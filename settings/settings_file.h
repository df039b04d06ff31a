#pragma once
// The settings file (.ZTP): the record's raw 1648-byte image, nothing before or after it.

#include "settings/failure.h"
#include "settings/launch_settings.h"

#include <string_view>

namespace settingsMessages {
inline constexpr std::string_view cantLoad = "Can't load file!";
inline constexpr std::string_view cantRead = "Couldn't Read from File";
inline constexpr std::string_view cantOpen = "Can't open file!";
inline constexpr std::string_view cantWrite = "Couldn't Write to File";
inline constexpr std::string_view pathTooLong =
    "The path of the chosen file is too long.\n"
    "Please choose a file whose full path has at most 199 characters.";
} // namespace settingsMessages

// Writes the whole record to the file named by savePath; the old file survives a failure.
Failure writeSettingsFile(const LaunchSettings& settings);

// Replaces the whole record with a settings file's bytes. Fewer bytes than the record are
// refused and leave it untouched; bytes behind the first 1648 are ignored. The game directory
// is taken as gameDirectoryAsRead gives it, or empty.
Failure settingsFromBytes(LaunchSettings& settings, std::string_view bytes);

// Replaces the whole record with the file named by loadPath. A file shorter than the
// record leaves the record untouched; bytes behind the first 1648 are ignored.
Failure readSettingsFile(LaunchSettings& settings);

// Keeps a path chosen in a file dialog in loadPath or savePath; a path that does not fit
// the field is refused rather than cut into another path.
Failure storeChosenPath(char (&field)[200], std::string_view path);
