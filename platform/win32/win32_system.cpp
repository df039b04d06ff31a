// The desktop's system queries and program start: folders, short names, processes.
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_system_library.h"
#include "platform/win32/win32_text.h"

#include <shlobj.h>

#include <algorithm>
#include <cwchar>
#include <optional>
#include <vector>

namespace {

// Waits for the object while the program's windows go on painting and answering, so that a
// game that runs for minutes does not leave a launcher that Windows calls "not responding".
void waitPumpingMessages(HANDLE object) {
    std::optional<WPARAM> quit;
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_ALLINPUT);
        if (woken == WAIT_FAILED)
            WaitForSingleObject(object, INFINITE); // at least wait, if not answering
        if (woken != WAIT_OBJECT_0 + 1)
            break;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = message.wParam; // for the loop that asked for it, after the wait
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (quit)
        PostQuitMessage(static_cast<int>(*quit));
}

} // namespace

namespace {

// An absolute path (a drive's or a share's) of a folder that exists.
bool isExistingFolder(const wchar_t* path) {
    const bool absolute = (path[0] != L'\0' && path[1] == L':' && path[2] == L'\\') ||
                          (path[0] == L'\\' && path[1] == L'\\');
    const DWORD attributes = GetFileAttributesW(path);
    return absolute && attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A folder Windows names, in the form the program can hold; empty when there is none.
std::string usableFolder(std::wstring_view folder) {
    HandedPath path = handedPathOf(folder);
    return path.fits() ? path.path : std::string();
}

} // namespace

std::string Win32Desktop::windowsDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    UINT length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) {
        // Too small: the answer was the room needed, terminator included.
        buffer.assign(length + 1, L'\0');
        length = GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    if (length == 0 || length >= buffer.size())
        return {};
    return usableFolder(std::wstring_view(buffer.data(), length));
}

// The folder Windows gives every program in APPDATA when it exists, as it does for a player
// logged on; where it does not, the shell is asked, which costs the start its library.
std::string Win32Desktop::appDataDirectory() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH && isExistingFolder(buffer))
        return usableFolder(std::wstring_view(buffer, length));
    buffer[0] = L'\0';
    // Quiet: without the library there is no such folder, and the INI file keeps to the
    // Windows directory, also for a start without pages.
    const auto folderPath = systemFunction<decltype(SHGetFolderPathW)>(
        L"shell32.dll", "SHGetFolderPathW", WhenMissing::stayQuiet);
    if (!folderPath ||
        FAILED(folderPath(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)))
        return {};
    buffer[MAX_PATH] = L'\0';
    return usableFolder(std::wstring_view(buffer, wcsnlen(buffer, MAX_PATH)));
}

std::optional<std::string> Win32Desktop::shortPath(std::string_view path) {
    const auto shortForm = shortFormOf(wideOf(path));
    return shortForm ? systemTextOf(*shortForm) : std::nullopt;
}

std::optional<std::uint32_t> Win32Desktop::runProgram(std::string_view executable,
                                                      std::string_view commandLine,
                                                      std::string_view currentDirectory,
                                                      const std::function<void()>& started) {
    const std::wstring program = wideOf(executable);
    const std::wstring directory = wideOf(currentDirectory);
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring arguments = wideOf(commandLine);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), arguments.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &process))
        return std::nullopt;
    CloseHandle(process.hThread);
    if (started)
        started();
    waitPumpingMessages(process.hProcess);
    DWORD exitCode = 0;
    const bool known = GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    return known ? exitCode : 1u;
}

namespace {

bool writeAll(HANDLE stream, std::string_view text) {
    while (!text.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1u << 16));
        if (!WriteFile(stream, text.data(), chunk, &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

} // namespace

// A windowed program has no console of its own: its output goes where it was redirected, or
// to the console of the command prompt that started it.
HANDLE Win32Desktop::streamOf(DWORD stdHandle) {
    HANDLE given = GetStdHandle(stdHandle);
    if (given && given != INVALID_HANDLE_VALUE && GetFileType(given) != FILE_TYPE_UNKNOWN)
        return given;
    if (!console_ && AttachConsole(ATTACH_PARENT_PROCESS)) {
        console_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        if (console_ == INVALID_HANDLE_VALUE)
            console_ = nullptr;
    }
    return console_;
}

bool Win32Desktop::writeStandardOutput(std::string_view text) {
    if (!output_)
        output_ = streamOf(STD_OUTPUT_HANDLE);
    return output_ && writeAll(output_, text);
}

bool Win32Desktop::writeStandardError(std::string_view text) {
    if (!error_)
        error_ = streamOf(STD_ERROR_HANDLE);
    return error_ && writeAll(error_, text);
}

// A service, or a task started while its user is not the one logged on, runs in a window
// station no one sees: a message box there waits for ever.
bool Win32Desktop::interactive() {
    USEROBJECTFLAGS flags{};
    HWINSTA station = GetProcessWindowStation();
    if (!station || !GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr))
        return true; // unknown: as a program started by a player
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

// The shell lists the file in the Start menu and in the jump list of the program that opens
// its type.
void Win32Desktop::addToRecentDocuments(std::string_view path) {
    const std::wstring full = fullPathOf(path);
    if (full.empty())
        return;
    if (const auto add =
            systemFunction<decltype(SHAddToRecentDocs)>(L"shell32.dll", "SHAddToRecentDocs"))
        add(SHARD_PATHW, full.c_str());
}
