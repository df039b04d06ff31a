// The server a deathmatch player starts: the rules, sent as one bit mask, and the server's
// own settings.
#include "pages/pages.h"

namespace {

// Shown as checked exactly when it is 1, like every flag, and acted on the same way.
bool teamPlayOn(const LaunchSettings& s) {
    return s.teamPlay == 1;
}

// Each limit's box enables its field; the texts are kept whether enabled or not.
struct Limit {
    int box;
    int field;
};
constexpr Limit limits[] = {{IDC_TIME_LIMIT_ON, IDC_TIME_LIMIT},
                            {IDC_FRAG_LIMIT_ON, IDC_FRAG_LIMIT},
                            {IDC_MAX_PLAYERS_ON, IDC_MAX_PLAYERS}};
constexpr std::size_t kLimitChars = 5;

// A rule's box, its flag and its bit of dmflags: a set bit switches a rule on, or, for the
// rules that are on by default, off. Every box changes its own flag and bit only, so the bits
// above the rules keep what the record holds; the team radios count only while team play is
// on. The rest is stored after the mask, in table order.
constexpr FieldBinding rule(int id, int32_t LaunchSettings::*field, int32_t bit,
                            BitSetWhen setWhen) {
    return maskBit(id, field, &LaunchSettings::dmflags, bit, setWhen);
}
constexpr FieldBinding teamRule(int id, int32_t LaunchSettings::*field, int32_t bit) {
    return maskBit(id, field, &LaunchSettings::dmflags, bit, BitSetWhen::checked, teamPlayOn);
}

const FieldBinding fields[] = {
    rule(IDC_ALLOW_POWERUPS, &LaunchSettings::allowPowerups, 0x2, BitSetWhen::unchecked),
    rule(IDC_INFINITE_AMMO, &LaunchSettings::infiniteAmmo, 0x4000, BitSetWhen::checked),
    rule(IDC_SPAWN_FARTHEST, &LaunchSettings::spawnFarthest, 0x200, BitSetWhen::checked),
    rule(IDC_SAME_MAP, &LaunchSettings::sameMap, 0x20, BitSetWhen::checked),
    rule(IDC_FRIENDLY_FIRE, &LaunchSettings::friendlyFire, 0x100, BitSetWhen::checked),
    rule(IDC_FIXED_FOV, &LaunchSettings::fixedFov, 0x8000, BitSetWhen::checked),
    teamRule(IDC_SKIN_TEAMS, &LaunchSettings::skinTeams, 0x40),
    teamRule(IDC_MODEL_TEAMS, &LaunchSettings::modelTeams, 0x80),
    rule(IDC_ALLOW_EXIT, &LaunchSettings::allowExit, 0x2000, BitSetWhen::unchecked),
    rule(IDC_FUMBLE_WEAPONS, &LaunchSettings::fumbleWeapons, 0x10000, BitSetWhen::unchecked),
    rule(IDC_FALLING_DAMAGE, &LaunchSettings::fallingDamage, 0x8, BitSetWhen::unchecked),
    rule(IDC_ALLOW_HEALTH, &LaunchSettings::allowHealth, 0x1, BitSetWhen::unchecked),
    rule(IDC_ALLOW_ARMOR, &LaunchSettings::allowArmor, 0x800, BitSetWhen::unchecked),
    rule(IDC_WEAPONS_STAY, &LaunchSettings::weaponsStay, 0x4, BitSetWhen::checked),
    rule(IDC_FAST_WEAPON_SWITCH, &LaunchSettings::fastWeaponSwitch, 0x1000, BitSetWhen::checked),
    rule(IDC_INSTANT_POWERUPS, &LaunchSettings::instantPowerups, 0x10, BitSetWhen::checked),
    rule(IDC_FORCE_RESPAWN, &LaunchSettings::forceRespawn, 0x400, BitSetWhen::checked),
    flag(IDC_ALLOW_DOWNLOADS, &LaunchSettings::allowDownloads),
    flag(IDC_DEDICATED, &LaunchSettings::dedicated),
    flag(IDC_ALLOW_CHEATS, &LaunchSettings::allowCheats),
    flag(limits[0].box, &LaunchSettings::timeLimitOn),
    flag(limits[1].box, &LaunchSettings::fragLimitOn),
    flag(limits[2].box, &LaunchSettings::maxPlayersOn),
    text<&LaunchSettings::timeLimit>(limits[0].field, kLimitChars),
    text<&LaunchSettings::fragLimit>(limits[1].field, kLimitChars),
    text<&LaunchSettings::maxPlayers>(limits[2].field, kLimitChars),
    text<&LaunchSettings::hostName>(IDC_HOST_NAME, 15),
};

// Switching team play off takes the team bits out of the mask at once; switching it on
// leaves them to be set when the page is left.
bool command(App& app, PageWindow&, int id) {
    if (id != IDC_TEAM_PLAY)
        return false;
    LaunchSettings& s = app.settings;
    if (teamPlayOn(s)) {
        s.teamPlay = 0;
        for (const FieldBinding& b : fields)
            if (b.storedWhile == teamPlayOn && s.*b.number != 0)
                setBit(s.dmflags, b.bit, false);
    } else {
        s.teamPlay = 1;
    }
    return true;
}

void refresh(const LaunchSettings& s, PageWindow& window) {
    window.setChecked(IDC_TEAM_PLAY, teamPlayOn(s));
    window.enableItem(IDC_SKIN_TEAMS, teamPlayOn(s));
    window.enableItem(IDC_MODEL_TEAMS, teamPlayOn(s));
    for (const Limit& limit : limits)
        window.enableItem(limit.field, window.isChecked(limit.box));
}

} // namespace

const Page serverOptionsPage{.templateId = IDD_SERVER_OPTIONS,
                             .next = to(IDD_GAME_OPTIONS),
                             .back = to(IDD_MULTIPLAYER),
                             .fields = fields,
                             .command = command,
                             .refresh = refresh};
