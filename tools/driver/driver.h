#pragma once
// Drives the real zatstart.exe from outside, the way a player would: finds its windows by
// title and by the controls they hold, clicks, reads texts, answers message boxes and fills
// file dialogs. Every wait polls with a timeout, because under Wine windows come slowly.

#include "resources/resource_ids.h"
#include "zat_version.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

// Long enough for a slow Wine start, short enough that a missing window fails the test soon.
inline constexpr Duration windowWait = 20s;

inline constexpr char pageTitle[] = ZAT_PAGE_TITLE;
inline constexpr char locateTitle[] = "Locate ZAT Executable";

// Polls until the condition holds; false when the time ran out.
bool waitUntil(const std::function<bool()>& condition, Duration timeout = windowWait);

// The text of a window or of a dialog's item, read through the control itself (works across
// processes, unlike GetWindowText); itemText's in UTF-8.
std::wstring controlText(HWND control);
std::string itemText(HWND dialog, int id);
// Paths the tests give are UTF-8, so a folder outside the code page can be named.
std::wstring wideOf(const std::string& utf8);
// Whether the window's thread answers a message within the time.
bool answers(HWND window, Duration timeout = 5s);
// Whether the run page is back from a launch: it answers during the game too, but only once
// the game has ended does Run work again.
bool launchEnded(HWND run);

// Clicks a button as the mouse would (BM_CLICK, posted so that a dialog it opens does not
// block the test).
void click(HWND dialog, int id);
// Sends a command as a menu choice would.
void command(HWND dialog, int id);
// Presses a key with the keyboard's own input queue on one of the dialog's items, as a
// player does (VK_ESCAPE, VK_F1).
void pressKey(HWND dialog, int focusedItem, WORD key);

// Presses one of a message box's or dialog's buttons (IDOK, IDYES, IDNO); false if it did not
// close.
bool answer(HWND box, int button);

// Types a path (UTF-8) into an open or save dialog and presses its OK button; false if the
// dialog did not close.
bool chooseFile(HWND fileDialog, const std::string& path);

// A zatstart.exe started by the test; ended when the object goes.
class ZatStart {
  public:
    // arguments: what follows the program's name on its command line; paths in UTF-8. With
    // captureOutput its standard output is a pipe that readOutput reads.
    ZatStart(const std::string& executable, const std::string& currentDirectory,
             const std::string& arguments = "", bool captureOutput = false);
    ~ZatStart();
    ZatStart(const ZatStart&) = delete;
    ZatStart& operator=(const ZatStart&) = delete;

    // Waits until the process has ended; its exit code, or nothing when it still runs.
    std::optional<DWORD> waitForExit(Duration timeout = windowWait);
    // Everything written to the standard output until the program closed it.
    std::string readOutput();

    // Every window the tests look for is a dialog: waits for a visible one that passes the test
    // (with no time: looks once).
    HWND waitForWindow(const std::function<bool(HWND)>& test, Duration timeout = windowWait);

    // The visible page (a dialog titled like every page), whatever it is.
    HWND visiblePage() const;
    // The page that holds the control: ids repeat across pages, so one that only the wanted
    // page holds (IDC_LOAD_SETTINGS: the welcome page), or one the page shown now lacks.
    HWND waitForPage(int control, Duration timeout = windowWait);
    // Any visible dialog with exactly this title, e.g. a file dialog; "" is the splash.
    HWND waitForDialog(const std::string& title, Duration timeout = windowWait);
    HWND waitForMessageBox(Duration timeout = windowWait);

  private:
    HANDLE process_ = nullptr;
    HANDLE output_ = nullptr; // the pipe's reading end
    DWORD pid_ = 0;
};

// A path given by the build (a host path under Wine) as this program sees it.
std::string programPath(const std::string& buildPath);

} // namespace e2e
