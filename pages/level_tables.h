#pragma once
// The game's own levels offered by the map select page, by the name "+map" takes.

#include <array>
#include <string_view>

extern const std::array<std::string_view, 37> singlePlayerLevelNames;
extern const std::array<std::string_view, 15> deathmatchLevelNames;

// Every name fits mapName (80 bytes) with its terminator.
constexpr std::size_t kLevelNameSlot = 80;
