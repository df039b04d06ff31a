#pragma once
// The 21 bindable actions and their slots in the record's bindings field.

#include "settings/launch_settings.h"

#include <array>
#include <string_view>

struct BindableAction {
    std::string_view label;      // shown on the control setup page
    std::string_view command;    // the game console command the action stands for
    int boxId;                   // the box that shows the slot
    std::string_view defaultKey; // shown by "Set Defaults", never stored
};

extern const std::array<BindableAction, 21> bindableActions;

// Every slot becomes empty; only each slot's first byte is cleared.
void clearBindings(LaunchSettings& settings);

// Stores keyName in the slot of the action whose command equals command exactly. The attack
// slot collects several keys joined by ", " as long as they fit; every other slot keeps the
// first key it got. A name that does not fit a slot is dropped.
void assignBinding(LaunchSettings& settings, std::string_view command, std::string_view keyName);
