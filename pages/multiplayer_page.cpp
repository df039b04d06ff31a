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

int afterMultiplayer(const LaunchSettings& s) {
    return s.multiplayerMode == multiplayerModes::startServer ? IDD_SERVER_OPTIONS
                                                              : IDD_GAME_OPTIONS;
}

} // namespace

const Page multiplayerPage{.templateId = IDD_MULTIPLAYER,
                           .next = by(afterMultiplayer),
                           .back = to(IDD_PLAYER_SETUP),
                           .fields = fields,
                           .refresh = refresh};
