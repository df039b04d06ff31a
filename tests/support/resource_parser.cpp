// The dialog part of the resource script, read the way the resource compiler reads it: the
// same string escapes, WS_CHILD | WS_VISIBLE added to every control, STYLE replacing the
// dialog's default popup style, CAPTION adding WS_CAPTION and FONT adding DS_SETFONT.
#include "support/resource_parser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

struct NamedStyle {
    std::string_view name;
    std::uint32_t value;
};

// The style constants of the system headers that a dialog template may use.
constexpr NamedStyle styleTable[] = {
    {"WS_OVERLAPPED", 0x00000000},
    {"WS_TILED", 0x00000000},
    {"WS_POPUP", 0x80000000},
    {"WS_CHILD", 0x40000000},
    {"WS_CHILDWINDOW", 0x40000000},
    {"WS_MINIMIZE", 0x20000000},
    {"WS_ICONIC", 0x20000000},
    {"WS_VISIBLE", 0x10000000},
    {"WS_DISABLED", 0x08000000},
    {"WS_CLIPSIBLINGS", 0x04000000},
    {"WS_CLIPCHILDREN", 0x02000000},
    {"WS_MAXIMIZE", 0x01000000},
    {"WS_CAPTION", 0x00C00000},
    {"WS_BORDER", 0x00800000},
    {"WS_DLGFRAME", 0x00400000},
    {"WS_VSCROLL", 0x00200000},
    {"WS_HSCROLL", 0x00100000},
    {"WS_SYSMENU", 0x00080000},
    {"WS_THICKFRAME", 0x00040000},
    {"WS_SIZEBOX", 0x00040000},
    {"WS_GROUP", 0x00020000},
    {"WS_TABSTOP", 0x00010000},
    {"WS_MINIMIZEBOX", 0x00020000},
    {"WS_MAXIMIZEBOX", 0x00010000},
    {"WS_OVERLAPPEDWINDOW", 0x00CF0000},
    {"WS_TILEDWINDOW", 0x00CF0000},
    {"WS_POPUPWINDOW", 0x80880000},

    {"WS_EX_DLGMODALFRAME", 0x00000001},
    {"WS_EX_NOPARENTNOTIFY", 0x00000004},
    {"WS_EX_TOPMOST", 0x00000008},
    {"WS_EX_ACCEPTFILES", 0x00000010},
    {"WS_EX_TRANSPARENT", 0x00000020},
    {"WS_EX_MDICHILD", 0x00000040},
    {"WS_EX_TOOLWINDOW", 0x00000080},
    {"WS_EX_WINDOWEDGE", 0x00000100},
    {"WS_EX_CLIENTEDGE", 0x00000200},
    {"WS_EX_CONTEXTHELP", 0x00000400},
    {"WS_EX_RIGHT", 0x00001000},
    {"WS_EX_LEFT", 0x00000000},
    {"WS_EX_RTLREADING", 0x00002000},
    {"WS_EX_LTRREADING", 0x00000000},
    {"WS_EX_LEFTSCROLLBAR", 0x00004000},
    {"WS_EX_RIGHTSCROLLBAR", 0x00000000},
    {"WS_EX_CONTROLPARENT", 0x00010000},
    {"WS_EX_STATICEDGE", 0x00020000},
    {"WS_EX_APPWINDOW", 0x00040000},
    {"WS_EX_OVERLAPPEDWINDOW", 0x00000300},
    {"WS_EX_PALETTEWINDOW", 0x00000188},
    {"WS_EX_LAYERED", 0x00080000},
    {"WS_EX_NOINHERITLAYOUT", 0x00100000},
    {"WS_EX_LAYOUTRTL", 0x00400000},
    {"WS_EX_COMPOSITED", 0x02000000},
    {"WS_EX_NOACTIVATE", 0x08000000},

    {"DS_ABSALIGN", 0x0001},
    {"DS_SYSMODAL", 0x0002},
    {"DS_3DLOOK", 0x0004},
    {"DS_FIXEDSYS", 0x0008},
    {"DS_NOFAILCREATE", 0x0010},
    {"DS_LOCALEDIT", 0x0020},
    {"DS_SETFONT", 0x0040},
    {"DS_MODALFRAME", 0x0080},
    {"DS_NOIDLEMSG", 0x0100},
    {"DS_SETFOREGROUND", 0x0200},
    {"DS_CONTROL", 0x0400},
    {"DS_CENTER", 0x0800},
    {"DS_CENTERMOUSE", 0x1000},
    {"DS_CONTEXTHELP", 0x2000},
    {"DS_SHELLFONT", 0x0048},

    {"BS_PUSHBUTTON", 0x0000},
    {"BS_DEFPUSHBUTTON", 0x0001},
    {"BS_CHECKBOX", 0x0002},
    {"BS_AUTOCHECKBOX", 0x0003},
    {"BS_RADIOBUTTON", 0x0004},
    {"BS_3STATE", 0x0005},
    {"BS_AUTO3STATE", 0x0006},
    {"BS_GROUPBOX", 0x0007},
    {"BS_USERBUTTON", 0x0008},
    {"BS_AUTORADIOBUTTON", 0x0009},
    {"BS_PUSHBOX", 0x000A},
    {"BS_OWNERDRAW", 0x000B},
    {"BS_TYPEMASK", 0x000F},
    {"BS_LEFTTEXT", 0x0020},
    {"BS_RIGHTBUTTON", 0x0020},
    {"BS_TEXT", 0x0000},
    {"BS_ICON", 0x0040},
    {"BS_BITMAP", 0x0080},
    {"BS_LEFT", 0x0100},
    {"BS_RIGHT", 0x0200},
    {"BS_CENTER", 0x0300},
    {"BS_TOP", 0x0400},
    {"BS_BOTTOM", 0x0800},
    {"BS_VCENTER", 0x0C00},
    {"BS_PUSHLIKE", 0x1000},
    {"BS_MULTILINE", 0x2000},
    {"BS_NOTIFY", 0x4000},
    {"BS_FLAT", 0x8000},

    {"SS_LEFT", 0x0000},
    {"SS_CENTER", 0x0001},
    {"SS_RIGHT", 0x0002},
    {"SS_ICON", 0x0003},
    {"SS_BLACKRECT", 0x0004},
    {"SS_GRAYRECT", 0x0005},
    {"SS_WHITERECT", 0x0006},
    {"SS_BLACKFRAME", 0x0007},
    {"SS_GRAYFRAME", 0x0008},
    {"SS_WHITEFRAME", 0x0009},
    {"SS_USERITEM", 0x000A},
    {"SS_SIMPLE", 0x000B},
    {"SS_LEFTNOWORDWRAP", 0x000C},
    {"SS_OWNERDRAW", 0x000D},
    {"SS_BITMAP", 0x000E},
    {"SS_ENHMETAFILE", 0x000F},
    {"SS_ETCHEDHORZ", 0x0010},
    {"SS_ETCHEDVERT", 0x0011},
    {"SS_ETCHEDFRAME", 0x0012},
    {"SS_TYPEMASK", 0x001F},
    {"SS_REALSIZECONTROL", 0x0040},
    {"SS_NOPREFIX", 0x0080},
    {"SS_NOTIFY", 0x0100},
    {"SS_CENTERIMAGE", 0x0200},
    {"SS_RIGHTJUST", 0x0400},
    {"SS_REALSIZEIMAGE", 0x0800},
    {"SS_SUNKEN", 0x1000},
    {"SS_EDITCONTROL", 0x2000},
    {"SS_ENDELLIPSIS", 0x4000},
    {"SS_PATHELLIPSIS", 0x8000},
    {"SS_WORDELLIPSIS", 0xC000},
    {"SS_ELLIPSISMASK", 0xC000},

    {"ES_LEFT", 0x0000},
    {"ES_CENTER", 0x0001},
    {"ES_RIGHT", 0x0002},
    {"ES_MULTILINE", 0x0004},
    {"ES_UPPERCASE", 0x0008},
    {"ES_LOWERCASE", 0x0010},
    {"ES_PASSWORD", 0x0020},
    {"ES_AUTOVSCROLL", 0x0040},
    {"ES_AUTOHSCROLL", 0x0080},
    {"ES_NOHIDESEL", 0x0100},
    {"ES_OEMCONVERT", 0x0400},
    {"ES_READONLY", 0x0800},
    {"ES_WANTRETURN", 0x1000},
    {"ES_NUMBER", 0x2000},

    {"LBS_NOTIFY", 0x0001},
    {"LBS_SORT", 0x0002},
    {"LBS_NOREDRAW", 0x0004},
    {"LBS_MULTIPLESEL", 0x0008},
    {"LBS_OWNERDRAWFIXED", 0x0010},
    {"LBS_OWNERDRAWVARIABLE", 0x0020},
    {"LBS_HASSTRINGS", 0x0040},
    {"LBS_USETABSTOPS", 0x0080},
    {"LBS_NOINTEGRALHEIGHT", 0x0100},
    {"LBS_MULTICOLUMN", 0x0200},
    {"LBS_WANTKEYBOARDINPUT", 0x0400},
    {"LBS_EXTENDEDSEL", 0x0800},
    {"LBS_DISABLENOSCROLL", 0x1000},
    {"LBS_NODATA", 0x2000},
    {"LBS_NOSEL", 0x4000},
    {"LBS_COMBOBOX", 0x8000},
    {"LBS_STANDARD", 0x00A00003},
};

// Names that stand for several others; the set holds the parts as well, so that a control
// written with LBS_STANDARD is found sorted.
std::vector<std::string_view> partsOf(std::string_view name) {
    if (name == "LBS_STANDARD")
        return {"LBS_NOTIFY", "LBS_SORT", "WS_VSCROLL", "WS_BORDER"};
    if (name == "WS_OVERLAPPEDWINDOW" || name == "WS_TILEDWINDOW")
        return {"WS_CAPTION", "WS_SYSMENU", "WS_THICKFRAME", "WS_MINIMIZEBOX", "WS_MAXIMIZEBOX"};
    if (name == "WS_POPUPWINDOW")
        return {"WS_POPUP", "WS_BORDER", "WS_SYSMENU"};
    return {};
}

struct Token {
    enum class Kind { word, number, string, comma, bar, open, close, other };
    Kind kind = Kind::other;
    std::string text;       // words as written, strings after their escapes
    std::int64_t value = 0; // numbers
};

[[noreturn]] void fail(int line, const std::string& what) {
    throw ResourceScriptError(line, what);
}

bool isWordStart(unsigned char c) {
    return std::isalpha(c) || c == '_';
}

bool isWordChar(unsigned char c) {
    return std::isalnum(c) || c == '_';
}

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::string describe(unsigned char c) {
    if (std::isprint(c))
        return std::string("'") + static_cast<char>(c) + "'";
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02X", c);
    return buffer;
}

int digitValue(unsigned char c, int base) {
    int v = 99;
    if (std::isdigit(c))
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// A quoted string from just after its opening quote: "" is a quote, and the backslash
// escapes the compiler knows; an unknown escape keeps its backslash, as the compiler does.
std::string readString(std::string_view s, std::size_t& i, int line, bool strict) {
    std::string out;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i++]);
        if (c == '"') {
            if (i < s.size() && s[i] == '"') {
                out += '"';
                ++i;
                continue;
            }
            return out;
        }
        if (c != '\\' || i >= s.size()) {
            out += static_cast<char>(c);
            continue;
        }
        const unsigned char e = static_cast<unsigned char>(s[i++]);
        switch (e) {
        case 'a':
            out += '\a';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'v':
            out += '\v';
            break;
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'x':
        case 'X': {
            unsigned value = 0;
            int digits = 0;
            for (int d; digits < 2 && i < s.size() &&
                        (d = digitValue(static_cast<unsigned char>(s[i]), 16)) >= 0;
                 ++digits, ++i)
                value = value * 16 + static_cast<unsigned>(d);
            if (digits == 0)
                out += "\\x";
            else
                out += static_cast<char>(value);
            break;
        }
        default:
            if (digitValue(e, 8) >= 0) {
                unsigned value = static_cast<unsigned>(e - '0');
                for (int digits = 1, d; digits < 3 && i < s.size() &&
                                        (d = digitValue(static_cast<unsigned char>(s[i]), 8)) >= 0;
                     ++digits, ++i)
                    value = value * 8 + static_cast<unsigned>(d);
                out += static_cast<char>(value & 0xFF);
            } else {
                out += '\\';
                out += static_cast<char>(e);
            }
        }
    }
    if (strict)
        fail(line, "a string is not closed before the end of the line");
    return out;
}

// Decimal or 0x hexadecimal, with an optional minus and the L or U suffixes C allows.
std::int64_t readNumber(std::string_view s, std::size_t& i, int line) {
    const bool negative = s[i] == '-';
    if (negative)
        ++i;
    int base = 10;
    if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    std::int64_t value = 0;
    int digits = 0;
    while (i < s.size()) {
        const int d = digitValue(static_cast<unsigned char>(s[i]), base);
        if (d < 0)
            break;
        value = value * base + d;
        if (value > 0xFFFFFFFFLL)
            fail(line, "a number is out of range");
        ++digits;
        ++i;
    }
    if (digits == 0)
        fail(line, "a number has no digits");
    while (i < s.size() && (s[i] == 'L' || s[i] == 'l' || s[i] == 'U' || s[i] == 'u'))
        ++i;
    if (i < s.size() && isWordChar(static_cast<unsigned char>(s[i])))
        fail(line, "a number runs into " + describe(static_cast<unsigned char>(s[i])));
    return negative ? -value : value;
}

// Outside dialogs the script holds statements this reader has no use for, so there an
// unknown character is a token of its own rather than an error.
std::vector<Token> tokenize(std::string_view s, int line, bool strict) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        Token t;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f') {
            ++i;
            continue;
        }
        if (c == '"') {
            ++i;
            t.kind = Token::Kind::string;
            t.text = readString(s, i, line, strict);
        } else if (std::isdigit(c) || (c == '-' && i + 1 < s.size() &&
                                       std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            t.kind = Token::Kind::number;
            if (strict) {
                t.value = readNumber(s, i, line);
            } else {
                while (i < s.size() &&
                       (isWordChar(static_cast<unsigned char>(s[i])) || s[i] == '-'))
                    ++i;
            }
        } else if (isWordStart(c)) {
            const std::size_t start = i;
            while (i < s.size() && isWordChar(static_cast<unsigned char>(s[i])))
                ++i;
            t.kind = Token::Kind::word;
            t.text = std::string(s.substr(start, i - start));
        } else {
            ++i;
            switch (c) {
            case ',':
                t.kind = Token::Kind::comma;
                break;
            case '|':
                t.kind = Token::Kind::bar;
                break;
            case '{':
                t.kind = Token::Kind::open;
                break;
            case '}':
                t.kind = Token::Kind::close;
                break;
            default:
                if (strict)
                    fail(line, "unexpected character " + describe(c));
                t.kind = Token::Kind::other;
            }
        }
        tokens.push_back(std::move(t));
    }
    return tokens;
}

// The script split into lines with its comments blanked out; line numbers stay as they are.
std::vector<std::string> uncommentedLines(std::string_view script) {
    std::vector<std::string> lines(1);
    bool inBlockComment = false;
    bool inString = false;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        const char next = i + 1 < script.size() ? script[i + 1] : '\0';
        std::string& line = lines.back();
        if (c == '\n') {
            inString = false; // strings end with their line; the tokenizer reports it
            lines.emplace_back();
            continue;
        }
        if (inBlockComment) {
            if (c == '*' && next == '/') {
                inBlockComment = false;
                ++i;
            }
            line += ' ';
            continue;
        }
        if (inString) {
            line += c;
            if (c == '\\' && next != '\n' && next != '\0') {
                line += next;
                ++i;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '/' && next == '/') {
            while (i + 1 < script.size() && script[i + 1] != '\n')
                ++i;
            continue;
        } else if (c == '/' && next == '*') {
            inBlockComment = true;
            ++i;
            line += ' ';
            continue;
        }
        line += c;
    }
    return lines;
}

// Walks the tokens of one line, failing with the line's number.
class LineReader {
  public:
    LineReader(std::vector<Token> tokens, int line) : tokens_(std::move(tokens)), line_(line) {}

    bool atEnd() const { return next_ >= tokens_.size(); }
    const Token* peek() const { return atEnd() ? nullptr : &tokens_[next_]; }
    bool peekWord(std::string_view word) const {
        const Token* t = peek();
        return t && t->kind == Token::Kind::word && sameWord(t->text, word);
    }
    bool peekKind(Token::Kind kind) const {
        const Token* t = peek();
        return t && t->kind == kind;
    }
    const Token& take(const char* what) {
        if (atEnd())
            fail(line_, std::string("the line ends where ") + what + " should follow");
        return tokens_[next_++];
    }
    std::int64_t number(const char* what) {
        const Token& t = take(what);
        if (t.kind != Token::Kind::number)
            fail(line_, std::string("expected a number for ") + what + ", found " + shown(t));
        return t.value;
    }
    int integer(const char* what) {
        const std::int64_t v = number(what);
        if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
            fail(line_, std::string(what) + " is out of range");
        return static_cast<int>(v);
    }
    std::string string(const char* what) {
        const Token& t = take(what);
        if (t.kind != Token::Kind::string)
            fail(line_,
                 std::string("expected a quoted string for ") + what + ", found " + shown(t));
        return t.text;
    }
    void comma(const char* before) {
        const Token& t = take(before);
        if (t.kind != Token::Kind::comma)
            fail(line_, std::string("expected a comma before ") + before + ", found " + shown(t));
    }
    void end() {
        if (!atEnd())
            fail(line_, "unexpected " + shown(tokens_[next_]) + " at the end of the line");
    }

    // STYLE | STYLE | NOT STYLE ..., applied to names and bits as the compiler applies it.
    void styles(std::set<std::string, std::less<>>& names, std::uint32_t& bits) {
        do {
            if (peekKind(Token::Kind::bar))
                ++next_;
            bool negate = false;
            if (peekWord("NOT")) {
                negate = true;
                ++next_;
            }
            const Token& t = take("a style");
            std::uint32_t value = 0;
            if (t.kind == Token::Kind::number) {
                value = static_cast<std::uint32_t>(t.value);
            } else if (t.kind == Token::Kind::word) {
                if (!styleConstant(t.text, value))
                    fail(line_, "unknown style constant " + t.text);
                if (negate) {
                    names.erase(t.text);
                    for (std::string_view part : partsOf(t.text))
                        names.erase(std::string(part));
                } else {
                    names.insert(t.text);
                    for (std::string_view part : partsOf(t.text))
                        names.insert(std::string(part));
                }
            } else {
                fail(line_, "expected a style, found " + shown(t));
            }
            bits = negate ? bits & ~value : bits | value;
        } while (peekKind(Token::Kind::bar));
    }

    int line() const { return line_; }

  private:
    static std::string shown(const Token& t) {
        switch (t.kind) {
        case Token::Kind::word:
            return t.text;
        case Token::Kind::number:
            return std::to_string(t.value);
        case Token::Kind::string:
            return "\"" + t.text + "\"";
        case Token::Kind::comma:
            return "','";
        case Token::Kind::bar:
            return "'|'";
        case Token::Kind::open:
            return "'{'";
        case Token::Kind::close:
            return "'}'";
        case Token::Kind::other:
            break;
        }
        return "a stray character";
    }

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    int line_;
};

bool opensBlock(const LineReader& r) {
    return r.peekWord("BEGIN") || r.peekKind(Token::Kind::open);
}

bool closesBlock(const LineReader& r) {
    return r.peekWord("END") || r.peekKind(Token::Kind::close);
}

ControlTemplate readControl(LineReader& r) {
    ControlTemplate c;
    c.line = r.line();
    r.take("CONTROL");
    const Token& text = r.take("the control's text");
    if (text.kind == Token::Kind::string) {
        c.text = text.text;
    } else if (text.kind == Token::Kind::number) {
        c.text = std::to_string(text.value);
        c.textIsNumber = true;
    } else {
        fail(r.line(), "a control's text must be a quoted string or a number");
    }
    r.comma("the control id");
    c.id = r.integer("the control id");
    r.comma("the class name");
    const Token& className = r.take("the class name");
    if (className.kind != Token::Kind::string && className.kind != Token::Kind::word)
        fail(r.line(), "the class name must be a quoted string");
    c.className = className.text;
    if (c.className.empty())
        fail(r.line(), "the class name is empty");
    r.comma("the styles");
    c.styleNames = {"WS_CHILD", "WS_VISIBLE"};
    c.style = 0x40000000 | 0x10000000;
    r.styles(c.styleNames, c.style);
    r.comma("x");
    c.x = r.integer("x");
    r.comma("y");
    c.y = r.integer("y");
    r.comma("the width");
    c.width = r.integer("the width");
    r.comma("the height");
    c.height = r.integer("the height");
    if (!r.atEnd()) {
        r.comma("the extended styles");
        std::set<std::string, std::less<>> exNames;
        r.styles(exNames, c.exStyle);
        if (!r.atEnd()) {
            r.comma("the help id");
            r.number("the help id");
        }
    }
    r.end();
    return c;
}

class ScriptReader {
  public:
    explicit ScriptReader(std::string_view script) : lines_(uncommentedLines(script)) {}

    std::vector<DialogTemplate> read() {
        std::vector<DialogTemplate> dialogs;
        while (row_ < lines_.size()) {
            const int line = static_cast<int>(row_) + 1;
            const std::string& text = lines_[row_++];
            if (isPreprocessorLine(text))
                continue;
            LineReader r(tokenize(text, line, false), line);
            if (r.atEnd())
                continue;
            if (isDialogHeader(text, line)) {
                LineReader header(tokenize(text, line, true), line);
                DialogTemplate dialog = readDialog(header);
                if (findDialogTemplate(dialogs, dialog.id))
                    fail(line, "dialog " + std::to_string(dialog.id) + " is defined twice");
                dialogs.push_back(std::move(dialog));
            } else if (opensBlock(r)) {
                skipBlock(line); // a string table, version information and the like
            }
        }
        return dialogs;
    }

  private:
    static bool isPreprocessorLine(const std::string& text) {
        const std::size_t first = text.find_first_not_of(" \t\r\v\f");
        return first != std::string::npos && text[first] == '#';
    }

    // <id> DIALOG or DIALOGEX, whatever follows; the id must then be a number.
    static bool isDialogHeader(const std::string& text, int line) {
        const std::vector<Token> tokens = tokenize(text, line, false);
        if (tokens.size() < 2 || tokens[1].kind != Token::Kind::word)
            return false;
        if (!sameWord(tokens[1].text, "DIALOGEX") && !sameWord(tokens[1].text, "DIALOG"))
            return false;
        if (tokens[0].kind != Token::Kind::number)
            fail(line, "a dialog's id must be a number");
        return true;
    }

    void skipBlock(int openedAt) {
        int depth = 1;
        while (row_ < lines_.size()) {
            const int line = static_cast<int>(row_) + 1;
            const std::string& text = lines_[row_++];
            if (isPreprocessorLine(text))
                continue;
            for (const Token& t : tokenize(text, line, false)) {
                if (t.kind == Token::Kind::open ||
                    (t.kind == Token::Kind::word && sameWord(t.text, "BEGIN")))
                    ++depth;
                else if (t.kind == Token::Kind::close ||
                         (t.kind == Token::Kind::word && sameWord(t.text, "END")))
                    --depth;
            }
            if (depth <= 0)
                return;
        }
        fail(openedAt, "a block opened here has no END");
    }

    DialogTemplate readDialog(LineReader& header) {
        DialogTemplate d;
        d.line = header.line();
        d.id = header.integer("the dialog id");
        header.take("DIALOGEX");
        // Memory flags of old scripts mean nothing to a program of today.
        while (header.peekWord("DISCARDABLE") || header.peekWord("MOVEABLE") ||
               header.peekWord("PURE") || header.peekWord("IMPURE") || header.peekWord("PRELOAD") ||
               header.peekWord("LOADONCALL") || header.peekWord("FIXED"))
            header.take("a memory flag");
        d.x = header.integer("x");
        header.comma("y");
        d.y = header.integer("y");
        header.comma("the width");
        d.width = header.integer("the width");
        header.comma("the height");
        d.height = header.integer("the height");
        if (!header.atEnd()) {
            header.comma("the help id");
            header.number("the help id");
        }
        header.end();

        // The compiler's style for a dialog without a STYLE statement.
        d.styleNames = {"WS_POPUP", "WS_BORDER", "WS_SYSMENU"};
        d.style = 0x80880000;
        const std::string name = "dialog " + std::to_string(d.id);
        bool hasCaption = false;
        bool hasFont = false;
        for (;;) {
            LineReader r = nextStrictLine(d.line, name);
            if (opensBlock(r)) {
                r.take("BEGIN");
                r.end();
                break;
            }
            const Token& keyword = r.take("a statement");
            if (keyword.kind != Token::Kind::word)
                fail(r.line(), "expected a dialog statement or BEGIN");
            const std::string word = keyword.text;
            if (sameWord(word, "STYLE")) {
                d.styleNames.clear();
                d.style = 0;
                r.styles(d.styleNames, d.style);
                r.end();
            } else if (sameWord(word, "EXSTYLE")) {
                std::set<std::string, std::less<>> exNames;
                r.styles(exNames, d.exStyle);
                r.end();
            } else if (sameWord(word, "CAPTION")) {
                d.caption = r.string("the caption");
                hasCaption = true;
                r.end();
            } else if (sameWord(word, "FONT")) {
                d.fontSize = r.integer("the font size");
                r.comma("the font name");
                d.fontFace = r.string("the font name");
                hasFont = true;
                while (!r.atEnd()) {
                    r.comma("a font detail");
                    r.number("a font detail");
                }
            } else if (sameWord(word, "LANGUAGE") || sameWord(word, "CLASS") ||
                       sameWord(word, "MENU") || sameWord(word, "CHARACTERISTICS") ||
                       sameWord(word, "VERSION")) {
                continue;
            } else {
                fail(r.line(), "unexpected " + word + " before the BEGIN of " + name);
            }
        }
        // Applied after STYLE whatever the order, as the compiler does.
        if (hasCaption) {
            d.styleNames.insert("WS_CAPTION");
            d.style |= 0x00C00000;
        }
        if (hasFont) {
            d.styleNames.insert("DS_SETFONT");
            d.style |= 0x40;
        }

        for (;;) {
            LineReader r = nextStrictLine(d.line, name);
            if (closesBlock(r)) {
                r.take("END");
                r.end();
                break;
            }
            if (!r.peekWord("CONTROL")) {
                const Token& first = r.take("a control");
                fail(r.line(),
                     "only CONTROL lines are read inside " + name + ", found " +
                         (first.kind == Token::Kind::word ? first.text : "something else"));
            }
            d.controls.push_back(readControl(r));
        }
        return d;
    }

    LineReader nextStrictLine(int openedAt, const std::string& name) {
        while (row_ < lines_.size()) {
            const int line = static_cast<int>(row_) + 1;
            const std::string& text = lines_[row_++];
            if (isPreprocessorLine(text))
                continue;
            LineReader r(tokenize(text, line, true), line);
            if (!r.atEnd())
                return r;
        }
        fail(openedAt, name + " is not closed by END");
    }

    std::vector<std::string> lines_;
    std::size_t row_ = 0;
};

} // namespace

ResourceScriptError::ResourceScriptError(int line, const std::string& what)
    : std::runtime_error("resource script line " + std::to_string(line) + ": " + what),
      line_(line) {}

bool ControlTemplate::isClass(std::string_view name) const {
    return sameWord(className, name);
}

const ControlTemplate* DialogTemplate::control(int controlId) const {
    if (controlId == -1)
        return nullptr;
    for (const ControlTemplate& c : controls)
        if (c.id == controlId)
            return &c;
    return nullptr;
}

std::vector<DialogTemplate> parseResourceScript(std::string_view script) {
    return ScriptReader(script).read();
}

const DialogTemplate* findDialogTemplate(const std::vector<DialogTemplate>& dialogs, int id) {
    for (const DialogTemplate& d : dialogs)
        if (d.id == id)
            return &d;
    return nullptr;
}

bool styleConstant(std::string_view name, std::uint32_t& value) {
    for (const NamedStyle& s : styleTable)
        if (s.name == name) {
            value = s.value;
            return true;
        }
    return false;
}
