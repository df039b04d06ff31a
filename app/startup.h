#pragma once
// The program: refuses a second instance, reads the game location, shows the splash and runs
// the pages until the player closes the launcher. Returns the program's exit code (0).

#include "app/app_state.h"

#include <string>

// With a settings file, the welcome page loads it as its Load does and goes on to the command
// line page; with another launcher running, the file is handed to that one instead.
int runZatStart(Desktop& desktop, PageSet pages, std::string fileToOpen = {});
