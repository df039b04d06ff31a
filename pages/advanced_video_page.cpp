// More video options for the player to try: nothing is set on opening and nothing is kept,
// so the page opens empty every time.
#include "pages/dialogs.h"

void openAdvancedVideo(App& app) {
    app.desktop.runDialog(templates::advancedVideo, [](PageWindow& window, const PageEvent& event) {
        constexpr int kSetDefaults = 150, kOk = 100, kClose = 2;
        if (event.kind != PageEvent::Kind::command)
            return false;
        if (event.id == kOk || event.id == kClose)
            window.end();
        return event.id == kOk || event.id == kClose || event.id == kSetDefaults;
    });
}
