#include "pages/pages.h"

#include "resources/resource_ids.h"

namespace {

// Only what a player can reach from the pages: the control setup and video pages have no way
// in, so they have no topic.
constexpr HelpTopic topics[] = {
    {IDD_WELCOME, "Welcome",
     "Zat Start sets up a game of Zat page by page and then starts it.\r\n\r\n"
     "Next: goes on to the game type.\r\n"
     "Load Zat Start Settings File: takes every choice from a settings file (.ZTP) saved "
     "earlier; you may then skip straight to the command line.\r\n"
     "About: who made Zat Start.\r\n"
     "Navigation Menu: jumps to any page that applies, finds the game again (Locate Zat "
     "Directory) or opens About.\r\n"
     "Close: ends Zat Start after asking.\r\n"
     "F1 on any page opens this help on that page's topic."},
    {IDD_GAME_TYPE, "Game Type",
     "Single Player: a game of your own against the computer.\r\n"
     "DeathMatch: a game against other players on a server; the player and multiplayer "
     "pages follow.\r\n"
     "Rookie, Officer, Ironclad: how hard a single-player game is, from easiest to hardest."},
    {IDD_PLAYER_SETUP, "Player Setup",
     "Model: the character you play (Rook, Mira or Tov).\r\n"
     "Skin: how that character looks; the list shows the skins of the chosen model.\r\n"
     "Handedness: which hand holds the weapon (Left, Center or Right).\r\n"
     "Player Name: the name other players see."},
    {IDD_MULTIPLAYER, "Multiplayer Setup",
     "Join Server: plays on a server that is already running.\r\n"
     "IP Address: the address of that server.\r\n"
     "Start Server: starts a server of your own; its options come next."},
    {IDD_SERVER_OPTIONS, "Server Options",
     "Falling Damage: players are hurt by long falls.\r\n"
     "Weapons Stay: weapons stay where they lie when picked up.\r\n"
     "Fast Weapon Switching: weapons change without delay.\r\n"
     "Allow Armor, Allow Health, Allow Powerups: these items are placed in the level.\r\n"
     "Infinite Ammo: weapons never run out.\r\n"
     "Force Respawn: dead players come back at once.\r\n"
     "Fumble Weapons: a killed player drops the weapon held.\r\n"
     "Instant Powerups: powerups take effect when picked up.\r\n"
     "Spawn Farthest: players come back as far as possible from others.\r\n"
     "Same Map: the level starts again instead of changing.\r\n"
     "Friendly Fire: team mates can hurt each other.\r\n"
     "Fixed FOV: players cannot change their field of view.\r\n"
     "Allow Exit: the level's exit ends the level.\r\n"
     "Team Play: players play in teams, by skin (Skin Teams) or by model (Model Teams).\r\n"
     "Dedicated: the server runs without a game of its own on this computer.\r\n"
     "Allow Downloads: players may download what they miss from the server.\r\n"
     "Allow Cheats: cheat commands work on the server.\r\n"
     "Time Limit, Frag Limit: the level ends after these minutes or frags.\r\n"
     "Max Players: how many players may join.\r\n"
     "HostName: the server's name in server lists."},
    {IDD_GAME_OPTIONS, "Game Options",
     "Always Run: you run without holding the run key.\r\n"
     "Mouse Filter: smooths the mouse's movement.\r\n"
     "Look Spring: the view levels out again when you stop looking up or down.\r\n"
     "Look Strafe: the mouse steps sideways instead of turning while the look key is held.\r\n"
     "Free Look: the mouse looks up and down.\r\n"
     "CrossHair: the mark in the middle of the screen.\r\n"
     "Dialog System: whether characters speak, show text, both or neither."},
    {IDD_MAP_SELECT, "Map Select",
     "Retail Levels: a level of the game, from the list.\r\n"
     "Single Player Maps, DeathMatch Maps: which of the game's levels the list shows.\r\n"
     "User-Made Levels: a level file (.bsp) of your own.\r\n"
     "Select Map: chooses that level file."},
    {IDD_OPTION_TEXT, "Command Line",
     "The settings Zat is started with, one after each plus sign. You may change them here; "
     "Next writes them into base\\ZatStart.cfg in the game directory."},
    {IDD_RUN, "Run",
     "Run: starts Zat.\r\n"
     "Save Zat Start Settings File: saves every choice to a file first, to load it another "
     "time.\r\n"
     "Close Zat Start upon starting Zat: ends Zat Start once the game has started."},
};

} // namespace

std::span<const HelpTopic> helpTopics() {
    return topics;
}
