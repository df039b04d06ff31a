// Files from elsewhere are untrusted: any bytes must leave every field within its width and
// every byte outside the fields a reader may change as it was.
#include "controls/game_config.h"
#include "launch/command_line.h"
#include "settings/game_location.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"
#include "temp_folder.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

std::string randomBytes(std::mt19937& rng, std::size_t maxLength, std::string_view alphabet) {
    std::string bytes(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng), '\0');
    for (char& c : bytes)
        c = alphabet.empty()
                ? static_cast<char>(rng())
                : alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    return bytes;
}

LaunchSettings randomRecord(std::mt19937& rng) {
    LaunchSettings s;
    auto* bytes = reinterpret_cast<unsigned char*>(&s);
    for (std::size_t i = 0; i < sizeof s; ++i)
        bytes[i] = static_cast<unsigned char>(rng());
    return s;
}

// Bytes of a and b differ only inside [from, to).
bool sameOutside(const LaunchSettings& a, const LaunchSettings& b, std::size_t from,
                 std::size_t to) {
    const auto* x = reinterpret_cast<const char*>(&a);
    const auto* y = reinterpret_cast<const char*>(&b);
    return std::memcmp(x, y, from) == 0 && std::memcmp(x + to, y + to, sizeof a - to) == 0;
}

constexpr std::string_view kConfigAlphabet = "bind bind CTRL +attack +forward\t\r\n\"x,";

} // namespace

TEST(HostileInput, BindEntriesNeverLeaveTheirSlots) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 3000; ++round) {
        LaunchSettings s = randomRecord(rng);
        const LaunchSettings before = s;
        takeBindEntries(s, randomBytes(rng, 400, round % 3 ? kConfigAlphabet : ""));
        const std::size_t from = offsetof(LaunchSettings, bindings);
        ASSERT_TRUE(sameOutside(s, before, from, from + sizeof s.bindings)) << round;
        for (const auto& slot : s.bindings)
            ASSERT_LT(fieldText(slot).size(), sizeof slot) << round;
    }
}

TEST(HostileInput, IniTextOnlyTouchesTheGameLocation) {
    std::mt19937 rng(99);
    for (int round = 0; round < 3000; ++round) {
        LaunchSettings s = randomRecord(rng);
        const LaunchSettings before = s;
        parseGameLocation(s, randomBytes(rng, 600, round % 2 ? "0123456789-+ \t\r\nC:\\" : ""));
        const std::size_t dir = offsetof(LaunchSettings, gameDirectory);
        LaunchSettings masked = s;
        masked.locateGamePending = before.locateGamePending;
        ASSERT_TRUE(sameOutside(masked, before, dir, dir + sizeof s.gameDirectory)) << round;
        ASSERT_LT(fieldText(s.gameDirectory).size(), sizeof s.gameDirectory);
    }
}

TEST(HostileInput, AnyLoadedRecordComposesWithinBounds) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        LaunchSettings s = randomRecord(rng);
        s.gameType = round % 2 ? 22 : 11;
        s.multiplayerMode = round % 3 ? 202 : 200;
        s.timeLimitOn = s.fragLimitOn = s.maxPlayersOn = 1;
        const CommandLine line = composeCommandLine(s);
        ASSERT_LE(line.optionText.size(), kOptionTextLimit);
        ASSERT_LE(line.launchCommand.size(), 2 * sizeof s.gameDirectory + 60);
        gameConfigText(line.optionText);
    }
}

TEST(HostileInput, SettingsFilesOfAnyLengthLoadWholeOrNotAtAll) {
    TempFolder folder;
    std::mt19937 rng(42);
    for (std::size_t length : {0u, 1u, 1000u, 1647u, 1648u, 1649u, 70000u}) {
        std::string file(length, '\0');
        for (char& c : file)
            c = static_cast<char>(rng());
        folder.write("any.ZTP", file);
        LaunchSettings s = randomRecord(rng);
        storeFieldText(s.loadPath, folder.path("any.ZTP"));
        const LaunchSettings before = s;
        const Failure result = readSettingsFile(s);
        if (length < 1648) {
            EXPECT_EQ(settingsMessages::cantRead, result);
            EXPECT_TRUE(sameOutside(s, before, 0, 0));
        } else {
            EXPECT_EQ(std::nullopt, result);
            EXPECT_EQ(0, std::memcmp(&s, file.data(), sizeof s));
        }
    }
}
