#include "game_files.h"

#include "driver.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#ifndef ZAT_E2E_ZATSTART
#error "ZAT_E2E_ZATSTART must name the launcher built for the tests"
#endif
#ifndef ZAT_E2E_DEMO_GAME
#error "ZAT_E2E_DEMO_GAME must name the demo game directory"
#endif

namespace e2e {

namespace {

std::string withTrailingBackslash(std::string path) {
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

std::string fromHex(std::string_view hex) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        throw std::runtime_error("bad hex digit in the stand-in's log");
    };
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1]));
    return bytes;
}

} // namespace

std::string zatStartExe() {
    return programPath(ZAT_E2E_ZATSTART);
}

std::string demoGameDirectory() {
    return withTrailingBackslash(programPath(ZAT_E2E_DEMO_GAME));
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void removeFile(const std::string& path) {
    DeleteFileA(path.c_str());
}

std::string shortPathOf(const std::string& path) {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
}

std::string samePathKey(const std::string& path) {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = GetLongPathNameA(path.c_str(), buffer, sizeof buffer);
    std::string key = length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
    while (key.size() > 3 && (key.back() == '\\' || key.back() == '/'))
        key.pop_back();
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

std::string windowsIniPath() {
    char buffer[MAX_PATH + 1] = {};
    GetWindowsDirectoryA(buffer, sizeof buffer);
    return std::string(buffer) + "\\ZatStart.ini";
}

std::string appDataIniPath() {
    char buffer[MAX_PATH + 1] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)))
        return {};
    return std::string(buffer) + "\\ZatStart.ini";
}

void removeIniFiles() {
    removeFile(windowsIniPath());
    if (!appDataIniPath().empty())
        removeFile(appDataIniPath());
}

void writeIni(const std::string& gameDirectory) {
    removeIniFiles();
    writeFile(windowsIniPath(), "0\r\n" + gameDirectory);
}

TestFolder::TestFolder(const std::string& name) {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    dir_ = withTrailingBackslash(temp) + "zat-e2e\\" + name + "\\";
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    std::filesystem::create_directories(dir_);
    game_ = copyGame("Zat Demo Game");
}

std::string TestFolder::copyGame(std::string_view folderName) const {
    const std::string game = dir_ + std::string(folderName) + "\\";
    std::filesystem::create_directories(game + "base");
    std::filesystem::copy_file(demoGameDirectory() + "zat.exe", game + "zat.exe",
                               std::filesystem::copy_options::overwrite_existing);
    return game;
}

std::vector<GameStart> gameStarts(const std::string& logPath) {
    std::vector<GameStart> starts;
    const std::optional<std::string> log = readFile(logPath);
    if (!log)
        return starts;
    std::istringstream lines(*log);
    std::string line;
    std::optional<GameStart> current;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "[zat-standin]") {
            current = GameStart{};
            continue;
        }
        if (!current)
            continue;
        if (line == "[end]") {
            starts.push_back(*current);
            current.reset();
            continue;
        }
        const std::size_t colon = line.find(": ");
        const std::string key = line.substr(0, colon);
        const std::string value = colon == std::string::npos ? "" : line.substr(colon + 2);
        if (key == "command-line")
            current->commandLine = value;
        else if (key == "current-directory")
            current->currentDirectory = value;
        else if (key == "config-path")
            current->configPath = value;
        else if (key == "config-bytes")
            current->config = fromHex(value);
    }
    return starts;
}

LaunchSettings startupRecord(std::string_view gameDirectory) {
    LaunchSettings record{};
    applyStartupValues(record);
    storeFieldText(record.gameDirectory, gameDirectory);
    return record;
}

void saveRecord(const std::string& path, LaunchSettings record) {
    if (!storeFieldText(record.savePath, path) || writeSettingsFile(record))
        throw std::runtime_error("cannot write the settings file " + path);
}

std::optional<LaunchSettings> loadRecord(const std::string& path) {
    LaunchSettings record{};
    if (!storeFieldText(record.loadPath, path) || readSettingsFile(record))
        return std::nullopt;
    return record;
}

std::string visible(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c < 0x20 || c >= 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

std::vector<GameStart> waitForGameStarts(const std::string& logPath, std::size_t count) {
    std::vector<GameStart> starts;
    waitUntil([&] { return (starts = gameStarts(logPath)).size() >= count; });
    return starts;
}

} // namespace e2e
