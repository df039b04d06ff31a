#include "controls/bindings.h"

#include "resources/resource_ids.h"
#include "settings/text_field.h"

#include <string>

const std::array<BindableAction, 21> bindableActions{{
    {"Attack", "+attack", IDC_BIND_ATTACK, "CTRL"},
    {"Walk Forward", "+forward", IDC_BIND_FORWARD, "UPARROW"},
    {"Backpedal", "+back", IDC_BIND_BACK, "DOWNARROW"},
    {"Run", "+speed", IDC_BIND_SPEED, "SHIFT"},
    {"Turn Left", "+left", IDC_BIND_LEFT, "LEFTARROW"},
    {"Turn Right", "+right", IDC_BIND_RIGHT, "RIGHTARROW"},
    {"Step Left", "+moveleft", IDC_BIND_MOVE_LEFT, ","},
    {"Step Right", "+moveright", IDC_BIND_MOVE_RIGHT, "."},
    {"Inventory Use", "invuse", IDC_BIND_INV_USE, "ENTER"},
    {"Next Inv Item", "invnext", IDC_BIND_INV_NEXT, "]"},
    {"Prev Inv Item", "invprev", IDC_BIND_INV_PREV, "["},
    {"Next Weapon", "weapnext", IDC_BIND_WEAPON_NEXT, "/"},
    {"Keyboard Look", "+klook", IDC_BIND_KEYBOARD_LOOK, "INS"},
    {"Down/Crouch", "+movedown", IDC_BIND_MOVE_DOWN, "C"},
    {"Jump/Up", "+moveup", IDC_BIND_MOVE_UP, "SPACE"},
    {"Look Up", "+lookup", IDC_BIND_LOOK_UP, "PGDN"},
    {"Look Down", "+lookdown", IDC_BIND_LOOK_DOWN, "DEL"},
    {"Center View", "centerview", IDC_BIND_CENTER_VIEW, "END"},
    {"Mouse Look", "+mlook", IDC_BIND_MOUSE_LOOK, "\\"},
    {"Strafe", "+strafe", IDC_BIND_STRAFE, "ALT"},
    {"Use", "+use", IDC_BIND_USE, "U"},
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
