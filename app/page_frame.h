#pragma once
// What every page shares: Next, Back, Close with its question, the navigation menu and
// navigation commands, and the page position carried from page to page.

#include "app/app_state.h"
#include "app/field_bindings.h"

#include <span>
#include <string_view>

// Where Next or Back leads: a fixed page, or a rule over the record (0: the page stays).
struct Route {
    int page = 0;
    int (*rule)(const LaunchSettings&) = nullptr;

    int target(const LaunchSettings& s) const { return rule ? rule(s) : page; }
    bool leads() const { return rule || page != 0; }
};

constexpr Route to(int page) {
    return {page, nullptr};
}
constexpr Route by(int (*rule)(const LaunchSettings&)) {
    return {0, rule};
}

// A page of the chain: everything the frame needs to open, run and leave it.
struct Page {
    int templateId = 0;
    Route next; // none: the page's own command handles Next
    Route back;
    // Controls that mirror fields one to one: loaded on opening, stored on leaving.
    std::span<const FieldBinding> fields = {};
    void (*open)(App&, PageWindow&) = nullptr;  // what the table does not fill
    void (*store)(App&, PageWindow&) = nullptr; // on leaving, what the table does not keep;
                                                // runs before the table is stored
    // The page's own controls; returns whether it handled the command.
    bool (*command)(App&, PageWindow&, int id) = nullptr;
    // Enables and shows controls as the record says; after opening and every command.
    void (*refresh)(const LaunchSettings&, PageWindow&) = nullptr;
    // Timers and mouse moves.
    bool (*other)(App&, PageWindow&, const PageEvent&) = nullptr;
    bool positionOnlyWhenRecorded = false; // the welcome page stays centred at start-up
};

bool handlePageEvent(App& app, const Page& page, PageWindow& window, const PageEvent& event);

void recordPagePosition(App& app, PageWindow& window);
void applyPagePosition(App& app, PageWindow& window);
// Records the position, ends this page and has the page loop open another.
void goToPage(App& app, PageWindow& window, int templateId);
// Asks whether to exit; ends the page on Yes and returns whether it did.
bool confirmExit(App& app, PageWindow& window);

void showError(App& app, PageWindow* owner, std::string_view text);
// Whether the program can use a path the desktop handed over; if not, the player is told why.
bool usablePath(App& app, PageWindow* owner, const HandedPath& path);
// What the player is told about a path the program cannot use.
std::u16string unusablePathMessage(const HandedPath& path);
void openAboutBox(App& app);
