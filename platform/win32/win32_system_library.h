#pragma once
// The shell's and the common dialogs' libraries (shell32, comdlg32), loaded on first need
// rather than imported: under Wine, having them loaded made the start about 30 ms and every
// page switch about 3 ms slower, though only a file dialog, a drop, the recent documents or a
// shell folder needs them.

#include <windows.h>

// Whether the player hears of a library or function that is missing.
enum class WhenMissing { tellPlayer, stayQuiet };

// The named function of a system library, loaded from the system folder on first need and
// kept for the life of the process; nothing when the library or the function is missing.
FARPROC systemProcedure(const wchar_t* library, const char* name, WhenMissing whenMissing);

template <typename Function>
Function* systemFunction(const wchar_t* library, const char* name,
                         WhenMissing whenMissing = WhenMissing::tellPlayer) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(systemProcedure(library, name, whenMissing)));
}
