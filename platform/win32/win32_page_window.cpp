// Dialog item calls behind the page window. Every read goes through a buffer sized from the
// control's own length query, so no text can overrun it.
#include "platform/win32/win32_page_window.h"

#include "platform/win32/win32_text.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <vector>

namespace {

// A page width or height from two screen coordinates, kept in int range whatever they hold.
int span(int from, int to) {
    const long long length = static_cast<long long>(to) - from;
    return static_cast<int>(std::clamp<long long>(length, INT_MIN, INT_MAX));
}

LRESULT sendToItem(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageW(dialog, id, message, wParam, lParam);
}

} // namespace

HWND windowHandleOf(PageWindow* page) {
    auto* win32 = dynamic_cast<Win32PageWindow*>(page);
    return win32 ? win32->handle() : nullptr;
}

void Win32PageWindow::setItemText(int id, std::string_view text) {
    SetDlgItemTextW(dialog_, id, wideOf(text).c_str());
}

namespace {

// The item's whole text in the code page; a character the player typed that the code page
// lacks reads as "?".
std::string textOf(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return {};
    const int length = std::max(GetWindowTextLengthW(item), 0);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(item, buffer.data(), length + 1);
    return shownTextOf(std::wstring_view(buffer.data(), std::clamp(copied, 0, length)));
}

} // namespace

std::string Win32PageWindow::itemText(int id, std::size_t limit) {
    if (limit == 0)
        return {};
    std::string text = textOf(dialog_, id);
    // Cut at limit - 1 bytes, never inside a character of two bytes.
    std::size_t kept = 0;
    while (kept < text.size()) {
        const std::size_t size =
            IsDBCSLeadByte(static_cast<BYTE>(text[kept])) && kept + 1 < text.size() ? 2 : 1;
        if (kept + size > limit - 1)
            break;
        kept += size;
    }
    text.resize(kept);
    return text;
}

std::size_t Win32PageWindow::itemTextLength(int id) {
    return textOf(dialog_, id).size();
}

void Win32PageWindow::limitTyping(int id, std::size_t maxChars) {
    // A limit of 0 would lift the limit altogether.
    const auto limit = static_cast<WPARAM>(std::clamp<std::size_t>(maxChars, 1, INT_MAX));
    sendToItem(dialog_, id, EM_LIMITTEXT, limit, 0);
}

bool Win32PageWindow::isChecked(int id) {
    return IsDlgButtonChecked(dialog_, id) == BST_CHECKED;
}

// Checked by message, an automatic radio button clears the rest of its group itself, and Wine
// finds the group by going round all the dialog's controls once for each member: about a
// millisecond a button, most of a page's opening. The pages set every button of a group
// themselves, so the button is checked as a plain radio button, then made automatic again for
// the player's clicks.
void Win32PageWindow::setChecked(int id, bool checked) {
    HWND item = GetDlgItem(dialog_, id);
    if (!item)
        return;
    const auto buttonStyle = static_cast<WPARAM>(GetWindowLongW(item, GWL_STYLE) & 0xFFFF);
    const bool automaticRadio = checked && (buttonStyle & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (automaticRadio)
        SendMessageW(item, BM_SETSTYLE, (buttonStyle & ~BS_TYPEMASK) | BS_RADIOBUTTON, FALSE);
    SendMessageW(item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (automaticRadio)
        SendMessageW(item, BM_SETSTYLE, buttonStyle, FALSE);
}

void Win32PageWindow::enableItem(int id, bool enabled) {
    if (HWND item = GetDlgItem(dialog_, id))
        EnableWindow(item, enabled ? TRUE : FALSE);
}

void Win32PageWindow::showItem(int id, bool shown) {
    if (HWND item = GetDlgItem(dialog_, id))
        ShowWindow(item, shown ? SW_SHOW : SW_HIDE);
}

void Win32PageWindow::listAdd(int id, std::string_view text) {
    const std::wstring terminated = wideOf(text);
    sendToItem(dialog_, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void Win32PageWindow::listReset(int id) {
    sendToItem(dialog_, id, LB_RESETCONTENT, 0, 0);
}

void Win32PageWindow::listSelect(int id, int index) {
    // -1 clears the selection; an index past the end must do the same, not keep the old one.
    const bool present = index >= 0 && index < listCount(id);
    sendToItem(dialog_, id, LB_SETCURSEL, present ? static_cast<WPARAM>(index) : WPARAM(-1), 0);
}

int Win32PageWindow::listSelection(int id) {
    // A missing control would answer 0, which reads as the first entry.
    if (!GetDlgItem(dialog_, id))
        return -1;
    const LRESULT selected = sendToItem(dialog_, id, LB_GETCURSEL, 0, 0);
    return selected < 0 || selected > INT_MAX ? -1 : static_cast<int>(selected);
}

int Win32PageWindow::listCount(int id) {
    const LRESULT count = sendToItem(dialog_, id, LB_GETCOUNT, 0, 0);
    return count < 0 || count > INT_MAX ? 0 : static_cast<int>(count);
}

std::optional<std::string> Win32PageWindow::listEntry(int id, int index) {
    if (index < 0 || index >= listCount(id))
        return std::nullopt;
    const auto entry = static_cast<WPARAM>(index);
    const LRESULT length = sendToItem(dialog_, id, LB_GETTEXTLEN, entry, 0);
    if (length < 0 || length >= INT_MAX)
        return std::nullopt;
    // A list without strings hands back its item data instead, which may be wider.
    const std::size_t room = std::max(static_cast<std::size_t>(length), sizeof(LPARAM)) + 1;
    std::vector<wchar_t> buffer(room, L'\0');
    const LRESULT copied =
        sendToItem(dialog_, id, LB_GETTEXT, entry, reinterpret_cast<LPARAM>(buffer.data()));
    if (copied < 0)
        return std::nullopt;
    buffer.back() = L'\0';
    return shownTextOf(std::wstring_view(buffer.data(), wcsnlen(buffer.data(), buffer.size())));
}

Rect Win32PageWindow::windowRect() {
    RECT r{};
    GetWindowRect(dialog_, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void Win32PageWindow::moveWindow(const Rect& where) {
    MoveWindow(dialog_, where.left, where.top, span(where.left, where.right),
               span(where.top, where.bottom), TRUE);
}

Point Win32PageWindow::itemScreenOrigin(int id) {
    POINT origin{0, 0};
    if (HWND item = GetDlgItem(dialog_, id))
        ClientToScreen(item, &origin);
    return {origin.x, origin.y};
}

void Win32PageWindow::setTimer(int id, unsigned milliseconds) {
    SetTimer(dialog_, static_cast<UINT_PTR>(id), milliseconds, nullptr);
}

void Win32PageWindow::killTimer(int id) {
    KillTimer(dialog_, static_cast<UINT_PTR>(id));
}

int Win32PageWindow::focusedItem() {
    HWND focus = GetFocus();
    return focus && IsChild(dialog_, focus) ? GetDlgCtrlID(focus) : 0;
}

// Through the dialog manager, so that the default button follows the focus as with Tab.
void Win32PageWindow::focusItem(int id) {
    if (HWND item = GetDlgItem(dialog_, id))
        SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
}

// The style alone, as DragAcceptFiles sets it, so that the shell's library is loaded only
// when a drop arrives.
void Win32PageWindow::acceptDroppedFiles() {
    const LONG_PTR style = GetWindowLongPtrW(dialog_, GWL_EXSTYLE);
    SetWindowLongPtrW(dialog_, GWL_EXSTYLE, style | WS_EX_ACCEPTFILES);
}

void Win32PageWindow::end() {
    EndDialog(dialog_, 1);
}
