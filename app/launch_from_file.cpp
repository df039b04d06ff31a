#include "app/launch_from_file.h"

#include "app/app_state.h"
#include "app/locate_game.h"
#include "app/starter_output.h"
#include "controls/game_config.h"
#include "launch/launch_command.h"
#include "platform/files.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"

#include <optional>
#include <string>

namespace {

struct Launch {
    std::string directory; // the located one
    GameLaunch line;
};

int failWith(App& app, std::string_view message) {
    tellStarter(app.desktop, StarterStream::error, std::string(message) + "\r\n");
    return 1;
}

// No page asks here whether to trust the file's game directory, so the file never decides
// which program starts: the launch always uses the one the player located.
std::optional<Launch> prepare(App& app, std::string_view file) {
    readGameLocation(app.settings, iniLocationsOf(app.desktop));
    Launch launch{std::string(fieldText(app.settings.gameDirectory)), {}};
    Failure failure = storeChosenPath(app.settings.loadPath, file);
    if (!failure)
        failure = readSettingsFile(app.settings);
    if (!failure && !isFullPath(launch.directory))
        failure = kGameDirectoryUnknown;
    if (failure) {
        failWith(app, *failure);
        return std::nullopt;
    }
    storeFieldText(app.settings.gameDirectory, launch.directory); // it came from this field
    launch.line = composeGameLaunch(app.settings);
    return launch;
}

} // namespace

int runSettingsFile(Desktop& desktop, std::string_view file) {
    App app(desktop);
    const auto launch = prepare(app, file);
    if (!launch)
        return 1;
    if (const Failure failure = writeGameConfig(launch->directory, launch->line.optionText))
        return failWith(app, *failure);
    const auto exitCode = startGame(desktop, launch->directory, launch->line);
    if (!exitCode)
        return failWith(app, kGameNotStarted);
    return static_cast<int>(*exitCode);
}

int printSettingsFile(Desktop& desktop, std::string_view file) {
    App app(desktop);
    const auto launch = prepare(app, file);
    if (!launch)
        return 1;
    const std::string text =
        launch->line.launchCommand + "\r\n" + gameConfigText(launch->line.optionText) + "\r\n";
    tellStarter(desktop, StarterStream::output, text);
    return 0;
}
