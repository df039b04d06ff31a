// Movement and view options, the crosshair and the dialog system.
#include "pages/pages.h"
#include "settings/choices.h"

namespace {

const FieldBinding fields[] = {
    flag(500, &LaunchSettings::alwaysRun),
    flag(502, &LaunchSettings::mouseFilter),
    flag(503, &LaunchSettings::lookSpring),
    flag(504, &LaunchSettings::lookStrafe),
    flag(505, &LaunchSettings::freeLook),
    choiceRange(crosshairs::none, crosshairs::dot, &LaunchSettings::crosshair),
    choiceRange(dialogModes::speechAndText, dialogModes::off, &LaunchSettings::dialogMode),
};

} // namespace

const Page gameOptionsPage{.templateId = templates::gameOptions, .fields = fields};
