#pragma once
// Fixed-width text fields: a zero-terminated string inside N bytes. Reads never go past the
// field even when a damaged file left no terminator; writes never go past it either.

#include <cstddef>
#include <cstring>
#include <string_view>

// The text before the terminator, or all N bytes when the field holds no terminator.
template <std::size_t N> std::string_view fieldText(const char (&field)[N]) {
    const void* end = std::memchr(field, '\0', N);
    return {field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : N};
}

// Stores text and its terminator; the bytes behind the terminator keep what they held.
// Refuses (returns false, field untouched) text that does not fit.
template <std::size_t N> bool storeFieldText(char (&field)[N], std::string_view text) {
    if (text.size() >= N)
        return false;
    std::memcpy(field, text.data(), text.size());
    field[text.size()] = '\0';
    return true;
}

// Stores at most maxChars characters of text (and never more than fits), cutting the rest,
// as a text box read back with a limit does.
template <std::size_t N>
void storeFieldTextCut(char (&field)[N], std::string_view text, std::size_t maxChars = N - 1) {
    if (maxChars > N - 1)
        maxChars = N - 1;
    storeFieldText(field, text.substr(0, maxChars));
}
