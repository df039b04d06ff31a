// Where Next and Back lead from each page: a fixed page or a rule over the record. The chain
// is the same whatever each page offers, so it is kept in one place.
#include "pages/pages.h"
#include "resources/resource_ids.h"
#include "settings/choices.h"

namespace {

int afterGameType(const LaunchSettings& s) {
    if (s.gameType == gameTypes::deathmatch)
        return IDD_PLAYER_SETUP;
    return s.gameType == gameTypes::singlePlayer ? IDD_GAME_OPTIONS : 0;
}

int afterMultiplayer(const LaunchSettings& s) {
    return s.multiplayerMode == multiplayerModes::startServer ? IDD_SERVER_OPTIONS
                                                              : IDD_GAME_OPTIONS;
}

int afterGameOptions(const LaunchSettings& s) {
    return s.multiplayerMode != multiplayerModes::startServer &&
                   s.gameType != gameTypes::singlePlayer
               ? IDD_OPTION_TEXT
               : IDD_MAP_SELECT;
}

// The first rule that holds: a server set-up, then joining in deathmatch, then the start.
int beforeGameOptions(const LaunchSettings& s) {
    if (s.multiplayerMode == multiplayerModes::startServer)
        return IDD_SERVER_OPTIONS;
    if (s.multiplayerMode == multiplayerModes::joinServer && s.gameType == gameTypes::deathmatch)
        return IDD_MULTIPLAYER;
    return IDD_GAME_TYPE;
}

constexpr Route to(int page) {
    return {page, nullptr};
}
constexpr Route by(int (*rule)(const LaunchSettings&)) {
    return {0, rule};
}

const PageRoutes routes[] = {
    {IDD_WELCOME, to(IDD_GAME_TYPE), {}},
    {IDD_GAME_TYPE, by(afterGameType), to(IDD_WELCOME)},
    {IDD_PLAYER_SETUP, to(IDD_MULTIPLAYER), to(IDD_GAME_TYPE)},
    {IDD_MULTIPLAYER, by(afterMultiplayer), to(IDD_PLAYER_SETUP)},
    {IDD_SERVER_OPTIONS, to(IDD_GAME_OPTIONS), to(IDD_MULTIPLAYER)},
    {IDD_GAME_OPTIONS, by(afterGameOptions), by(beforeGameOptions)},
    {IDD_MAP_SELECT, to(IDD_OPTION_TEXT), to(IDD_GAME_OPTIONS)},
    {IDD_OPTION_TEXT, {}, to(IDD_MAP_SELECT)}, // its Next writes the game config file first
    {IDD_RUN, {}, to(IDD_OPTION_TEXT)},        // its Next is Run
    {IDD_VIDEO_OPTIONS, to(IDD_OPTION_TEXT), to(IDD_MAP_SELECT)},
};

const Page* const allPages[] = {
    &welcomePage,     &gameTypePage,  &playerSetupPage, &multiplayerPage, &serverOptionsPage,
    &gameOptionsPage, &mapSelectPage, &commandLinePage, &runPage,         &videoOptionsPage};

} // namespace

const PageRoutes& routesOf(int templateId) {
    static const PageRoutes none{};
    for (const PageRoutes& r : routes)
        if (r.templateId == templateId)
            return r;
    return none;
}

const Page* findPage(int templateId) {
    for (const Page* page : allPages)
        if (page->templateId == templateId)
            return page;
    return nullptr;
}

std::span<const Page* const> everyPage() {
    return allPages;
}
