// The launch: optionally save the settings, start the game, optionally close.
#include "app/settings_dialogs.h"
#include "launch/launch_command.h"
#include "pages/pages.h"
#include "platform/files.h"
#include "settings/text_field.h"

#include <string>

namespace {

// The controls that rest while the game runs, so that nothing starts it a second time or
// leaves the page under it.
constexpr int kControlsAtRest[] = {
    IDC_NEXT, IDC_BACK, IDC_CLOSE, IDC_NAVIGATION_MENU, IDC_SAVE_SETTINGS, IDC_CLOSE_AFTER_START};

void enableControls(PageWindow& window, bool enabled) {
    for (const int id : kControlsAtRest)
        window.enableItem(id, enabled);
}

bool runGame(App& app, PageWindow& window, const std::string& directory) {
    // Resting takes the focus from the Run button; it comes back with the controls.
    const int focused = window.focusedItem();
    app.gameRunning = true;
    // The controls rest once the game is on its way, not before: the start waits for nothing,
    // and no click can come in between.
    const bool started = startGame(app.desktop, directory, app.gameLaunch, [&] {
                             enableControls(window, false);
                         }).has_value();
    enableControls(window, true);
    if (focused != 0)
        window.focusItem(focused);
    app.gameRunning = false;
    return started;
}

// Run: the game is started directly, never through a command interpreter, so nothing in the
// game directory can be taken as a command; and only from a full path, never from whatever
// zat.exe lies in the launcher's own current directory.
bool command(App& app, PageWindow& window, int id) {
    // The window keeps answering while the game runs (its close box, Escape): nothing more.
    if (app.gameRunning)
        return true;
    if (id != IDC_NEXT)
        return false;
    const std::string directory(fieldText(app.settings.gameDirectory));
    if (!isFullPath(directory)) {
        showError(app, &window, kGameDirectoryUnknown);
        return true;
    }
    const bool save = window.isChecked(IDC_SAVE_SETTINGS);
    const bool closeAfter = window.isChecked(IDC_CLOSE_AFTER_START);
    if (save)
        saveSettingsFile(app, window);
    if (!runGame(app, window, directory)) {
        showError(app, &window, kGameNotStarted);
        return true;
    }
    if (closeAfter) {
        app.nextPage = 0;
        window.end();
    }
    return true;
}

} // namespace

// Its Next is Run, in its own command.
const Page runPage{
    .templateId = IDD_RUN, .next = {}, .back = to(IDD_OPTION_TEXT), .command = command};
