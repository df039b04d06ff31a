// Movement and view options, the crosshair and the dialog system.
#include "pages/dialogs.h"
#include "pages/pages.h"
#include "settings/choices.h"

namespace {

const FieldBinding fields[] = {
    flag(IDC_ALWAYS_RUN, &LaunchSettings::alwaysRun),
    flag(IDC_MOUSE_FILTER, &LaunchSettings::mouseFilter),
    flag(IDC_LOOK_SPRING, &LaunchSettings::lookSpring),
    flag(IDC_LOOK_STRAFE, &LaunchSettings::lookStrafe),
    flag(IDC_FREE_LOOK, &LaunchSettings::freeLook),
    choiceRange(IDC_CROSSHAIR_NONE, IDC_CROSSHAIR_DOT, &LaunchSettings::crosshair),
    choiceRange(IDC_DIALOG_SPEECH_AND_TEXT, IDC_DIALOG_OFF, &LaunchSettings::dialogMode),
};

// The hidden "Control Setup" button: the control setup page opens over this one, which
// neither records its position nor stores anything for it.
bool command(App& app, PageWindow&, int id) {
    if (id != IDC_CONTROL_SETUP)
        return false;
    openControlSetup(app);
    return true;
}

// Joining a deathmatch server needs no map.
int afterGameOptions(const LaunchSettings& s) {
    return s.multiplayerMode != multiplayerModes::startServer &&
                   s.gameType != gameTypes::singlePlayer
               ? IDD_OPTION_TEXT
               : IDD_MAP_SELECT;
}

// The first rule that holds: a server set-up, then joining in deathmatch, then the start.
int beforeGameOptions(const LaunchSettings& s) {
    if (s.multiplayerMode == multiplayerModes::startServer)
        return IDD_SERVER_OPTIONS;
    if (s.multiplayerMode == multiplayerModes::joinServer && s.gameType == gameTypes::deathmatch)
        return IDD_MULTIPLAYER;
    return IDD_GAME_TYPE;
}

} // namespace

const Page gameOptionsPage{.templateId = IDD_GAME_OPTIONS,
                           .next = by(afterGameOptions),
                           .back = by(beforeGameOptions),
                           .fields = fields,
                           .command = command};
