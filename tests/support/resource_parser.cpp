#include "support/resource_parser.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <stdexcept>

namespace {

using Styles = std::set<std::string, std::less<>>;
using Names = std::map<std::string, int, std::less<>>;

[[noreturn]] void fail(int line, const std::string& what) {
    throw std::runtime_error("resource script line " + std::to_string(line) + ": " + what);
}

std::string_view trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The parts of a line between the commas that are not inside a quoted string.
std::vector<std::string_view> fields(std::string_view s) {
    std::vector<std::string_view> out;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') {
            quoted = !quoted;
        } else if (s[i] == ',' && !quoted) {
            out.push_back(trim(s.substr(start, i - start)));
            start = i + 1;
        }
    }
    out.push_back(trim(s.substr(start)));
    return out;
}

int number(std::string_view s, int line) {
    int value = 0;
    if (s.starts_with('(') && s.ends_with(')'))
        s = s.substr(1, s.size() - 2);
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        fail(line, "expected a number, found '" + std::string(s) + "'");
    return value;
}

// A number, or a name the header defines.
int idOf(std::string_view s, const Names& names, int line) {
    const auto named = names.find(s);
    return named != names.end() ? named->second : number(s, line);
}

// "#define NAME number" lines; the rest of the header is skipped.
Names readNames(std::string_view header) {
    Names names;
    for (std::size_t start = 0; start < header.size();) {
        const std::size_t end = std::min(header.find('\n', start), header.size());
        std::string_view text = trim(header.substr(start, end - start));
        start = end + 1;
        if (!text.starts_with("#define "))
            continue;
        text = trim(text.substr(8));
        const std::size_t space = text.find(' ');
        std::string_view value = trim(text.substr(space + 1));
        value = value.substr(0, value.find(' '));
        names.emplace(std::string(text.substr(0, space)), number(value, 0));
    }
    return names;
}

// The script's only escape is "" for a quote.
std::string quotedText(std::string_view s, int line) {
    if (s.size() < 2 || s.front() != '"' || s.back() != '"')
        fail(line, "expected a quoted string, found '" + std::string(s) + "'");
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] == '"' && (i + 2 >= s.size() || s[++i] != '"'))
            fail(line, "a lone quote in " + std::string(s));
        out += s[i];
    }
    return out;
}

void applyStyles(std::string_view s, Styles& names, int line) {
    for (std::size_t start = 0; start <= s.size();) {
        const std::size_t bar = std::min(s.find('|', start), s.size());
        std::string_view name = trim(s.substr(start, bar - start));
        start = bar + 1;
        const bool remove = name.starts_with("NOT ");
        if (remove)
            name = trim(name.substr(4));
        if (name.empty() || name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") !=
                                std::string_view::npos)
            fail(line, "expected a style name, found '" + std::string(name) + "'");
        Styles parts{std::string(name)};
        if (name == "LBS_STANDARD")
            parts.insert({"LBS_SORT", "LBS_NOTIFY", "WS_VSCROLL", "WS_BORDER"});
        for (const std::string& part : parts) {
            if (remove)
                names.erase(part);
            else
                names.insert(part);
        }
    }
}

ControlKind kindOf(const ControlTemplate& c, int line) {
    if (c.className == "Button") {
        if (c.hasStyle("BS_AUTORADIOBUTTON"))
            return ControlKind::radioButton;
        if (c.hasStyle("BS_AUTOCHECKBOX"))
            return ControlKind::checkBox;
        return c.hasStyle("BS_GROUPBOX") ? ControlKind::groupBox : ControlKind::pushButton;
    }
    if (c.className == "Static")
        return ControlKind::text;
    if (c.className == "Edit")
        return ControlKind::edit;
    if (c.className == "ListBox")
        return ControlKind::listBox;
    fail(line, "unknown control class " + c.className);
}

ControlTemplate readControl(std::string_view text, const Names& names, int line) {
    const std::vector<std::string_view> f = fields(text);
    if (!text.starts_with("CONTROL ") || f.size() != 8)
        fail(line, "expected CONTROL \"text\", id, \"Class\", styles, x, y, w, h");
    ControlTemplate c;
    // A picture's text is the bitmap's name, read as the "#number" Windows takes it for.
    const std::string_view textField = trim(f[0].substr(8));
    c.text = textField.starts_with('"') ? quotedText(textField, line)
                                        : "#" + std::to_string(idOf(textField, names, line));
    c.id = idOf(f[1], names, line);
    c.className = quotedText(f[2], line);
    c.styles = {"WS_CHILD", "WS_VISIBLE"};
    applyStyles(f[3], c.styles, line);
    c.kind = kindOf(c, line);
    c.x = number(f[4], line);
    c.y = number(f[5], line);
    c.width = number(f[6], line);
    c.height = number(f[7], line);
    return c;
}

DialogTemplate readHeader(std::string_view text, std::size_t keyword, const Names& names,
                          int line) {
    const std::vector<std::string_view> f = fields(text.substr(keyword + 10));
    if (f.size() != 4)
        fail(line, "expected N DIALOGEX x, y, w, h");
    DialogTemplate d;
    d.id = idOf(trim(text.substr(0, keyword)), names, line);
    d.width = number(f[2], line);
    d.height = number(f[3], line);
    return d;
}

} // namespace

std::vector<DialogTemplate> parseResourceScript(std::string_view script,
                                                std::string_view idHeader) {
    const Names names = readNames(idHeader);
    std::vector<DialogTemplate> dialogs;
    enum class Place { outside, header, controls } place = Place::outside;
    int line = 0;
    int openedAt = 0;
    for (std::size_t start = 0; start < script.size();) {
        ++line;
        const std::size_t end = std::min(script.find('\n', start), script.size());
        const std::string_view text = trim(script.substr(start, end - start));
        start = end + 1;
        if (text.empty() || text.starts_with("//") || text.starts_with("#"))
            continue;
        if (place == Place::outside) {
            const std::size_t keyword = text.find(" DIALOGEX ");
            if (keyword == std::string_view::npos)
                continue;
            dialogs.push_back(readHeader(text, keyword, names, line));
            place = Place::header;
            openedAt = line;
        } else if (place == Place::header) {
            if (text == "BEGIN")
                place = Place::controls;
            else if (text.starts_with("STYLE "))
                applyStyles(text.substr(6), dialogs.back().styles, line);
            else if (text.starts_with("CAPTION "))
                dialogs.back().caption = quotedText(trim(text.substr(8)), line);
            else if (!text.starts_with("FONT ") && !text.starts_with("EXSTYLE "))
                fail(line, "unexpected '" + std::string(text) + "' before BEGIN");
        } else if (text == "END") {
            place = Place::outside;
        } else {
            dialogs.back().controls.push_back(readControl(text, names, line));
        }
    }
    if (place != Place::outside)
        fail(openedAt, "the dialog opened here has no END");
    return dialogs;
}
