#pragma once
// The names behind the record's numbers and level name: the game's own levels that the map
// select page offers, the skins of the three player characters, the video drivers and modes.

#include "settings/failure.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

// The game's levels by the name "+map" takes.
extern const std::array<std::string_view, 37> singlePlayerLevelNames;
extern const std::array<std::string_view, 15> deathmatchLevelNames;

// Every name fits mapName (80 bytes) with its terminator.
constexpr std::size_t kLevelNameSlot = 80;

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

// The skins of a character by its model value (playerModels), in list order (skinIndex
// counts in it); empty for any other value. Every name fits skinName.
std::span<const std::string_view> skinNamesFor(int playerModel);

// videoDriver and videoMode hold positions in these tables counted from 1.
inline constexpr std::array<std::string_view, 7> videoDriverNames{
    "Software",      "Default OpenGL", "3DFX OpenGL",    "PowerVR OpenGL",
    "Verite OpenGL", "Riva OpenGL",    "ATI Rage OpenGL"};

inline constexpr std::array<std::string_view, 9> videoModeNames{
    "320 X 240",  "400 X 300",  "512 X 384",  "640 X 480",  "800 X 600",
    "1024 X 768", "1152 X 864", "1280 X 960", "1600 X 1200"};
