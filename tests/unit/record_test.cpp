// The settings file is the record's raw image, so the record's layout is the file format:
// every field in its place, in file order with no gap, and what each starts as, in one table,
// and a file made elsewhere read byte for byte.
// (The program itself pins the text fields' sizes with the offset of the field after each.)
#include "settings/settings_file.h"
#include "support/resource_script.h"

#include <gtest/gtest.h>
#include <span>

namespace {

// A number as written; a text field's bytes without their zeros, so a binding slot's tail shows.
template <typename T> std::string shown(const T& value) {
    if constexpr (std::is_arithmetic_v<T>)
        return ::testing::PrintToString(value);
    std::string bytes(reinterpret_cast<const char*>(&value), sizeof value);
    std::erase(bytes, '\0');
    return bytes;
}

struct Field {
    const char* name;
    std::size_t offset, size;
    std::string startValue, startsAs;
};

// clang-format off
#define F(name, startsAs)                                                                          \
    {#name, offsetof(LaunchSettings, name), sizeof(LaunchSettings::name),                          \
     shown(kStartupValues.name), startsAs}
// clang-format on

} // namespace

TEST(Record, EveryFieldHasItsPlaceAndItsStartUpValue) {
    const Field header[] = {F(levelSource, "500"),        F(gameType, "11"),
                            F(skillLevel, "400"),         F(multiplayerMode, "200"),
                            F(locateGamePending, "0"),    F(playerModel, "500"),
                            F(handedness, "512"),         F(listSinglePlayerLevels, "1"),
                            F(listDeathmatchLevels, "0"), F(settingsVersion, "1.5"),
                            F(levelIndex, "0"),           F(skinIndex, "0")};
    const Field rest[] = {F(gameDirectory, ""),    F(loadPath, ""),          F(savePath, ""),
                          F(serverAddress, ""),    F(mapName, ""),           F(playerName, "Rook"),
                          F(skinName, ""),         F(alwaysRun, "1"),        F(invertMouse, "0"),
                          F(mouseFilter, "1"),     F(lookSpring, "1"),       F(lookStrafe, "0"),
                          F(freeLook, "1"),        F(crosshair, "701"),      F(dialogMode, "800"),
                          F(fallingDamage, "1"),   F(allowHealth, "1"),      F(allowArmor, "1"),
                          F(weaponsStay, "0"),     F(fastWeaponSwitch, "0"), F(forceRespawn, "0"),
                          F(instantPowerups, "0"), F(dmflags, "0"),          F(timeLimitOn, "0"),
                          F(fragLimitOn, "0"),     F(maxPlayersOn, "0"),     F(allowDownloads, "1"),
                          F(dedicated, "0"),       F(allowCheats, "0"),      F(allowPowerups, "1"),
                          F(infiniteAmmo, "0"),    F(spawnFarthest, "0"),    F(sameMap, "0"),
                          F(friendlyFire, "0"),    F(fixedFov, "0"),         F(skinTeams, "0"),
                          F(modelTeams, "0"),      F(allowExit, "1"),        F(fumbleWeapons, "1"),
                          F(teamPlay, "0"),        F(timeLimit, ""),         F(fragLimit, ""),
                          F(maxPlayers, ""),       F(hostName, ""),          F(bindings, ""),
                          F(videoDriver, "1"),     F(videoMode, "4"),        F(textureMode, "210"),
                          F(fullscreen, "200")};
    std::size_t end = 0;
    for (const auto& group : {std::span<const Field>(header), std::span<const Field>(rest)})
        for (const Field& f : group) {
            EXPECT_EQ(end, f.offset) << "a gap, an overlap or another field before " << f.name;
            end = f.offset + f.size;
            EXPECT_EQ(f.startsAs, f.startValue) << f.name;
        }
    EXPECT_EQ(1648u, end);
    // A file made elsewhere (every number its own offset, every text its field's name) is
    // taken byte for byte.
    LaunchSettings known{};
    ASSERT_EQ(std::nullopt, settingsFromBytes(known, knownSettingsFile()));
    EXPECT_EQ(knownSettingsFile(), std::string_view(reinterpret_cast<const char*>(&known), end));
}
