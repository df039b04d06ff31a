#include "deathmatch_choices.h"

namespace e2e {

void serverChoices(HWND page, Page kind) {
    if (kind == Page::gameType)
        setButton(page, IDC_DEATHMATCH, true);
    else if (kind == Page::multiplayer)
        setButton(page, IDC_START_SERVER, true);
    else if (kind == Page::serverOptions)
        typeKeys(page, IDC_HOST_NAME, "Zat Server");
}

void dedicatedServerChoices(HWND page, Page kind) {
    if (kind != Page::serverOptions) {
        serverChoices(page, kind);
        return;
    }
    for (int box :
         {IDC_DEDICATED, IDC_TIME_LIMIT_ON, IDC_FRAG_LIMIT_ON, IDC_MAX_PLAYERS_ON, IDC_TEAM_PLAY})
        setButton(page, box, true);
    typeKeys(page, IDC_TIME_LIMIT, "20");
    typeKeys(page, IDC_FRAG_LIMIT, "1234567");
    typeKeys(page, IDC_MAX_PLAYERS, "16");
    setButton(page, IDC_MODEL_TEAMS, true);
    setButton(page, IDC_FALLING_DAMAGE, false);
    setButton(page, IDC_WEAPONS_STAY, true);
}

} // namespace e2e
