#pragma once
// The program: refuses a second instance, reads the game location, shows the splash and runs
// the pages until the player closes the launcher. Returns the program's exit code (0).

#include "platform/port.h"

int runZatStart(Desktop& desktop);
