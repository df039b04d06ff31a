// Open and save dialogs in the explorer style (its file name box is the one scripts drive).
#include "platform/win32/win32_file_dialog.h"

#include "platform/win32/win32_system_library.h"
#include "platform/win32/win32_text.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

// Room for any path the dialog can return, so a long one comes back whole and the callers
// decide whether it fits.
constexpr std::size_t pathRoom = 32768;

// "label\0pattern\0" for each filter, closed by one more terminator.
std::wstring filterList(const std::vector<FileFilter>& filters) {
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list.append(wideOf(filter.label.c_str())).push_back(L'\0');
        list.append(wideOf(filter.pattern.c_str())).push_back(L'\0');
    }
    list.push_back(L'\0');
    return list;
}

DWORD flagsFor(const FileDialogRequest& request) {
    // The current directory stays the program's: a dialog would move it to the chosen folder.
    DWORD flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (request.fileMustExist)
        flags |= OFN_FILEMUSTEXIST;
    if (request.pathMustExist)
        flags |= OFN_PATHMUSTEXIST;
    if (request.askBeforeOverwrite)
        flags |= OFN_OVERWRITEPROMPT;
    return flags;
}

} // namespace

std::optional<HandedPath> showFileDialog(HWND owner, const FileDialogRequest& request) {
    const std::wstring filters = filterList(request.filters);
    const std::wstring title = wideOf(request.title.c_str());
    const std::wstring defaultExtension = wideOf(request.defaultExtension.c_str());
    const std::wstring initialName = wideOf(request.initialName.c_str());
    std::vector<wchar_t> path(pathRoom, L'\0');
    const std::size_t initial = std::min(initialName.size(), pathRoom - 1);
    std::copy_n(initialName.data(), initial, path.data());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(pathRoom);
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    dialog.Flags = flagsFor(request);

    const auto show =
        request.save
            ? systemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW")
            : systemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (!show || !show(&dialog))
        return std::nullopt;
    path.back() = L'\0';
    return handedPathOf(std::wstring_view(path.data(), wcsnlen(path.data(), pathRoom)));
}
