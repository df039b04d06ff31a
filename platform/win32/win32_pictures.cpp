#include "platform/win32/win32_pictures.h"

#include "platform/picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

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
        GetTextExtentPoint32W(screen, alphabet, static_cast<int>(std::size(alphabet) - 1),
                              &extent)) {
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

// How much a dialog in this font grew between 96 DPI and this one, worked out once per font
// and DPI for the life of the process; without the font, as much as the DPI did.
struct Growth {
    double x = 1, y = 1;
};

Growth growthOf(const LOGFONTW& font, int points, int dpi) {
    struct Known {
        LOGFONTW font;
        int points, dpi;
        Growth growth;
    };
    static std::vector<Known> known;
    Growth growth{static_cast<double>(dpi) / kDesignDpi, static_cast<double>(dpi) / kDesignDpi};
    if (points <= 0 || dpi == kDesignDpi)
        return growth;
    for (const Known& k : known)
        if (k.points == points && k.dpi == dpi && k.font.lfWeight == font.lfWeight &&
            k.font.lfItalic == font.lfItalic && k.font.lfCharSet == font.lfCharSet &&
            std::wcsncmp(k.font.lfFaceName, font.lfFaceName, LF_FACESIZE) == 0)
            return k.growth;
    const BaseUnits designed = baseUnitsAt(font, points, kDesignDpi);
    const BaseUnits now = baseUnitsAt(font, points, dpi);
    if (designed.x > 0 && designed.y > 0 && now.x > 0 && now.y > 0)
        growth = {static_cast<double>(now.x) / designed.x, static_cast<double>(now.y) / designed.y};
    known.push_back({font, points, dpi, growth});
    return growth;
}

// A 24-bit bitmap's header, top row first.
BITMAPINFO headerOf(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 24-bit copy of the picture at the given size, drawn by the program's own scaler straight
// from the picture's pixels into the copy's. Without an alpha channel the control shows the
// handle itself and never a copy of its own.
HBITMAP scaledCopy(HBITMAP original, SIZE size, int width, int height) {
    std::vector<std::uint8_t> pixels(rowBytes(size.cx) * static_cast<std::size_t>(size.cy));
    BITMAPINFO info = headerOf(size.cx, size.cy);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, original, 0, static_cast<UINT>(size.cy), pixels.data(),
                               &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.cy)
        return nullptr;
    info = headerOf(width, height);
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!copy)
        return nullptr;
    scalePixels({size.cx, size.cy, rowBytes(size.cx), pixels.data()},
                {width, height, rowBytes(width), static_cast<std::uint8_t*>(bits)});
    GdiFlush();
    return copy;
}

// The scaled copies of every picture at every size asked for, kept for the life of the
// process: a picture is known by its template and its place there.
HBITMAP cachedCopy(int templateId, int place, HBITMAP original, SIZE size, int width, int height) {
    struct Copy {
        int templateId, place, width, height;
        HBITMAP bitmap;
    };
    static std::vector<Copy> copies;
    for (const Copy& copy : copies)
        if (copy.templateId == templateId && copy.place == place && copy.width == width &&
            copy.height == height)
            return copy.bitmap;
    HBITMAP bitmap = scaledCopy(original, size, width, height);
    if (bitmap)
        copies.push_back({templateId, place, width, height, bitmap});
    return bitmap;
}

// The style first: most children are no picture, and their class name need not be asked.
bool isPicture(HWND control) {
    if ((GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
        return false;
    wchar_t className[16]{};
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    return lstrcmpiW(className, L"Static") == 0;
}

HBITMAP shownBy(HWND control) {
    return reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

} // namespace

DialogPictures::~DialogPictures() {
    release();
}

void DialogPictures::adopt(HWND dialog, int templateId) {
    templateId_ = templateId;
    int place = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!isPicture(child))
            continue;
        BITMAP size{};
        HBITMAP original = shownBy(child);
        if (original && GetObjectW(original, sizeof size, &size))
            pictures_.push_back({child, place, original, {size.bmWidth, size.bmHeight}});
        ++place;
    }
    if (pictures_.empty())
        return;
    auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (font && GetObjectW(font, sizeof font_, &font_))
        points_ = MulDiv(std::abs(static_cast<int>(font_.lfHeight)), 72, dpiOf(dialog));
    rescale(dialog);
}

// The pictures grow as the dialog's units did between 96 DPI and now, so that each covers
// the same share of its dialog.
void DialogPictures::rescale(HWND dialog) {
    if (pictures_.empty())
        return;
    const Growth growth = growthOf(font_, points_, dpiOf(dialog));
    for (const Picture& picture : pictures_)
        show(picture, growth.x, growth.y);
}

void DialogPictures::show(const Picture& picture, double scaleX, double scaleY) {
    const int width = std::max(1, static_cast<int>(std::lround(picture.size.cx * scaleX)));
    const int height = std::max(1, static_cast<int>(std::lround(picture.size.cy * scaleY)));
    HBITMAP wanted =
        width == picture.size.cx && height == picture.size.cy
            ? picture.original
            : cachedCopy(templateId_, picture.place, picture.original, picture.size, width, height);
    if (!wanted || wanted == shownBy(picture.control))
        return; // the control keeps what it shows
    // What comes back is the original, kept until the dialog closes, or a copy of the cache.
    // The control redraws itself, and one not centred in a box of its own takes the
    // picture's size.
    SendMessageW(picture.control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(wanted));
}

void DialogPictures::release() {
    for (const Picture& picture : pictures_) {
        // Only a control that still exists gives its picture back (this runs at WM_DESTROY).
        if (!IsWindow(picture.control))
            continue;
        // Taken back, the control holds nothing: the copy stays with the cache, and the
        // original is the dialog's to delete.
        SendMessageW(picture.control, STM_SETIMAGE, IMAGE_BITMAP, 0);
        DeleteObject(picture.original);
    }
    pictures_.clear();
}
