#pragma once
// The common open and save dialogs.

#include "platform/port.h"

#include <windows.h>

#include <optional>
#include <string>

// The chosen path, or nothing when the player cancelled or the dialog failed.
std::optional<HandedPath> showFileDialog(HWND owner, const FileDialogRequest& request);
