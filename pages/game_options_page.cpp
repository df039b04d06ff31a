// Movement and view options, the crosshair and the dialog system.
#include "pages/dialogs.h"
#include "pages/pages.h"
#include "settings/choices.h"

namespace {

constexpr int kControlSetup = 200;

const FieldBinding fields[] = {
    flag(500, &LaunchSettings::alwaysRun),
    flag(502, &LaunchSettings::mouseFilter),
    flag(503, &LaunchSettings::lookSpring),
    flag(504, &LaunchSettings::lookStrafe),
    flag(505, &LaunchSettings::freeLook),
    choiceRange(crosshairs::none, crosshairs::dot, &LaunchSettings::crosshair),
    choiceRange(dialogModes::speechAndText, dialogModes::off, &LaunchSettings::dialogMode),
};

// The hidden "Control Setup" button: the control setup page opens over this one, which
// neither records its position nor stores anything for it.
bool command(App& app, PageWindow&, int id) {
    if (id != kControlSetup)
        return false;
    openControlSetup(app);
    return true;
}

} // namespace

const Page gameOptionsPage{
    .templateId = templates::gameOptions, .fields = fields, .command = command};
