// The floor the timing probe measures the launcher against: the launcher's own dialog
// templates from its compiled resources, with the same start-up, and nothing of the program's
// own. The splash for as long as the launcher shows it (a program just started is slower for
// a while), then the welcome page; Next opens the game type page and Back the welcome
// page again, each a modal dialog as the launcher's pages are. Its pictures are shown as the
// templates give them. Not shipped: tools/benchmark.sh builds it for the probe.

#include "resource_ids.h"

#include <windows.h>

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSplashTimer = 1;

INT_PTR CALLBACK splashProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetTimer(dialog, kSplashTimer, 3000, nullptr); // as long as the launcher's
        return TRUE;
    }
    if (message == WM_TIMER) {
        KillTimer(dialog, kSplashTimer);
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

// Ends the page with the template of the page to open next, or 0 to end.
INT_PTR CALLBACK pageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_NEXT:
        EndDialog(dialog, IDD_GAME_TYPE);
        return TRUE;
    case IDC_BACK:
        EndDialog(dialog, IDD_WELCOME);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SPLASH), nullptr, splashProc, 0);
    INT_PTR page = IDD_WELCOME;
    while (page > 0)
        page = DialogBoxParamW(instance, MAKEINTRESOURCEW(static_cast<int>(page)), nullptr,
                               pageProc, 0);
    return 0;
}
