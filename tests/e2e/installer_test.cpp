// The installer in a fresh prefix of its own, into the game's folder as players do it: refused
// while the launcher runs, installed silently twice, the settings file type's verbs run as
// Windows runs them, and uninstalled silently, leaving the game's files as they were.
#include "driver.h"
#include "game_files.h"
#include "resources/resource_ids.h"
#include "settings/text_field.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr char classes[] = "Software\\Classes\\";
constexpr char uninstallKeys[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr char gameWindowTitle[] = "Zat (stand-in)";

std::string installer() {
    return programPath(ZAT_E2E_INSTALLER);
}

std::optional<std::string> registryText(const std::string& key, const char* value = nullptr) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(buffer);
}

bool keyExists(const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

// The uninstall entries that call themselves "Zat Start".
std::vector<std::string> uninstallEntries() {
    std::vector<std::string> found;
    HKEY entries = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, uninstallKeys, 0, KEY_READ, &entries) != ERROR_SUCCESS)
        return found;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(entries, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const std::string key = std::string(uninstallKeys) + "\\" + name;
        if (registryText(key, "DisplayName") == "Zat Start")
            found.push_back(key);
    }
    RegCloseKey(entries);
    return found;
}

std::string knownFolder(int folder) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// The files directly in a folder, by name, each with a hash of its bytes.
std::map<std::string, std::size_t> filesIn(const std::string& folder) {
    std::map<std::string, std::size_t> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[found.cFileName] =
                std::hash<std::string>{}(readFile(folder + found.cFileName).value_or(""));
    FindClose(search);
    return files;
}

// A command line as the registry holds it: the program in quotes, then its arguments.
struct Command {
    std::string program;
    std::string arguments;
};

Command commandOf(const std::string& line, const std::string& file = {}) {
    const std::size_t close = line.find('"', 1);
    Command command{line.substr(1, close - 1), line.substr(std::min(line.size(), close + 2))};
    if (const std::size_t at = command.arguments.find("%1"); at != std::string::npos)
        command.arguments.replace(at, 2, file);
    return command;
}

// The verb's command of the file type of .ZTP, found as Windows finds it.
std::string verbCommand(const std::string& verb) {
    const std::string progId = registryText(std::string(classes) + ".ZTP").value_or("(none)");
    return registryText(std::string(classes) + progId + "\\shell\\" + verb + "\\command")
        .value_or("(none)");
}

TEST(Installer, InstallsBesideTheGameButNotWhileTheLauncherRunsAndUninstallsOnlyItsOwn) {
    const TestFolder folder("Installer");
    const std::string located = folder.gameShortDirectory();
    writeIni(located);
    LaunchSettings record = startupRecordFor(located);
    storeFieldText(record.mapName, "base1");
    const std::string file = folder.path("my server.ZTP");
    saveRecord(file, record);
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", "1");
    // The game's folder with files of the names an installer most likely takes.
    const std::string directory = folder.gameDirectory();
    writeFile(directory + "ReadMe.txt", "The game's own read-me.\r\n");
    writeFile(directory + "Uninstall.exe", "The game's own uninstaller.");
    const auto gameFiles = filesIn(directory);
    const std::string intoTheGame = "/S /D=" + directory.substr(0, directory.size() - 1);

    {
        ZatStart running(zatStartExe(), folder.directory());
        ASSERT_NE(running.waitForPage(Page::welcome), nullptr);
        ZatStart setup(installer(), folder.directory(), intoTheGame);
        EXPECT_NE(setup.waitForExit(60s).value_or(0), 0u) << "installed while the launcher runs";
        EXPECT_EQ(filesIn(directory), gameFiles);
        EXPECT_TRUE(uninstallEntries().empty());
    }

    // Twice, as an upgrade over the same version does it.
    for (int i = 0; i < 2; ++i) {
        ZatStart setup(installer(), folder.directory(), intoTheGame);
        ASSERT_EQ(setup.waitForExit(60s), 0u) << "install " << i + 1;
    }
    const std::string exe = directory + "zatstart.exe";
    auto installed = filesIn(directory);
    for (const char* own : {"zatstart.exe", "Zat Start ReadMe.txt", "Uninstall Zat Start.exe"})
        EXPECT_EQ(installed.erase(own), 1u) << own;
    EXPECT_EQ(installed, gameFiles) << "the game's files changed";
    const std::string shortcut = knownFolder(CSIDL_PROGRAMS) + "\\Zat Start.lnk";
    EXPECT_TRUE(fileExists(shortcut));

    const auto entries = uninstallEntries();
    ASSERT_EQ(entries.size(), 1u) << "one uninstall entry after two installs";
    const std::string& entry = entries[0];
    EXPECT_EQ(registryText(entry, "DisplayIcon"), exe + ",0");
    const auto quietUninstall = registryText(entry, "QuietUninstallString");
    ASSERT_TRUE(quietUninstall.has_value());

    const std::string progId = registryText(std::string(classes) + ".ZTP").value_or("(none)");
    const std::string type = std::string(classes) + progId;
    EXPECT_EQ(registryText(type + "\\DefaultIcon"), exe + ",0");
    EXPECT_EQ(registryText(type + "\\shell"), "open") << "the default verb";
    EXPECT_EQ(verbCommand("open"), "\"" + exe + "\" \"%1\"");
    EXPECT_EQ(verbCommand("play"), "\"" + exe + "\" /run \"%1\"");

    {
        // Open: the usual start, then the file's option text page.
        const Command open = commandOf(verbCommand("open"), file);
        ZatStart opened(open.program, folder.directory(), open.arguments);
        HWND optionText = opened.waitForPage(Page::optionText);
        ASSERT_NE(optionText, nullptr) << "opening the file did not show its option text page";
        EXPECT_NE(itemText(optionText, IDC_OPTION_TEXT).find(" +map base1"), std::string::npos);
    }
    ASSERT_TRUE(waitUntil([] { return !anyPageShowing(); }));

    // Play: the game starts once, without a page, and the launcher ends with it.
    SetEnvironmentVariableA("ZAT_STANDIN_QUICK", nullptr);
    SetEnvironmentVariableA("ZAT_STANDIN_STAY", "1");
    const Command play = commandOf(verbCommand("play"), file);
    ZatStart played(play.program, folder.directory(), play.arguments);
    HWND game = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (game = FindWindowA(nullptr, gameWindowTitle)); }))
        << "Play did not start the game";
    EXPECT_FALSE(anyPageShowing());
    PostMessageA(game, WM_CLOSE, 0, 0);
    EXPECT_EQ(played.waitForExit(), 0u) << "the launcher did not end with the game";
    EXPECT_EQ(gameStarts(folder.standinLog()).size(), 1u);

    // The uninstaller hands over to a copy of itself and returns at once: wait for the copy.
    const Command uninstall = commandOf(*quietUninstall);
    ZatStart uninstaller(uninstall.program, folder.directory(), uninstall.arguments);
    EXPECT_EQ(uninstaller.waitForExit(), 0u);
    EXPECT_TRUE(waitUntil([&] { return !fileExists(exe) && uninstallEntries().empty(); }))
        << "the uninstaller did not finish";
    auto left = filesIn(directory);
    left.erase("zat-standin.log"); // the game's, from Play
    EXPECT_EQ(left, gameFiles) << "the uninstaller took the game's files or left its own";
    EXPECT_FALSE(fileExists(shortcut));
    EXPECT_FALSE(keyExists(type));
    EXPECT_FALSE(keyExists(std::string(classes) + ".ZTP"));
}

} // namespace
} // namespace e2e
