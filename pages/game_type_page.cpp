// Single player or deathmatch, and the skill of a single-player game.
#include "pages/pages.h"
#include "settings/choices.h"

namespace {

constexpr int kSkillGroupBox = 405;

const FieldBinding fields[] = {
    choice({gameTypes::singlePlayer, gameTypes::deathmatch}, &LaunchSettings::gameType),
    choiceRange(skillLevels::rookie, skillLevels::ironclad, &LaunchSettings::skillLevel),
};

// Choosing a game type also chooses the level list that goes with it, even when it was
// chosen already.
bool command(App& app, PageWindow&, int id) {
    if (id == gameTypes::singlePlayer || id == gameTypes::deathmatch) {
        app.settings.listSinglePlayerLevels = id == gameTypes::singlePlayer ? 1 : 0;
        app.settings.listDeathmatchLevels = id == gameTypes::deathmatch ? 1 : 0;
    }
    return false;
}

// The skill applies to single player only; a game type that names no radio leaves the
// controls as the template has them.
void refresh(const LaunchSettings& s, PageWindow& window) {
    if (s.gameType != gameTypes::singlePlayer && s.gameType != gameTypes::deathmatch)
        return;
    const bool singlePlayer = s.gameType == gameTypes::singlePlayer;
    window.enableItem(kSkillGroupBox, singlePlayer);
    for (int id = skillLevels::rookie; id <= skillLevels::ironclad; ++id)
        window.enableItem(id, singlePlayer);
}

} // namespace

const Page gameTypePage{
    .templateId = templates::gameType, .fields = fields, .command = command, .refresh = refresh};
