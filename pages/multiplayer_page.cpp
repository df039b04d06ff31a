// Join a server by its address, or start one of the player's own.
#include "pages/pages.h"
#include "settings/choices.h"

namespace {

constexpr std::size_t kAddressChars = 39;

// The address is stored whatever the choice, so a player who starts a server keeps it.
const FieldBinding fields[] = {
    choice({IDC_JOIN_SERVER, IDC_START_SERVER}, &LaunchSettings::multiplayerMode),
    text<&LaunchSettings::serverAddress>(IDC_SERVER_ADDRESS, kAddressChars),
};

void refresh(const LaunchSettings& s, PageWindow& window) {
    window.enableItem(IDC_SERVER_ADDRESS, s.multiplayerMode == multiplayerModes::joinServer);
}

} // namespace

const Page multiplayerPage{.templateId = IDD_MULTIPLAYER, .fields = fields, .refresh = refresh};
