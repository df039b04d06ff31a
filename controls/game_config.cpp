#include "controls/game_config.h"

#include "controls/bindings.h"
#include "platform/files.h"

#include <cctype>

namespace {

// Config files are scripts of a few kilobytes. A file far beyond any real one is refused with
// the read error rather than read in part: the bindings of an unread rest would be lost
// without a word.
constexpr std::size_t kConfigReadLimit = 64u << 20;
// A key name or command longer than a slot can hold is skipped, never cut into another key.
constexpr std::size_t kWordLimit = 19;

bool isWhiteSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The file as a text-mode read sees it: CR LF pairs are single line breaks.
std::string asTextMode(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            text += bytes[i];
    return text;
}

// The next word as "%s" reads it: white space skipped, then up to the next white space.
// A word that holds a NUL byte ends there, as a C string would.
std::string_view readWord(std::string_view text, std::size_t& at) {
    while (at < text.size() && isWhiteSpace(text[at]))
        ++at;
    const std::size_t start = at;
    while (at < text.size() && !isWhiteSpace(text[at]))
        ++at;
    std::string_view word = text.substr(start, at - start);
    return word.substr(0, word.find('\0'));
}

} // namespace

std::string gameConfigPath(std::string_view gameDirectory) {
    return std::string(gameDirectory) + "base\\ZatStart.cfg";
}

std::string gameConfigText(std::string_view optionText) {
    std::string bytes;
    bytes.reserve(optionText.size() + optionText.size() / 4);
    for (std::size_t i = 0; i < optionText.size(); ++i) {
        const char c = optionText[i];
        if (c == '+' || c == '\n')
            bytes += "\r\n";
        else if (c == '\r' && i + 1 < optionText.size() && optionText[i + 1] == '\n')
            continue; // the line break itself follows
        else
            bytes += c;
    }
    return bytes;
}

Failure writeGameConfig(std::string_view gameDirectory, std::string_view optionText) {
    if (replaceFile(gameConfigPath(gameDirectory), gameConfigText(optionText)) !=
        ReplaceResult::replaced)
        return configMessages::cantWrite;
    return std::nullopt;
}

void takeBindEntries(LaunchSettings& settings, std::string_view fileText) {
    clearBindings(settings);
    const std::string text = asTextMode(fileText);
    std::size_t at = 0;
    while (at < text.size()) {
        // A piece: at most five characters, ending early after a line break.
        std::size_t end = at;
        while (end < text.size() && end - at < 5 && (end == at || text[end - 1] != '\n'))
            ++end;
        const std::string_view piece = std::string_view(text).substr(at, end - at - 1);
        at = end;
        if (piece != "bind")
            continue;
        const std::string_view keyName = readWord(text, at);
        const std::string_view command = readWord(text, at);
        if (keyName.size() <= kWordLimit && command.size() <= kWordLimit)
            assignBinding(settings, command, keyName);
    }
}

Failure readGameConfig(LaunchSettings& settings, std::string_view path) {
    const auto bytes = readFileBytes(path, kConfigReadLimit + 1);
    if (!bytes || bytes->size() > kConfigReadLimit)
        return configMessages::cantRead;
    takeBindEntries(settings, *bytes);
    return std::nullopt;
}
