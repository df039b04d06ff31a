// The video driver and mode, by name from their tables, the texture mode and full screen.
#include "pages/dialogs.h"
#include "pages/pages.h"
#include "settings/choices.h"
#include "settings/name_tables.h"

namespace {

const FieldBinding fields[] = {
    choiceRange(IDC_TEXTURE_AUTO, IDC_TEXTURE_16BIT, &LaunchSettings::textureMode),
    choice({IDC_FULLSCREEN_YES, IDC_FULLSCREEN_NO}, &LaunchSettings::fullscreen),
};

// A position outside its table leaves the name shown as it was.
template <std::size_t N>
void showName(PageWindow& window, int id, const std::array<std::string_view, N>& names,
              int32_t position) {
    if (position >= 1 && position <= static_cast<int32_t>(N))
        window.setItemText(id, names[static_cast<std::size_t>(position - 1)]);
}

void showVideoChoice(App& app, PageWindow& window) {
    showName(window, IDC_VIDEO_DRIVER, videoDriverNames, app.settings.videoDriver);
    showName(window, IDC_VIDEO_MODE, videoModeNames, app.settings.videoMode);
}

void setDefaults(App& app, PageWindow& window) {
    LaunchSettings& s = app.settings;
    s.videoDriver = kStartupValues.videoDriver;
    s.videoMode = kStartupValues.videoMode;
    s.textureMode = kStartupValues.textureMode;
    s.fullscreen = kStartupValues.fullscreen;
    loadFields(fields, s, window);
    showVideoChoice(app, window);
}

bool command(App& app, PageWindow& window, int id) {
    switch (id) {
    case IDC_CHANGE_DRIVER:
        chooseVideoDriver(app);
        break;
    case IDC_CHANGE_MODE:
        chooseVideoMode(app);
        break;
    case IDC_SET_VIDEO_DEFAULTS:
        setDefaults(app, window);
        break;
    case IDC_ADVANCED_VIDEO:
        openAdvancedVideo(app);
        return true;
    default:
        return false;
    }
    showVideoChoice(app, window);
    return true;
}

} // namespace

const Page videoOptionsPage{.templateId = IDD_VIDEO_OPTIONS,
                            .next = to(IDD_OPTION_TEXT),
                            .back = to(IDD_MAP_SELECT),
                            .fields = fields,
                            .open = showVideoChoice,
                            .command = command};
