#include "controls/game_config.h"

#include "controls/bindings.h"
#include "platform/files.h"

namespace {

// Config files are scripts of a few kilobytes. A file far beyond any real one is refused with
// the read error rather than read in part: the bindings of an unread rest would be lost
// without a word.
constexpr std::size_t kConfigReadLimit = 64u << 20;
// A key name or command longer than a slot can hold is skipped, never cut into another key.
constexpr std::size_t kWordLimit = 19;

// White space as isspace sees it in the C locale, the only one the program runs in; written
// out because a library call per character was the largest cost of reading a large file.
bool isWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The next word as "%s" reads it: white space skipped, then up to the next white space.
// A word that holds a NUL byte ends there, as a C string would.
std::string_view readWord(std::string_view text, std::size_t& at) {
    while (at < text.size() && isWhiteSpace(text[at]))
        ++at;
    const std::size_t start = at;
    std::size_t wordEnd = std::string_view::npos; // at its first NUL byte, if any
    for (; at < text.size() && !isWhiteSpace(text[at]); ++at)
        if (text[at] == '\0' && wordEnd == std::string_view::npos)
            wordEnd = at;
    return text.substr(start, (wordEnd == std::string_view::npos ? at : wordEnd) - start);
}

// Compared character by character: a library call per place costs more than the comparison.
bool startsBind(std::string_view text, std::size_t at) {
    return text[at] == 'b' && text[at + 1] == 'i' && text[at + 2] == 'n' && text[at + 3] == 'd';
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

void takeBindEntries(LaunchSettings& settings, std::string_view text) {
    clearBindings(settings);
    std::size_t at = 0;
    while (at < text.size()) {
        // Pieces of five characters run from here to the line break, so only every fifth
        // place needs a look; a shorter last piece is never "bind" plus a character. To a
        // text-mode read a CR LF pair is one break, but the only piece that would come out
        // differently holds the CR, so it is never "bind" either: the bytes do as they are.
        const std::size_t lineFeed = text.find('\n', at);
        const std::size_t lineEnd = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
        std::size_t piece = at;
        while (piece + 5 <= lineEnd && !startsBind(text, piece))
            piece += 5;
        if (piece + 5 > lineEnd) {
            at = lineEnd;
            continue;
        }
        // A word never holds a carriage return or a line feed, so words read from the bytes
        // are the words a text-mode read finds.
        at = piece + 5;
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
