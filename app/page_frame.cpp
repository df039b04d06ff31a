#include "app/page_frame.h"

#include "app/help_window.h"
#include "app/locate_game.h"
#include "app/navigation_menu.h"
#include "app/settings_dialogs.h"

namespace {

// Where the navigation commands of the pages lead, in command order.
constexpr int navigationTargets[] = {
    IDD_WELCOME,      IDD_GAME_TYPE,  IDD_MULTIPLAYER,   IDD_SERVER_OPTIONS,
    IDD_GAME_OPTIONS, IDD_MAP_SELECT, IDD_VIDEO_OPTIONS, IDD_OPTION_TEXT,
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
    recordPagePosition(app, window);
    storeFields(app, page, window);
    const int index = id - IDM_WELCOME;
    if (index < static_cast<int>(std::size(navigationTargets)))
        goToPage(app, window, navigationTargets[index]);
    else if (id == IDM_LOCATE_GAME)
        runLocateSequence(app, window);
    else if (id == IDM_ABOUT)
        openAboutBox(app);
    return true;
}

// The page is stored first, as for a navigation command, so the help leaves nothing unkept.
bool help(App& app, const Page& page, PageWindow& window) {
    recordPagePosition(app, window);
    storeFields(app, page, window);
    showHelp(app, window, page.templateId);
    return true;
}

bool aboutBoxEvent(PageWindow& window, const PageEvent& event) {
    // Only OK closes the box; Escape and the rest are left alone.
    if (event.kind == PageEvent::Kind::command && event.id == IDC_OK) {
        window.end();
        return true;
    }
    return false;
}

bool pageCommand(App& app, const Page& page, PageWindow& window, int id) {
    const bool choice = writeAtClick(page.fields, app.settings, window, id);
    if (page.command && page.command(app, window, id))
        return true;
    if (choice)
        return true;
    if (id == IDC_NEXT)
        return leave(app, page, window, page.next);
    if (id == IDC_BACK)
        return leave(app, page, window, page.back);
    if (id >= IDM_WELCOME && id <= IDM_ABOUT)
        return navigate(app, page, window, id);
    if (id == IDC_NAVIGATION_MENU) {
        showNavigationMenu(app, window);
        return true;
    }
    if (id == IDC_CLOSE)
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
    case PageEvent::Kind::help:
        return help(app, page, window);
    case PageEvent::Kind::filesDropped:
    case PageEvent::Kind::fileHanded:
        // As with every command, nothing while the game runs from the run page.
        if (app.gameRunning)
            return true;
        if (event.kind == PageEvent::Kind::filesDropped)
            loadDroppedFile(app, window, event.files);
        else if (!event.files.empty())
            openSettingsFile(app, window, event.files.front());
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
    if (r.left == p.left && r.top == p.top)
        return; // already there: a move would only cost the window system a round trip
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

std::u16string unusablePathMessage(const HandedPath& path) {
    return u"Zat Start cannot use\n" + path.unfit +
           u"\n\nIts name holds characters outside the language that Windows uses for programs "
           u"that are not Unicode, and its drive gives it no short (8.3) name. Zat could not "
           u"open it.\n\nRename the folder (or the file), or move the game or the file to a "
           u"folder whose name has none of those characters.";
}

bool usablePath(App& app, PageWindow* owner, const HandedPath& path) {
    if (path.fits())
        return true;
    app.desktop.messageBox(owner, unusablePathMessage(path), "Error", MessageIcon::error,
                           MessageButtons::ok);
    return false;
}

void openAboutBox(App& app) {
    app.desktop.runDialog(IDD_ABOUT, aboutBoxEvent);
}
