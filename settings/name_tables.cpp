#include "settings/name_tables.h"

#include "settings/choices.h"

#include <cctype>

const std::array<std::string_view, 37> singlePlayerLevelNames{
    "intake1",  "intake2",  "intake3",  "docks1",   "docks2", "docks3", "foundry1", "foundry2",
    "foundry3", "reactor1", "reactor2", "reactor3", "spire1", "spire2", "spire3",   "vault1",
    "vault2",   "vault3",   "marsh1",   "marsh2",   "marsh3", "relay1", "relay2",   "relay3",
    "hangar1",  "hangar2",  "hangar3",  "mines1",   "mines2", "mines3", "citadel1", "citadel2",
    "citadel3", "orbit1",   "orbit2",   "core1",    "core2",
};

const std::array<std::string_view, 15> deathmatchLevelNames{
    "dm_pit",     "dm_forge",   "dm_ruins",    "dm_tower",     "dm_cistern",
    "dm_canal",   "dm_furnace", "dm_lockdown", "dm_skybridge", "dm_quarry",
    "dm_outpost", "dm_depot",   "dm_crater",   "dm_junction",  "dm_arena",
};

Failure userLevelName(std::string_view path, std::string& name) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    constexpr std::string_view extension = ".bsp";
    if (file.size() <= extension.size())
        return levelMessages::notALevel;
    const std::string_view tail = file.substr(file.size() - extension.size());
    for (std::size_t i = 0; i < extension.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != extension[i])
            return levelMessages::notALevel;
    file.remove_suffix(extension.size());
    if (file.size() >= kLevelNameSlot)
        return levelMessages::nameTooLong;
    name = file;
    return std::nullopt;
}

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
