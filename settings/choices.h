#pragma once
// The values choice fields hold. A choice is stored as the id of the radio button that
// stands for it, so the same value checks that button again when its page opens. The values
// are what settings files hold: the radios' ids are checked against them below, so neither
// can change without the other.

#include "resources/resource_ids.h"

#include <cstdint>

namespace gameTypes {
constexpr int32_t singlePlayer = 11;
constexpr int32_t deathmatch = 22;
} // namespace gameTypes

namespace skillLevels {
constexpr int32_t rookie = 400;
constexpr int32_t officer = 401;
constexpr int32_t ironclad = 402;
} // namespace skillLevels

namespace multiplayerModes {
constexpr int32_t joinServer = 200;
constexpr int32_t startServer = 202;
} // namespace multiplayerModes

namespace levelSources {
constexpr int32_t retail = 500;
constexpr int32_t userMade = 501;
} // namespace levelSources

namespace playerModels {
constexpr int32_t rook = 500;
constexpr int32_t mira = 501;
constexpr int32_t tov = 502;
} // namespace playerModels

namespace handedness {
constexpr int32_t left = 510;
constexpr int32_t center = 511;
constexpr int32_t right = 512;
} // namespace handedness

namespace crosshairs {
constexpr int32_t none = 700;
constexpr int32_t cross = 701;
constexpr int32_t triad = 702;
constexpr int32_t circle = 703;
constexpr int32_t angle = 704;
constexpr int32_t dot = 705;
} // namespace crosshairs

namespace dialogModes {
constexpr int32_t speechAndText = 800;
constexpr int32_t speechOnly = 801;
constexpr int32_t textOnly = 802;
constexpr int32_t off = 803;
} // namespace dialogModes

namespace textureModes {
constexpr int32_t automatic = 210;
constexpr int32_t bits8 = 211;
constexpr int32_t bits16 = 212;
} // namespace textureModes

namespace fullscreenModes {
constexpr int32_t yes = 200;
constexpr int32_t no = 201;
} // namespace fullscreenModes

static_assert(gameTypes::singlePlayer == IDC_SINGLE_PLAYER &&
              gameTypes::deathmatch == IDC_DEATHMATCH);
static_assert(skillLevels::rookie == IDC_SKILL_ROOKIE &&
              skillLevels::officer == IDC_SKILL_OFFICER &&
              skillLevels::ironclad == IDC_SKILL_IRONCLAD);
static_assert(multiplayerModes::joinServer == IDC_JOIN_SERVER &&
              multiplayerModes::startServer == IDC_START_SERVER);
static_assert(levelSources::retail == IDC_RETAIL_LEVELS &&
              levelSources::userMade == IDC_USER_LEVELS);
static_assert(playerModels::rook == IDC_MODEL_ROOK && playerModels::mira == IDC_MODEL_MIRA &&
              playerModels::tov == IDC_MODEL_TOV);
static_assert(handedness::left == IDC_HAND_LEFT && handedness::center == IDC_HAND_CENTER &&
              handedness::right == IDC_HAND_RIGHT);
static_assert(crosshairs::none == IDC_CROSSHAIR_NONE && crosshairs::cross == IDC_CROSSHAIR_CROSS &&
              crosshairs::triad == IDC_CROSSHAIR_TRIAD &&
              crosshairs::circle == IDC_CROSSHAIR_CIRCLE &&
              crosshairs::angle == IDC_CROSSHAIR_ANGLE && crosshairs::dot == IDC_CROSSHAIR_DOT);
static_assert(dialogModes::speechAndText == IDC_DIALOG_SPEECH_AND_TEXT &&
              dialogModes::speechOnly == IDC_DIALOG_SPEECH_ONLY &&
              dialogModes::textOnly == IDC_DIALOG_TEXT_ONLY && dialogModes::off == IDC_DIALOG_OFF);
static_assert(textureModes::automatic == IDC_TEXTURE_AUTO &&
              textureModes::bits8 == IDC_TEXTURE_8BIT && textureModes::bits16 == IDC_TEXTURE_16BIT);
static_assert(fullscreenModes::yes == IDC_FULLSCREEN_YES &&
              fullscreenModes::no == IDC_FULLSCREEN_NO);
