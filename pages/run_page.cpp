// The launch: optionally save the settings, start the game, optionally close.
#include "app/settings_dialogs.h"
#include "pages/pages.h"
#include "settings/text_field.h"

#include <string>

namespace {

constexpr int kSaveBox = 500;
constexpr int kCloseBox = 501;

// Run: the game is started directly, never through a command interpreter, so nothing in the
// game directory can be taken as a command.
bool command(App& app, PageWindow& window, int id) {
    if (id != frameIds::next)
        return false;
    const bool save = window.isChecked(kSaveBox);
    const bool closeAfter = window.isChecked(kCloseBox);
    if (save)
        saveSettingsFile(app, window);
    const std::string directory(fieldText(app.settings.gameDirectory));
    if (!app.desktop.runProgram(directory + "zat.exe", app.commandLine.launchCommand, directory)) {
        showError(app, &window, "There was an error executing ZAT!");
        return true;
    }
    if (closeAfter) {
        app.nextPage = 0;
        window.end();
    }
    return true;
}

} // namespace

const Page runPage{.templateId = templates::run, .command = command};
