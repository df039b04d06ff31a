// Entry point of the launcher: no main window of its own, only modal pages, or none at all
// when the command line asks for a launch without them. It hands the pages to the program.
#include "app/launcher_start.h"
#include "launch/launcher_arguments.h"
#include "pages/pages.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_text.h"

#include <windows.h>

#include <commctrl.h>

namespace {

// Libraries come from the system folder only, never from the program's own folder or the
// current one, where a downloaded file could stand under a system library's name. Looked up
// rather than imported, so the program still starts where Windows lacks the call.
void loadLibrariesFromSystemOnly() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const auto setDirectories = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!setDirectories || !setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryW(L""); // at least not the current directory
}

// The arguments behind the program's name, split by the program's own rule on UTF-8, whose
// bytes never look like a blank, a backslash or a quotation mark.
std::vector<HandedPath> launcherArguments() {
    const LPCWSTR line = GetCommandLineW();
    std::vector<HandedPath> arguments;
    for (const std::string& argument : argumentsOf(narrowOf(line ? line : L"", CP_UTF8, nullptr)))
        arguments.push_back(handedPathOf(wideOf(argument, CP_UTF8)));
    return arguments;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    loadLibrariesFromSystemOnly();

    // The manifest asks for the themed controls; their classes must be registered before the
    // first dialog is built.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    Win32Desktop desktop(instance);
    return runWithLauncherArguments(desktop, launcherArguments(), zatStartPages());
}
