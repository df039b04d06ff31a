#pragma once
// Reads the dialogs of the program's resource script, as that script is written: a header
// "ID DIALOGEX x, y, w, h", then STYLE, CAPTION and FONT, then BEGIN, one
// CONTROL "text", ID, "Class", STYLE | NOT STYLE, x, y, w, h per line, and END. An ID is a
// number or a name the resource header defines.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

enum class ControlKind { pushButton, checkBox, radioButton, groupBox, text, edit, listBox };

struct ControlTemplate {
    std::string text; // a picture's: its bitmap's name
    int id = -1;
    // The names on the line, with WS_CHILD and WS_VISIBLE that every control gets unless NOT
    // removes them.
    std::set<std::string, std::less<>> styles;
    ControlKind kind = ControlKind::text;

    bool hasStyle(std::string_view name) const { return styles.count(name) != 0; }
};

struct DialogTemplate {
    int id = 0;
    int width = 0;
    int height = 0;
    std::vector<ControlTemplate> controls; // in script order, which bounds the radio groups
};

// Every dialog of the script, by id. Throws std::runtime_error for a control line that it does
// not understand; everything outside dialogs is skipped.
std::map<int, DialogTemplate> parseResourceScript(std::string_view script,
                                                  std::string_view idHeader);
