#include "controls/game_config.h"
#include "settings/text_field.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

std::string slot(const LaunchSettings& s, int i) {
    return std::string(fieldText(s.bindings[i]));
}

LaunchSettings taken(std::string_view file) {
    LaunchSettings s{};
    takeBindEntries(s, file);
    return s;
}

} // namespace

TEST(GameConfigWriter, EveryPlusBecomesACrLfLineBreak) {
    EXPECT_EQ(" \r\nset skill 1 \r\nset cl_run 1", gameConfigText(" +set skill 1 +set cl_run 1"));
    EXPECT_EQ("", gameConfigText(""));
    EXPECT_EQ("set name Rook", gameConfigText("set name Rook"));
    EXPECT_EQ(" \r\nset name A\r\nB", gameConfigText(" +set name A+B"));
    // Line breaks the player typed in the option box are CR LF on disk too.
    EXPECT_EQ("a\r\nb\r\nc\r\n", gameConfigText("a\r\nb\nc+"));
}

TEST(GameConfigWriter, WritesIntoBaseUnderTheGameDirectory) {
    TempFolder folder;
    std::filesystem::create_directory(folder.native("base"));
    EXPECT_EQ(std::nullopt, writeGameConfig(folder.directory(), " +set skill 1 +set cl_run 1"));
    EXPECT_EQ(" \r\nset skill 1 \r\nset cl_run 1", folder.read("base\\ZatStart.cfg"));
    EXPECT_FALSE(folder.exists("base\\ZatStart.cfg.tmp"));
    EXPECT_EQ(folder.directory() + "base\\ZatStart.cfg", gameConfigPath(folder.directory()));
}

TEST(GameConfigWriter, AGameDirectoryWithoutBaseFailsWithTheWriteMessage) {
    TempFolder folder;
    EXPECT_EQ(configMessages::cantWrite, writeGameConfig(folder.directory(), " +set skill 0"));
    EXPECT_FALSE(folder.exists("base"));
}

TEST(BindReader, TakesPlainBindLinesInEitherLineEnding) {
    for (std::string_view eol : {"\n", "\r\n"}) {
        const std::string file = "// my keys" + std::string(eol) + "bind CTRL +attack" +
                                 std::string(eol) + "bind UPARROW +forward" + std::string(eol) +
                                 "bind PGDN +forward" + std::string(eol) + "bind SPACE +attack";
        const LaunchSettings s = taken(file);
        EXPECT_EQ("CTRL, SPACE", slot(s, 0));
        EXPECT_EQ("UPARROW", slot(s, 1));
    }
}

TEST(BindReader, FindsBindOnlyAtTheStartOfAFiveCharacterPiece) {
    EXPECT_EQ("", slot(taken(" bind CTRL +attack\n"), 0)) << "indented";
    EXPECT_EQ("", slot(taken("\tbind CTRL +attack\n"), 0)) << "indented";
    EXPECT_EQ("CTRL", slot(taken("12345bind CTRL +attack\n"), 0)) << "6th character";
    EXPECT_EQ("CTRL", slot(taken("1234567890bind CTRL +attack\n"), 0)) << "11th character";
    EXPECT_EQ("", slot(taken("123bind CTRL +attack\n"), 0));
    EXPECT_EQ("CTRL", slot(taken("bind\tCTRL\t+attack\n"), 0));
    EXPECT_EQ("CTRL", slot(taken("bindXCTRL +attack\n"), 0)) << "any separator";
    EXPECT_EQ("", slot(taken("BIND CTRL +attack\n"), 0));
}

TEST(BindReader, WordsMaySpanLinesAndPiecesResumeBehindAnEntry) {
    EXPECT_EQ("CTRL", slot(taken("bind\n\nCTRL\n+attack\n"), 0));
    // Behind the entry's second word the pieces run on: " bind" is not a piece start...
    EXPECT_EQ("", slot(taken("bind CTRL +attack bind U +use\n"), 20));
    // ...but the one five characters further on is.
    EXPECT_EQ("CTRL", slot(taken("bind CTRL +attack 1234bind C +movedown\n"), 0));
    EXPECT_EQ("C", slot(taken("bind CTRL +attack 1234bind C +movedown\n"), 13));
}

TEST(BindReader, QuotedCommandsUnknownCommandsAndAFinalBareBindCountForNothing) {
    const LaunchSettings s = taken("bind CTRL \"+attack\"\nbind F1 help\nbind");
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ("", slot(s, i)) << i;
    const LaunchSettings atEnd = taken("bind CTRL");
    EXPECT_EQ("", slot(atEnd, 0));
}

TEST(BindReader, WordsLongerThanASlotAreSkipped) {
    const LaunchSettings s = taken("bind " + std::string(20, 'K') +
                                   " +forward\n"
                                   "bind DOWNARROW " +
                                   std::string(20, 'c') +
                                   "\n"
                                   "bind UPARROW +forward\n");
    EXPECT_EQ("UPARROW", slot(s, 1));
}

TEST(BindReader, ReadingAFileReplacesEveryBinding) {
    TempFolder folder;
    folder.write("keys.cfg", "echo no binds here\r\n");
    LaunchSettings s{};
    storeFieldText(s.bindings[4], "LEFTARROW");
    ASSERT_EQ(std::nullopt, readGameConfig(s, folder.path("keys.cfg")));
    EXPECT_EQ("", slot(s, 4));

    storeFieldText(s.bindings[4], "LEFTARROW");
    EXPECT_EQ(configMessages::cantRead, readGameConfig(s, folder.path("absent.cfg")));
    EXPECT_EQ("LEFTARROW", slot(s, 4)) << "a failed read changes nothing";
}
