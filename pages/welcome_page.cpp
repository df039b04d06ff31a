// The first page: asks for the game on a first run, loads a settings file, opens About.
#include "app/locate_game.h"
#include "app/settings_dialogs.h"
#include "pages/pages.h"

#include <string>
#include <utility>

namespace {

constexpr int kAboutButton = 103;
constexpr int kLoadButton = 222;
// The first-run question and a settings file named on the command line wait until the page
// is on the screen.
constexpr int kAfterOpeningTimer = 2;

// The flag is cleared as the page opens, so nothing done before the question comes can keep
// it; the question itself is owed until it has been asked.
void open(App& app, PageWindow& window) {
    app.locateQuestionOwed = app.settings.locateGamePending == 1;
    if (app.locateQuestionOwed)
        app.settings.locateGamePending = 0;
    if (app.locateQuestionOwed || !app.fileToOpen.empty())
        window.setTimer(kAfterOpeningTimer, 100);
}

void askOwedQuestion(App& app, PageWindow& window) {
    if (!app.locateQuestionOwed)
        return;
    app.locateQuestionOwed = false;
    window.killTimer(kAfterOpeningTimer);
    runLocateSequence(app, window);
}

// The question first, so that the file's game directory is weighed against the located one;
// then the file, loaded as Load does and skipped to its command line. A file that cannot be
// loaded leaves the player here, where Load can choose another. Returns whether the page
// moved on.
bool doWhatIsOwed(App& app, PageWindow& window) {
    askOwedQuestion(app, window);
    if (app.fileToOpen.empty())
        return false;
    window.killTimer(kAfterOpeningTimer);
    const std::string file = std::exchange(app.fileToOpen, {});
    if (!loadSettingsFileAt(app, window, file))
        return false;
    goToPage(app, window, templates::commandLine);
    return true;
}

bool onTimer(App& app, PageWindow& window, const PageEvent& event) {
    if (event.kind != PageEvent::Kind::timer || event.id != kAfterOpeningTimer)
        return false;
    doWhatIsOwed(app, window);
    return true;
}

bool command(App& app, PageWindow& window, int id) {
    // A player quicker than the timer still gets the question and the file before anything
    // else happens.
    if (doWhatIsOwed(app, window))
        return true;
    if (id == kAboutButton) {
        openAboutBox(app);
        return true;
    }
    if (id != kLoadButton)
        return false;
    loadSettingsFile(app, window);
    if (app.desktop.messageBox(&window, "Skip to the Command Line dialog?", "Zat Start",
                               MessageIcon::none, MessageButtons::yesNo) == MessageAnswer::yes)
        goToPage(app, window, templates::commandLine);
    return true;
}

} // namespace

const Page welcomePage{.templateId = templates::welcome,
                       .open = open,
                       .command = command,
                       .other = onTimer,
                       .positionOnlyWhenRecorded = true};
