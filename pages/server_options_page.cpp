// The server a deathmatch player starts: the rules, sent as one bit mask, and the server's
// own settings.
#include "pages/pages.h"

namespace {

constexpr int kTeamPlayBox = 900;
constexpr int kSkinTeamsRadio = 806;
constexpr int kModelTeamsRadio = 807;

enum class BitSetWhen { checked, unchecked };

// A rule's box, its flag and its bit of dmflags. A set bit switches a rule on, or, for the
// rules that are on by default, off. In the order the page stores them.
struct MaskBox {
    int control;
    int32_t LaunchSettings::*field;
    int32_t bit;
    BitSetWhen setWhen;
};

constexpr MaskBox maskBoxes[] = {
    {800, &LaunchSettings::allowPowerups, 0x2, BitSetWhen::unchecked},
    {801, &LaunchSettings::infiniteAmmo, 0x4000, BitSetWhen::checked},
    {802, &LaunchSettings::spawnFarthest, 0x200, BitSetWhen::checked},
    {803, &LaunchSettings::sameMap, 0x20, BitSetWhen::checked},
    {804, &LaunchSettings::friendlyFire, 0x100, BitSetWhen::checked},
    {805, &LaunchSettings::fixedFov, 0x8000, BitSetWhen::checked},
    {kSkinTeamsRadio, &LaunchSettings::skinTeams, 0x40, BitSetWhen::checked},
    {kModelTeamsRadio, &LaunchSettings::modelTeams, 0x80, BitSetWhen::checked},
    {808, &LaunchSettings::allowExit, 0x2000, BitSetWhen::unchecked},
    {809, &LaunchSettings::fumbleWeapons, 0x10000, BitSetWhen::unchecked},
    {500, &LaunchSettings::fallingDamage, 0x8, BitSetWhen::unchecked},
    {504, &LaunchSettings::allowHealth, 0x1, BitSetWhen::unchecked},
    {503, &LaunchSettings::allowArmor, 0x800, BitSetWhen::unchecked},
    {501, &LaunchSettings::weaponsStay, 0x4, BitSetWhen::checked},
    {502, &LaunchSettings::fastWeaponSwitch, 0x1000, BitSetWhen::checked},
    {508, &LaunchSettings::instantPowerups, 0x10, BitSetWhen::checked},
    {507, &LaunchSettings::forceRespawn, 0x400, BitSetWhen::checked},
};

// Each limit's box enables its field; the texts are kept whether enabled or not.
struct Limit {
    int box;
    int field;
};
constexpr Limit limits[] = {{510, 600}, {511, 601}, {512, 602}};
constexpr std::size_t kLimitChars = 5;

// Stored after the mask, in this order.
const FieldBinding fields[] = {
    flag(513, &LaunchSettings::allowDownloads),
    flag(514, &LaunchSettings::dedicated),
    flag(515, &LaunchSettings::allowCheats),
    flag(limits[0].box, &LaunchSettings::timeLimitOn),
    flag(limits[1].box, &LaunchSettings::fragLimitOn),
    flag(limits[2].box, &LaunchSettings::maxPlayersOn),
    text<&LaunchSettings::timeLimit>(limits[0].field, kLimitChars),
    text<&LaunchSettings::fragLimit>(limits[1].field, kLimitChars),
    text<&LaunchSettings::maxPlayers>(limits[2].field, kLimitChars),
    text<&LaunchSettings::hostName>(603, 15),
};

bool isTeamRadio(const MaskBox& box) {
    return box.control == kSkinTeamsRadio || box.control == kModelTeamsRadio;
}

// Shown as checked exactly when it is 1, like every flag, and acted on the same way.
bool teamPlayOn(const LaunchSettings& s) {
    return s.teamPlay == 1;
}

void setBit(int32_t& mask, int32_t bit, bool set) {
    mask = set ? mask | bit : mask & ~bit;
}

void open(App& app, PageWindow& window) {
    for (const MaskBox& box : maskBoxes)
        window.setChecked(box.control, app.settings.*box.field == 1);
}

// Every box changes its own flag and bit only, so the bits above the rules keep what the
// record holds. The team radios count only while team play is on.
void storeMask(App& app, PageWindow& window) {
    LaunchSettings& s = app.settings;
    for (const MaskBox& box : maskBoxes) {
        if (isTeamRadio(box) && !teamPlayOn(s))
            continue;
        const bool checked = window.isChecked(box.control);
        s.*box.field = checked ? 1 : 0;
        setBit(s.dmflags, box.bit, checked == (box.setWhen == BitSetWhen::checked));
    }
}

// Switching team play off takes the team bits out of the mask at once; switching it on
// leaves them to be set when the page is left.
bool command(App& app, PageWindow&, int id) {
    if (id != kTeamPlayBox)
        return false;
    LaunchSettings& s = app.settings;
    if (teamPlayOn(s)) {
        s.teamPlay = 0;
        for (const MaskBox& box : maskBoxes)
            if (isTeamRadio(box) && s.*box.field != 0)
                setBit(s.dmflags, box.bit, false);
    } else {
        s.teamPlay = 1;
    }
    return true;
}

void refresh(const LaunchSettings& s, PageWindow& window) {
    window.setChecked(kTeamPlayBox, teamPlayOn(s));
    window.enableItem(kSkinTeamsRadio, teamPlayOn(s));
    window.enableItem(kModelTeamsRadio, teamPlayOn(s));
    for (const Limit& limit : limits)
        window.enableItem(limit.field, window.isChecked(limit.box));
}

} // namespace

const Page serverOptionsPage{.templateId = templates::serverOptions,
                             .fields = fields,
                             .open = open,
                             .store = storeMask,
                             .command = command,
                             .refresh = refresh,
                             .offersHelp = false};
