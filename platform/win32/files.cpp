// Windows backend of the file port.
#include "platform/files.h"
#include "platform/temporary_name.h"
#include "platform/win32/win32_text.h"

#include <windows.h>

#include <algorithm>

std::optional<std::string> readFileBytes(std::string_view path, std::size_t maxBytes) {
    const std::wstring name = wideOf(path);
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    // A path may name a device or a pipe ("CON", "\\.\pipe\..."), whose reads can wait
    // for ever: only files on a disk are read.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return std::nullopt;
    }
    // Sized by the file, not by the limit: a limit far above the file's size costs nothing.
    std::string bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0)
        bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart), maxBytes));
    char chunk[1 << 16];
    while (bytes.size() < maxBytes) {
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof chunk, maxBytes - bytes.size()));
        DWORD got = 0;
        if (!ReadFile(file, chunk, wanted, &got, nullptr) || got == 0)
            break;
        bytes.append(chunk, got);
    }
    CloseHandle(file);
    return bytes;
}

namespace {

// A target that exists but cannot be written (read-only, a folder, locked) is refused before
// anything is written, and stays as it is.
bool targetRefusesWriting(const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false; // not there yet
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return true;
    HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(file);
    return false;
}

// Creates a temporary file under a name no existing file has; never opens one that exists.
HANDLE createTemporaryBeside(const std::string& target, std::wstring& temporary) {
    const unsigned seed = static_cast<unsigned>(GetCurrentProcessId() ^ GetTickCount());
    for (unsigned attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = wideOf(temporaryNameFor(target, seed, attempt));
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

} // namespace

ReplaceResult replaceFile(std::string_view path, std::string_view bytes) {
    const std::wstring target = wideOf(path);
    if (targetRefusesWriting(target))
        return ReplaceResult::cannotCreate;
    std::wstring temporary;
    HANDLE file = createTemporaryBeside(std::string(path), temporary);
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
    if (ok && MoveFileExW(temporary.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ReplaceResult::replaced;
    DeleteFileW(temporary.c_str());
    return ReplaceResult::cannotWrite;
}

bool fileExists(std::string_view path) {
    const std::wstring name = wideOf(path);
    DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFullPath(std::string_view path) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    const bool drive = path.size() >= 3 && isLetter(path[0]) && path[1] == ':' && path[2] == '\\';
    const bool share = path.size() >= 3 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
    return drive || share;
}
