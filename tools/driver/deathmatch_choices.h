#pragma once
// The choices a deathmatch player makes on the pages of the three deathmatch chains, made
// alike by the tour and the end-to-end tests.

#include "driver.h"

namespace e2e {

enum class Chain {
    join,            // Mira, her third skin, left hand, a long name; joins by address
    startServer,     // the player kept; starts a server named "Zat Server"
    dedicatedServer, // a dedicated server with limits, team play by model and changed rules
};

// Makes the chain's choices on the page, if it has any there.
void makeChoices(Chain chain, Page page, HWND window);

} // namespace e2e
