#include "app/startup.h"

#include "app/locate_game.h"
#include "app/page_frame.h"
#include "settings/text_field.h"

#include <utility>

namespace {

constexpr unsigned kSplashMilliseconds = 3000;

void showSplash(App& app) {
    app.desktop.runDialog(IDD_SPLASH, [&app](PageWindow& window, const PageEvent& event) {
        if (event.kind == PageEvent::Kind::init) {
            window.setTimer(IDT_SPLASH, kSplashMilliseconds);
            return false;
        }
        if (event.kind != PageEvent::Kind::timer || event.id != IDT_SPLASH)
            return false;
        window.killTimer(IDT_SPLASH);
        app.nextPage = IDD_WELCOME;
        window.end();
        return true;
    });
}

// One page at a time: a page that moves on names the next one and ends itself, so the
// dialogs never nest however long the player walks back and forth.
const Page* findPage(const App& app, int templateId) {
    for (const Page* page : app.pages.pages)
        if (page->templateId == templateId)
            return page;
    return nullptr;
}

void runPages(App& app) {
    app.desktop.claimSingleInstance();
    while (app.nextPage != 0) {
        const Page* page = findPage(app, app.nextPage);
        app.nextPage = 0;
        if (!page)
            return;
        app.desktop.runDialog(page->templateId,
                              [&app, page](PageWindow& window, const PageEvent& event) {
                                  return handlePageEvent(app, *page, window, event);
                              });
    }
}

} // namespace

int runZatStart(Desktop& desktop, PageSet pages, std::string fileToOpen) {
    // A launcher still at its splash holds no claim and shows no page: not refused.
    if (desktop.dialogWindowExists(kPageTitle) || desktop.singleInstanceClaimed()) {
        // A settings file opened from Explorer goes to the launcher that is open already.
        if (!fileToOpen.empty() && desktop.handToRunningLauncher(kPageTitle, fileToOpen))
            return 0;
        desktop.messageBox(nullptr,
                           "A Previous Instance of Zat Start is already running. Please close "
                           "it before running another instance.",
                           kPageTitle, MessageIcon::error, MessageButtons::ok);
        return 0;
    }
    App app(desktop, pages);
    app.ini = iniLocationsOf(desktop);
    readGameLocation(app.settings, app.ini);
    app.locatedDirectory = fieldText(app.settings.gameDirectory);
    applyStartupValues(app.settings);
    app.fileToOpen = std::move(fileToOpen);
    showSplash(app);
    runPages(app);
    return 0;
}
