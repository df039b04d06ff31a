#include "platform/win32/win32_handed_file.h"

#include "platform/win32/win32_text.h"

#include <cstring>

namespace {

// Tells a handed file from any other program's WM_COPYDATA.
constexpr ULONG_PTR kHandedFileTag = 0x5A535446; // "ZSTF"
// Room for the longest path Windows takes, terminator included.
constexpr DWORD kMostPathBytes = 32768 * sizeof(wchar_t);
// The page answers at once (it loads the file afterwards), unless its launcher hangs.
constexpr UINT kAnswerMilliseconds = 10000;

} // namespace

bool sendHandedFile(HWND page, std::string_view path) {
    const std::wstring full = fullPathOf(path);
    const std::size_t bytes = (full.size() + 1) * sizeof(wchar_t);
    if (full.empty() || bytes > kMostPathBytes)
        return false;
    COPYDATASTRUCT data{};
    data.dwData = kHandedFileTag;
    data.cbData = static_cast<DWORD>(bytes);
    data.lpData = const_cast<wchar_t*>(full.c_str());
    // This start was the player's last action, so it may let the launcher come to the front.
    DWORD process = 0;
    if (GetWindowThreadProcessId(page, &process))
        AllowSetForegroundWindow(process);
    DWORD_PTR taken = 0;
    return SendMessageTimeoutW(page, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, kAnswerMilliseconds, &taken) != 0 &&
           taken != 0;
}

// Any program can send one: the size is checked and the text ends at its first terminator.
std::optional<HandedPath> handedFileOf(const COPYDATASTRUCT& data) {
    if (data.dwData != kHandedFileTag || !data.lpData || data.cbData > kMostPathBytes)
        return std::nullopt;
    std::wstring path(data.cbData / sizeof(wchar_t), L'\0');
    std::memcpy(path.data(), data.lpData, path.size() * sizeof(wchar_t));
    path.resize(path.find(L'\0') == std::wstring::npos ? path.size() : path.find(L'\0'));
    if (path.empty())
        return std::nullopt;
    return handedPathOf(path);
}

void bringToFront(HWND page) {
    if (IsIconic(page))
        ShowWindow(page, SW_RESTORE);
    HWND top = GetLastActivePopup(page);
    SetForegroundWindow(top ? top : page);
}
