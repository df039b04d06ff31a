#pragma once
// Saving and loading the whole record through the file dialogs.

#include "app/app_state.h"

#include <string>
#include <string_view>
#include <vector>

// Both return whether the player chose a file (whether or not it could be used).
bool saveSettingsFile(App& app, PageWindow& window);
bool loadSettingsFile(App& app, PageWindow& window);

// Loads the file at path as Load does once a file is chosen: its messages, and the question
// about a game directory other than the located one. Returns whether it was loaded.
bool loadSettingsFileAt(App& app, PageWindow& window, std::string_view path);

// A settings file opened from outside the pages (the command line, a drop, another start of
// the program): loaded as Load does and, once loaded, on to its option text page. Returns
// whether the page moved on.
bool openSettingsFile(App& app, PageWindow& window, const HandedPath& path);

// Files dropped onto a page: the first settings file among them is loaded as Load does and
// its option text page opens; without one, a message and nothing changed.
void loadDroppedFile(App& app, PageWindow& window, const std::vector<HandedPath>& files);
