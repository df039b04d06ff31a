#include "app/locate_game.h"

#include "app/page_frame.h"
#include "settings/text_field.h"

namespace {
constexpr std::string_view kIniNotWritten =
    "The game location could not be saved in ZatStart.ini.\n"
    "Zat Start will ask for the game again at its next start.";
}

bool locateGame(App& app, PageWindow& window) {
    FileDialogRequest request;
    request.title = "Locate ZAT Executable";
    request.filters = {{"ZAT Executable", "ZAT.EXE"}};
    request.initialName = "ZAT.EXE";
    request.fileMustExist = true;
    request.pathMustExist = true;
    const auto chosen = app.desktop.fileDialog(window, request);
    if (!chosen || !usablePath(app, &window, *chosen))
        return false;
    const std::string directory = directoryOfFile(chosen->path);
    const std::string shortForm = app.desktop.shortPath(directory).value_or(directory);
    if (const Failure failure = storeGameDirectory(app.settings, shortForm)) {
        showError(app, &window, *failure);
        return false;
    }
    return true;
}

void runLocateSequence(App& app, PageWindow& window) {
    app.settings.locateGamePending = 0;
    locateGame(app, window);
    // What the INI file holds from now on, also after a cancel.
    app.locatedDirectory = fieldText(app.settings.gameDirectory);
    if (!writeGameLocation(app.settings, app.ini))
        showError(app, &window, kIniNotWritten);
}

IniLocations iniLocationsOf(Desktop& desktop) {
    const std::string appData = desktop.appDataDirectory();
    return {iniPathIn(desktop.windowsDirectory()), appData.empty() ? "" : iniPathIn(appData)};
}
