#pragma once
// The program's resource script and the header naming its ids, embedded at build time so the
// in-memory backend builds its dialogs from exactly what the program is built from, natively
// and under Wine alike.

#include <string_view>

std::string_view resourceScript();
std::string_view resourceHeader();
// A settings file kept with the tests (unit/data/known.ZTP).
std::string_view knownSettingsFile();
