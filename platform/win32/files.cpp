// Windows backend of the file port.
#include "platform/files.h"

#include <windows.h>

std::optional<std::string> readFileBytes(std::string_view path, std::size_t maxBytes) {
    const std::string name(path);
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes(maxBytes, '\0');
    std::size_t total = 0;
    while (total < maxBytes) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(maxBytes - total, 1u << 20));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + total, chunk, &got, nullptr) || got == 0)
            break;
        total += got;
    }
    CloseHandle(file);
    bytes.resize(total);
    return bytes;
}

ReplaceResult replaceFile(std::string_view path, std::string_view bytes) {
    const std::string target(path);
    const std::string temporary = target + ".tmp";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ReplaceResult::cannotCreate;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (ok && MoveFileExA(temporary.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ReplaceResult::replaced;
    DeleteFileA(temporary.c_str());
    return ReplaceResult::cannotWrite;
}

bool fileExists(std::string_view path) {
    const std::string name(path);
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
