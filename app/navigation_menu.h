#pragma once

#include "app/app_state.h"

#include <vector>

// The menu's items for the game being set up: the multiplayer and server pages only when
// they apply.
std::vector<MenuItem> navigationMenuItems(const LaunchSettings& settings);

// Shows the menu above the page's "Navigation Menu" button; the chosen item arrives at the
// page afterwards as a navigation command.
void showNavigationMenu(App& app, PageWindow& window);
