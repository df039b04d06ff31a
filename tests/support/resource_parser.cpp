#include "support/resource_parser.h"

#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace {

using Names = std::map<std::string, int, std::less<>>;

// "#define NAME 12" or "#define NAME (-1)"; the rest of the header is skipped.
Names readNames(const std::string& header) {
    static const std::regex define(R"(#define (\w+) +\(?(-?\d+)\)?)");
    Names names;
    for (std::sregex_iterator m(header.begin(), header.end(), define), end; m != end; ++m)
        names[(*m)[1]] = std::stoi((*m)[2]);
    return names;
}

int idOf(const std::string& text, const Names& names) {
    const auto named = names.find(text);
    return named != names.end() ? named->second : std::stoi(text);
}

// "A | NOT B | C": what NOT names is taken away from what the control has by default.
void applyStyles(const std::string& text, ControlTemplate& c) {
    static const std::regex style(R"((NOT +)?(\w+))");
    for (std::sregex_iterator m(text.begin(), text.end(), style), end; m != end; ++m) {
        if ((*m)[1].matched)
            c.styles.erase((*m)[2].str());
        else
            c.styles.insert((*m)[2].str());
    }
}

ControlKind kindOf(const ControlTemplate& c, const std::string& className) {
    if (className == "Button") {
        if (c.hasStyle("BS_AUTORADIOBUTTON"))
            return ControlKind::radioButton;
        if (c.hasStyle("BS_AUTOCHECKBOX"))
            return ControlKind::checkBox;
        return c.hasStyle("BS_GROUPBOX") ? ControlKind::groupBox : ControlKind::pushButton;
    }
    if (className == "Edit")
        return ControlKind::edit;
    return className == "ListBox" ? ControlKind::listBox : ControlKind::text;
}

} // namespace

std::map<int, DialogTemplate> parseResourceScript(std::string_view script,
                                                  std::string_view idHeader) {
    static const std::regex dialogLine(R"((\w+) DIALOGEX \d+, *\d+, *(\d+), *(\d+))");
    // CONTROL "text" or BITMAP_NAME, id, "Class", styles, x, y, w, h; "" is a quote in a text.
    static const std::regex controlLine(
        R"re(CONTROL ("((?:[^"]|"")*)"|\w+), *([\w()-]+), *"(Button|Static|Edit|ListBox)", *([^,]+), *-?\d+, *-?\d+, *\d+, *\d+)re");
    const Names names = readNames(std::string(idHeader));
    std::map<int, DialogTemplate> dialogs;
    DialogTemplate* dialog = nullptr;
    enum class Place { outside, header, controls } place = Place::outside;
    std::istringstream lines{std::string(script)};
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        line = std::regex_replace(line, std::regex(R"(^\s+|\s+$)"), "");
        if (place == Place::outside && std::regex_match(line, m, dialogLine)) {
            const int id = idOf(m[1], names);
            dialog = &(dialogs[id] = {id, std::stoi(m[2]), std::stoi(m[3]), {}});
            place = Place::header;
        } else if (place == Place::header && line == "BEGIN") {
            place = Place::controls;
        } else if (place == Place::controls && line == "END") {
            place = Place::outside;
        } else if (place == Place::controls && !line.empty() && !line.starts_with("//")) {
            if (!std::regex_match(line, m, controlLine))
                throw std::runtime_error("not a control this reader knows: " + line);
            ControlTemplate c{std::regex_replace(m[2].matched ? m[2].str() : m[1].str(),
                                                 std::regex("\"\""), "\""),
                              idOf(m[3], names),
                              {"WS_CHILD", "WS_VISIBLE"},
                              ControlKind::text};
            applyStyles(m[5], c);
            c.kind = kindOf(c, m[4]);
            dialog->controls.push_back(c);
        }
    }
    return dialogs;
}
