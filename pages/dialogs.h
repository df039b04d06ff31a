#pragma once
// The dialogs that open on top of a page and return to it when they close.

#include "app/app_state.h"

// The key bindings: the game's own keys, or those of a game config file the player loads.
void openControlSetup(App& app);
// A video driver or mode from its list; OK stores the chosen position, Cancel nothing.
void chooseVideoDriver(App& app);
void chooseVideoMode(App& app);
// More video options, shown for the player to try; nothing of them is kept.
void openAdvancedVideo(App& app);
