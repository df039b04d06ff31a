// The installer in a fresh prefix of its own, into the game's folder as players do it: refused
// while the launcher runs, installed silently twice with the settings file type's verbs, and
// uninstalled silently, leaving the game's files as they were. The verbs' command lines are
// the ones the launcher's own tests start it with.
#include "driver.h"
#include "game_files.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace e2e {
namespace {

constexpr char classes[] = "Software\\Classes\\";
constexpr char uninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZatStart";

std::optional<std::string> registryText(const std::string& key, const char* value = nullptr) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(buffer);
}

// The files directly in a folder, by name, each with a hash of its bytes.
std::map<std::string, std::size_t> filesIn(const std::string& folder) {
    std::map<std::string, std::size_t> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] =
                std::hash<std::string>{}(readFile(entry.path().string()).value_or(""));
    return files;
}

TEST(Installer, InstallsBesideTheGameButNotWhileTheLauncherRunsAndUninstallsOnlyItsOwn) {
    const TestFolder folder("Installer");
    writeIni(folder.gameShortDirectory());
    // The game's folder with files of the names an installer most likely takes.
    const std::string directory = folder.gameDirectory();
    writeFile(directory + "ReadMe.txt", "The game's own read-me.\r\n");
    writeFile(directory + "Uninstall.exe", "The game's own uninstaller.");
    const auto gameFiles = filesIn(directory);
    const std::string installer = programPath(ZAT_E2E_INSTALLER);
    const std::string intoTheGame = "/S /D=" + directory.substr(0, directory.size() - 1);

    {
        ZatStart running(zatStartExe(), folder.directory());
        ASSERT_NE(running.waitForPage(IDC_LOAD_SETTINGS), nullptr);
        ZatStart setup(installer, folder.directory(), intoTheGame);
        EXPECT_NE(setup.waitForExit(60s).value_or(0), 0u) << "installed while the launcher runs";
        EXPECT_EQ(filesIn(directory), gameFiles);
    }

    // Twice, as an upgrade over the same version does it.
    for (int i = 0; i < 2; ++i) {
        ZatStart setup(installer, folder.directory(), intoTheGame);
        ASSERT_EQ(setup.waitForExit(60s), 0u) << "install " << i + 1;
    }
    const std::string exe = directory + "zatstart.exe";
    auto installed = filesIn(directory);
    for (const char* own : {"zatstart.exe", "Zat Start ReadMe.txt", "Uninstall Zat Start.exe"})
        EXPECT_EQ(installed.erase(own), 1u) << own;
    EXPECT_EQ(installed, gameFiles) << "the game's files changed";
    char programs[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    const std::string shortcut = std::string(programs) + "\\Zat Start.lnk";
    EXPECT_TRUE(fileExists(shortcut));

    EXPECT_EQ(registryText(uninstallKey, "DisplayName"), "Zat Start");
    EXPECT_EQ(registryText(uninstallKey, "DisplayIcon"), exe + ",0");
    const std::string quietUninstall =
        registryText(uninstallKey, "QuietUninstallString").value_or("");
    const std::size_t close = quietUninstall.find('"', 1); // the program in quotes, then arguments
    ASSERT_NE(close, std::string::npos) << quietUninstall;

    const std::string progId = registryText(std::string(classes) + ".ZTP").value_or("(none)");
    const std::string type = std::string(classes) + progId;
    EXPECT_EQ(registryText(type + "\\DefaultIcon"), exe + ",0");
    EXPECT_EQ(registryText(type + "\\shell"), "open") << "the default verb";
    EXPECT_EQ(registryText(type + "\\shell\\open\\command"), "\"" + exe + "\" \"%1\"");
    EXPECT_EQ(registryText(type + "\\shell\\play\\command"), "\"" + exe + "\" /run \"%1\"");

    // The uninstaller hands over to a copy of itself and returns at once: wait for the copy.
    ZatStart uninstaller(quietUninstall.substr(1, close - 1), folder.directory(),
                         quietUninstall.substr(std::min(quietUninstall.size(), close + 2)));
    EXPECT_EQ(uninstaller.waitForExit(), 0u);
    EXPECT_TRUE(waitUntil([&] {
        return !fileExists(exe) && !registryText(uninstallKey, "DisplayName");
    })) << "the uninstaller did not finish";
    EXPECT_EQ(filesIn(directory), gameFiles)
        << "the uninstaller took the game's files or left its own";
    EXPECT_FALSE(fileExists(shortcut));
    EXPECT_EQ(registryText(type + "\\shell"), std::nullopt);
    EXPECT_EQ(registryText(std::string(classes) + ".ZTP"), std::nullopt);
}

} // namespace
} // namespace e2e
