// The desktop's windows: modal pages, message boxes, file dialogs, menus and help.
#include "platform/win32/win32_desktop.h"

#include "platform/win32/win32_dialog.h"
#include "platform/win32/win32_file_dialog.h"
#include "platform/win32/win32_page_window.h"
#include "platform/win32/win32_text.h"

bool Win32Desktop::runDialog(int templateId, const PageHandler& handler) {
    return runModalDialog(instance_, templateId, handler);
}

namespace {

MessageAnswer showMessageBox(HWND owner, const std::wstring& text, std::string_view caption,
                             MessageIcon icon, MessageButtons buttons) {
    UINT style = buttons == MessageButtons::yesNo ? MB_YESNO : MB_OK;
    if (icon == MessageIcon::error)
        style |= MB_ICONERROR;
    else if (icon == MessageIcon::question)
        style |= MB_ICONQUESTION;
    switch (MessageBoxW(owner, text.c_str(), wideOf(caption).c_str(), style)) {
    case IDYES:
        return MessageAnswer::yes;
    case IDNO:
        return MessageAnswer::no;
    default:
        // A question box that could not be shown counts as declined.
        return buttons == MessageButtons::yesNo ? MessageAnswer::no : MessageAnswer::ok;
    }
}

} // namespace

MessageAnswer Win32Desktop::messageBox(PageWindow* owner, std::string_view text,
                                       std::string_view caption, MessageIcon icon,
                                       MessageButtons buttons) {
    return showMessageBox(windowHandleOf(owner), wideOf(text), caption, icon, buttons);
}

MessageAnswer Win32Desktop::messageBox(PageWindow* owner, std::u16string_view text,
                                       std::string_view caption, MessageIcon icon,
                                       MessageButtons buttons) {
    return showMessageBox(windowHandleOf(owner), std::wstring(text.begin(), text.end()), caption,
                          icon, buttons);
}

std::optional<HandedPath> Win32Desktop::fileDialog(PageWindow& owner,
                                                   const FileDialogRequest& request) {
    return showFileDialog(windowHandleOf(&owner), request);
}

void Win32Desktop::popupMenu(PageWindow& owner, const std::vector<MenuItem>& items, Point topLeft) {
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    for (const MenuItem& item : items) {
        if (item.id == 0)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id),
                        wideOf(item.label).c_str());
    }
    // The chosen item reaches the owner's dialog procedure as a command of its own.
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, topLeft.x, topLeft.y, 0,
                   windowHandleOf(&owner), nullptr);
    DestroyMenu(menu);
}

bool Win32Desktop::dialogWindowExists(std::string_view title) {
    return FindWindowW(L"#32770", wideOf(title).c_str()) != nullptr;
}
