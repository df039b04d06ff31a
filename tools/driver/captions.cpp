#include "captions.h"

#include "driver.h"
#include "game_files.h"

#include <optional>

namespace e2e {

namespace {

constexpr char desktopKey[] = "Control Panel\\Desktop";

// What of a dialog's template decides its layout: its size in dialog units and its font, made
// as the dialog manager makes it at the DPI.
struct DialogTemplate {
    SIZE units{};
    HFONT font = nullptr;
};

// Past a menu, class or title field of a template: none, an ordinal, or a string.
const WORD* skipNameOrOrdinal(const WORD* at) {
    return *at == 0xFFFF ? at + 2 : at + lstrlenW(reinterpret_cast<const wchar_t*>(at)) + 1;
}

// Read from zatstart.exe itself. Its templates are all DIALOGEX with a font.
std::optional<DialogTemplate> templateOf(int templateId, int dpi) {
    static HMODULE exe = LoadLibraryExA(zatStartExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = exe ? FindResourceA(exe, MAKEINTRESOURCEA(templateId), RT_DIALOG) : nullptr;
    const auto* words =
        resource ? static_cast<const WORD*>(LockResource(LoadResource(exe, resource))) : nullptr;
    if (!words || words[0] != 1 || words[1] != 0xFFFF) // DLGTEMPLATEEX's version and signature
        return std::nullopt;
    // After the help id, extended style, style and item count: x, y, cx, cy, then the menu,
    // the class, the title and the font.
    const WORD* font = skipNameOrOrdinal(skipNameOrOrdinal(skipNameOrOrdinal(words + 13)));
    return DialogTemplate{{static_cast<short>(words[11]), static_cast<short>(words[12])},
                          CreateFontW(-MulDiv(font[0], dpi, 72), 0, 0, 0, font[1], LOBYTE(font[2]),
                                      FALSE, FALSE, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY,
                                      FF_DONTCARE, reinterpret_cast<const wchar_t*>(font + 3))};
}

// How a control draws its caption: the width it leaves the text and the DrawText format; text
// it wraps onto lines must fit its height too.
struct Layout {
    int room = 0;
    UINT format = DT_SINGLELINE;
};

// As the common controls lay their captions out; nothing for controls without a caption.
std::optional<Layout> layoutOf(HWND control, HDC measuring, int dpi) {
    wchar_t className[32] = {};
    GetClassNameW(control, className, std::size(className));
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client{};
    GetClientRect(control, &client);
    const int width = client.right;
    if (lstrcmpiW(className, L"Static") == 0) {
        const UINT noPrefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
            if (style & SS_CENTERIMAGE)
                return Layout{width, DT_SINGLELINE | DT_EXPANDTABS | noPrefix};
            return Layout{width, DT_WORDBREAK | DT_EXPANDTABS | noPrefix};
        case SS_LEFTNOWORDWRAP:
            return Layout{width, DT_EXPANDTABS | noPrefix};
        case SS_SIMPLE:
            return Layout{width, DT_SINGLELINE | noPrefix};
        default: // pictures, frames, rectangles
            return std::nullopt;
        }
    }
    if (lstrcmpiW(className, L"Button") != 0)
        return std::nullopt;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        // Two pixels inside the frame, one more for the default button's outline, which any
        // push button of a dialog wears while it has the focus.
        return Layout{width - 2 * 3};
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE: {
        // The glyph, then half a digit's width before the text.
        int digit = 0;
        GetCharWidth32W(measuring, L'0', L'0', &digit);
        return Layout{width - (12 * dpi / 96 + 1) - digit / 2};
    }
    case BS_GROUPBOX:
        return Layout{width - 2 * 7}; // the text starts 7 pixels in and keeps off the far side
    default:
        return std::nullopt;
    }
}

// The dialog manager's base units in the font: the average letter's width and the height.
SIZE baseUnitsOf(HDC measuring) {
    static const wchar_t alphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    TEXTMETRICW metrics{};
    GetTextExtentPoint32W(measuring, alphabet, 52, &extent);
    GetTextMetricsW(measuring, &metrics);
    return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

} // namespace

std::vector<std::string> captionMisfits(HWND dialog, int templateId, int dpi) {
    const auto layout = templateOf(templateId, dpi);
    if (!layout)
        return {"no dialog template " + std::to_string(templateId) + " in zatstart.exe"};
    std::vector<std::string> misfits;
    HDC measuring = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(measuring, layout->font);

    const SIZE units = baseUnitsOf(measuring);
    RECT shown{};
    GetClientRect(dialog, &shown);
    const SIZE laidOut{MulDiv(layout->units.cx, units.cx, 4),
                       MulDiv(layout->units.cy, units.cy, 8)};
    if (laidOut.cx != shown.right || laidOut.cy != shown.bottom)
        misfits.push_back("the template's font lays the dialog out at " +
                          std::to_string(laidOut.cx) + "x" + std::to_string(laidOut.cy) +
                          ", it shows at " + std::to_string(shown.right) + "x" +
                          std::to_string(shown.bottom) + ": not the dialog's font");

    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const std::wstring text = controlText(control);
        const auto room = layoutOf(control, measuring, dpi);
        // A line of underscores is the pages' rule: it runs on past the edge, cut there.
        const bool rule = text.find_first_not_of(L'_') == std::wstring::npos;
        if (text.empty() || rule || !room)
            continue;
        RECT client{};
        GetClientRect(control, &client);
        RECT needed{0, 0, room->room, 0};
        DrawTextW(measuring, text.c_str(), -1, &needed, room->format | DT_CALCRECT);
        const bool wraps = room->format & DT_WORDBREAK;
        if (needed.right > room->room || (wraps && needed.bottom > client.bottom))
            misfits.push_back("item " + std::to_string(GetDlgCtrlID(control)) + " \"" +
                              utf8Of(text) + "\" needs " + std::to_string(needed.right) + "x" +
                              std::to_string(needed.bottom) + " pixels, has " +
                              std::to_string(room->room) + "x" + std::to_string(client.bottom));
    }
    SelectObject(measuring, previous);
    DeleteObject(layout->font);
    DeleteDC(measuring);
    return misfits;
}

// Each process reads it from here when it starts.
DWORD setDisplayDpi(DWORD dpi) {
    DWORD earlier = 96, size = sizeof earlier;
    RegGetValueA(HKEY_CURRENT_USER, desktopKey, "LogPixels", RRF_RT_REG_DWORD, nullptr, &earlier,
                 &size);
    RegSetKeyValueA(HKEY_CURRENT_USER, desktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi);
    return earlier;
}

} // namespace e2e
