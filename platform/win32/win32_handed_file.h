#pragma once
// A settings file handed by a second start of the program to the running launcher's page:
// its full path in UTF-16, carried by WM_COPYDATA.

#include "platform/port.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// Sends the path, made full against this process's current directory, to the page; whether
// the page took it.
bool sendHandedFile(HWND page, std::string_view path);

// The path a WM_COPYDATA carries, as the program can hold it; nothing when the message carries
// no handed file.
std::optional<HandedPath> handedFileOf(const COPYDATASTRUCT& data);

// Raises the launcher above other programs: its page, or the dialog open on top of it.
void bringToFront(HWND page);
