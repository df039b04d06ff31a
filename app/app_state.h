#pragma once
// Everything that outlives a page: the record, where the last page stood, the composed
// command line, where the INI file lives, and which page the loop opens next.

#include "launch/launch_command.h"
#include "platform/port.h"
#include "resources/resource_ids.h"
#include "settings/game_location.h"
#include "settings/launch_settings.h"
#include "zat_version.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Screen pixels of the page left last; none is recorded while the size is 0. The welcome
// page also stays where it opened at left 0, so it is centred at start-up.
struct PagePosition {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

constexpr const char* kPageTitle = ZAT_PAGE_TITLE;

struct Page;

// What the help window says about a page (or a dialog on top of one).
struct HelpTopic {
    int templateId; // the page the topic explains
    std::string_view title;
    std::string_view text; // lines broken with CR LF, as a text box shows them
};

// The pages the program runs and the help about them, handed over by the entry point.
struct PageSet {
    std::span<const Page* const> pages;    // the page loop opens them by template
    std::span<const HelpTopic> helpTopics; // in the order the help window lists them
};

struct App {
    explicit App(Desktop& desktopToUse, PageSet pageSet = {})
        : desktop(desktopToUse), pages(pageSet) {}

    Desktop& desktop;
    PageSet pages;
    LaunchSettings settings{};
    PagePosition pagePosition;
    GameLaunch gameLaunch;
    IniLocations ini;
    int nextPage = 0;                // the template the page loop opens next; 0 ends the program
    bool locateQuestionOwed = false; // a first run whose question has not come yet
    // The game directory as the player located it (INI file or locate dialog), which a loaded
    // settings file may not silently replace.
    std::string locatedDirectory;
    bool gameRunning = false; // started from the run page, which waits for it to end
    // A settings file named on the command line, opened once the welcome page is shown.
    std::string fileToOpen;
};
