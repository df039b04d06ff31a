#include "settings/settings_file.h"
#include "settings/text_field.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

// A longer file is taken without its tail; a shorter one is refused. A chosen path too long for
// its field is refused, neither cut nor stored.
TEST(SettingsFile, SavingThenLoadingRestoresTheRecordByteForByte) {
    TempFolder folder;
    LaunchSettings saved = kStartupValues;
    saved.invertMouse = 7; // kept as it is, though no flag
    storeFieldText(saved.bindings[0], "CTRL, SPACE");
    ASSERT_EQ(std::nullopt, storeChosenPath(saved.savePath, folder.path("mine.ZTP")));
    EXPECT_EQ(settingsMessages::pathTooLong,
              storeChosenPath(saved.savePath, std::string(200, 'p')));
    ASSERT_EQ(std::nullopt, writeSettingsFile(saved));
    const std::string onDisk = folder.read("mine.ZTP");
    EXPECT_EQ(imageOf(saved), onDisk);

    folder.write("long.ZTP", onDisk + "trailing junk");
    LaunchSettings loaded{};
    storeFieldText(loaded.loadPath, folder.path("long.ZTP"));
    ASSERT_EQ(std::nullopt, readSettingsFile(loaded));
    EXPECT_EQ(onDisk, imageOf(loaded)) << "loadPath comes from the file too";
    folder.write("short.ZTP", onDisk.substr(1));
    storeFieldText(loaded.loadPath, folder.path("short.ZTP"));
    EXPECT_EQ(settingsMessages::cantRead, readSettingsFile(loaded));
}

// What each failing step of a save tells the player the file failures test shows; here, real
// targets that cannot be written are refused before anything is written.
TEST(SettingsFile, ATargetThatCannotBeWrittenIsNotOpenedAndStays) {
    TempFolder folder;
    LaunchSettings s = kStartupValues;
    folder.write("mine.ZTP", "previous settings");
    storeFieldText(s.savePath, folder.path("mine.ZTP"));
    using std::filesystem::perms;
    std::filesystem::permissions(folder.native("mine.ZTP"), perms::owner_read); // read-only
    EXPECT_EQ(settingsMessages::cantOpen, writeSettingsFile(s)) << "a read-only file";
    std::filesystem::permissions(folder.native("mine.ZTP"), perms::owner_all);
    EXPECT_EQ("previous settings", folder.read("mine.ZTP"));

    storeFieldText(s.savePath, folder.path("taken"));
    std::filesystem::create_directory(folder.native("taken"));
    EXPECT_EQ(settingsMessages::cantOpen, writeSettingsFile(s)) << "a folder";
}
