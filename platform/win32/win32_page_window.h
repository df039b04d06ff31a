#pragma once
// A page window over a dialog's window handle.

#include "platform/port.h"

#include <windows.h>

class Win32PageWindow final : public PageWindow {
  public:
    explicit Win32PageWindow(HWND dialog) : dialog_(dialog) {}

    HWND handle() const { return dialog_; }

    void setItemText(int id, std::string_view text) override;
    std::string itemText(int id, std::size_t limit) override;
    std::size_t itemTextLength(int id) override;
    void limitTyping(int id, std::size_t maxChars) override;
    bool isChecked(int id) override;
    void setChecked(int id, bool checked) override;
    void enableItem(int id, bool enabled) override;
    void showItem(int id, bool shown) override;

    void listAdd(int id, std::string_view text) override;
    void listReset(int id) override;
    void listSelect(int id, int index) override;
    int listSelection(int id) override;
    int listCount(int id) override;
    std::optional<std::string> listEntry(int id, int index) override;

    Rect windowRect() override;
    void moveWindow(const Rect& where) override;
    Point itemScreenOrigin(int id) override;

    void setTimer(int id, unsigned milliseconds) override;
    void killTimer(int id) override;

    int focusedItem() override;
    void focusItem(int id) override;
    void acceptDroppedFiles() override;

    void end() override;

  private:
    HWND dialog_;
};

// The window handle behind a page, or none for a page of another backend.
HWND windowHandleOf(PageWindow* page);
