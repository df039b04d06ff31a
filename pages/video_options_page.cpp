// The video driver and mode, by name from their tables, the texture mode and full screen.
#include "pages/dialogs.h"
#include "pages/pages.h"
#include "settings/choices.h"
#include "video/video_tables.h"

namespace {

constexpr int kDriverName = 500;
constexpr int kModeName = 501;
constexpr int kChangeDriver = 400;
constexpr int kChangeMode = 401;
constexpr int kSetDefaults = 150;
constexpr int kAdvanced = 151;

const FieldBinding fields[] = {
    choiceRange(textureModes::automatic, textureModes::bits16, &LaunchSettings::textureMode),
    choice({fullscreenModes::yes, fullscreenModes::no}, &LaunchSettings::fullscreen),
};

// A position outside its table leaves the name shown as it was.
template <std::size_t N>
void showName(PageWindow& window, int id, const std::array<std::string_view, N>& names,
              int32_t position) {
    if (position >= 1 && position <= static_cast<int32_t>(N))
        window.setItemText(id, names[static_cast<std::size_t>(position - 1)]);
}

void showVideoChoice(App& app, PageWindow& window) {
    showName(window, kDriverName, videoDriverNames, app.settings.videoDriver);
    showName(window, kModeName, videoModeNames, app.settings.videoMode);
}

void setDefaults(App& app, PageWindow& window) {
    LaunchSettings& s = app.settings;
    s.videoDriver = 1;
    s.videoMode = 4;
    s.textureMode = textureModes::automatic;
    s.fullscreen = fullscreenModes::yes;
    loadFields(fields, s, window);
    showVideoChoice(app, window);
}

bool command(App& app, PageWindow& window, int id) {
    switch (id) {
    case kChangeDriver:
        chooseVideoDriver(app);
        break;
    case kChangeMode:
        chooseVideoMode(app);
        break;
    case kSetDefaults:
        setDefaults(app, window);
        break;
    case kAdvanced:
        openAdvancedVideo(app);
        return true;
    default:
        return false;
    }
    showVideoChoice(app, window);
    return true;
}

} // namespace

const Page videoOptionsPage{.templateId = templates::videoOptions,
                            .fields = fields,
                            .open = showVideoChoice,
                            .command = command};
