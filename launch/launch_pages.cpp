// The last two pages: the option text for the player to see and edit, and the launch.
#include "app/pages.h"
#include "app/settings_dialogs.h"
#include "controls/game_config.h"
#include "settings/text_field.h"

#include <string>

namespace {

constexpr int kOptionBox = 600;
constexpr int kSaveBox = 500;
constexpr int kCloseBox = 501;

const std::string kOptionTextTooLong = "The command line is too long.\nAt most " +
                                       std::to_string(kOptionTextLimit) +
                                       " characters can be sent to Zat; please shorten it.";

void openCommandLine(App& app, PageWindow& window) {
    app.commandLine = composeCommandLine(app.settings);
    window.setItemText(kOptionBox, app.commandLine.optionText);
}

// Next: what the player sees goes into the game config file, then on to the run page. A text
// too long to send whole is refused rather than cut.
bool commandLineCommand(App& app, PageWindow& window, int id) {
    if (id != frameIds::next)
        return false;
    recordPagePosition(app, window);
    if (window.itemTextLength(kOptionBox) > kOptionTextLimit) {
        showError(app, &window, kOptionTextTooLong);
        return true;
    }
    app.commandLine.optionText = window.itemText(kOptionBox, kOptionTextLimit + 1);
    if (const Failure failure =
            writeGameConfig(fieldText(app.settings.gameDirectory), app.commandLine.optionText))
        showError(app, &window, *failure);
    goToPage(app, window, templates::run);
    return true;
}

// Run: the game is started directly, never through a command interpreter, so nothing in the
// game directory can be taken as a command.
bool runCommand(App& app, PageWindow& window, int id) {
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

int toMapSelect(const LaunchSettings&) {
    return templates::mapSelect;
}
int toCommandLine(const LaunchSettings&) {
    return templates::commandLine;
}

} // namespace

const Page commandLinePage{.templateId = templates::commandLine,
                           .open = openCommandLine,
                           .command = commandLineCommand,
                           .back = toMapSelect};

const Page runPage{.templateId = templates::run, .command = runCommand, .back = toCommandLine};
