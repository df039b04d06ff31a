#include "settings/settings_file.h"
#include "settings/text_field.h"
#include "temp_folder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

LaunchSettings playedRecord(const TempFolder& folder) {
    LaunchSettings s{};
    applyStartupValues(s);
    storeFieldText(s.gameDirectory, "C:\\GAMES\\ZAT\\");
    storeFieldText(s.mapName, "dm_forge");
    storeFieldText(s.bindings[0], "CTRL, SPACE");
    s.invertMouse = 7;
    s.dmflags = -5;
    storeFieldText(s.savePath, folder.path("mine.ZTP"));
    storeFieldText(s.loadPath, folder.path("old.ZTP"));
    return s;
}

} // namespace

TEST(SettingsFile, SavingThenLoadingRestoresTheRecordByteForByte) {
    TempFolder folder;
    const LaunchSettings saved = playedRecord(folder);
    ASSERT_EQ(std::nullopt, writeSettingsFile(saved));

    const std::string onDisk = folder.read("mine.ZTP");
    EXPECT_EQ(1648u, onDisk.size());
    EXPECT_EQ(imageOf(saved), onDisk);

    LaunchSettings loaded{};
    applyStartupValues(loaded);
    storeFieldText(loaded.loadPath, folder.path("mine.ZTP"));
    ASSERT_EQ(std::nullopt, readSettingsFile(loaded));
    EXPECT_EQ(imageOf(saved), imageOf(loaded)) << "loadPath comes from the file too";

    // A longer file is taken without its tail; shorter and missing ones the welcome page's
    // load test refuses.
    folder.write("long.ZTP", onDisk + "trailing junk");
    LaunchSettings fromLonger{};
    storeFieldText(fromLonger.loadPath, folder.path("long.ZTP"));
    EXPECT_EQ(std::nullopt, readSettingsFile(fromLonger));
    EXPECT_EQ(onDisk, imageOf(fromLonger));
}

// What each failing step of a save tells the player the file failures test shows; here, real
// targets that cannot be written are refused before anything is written.
TEST(SettingsFile, ATargetThatCannotBeWrittenIsNotOpenedAndStays) {
    TempFolder folder;
    LaunchSettings s = playedRecord(folder);
    folder.write("mine.ZTP", "previous settings");
    const auto writable = std::filesystem::perms::owner_write |
                          std::filesystem::perms::group_write |
                          std::filesystem::perms::others_write;
    std::filesystem::permissions(folder.native("mine.ZTP"), writable,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(settingsMessages::cantOpen, writeSettingsFile(s)) << "a read-only file";
    std::filesystem::permissions(folder.native("mine.ZTP"), writable,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ("previous settings", folder.read("mine.ZTP"));

    storeFieldText(s.savePath, folder.path("taken"));
    std::filesystem::create_directory(folder.native("taken"));
    EXPECT_EQ(settingsMessages::cantOpen, writeSettingsFile(s)) << "a folder";
    EXPECT_TRUE(std::filesystem::is_directory(folder.native("taken")));
}

TEST(SettingsFile, AChosenPathLongerThanItsFieldIsRefusedNotCut) {
    LaunchSettings s{};
    storeFieldText(s.savePath, "C:\\before.ZTP");
    EXPECT_EQ(settingsMessages::pathTooLong, storeChosenPath(s.savePath, std::string(200, 'p')));
    EXPECT_EQ("C:\\before.ZTP", fieldText(s.savePath));
    EXPECT_EQ(std::nullopt, storeChosenPath(s.savePath, std::string(199, 'p')));
    EXPECT_EQ(199u, fieldText(s.savePath).size());
}
