#include "support/resource_parser.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <stdexcept>

namespace {

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

// A number, or a name the header defines.
int idOf(std::string_view s, const Names& names, int line) {
    if (const auto named = names.find(s); named != names.end())
        return named->second;
    int value = 0;
    if (s.starts_with('(') && s.ends_with(')'))
        s = s.substr(1, s.size() - 2);
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size())
        fail(line, "expected a number or a defined name, found '" + std::string(s) + "'");
    return value;
}

// "#define NAME value" lines; the rest of the header is skipped.
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
        const std::string_view value = trim(text.substr(space + 1));
        names.emplace(std::string(text.substr(0, space)),
                      idOf(value.substr(0, value.find(' ')), names, 0));
    }
    return names;
}

// The script's only escape is "" for a quote.
std::string unquoted(std::string_view s) {
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i)
        out += s[i] == '"' ? s[++i] : s[i];
    return out;
}

void applyStyles(std::string_view s, ControlTemplate& c) {
    for (std::size_t start = 0; start <= s.size();) {
        const std::size_t bar = std::min(s.find('|', start), s.size());
        std::string_view name = trim(s.substr(start, bar - start));
        start = bar + 1;
        const bool remove = name.starts_with("NOT ");
        if (remove)
            name = trim(name.substr(4));
        std::set<std::string, std::less<>> parts{std::string(name)};
        if (name == "LBS_STANDARD")
            parts.insert({"LBS_SORT", "LBS_NOTIFY", "WS_VSCROLL", "WS_BORDER"});
        for (const std::string& part : parts) {
            if (remove)
                c.styles.erase(part);
            else
                c.styles.insert(part);
        }
    }
}

ControlKind kindOf(const ControlTemplate& c, std::string_view className, int line) {
    if (className == "\"Button\"") {
        if (c.hasStyle("BS_AUTORADIOBUTTON"))
            return ControlKind::radioButton;
        if (c.hasStyle("BS_AUTOCHECKBOX"))
            return ControlKind::checkBox;
        return c.hasStyle("BS_GROUPBOX") ? ControlKind::groupBox : ControlKind::pushButton;
    }
    if (className == "\"Static\"")
        return ControlKind::text;
    if (className == "\"Edit\"")
        return ControlKind::edit;
    if (className == "\"ListBox\"")
        return ControlKind::listBox;
    fail(line, "unknown control class " + std::string(className));
}

ControlTemplate readControl(std::string_view text, const Names& names, int line) {
    const std::vector<std::string_view> f = fields(text);
    if (!text.starts_with("CONTROL ") || f.size() != 8)
        fail(line, "expected CONTROL \"text\", id, \"Class\", styles, x, y, w, h");
    ControlTemplate c;
    c.text = unquoted(trim(f[0].substr(8)));
    c.id = idOf(f[1], names, line);
    c.styles = {"WS_CHILD", "WS_VISIBLE"};
    applyStyles(f[3], c);
    c.kind = kindOf(c, f[2], line);
    return c;
}

} // namespace

std::vector<DialogTemplate> parseResourceScript(std::string_view script,
                                                std::string_view idHeader) {
    const Names names = readNames(idHeader);
    std::vector<DialogTemplate> dialogs;
    enum class Place { outside, header, controls } place = Place::outside;
    int line = 0;
    for (std::size_t start = 0; start < script.size();) {
        ++line;
        const std::size_t end = std::min(script.find('\n', start), script.size());
        const std::string_view text = trim(script.substr(start, end - start));
        start = end + 1;
        const std::size_t keyword = text.find(" DIALOGEX ");
        if (place == Place::outside && keyword != std::string_view::npos) {
            const std::vector<std::string_view> f = fields(text.substr(keyword + 10));
            if (f.size() != 4)
                fail(line, "expected N DIALOGEX x, y, w, h");
            dialogs.push_back({idOf(trim(text.substr(0, keyword)), names, line),
                               idOf(f[2], names, line),
                               idOf(f[3], names, line),
                               {}});
            place = Place::header;
        } else if (place == Place::header && text == "BEGIN") {
            place = Place::controls;
        } else if (place == Place::controls && text == "END") {
            place = Place::outside;
        } else if (place == Place::controls && !text.empty() && !text.starts_with("//")) {
            dialogs.back().controls.push_back(readControl(text, names, line));
        }
    }
    if (place != Place::outside)
        fail(line, "the last dialog has no END");
    return dialogs;
}
