// Open and save dialogs in the explorer style (its file name box is the one scripts drive).
#include "platform/win32/win32_file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Room for any path the dialog can return, so a long one comes back whole and the callers
// decide whether it fits.
constexpr std::size_t pathRoom = 32768;

// "label\0pattern\0" for each filter, closed by one more terminator.
std::string filterList(const std::vector<FileFilter>& filters) {
    std::string list;
    for (const FileFilter& filter : filters) {
        list.append(filter.label.c_str()).push_back('\0');
        list.append(filter.pattern.c_str()).push_back('\0');
    }
    list.push_back('\0');
    return list;
}

DWORD flagsFor(const FileDialogRequest& request) {
    DWORD flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (request.fileMustExist)
        flags |= OFN_FILEMUSTEXIST;
    if (request.pathMustExist)
        flags |= OFN_PATHMUSTEXIST;
    if (request.askBeforeOverwrite)
        flags |= OFN_OVERWRITEPROMPT;
    return flags;
}

} // namespace

std::optional<std::string> showFileDialog(HWND owner, const FileDialogRequest& request) {
    const std::string filters = filterList(request.filters);
    const std::string title(request.title.c_str());
    const std::string defaultExtension(request.defaultExtension.c_str());
    std::vector<char> path(pathRoom, '\0');
    const std::size_t initial = std::min(request.initialName.size(), pathRoom - 1);
    std::copy_n(request.initialName.data(), initial, path.data());

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(pathRoom);
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    dialog.Flags = flagsFor(request);

    const BOOL chosen = request.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen)
        return std::nullopt;
    path.back() = '\0';
    return std::string(path.data(), strnlen(path.data(), pathRoom));
}
