#include "controls/bindings.h"

#include "settings/text_field.h"

#include <string>

const std::array<BindableAction, 21> bindableActions{{
    {"Attack", "+attack", 500, "CTRL"},
    {"Walk Forward", "+forward", 504, "UPARROW"},
    {"Backpedal", "+back", 505, "DOWNARROW"},
    {"Run", "+speed", 506, "SHIFT"},
    {"Turn Left", "+left", 507, "LEFTARROW"},
    {"Turn Right", "+right", 508, "RIGHTARROW"},
    {"Step Left", "+moveleft", 509, ","},
    {"Step Right", "+moveright", 510, "."},
    {"Inventory Use", "invuse", 511, "ENTER"},
    {"Next Inv Item", "invnext", 512, "]"},
    {"Prev Inv Item", "invprev", 513, "["},
    {"Next Weapon", "weapnext", 514, "/"},
    {"Keyboard Look", "+klook", 515, "INS"},
    {"Down/Crouch", "+movedown", 516, "C"},
    {"Jump/Up", "+moveup", 517, "SPACE"},
    {"Look Up", "+lookup", 518, "PGDN"},
    {"Look Down", "+lookdown", 519, "DEL"},
    {"Center View", "centerview", 520, "END"},
    {"Mouse Look", "+mlook", 521, "\\"},
    {"Strafe", "+strafe", 522, "ALT"},
    {"Use", "+use", 523, "U"},
}};

void clearBindings(LaunchSettings& settings) {
    for (auto& slot : settings.bindings)
        slot[0] = '\0';
}

void assignBinding(LaunchSettings& settings, std::string_view command, std::string_view keyName) {
    for (std::size_t i = 0; i < bindableActions.size(); ++i) {
        if (bindableActions[i].command != command)
            continue;
        auto& slot = settings.bindings[i];
        const std::string_view held = fieldText(slot);
        if (held.empty())
            storeFieldText(slot, keyName);
        else if (i == 0)
            storeFieldText(slot, std::string(held) + ", " + std::string(keyName));
        return;
    }
}
