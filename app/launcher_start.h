#pragma once
// The program as its command line asks: the pages (with a settings file to open, or none),
// a settings file launched or printed without them, or the usage text.

#include "app/app_state.h"

#include <vector>

// Given the arguments behind the program's own name. Returns the process's exit code: 0; the
// game's under /run; 1 when a settings file could not be used; 2 when the command line itself
// was wrong.
int runWithLauncherArguments(Desktop& desktop, const std::vector<HandedPath>& arguments,
                             PageSet pages);
