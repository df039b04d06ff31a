// Where Next and Back lead from each page, and the pages whose own controls only hold what
// they show: the chain is the same whatever the page offers.
#include "app/pages.h"

namespace {

int toWelcome(const LaunchSettings&) {
    return templates::welcome;
}
int toGameType(const LaunchSettings&) {
    return templates::gameType;
}
int toPlayerSetup(const LaunchSettings&) {
    return templates::playerSetup;
}
int toMultiplayer(const LaunchSettings&) {
    return templates::multiplayer;
}
int toGameOptions(const LaunchSettings&) {
    return templates::gameOptions;
}
int toMapSelect(const LaunchSettings&) {
    return templates::mapSelect;
}
int toCommandLine(const LaunchSettings&) {
    return templates::commandLine;
}

int afterGameType(const LaunchSettings& s) {
    if (s.gameType == 22)
        return templates::playerSetup;
    return s.gameType == 11 ? templates::gameOptions : 0;
}

int afterMultiplayer(const LaunchSettings& s) {
    return s.multiplayerMode == 202 ? templates::serverOptions : templates::gameOptions;
}

int afterGameOptions(const LaunchSettings& s) {
    return s.multiplayerMode != 202 && s.gameType != 11 ? templates::commandLine
                                                        : templates::mapSelect;
}

int beforeGameOptions(const LaunchSettings& s) {
    if (s.multiplayerMode == 202)
        return templates::serverOptions;
    if (s.multiplayerMode == 200 && s.gameType == 22)
        return templates::multiplayer;
    return templates::gameType;
}

const Page gameTypePage{
    .templateId = templates::gameType, .next = afterGameType, .back = toWelcome};
const Page playerSetupPage{
    .templateId = templates::playerSetup, .next = toMultiplayer, .back = toGameType};
const Page multiplayerPage{
    .templateId = templates::multiplayer, .next = afterMultiplayer, .back = toPlayerSetup};
const Page serverOptionsPage{.templateId = templates::serverOptions,
                             .next = toGameOptions,
                             .back = toMultiplayer,
                             .offersHelp = false};
const Page gameOptionsPage{
    .templateId = templates::gameOptions, .next = afterGameOptions, .back = beforeGameOptions};
const Page mapSelectPage{
    .templateId = templates::mapSelect, .next = toCommandLine, .back = toGameOptions};
const Page videoOptionsPage{
    .templateId = templates::videoOptions, .next = toCommandLine, .back = toMapSelect};

const Page* const allPages[] = {
    &welcomePage,     &gameTypePage,  &playerSetupPage, &multiplayerPage, &serverOptionsPage,
    &gameOptionsPage, &mapSelectPage, &commandLinePage, &runPage,         &videoOptionsPage};

} // namespace

const Page* findPage(int templateId) {
    for (const Page* page : allPages)
        if (page->templateId == templateId)
            return page;
    return nullptr;
}
