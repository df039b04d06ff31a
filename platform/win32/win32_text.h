#pragma once
// Text between the program and Windows: the program keeps the system's code page, as its
// files hold it, and Windows is spoken to in UTF-16. No character is ever replaced by a
// look-alike: one that the code page lacks makes the text not fit.

#include "platform/port.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

std::wstring wideOf(std::string_view text);
// Between UTF-16 and another code page; unfit, when given, tells whether a character did not
// fit.
std::wstring wideOf(std::string_view text, UINT codePage);
std::string narrowOf(std::wstring_view text, UINT codePage, bool* unfit);
// The text in the code page; nothing when a character does not fit.
std::optional<std::string> systemTextOf(std::wstring_view text);
// The text in the code page with "?" for each character that does not fit, for what is only
// shown or typed, never a path.
std::string shownTextOf(std::wstring_view text);
// A path from Windows as the program can hold it.
HandedPath handedPathOf(std::wstring_view path);
// The full form of a path, made against the current directory; empty when it has none.
std::wstring fullPathOf(std::string_view path);
// The short (8.3) form of an existing path; nothing when Windows gives none.
std::optional<std::wstring> shortFormOf(std::wstring_view path);
