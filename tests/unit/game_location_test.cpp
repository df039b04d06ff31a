#include "settings/game_location.h"
#include "settings/text_field.h"

#include <climits>
#include <gtest/gtest.h>
#include <tuple>

// How the INI file is written, that a missing one means a first run, and which directory a
// chosen zat.exe gives, the start-up and locate tests show with the bytes on disk; where it is
// written, the file failures test.

// A directory as a person or another tool writes it gets its backslash; one that no Windows
// path is, or that no longer fits, is asked for again.
TEST(IniFile, ReadsTheNumberAndTheDirectoryAsAPersonWritesThemAndDropsOneItCannotUse) {
    const std::tuple<std::string, int32_t, std::string> cases[] = {
        {"0\nC:\\GAMES\\ZAT", 0, "C:\\GAMES\\ZAT\\"},
        {"0\r\nC:\\GAMES\\ZAT\r\n", 0, "C:\\GAMES\\ZAT\\"},
        {"0\n  \tC:\\GAMES\\ZAT\\\n", 0, "C:\\GAMES\\ZAT\\"},
        {"1\r\n", 1, ""},
        {"-99999999999\r\nD:/Z/", INT_MIN, "D:/Z/"}, // clamped as "%d" reads it, not wrapped
        {"0\r\n" + std::string(198, 'd'), 0, std::string(198, 'd') + "\\"},
        {"0\r\n" + std::string(199, 'd') + "\r\n", 1, ""}, // no room for its backslash
        {"0\r\nC:\\GAMES\\ZAT\" +exec x\r\n", 1, ""},
        {"0\r\nC:\\GAMES\tZAT\\", 1, ""},
        {"0\r\nC:\\GAMES\\ZAT\\\r", 1, ""}, // a lone carriage return is the line's own
    };
    for (const auto& [ini, pending, directory] : cases) {
        LaunchSettings s{};
        parseGameLocation(s, ini);
        EXPECT_EQ(pending, s.locateGamePending) << ini;
        EXPECT_EQ(directory, fieldText(s.gameDirectory)) << ini;
    }
}
