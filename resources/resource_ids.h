// Every dialog template, control, bitmap, icon, menu command and timer of Zat Start, named
// once for zatstart.rc and for the C++. Plain #defines: the resource compiler reads this too.
//
// Controls are grouped by the dialog they sit on. Dialogs reuse numbers (500 is a different
// control on five pages), so a name stands for one control of one dialog. The radio buttons
// of a choice double as the values the settings file stores (settings/choices.h ties the two):
// their numbers must never change.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1) // text and pictures no code talks to
#endif

// Dialog templates.
#define IDD_ABOUT 1
#define IDD_DRIVER_LIST 10
#define IDD_MODE_LIST 11
#define IDD_SPLASH 12
#define IDD_HELP 13
#define IDD_WELCOME 10000
#define IDD_GAME_TYPE 10002
#define IDD_MULTIPLAYER 10003
#define IDD_SERVER_OPTIONS 10004
#define IDD_GAME_OPTIONS 10005
#define IDD_MAP_SELECT 10006
#define IDD_PLAYER_SETUP 10007
#define IDD_CONTROL_SETUP 10008
#define IDD_OPTION_TEXT 10009
#define IDD_RUN 10010
#define IDD_VIDEO_OPTIONS 10011
#define IDD_ADVANCED_VIDEO 10012

// The program's icon and pictures.
#define IDI_ZATSTART 128
#define IDB_WELCOME_TITLE 130
#define IDB_WELCOME_SIDE 133
#define IDB_GAME_TYPE_SIDE 137
#define IDB_GAME_TYPE_TITLE 138
#define IDB_MULTIPLAYER_SIDE 140
#define IDB_MULTIPLAYER_TITLE 141
#define IDB_GAME_OPTIONS_SIDE 144
#define IDB_GAME_OPTIONS_TITLE 146
#define IDB_RUN_SIDE 147
#define IDB_PLAYER_SIDE 148
#define IDB_OPTION_TEXT_SIDE 149
#define IDB_RUN_TITLE 150
#define IDB_OPTION_TEXT_TITLE 151
#define IDB_PLAYER_TITLE 152
#define IDB_MAP_SELECT_TITLE 155
#define IDB_MAP_SELECT_SIDE 157
#define IDB_ABOUT 162
#define IDB_VIDEO_SIDE 163
#define IDB_CONTROL_SETUP_TITLE 164
#define IDB_VIDEO_TITLE 165
#define IDB_ADVANCED_VIDEO_TITLE 170
#define IDB_SPLASH 174

// Buttons many dialogs share. IDC_CLOSE is IDCANCEL, so Escape and the close box press it.
#define IDC_CLOSE 2
#define IDC_NEXT 100 // a page's default button: Next, or Run on the run page
#define IDC_OK 100   // a dialog's default button
#define IDC_BACK 101
#define IDC_NAVIGATION_MENU 105

// Welcome page.
#define IDC_ABOUT 103
#define IDC_WELCOME_BACK 104 // shown disabled: there is no page before
#define IDC_LOAD_SETTINGS 222

// Game type page.
#define IDC_SINGLE_PLAYER 11
#define IDC_DEATHMATCH 22
#define IDC_SKILL_ROOKIE 400
#define IDC_SKILL_OFFICER 401
#define IDC_SKILL_IRONCLAD 402
#define IDC_SKILL_GROUP 405

// Multiplayer setup page.
#define IDC_JOIN_SERVER 200
#define IDC_SERVER_ADDRESS 201
#define IDC_START_SERVER 202

// Server options page.
#define IDC_FALLING_DAMAGE 500
#define IDC_WEAPONS_STAY 501
#define IDC_FAST_WEAPON_SWITCH 502
#define IDC_ALLOW_ARMOR 503
#define IDC_ALLOW_HEALTH 504
#define IDC_FORCE_RESPAWN 507
#define IDC_INSTANT_POWERUPS 508
#define IDC_TIME_LIMIT_ON 510
#define IDC_FRAG_LIMIT_ON 511
#define IDC_MAX_PLAYERS_ON 512
#define IDC_ALLOW_DOWNLOADS 513
#define IDC_DEDICATED 514
#define IDC_ALLOW_CHEATS 515
#define IDC_TIME_LIMIT 600
#define IDC_FRAG_LIMIT 601
#define IDC_MAX_PLAYERS 602
#define IDC_HOST_NAME 603
#define IDC_ALLOW_POWERUPS 800
#define IDC_INFINITE_AMMO 801
#define IDC_SPAWN_FARTHEST 802
#define IDC_SAME_MAP 803
#define IDC_FRIENDLY_FIRE 804
#define IDC_FIXED_FOV 805
#define IDC_SKIN_TEAMS 806
#define IDC_MODEL_TEAMS 807
#define IDC_ALLOW_EXIT 808
#define IDC_FUMBLE_WEAPONS 809
#define IDC_TEAM_PLAY 900

// Game options page.
#define IDC_CONTROL_SETUP 200 // hidden
#define IDC_ALWAYS_RUN 500
#define IDC_INVERT_MOUSE 501 // hidden
#define IDC_MOUSE_FILTER 502
#define IDC_LOOK_SPRING 503
#define IDC_LOOK_STRAFE 504
#define IDC_FREE_LOOK 505
#define IDC_CROSSHAIR_NONE 700
#define IDC_CROSSHAIR_CROSS 701
#define IDC_CROSSHAIR_TRIAD 702
#define IDC_CROSSHAIR_CIRCLE 703
#define IDC_CROSSHAIR_ANGLE 704
#define IDC_CROSSHAIR_DOT 705
#define IDC_DIALOG_SPEECH_AND_TEXT 800
#define IDC_DIALOG_SPEECH_ONLY 801
#define IDC_DIALOG_TEXT_ONLY 802
#define IDC_DIALOG_OFF 803

// Map select page.
#define IDC_RETAIL_LEVELS 500
#define IDC_USER_LEVELS 501
#define IDC_SELECT_MAP 600
#define IDC_LIST_SINGLE_PLAYER_LEVELS 800
#define IDC_LIST_DEATHMATCH_LEVELS 801
#define IDC_LEVEL_LIST 900

// Player setup page. The three skin lists lie on top of each other, in model order.
#define IDC_MODEL_ROOK 500
#define IDC_MODEL_MIRA 501
#define IDC_MODEL_TOV 502
#define IDC_HAND_LEFT 510
#define IDC_HAND_CENTER 511
#define IDC_HAND_RIGHT 512
#define IDC_PLAYER_NAME 600
#define IDC_SKINS_ROOK 700
#define IDC_SKINS_MIRA 701
#define IDC_SKINS_TOV 702

// Control setup dialog: a box per bindable action, and the cursor's position.
#define IDC_BIND_ATTACK 500
#define IDC_BIND_FORWARD 504
#define IDC_BIND_BACK 505
#define IDC_BIND_SPEED 506
#define IDC_BIND_LEFT 507
#define IDC_BIND_RIGHT 508
#define IDC_BIND_MOVE_LEFT 509
#define IDC_BIND_MOVE_RIGHT 510
#define IDC_BIND_INV_USE 511
#define IDC_BIND_INV_NEXT 512
#define IDC_BIND_INV_PREV 513
#define IDC_BIND_WEAPON_NEXT 514
#define IDC_BIND_KEYBOARD_LOOK 515
#define IDC_BIND_MOVE_DOWN 516
#define IDC_BIND_MOVE_UP 517
#define IDC_BIND_LOOK_UP 518
#define IDC_BIND_LOOK_DOWN 519
#define IDC_BIND_CENTER_VIEW 520
#define IDC_BIND_MOUSE_LOOK 521
#define IDC_BIND_STRAFE 522
#define IDC_BIND_USE 523
#define IDC_CURSOR_POSITION 600
#define IDC_LOAD_CONFIG 110
#define IDC_SET_DEFAULT_KEYS 111

// Option text page: the options the game is started with, for the player to edit.
#define IDC_OPTION_TEXT 600

// Run page.
#define IDC_SAVE_SETTINGS 500
#define IDC_CLOSE_AFTER_START 501

// Help window.
#define IDC_HELP_TEXT 600
#define IDC_HELP_TOPICS 900

// Video options page.
#define IDC_SET_VIDEO_DEFAULTS 150 // also on the advanced video dialog
#define IDC_ADVANCED_VIDEO 151
#define IDC_FULLSCREEN_YES 200
#define IDC_FULLSCREEN_NO 201
#define IDC_TEXTURE_AUTO 210
#define IDC_TEXTURE_8BIT 211
#define IDC_TEXTURE_16BIT 212
#define IDC_CHANGE_DRIVER 400
#define IDC_CHANGE_MODE 401
#define IDC_VIDEO_DRIVER 500
#define IDC_VIDEO_MODE 501

// Video driver and mode lists.
#define IDC_VIDEO_LIST 900

// Advanced video dialog: On and Off of each option (shown for the player to try).
#define IDC_SHADOWS_ON 1055
#define IDC_SHADOWS_OFF 1056
#define IDC_DETAIL_LOW 1057
#define IDC_DETAIL_HIGH 1058
#define IDC_GLOWS_ON 1059
#define IDC_GLOWS_OFF 1092
#define IDC_DYNAMIC_LIGHTS_ON 1093
#define IDC_DYNAMIC_LIGHTS_OFF 1094
#define IDC_TESSELATION_OFF 1095
#define IDC_TESSELATION_ON 1096
#define IDC_BLOOD_ON 1100
#define IDC_BLOOD_OFF 1101
#define IDC_BULLET_HOLES_ON 1102
#define IDC_BULLET_HOLES_OFF 1103
#define IDC_PALETTE_BLENDING_ON 1104
#define IDC_PALETTE_BLENDING_OFF 1105
#define IDC_EFFECTS_BLENDING_ON 1106
#define IDC_EFFECTS_BLENDING_OFF 1107
#define IDC_PARTICLES_ON 1108
#define IDC_PARTICLES_OFF 1109
#define IDC_TRANSLUCENCY_ON 1111
#define IDC_TRANSLUCENCY_STIPPLE 1112
#define IDC_TRANSLUCENCY_OFF 1113

// Navigation menu commands, in the order of the pages they open.
#define IDM_WELCOME 300
#define IDM_GAME_TYPE 301
#define IDM_MULTIPLAYER 302
#define IDM_SERVER_OPTIONS 303
#define IDM_GAME_OPTIONS 304
#define IDM_MAP_SELECT 305
#define IDM_VIDEO_OPTIONS 306 // no menu item leads here
#define IDM_OPTION_TEXT 307
#define IDM_LOCATE_GAME 308
#define IDM_ABOUT 309

// Timers.
#define IDT_SPLASH 1
#define IDT_AFTER_OPENING 2 // the welcome page's work once it is on the screen
