#include "platform/win32/win32_system_library.h"

#include <string>

namespace {

// From the system folder only; where Windows does not know the flag (Windows 7 without its
// update), by the system folder's full path.
HMODULE loadSystemLibrary(const wchar_t* library) {
    if (HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return nullptr;
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + library;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace

FARPROC systemProcedure(const wchar_t* library, const char* name, WhenMissing whenMissing) {
    // Once loaded, the library stays for the life of the process.
    HMODULE module = GetModuleHandleW(library);
    if (!module)
        module = loadSystemLibrary(library);
    FARPROC procedure = module ? GetProcAddress(module, name) : nullptr;
    if (!procedure && whenMissing == WhenMissing::tellPlayer) {
        const std::wstring text =
            std::wstring(L"Zat Start could not load the Windows library ") + library + L".";
        MessageBoxW(GetActiveWindow(), text.c_str(), L"Error", MB_OK | MB_ICONERROR);
    }
    return procedure;
}
