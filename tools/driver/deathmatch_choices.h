#pragma once
// The choices a deathmatch player makes on the pages of the three deathmatch chains, made
// alike by the tour and the end-to-end tests. Each makes its chain's choices on the page, if
// it has any there.

#include "driver.h"

namespace e2e {

// Mira, her third skin, left hand, a long name; joins a server by its address.
void joinChoices(HWND page, Page kind);
// The player kept; starts a server named "Zat Server".
void serverChoices(HWND page, Page kind);
// A dedicated server with the three limits, team play by model, no falling damage and
// weapons that stay.
void dedicatedServerChoices(HWND page, Page kind);

} // namespace e2e
