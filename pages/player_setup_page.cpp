// The player's character for deathmatch: model, skin, hand and name.
#include "pages/pages.h"
#include "settings/choices.h"
#include "settings/name_tables.h"
#include "settings/text_field.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::size_t kNameChars = 15;

// The three skin lists lie on top of each other, one per character, in model order.
constexpr int kSkinLists[] = {IDC_SKINS_ROOK, IDC_SKINS_MIRA, IDC_SKINS_TOV};

const FieldBinding fields[] = {
    choiceRange(IDC_MODEL_ROOK, IDC_MODEL_TOV, &LaunchSettings::playerModel),
    choiceRange(IDC_HAND_LEFT, IDC_HAND_RIGHT, &LaunchSettings::handedness),
    text<&LaunchSettings::playerName>(IDC_PLAYER_NAME, kNameChars),
};

// The list of a model value; 0 for a value that names no character.
int skinListOf(int32_t playerModel) {
    const int64_t index = int64_t{playerModel} - playerModels::rook;
    return index >= 0 && index < std::ssize(kSkinLists) ? kSkinLists[index] : 0;
}

// Shows the list of the chosen character only (none for a model that names none) and selects
// the stored skin there. Rook's and Mira's lists bring a larger index down to their last
// entry; Tov's keeps it and then selects nothing.
void showSkinList(LaunchSettings& s, PageWindow& window) {
    const int shown = skinListOf(s.playerModel);
    for (int list : kSkinLists)
        window.showItem(list, list == shown);
    if (shown == 0)
        return;
    if (s.playerModel != playerModels::tov) {
        const auto last = static_cast<int32_t>(std::ssize(skinNamesFor(s.playerModel)) - 1);
        s.skinIndex = std::min(s.skinIndex, last);
    }
    window.listSelect(shown, s.skinIndex);
}

void open(App& app, PageWindow& window) {
    for (int32_t model : {playerModels::rook, playerModels::mira, playerModels::tov})
        for (std::string_view skin : skinNamesFor(model))
            window.listAdd(skinListOf(model), skin);
    showSkinList(app.settings, window);
}

bool command(App& app, PageWindow& window, int id) {
    if (id < IDC_MODEL_ROOK || id > IDC_MODEL_TOV)
        return false;
    showSkinList(app.settings, window); // the click has written the model
    return true;
}

// The skin shown on leaving, the first when none is selected; a model that names no
// character keeps the stored skin. The name is stored by the table.
void storePlayerChoice(App& app, PageWindow& window) {
    LaunchSettings& s = app.settings;
    const auto skins = skinNamesFor(s.playerModel);
    if (skins.empty())
        return;
    const int selected = window.listSelection(skinListOf(s.playerModel));
    s.skinIndex = selected > 0 && selected < std::ssize(skins) ? selected : 0;
    storeFieldTextCut(s.skinName, skins[static_cast<std::size_t>(s.skinIndex)]);
}

} // namespace

const Page playerSetupPage{.templateId = IDD_PLAYER_SETUP,
                           .next = to(IDD_MULTIPLAYER),
                           .back = to(IDD_GAME_TYPE),
                           .fields = fields,
                           .open = open,
                           .store = storePlayerChoice,
                           .command = command};
