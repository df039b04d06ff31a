// Every caption of every page and dialog fits its control at 96 and 144 DPI: measured in the
// dialog's own font, as the control itself lays it out, against the room the control gives it.
// A launcher of its own per DPI: the DPI is read at start-up.
#include "driver.h"
#include "game_files.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr int pressF1 = -1; // help opens from the keyboard only

// Shown one after another, each from the page shown before it: a page by a command, or a
// dialog over that page, closed again by a button.
struct Stop {
    int templateId;
    int command;
    int closeWith = 0; // for a dialog over the page
};
constexpr Stop stops[] = {
    {IDD_GAME_TYPE, IDM_GAME_TYPE},
    {IDD_MULTIPLAYER, IDM_MULTIPLAYER},
    {IDD_PLAYER_SETUP, IDC_BACK},
    {IDD_SERVER_OPTIONS, IDM_SERVER_OPTIONS},
    {IDD_GAME_OPTIONS, IDM_GAME_OPTIONS},
    {IDD_CONTROL_SETUP, IDC_CONTROL_SETUP, IDC_CLOSE},
    {IDD_MAP_SELECT, IDM_MAP_SELECT},
    {IDD_VIDEO_OPTIONS, IDM_VIDEO_OPTIONS},
    {IDD_DRIVER_LIST, IDC_CHANGE_DRIVER, IDC_CLOSE},
    {IDD_MODE_LIST, IDC_CHANGE_MODE, IDC_CLOSE},
    {IDD_ADVANCED_VIDEO, IDC_ADVANCED_VIDEO, IDC_CLOSE},
    {IDD_HELP, pressF1, IDC_CLOSE},
    {IDD_OPTION_TEXT, IDM_OPTION_TEXT},
    {IDD_RUN, IDC_NEXT},
    {IDD_ABOUT, IDM_ABOUT, IDC_OK},
};

// The room a control of each kind the templates use leaves its caption, and how it lays the
// caption out: a push button keeps two pixels inside its frame and one for the default outline
// on each side, a group box seven pixels on each side, a check box or radio button its glyph
// and half a digit before the text; a static wraps its caption unless it centres it vertically.
constexpr int glyph = -1;
struct Kind {
    const wchar_t* className;
    LONG type;
    int inset;
    UINT format;
};
constexpr Kind kinds[] = {
    {L"Static", SS_LEFT, 0, DT_WORDBREAK},
    {L"Static", SS_CENTER, 0, DT_WORDBREAK},
    {L"Static", SS_LEFTNOWORDWRAP, 0, 0},
    {L"Button", BS_PUSHBUTTON, 2 * 3, DT_SINGLELINE},
    {L"Button", BS_DEFPUSHBUTTON, 2 * 3, DT_SINGLELINE},
    {L"Button", BS_GROUPBOX, 2 * 7, DT_SINGLELINE},
    {L"Button", BS_AUTOCHECKBOX, glyph, DT_SINGLELINE},
    {L"Button", BS_AUTORADIOBUTTON, glyph, DT_SINGLELINE},
};

const Kind* kindOf(HWND control) {
    wchar_t className[32] = {};
    GetClassNameW(control, className, std::size(className));
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    for (const Kind& kind : kinds)
        if (lstrcmpiW(className, kind.className) == 0 &&
            (style & (kind.className[0] == L'S' ? SS_TYPEMASK : BS_TYPEMASK)) == kind.type)
            return &kind;
    return nullptr;
}

// Past a menu, class or title field of a template: none, an ordinal, or a string.
const WORD* skipNameOrOrdinal(const WORD* at) {
    return *at == 0xFFFF ? at + 2 : at + lstrlenW(reinterpret_cast<const wchar_t*>(at)) + 1;
}

// Selects the template's font, made at the DPI as the dialog manager makes it, into the device
// context; gives the template's size in dialog units. Read from zatstart.exe itself, whose
// templates are all DIALOGEX with a font.
SIZE selectTemplateFont(HDC measuring, int templateId, int dpi) {
    static HMODULE exe = LoadLibraryExA(zatStartExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = FindResourceA(exe, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(exe, resource)));
    // After the version, signature, help id, extended style, style, item count, x and y: the
    // size, then the menu, the class, the title and the font.
    const WORD* font = skipNameOrOrdinal(skipNameOrOrdinal(skipNameOrOrdinal(words + 13)));
    SelectObject(measuring,
                 CreateFontW(-MulDiv(font[0], dpi, 72), 0, 0, 0, font[1], LOBYTE(font[2]), FALSE,
                             FALSE, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, FF_DONTCARE,
                             reinterpret_cast<const wchar_t*>(font + 3)));
    return {static_cast<short>(words[11]), static_cast<short>(words[12])};
}

// False when the dialog did not show.
bool expectCaptionsFit(HWND dialog, int templateId, int dpi) {
    SCOPED_TRACE("dialog " + std::to_string(templateId) + " at " + std::to_string(dpi) + " DPI");
    EXPECT_NE(dialog, nullptr) << "not shown";
    if (!dialog)
        return false;
    HDC measuring = CreateCompatibleDC(nullptr);
    const SIZE units = selectTemplateFont(measuring, templateId, dpi);
    // The dialog manager's base units in that font must lay the dialog out at the size it
    // shows, or the font is not the dialog's.
    SIZE letters{};
    GetTextExtentPoint32W(measuring, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &letters);
    TEXTMETRICW metrics{};
    GetTextMetricsW(measuring, &metrics);
    RECT shown{};
    GetClientRect(dialog, &shown);
    EXPECT_EQ(MulDiv(units.cx, (letters.cx / 26 + 1) / 2, 4), shown.right) << "not its font";
    EXPECT_EQ(MulDiv(units.cy, metrics.tmHeight, 8), shown.bottom) << "not its font";
    int digit = 0;
    GetCharWidth32W(measuring, L'0', L'0', &digit);

    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const std::wstring text = controlText(control);
        const Kind* kind = kindOf(control);
        // A line of underscores is the pages' rule: it runs on past the edge, cut there.
        if (!kind || text.find_first_not_of(L'_') == std::wstring::npos)
            continue;
        RECT client{};
        GetClientRect(control, &client);
        const int room =
            client.right - (kind->inset == glyph ? 12 * dpi / 96 + 1 + digit / 2 : kind->inset);
        UINT format = kind->format;
        if (format == DT_WORDBREAK && (GetWindowLongW(control, GWL_STYLE) & SS_CENTERIMAGE))
            format = DT_SINGLELINE;
        const bool wraps = format == DT_WORDBREAK;
        RECT needed{0, 0, room, 0};
        DrawTextW(measuring, text.c_str(), -1, &needed, format | DT_CALCRECT);
        EXPECT_TRUE(needed.right <= room && (!wraps || needed.bottom <= client.bottom))
            << text << " needs " << needed.right << "x" << needed.bottom << ", has " << room << "x"
            << client.bottom;
    }
    DeleteObject(SelectObject(measuring, GetStockObject(SYSTEM_FONT)));
    DeleteDC(measuring);
    return true;
}

TEST(Captions, FitTheirControlsOnEveryPageAndDialogAt96And144Dpi) {
    writeIni(demoGameDirectory());
    // 96 last, as the prefix is usually set; each launcher reads it as it starts.
    for (const DWORD dpi : {144u, 96u}) {
        RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi,
                        sizeof dpi);
        ZatStart zat(zatStartExe(), demoGameDirectory());
        expectCaptionsFit(zat.waitForDialog(""), IDD_SPLASH, dpi);
        HWND page = zat.waitForPage(IDC_LOAD_SETTINGS);
        if (!expectCaptionsFit(page, IDD_WELCOME, dpi))
            continue;
        for (const Stop& stop : stops) {
            if (stop.command == pressF1)
                pressKey(page, IDC_NEXT, VK_F1);
            else
                command(page, stop.command);
            HWND shown = zat.waitForWindow([page](HWND w) { return w != page; });
            if (!expectCaptionsFit(shown, stop.templateId, dpi))
                break;
            if (stop.templateId == IDD_ABOUT) { // on top of everything, without a system menu
                EXPECT_TRUE((GetWindowLongW(shown, GWL_EXSTYLE) & WS_EX_TOPMOST) &&
                            !(GetWindowLongW(shown, GWL_STYLE) & WS_SYSMENU));
            }
            if (stop.closeWith)
                answer(shown, stop.closeWith);
            else
                page = shown;
        }
    }
}

} // namespace
} // namespace e2e
