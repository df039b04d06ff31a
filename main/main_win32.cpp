// Entry point of the launcher: no main window of its own, only modal pages, or none at all
// when the command line asks for a launch without them. It hands the pages to the program.
#include "app/launcher_start.h"
#include "pages/pages.h"
#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The manifest asks for the themed controls; their classes must be registered before the
    // first dialog is built.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    Win32Desktop desktop(instance);
    return runWithLauncherArguments(desktop, GetCommandLineA(), zatStartPages());
}
