#include "app/navigation_menu.h"

#include "settings/choices.h"

std::vector<MenuItem> navigationMenuItems(const LaunchSettings& s) {
    const bool deathmatch = s.gameType == gameTypes::deathmatch;
    std::vector<MenuItem> items{{300, "&Welcome"}, {301, "&Game Type"}, {0, ""}};
    if (deathmatch) {
        items.push_back({302, "&Multiplayer Setup"});
        if (s.multiplayerMode == multiplayerModes::startServer)
            items.push_back({303, "&Server Options"});
        items.push_back({0, ""});
    }
    items.insert(items.end(), {{304, "Game &Options"},
                               {305, "M&ap Select"},
                               {307, "&Command Line"},
                               {0, ""},
                               {308, "Locate Zat Directory"},
                               {309, "A&bout ZatStart"}});
    return items;
}

void showNavigationMenu(App& app, PageWindow& window) {
    const LaunchSettings& s = app.settings;
    // The longer the menu, the higher above the button it opens.
    int height = 144;
    if (s.gameType == gameTypes::deathmatch)
        height = s.multiplayerMode == multiplayerModes::startServer ? 186 : 168;
    const Point button = window.itemScreenOrigin(105);
    app.desktop.popupMenu(window, navigationMenuItems(s), {button.x - 19, button.y - height});
}
