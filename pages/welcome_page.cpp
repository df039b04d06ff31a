// The first page: asks for the game on a first run, loads a settings file, opens About.
#include "app/locate_game.h"
#include "app/settings_dialogs.h"
#include "pages/pages.h"

namespace {

constexpr int kAboutButton = 103;
constexpr int kLoadButton = 222;
// The first-run question waits until the page is on the screen.
constexpr int kFirstRunTimer = 2;

// The flag is cleared as the page opens, so nothing done before the question comes can keep
// it; the question itself is owed until it has been asked.
void open(App& app, PageWindow& window) {
    app.locateQuestionOwed = app.settings.locateGamePending == 1;
    if (!app.locateQuestionOwed)
        return;
    app.settings.locateGamePending = 0;
    window.setTimer(kFirstRunTimer, 100);
}

void askOwedQuestion(App& app, PageWindow& window) {
    if (!app.locateQuestionOwed)
        return;
    app.locateQuestionOwed = false;
    window.killTimer(kFirstRunTimer);
    runLocateSequence(app, window);
}

bool onTimer(App& app, PageWindow& window, const PageEvent& event) {
    if (event.kind != PageEvent::Kind::timer || event.id != kFirstRunTimer)
        return false;
    askOwedQuestion(app, window);
    return true;
}

bool command(App& app, PageWindow& window, int id) {
    // A player quicker than the timer still gets the question before anything else happens.
    askOwedQuestion(app, window);
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
