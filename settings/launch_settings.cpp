#include "settings/launch_settings.h"

#include "settings/choices.h"
#include "settings/text_field.h"

void applyStartupValues(LaunchSettings& s) {
    s.levelSource = levelSources::retail;
    s.gameType = gameTypes::singlePlayer;
    s.skillLevel = skillLevels::rookie;
    s.multiplayerMode = multiplayerModes::joinServer;
    s.playerModel = playerModels::rook;
    s.handedness = handedness::right;
    s.listSinglePlayerLevels = 1;
    s.listDeathmatchLevels = 0;
    s.settingsVersion = 1.5f;
    s.levelIndex = 0;
    s.skinIndex = 0;
    storeFieldText(s.playerName, "Rook");
    s.alwaysRun = 1;
    s.invertMouse = 0;
    s.mouseFilter = 1;
    s.lookSpring = 1;
    s.lookStrafe = 0;
    s.freeLook = 1;
    s.crosshair = crosshairs::cross;
    s.dialogMode = dialogModes::speechAndText;
    s.fallingDamage = 1;
    s.allowHealth = 1;
    s.allowArmor = 1;
    s.weaponsStay = 0;
    s.fastWeaponSwitch = 0;
    s.forceRespawn = 0;
    s.instantPowerups = 0;
    s.dmflags = 0;
    s.timeLimitOn = 0;
    s.fragLimitOn = 0;
    s.maxPlayersOn = 0;
    s.allowDownloads = 1;
    s.dedicated = 0;
    s.allowCheats = 0;
    s.allowPowerups = 1;
    s.infiniteAmmo = 0;
    s.spawnFarthest = 0;
    s.sameMap = 0;
    s.friendlyFire = 0;
    s.fixedFov = 0;
    s.skinTeams = 0;
    s.modelTeams = 0;
    s.allowExit = 1;
    s.fumbleWeapons = 1;
    s.teamPlay = 0;
    s.videoDriver = 1;
    s.videoMode = 4;
    s.textureMode = textureModes::automatic;
    s.fullscreen = fullscreenModes::yes;
}
