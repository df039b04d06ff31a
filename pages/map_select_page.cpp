// The level to start: one of the game's own from the sorted list, or a level file of the
// player's own.
#include "pages/level_tables.h"
#include "pages/pages.h"
#include "settings/choices.h"
#include "settings/text_field.h"

#include <algorithm>

namespace {

constexpr int kSinglePlayerBox = 800;
constexpr int kDeathmatchBox = 801;
constexpr int kLevelList = 900;
constexpr int kSelectMapButton = 600;

const FieldBinding fields[] = {
    choice({levelSources::retail, levelSources::userMade}, &LaunchSettings::levelSource),
};

template <std::size_t N>
void addLevels(PageWindow& window, const std::array<std::string_view, N>& names) {
    for (std::string_view name : names)
        window.listAdd(kLevelList, name);
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
    window.setChecked(kSinglePlayerBox, s.listSinglePlayerLevels == 1);
    window.setChecked(kDeathmatchBox, s.listDeathmatchLevels == 1);
    fillLevelList(s, window);
    // An empty list in list mode chooses no level; a level file of the player's own stays
    // chosen until another is.
    if (s.listSinglePlayerLevels != 0 || s.listDeathmatchLevels != 0)
        window.listSelect(kLevelList, s.levelIndex);
    else if (s.levelSource == levelSources::retail)
        storeFieldText(s.mapName, "");
}

// A check box switched on adds its table to the list; switched off, the list is filled anew
// with the other table only. Neither chooses a selection.
void toggleTable(App& app, PageWindow& window, int box) {
    LaunchSettings& s = app.settings;
    int32_t& own = box == kSinglePlayerBox ? s.listSinglePlayerLevels : s.listDeathmatchLevels;
    if (own == 0) {
        own = 1;
        if (box == kSinglePlayerBox)
            addLevels(window, singlePlayerLevelNames);
        else
            addLevels(window, deathmatchLevelNames);
    } else {
        own = 0;
        window.listReset(kLevelList);
        fillLevelList(s, window);
    }
    window.setChecked(box, own == 1);
}

void chooseUserLevel(App& app, PageWindow& window) {
    FileDialogRequest request;
    request.title = "Select User-Made Level";
    request.filters = {{"Zat Map File", "*.bsp"}};
    request.initialName = "*.bsp";
    request.fileMustExist = true;
    request.pathMustExist = true;
    const auto chosen = app.desktop.fileDialog(window, request);
    if (!chosen)
        return;
    std::string name;
    if (const Failure failure = userLevelName(*chosen, name))
        showError(app, &window, *failure);
    else
        storeFieldText(app.settings.mapName, name);
}

bool command(App& app, PageWindow& window, int id) {
    if (id == kSinglePlayerBox || id == kDeathmatchBox)
        toggleTable(app, window, id);
    else if (id == kSelectMapButton)
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
    s.levelIndex = std::max(window.listSelection(kLevelList), 0);
    storeFieldTextCut(s.mapName, window.listEntry(kLevelList, s.levelIndex).value_or(""));
}

void refresh(const LaunchSettings& s, PageWindow& window) {
    const bool fromList = s.levelSource == levelSources::retail;
    for (int id : {kLevelList, kSinglePlayerBox, kDeathmatchBox})
        window.enableItem(id, fromList);
    window.enableItem(kSelectMapButton, !fromList);
}

} // namespace

const Page mapSelectPage{.templateId = templates::mapSelect,
                         .fields = fields,
                         .open = open,
                         .store = storeLevelChoice,
                         .command = command,
                         .refresh = refresh};
