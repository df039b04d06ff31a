// Native backend of the file port, used by the unit tests: backslashes in the program's
// Windows paths are taken as separators.
#include "platform/files.h"
#include "platform/posix/file_faults.h"
#include "platform/temporary_name.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<FileStep> failingStep;

bool fails(FileStep step) {
    return failingStep == step;
}

std::string nativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A target that exists but cannot be written is refused before anything is written. Read-only
// means no write permission bit, as Windows' read-only attribute does, even for root.
bool targetRefusesWriting(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return false; // not there yet
    if (S_ISDIR(info.st_mode) || !(info.st_mode & S_IWUSR))
        return true;
    const int fd = ::open(target.c_str(), O_WRONLY);
    if (fd < 0)
        return true;
    ::close(fd);
    return false;
}

} // namespace

void failFileStep(std::optional<FileStep> step) {
    failingStep = step;
}

std::optional<std::string> readFileBytes(std::string_view path, std::size_t maxBytes) {
    if (fails(FileStep::read))
        return std::nullopt;
    // Only a file is read, as on Windows: not a folder, nor a device or pipe that may wait.
    const std::string native = nativePath(path);
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::FILE* file = std::fopen(native.c_str(), "rb");
    if (!file)
        return std::nullopt;
    // Sized by the file, not by the limit: a limit far above the file's size costs nothing.
    std::string bytes;
    if (info.st_size > 0)
        bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes));
    char chunk[1 << 16];
    while (bytes.size() < maxBytes) {
        const std::size_t got =
            std::fread(chunk, 1, std::min(sizeof chunk, maxBytes - bytes.size()), file);
        if (got == 0)
            break;
        bytes.append(chunk, got);
    }
    std::fclose(file);
    return bytes;
}

ReplaceResult replaceFile(std::string_view path, std::string_view bytes) {
    const std::string target = nativePath(path);
    if (targetRefusesWriting(target))
        return ReplaceResult::cannotCreate;
    std::string temporary;
    int fd = -1;
    const unsigned seed =
        static_cast<unsigned>(::getpid()) ^ static_cast<unsigned>(::time(nullptr));
    for (unsigned attempt = 0; fd < 0 && attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = temporaryNameFor(target, seed, attempt);
        fd = fails(FileStep::create) ? -1
                                     : ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return ReplaceResult::cannotCreate;
    const bool diskFull = fails(FileStep::write);
    bool ok = writeAll(fd, diskFull ? bytes.substr(0, bytes.size() / 2) : bytes) && !diskFull &&
              ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && !fails(FileStep::replace) && std::rename(temporary.c_str(), target.c_str()) == 0)
        return ReplaceResult::replaced;
    ::unlink(temporary.c_str());
    return ReplaceResult::cannotWrite;
}

bool fileExists(std::string_view path) {
    struct stat info {};
    return ::stat(nativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isFullPath(std::string_view path) {
    return !path.empty() && (path[0] == '/' || path[0] == '\\');
}
