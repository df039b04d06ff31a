// The desktop's windows: modal pages, message boxes, file dialogs, menus and help.
#include "platform/win32/win32_desktop.h"

#include "platform/win32/win32_dialog.h"
#include "platform/win32/win32_file_dialog.h"
#include "platform/win32/win32_page_window.h"

bool Win32Desktop::runDialog(int templateId, const PageHandler& handler) {
    return runModalDialog(instance_, templateId, handler);
}

MessageAnswer Win32Desktop::messageBox(PageWindow* owner, std::string_view text,
                                       std::string_view caption, MessageIcon icon,
                                       MessageButtons buttons) {
    UINT style = buttons == MessageButtons::yesNo ? MB_YESNO : MB_OK;
    if (icon == MessageIcon::error)
        style |= MB_ICONERROR;
    else if (icon == MessageIcon::question)
        style |= MB_ICONQUESTION;
    const std::string body(text);
    const std::string title(caption);
    switch (MessageBoxA(windowHandleOf(owner), body.c_str(), title.c_str(), style)) {
    case IDYES:
        return MessageAnswer::yes;
    case IDNO:
        return MessageAnswer::no;
    default:
        // A question box that could not be shown counts as declined.
        return buttons == MessageButtons::yesNo ? MessageAnswer::no : MessageAnswer::ok;
    }
}

std::optional<std::string> Win32Desktop::fileDialog(PageWindow& owner,
                                                    const FileDialogRequest& request) {
    return showFileDialog(windowHandleOf(&owner), request);
}

void Win32Desktop::popupMenu(PageWindow& owner, const std::vector<MenuItem>& items, Point topLeft) {
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    for (const MenuItem& item : items) {
        if (item.id == 0)
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.id), item.label.c_str());
    }
    // The chosen item reaches the owner's dialog procedure as a command of its own.
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, topLeft.x, topLeft.y, 0,
                   windowHandleOf(&owner), nullptr);
    DestroyMenu(menu);
}

bool Win32Desktop::dialogWindowExists(std::string_view title) {
    const std::string name(title);
    return FindWindowA("#32770", name.c_str()) != nullptr;
}
