#include "deathmatch_choices.h"

namespace e2e {

namespace {

void choosePlayer(HWND page) {
    press(page, 501);              // Mira
    selectListEntry(page, 701, 2); // Mira_Base3
    press(page, 510);              // left hand
    typeKeys(page, 600, "Mira Player With A Long Name");
}

void chooseDedicatedServer(HWND page) {
    for (int box : {514, 510, 511, 512, 900})
        press(page, box); // dedicated, the three limits, team play
    typeKeys(page, 600, "20");
    typeKeys(page, 601, "1234567");
    typeKeys(page, 602, "16");
    press(page, 807); // model teams
    press(page, 500); // no falling damage
    press(page, 501); // weapons stay
}

} // namespace

void makeChoices(Chain chain, Page page, HWND window) {
    switch (page) {
    case Page::gameType:
        press(window, 22);
        break;
    case Page::playerSetup:
        if (chain == Chain::join)
            choosePlayer(window);
        break;
    case Page::multiplayer:
        if (chain == Chain::join) {
            press(window, 200);
            typeKeys(window, 201, "192.168.1.20:27910");
        } else {
            press(window, 202);
        }
        break;
    case Page::serverOptions:
        if (chain == Chain::startServer)
            typeKeys(window, 603, "Zat Server");
        else if (chain == Chain::dedicatedServer)
            chooseDedicatedServer(window);
        break;
    default:
        break;
    }
}

} // namespace e2e
