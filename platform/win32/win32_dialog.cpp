// One dialog procedure for every page: it turns the dialog messages a page cares about into
// page events and hands them to the page's handler.
#include "platform/win32/win32_dialog.h"

#include "platform/win32/win32_handed_file.h"
#include "platform/win32/win32_page_window.h"
#include "platform/win32/win32_pictures.h"
#include "platform/win32/win32_system_library.h"
#include "platform/win32/win32_text.h"

#include <shellapi.h>

#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Posted on a change of DPI, so that the pictures are drawn anew once the dialog manager has
// laid the dialog out at the new DPI.
constexpr UINT kRedrawPictures = WM_APP + 1;
// Posted when a handed settings file may be loaded.
constexpr UINT kLoadHandedFile = WM_APP + 2;

// Lives on runModalDialog's stack for as long as the dialog exists.
struct DialogSession {
    PageHandler handler;
    Win32PageWindow window{nullptr};
    DialogPictures pictures;
    // A handler's exception must not unwind through the system's frames; it is carried out
    // and rethrown once the modal loop has returned.
    std::exception_ptr failure;
    std::optional<HandedPath> handedFile; // the last one handed over and not loaded yet
    int templateId;                       // the pictures are known by it
};

// The dropped files' paths, in the order the shell gives them; the drop's memory is freed.
// Nothing when the shell's library is missing (the player has been told).
std::optional<std::vector<HandedPath>> droppedFiles(HDROP drop) {
    const auto query = systemFunction<decltype(DragQueryFileW)>(L"shell32.dll", "DragQueryFileW");
    const auto finish =
        query ? systemFunction<decltype(DragFinish)>(L"shell32.dll", "DragFinish") : nullptr;
    if (!query || !finish)
        return std::nullopt;
    std::vector<HandedPath> files;
    constexpr UINT countOfFiles = 0xFFFFFFFF; // the index that asks for the count
    const UINT count = query(drop, countOfFiles, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = query(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        const UINT copied = query(drop, i, path.data(), length + 1);
        path.resize(copied <= length ? copied : 0);
        if (!path.empty())
            files.push_back(handedPathOf(path));
    }
    finish(drop);
    return files;
}

DialogSession* sessionOf(HWND dialog) {
    return reinterpret_cast<DialogSession*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

bool deliver(DialogSession& session, HWND dialog, const PageEvent& event) {
    if (session.failure)
        return false;
    try {
        return session.handler(session.window, event);
    } catch (...) {
        session.failure = std::current_exception();
        EndDialog(dialog, 1);
        return true;
    }
}

INT_PTR CALLBACK pageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* session = reinterpret_cast<DialogSession*>(lParam);
        session->window = Win32PageWindow(dialog);
        SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(session));
        session->pictures.adopt(dialog, session->templateId);
        deliver(*session, dialog, {PageEvent::Kind::init, 0, {}});
        // The keyboard starts on the default button, so Enter goes on to the next page;
        // without one the dialog manager picks the first tab stop.
        const LRESULT defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
        HWND button =
            HIWORD(defaultId) == DC_HASDEFID ? GetDlgItem(dialog, LOWORD(defaultId)) : nullptr;
        if (button && IsWindowEnabled(button)) {
            SetFocus(button);
            return FALSE;
        }
        return TRUE;
    }
    DialogSession* session = sessionOf(dialog);
    if (!session)
        return FALSE;
    switch (message) {
    case WM_COMMAND: {
        // A click, a menu item or a key (no control sends those); of the controls' other
        // notifications only a list's changed selection means anything to a page.
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) == BN_CLICKED || lParam == 0)
            return deliver(*session, dialog, {PageEvent::Kind::command, id, {}});
        if (HIWORD(wParam) == LBN_SELCHANGE)
            return deliver(*session, dialog, {PageEvent::Kind::listChoice, id, {}});
        return FALSE;
    }
    case WM_HELP:
        return deliver(*session, dialog, {PageEvent::Kind::help, 0, {}});
    case WM_TIMER:
        return deliver(*session, dialog, {PageEvent::Kind::timer, static_cast<int>(wParam), {}});
    case WM_MOUSEMOVE: {
        POINT cursor{};
        GetCursorPos(&cursor);
        return deliver(*session, dialog, {PageEvent::Kind::mouseMove, 0, {cursor.x, cursor.y}});
    }
    case WM_DROPFILES: {
        std::optional<std::vector<HandedPath>> files =
            droppedFiles(reinterpret_cast<HDROP>(wParam));
        if (!files)
            return TRUE;
        PageEvent event{PageEvent::Kind::filesDropped, 0, {}};
        event.files = std::move(*files);
        deliver(*session, dialog, event);
        return TRUE; // handled: the dialog answers zero, as a processed drop should
    }
    case WM_COPYDATA: {
        // Loaded once the other start has its answer, so that it does not wait for the
        // messages of the load; and only while no dialog of the page's own is open over it.
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        std::optional<HandedPath> path = data ? handedFileOf(*data) : std::nullopt;
        const bool taken = path.has_value();
        if (taken) {
            session->handedFile = std::move(path);
            bringToFront(dialog);
            if (IsWindowEnabled(dialog))
                PostMessageW(dialog, kLoadHandedFile, 0, 0);
        }
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, taken ? TRUE : FALSE);
        return TRUE;
    }
    case WM_ENABLE:
        if (wParam && session->handedFile)
            PostMessageW(dialog, kLoadHandedFile, 0, 0);
        return FALSE;
    case kLoadHandedFile: {
        if (!session->handedFile || !IsWindowEnabled(dialog))
            return TRUE;
        PageEvent event{PageEvent::Kind::fileHanded, 0, {}};
        event.files = {*std::exchange(session->handedFile, std::nullopt)};
        deliver(*session, dialog, event);
        return TRUE;
    }
    case WM_DPICHANGED:
        PostMessageW(dialog, kRedrawPictures, 0, 0);
        return FALSE;
    case kRedrawPictures:
        session->pictures.rescale(dialog);
        return TRUE;
    case WM_DESTROY:
        session->pictures.release();
        return FALSE;
    case WM_NCDESTROY:
        SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

bool runModalDialog(HINSTANCE instance, int templateId, const PageHandler& handler) {
    DialogSession session{handler, Win32PageWindow(nullptr), {}, nullptr, {}, templateId};
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), nullptr,
                                           pageDialogProc, reinterpret_cast<LPARAM>(&session));
    if (session.failure)
        std::rethrow_exception(session.failure);
    return result != -1;
}
