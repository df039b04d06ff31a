#include "pages/level_tables.h"

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
