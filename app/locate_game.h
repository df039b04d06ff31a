#pragma once

#include "app/app_state.h"

// Asks for the game executable and keeps its directory; false when the player cancelled or
// the directory was refused.
bool locateGame(App& app, PageWindow& window);

// Clears the first-run flag, asks for the game and writes the INI file, also after a cancel.
void runLocateSequence(App& app, PageWindow& window);

// The INI files for this desktop: in the Windows directory, or in application data.
IniLocations iniLocationsOf(Desktop& desktop);
