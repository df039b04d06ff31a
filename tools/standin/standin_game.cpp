// A stand-in for the game executable (built as zat.exe): it records what it was started with
// and shows it briefly, so that tests and the tour can see what the launcher handed the game.
//
// Every start appends one block to zat-standin.log in the directory of this executable. A
// block is a run of "key: value" lines between a start and an end line:
//
//   [zat-standin]
//   command-line: <the whole command line>
//   current-directory: <the current directory at start>
//   exec-path: <the path after "+exec", as given>      (only when there is one)
//   config-path: <that path resolved against the current directory>
//   config-size: <number of bytes>                     (or "config: missing")
//   config-bytes: <the file's bytes in lower-case hex, two digits each, nothing between>
//   config-text: <the same bytes, readable: \r \n \t \\ and \xNN for other bytes>
//   [end]
//
// Without "+exec" the block has "exec-path: none" and no config lines. In the command line
// and the current directory, control characters are written as \xNN; backslashes stay as
// they are. The path after "+exec" runs to the next " +" (or a closing quotation mark when
// it starts with one), so a directory with blanks in it is still found whole.
//
// Afterwards the stand-in shows a small window for about 1.5 seconds and ends, so a launcher
// that waits for the game carries on. With ZAT_STANDIN_QUICK=1 in the environment it ends at
// once without a window; with ZAT_STANDIN_STAY=1 its window stays until it is closed.
// ZAT_STANDIN_EXIT_CODE=<number> is the exit code it ends with (0 without it).

#include <windows.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr UINT_PTR closeTimer = 1;
constexpr UINT showMilliseconds = 1500;

void appendHex(std::string& out, unsigned char c) {
    static const char hex[] = "0123456789abcdef";
    out += hex[c >> 4];
    out += hex[c & 0xf];
}

std::string withVisibleControls(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f)
            appendHex(out += "\\x", c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::string hexBytes(const std::vector<unsigned char>& bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes)
        appendHex(out, c);
    return out;
}

std::string readableBytes(const std::vector<unsigned char>& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (c < 0x20 || c >= 0x7f)
                appendHex(out += "\\x", c);
            else
                out += static_cast<char>(c);
        }
    }
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The path after a "+exec" word, or nothing when the command line has none.
bool findExecPath(std::string_view commandLine, std::string& path) {
    std::size_t at = 0;
    while ((at = commandLine.find("+exec", at)) != std::string_view::npos) {
        const bool wordStart = at == 0 || isBlank(commandLine[at - 1]);
        const std::size_t after = at + 5;
        if (wordStart && after < commandLine.size() && isBlank(commandLine[after])) {
            std::size_t begin = after;
            while (begin < commandLine.size() && isBlank(commandLine[begin])) {
                ++begin;
            }
            std::size_t end;
            if (begin < commandLine.size() && commandLine[begin] == '"') {
                ++begin;
                end = commandLine.find('"', begin);
            } else {
                end = commandLine.find(" +", begin);
            }
            if (end == std::string_view::npos) {
                end = commandLine.size();
            }
            while (end > begin && isBlank(commandLine[end - 1])) {
                --end;
            }
            path.assign(commandLine.substr(begin, end - begin));
            return true;
        }
        at = after;
    }
    return false;
}

bool readWholeFile(const std::string& path, std::vector<unsigned char>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bytes.clear();
    unsigned char chunk[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != 0) && got > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    CloseHandle(file);
    return ok;
}

std::string currentDirectory() {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

// In its short form, which names also a folder outside the code page in characters of it.
std::string ownDirectory() {
    wchar_t wide[MAX_PATH * 4] = {};
    const DWORD wideLength = GetModuleFileNameW(nullptr, wide, MAX_PATH * 4);
    if (wideLength == 0 || wideLength >= MAX_PATH * 4 ||
        GetShortPathNameW(wide, wide, MAX_PATH * 4) == 0)
        return {};
    char buffer[MAX_PATH * 4] = {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide, -1, buffer, sizeof buffer, nullptr, nullptr);
    std::string path(buffer, length > 0 ? static_cast<std::size_t>(length - 1) : 0);
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string resolve(const std::string& path) {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
}

struct Received {
    std::string logBlock;
    std::string summary; // for the window
};

Received describeStart() {
    const std::string commandLine = GetCommandLineA();
    const std::string directory = currentDirectory();
    Received r;
    std::string& log = r.logBlock;
    log += "[zat-standin]\r\n";
    log += "command-line: " + withVisibleControls(commandLine) + "\r\n";
    log += "current-directory: " + withVisibleControls(directory) + "\r\n";
    r.summary = "Zat stand-in started with:\r\n" + commandLine + "\r\n\r\nin " + directory;

    std::string execPath;
    if (!findExecPath(commandLine, execPath)) {
        log += "exec-path: none\r\n";
        r.summary += "\r\n\r\nno +exec";
    } else {
        const std::string full = resolve(execPath);
        log += "exec-path: " + withVisibleControls(execPath) + "\r\n";
        log += "config-path: " + withVisibleControls(full) + "\r\n";
        std::vector<unsigned char> bytes;
        if (readWholeFile(full, bytes)) {
            log += "config-size: " + std::to_string(bytes.size()) + "\r\n";
            log += "config-bytes: " + hexBytes(bytes) + "\r\n";
            log += "config-text: " + readableBytes(bytes) + "\r\n";
            r.summary += "\r\n\r\nconfig " + full + ": " + std::to_string(bytes.size()) +
                         " bytes\r\n" + std::string(bytes.begin(), bytes.end());
        } else {
            log += "config: missing\r\n";
            r.summary += "\r\n\r\nconfig " + full + ": missing";
        }
    }
    log += "[end]\r\n";
    return r;
}

void appendToLog(const std::string& block) {
    const std::string path = ownDirectory() + "zat-standin.log";
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    // One write per block, so a reader never sees half of one.
    DWORD written = 0;
    WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
    CloseHandle(file);
}

std::string shownText;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        InflateRect(&area, -8, -8);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, shownText.c_str(), static_cast<int>(shownText.size()), &area,
                  DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_TIMER:
        if (wParam == closeTimer) {
            KillTimer(window, closeTimer);
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool requested(const char* name) {
    char value[8] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length == 1 && value[0] == '1';
}

int exitCode() {
    char value[16] = {};
    const DWORD length = GetEnvironmentVariableA("ZAT_STANDIN_EXIT_CODE", value, sizeof value);
    return length > 0 && length < sizeof value ? std::atoi(value) : 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const Received received = describeStart();
    appendToLog(received.logBlock);
    if (requested("ZAT_STANDIN_QUICK")) {
        return exitCode();
    }

    shownText = received.summary;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "ZatStandInGame";
    if (!RegisterClassA(&windowClass)) {
        return 0;
    }
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Zat (stand-in)",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 560, 300, nullptr, nullptr, instance, nullptr);
    if (!window) {
        return 0;
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    if (!requested("ZAT_STANDIN_STAY"))
        SetTimer(window, closeTimer, showMilliseconds, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return exitCode();
}
