#include "deathmatch_choices.h"

namespace e2e {

void serverChoices(HWND page, Page kind) {
    if (kind == Page::gameType)
        setButton(page, 22, true);
    else if (kind == Page::multiplayer)
        setButton(page, 202, true);
    else if (kind == Page::serverOptions)
        typeKeys(page, 603, "Zat Server");
}

void dedicatedServerChoices(HWND page, Page kind) {
    if (kind != Page::serverOptions) {
        serverChoices(page, kind);
        return;
    }
    for (int box : {514, 510, 511, 512, 900})
        setButton(page, box, true); // dedicated, the three limits, team play
    typeKeys(page, 600, "20");
    typeKeys(page, 601, "1234567");
    typeKeys(page, 602, "16");
    setButton(page, 807, true);  // model teams
    setButton(page, 500, false); // no falling damage
    setButton(page, 501, true);  // weapons stay
}

} // namespace e2e
