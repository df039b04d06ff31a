#include "controls/bindings.h"
#include "settings/text_field.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(Bindings, AttackCollectsKeysOtherActionsKeepTheirFirst) {
    LaunchSettings s{};
    assignBinding(s, "+attack", "CTRL");
    assignBinding(s, "+attack", "SPACE");
    assignBinding(s, "+attack", "ENTER");
    EXPECT_EQ("CTRL, SPACE, ENTER", fieldText(s.bindings[0]));
    EXPECT_EQ(18u, fieldText(s.bindings[0]).size());

    assignBinding(s, "+forward", "UPARROW");
    assignBinding(s, "+forward", "PGDN");
    EXPECT_EQ("UPARROW", fieldText(s.bindings[1]));
    assignBinding(s, "+use", "u");
    EXPECT_EQ("u", fieldText(s.bindings[20])) << "names are stored as they stand";
}

TEST(Bindings, CommandsMatchOnlyExactly) {
    LaunchSettings s{};
    for (std::string_view command : {"+Attack", "attack", "\"+attack\"", "+attack ", ""})
        assignBinding(s, command, "CTRL");
    EXPECT_EQ("", fieldText(s.bindings[0]));
}

TEST(Bindings, NothingOverflowsASlot) {
    LaunchSettings s{};
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
}

TEST(Bindings, ClearingEmptiesEverySlotButKeepsTheTails) {
    LaunchSettings s{};
    storeFieldText(s.bindings[5], "RIGHTARROW");
    clearBindings(s);
    for (const auto& slot : s.bindings)
        EXPECT_EQ("", fieldText(slot));
    EXPECT_EQ(0, std::memcmp(s.bindings[5] + 1, "IGHTARROW", 9));
}
