#include "app/settings_dialogs.h"

#include "app/page_frame.h"
#include "settings/settings_file.h"

namespace {

FileDialogRequest settingsFileRequest(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.title = save ? "Save ZatStart Settings File" : "Load ZatStart Settings File";
    request.filters = {{"ZTP File", "*.ZTP"}, {"All Files", "*.*"}};
    request.initialName = "*.ZTP";
    request.fileMustExist = !save;
    request.askBeforeOverwrite = save;
    return request;
}

void report(App& app, PageWindow& window, const Failure& failure) {
    if (failure)
        showError(app, &window, *failure);
}

} // namespace

bool saveSettingsFile(App& app, PageWindow& window) {
    const auto chosen = app.desktop.fileDialog(window, settingsFileRequest(true));
    if (!chosen)
        return false;
    Failure failure = storeChosenPath(app.settings.savePath, *chosen);
    if (!failure)
        failure = writeSettingsFile(app.settings);
    report(app, window, failure);
    return true;
}

bool loadSettingsFile(App& app, PageWindow& window) {
    const auto chosen = app.desktop.fileDialog(window, settingsFileRequest(false));
    if (!chosen)
        return false;
    Failure failure = storeChosenPath(app.settings.loadPath, *chosen);
    if (!failure)
        failure = readSettingsFile(app.settings);
    report(app, window, failure);
    return true;
}
