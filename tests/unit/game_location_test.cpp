#include "settings/game_location.h"
#include "settings/text_field.h"
#include "temp_folder.h"

#include <climits>
#include <gtest/gtest.h>

// How the INI file is written, that a missing one means a first run, and which directory a
// chosen zat.exe gives, the start-up and locate tests show with the bytes on disk.

// A directory as a person or another tool writes it gets its backslash; one that no Windows
// path is, or that no longer fits, is asked for again.
TEST(IniFile, ReadsTheNumberAndTheDirectoryAsAPersonWritesThemAndDropsOneItCannotUse) {
    const struct {
        std::string ini;
        int32_t pending;
        std::string directory;
    } cases[] = {
        {"0\r\nC:\\GAMES\\ZAT\\", 0, "C:\\GAMES\\ZAT\\"},
        {"0\nC:\\GAMES\\ZAT", 0, "C:\\GAMES\\ZAT\\"},
        {"0\r\nC:\\GAMES\\ZAT\r\n", 0, "C:\\GAMES\\ZAT\\"},
        {"0\n  \tC:\\GAMES\\ZAT\\\n", 0, "C:\\GAMES\\ZAT\\"},
        {"1\r\n", 1, ""},
        {"-99999999999\r\nD:/Z/", INT_MIN, "D:/Z/"}, // clamped as "%d" reads it, not wrapped
        {"99999999999\r\n", INT_MAX, ""},
        {"0\r\n" + std::string(198, 'd'), 0, std::string(198, 'd') + "\\"},
        {"0\r\n" + std::string(199, 'd') + "\r\n", 1, ""}, // no room for its backslash
        {"0\r\nC:\\GAMES\\ZAT\" +exec x\r\n", 1, ""},
        {"0\r\nC:\\GAMES\tZAT\\", 1, ""},
        {"0\r\nC:\\GAMES\\ZAT\\\r", 1, ""}, // a lone carriage return is the line's own
    };
    for (const auto& c : cases) {
        LaunchSettings s{};
        parseGameLocation(s, c.ini);
        EXPECT_EQ(c.pending, s.locateGamePending) << c.ini;
        EXPECT_EQ(c.directory, fieldText(s.gameDirectory)) << c.ini;
    }
}

TEST(IniFile, PrefersTheWindowsDirectoryAndGoesToApplicationDataWhenItIsClosed) {
    TempFolder folder;
    LaunchSettings s{};
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
    ASSERT_TRUE(
        writeGameLocation(s, {folder.path("ZatStart.ini"), folder.path("app\\ZatStart.ini")}));
    EXPECT_TRUE(folder.exists("ZatStart.ini"));
    EXPECT_FALSE(folder.exists("app"));
    EXPECT_FALSE(writeGameLocation(s, {folder.path("no\\ZatStart.ini"), ""}));

    std::filesystem::create_directory(folder.native("appdata"));
    const IniLocations where{folder.path("windows\\ZatStart.ini"),
                             folder.path("appdata\\ZatStart.ini")};
    ASSERT_TRUE(writeGameLocation(s, where)); // no "windows" folder: it cannot be written
    EXPECT_EQ("0\r\nC:\\GAMES\\ZAT\\", folder.read("appdata\\ZatStart.ini"));

    // From now on start-up reads that one, and later writes keep going there.
    std::filesystem::create_directory(folder.native("windows"));
    folder.write("windows\\ZatStart.ini", "0\r\nC:\\OLD\\");
    storeFieldText(s.gameDirectory, "D:\\ZAT\\");
    ASSERT_TRUE(writeGameLocation(s, where));
    LaunchSettings next{};
    readGameLocation(next, where);
    EXPECT_EQ("D:\\ZAT\\", fieldText(next.gameDirectory));
}
