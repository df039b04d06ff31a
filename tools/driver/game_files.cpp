#include "game_files.h"

#include "driver.h"
#include "settings/settings_file.h"
#include "settings/text_field.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace e2e {

namespace {

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

} // namespace

std::string zatStartExe() {
    return programPath(ZAT_E2E_ZATSTART);
}

std::string demoGameDirectory() {
    return programPath(ZAT_E2E_DEMO_GAME) + "\\"; // the build's path has no trailing slash
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

std::string shortPathOf(const std::string& path) {
    wchar_t wide[MAX_PATH * 4] = {};
    char narrow[MAX_PATH * 8] = {};
    BOOL unfit = FALSE;
    GetShortPathNameW(wideOf(path).c_str(), wide, std::size(wide)); // none: left empty
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, narrow,
                                         sizeof narrow, nullptr, &unfit);
    return size > 1 && !unfit ? std::string(narrow) : path;
}

std::string windowsIniPath() {
    char buffer[MAX_PATH + 1] = {};
    GetWindowsDirectoryA(buffer, sizeof buffer);
    return std::string(buffer) + "\\ZatStart.ini";
}

void removeIniFiles() {
    DeleteFileA(windowsIniPath().c_str());
}

void writeIni(const std::string& gameDirectory) {
    writeFile(windowsIniPath(), "0\r\n" + gameDirectory);
}

TestFolder::TestFolder(const std::string& name, std::string_view gameFolder) {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp); // ends with a backslash
    dir_ = std::string(temp) + "zat-e2e\\" + name + "\\";
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
    game_ = dir_ + std::string(gameFolder) + "\\";
    std::filesystem::create_directories(wideOf(game_ + "base"));
    std::filesystem::copy_file(demoGameDirectory() + "zat.exe", wideOf(game_ + "zat.exe"));
}

std::vector<GameStart> gameStarts(const std::string& logPath) {
    std::vector<GameStart> starts;
    const std::optional<std::string> log = readFile(logPath);
    if (!log)
        return starts;
    std::istringstream lines(*log);
    std::optional<GameStart> current; // a block whose [end] is not written yet is no start
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (line == "[zat-standin]")
            current = GameStart{};
        else if (line == "[end]" && current)
            starts.push_back(*std::exchange(current, std::nullopt));
        if (!current)
            continue;
        const std::size_t colon = line.find(": ");
        const std::string key = line.substr(0, colon);
        const std::string value = colon == std::string::npos ? "" : line.substr(colon + 2);
        if (key == "command-line")
            current->launchCommand = value;
        else if (key == "current-directory")
            current->currentDirectory = value;
        else if (key == "config-path")
            current->configPath = value;
        else if (key == "config-bytes")
            current->config = fromHex(value);
    }
    return starts;
}

LaunchSettings startupRecordFor(std::string_view gameDirectory) {
    LaunchSettings record = kStartupValues;
    storeFieldText(record.gameDirectory, gameDirectory);
    return record;
}

void saveRecord(const std::string& path, LaunchSettings record) {
    if (!storeFieldText(record.savePath, path) || writeSettingsFile(record))
        throw std::runtime_error("cannot write the settings file " + path);
}

} // namespace e2e
