// The first page: asks for the game on a first run, loads a settings file, opens About.
#include "app/locate_game.h"
#include "app/settings_dialogs.h"
#include "pages/pages.h"

#include <string>
#include <utility>

namespace {

// The first-run question and a settings file named on the command line wait until the page
// is on the screen.

// The flag is cleared as the page opens, so nothing done before the question comes can keep
// it; the question itself is owed until it has been asked.
void open(App& app, PageWindow& window) {
    app.locateQuestionOwed = app.settings.locateGamePending == 1;
    if (app.locateQuestionOwed)
        app.settings.locateGamePending = 0;
    if (app.locateQuestionOwed || !app.fileToOpen.empty())
        window.setTimer(IDT_AFTER_OPENING, 100);
}

void askOwedQuestion(App& app, PageWindow& window) {
    if (!app.locateQuestionOwed)
        return;
    app.locateQuestionOwed = false;
    window.killTimer(IDT_AFTER_OPENING);
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
    window.killTimer(IDT_AFTER_OPENING);
    const std::string file = std::exchange(app.fileToOpen, {});
    return openSettingsFile(app, window, file);
}

bool onTimer(App& app, PageWindow& window, const PageEvent& event) {
    if (event.kind != PageEvent::Kind::timer || event.id != IDT_AFTER_OPENING)
        return false;
    doWhatIsOwed(app, window);
    return true;
}

bool command(App& app, PageWindow& window, int id) {
    // A player quicker than the timer still gets the question and the file before anything
    // else happens.
    if (doWhatIsOwed(app, window))
        return true;
    if (id == IDC_ABOUT) {
        openAboutBox(app);
        return true;
    }
    if (id != IDC_LOAD_SETTINGS)
        return false;
    loadSettingsFile(app, window);
    if (app.desktop.messageBox(&window, "Skip to the Command Line dialog?", "Zat Start",
                               MessageIcon::none, MessageButtons::yesNo) == MessageAnswer::yes)
        goToPage(app, window, IDD_OPTION_TEXT);
    return true;
}

} // namespace

const Page welcomePage{.templateId = IDD_WELCOME,
                       .next = to(IDD_GAME_TYPE),
                       .back = {},
                       .open = open,
                       .command = command,
                       .other = onTimer,
                       .positionOnlyWhenRecorded = true};
