#include "platform/win32/win32_pictures.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int kDesignDpi = 96; // the pictures are drawn for it

// The DPI of the dialog's monitor; the system's where the call does not exist (before
// Windows 10), which is then the DPI of every monitor.
int dpiOf(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow)
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

struct BaseUnits {
    int x = 0, y = 0;
};

// A dialog's base units in the given font, worked out as the dialog manager does: the average
// width of the letters and the font's height.
BaseUnits baseUnitsOf(HFONT font) {
    static const wchar_t alphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    BaseUnits units;
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    SIZE extent{};
    if (GetTextMetricsW(screen, &metrics) &&
        GetTextExtentPoint32W(screen, alphabet, std::size(alphabet) - 1, &extent)) {
        units.x = (extent.cx / 26 + 1) / 2;
        units.y = metrics.tmHeight;
    }
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return units;
}

BaseUnits baseUnitsAt(LOGFONTW font, int points, int dpi) {
    font.lfHeight = -MulDiv(points, dpi, 72);
    HFONT created = CreateFontIndirectW(&font);
    if (!created)
        return {};
    const BaseUnits units = baseUnitsOf(created);
    DeleteObject(created);
    return units;
}

// A 24-bit copy of the picture at the given size, drawn with averaging rather than by
// repeating pixels. Without an alpha channel the control shows the handle itself and never
// a copy of its own.
HBITMAP scaledCopy(HBITMAP original, int width, int height) {
    BITMAP source{};
    if (!GetObjectW(original, sizeof source, &source))
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!copy)
        return nullptr;
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFrom = SelectObject(from, original);
    HGDIOBJ oldTo = SelectObject(to, copy);
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    const BOOL drawn =
        StretchBlt(to, 0, 0, width, height, from, 0, 0, source.bmWidth, source.bmHeight, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    if (!drawn) {
        DeleteObject(copy);
        return nullptr;
    }
    return copy;
}

bool isPicture(HWND control) {
    wchar_t className[16]{};
    GetClassNameW(control, className, std::size(className));
    return lstrcmpiW(className, L"Static") == 0 &&
           (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

} // namespace

DialogPictures::~DialogPictures() {
    release();
}

void DialogPictures::adopt(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!isPicture(child))
            continue;
        auto original =
            reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        if (original)
            pictures_.push_back({child, original, nullptr});
    }
    if (pictures_.empty())
        return;
    auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (font && GetObjectW(font, sizeof font_, &font_))
        points_ = MulDiv(std::abs(static_cast<int>(font_.lfHeight)), 72, dpiOf(dialog));
    rescale(dialog);
}

// The pictures grow as the dialog's units did between 96 DPI and now, so that each covers
// the same share of its dialog; without the dialog's font, as the DPI did.
void DialogPictures::rescale(HWND dialog) {
    if (pictures_.empty())
        return;
    const int dpi = dpiOf(dialog);
    double scaleX = static_cast<double>(dpi) / kDesignDpi;
    double scaleY = scaleX;
    if (points_ > 0) {
        const BaseUnits designed = baseUnitsAt(font_, points_, kDesignDpi);
        const BaseUnits now = baseUnitsAt(font_, points_, dpi);
        if (designed.x > 0 && designed.y > 0 && now.x > 0 && now.y > 0) {
            scaleX = static_cast<double>(now.x) / designed.x;
            scaleY = static_cast<double>(now.y) / designed.y;
        }
    }
    for (Picture& picture : pictures_)
        show(picture, scaleX, scaleY);
}

void DialogPictures::show(Picture& picture, double scaleX, double scaleY) {
    BITMAP size{};
    if (!GetObjectW(picture.original, sizeof size, &size))
        return;
    const int width = std::max(1, static_cast<int>(std::lround(size.bmWidth * scaleX)));
    const int height = std::max(1, static_cast<int>(std::lround(size.bmHeight * scaleY)));
    HBITMAP copy = scaledCopy(picture.original, width, height);
    if (!copy)
        return; // the control keeps what it shows
    auto previous = reinterpret_cast<HBITMAP>(
        SendMessageW(picture.control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copy)));
    // A picture that is not centred in a box of its own takes the picture's size.
    if (!(GetWindowLongW(picture.control, GWL_STYLE) & SS_CENTERIMAGE))
        SetWindowPos(picture.control, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // What comes back is the template's bitmap (kept as the original) or an earlier copy.
    if (previous && previous != picture.original && previous != copy)
        DeleteObject(previous);
    if (picture.shown && picture.shown != previous && picture.shown != copy)
        DeleteObject(picture.shown);
    picture.shown = copy;
    InvalidateRect(picture.control, nullptr, TRUE);
}

void DialogPictures::release() {
    for (Picture& picture : pictures_) {
        HBITMAP takenBack = nullptr;
        if (IsWindow(picture.control))
            takenBack = reinterpret_cast<HBITMAP>(
                SendMessageW(picture.control, STM_SETIMAGE, IMAGE_BITMAP, 0));
        if (takenBack && takenBack != picture.original)
            DeleteObject(takenBack);
        if (picture.shown && picture.shown != takenBack)
            DeleteObject(picture.shown);
        // Still shown when no copy could be made; then it stays with the control.
        if (takenBack == picture.original || picture.shown)
            DeleteObject(picture.original);
    }
    pictures_.clear();
}
