#pragma once
// The game's own levels offered by the map select page, by the name "+map" takes.

#include <array>
#include <string_view>

extern const std::array<std::string_view, 37> singlePlayerLevelNames;
extern const std::array<std::string_view, 15> deathmatchLevelNames;

// Every name fits mapName (80 bytes) with its terminator.
constexpr std::size_t kLevelNameSlot = 80;

#include "settings/failure.h"

#include <string>

namespace levelMessages {
inline constexpr std::string_view notALevel =
    "This file is not a Zat level.\nChoose a level file, whose name ends in \".bsp\".";
inline constexpr std::string_view nameTooLong =
    "The name of this level is too long.\nA level name can have at most 79 characters.";
} // namespace levelMessages

// The level name of a chosen level file: its name without the directory and without its
// ".bsp" (in any letter case), as "+map" takes it. A file that is not a level, or whose name
// would not fit mapName, gives the message to show instead.
Failure userLevelName(std::string_view path, std::string& name);
