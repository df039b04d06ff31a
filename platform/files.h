#pragma once
// File access as the program needs it. Paths are Windows paths (backslash separators);
// every write is a safe replace, so a failed write never destroys the old file.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The file's first maxBytes bytes (all of it when shorter); nothing when it cannot be opened.
std::optional<std::string> readFileBytes(std::string_view path, std::size_t maxBytes);

enum class ReplaceResult {
    replaced,     // every byte is on disk under path
    cannotCreate, // path exists but cannot be written, or no temporary file could be created
    cannotWrite,  // writing, flushing or moving it over path failed; the old file is intact
};

// Writes bytes to a temporary file beside the target, under a name no existing file has, then
// moves it over the target.
ReplaceResult replaceFile(std::string_view path, std::string_view bytes);

bool fileExists(std::string_view path);

// A path that does not depend on the current directory or drive: "C:\..." or "\\server\...".
bool isFullPath(std::string_view path);
