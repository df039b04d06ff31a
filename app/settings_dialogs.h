#pragma once
// Saving and loading the whole record through the file dialogs.

#include "app/app_state.h"

// Both return whether the player chose a file (whether or not it could be used).
bool saveSettingsFile(App& app, PageWindow& window);
bool loadSettingsFile(App& app, PageWindow& window);
