// A scripted tour of the launcher for a machine without a screen: starts zatstart.exe, walks
// the pages of a single-player game, opens the dialogs that come on top of a page (control
// setup, video options and their dialogs, help), then walks the three deathmatch chains with a
// player's choices made (joining a server; a server started from a loaded settings file; a
// dedicated server), asks for a screenshot of each page and presses Run at the end of every
// walk. Last, the server's settings file opens the launcher as a double-click on it does, at
// its option text page. Prints what the stand-in game received.
//
// Usage: tour <folder for screenshots>
// For every screenshot it prints a line "shot <name>" and waits until <folder>\<name>.png
// exists (tools/run.sh takes the picture); without anyone taking it, it goes on after a while.
// The launcher must already know where the game is (INI file written).

#include "driver.h"
#include "game_files.h"
#include "settings/choices.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace e2e;

namespace {

constexpr char loadTitle[] = "Load ZatStart Settings File";

std::string shotFolder;
int shotNumber = 0;

enum class Page {
    unknown,
    welcome,
    gameType,
    playerSetup,
    multiplayer,
    serverOptions,
    gameOptions,
    mapSelect,
    optionText,
    run,
    videoOptions
};

// Tells the pages apart by controls only that page has.
Page pageOf(HWND page) {
    // Ids repeat across pages, so each page is told by a combination only it has, and the
    // pages with the most controls are asked first.
    const std::pair<Page, std::vector<int>> marks[] = {
        {Page::welcome, {IDC_LOAD_SETTINGS}},
        {Page::videoOptions, {IDC_CHANGE_DRIVER, IDC_CHANGE_MODE, IDC_ADVANCED_VIDEO}},
        {Page::gameType, {IDC_SINGLE_PLAYER, IDC_DEATHMATCH}},
        {Page::serverOptions, {IDC_HOST_NAME, IDC_TEAM_PLAY}},
        {Page::multiplayer, {IDC_SERVER_ADDRESS, IDC_START_SERVER}},
        {Page::playerSetup, {IDC_HAND_LEFT, IDC_HAND_RIGHT, IDC_SKINS_TOV}},
        {Page::gameOptions, {IDC_CROSSHAIR_DOT, IDC_DIALOG_OFF}},
        {Page::mapSelect, {IDC_LIST_DEATHMATCH_LEVELS, IDC_LEVEL_LIST}},
    };
    for (const auto& [kind, ids] : marks)
        if (std::all_of(ids.begin(), ids.end(), [page](int id) { return GetDlgItem(page, id); }))
            return kind;
    HWND edit = GetDlgItem(page, IDC_OPTION_TEXT);
    char editClass[16] = {};
    if (edit && GetClassNameA(edit, editClass, sizeof editClass) &&
        std::string(editClass) == "Edit" && (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE))
        return Page::optionText;
    if (GetDlgItem(page, IDC_CLOSE_AFTER_START) && itemText(page, IDC_NEXT) == "&Run")
        return Page::run;
    return Page::unknown;
}

// Clicks a radio button or check box and waits until it shows the wanted state.
void setButton(HWND dialog, int id, bool checked) {
    click(dialog, id);
    waitUntil(
        [&] {
            DWORD_PTR state = 0;
            return SendMessageTimeoutA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG,
                                       5000, &state) &&
                   (state == BST_CHECKED) == checked;
        },
        5s);
}

const char* pageName(Page page) {
    constexpr const char* names[] = {"unknown",      "welcome",      "game-type",
                                     "player-setup", "multiplayer",  "server-options",
                                     "game-options", "map-select",   "option-text",
                                     "run",          "video-options"};
    return names[static_cast<int>(page)];
}

// Empties an edit box and types the text key by key, so that the box's own limits apply.
void typeKeys(HWND dialog, int id, const std::string& text) {
    HWND edit = GetDlgItem(dialog, id);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (const char key : text)
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(key), 1);
}

// The player kept; starts a server named "Zat Server".
void serverChoices(HWND page, Page kind) {
    if (kind == Page::gameType)
        setButton(page, IDC_DEATHMATCH, true);
    else if (kind == Page::multiplayer)
        setButton(page, IDC_START_SERVER, true);
    else if (kind == Page::serverOptions)
        typeKeys(page, IDC_HOST_NAME, "Zat Server");
}

// A dedicated server with the three limits, team play by model, no falling damage and
// weapons that stay.
void dedicatedServerChoices(HWND page, Page kind) {
    if (kind != Page::serverOptions) {
        serverChoices(page, kind);
        return;
    }
    for (int box :
         {IDC_DEDICATED, IDC_TIME_LIMIT_ON, IDC_FRAG_LIMIT_ON, IDC_MAX_PLAYERS_ON, IDC_TEAM_PLAY})
        setButton(page, box, true);
    typeKeys(page, IDC_TIME_LIMIT, "20");
    typeKeys(page, IDC_FRAG_LIMIT, "1234567");
    typeKeys(page, IDC_MAX_PLAYERS, "16");
    setButton(page, IDC_MODEL_TEAMS, true);
    setButton(page, IDC_FALLING_DAMAGE, false);
    setButton(page, IDC_WEAPONS_STAY, true);
}

struct TourStopped {
    std::string why;
};

void screenshot(const std::string& what) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", ++shotNumber);
    const std::string name = std::string(number) + "-" + what;
    std::printf("shot %s\n", name.c_str());
    std::fflush(stdout);
    const std::string png = shotFolder + name + ".png";
    if (!waitUntil([&] { return fileExists(png); }, 10s))
        std::printf("(no screenshot %s taken)\n", name.c_str());
    std::fflush(stdout);
}

HWND expectPage(ZatStart& zat, Page page) {
    HWND found =
        zat.waitForWindow([&](HWND w) { return w == zat.visiblePage() && pageOf(w) == page; });
    if (!found)
        throw TourStopped{std::string("the ") + pageName(page) + " page did not show"};
    // Let the page paint before its picture is taken.
    std::this_thread::sleep_for(400ms);
    return found;
}

void runGame(HWND run, const std::string& shot) {
    click(run, IDC_NEXT);
    // The stand-in shows what it received for a moment.
    if (waitUntil([] { return FindWindowA(nullptr, "Zat (stand-in)") != nullptr; }, 20s)) {
        std::this_thread::sleep_for(300ms);
        screenshot(shot);
    }
    waitUntil([] { return FindWindowA(nullptr, "Zat (stand-in)") == nullptr; }, 20s);
    if (!waitUntil([&] { return launchEnded(run); }, 20s))
        throw TourStopped{"the run page does not answer after the game ended"};
}

std::string serverSettingsFile() {
    return shotFolder + "deathmatch-server.ZTP";
}

// A deathmatch server as a player would have saved it, loaded on the welcome page.
void loadServerSettings(ZatStart& zat, HWND welcome) {
    LaunchSettings server = kStartupValues;
    storeFieldText(server.gameDirectory, demoGameDirectory());
    server.gameType = gameTypes::deathmatch;
    server.multiplayerMode = multiplayerModes::startServer;
    storeFieldText(server.mapName, "dm_forge");
    server.levelIndex = 5; // dm_forge's place in the sorted deathmatch list
    storeFieldText(server.skinName, "Rook_Base2");
    server.skinIndex = 1; // Rook_Base2's place in Rook's skins
    const std::string file = serverSettingsFile();
    if (!storeFieldText(server.savePath, file) || writeSettingsFile(server))
        throw TourStopped{"cannot write the settings file " + file};
    click(welcome, IDC_LOAD_SETTINGS);
    HWND dialog = zat.waitForDialog("Load ZatStart Settings File");
    if (!dialog || !chooseFile(dialog, file))
        throw TourStopped{"the settings file could not be loaded"};
    const auto question = zat.waitForMessageBox();
    if (!question)
        throw TourStopped{"no question after loading"};
    answer(question, IDNO);
}

// Selects an entry of a list box as a click on it would (no notification is sent).
void selectListEntry(HWND dialog, int id, int index) {
    SendMessageA(GetDlgItem(dialog, id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The choices a player makes on a page before its picture is taken.
using Choices = void (*)(HWND page, Page kind);

void noChoices(HWND, Page) {}

// Mira, her third skin, left hand, a long name; joins a server by its address.
void joinChoices(HWND page, Page kind) {
    if (kind == Page::gameType) {
        setButton(page, IDC_DEATHMATCH, true);
    } else if (kind == Page::playerSetup) {
        setButton(page, IDC_MODEL_MIRA, true);
        selectListEntry(page, IDC_SKINS_MIRA, 2); // Mira_Base3
        setButton(page, IDC_HAND_LEFT, true);
        typeKeys(page, IDC_PLAYER_NAME, "Mira Player With A Long Name");
    } else if (kind == Page::multiplayer) {
        setButton(page, IDC_JOIN_SERVER, true);
        typeKeys(page, IDC_SERVER_ADDRESS, "192.168.1.20:27910");
    }
}

// A single-player game: skill "Officer", "Always Run" off, crosshair "Triad", dialog "Speech
// Only", the last level of the list.
void singlePlayerChoices(HWND page, Page kind) {
    if (kind == Page::gameType) {
        setButton(page, IDC_SKILL_OFFICER, true);
    } else if (kind == Page::gameOptions) {
        setButton(page, IDC_ALWAYS_RUN, false);
        setButton(page, IDC_CROSSHAIR_TRIAD, true);
        setButton(page, IDC_DIALOG_SPEECH_ONLY, true);
    } else if (kind == Page::mapSelect) {
        const auto entries = SendMessageA(GetDlgItem(page, IDC_LEVEL_LIST), LB_GETCOUNT, 0, 0);
        selectListEntry(page, IDC_LEVEL_LIST, static_cast<int>(entries) - 1);
    }
}

// From the given page on, makes the choices and presses Next until the run page, where it
// presses Run. Returns the run page.
HWND walk(ZatStart& zat, HWND page, const char* suffix, Choices choose = noChoices) {
    std::string visited;
    for (int steps = 0; steps < 12; ++steps) {
        const Page kind = pageOf(page);
        visited += std::string(visited.empty() ? "" : " > ") + pageName(kind);
        choose(page, kind);
        screenshot(std::string(pageName(kind)) + suffix);
        if (kind == Page::run) {
            std::printf("walk%s: %s\n", suffix, visited.c_str());
            runGame(page, std::string("game") + suffix);
            return page;
        }
        click(page, IDC_NEXT);
        HWND reached = nullptr;
        waitUntil([&] {
            reached = zat.visiblePage();
            return reached && reached != page;
        });
        if (!reached || reached == page)
            throw TourStopped{std::string("Next on the ") + pageName(kind) +
                              " page led nowhere (walk so far: " + visited + ")"};
        std::this_thread::sleep_for(400ms);
        page = reached;
    }
    throw TourStopped{"no run page after twelve pages: " + visited};
}

HWND expectDialog(ZatStart& zat, const char* title) {
    HWND found = zat.waitForDialog(title);
    if (!found)
        throw TourStopped{std::string("no \"") + title + "\" dialog"};
    std::this_thread::sleep_for(400ms);
    return found;
}

// The mode list and the advanced page share the pages' title: found by a control of theirs.
HWND expectWindowWith(ZatStart& zat, int id, const char* what) {
    HWND found = zat.waitForWindow(
        [id](HWND w) { return GetDlgItem(w, id) && !GetDlgItem(w, IDC_NAVIGATION_MENU); });
    if (!found)
        throw TourStopped{std::string("no ") + what};
    std::this_thread::sleep_for(400ms);
    return found;
}

void closeDialog(HWND dialog, int button) {
    click(dialog, button);
    waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10s);
}

// The dialogs that open on top of a page: the control setup page with the keys of a config
// file, the video page with a list and its advanced page, and help. Returns the video page.
HWND dialogsOnTop(ZatStart& zat, HWND page) {
    command(page, IDM_GAME_OPTIONS);
    page = expectPage(zat, Page::gameOptions);
    command(page, IDC_CONTROL_SETUP);
    HWND controls = expectDialog(zat, "Zat Start");
    const std::string keys = shotFolder + "tour-keys.cfg";
    writeFile(keys, "bind MOUSE1 +attack\r\nbind W +forward\r\nbind S +back\r\n"
                    "bind A +moveleft\r\nbind D +moveright\r\nbind SPACE +moveup\r\n");
    click(controls, IDC_LOAD_CONFIG);
    HWND load = expectDialog(zat, "Load Zat Config File");
    if (!chooseFile(load, keys))
        throw TourStopped{"the config file could not be loaded"};
    waitUntil([&] { return itemText(controls, IDC_BIND_ATTACK) == "MOUSE1"; }, 10s);
    screenshot("control-setup");
    closeDialog(controls, IDC_CLOSE);

    command(page, IDM_VIDEO_OPTIONS);
    HWND video = expectPage(zat, Page::videoOptions);
    click(video, IDC_CHANGE_MODE);
    HWND modes = expectWindowWith(zat, IDC_VIDEO_LIST, "mode list");
    selectListEntry(modes, IDC_VIDEO_LIST, 5);
    screenshot("mode-list");
    closeDialog(modes, IDC_NEXT);
    setButton(video, IDC_TEXTURE_16BIT, true);
    screenshot("video-options");
    click(video, IDC_ADVANCED_VIDEO);
    HWND advanced = expectWindowWith(zat, IDC_SHADOWS_ON, "advanced video page");
    setButton(advanced, IDC_SHADOWS_ON, true);
    setButton(advanced, IDC_DETAIL_HIGH, true);
    screenshot("advanced-video");
    closeDialog(advanced, IDC_NEXT);
    pressKey(video, IDC_ADVANCED_VIDEO, VK_F1);
    HWND help = expectDialog(zat, "Zat Start Help");
    screenshot("help");
    closeDialog(help, IDC_CLOSE);
    return video;
}

void tour(ZatStart& zat) {
    if (zat.waitForDialog("")) // the splash
        screenshot("splash");
    HWND page = expectPage(zat, Page::welcome);
    if (zat.waitForDialog(locateTitle, 2s))
        throw TourStopped{"the launcher asks where the game is: no INI file"};

    // A single-player game, then the deathmatch chains.
    HWND run = walk(zat, page, "", singlePlayerChoices);
    command(run, IDM_ABOUT);
    if (HWND about = zat.waitForDialog(ZAT_ABOUT_TITLE)) {
        std::this_thread::sleep_for(400ms);
        screenshot("about");
        click(about, IDC_OK);
        waitUntil([&] { return !IsWindowVisible(about); }, 10s);
    }
    HWND video = dialogsOnTop(zat, run);
    command(video, IDM_WELCOME);
    run = walk(zat, expectPage(zat, Page::welcome), "-join", joinChoices);
    command(run, IDM_WELCOME);
    page = expectPage(zat, Page::welcome);
    loadServerSettings(zat, page);
    run = walk(zat, page, "-server", serverChoices);
    command(run, IDM_WELCOME);
    run = walk(zat, expectPage(zat, Page::welcome), "-dedicated", dedicatedServerChoices);

    click(run, IDC_CLOSE);
    if (auto question = zat.waitForMessageBox()) {
        screenshot("close-question");
        answer(question, IDYES);
    }
    if (!zat.waitForExit())
        throw TourStopped{"the launcher did not end after Close and Yes"};
}

// The server's settings file as the launcher's argument: the launcher loads it and opens its
// option text page.
void openedWithAFile() {
    std::string quoted = "\"";
    quoted.append(serverSettingsFile()).push_back('"');
    ZatStart zat(zatStartExe(), demoGameDirectory(), quoted);
    HWND optionText = expectPage(zat, Page::optionText);
    screenshot("option-text-of-a-file");
    click(optionText, IDC_CLOSE);
    if (auto question = zat.waitForMessageBox())
        answer(question, IDYES);
    if (!zat.waitForExit())
        throw TourStopped{"the launcher opened with a file did not end after Close and Yes"};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: tour <folder for screenshots>\n");
        return 2;
    }
    shotFolder = programPath(argv[1]);
    if (shotFolder.back() != '\\')
        shotFolder += '\\';
    const std::string log = demoGameDirectory() + "zat-standin.log";
    const std::size_t startsBefore = logged(log, "command-line").size();
    const std::size_t logBefore = readFile(log).value_or("").size();

    try {
        {
            ZatStart zat(zatStartExe(), demoGameDirectory());
            tour(zat);
        }
        openedWithAFile();
    } catch (const TourStopped& stopped) {
        std::printf("tour stopped: %s\n", stopped.why.c_str());
        return 1;
    } catch (const std::exception& failure) {
        std::printf("tour stopped: %s\n", failure.what());
        return 1;
    }

    // The stand-in's own record of every start, its control characters spelled out (the
    // config's bytes in hex left out: its text says the same).
    std::printf("\nWhat the stand-in game received (%s):\n", log.c_str());
    std::istringstream received(readFile(log).value_or("").substr(logBefore));
    for (std::string line; std::getline(received, line);)
        if (!line.starts_with("config-bytes:"))
            std::printf("%s%s\n", line.starts_with('[') ? "" : "  ", line.c_str());
    const std::size_t starts = logged(log, "command-line").size() - startsBefore;
    if (starts != 4) {
        std::printf("tour stopped: expected four starts of the game, saw %d\n",
                    static_cast<int>(starts));
        return 1;
    }
    std::printf("\ntour complete: %d screenshots in %s\n", shotNumber, shotFolder.c_str());
    return 0;
}
