// The settings file is the record's raw image, so the record's layout is the file format:
// every field's place and size, and what each starts as, pinned in one table.
#include "settings/settings_file.h"
#include "settings/text_field.h"
#include "support/resource_script.h"

#include <gtest/gtest.h>
#include <span>

namespace {

std::string shown(int32_t number) {
    return std::to_string(number);
}
std::string shown(float number) {
    return std::to_string(number).substr(0, 3);
}
template <std::size_t N> std::string shown(const char (&text)[N]) {
    return std::string(fieldText(text));
}
template <std::size_t N, std::size_t M> std::string shown(const char (&slots)[N][M]) {
    std::string keys;
    for (const auto& slot : slots)
        keys += fieldText(slot);
    return keys;
}

struct Field {
    const char* name;
    std::size_t offset, size; // where the record has it
    std::string (*of)(const LaunchSettings&);
    std::size_t fileOffset, fileSize; // where the file has it
    const char* startsAs;
};

// clang-format off
#define FIELD(name)                                                                                \
    #name, offsetof(LaunchSettings, name), sizeof(LaunchSettings::name),                           \
        [](const LaunchSettings& s) { return shown(s.name); }
// clang-format on

} // namespace

TEST(Record, EveryFieldHasItsPlaceItsSizeAndItsStartUpValue) {
    const Field header[] = {
        {FIELD(levelSource), 0, 4, "500"},         {FIELD(gameType), 4, 4, "11"},
        {FIELD(skillLevel), 8, 4, "400"},          {FIELD(multiplayerMode), 12, 4, "200"},
        {FIELD(locateGamePending), 16, 4, "0"},    {FIELD(playerModel), 20, 4, "500"},
        {FIELD(handedness), 24, 4, "512"},         {FIELD(listSinglePlayerLevels), 28, 4, "1"},
        {FIELD(listDeathmatchLevels), 32, 4, "0"}, {FIELD(settingsVersion), 36, 4, "1.5"},
        {FIELD(levelIndex), 40, 4, "0"},           {FIELD(skinIndex), 44, 4, "0"}};
    const Field texts[] = {
        {FIELD(gameDirectory), 48, 200, ""}, {FIELD(loadPath), 248, 200, ""},
        {FIELD(savePath), 448, 200, ""},     {FIELD(serverAddress), 648, 80, ""},
        {FIELD(mapName), 728, 80, ""},       {FIELD(playerName), 808, 80, "Rook"},
        {FIELD(skinName), 888, 80, ""}};
    const Field gameOptions[] = {
        {FIELD(alwaysRun), 968, 4, "1"},   {FIELD(invertMouse), 972, 4, "0"},
        {FIELD(mouseFilter), 976, 4, "1"}, {FIELD(lookSpring), 980, 4, "1"},
        {FIELD(lookStrafe), 984, 4, "0"},  {FIELD(freeLook), 988, 4, "1"},
        {FIELD(crosshair), 992, 4, "701"}, {FIELD(dialogMode), 996, 4, "800"}};
    const Field serverRules[] = {
        {FIELD(fallingDamage), 1000, 4, "1"},    {FIELD(allowHealth), 1004, 4, "1"},
        {FIELD(allowArmor), 1008, 4, "1"},       {FIELD(weaponsStay), 1012, 4, "0"},
        {FIELD(fastWeaponSwitch), 1016, 4, "0"}, {FIELD(forceRespawn), 1020, 4, "0"},
        {FIELD(instantPowerups), 1024, 4, "0"},  {FIELD(dmflags), 1028, 4, "0"},
        {FIELD(timeLimitOn), 1032, 4, "0"},      {FIELD(fragLimitOn), 1036, 4, "0"},
        {FIELD(maxPlayersOn), 1040, 4, "0"},     {FIELD(allowDownloads), 1044, 4, "1"}};
    const Field moreServerRules[] = {
        {FIELD(dedicated), 1048, 4, "0"},     {FIELD(allowCheats), 1052, 4, "0"},
        {FIELD(allowPowerups), 1056, 4, "1"}, {FIELD(infiniteAmmo), 1060, 4, "0"},
        {FIELD(spawnFarthest), 1064, 4, "0"}, {FIELD(sameMap), 1068, 4, "0"},
        {FIELD(friendlyFire), 1072, 4, "0"},  {FIELD(fixedFov), 1076, 4, "0"},
        {FIELD(skinTeams), 1080, 4, "0"},     {FIELD(modelTeams), 1084, 4, "0"},
        {FIELD(allowExit), 1088, 4, "1"},     {FIELD(fumbleWeapons), 1092, 4, "1"},
        {FIELD(teamPlay), 1096, 4, "0"}};
    const Field limitsKeysVideo[] = {
        {FIELD(timeLimit), 1100, 10, ""},   {FIELD(fragLimit), 1110, 10, ""},
        {FIELD(maxPlayers), 1120, 10, ""},  {FIELD(hostName), 1130, 82, ""},
        {FIELD(bindings), 1212, 420, ""},   {FIELD(videoDriver), 1632, 4, "1"},
        {FIELD(videoMode), 1636, 4, "4"},   {FIELD(textureMode), 1640, 4, "210"},
        {FIELD(fullscreen), 1644, 4, "200"}};
    std::size_t end = 0;
    for (const auto& group :
         {std::span<const Field>(header), std::span<const Field>(texts),
          std::span<const Field>(gameOptions), std::span<const Field>(serverRules),
          std::span<const Field>(moreServerRules), std::span<const Field>(limitsKeysVideo)})
        for (const Field& f : group) {
            EXPECT_EQ(f.fileOffset, f.offset) << f.name;
            EXPECT_EQ(f.fileSize, f.size) << f.name;
            EXPECT_EQ(end, f.fileOffset) << "a gap or an overlap before " << f.name;
            end = f.fileOffset + f.fileSize;
            EXPECT_EQ(f.startsAs, f.of(kStartupValues)) << f.name;
        }
    EXPECT_EQ(kSettingsRecordSize, end);
    // A file made elsewhere (every number its own offset, every text its field's name) is
    // taken byte for byte.
    LaunchSettings known{};
    ASSERT_EQ(std::nullopt, settingsFromBytes(known, knownSettingsFile()));
    EXPECT_EQ(knownSettingsFile(), std::string_view(reinterpret_cast<const char*>(&known), end));
}

TEST(Record, StartupValuesLeaveTheGameLocationAlone) {
    LaunchSettings s{};
    s.locateGamePending = 1;
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
    applyStartupValues(s);
    EXPECT_EQ(1, s.locateGamePending);
    EXPECT_EQ("C:\\GAMES\\ZAT\\", fieldText(s.gameDirectory));
}
