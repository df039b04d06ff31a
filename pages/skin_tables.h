#pragma once
// The skins of the three player characters, in list order (skinIndex counts in it).

#include <span>
#include <string_view>

// Every name fits its 30-character slot and skinName (80 bytes).
constexpr std::size_t kSkinNameSlot = 30;

// The skins of a character by its model value (playerModels); empty for any
// other value.
std::span<const std::string_view> skinNamesFor(int playerModel);
