// More video options for the player to try: nothing is set on opening and nothing is kept,
// so the page opens empty every time.
#include "pages/dialogs.h"

void openAdvancedVideo(App& app) {
    app.desktop.runDialog(IDD_ADVANCED_VIDEO, [](PageWindow& window, const PageEvent& event) {
        if (event.kind != PageEvent::Kind::command)
            return false;
        if (event.id == IDC_OK || event.id == IDC_CLOSE)
            window.end();
        return event.id == IDC_OK || event.id == IDC_CLOSE || event.id == IDC_SET_VIDEO_DEFAULTS;
    });
}
