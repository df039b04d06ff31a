#include "settings/game_location.h"
#include "settings/text_field.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

LaunchSettings parsed(std::string_view ini) {
    LaunchSettings s{};
    parseGameLocation(s, ini);
    return s;
}

} // namespace

TEST(IniFile, ReadsTheNumberAndTheDirectoryWhateverTheLineBreaks) {
    for (std::string_view ini : {"0\r\nC:\\GAMES\\ZAT\\", "0\nC:\\GAMES\\ZAT\\",
                                 "0\r\nC:\\GAMES\\ZAT\\\r\n", "0\n  \tC:\\GAMES\\ZAT\\\n"}) {
        const LaunchSettings s = parsed(ini);
        EXPECT_EQ(0, s.locateGamePending) << ini;
        EXPECT_EQ("C:\\GAMES\\ZAT\\", fieldText(s.gameDirectory)) << ini;
    }
}

TEST(IniFile, APendingOneAndAnEmptyDirectoryAreKept) {
    EXPECT_EQ(1, parsed("1\r\n").locateGamePending);
    EXPECT_EQ("", fieldText(parsed("1\r\n").gameDirectory));
    EXPECT_EQ(-3, parsed("-3\r\nD:\\Z\\").locateGamePending);
}

TEST(IniFile, ADirectoryTooLongForItsFieldIsDroppedAndAskedForAgain) {
    const LaunchSettings fits = parsed("0\r\n" + std::string(199, 'd'));
    EXPECT_EQ(199u, fieldText(fits.gameDirectory).size());
    EXPECT_EQ(0, fits.locateGamePending);

    const LaunchSettings tooLong = parsed("0\r\n" + std::string(200, 'd') + "\r\n");
    EXPECT_EQ("", fieldText(tooLong.gameDirectory));
    EXPECT_EQ(1, tooLong.locateGamePending);
}

TEST(IniFile, IsWrittenAsTwoLinesWithoutATrailingBreak) {
    LaunchSettings s{};
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
    EXPECT_EQ("0\r\nC:\\GAMES\\ZAT\\", formatGameLocation(s));
    EXPECT_EQ("0\r\nC:\\GAMES\\ZAT\\", formatGameLocation(parsed(formatGameLocation(s))));
}

TEST(IniFile, AMissingFileMeansAFirstRun) {
    TempFolder folder;
    LaunchSettings s{};
    readGameLocation(s, {folder.path("ZatStart.ini"), folder.path("appdata\\ZatStart.ini")});
    EXPECT_EQ(1, s.locateGamePending);
    EXPECT_EQ("", fieldText(s.gameDirectory));
}

TEST(IniFile, GoesToTheApplicationDataFolderWhenTheWindowsDirectoryIsClosed) {
    TempFolder folder;
    std::filesystem::create_directory(folder.native("appdata"));
    const IniLocations where{folder.path("windows\\ZatStart.ini"),
                             folder.path("appdata\\ZatStart.ini")};
    LaunchSettings s{};
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
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

TEST(IniFile, PrefersTheWindowsDirectoryWhenItCanBeWritten) {
    TempFolder folder;
    const IniLocations where{folder.path("ZatStart.ini"), folder.path("appdata\\ZatStart.ini")};
    LaunchSettings s{};
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
    ASSERT_TRUE(writeGameLocation(s, where));
    EXPECT_TRUE(folder.exists("ZatStart.ini"));
    EXPECT_FALSE(folder.exists("appdata"));
    EXPECT_FALSE(writeGameLocation(s, {folder.path("no\\ZatStart.ini"), ""}));
}

TEST(IniFile, PathIsTheFolderAndTheFileName) {
    EXPECT_EQ("C:\\WINDOWS\\ZatStart.ini", iniPathIn("C:\\WINDOWS"));
    EXPECT_EQ("C:\\ZatStart.ini", iniPathIn("C:\\"));
}

TEST(LocateGame, TakesTheDirectoryOfTheChosenFileWhateverItsName) {
    EXPECT_EQ("C:\\GAMES\\ZAT\\", directoryOfFile("C:\\GAMES\\ZAT\\ZAT.EXE"));
    EXPECT_EQ("C:\\GAMES\\ZAT\\", directoryOfFile("C:\\GAMES\\ZAT\\zat_launcher.exe"));
    EXPECT_EQ("", directoryOfFile("zat.exe"));

    LaunchSettings s{};
    storeFieldText(s.gameDirectory, "C:\\OLD\\");
    EXPECT_EQ(locationMessages::directoryTooLong, storeGameDirectory(s, std::string(200, 'x')));
    EXPECT_EQ("C:\\OLD\\", fieldText(s.gameDirectory));
}
