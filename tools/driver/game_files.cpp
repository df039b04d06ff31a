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

namespace e2e {

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

std::vector<std::string> logged(const std::string& logPath, std::string_view key) {
    std::vector<std::string> values;
    std::istringstream lines(readFile(logPath).value_or(""));
    const std::string start = std::string(key) + ": ";
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(start))
            values.push_back(
                line.substr(start.size(), line.find_last_not_of('\r') + 1 - start.size()));
    return values;
}

void saveSettingsFile(const std::string& path, std::string_view gameDirectory) {
    LaunchSettings record = kStartupValues;
    if (!storeFieldText(record.gameDirectory, gameDirectory) ||
        !storeFieldText(record.savePath, path) || writeSettingsFile(record))
        throw std::runtime_error("cannot write the settings file " + path);
}

} // namespace e2e
