#pragma once
// The one record every page edits. The settings file is its raw 1648-byte image, so the
// in-memory layout below is also the file format: every offset is fixed.

#include "settings/choices.h"

#include <bit>
#include <cstddef>
#include <cstdint>

struct LaunchSettings {
    int32_t levelSource;            // 500 retail levels, 501 a user-made level
    int32_t gameType;               // 11 single player, 22 deathmatch
    int32_t skillLevel;             // 400, 401, 402
    int32_t multiplayerMode;        // 200 join, 202 start a server
    int32_t locateGamePending;      // 1: the welcome page asks for the game at once
    int32_t playerModel;            // 500, 501, 502
    int32_t handedness;             // 510 left, 511 center, 512 right
    int32_t listSinglePlayerLevels; // flag
    int32_t listDeathmatchLevels;   // flag
    float settingsVersion;          // 1.5, travels in the file, never checked
    int32_t levelIndex;             // position in the sorted level list
    int32_t skinIndex;              // position in the shown skin list
    char gameDirectory[200];        // ends with a backslash when not empty
    char loadPath[200];
    char savePath[200];
    char serverAddress[80];
    char mapName[80];
    char playerName[80];
    char skinName[80];
    int32_t alwaysRun;
    int32_t invertMouse; // kept as loaded; nothing shows or uses it
    int32_t mouseFilter;
    int32_t lookSpring;
    int32_t lookStrafe;
    int32_t freeLook;
    int32_t crosshair;  // 700 to 705
    int32_t dialogMode; // 800 to 803
    int32_t fallingDamage;
    int32_t allowHealth;
    int32_t allowArmor;
    int32_t weaponsStay;
    int32_t fastWeaponSwitch;
    int32_t forceRespawn;
    int32_t instantPowerups;
    int32_t dmflags;
    int32_t timeLimitOn;
    int32_t fragLimitOn;
    int32_t maxPlayersOn;
    int32_t allowDownloads;
    int32_t dedicated;
    int32_t allowCheats;
    int32_t allowPowerups;
    int32_t infiniteAmmo;
    int32_t spawnFarthest;
    int32_t sameMap;
    int32_t friendlyFire;
    int32_t fixedFov;
    int32_t skinTeams;
    int32_t modelTeams;
    int32_t allowExit;
    int32_t fumbleWeapons;
    int32_t teamPlay;
    char timeLimit[10];
    char fragLimit[10];
    char maxPlayers[10];
    char hostName[82];
    char bindings[21][20]; // key names per action, slot order of the binding table
    int32_t videoDriver;   // 1 to 7
    int32_t videoMode;     // 1 to 9
    int32_t textureMode;   // 210, 211, 212
    int32_t fullscreen;    // 200 yes, 201 no
};

constexpr std::size_t kSettingsRecordSize = 1648;
// The settings file's format version: it stays the same across releases of the program.
constexpr float kSettingsFormatVersion = 1.5f;

static_assert(std::endian::native == std::endian::little, "the record is stored little-endian");
static_assert(sizeof(float) == 4 && sizeof(LaunchSettings) == kSettingsRecordSize);
static_assert(offsetof(LaunchSettings, locateGamePending) == 16);
static_assert(offsetof(LaunchSettings, listDeathmatchLevels) == 32);
static_assert(offsetof(LaunchSettings, settingsVersion) == 36);
static_assert(offsetof(LaunchSettings, skinIndex) == 44);
static_assert(offsetof(LaunchSettings, gameDirectory) == 48);
static_assert(offsetof(LaunchSettings, loadPath) == 248);
static_assert(offsetof(LaunchSettings, savePath) == 448);
static_assert(offsetof(LaunchSettings, serverAddress) == 648);
static_assert(offsetof(LaunchSettings, mapName) == 728);
static_assert(offsetof(LaunchSettings, playerName) == 808);
static_assert(offsetof(LaunchSettings, skinName) == 888);
static_assert(offsetof(LaunchSettings, alwaysRun) == 968);
static_assert(offsetof(LaunchSettings, invertMouse) == 972);
static_assert(offsetof(LaunchSettings, crosshair) == 992);
static_assert(offsetof(LaunchSettings, dialogMode) == 996);
static_assert(offsetof(LaunchSettings, fallingDamage) == 1000);
static_assert(offsetof(LaunchSettings, dmflags) == 1028);
static_assert(offsetof(LaunchSettings, timeLimitOn) == 1032);
static_assert(offsetof(LaunchSettings, allowDownloads) == 1044);
static_assert(offsetof(LaunchSettings, dedicated) == 1048);
static_assert(offsetof(LaunchSettings, allowCheats) == 1052);
static_assert(offsetof(LaunchSettings, fixedFov) == 1076);
static_assert(offsetof(LaunchSettings, teamPlay) == 1096);
static_assert(offsetof(LaunchSettings, timeLimit) == 1100);
static_assert(offsetof(LaunchSettings, fragLimit) == 1110);
static_assert(offsetof(LaunchSettings, maxPlayers) == 1120);
static_assert(offsetof(LaunchSettings, hostName) == 1130);
static_assert(offsetof(LaunchSettings, bindings) == 1212);
static_assert(offsetof(LaunchSettings, videoDriver) == 1632);
static_assert(offsetof(LaunchSettings, videoMode) == 1636);
static_assert(offsetof(LaunchSettings, textureMode) == 1640);
static_assert(offsetof(LaunchSettings, fullscreen) == 1644);

// The record the launcher starts with, before the game location is read: the one place that
// says what each choice starts as (the video page's Set Defaults and the help read it too).
constexpr LaunchSettings startupRecord() {
    LaunchSettings s{};
    s.levelSource = levelSources::retail;
    s.gameType = gameTypes::singlePlayer;
    s.skillLevel = skillLevels::rookie;
    s.multiplayerMode = multiplayerModes::joinServer;
    s.playerModel = playerModels::rook;
    s.handedness = handedness::right;
    s.listSinglePlayerLevels = 1;
    s.settingsVersion = kSettingsFormatVersion;
    constexpr char name[] = "Rook";
    for (std::size_t i = 0; i < sizeof name; ++i)
        s.playerName[i] = name[i];
    s.alwaysRun = 1;
    s.mouseFilter = 1;
    s.lookSpring = 1;
    s.freeLook = 1;
    s.crosshair = crosshairs::cross;
    s.dialogMode = dialogModes::speechAndText;
    s.fallingDamage = 1;
    s.allowHealth = 1;
    s.allowArmor = 1;
    s.allowDownloads = 1;
    s.allowPowerups = 1;
    s.allowExit = 1;
    s.fumbleWeapons = 1;
    s.videoDriver = 1;
    s.videoMode = 4;
    s.textureMode = textureModes::automatic;
    s.fullscreen = fullscreenModes::yes;
    return s;
}

inline constexpr LaunchSettings kStartupValues = startupRecord();

// The start-up record, keeping gameDirectory and locateGamePending, which come from the game
// location.
void applyStartupValues(LaunchSettings& settings);
