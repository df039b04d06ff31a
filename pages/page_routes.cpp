// Where Next and Back lead from each page: a fixed page or a rule over the record. The chain
// is the same whatever each page offers, so it is kept in one place.
#include "pages/pages.h"
#include "settings/choices.h"

namespace {

using namespace templates;

int afterGameType(const LaunchSettings& s) {
    if (s.gameType == gameTypes::deathmatch)
        return playerSetup;
    return s.gameType == gameTypes::singlePlayer ? gameOptions : 0;
}

int afterMultiplayer(const LaunchSettings& s) {
    return s.multiplayerMode == multiplayerModes::startServer ? serverOptions : gameOptions;
}

int afterGameOptions(const LaunchSettings& s) {
    return s.multiplayerMode != multiplayerModes::startServer &&
                   s.gameType != gameTypes::singlePlayer
               ? commandLine
               : mapSelect;
}

// The first rule that holds: a server set-up, then joining in deathmatch, then the start.
int beforeGameOptions(const LaunchSettings& s) {
    if (s.multiplayerMode == multiplayerModes::startServer)
        return serverOptions;
    if (s.multiplayerMode == multiplayerModes::joinServer && s.gameType == gameTypes::deathmatch)
        return multiplayer;
    return gameType;
}

constexpr Route to(int page) {
    return {page, nullptr};
}
constexpr Route by(int (*rule)(const LaunchSettings&)) {
    return {0, rule};
}

const PageRoutes routes[] = {
    {welcome, to(gameType), {}},
    {gameType, by(afterGameType), to(welcome)},
    {playerSetup, to(multiplayer), to(gameType)},
    {multiplayer, by(afterMultiplayer), to(playerSetup)},
    {serverOptions, to(gameOptions), to(multiplayer)},
    {gameOptions, by(afterGameOptions), by(beforeGameOptions)},
    {mapSelect, to(commandLine), to(gameOptions)},
    {commandLine, {}, to(mapSelect)}, // its Next writes the game config file first
    {run, {}, to(commandLine)},       // its Next is Run
    {videoOptions, to(commandLine), to(mapSelect)},
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
