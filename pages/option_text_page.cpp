// The option text for the player to see and edit; Next writes it into the game config file.
#include "controls/game_config.h"
#include "pages/pages.h"
#include "platform/files.h"
#include "settings/text_field.h"

#include <string>

namespace {

const std::string kOptionTextTooLong = "The command line is too long.\nAt most " +
                                       std::to_string(kOptionTextLimit) +
                                       " characters can be sent to Zat; please shorten it.";

void open(App& app, PageWindow& window) {
    app.gameLaunch = composeGameLaunch(app.settings);
    window.setItemText(IDC_OPTION_TEXT, app.gameLaunch.optionText);
}

// Next: what the player sees goes into the game config file, then on to the run page. A text
// too long to send whole is refused rather than cut; without a full game directory nothing is
// written, rather than base\ZatStart.cfg under whatever the current directory is.
bool command(App& app, PageWindow& window, int id) {
    if (id != IDC_NEXT)
        return false;
    recordPagePosition(app, window);
    const std::string directory(fieldText(app.settings.gameDirectory));
    if (!isFullPath(directory)) {
        showError(app, &window, kGameDirectoryUnknown);
        return true;
    }
    if (window.itemTextLength(IDC_OPTION_TEXT) > kOptionTextLimit) {
        showError(app, &window, kOptionTextTooLong);
        return true;
    }
    app.gameLaunch.optionText = window.itemText(IDC_OPTION_TEXT, kOptionTextLimit + 1);
    if (const Failure failure = writeGameConfig(directory, app.gameLaunch.optionText))
        showError(app, &window, *failure);
    goToPage(app, window, IDD_RUN);
    return true;
}

} // namespace

// Its Next writes the game config file first, in its own command.
const Page optionTextPage{.templateId = IDD_OPTION_TEXT,
                          .next = {},
                          .back = to(IDD_MAP_SELECT),
                          .open = open,
                          .command = command};
