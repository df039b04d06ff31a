#include "app/settings_dialogs.h"

#include "app/page_frame.h"
#include "settings/game_location.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"

#include <algorithm>
#include <string>

namespace {

FileDialogRequest settingsFileRequest(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.title = save ? "Save ZatStart Settings File" : "Load ZatStart Settings File";
    request.filters = {{"ZTP File", "*.ZTP"}, {"All Files", "*.*"}};
    request.initialName = "*.ZTP";
    // A name typed without an extension is saved as a settings file that Load lists and a
    // double-click opens.
    if (save)
        request.defaultExtension = "ZTP";
    request.fileMustExist = !save;
    request.askBeforeOverwrite = save;
    return request;
}

bool isSettingsFile(std::string_view path) {
    constexpr std::string_view extension = ".ztp";
    return path.size() > extension.size() &&
           std::equal(extension.rbegin(), extension.rend(), path.rbegin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
           });
}

void report(App& app, PageWindow& window, const Failure& failure) {
    if (failure)
        showError(app, &window, *failure);
}

// A settings file may come from someone else: its game directory decides which program Run
// starts, so a directory other than the located one is taken only when the player says so.
// A file without a usable directory keeps the located one without asking.
void confirmGameDirectory(App& app, PageWindow& window) {
    const std::string fromFile(fieldText(app.settings.gameDirectory));
    if (fromFile.empty())
        storeFieldText(app.settings.gameDirectory, app.locatedDirectory);
    if (fromFile.empty() || sameDirectory(fromFile, app.locatedDirectory))
        return;
    const std::string located =
        app.locatedDirectory.empty() ? "(not located yet)" : app.locatedDirectory;
    const std::string question = "This settings file starts Zat from the directory\n" + fromFile +
                                 "\nbut Zat was located in\n" + located +
                                 "\n\nUse the directory of the settings file?";
    if (app.desktop.messageBox(&window, question, "Zat Start", MessageIcon::question,
                               MessageButtons::yesNo) != MessageAnswer::yes)
        storeFieldText(app.settings.gameDirectory, app.locatedDirectory);
}

} // namespace

bool saveSettingsFile(App& app, PageWindow& window) {
    const auto chosen = app.desktop.fileDialog(window, settingsFileRequest(true));
    if (!chosen)
        return false;
    if (!usablePath(app, &window, *chosen))
        return true;
    Failure failure = storeChosenPath(app.settings.savePath, chosen->path);
    if (!failure)
        failure = writeSettingsFile(app.settings);
    if (failure)
        report(app, window, failure);
    else
        app.desktop.addToRecentDocuments(chosen->path);
    return true;
}

bool loadSettingsFile(App& app, PageWindow& window) {
    const auto chosen = app.desktop.fileDialog(window, settingsFileRequest(false));
    if (!chosen)
        return false;
    if (usablePath(app, &window, *chosen))
        loadSettingsFileAt(app, window, chosen->path);
    return true;
}

bool loadSettingsFileAt(App& app, PageWindow& window, std::string_view path) {
    Failure failure = storeChosenPath(app.settings.loadPath, path);
    if (!failure)
        failure = readSettingsFile(app.settings);
    if (failure) {
        report(app, window, failure);
        return false;
    }
    app.desktop.addToRecentDocuments(path);
    confirmGameDirectory(app, window);
    return true;
}

bool openSettingsFile(App& app, PageWindow& window, const HandedPath& path) {
    if (!usablePath(app, &window, path) || !loadSettingsFileAt(app, window, path.path))
        return false;
    goToPage(app, window, IDD_OPTION_TEXT);
    return true;
}

void loadDroppedFile(App& app, PageWindow& window, const std::vector<HandedPath>& files) {
    const auto file = std::find_if(files.begin(), files.end(), [](const HandedPath& dropped) {
        return isSettingsFile(dropped.path);
    });
    if (file == files.end()) {
        showError(app, &window,
                  "Only Zat Start settings files (.ZTP) can be dropped onto Zat Start.");
        return;
    }
    openSettingsFile(app, window, *file);
}
