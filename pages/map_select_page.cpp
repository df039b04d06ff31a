// The level to start: one of the game's own from the sorted list, or a level file of the
// player's own.
#include "pages/pages.h"
#include "settings/choices.h"
#include "settings/name_tables.h"
#include "settings/text_field.h"

#include <algorithm>

namespace {

const FieldBinding fields[] = {
    choice({IDC_RETAIL_LEVELS, IDC_USER_LEVELS}, &LaunchSettings::levelSource),
    toggle(IDC_LIST_SINGLE_PLAYER_LEVELS, &LaunchSettings::listSinglePlayerLevels),
    toggle(IDC_LIST_DEATHMATCH_LEVELS, &LaunchSettings::listDeathmatchLevels),
};

template <std::size_t N>
void addLevels(PageWindow& window, const std::array<std::string_view, N>& names) {
    for (std::string_view name : names)
        window.listAdd(IDC_LEVEL_LIST, name);
}

// Only the value 1 adds a table.
void fillLevelList(const LaunchSettings& s, PageWindow& window) {
    if (s.listSinglePlayerLevels == 1)
        addLevels(window, singlePlayerLevelNames);
    if (s.listDeathmatchLevels == 1)
        addLevels(window, deathmatchLevelNames);
}

void open(App& app, PageWindow& window) {
    LaunchSettings& s = app.settings;
    fillLevelList(s, window);
    // An empty list in list mode chooses no level; a level file of the player's own stays
    // chosen until another is.
    if (s.listSinglePlayerLevels != 0 || s.listDeathmatchLevels != 0)
        window.listSelect(IDC_LEVEL_LIST, s.levelIndex);
    else if (s.levelSource == levelSources::retail)
        storeFieldText(s.mapName, "");
}

// A check box switched on (its click has flipped its field) adds its table to the list;
// switched off, the list is filled anew with the other table only. Neither chooses a
// selection.
void toggleTable(App& app, PageWindow& window, int box) {
    const LaunchSettings& s = app.settings;
    const bool singlePlayer = box == IDC_LIST_SINGLE_PLAYER_LEVELS;
    if ((singlePlayer ? s.listSinglePlayerLevels : s.listDeathmatchLevels) == 1) {
        if (singlePlayer)
            addLevels(window, singlePlayerLevelNames);
        else
            addLevels(window, deathmatchLevelNames);
    } else {
        window.listReset(IDC_LEVEL_LIST);
        fillLevelList(s, window);
    }
}

void chooseUserLevel(App& app, PageWindow& window) {
    FileDialogRequest request;
    request.title = "Select User-Made Level";
    request.filters = {{"Zat Map File", "*.bsp"}};
    request.initialName = "*.bsp";
    request.fileMustExist = true;
    request.pathMustExist = true;
    const auto chosen = app.desktop.fileDialog(window, request);
    if (!chosen || !usablePath(app, &window, *chosen))
        return;
    std::string name;
    if (const Failure failure = userLevelName(chosen->path, name))
        showError(app, &window, *failure);
    else
        storeFieldText(app.settings.mapName, name);
}

bool command(App& app, PageWindow& window, int id) {
    if (id == IDC_LIST_SINGLE_PLAYER_LEVELS || id == IDC_LIST_DEATHMATCH_LEVELS)
        toggleTable(app, window, id);
    else if (id == IDC_SELECT_MAP)
        chooseUserLevel(app, window);
    else
        return false;
    return true;
}

// In list mode the selection is kept as its position and its name; nothing selected keeps
// the first entry, and an empty list no name.
void storeLevelChoice(App& app, PageWindow& window) {
    LaunchSettings& s = app.settings;
    if (s.levelSource != levelSources::retail)
        return;
    s.levelIndex = std::max(window.listSelection(IDC_LEVEL_LIST), 0);
    storeFieldTextCut(s.mapName, window.listEntry(IDC_LEVEL_LIST, s.levelIndex).value_or(""));
}

void refresh(const LaunchSettings& s, PageWindow& window) {
    const bool fromList = s.levelSource == levelSources::retail;
    for (int id : {IDC_LEVEL_LIST, IDC_LIST_SINGLE_PLAYER_LEVELS, IDC_LIST_DEATHMATCH_LEVELS})
        window.enableItem(id, fromList);
    window.enableItem(IDC_SELECT_MAP, !fromList);
}

} // namespace

const Page mapSelectPage{.templateId = IDD_MAP_SELECT,
                         .next = to(IDD_OPTION_TEXT),
                         .back = to(IDD_GAME_OPTIONS),
                         .fields = fields,
                         .open = open,
                         .store = storeLevelChoice,
                         .command = command,
                         .refresh = refresh};
