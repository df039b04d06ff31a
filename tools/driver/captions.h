#pragma once
// Whether the captions of a dialog of the running launcher fit their controls: every static,
// button, check box, radio button and group box caption is measured in the dialog's font, as
// the control itself lays it out, against the room the control gives it.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// What does not fit on a dialog shown from the given template at the given DPI, one line each
// (empty when all fits). The font is the template's, made at that DPI; that it is the
// dialog's own is checked first: it must lay the dialog out at the size it shows.
std::vector<std::string> captionMisfits(HWND dialog, int templateId, int dpi);

// Sets the DPI that launchers started from now on run at; returns the one it replaces.
DWORD setDisplayDpi(DWORD dpi);

} // namespace e2e
