// The driver and mode lists: each opens on its first entry whatever the record holds, and OK
// stores the chosen entry's position in its table, counted from 1.
#include "pages/dialogs.h"
#include "settings/name_tables.h"

#include <span>

namespace {

void storeChoice(PageWindow& window, std::span<const std::string_view> names, int32_t& field) {
    const int selected = window.listSelection(IDC_VIDEO_LIST);
    if (selected < 0)
        return;
    const auto entry = window.listEntry(IDC_VIDEO_LIST, selected);
    for (std::size_t i = 0; entry && i < names.size(); ++i)
        if (names[i] == *entry) {
            field = static_cast<int32_t>(i + 1);
            return;
        }
}

void chooseFromList(App& app, int templateId, std::span<const std::string_view> names,
                    int32_t& field) {
    app.desktop.runDialog(templateId, [names, &field](PageWindow& window, const PageEvent& event) {
        if (event.kind == PageEvent::Kind::init) {
            for (std::string_view name : names)
                window.listAdd(IDC_VIDEO_LIST, name);
            window.listSelect(IDC_VIDEO_LIST, 0);
            return false;
        }
        if (event.kind != PageEvent::Kind::command || (event.id != IDC_OK && event.id != IDC_CLOSE))
            return false;
        if (event.id == IDC_OK)
            storeChoice(window, names, field);
        window.end();
        return true;
    });
}

} // namespace

void chooseVideoDriver(App& app) {
    chooseFromList(app, IDD_DRIVER_LIST, videoDriverNames, app.settings.videoDriver);
}

void chooseVideoMode(App& app) {
    chooseFromList(app, IDD_MODE_LIST, videoModeNames, app.settings.videoMode);
}
