#include "app/locate_game.h"
#include "app/pages.h"
#include "app/settings_dialogs.h"

namespace {

constexpr int kAboutButton = 103;
constexpr int kLoadButton = 222;
// The first-run question waits until the page is on the screen.
constexpr int kFirstRunTimer = 2;

void open(App& app, PageWindow& window) {
    if (app.settings.locateGamePending == 1)
        window.setTimer(kFirstRunTimer, 100);
}

bool onTimer(App& app, PageWindow& window, const PageEvent& event) {
    if (event.kind != PageEvent::Kind::timer || event.id != kFirstRunTimer)
        return false;
    window.killTimer(kFirstRunTimer);
    if (app.settings.locateGamePending == 1)
        runLocateSequence(app, window);
    return true;
}

bool command(App& app, PageWindow& window, int id) {
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

int toGameType(const LaunchSettings&) {
    return templates::gameType;
}

} // namespace

const Page welcomePage{.templateId = templates::welcome,
                       .open = open,
                       .command = command,
                       .other = onTimer,
                       .next = toGameType,
                       .positionOnlyWhenRecorded = true};
