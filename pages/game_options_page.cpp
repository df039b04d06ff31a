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

} // namespace

const Page gameOptionsPage{.templateId = IDD_GAME_OPTIONS, .fields = fields, .command = command};
