#include "app/page_frame.h"

#include "app/help_window.h"
#include "app/locate_game.h"
#include "app/navigation_menu.h"
#include "app/settings_dialogs.h"

namespace {

// Where navigation commands 300 to 307 lead.
constexpr int navigationTargets[] = {
    templates::welcome,     templates::gameType,  templates::multiplayer,  templates::serverOptions,
    templates::gameOptions, templates::mapSelect, templates::videoOptions, templates::commandLine,
};

// The page's own part first: a page whose table holds its last fields stores in its order.
void storeFields(App& app, const Page& page, PageWindow& window) {
    if (page.store)
        page.store(app, window);
    storeFields(page.fields, app.settings, window);
}

bool leave(App& app, const Page& page, PageWindow& window, const Route& route) {
    if (!route.leads())
        return false;
    storeFields(app, page, window);
    const int templateId = route.target(app.settings);
    if (templateId == 0)
        recordPagePosition(app, window); // an unexpected value: the page stays
    else
        goToPage(app, window, templateId);
    return true;
}

bool navigate(App& app, const Page& page, PageWindow& window, int id) {
    if (id == frameIds::help && !page.offersHelp)
        return false;
    recordPagePosition(app, window);
    storeFields(app, page, window);
    const int index = id - frameIds::firstNavigation;
    if (index < static_cast<int>(std::size(navigationTargets)))
        goToPage(app, window, navigationTargets[index]);
    else if (id == frameIds::locateGame)
        runLocateSequence(app, window);
    else if (id == frameIds::about)
        openAboutBox(app);
    else if (id == frameIds::help)
        showHelp(app, window, page.templateId);
    return true;
}

bool aboutBoxEvent(PageWindow& window, const PageEvent& event) {
    // Only OK closes the box; Escape and the rest are left alone.
    if (event.kind == PageEvent::Kind::command && event.id == 100) {
        window.end();
        return true;
    }
    return false;
}

bool pageCommand(App& app, const Page& page, PageWindow& window, int id) {
    const bool choice = writeChoiceAtClick(page.fields, app.settings, id);
    if (page.command && page.command(app, window, id))
        return true;
    if (choice)
        return true;
    const PageRoutes& routes = routesOf(page.templateId);
    if (id == frameIds::next)
        return leave(app, page, window, routes.next);
    if (id == frameIds::back)
        return leave(app, page, window, routes.back);
    if (id >= frameIds::firstNavigation && id <= frameIds::lastNavigation)
        return navigate(app, page, window, id);
    if (id == frameIds::navigationMenu) {
        showNavigationMenu(app, window);
        return true;
    }
    if (id == frameIds::close)
        return confirmExit(app, window);
    return false;
}

} // namespace

bool handlePageEvent(App& app, const Page& page, PageWindow& window, const PageEvent& event) {
    switch (event.kind) {
    case PageEvent::Kind::init:
        if (!page.positionOnlyWhenRecorded || app.pagePosition.left != 0)
            applyPagePosition(app, window);
        window.acceptDroppedFiles();
        loadFields(page.fields, app.settings, window);
        if (page.open)
            page.open(app, window);
        if (page.refresh)
            page.refresh(app.settings, window);
        return false;
    case PageEvent::Kind::command: {
        const bool handled = pageCommand(app, page, window, event.id);
        if (page.refresh)
            page.refresh(app.settings, window);
        return handled;
    }
    case PageEvent::Kind::filesDropped:
        // As with every command, nothing while the game runs from the run page.
        if (!app.gameRunning)
            loadDroppedFile(app, window, event.files);
        return true;
    default:
        return page.other && page.other(app, window, event);
    }
}

void recordPagePosition(App& app, PageWindow& window) {
    const Rect r = window.windowRect();
    app.pagePosition = {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Only the place travels: every page keeps the size its template gives it.
void applyPagePosition(App& app, PageWindow& window) {
    const PagePosition& p = app.pagePosition;
    if (p.width <= 0 || p.height <= 0)
        return; // nothing recorded yet
    const Rect r = window.windowRect();
    window.moveWindow({p.left, p.top, p.left + (r.right - r.left), p.top + (r.bottom - r.top)});
}

void goToPage(App& app, PageWindow& window, int templateId) {
    recordPagePosition(app, window);
    app.nextPage = templateId;
    window.end();
}

bool confirmExit(App& app, PageWindow& window) {
    if (app.desktop.messageBox(&window, "Are you sure you wish to exit Zat Start?", "Zat Start",
                               MessageIcon::question, MessageButtons::yesNo) != MessageAnswer::yes)
        return false;
    app.nextPage = 0;
    window.end();
    return true;
}

void showError(App& app, PageWindow* owner, std::string_view text) {
    app.desktop.messageBox(owner, text, "Error", MessageIcon::error, MessageButtons::ok);
}

void openAboutBox(App& app) {
    app.desktop.runDialog(templates::about, aboutBoxEvent);
}
