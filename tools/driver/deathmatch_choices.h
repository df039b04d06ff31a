#pragma once
// The choices a deathmatch player makes on the pages of the server chains, made alike by the
// tour and the end-to-end tests. Each makes its chain's choices on the page, if it has any
// there.

#include "driver.h"

namespace e2e {

// The player kept; starts a server named "Zat Server".
void serverChoices(HWND page, Page kind);
// A dedicated server with the three limits, team play by model, no falling damage and
// weapons that stay.
void dedicatedServerChoices(HWND page, Page kind);

} // namespace e2e
