#include "platform/win32/win32_text.h"

#include <climits>

namespace {

int lengthOf(std::size_t size) {
    return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

} // namespace

// With the code page UTF-8 (a system option) every character fits, and Windows takes neither
// the flag nor the question.
std::string narrowOf(std::wstring_view text, UINT codePage, bool* unfit) {
    if (text.empty())
        return {};
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* question = utf8 ? nullptr : &usedDefault;
    const int size = lengthOf(text.size());
    const int needed =
        WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, question);
    std::string narrow(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0)
        WideCharToMultiByte(codePage, flags, text.data(), size, narrow.data(), needed, nullptr,
                            question);
    if (unfit)
        *unfit = usedDefault || needed <= 0;
    return narrow;
}

std::wstring wideOf(std::string_view text, UINT codePage) {
    if (text.empty())
        return {};
    const int size = lengthOf(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), needed);
    return wide;
}

namespace {

std::optional<std::string> fittingPath(const std::optional<std::wstring>& path) {
    return path ? systemTextOf(*path) : std::nullopt;
}

} // namespace

std::wstring wideOf(std::string_view text) {
    return wideOf(text, CP_ACP);
}

std::optional<std::string> systemTextOf(std::wstring_view text) {
    bool unfit = false;
    std::string narrow = narrowOf(text, GetACP(), &unfit);
    if (unfit)
        return std::nullopt;
    return narrow;
}

std::string shownTextOf(std::wstring_view text) {
    return narrowOf(text, GetACP(), nullptr);
}

std::optional<std::wstring> shortFormOf(std::wstring_view path) {
    const std::wstring longPath(path);
    const DWORD needed = GetShortPathNameW(longPath.c_str(), nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::wstring buffer(needed, L'\0');
    const DWORD length = GetShortPathNameW(longPath.c_str(), buffer.data(), needed);
    if (length == 0 || length >= needed)
        return std::nullopt;
    buffer.resize(length);
    return buffer;
}

HandedPath handedPathOf(std::wstring_view path) {
    if (auto fitting = systemTextOf(path))
        return HandedPath(std::move(*fitting));
    if (auto fitting = fittingPath(shortFormOf(path)))
        return HandedPath(std::move(*fitting));
    // A file about to be saved has no short form yet; its folder may have one.
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring_view::npos) {
        const auto folder = fittingPath(shortFormOf(path.substr(0, slash + 1)));
        const auto name = systemTextOf(path.substr(slash + 1));
        if (folder && name)
            return HandedPath(*folder + *name);
    }
    HandedPath unusable(shownTextOf(path));
    unusable.unfit.assign(path.begin(), path.end());
    return unusable;
}

std::wstring fullPathOf(std::string_view path) {
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
