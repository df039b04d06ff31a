#pragma once
// Paths between the program's bytes (the ANSI code page) and the wide API.

#include <optional>
#include <string>
#include <string_view>

// The full form of a path, made against the current directory, in UTF-16; empty when it
// has none.
std::wstring fullWidePathOf(std::string_view path);

// A wide path as the program's bytes, never a look-alike: its short (8.3) form when the code
// page cannot spell it; nothing when that fails too.
std::optional<std::string> pathBytesOf(const std::wstring& path);
