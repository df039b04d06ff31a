#include "platform/win32/win32_wide_path.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace {

std::wstring wideOf(std::string_view bytes) {
    const int size = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
    if (size == 0)
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    if (length <= 0 ||
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length) != length)
        return {};
    return wide;
}

// Nothing when a character has no form of its own in the code page.
std::optional<std::string> bytesOf(const std::wstring& wide) {
    const int size = static_cast<int>(std::min<std::size_t>(wide.size(), INT_MAX));
    if (size == 0)
        return std::string();
    // A UTF-8 code page spells everything but broken surrogates, and takes no default
    // character.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL substituted = FALSE;
    BOOL* substitutedAt = utf8 ? nullptr : &substituted;
    const int length =
        WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, substitutedAt);
    if (length <= 0 || substituted)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, wide.data(), size, bytes.data(), length, nullptr,
                            substitutedAt) != length ||
        substituted)
        return std::nullopt;
    return bytes;
}

} // namespace

std::wstring fullWidePathOf(std::string_view path) {
    const std::wstring wide = wideOf(path);
    if (wide.empty() || wide.find(L'\0') != std::wstring::npos)
        return {};
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return {};
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed)
        return {};
    full.resize(length);
    return full;
}

std::optional<std::string> pathBytesOf(const std::wstring& path) {
    if (auto bytes = bytesOf(path))
        return bytes;
    const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::wstring shortPath(needed, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed)
        return std::nullopt;
    shortPath.resize(length);
    return bytesOf(shortPath);
}
