#include "controls/game_config.h"
#include "settings/text_field.h"

#include <gtest/gtest.h>

// Every plus sign, and every line break the player typed in the option box, is a CR LF on disk.
TEST(GameConfigWriter, EveryPlusAndLineBreakBecomesACrLf) {
    EXPECT_EQ(" \r\nset name A\r\nB\r\nc\r\nd\r\n", gameConfigText(" +set name A+B\nc\r\nd+"));
}

TEST(BindReader, TakesBindOnlyAtTheStartOfAFiveCharacterPieceWithAKnownCommand) {
    const struct {
        std::string file;
        int slot;
        std::string expected;
    } cases[] = {
        // Attack takes a second and a third key while they fit its slot (20 characters do not).
        {"// my keys\nbind CTRL +attack\nbind UPARROW +forward\nbind MOUSE1 +attack\n"
         "bind PGDN +forward\nbind KP_END +attack\nbind SPACE +attack",
         0, "CTRL, MOUSE1, SPACE"},
        {"// my keys\r\nbind CTRL +attack\r\nbind UPARROW +forward\r\nbind PGDN +forward", 1,
         "UPARROW"},
        {" bind CTRL +attack\n", 0, ""},         // indented
        {"12345bind CTRL +attack\n", 0, "CTRL"}, // the 6th character
        {"123bind CTRL +attack\n", 0, ""},
        {"bind\tCTRL\t+attack\n", 0, "CTRL"},
        {"bindXCTRL +attack\n", 0, "CTRL"}, // any separator
        {"BIND CTRL +attack\n", 0, ""},
        {"binx CTRL +attack\n", 0, ""},
        {"bind\n\nCTRL\n+attack\n", 0, "CTRL"}, // words may span lines
        {"1234\nCTRL +attack\n", 0, ""},        // a last piece of five that is no bind
        // Behind the entry's second word the pieces run on: " bind" is not a piece start, but
        // the one five characters further on is.
        {"bind CTRL +attack bind U +use\n", 20, ""},
        {"bind CTRL +attack 1234bind C +movedown\n", 0, "CTRL"},
        {"bind CTRL +attack 1234bind C +movedown\n", 13, "C"},
        {"bind CTRL \"+attack\"\nbind ALT +Attack\n", 0, ""}, // only the exact command
        {"bind SHIFT +speed\n", 3, "SHIFT"},                  // Run
        {"bind F1 help\nbind", 0, ""}, // an unknown command and a final bare bind
        {"bind CTRL", 0, ""},
        {"bind " + std::string(19, 'K') + " +forward\n", 1, std::string(19, 'K')},
        {"bind " + std::string(20, 'K') + " +forward\nbind DOWNARROW " + std::string(20, 'c') +
             "\nbind UPARROW +forward\n",
         1, "UPARROW"}, // words longer than a slot are skipped
    };
    for (const auto& c : cases) {
        LaunchSettings s{};
        for (auto& old : s.bindings)
            storeFieldText(old, "OLD"); // every binding is replaced
        takeBindEntries(s, c.file);
        EXPECT_TRUE(
            readGameConfig(s, "no folder\\absent.cfg")); // a file that cannot be read: no change
        EXPECT_EQ(c.expected, fieldText(s.bindings[c.slot])) << c.file;
        EXPECT_EQ('D', s.bindings[20][2]) << "a slot is cleared at its first byte alone";
    }
}
