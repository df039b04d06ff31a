// Single player or deathmatch, and the skill of a single-player game.
#include "pages/pages.h"
#include "settings/choices.h"

namespace {

const FieldBinding fields[] = {
    choice({IDC_SINGLE_PLAYER, IDC_DEATHMATCH}, &LaunchSettings::gameType),
    choiceRange(IDC_SKILL_ROOKIE, IDC_SKILL_IRONCLAD, &LaunchSettings::skillLevel),
};

// Choosing a game type also chooses the level list that goes with it, even when it was
// chosen already.
bool command(App& app, PageWindow&, int id) {
    if (id == IDC_SINGLE_PLAYER || id == IDC_DEATHMATCH) {
        app.settings.listSinglePlayerLevels = id == IDC_SINGLE_PLAYER ? 1 : 0;
        app.settings.listDeathmatchLevels = id == IDC_DEATHMATCH ? 1 : 0;
    }
    return false;
}

// The skill applies to single player only; a game type that names no radio leaves the
// controls as the template has them.
void refresh(const LaunchSettings& s, PageWindow& window) {
    if (s.gameType != gameTypes::singlePlayer && s.gameType != gameTypes::deathmatch)
        return;
    const bool singlePlayer = s.gameType == gameTypes::singlePlayer;
    window.enableItem(IDC_SKILL_GROUP, singlePlayer);
    for (int id = IDC_SKILL_ROOKIE; id <= IDC_SKILL_IRONCLAD; ++id)
        window.enableItem(id, singlePlayer);
}

// Deathmatch goes on to the player; a game type that names no radio stays.
int afterGameType(const LaunchSettings& s) {
    if (s.gameType == gameTypes::deathmatch)
        return IDD_PLAYER_SETUP;
    return s.gameType == gameTypes::singlePlayer ? IDD_GAME_OPTIONS : 0;
}

} // namespace

const Page gameTypePage{.templateId = IDD_GAME_TYPE,
                        .next = by(afterGameType),
                        .back = to(IDD_WELCOME),
                        .fields = fields,
                        .command = command,
                        .refresh = refresh};
