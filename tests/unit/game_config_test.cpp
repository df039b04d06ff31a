#include "controls/game_config.h"
#include "settings/text_field.h"

#include <gtest/gtest.h>

// Every plus sign, and every line break the player typed in the option box, is a CR LF on disk.
TEST(GameConfigWriter, EveryPlusAndLineBreakBecomesACrLf) {
    EXPECT_EQ(" \r\nset name A\r\nB\r\nc\r\nd\r\n", gameConfigText(" +set name A+B\nc\r\nd+"));
}

// Bound slots are shown as "slot=keys ".
TEST(BindReader, TakesBindOnlyAtTheStartOfAFiveCharacterPieceWithAKnownCommand) {
    const std::string k19(19, 'K'), k20(20, 'K');
    const std::pair<std::string, std::string> cases[] = {
        // Attack joins keys while they fit its slot (20 characters do not); others keep the first.
        {"// my keys\nbind CTRL +attack\r\nbind UPARROW +forward\nbind MOUSE1 +attack\r\n"
         "bind PGDN +forward\nbind KP_END +attack\nbind SPACE +attack",
         "0=CTRL, MOUSE1, SPACE 1=UPARROW "},
        // Indented, at the 4th character, in capitals, "binx", a last piece of five that is no
        // bind, a command quoted, in capitals, unknown or missing.
        {" bind CTRL +attack\n123bind CTRL +attack\nBIND CTRL +attack\nbinx CTRL +attack\n1234\n"
         "CTRL +attack\nbind CTRL \"+attack\"\nbind ALT +Attack\nbind F1 help\nbind CTRL",
         ""},
        // At the 6th character, after any separator, and with words across lines.
        {"12345bind A +attack\nbind\tB\t+forward\nbindXC +back\nbind\n\nD\n+speed\n",
         "0=A 1=B 2=C 3=D "},
        // Behind an entry's second word the pieces run on: " bind" is not a piece start, but
        // the one five characters further on is.
        {"bind CTRL +attack bind U +use\nbind SPACE +forward 1234bind C +movedown\n",
         "0=CTRL 1=SPACE 13=C "},
        // A key name or command longer than a slot is skipped.
        {"bind " + k19 + " +back\nbind " + k20 + " +forward\nbind DOWNARROW " + k20 +
             "\nbind UPARROW +forward\n",
         "1=UPARROW 2=" + k19 + " "},
    };
    for (const auto& [file, expected] : cases) {
        LaunchSettings s{};
        for (auto& old : s.bindings)
            storeFieldText(old, "OLD"); // every binding is replaced
        takeBindEntries(s, file);
        EXPECT_TRUE(readGameConfig(s, "no folder\\absent.cfg")); // a file that cannot be read
        std::string bound;
        for (std::size_t i = 0; i < std::size(s.bindings); ++i)
            if (!fieldText(s.bindings[i]).empty())
                bound += std::to_string(i) + "=" + std::string(fieldText(s.bindings[i])) + " ";
        EXPECT_EQ(expected, bound) << file;
        EXPECT_EQ('D', s.bindings[20][2]) << "a slot is cleared at its first byte alone";
    }
}
