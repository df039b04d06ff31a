#include "pages/skin_tables.h"

#include "settings/choices.h"

#include <array>

namespace {
constexpr std::array<std::string_view, 6> rookSkins{"Rook_Base",  "Rook_Base2", "Rook_Base3",
                                                    "Rook_Base4", "Rook_Base5", "Rook_Base6"};
constexpr std::array<std::string_view, 6> miraSkins{"Mira_Base",  "Mira_Base2", "Mira_Base3",
                                                    "Mira_Base4", "Mira_Base5", "Mira_Base6"};
constexpr std::array<std::string_view, 7> tovSkins{
    "Tov_Base", "Tov_Base2", "Tov_Base3", "Tov_Base4", "Tov_Base5", "Tov_Base6", "Tov_Base7"};
} // namespace

std::span<const std::string_view> skinNamesFor(int playerModel) {
    switch (playerModel) {
    case playerModels::rook:
        return rookSkins;
    case playerModels::mira:
        return miraSkins;
    case playerModels::tov:
        return tovSkins;
    default:
        return {};
    }
}
