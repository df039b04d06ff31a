#include "controls/bindings.h"
#include "settings/text_field.h"

#include <cstring>
#include <gtest/gtest.h>

// Only an exact command takes a key, Attack joins a second one only while it fits, nothing
// spills into a neighbour, and clearing ends each slot at its first byte: the bytes behind a
// text's terminator are part of the file, so neither clearing nor a shorter key changes them.
TEST(Bindings, ExactCommandsTakeKeysWithinTheirSlotAndClearingKeepsTheTails) {
    LaunchSettings s{};
    for (std::string_view command : {"+Attack", "attack", "\"+attack\"", "+attack ", ""})
        assignBinding(s, command, "CTRL");
    EXPECT_EQ("", fieldText(s.bindings[0]));

    std::memset(s.bindings[1], 'N', sizeof s.bindings[1]); // the neighbour, unterminated
    assignBinding(s, "+attack", "RIGHTARROW");
    assignBinding(s, "+attack", "DOWNARROW"); // "RIGHTARROW, DOWNARROW" is 21 characters
    EXPECT_EQ("RIGHTARROW", fieldText(s.bindings[0]));
    assignBinding(s, "+attack", "MOUSE1"); // 18 characters: still fits
    EXPECT_EQ("RIGHTARROW, MOUSE1", fieldText(s.bindings[0]));
    assignBinding(s, "+back", std::string(20, 'K'));
    EXPECT_EQ("", fieldText(s.bindings[2]));
    assignBinding(s, "+back", std::string(19, 'K'));
    EXPECT_EQ(19u, fieldText(s.bindings[2]).size());
    EXPECT_EQ(std::string(20, 'N'), std::string(s.bindings[1], 20));

    clearBindings(s);
    for (const auto& slot : s.bindings)
        EXPECT_EQ("", fieldText(slot));
    assignBinding(s, "+attack", "F");
    EXPECT_EQ(0, std::memcmp(s.bindings[0], "F\0GHTARROW, MOUSE1", 19));
}
