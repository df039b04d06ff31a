#include "settings/game_location.h"

#include "platform/files.h"
#include "settings/text_field.h"

#include <cctype>
#include <climits>

namespace {

// The INI file is two short lines; anything past this is not ours.
constexpr std::size_t kIniReadLimit = 4096;

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads a decimal number as "%d" does: leading white space, a sign, digits.
// Nothing is stored when no digit follows.
void readNumber(std::string_view text, std::size_t& at, int32_t& number) {
    while (at < text.size() && isBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    long long value = 0;
    bool anyDigit = false;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        anyDigit = true;
        if (value <= INT_MAX)
            value = value * 10 + (text[at] - '0');
        ++at;
    }
    if (!anyDigit)
        return;
    if (negative)
        value = -value;
    number = static_cast<int32_t>(value > INT_MAX ? INT_MAX : (value < INT_MIN ? INT_MIN : value));
}

} // namespace

std::string iniPathIn(std::string_view folder) {
    std::string path(folder);
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path + "\\ZatStart.ini";
}

std::optional<std::string> gameDirectoryAsRead(std::string_view directory) {
    for (const char c : directory) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || byte < 0x20 || byte == 0x7f)
            return std::nullopt;
    }
    std::string asRead(directory);
    if (!asRead.empty() && asRead.back() != '\\' && asRead.back() != '/')
        asRead += '\\';
    return asRead;
}

void keepGameDirectoryAsRead(LaunchSettings& settings) {
    const auto asRead = gameDirectoryAsRead(fieldText(settings.gameDirectory));
    if (!asRead || !storeFieldText(settings.gameDirectory, *asRead))
        storeFieldText(settings.gameDirectory, "");
}

void parseGameLocation(LaunchSettings& settings, std::string_view text) {
    std::size_t at = 0;
    readNumber(text, at, settings.locateGamePending);
    while (at < text.size() && isBlank(text[at]))
        ++at;
    std::string_view line = text.substr(at);
    const std::size_t lineBreak = line.find('\n');
    line = line.substr(0, lineBreak);
    // A carriage return belongs to the line break it stands before; a lone one is the
    // directory's own, as a text-mode read keeps it, and makes it unknown.
    if (lineBreak != std::string_view::npos && !line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const auto directory = gameDirectoryAsRead(line);
    if (!directory || !storeFieldText(settings.gameDirectory, *directory)) {
        storeFieldText(settings.gameDirectory, "");
        settings.locateGamePending = 1;
    }
}

std::string formatGameLocation(const LaunchSettings& settings) {
    return std::to_string(settings.locateGamePending) + "\r\n" +
           std::string(fieldText(settings.gameDirectory));
}

void readGameLocation(LaunchSettings& settings, const IniLocations& where) {
    std::optional<std::string> text;
    if (!where.appDataIni.empty())
        text = readFileBytes(where.appDataIni, kIniReadLimit);
    if (!text)
        text = readFileBytes(where.windowsIni, kIniReadLimit);
    if (!text) {
        settings.locateGamePending = 1;
        return;
    }
    parseGameLocation(settings, *text);
}

bool writeGameLocation(const LaunchSettings& settings, const IniLocations& where) {
    const std::string text = formatGameLocation(settings);
    // Once the INI lives in the application-data folder, start-up reads it from there.
    const bool appDataInUse = !where.appDataIni.empty() && fileExists(where.appDataIni);
    if (!appDataInUse && replaceFile(where.windowsIni, text) == ReplaceResult::replaced)
        return true;
    return !where.appDataIni.empty() &&
           replaceFile(where.appDataIni, text) == ReplaceResult::replaced;
}

std::string directoryOfFile(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? "" : path.substr(0, slash + 1));
}

Failure storeGameDirectory(LaunchSettings& settings, std::string_view directory) {
    if (!storeFieldText(settings.gameDirectory, directory))
        return locationMessages::directoryTooLong;
    return std::nullopt;
}

namespace {

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

bool sameDirectory(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}
