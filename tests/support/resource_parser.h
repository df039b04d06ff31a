#pragma once
// Reads the dialog templates of the program's resource script, so that the in-memory backend
// builds every page from the same templates as the program. The script keeps each control on
// one line: CONTROL "text", id, "Class", STYLE | STYLE, x, y, w, h [, EXSTYLE [, helpid]].

#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ResourceScriptError : public std::runtime_error {
  public:
    ResourceScriptError(int line, const std::string& what);
    int line() const { return line_; }

  private:
    int line_;
};

struct ControlTemplate {
    std::string text;          // the script's bytes after its escapes; a number for pictures
    bool textIsNumber = false; // CONTROL 174, ...: a resource number, as pictures name bitmaps
    int id = -1;
    std::string className; // as written: "Button", "Static", "Edit", "ListBox", ...
    // The styles named on the line, with WS_CHILD and WS_VISIBLE that the compiler adds to
    // every control (unless NOT removes them) and LBS_STANDARD spelled out into its parts.
    std::set<std::string, std::less<>> styleNames;
    std::uint32_t style = 0; // the same as the compiled bits, numbers included
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int line = 0; // in the script, for messages

    bool hasStyle(std::string_view name) const { return styleNames.count(name) != 0; }
    bool isClass(std::string_view name) const; // compared as Windows compares class names
};

struct DialogTemplate {
    int id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::set<std::string, std::less<>> styleNames;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::string caption;
    int fontSize = 0;
    std::string fontFace;
    std::vector<ControlTemplate> controls; // in template order: tab order and radio groups
    int line = 0;

    bool hasStyle(std::string_view name) const { return styleNames.count(name) != 0; }
    // The first control with this id, as the dialog manager finds it; none for -1.
    const ControlTemplate* control(int controlId) const;
};

// Every DIALOG and DIALOGEX block of the script, in script order. Throws ResourceScriptError
// naming the line for anything in a dialog that it does not understand.
std::vector<DialogTemplate> parseResourceScript(std::string_view script);

const DialogTemplate* findDialogTemplate(const std::vector<DialogTemplate>& dialogs, int id);

// The value of a style constant (WS_, WS_EX_, DS_, BS_, SS_, ES_, LBS_); false if unknown.
bool styleConstant(std::string_view name, std::uint32_t& value);
