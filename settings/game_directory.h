#pragma once
// Rules about a game directory that comes from a file rather than from the player.

#include <string_view>

// Whether two directories are the same for Windows, whose paths ignore letter case.
bool sameDirectory(std::string_view a, std::string_view b);
