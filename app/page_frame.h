#pragma once
// What every page shares: Next, Back, Close with its question, the navigation menu and
// navigation commands, and the page position carried from page to page.

#include "app/app_state.h"

#include <string_view>

struct Page {
    int templateId = 0;
    void (*open)(App&, PageWindow&) = nullptr;  // fills the controls from the record
    void (*store)(App&, PageWindow&) = nullptr; // keeps the controls when the page is left
    // The page's own controls; returns whether it handled the command.
    bool (*command)(App&, PageWindow&, int id) = nullptr;
    // Timers and mouse moves.
    bool (*other)(App&, PageWindow&, const PageEvent&) = nullptr;
    int (*next)(const LaunchSettings&) = nullptr; // the template Next opens; 0 stays
    int (*back)(const LaunchSettings&) = nullptr;
    bool positionOnlyWhenRecorded = false; // the welcome page stays centred at start-up
    bool offersHelp = true;
};

namespace frameIds {
constexpr int next = 100;
constexpr int back = 101;
constexpr int close = 2;
constexpr int navigationMenu = 105;
constexpr int firstNavigation = 300;
constexpr int lastNavigation = 320;
constexpr int locateGame = 308;
constexpr int about = 309;
constexpr int help = 310;
} // namespace frameIds

bool handlePageEvent(App& app, const Page& page, PageWindow& window, const PageEvent& event);

void recordPagePosition(App& app, PageWindow& window);
void applyPagePosition(App& app, PageWindow& window);
// Records the position, ends this page and has the page loop open another.
void goToPage(App& app, PageWindow& window, int templateId);
// Asks whether to exit; ends the page on Yes and returns whether it did.
bool confirmExit(App& app, PageWindow& window);

void showError(App& app, PageWindow* owner, std::string_view text);
void openAboutBox(App& app);
