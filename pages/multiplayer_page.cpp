// Join a server by its address, or start one of the player's own.
#include "pages/pages.h"
#include "settings/choices.h"

namespace {

constexpr int kAddressBox = 201;
constexpr std::size_t kAddressChars = 39;

// The address is stored whatever the choice, so a player who starts a server keeps it.
const FieldBinding fields[] = {
    choice({multiplayerModes::joinServer, multiplayerModes::startServer},
           &LaunchSettings::multiplayerMode),
    text<&LaunchSettings::serverAddress>(kAddressBox, kAddressChars),
};

void refresh(const LaunchSettings& s, PageWindow& window) {
    window.enableItem(kAddressBox, s.multiplayerMode == multiplayerModes::joinServer);
}

} // namespace

const Page multiplayerPage{
    .templateId = templates::multiplayer, .fields = fields, .refresh = refresh};
