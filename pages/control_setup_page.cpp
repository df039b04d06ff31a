// The key bindings of the 21 actions: the game's own keys, or those of a game config file,
// which are kept in the record and travel with the settings file.
#include "app/help_window.h"
#include "app/page_frame.h"
#include "controls/bindings.h"
#include "controls/game_config.h"
#include "pages/dialogs.h"
#include "settings/text_field.h"

#include <string>

namespace {

void showBindings(const LaunchSettings& s, PageWindow& window) {
    for (std::size_t slot = 0; slot < bindableActions.size(); ++slot)
        window.setItemText(bindableActions[slot].boxId, fieldText(s.bindings[slot]));
}

// Shown only: the record's bindings stay as they are.
void showDefaultBindings(PageWindow& window) {
    for (const BindableAction& action : bindableActions)
        window.setItemText(action.boxId, action.defaultKey);
}

void chooseGameConfig(App& app, PageWindow& window) {
    FileDialogRequest request;
    request.title = "Load Zat Config File";
    request.filters = {{"CFG File", "*.cfg"}, {"All Files", "*.*"}};
    request.initialName = "*.cfg";
    request.fileMustExist = true;
    const auto chosen = app.desktop.fileDialog(window, request);
    if (!chosen || !usablePath(app, &window, *chosen))
        return;
    if (const Failure failure = readGameConfig(app.settings, chosen->path))
        showError(app, &window, *failure);
    else
        showBindings(app.settings, window);
}

// Where the pointer is, measured from the page window's outer top-left corner. Not snprintf:
// MinGW's printf would bring some 17 KB of formatting code into the exe for this one line.
void showCursor(PageWindow& window, Point cursor) {
    const Rect page = window.windowRect();
    window.setItemText(IDC_CURSOR_POSITION,
                       "Cursor X = " + std::to_string(cursor.x - page.left) +
                           " , Cursor Y = " + std::to_string(cursor.y - page.top));
}

bool controlSetupEvent(App& app, PageWindow& window, const PageEvent& event) {
    switch (event.kind) {
    case PageEvent::Kind::init:
        showDefaultBindings(window);
        return false;
    case PageEvent::Kind::mouseMove:
        showCursor(window, event.cursor);
        return true;
    case PageEvent::Kind::help:
        showHelp(app, window, IDD_CONTROL_SETUP);
        return true;
    case PageEvent::Kind::command:
        break;
    default:
        return false;
    }
    if (event.id == IDC_SET_DEFAULT_KEYS)
        showDefaultBindings(window);
    else if (event.id == IDC_LOAD_CONFIG)
        chooseGameConfig(app, window);
    else if (event.id == IDC_OK || event.id == IDC_CLOSE)
        window.end();
    else
        return false;
    return true;
}

} // namespace

void openControlSetup(App& app) {
    app.desktop.runDialog(IDD_CONTROL_SETUP, [&app](PageWindow& window, const PageEvent& event) {
        return controlSetupEvent(app, window, event);
    });
}
