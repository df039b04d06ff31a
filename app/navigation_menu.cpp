#include "app/navigation_menu.h"

#include "settings/choices.h"

std::vector<MenuItem> navigationMenuItems(const LaunchSettings& s) {
    const bool deathmatch = s.gameType == gameTypes::deathmatch;
    std::vector<MenuItem> items{{IDM_WELCOME, "&Welcome"}, {IDM_GAME_TYPE, "&Game Type"}, {0, ""}};
    if (deathmatch) {
        items.push_back({IDM_MULTIPLAYER, "&Multiplayer Setup"});
        if (s.multiplayerMode == multiplayerModes::startServer)
            items.push_back({IDM_SERVER_OPTIONS, "&Server Options"});
        items.push_back({0, ""});
    }
    items.insert(items.end(), {{IDM_GAME_OPTIONS, "Game &Options"},
                               {IDM_MAP_SELECT, "M&ap Select"},
                               {IDM_OPTION_TEXT, "&Command Line"},
                               {0, ""},
                               {IDM_LOCATE_GAME, "Locate Zat Directory"},
                               {IDM_ABOUT, "A&bout ZatStart"}});
    return items;
}

void showNavigationMenu(App& app, PageWindow& window) {
    const LaunchSettings& s = app.settings;
    // The longer the menu, the higher above the button it opens.
    int height = 144;
    if (s.gameType == gameTypes::deathmatch)
        height = s.multiplayerMode == multiplayerModes::startServer ? 186 : 168;
    const Point button = window.itemScreenOrigin(IDC_NAVIGATION_MENU);
    app.desktop.popupMenu(window, navigationMenuItems(s), {button.x - 19, button.y - height});
}
