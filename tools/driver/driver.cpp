#include "driver.h"

#include <dlgs.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

constexpr Duration messageWait = 5s;     // for one cross-process message
constexpr char dialogClass[] = "#32770"; // the window class of every dialog box

bool sendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     DWORD_PTR* result = nullptr, Duration timeout = messageWait) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                               static_cast<UINT>(timeout.count()), result ? result : &ignored) != 0;
}

std::string windowTitle(HWND window) {
    char buffer[512] = {};
    return std::string(buffer, std::max(GetWindowTextA(window, buffer, sizeof buffer), 0));
}

bool isMessageBox(HWND window) {
    // Its text is a static without an id of its own: IDC_STATIC as a 16-bit id.
    return GetDlgItem(window, LOWORD(IDC_STATIC)) && !GetDlgItem(window, IDC_NEXT) &&
           (GetDlgItem(window, IDOK) || GetDlgItem(window, IDYES));
}

// A page of the chain: the page title and the Navigation Menu button, which the mode list and
// the advanced video page, titled alike, do not have.
bool isPageWindow(HWND window) {
    return windowTitle(window) == pageTitle && GetDlgItem(window, IDC_NAVIGATION_MENU);
}

// The first visible dialog of the process that passes the test.
HWND findDialog(DWORD pid, const std::function<bool(HWND)>& test) {
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, dialogClass, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == pid && IsWindowVisible(window) && test(window))
            return window;
    }
    return nullptr;
}

} // namespace

bool waitUntil(const std::function<bool()>& condition, Duration timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (; !condition(); std::this_thread::sleep_for(50ms))
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
    return true;
}

// Texts here are short: the longest is the option text, well under the buffer.
std::wstring controlText(HWND control) {
    wchar_t text[8192] = {};
    DWORD_PTR copied = 0;
    if (!control || !sendWithTimeout(control, WM_GETTEXT, std::size(text),
                                     reinterpret_cast<LPARAM>(text), &copied))
        return {};
    return std::wstring(text, std::min<std::size_t>(copied, std::size(text) - 1));
}

std::string itemText(HWND dialog, int id) {
    const std::u8string text =
        std::filesystem::path(controlText(GetDlgItem(dialog, id))).u8string();
    return std::string(text.begin(), text.end());
}

std::wstring wideOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

bool answers(HWND window, Duration timeout) {
    return sendWithTimeout(window, WM_NULL, 0, 0, nullptr, timeout);
}

bool launchEnded(HWND run) {
    return answers(run) && IsWindowEnabled(GetDlgItem(run, IDC_NEXT));
}

void click(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void command(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// Through the keyboard's own input queue: the help request is made from real key input only.
void pressKey(HWND dialog, int focusedItem, WORD key) {
    SetForegroundWindow(dialog);
    if (HWND target = GetDlgItem(dialog, focusedItem))
        sendWithTimeout(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
    INPUT presses[2]{};
    for (INPUT& press : presses) {
        press.type = INPUT_KEYBOARD;
        press.ki.wVk = key;
    }
    presses[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, presses, sizeof(INPUT));
}

bool answer(HWND box, int button) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    return waitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); }, 10s);
}

bool chooseFile(HWND fileDialog, const std::string& path) {
    HWND name = GetDlgItem(fileDialog, cmb13);
    if (!name)
        name = GetDlgItem(fileDialog, edt1);
    if (!name)
        return false;
    // The dialog fills its controls while it settles; typing too early is overwritten.
    std::this_thread::sleep_for(300ms);
    const std::wstring wide = wideOf(path);
    const bool typed = waitUntil(
        [&] {
            sendWithTimeout(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
            return controlText(name) == wide;
        },
        5s);
    return typed && answer(fileDialog, IDOK);
}

ZatStart::ZatStart(const std::string& executable, const std::string& currentDirectory,
                   const std::string& arguments, bool captureOutput) {
    std::wstring commandLine = wideOf("\"" + executable + "\"");
    if (!arguments.empty())
        commandLine += L" " + wideOf(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    HANDLE outputEnd = nullptr;
    if (captureOutput) {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        if (!CreatePipe(&output_, &outputEnd, &inherited, 0))
            throw std::runtime_error("cannot make a pipe for the standard output");
        SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = outputEnd;
        startup.hStdError = outputEnd;
    }
    PROCESS_INFORMATION info{};
    const bool started = CreateProcessW(wideOf(executable).c_str(), commandLine.data(), nullptr,
                                        nullptr, captureOutput, 0, nullptr,
                                        wideOf(currentDirectory).c_str(), &startup, &info);
    if (outputEnd)
        CloseHandle(outputEnd); // the program's own copy closes when it ends
    if (!started)
        throw std::runtime_error("cannot start " + executable + " (error " +
                                 std::to_string(GetLastError()) + ")");
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
}

ZatStart::~ZatStart() {
    TerminateProcess(process_, 1); // nothing when it has ended
    WaitForSingleObject(process_, 10000);
    CloseHandle(process_);
    if (output_)
        CloseHandle(output_);
}

std::string ZatStart::readOutput() {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (output_ && ReadFile(output_, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

std::optional<DWORD> ZatStart::waitForExit(Duration timeout) {
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

HWND ZatStart::waitForWindow(const std::function<bool(HWND)>& test, Duration timeout) {
    HWND found = nullptr;
    waitUntil(
        [&] {
            return (found = findDialog(pid_, test)) ||
                   WaitForSingleObject(process_, 0) != WAIT_TIMEOUT; // it ended
        },
        timeout);
    return found;
}

HWND ZatStart::visiblePage() const {
    return findDialog(pid_, isPageWindow);
}

HWND ZatStart::waitForPage(int control, Duration timeout) {
    return waitForWindow([control](HWND w) { return isPageWindow(w) && GetDlgItem(w, control); },
                         timeout);
}

HWND ZatStart::waitForDialog(const std::string& title, Duration timeout) {
    return waitForWindow([&title](HWND w) { return windowTitle(w) == title; }, timeout);
}

HWND ZatStart::waitForMessageBox(Duration timeout) {
    return waitForWindow(isMessageBox, timeout);
}

std::string programPath(const std::string& buildPath) {
    // Wine shows the host's root directory as drive Z:.
    std::string path = buildPath.starts_with('/') ? "Z:" + buildPath : buildPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace e2e
