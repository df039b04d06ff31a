#pragma once
// A settings file launched without the pages (/run), or its launch only shown (/print).

#include "platform/port.h"

#include <string_view>

// Loads the file, composes its launch for the game directory the player located (never the
// file's own), writes base\ZatStart.cfg and starts the game; returns the game's exit code, or
// 1 after an error message.
int runSettingsFile(Desktop& desktop, std::string_view file);

// Writes what runSettingsFile would start and write, as tellStarter says its output: the
// launch command on the first line, then the config file's text. Returns 0, or 1 after an
// error message.
int printSettingsFile(Desktop& desktop, std::string_view file);
