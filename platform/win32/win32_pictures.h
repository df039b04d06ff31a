#pragma once
// The pictures of a dialog (its SS_BITMAP statics) drawn at the DPI of the dialog's monitor.
//
// The dialog manager lays a template out in dialog units, so the dialog grows with the DPI,
// but a bitmap keeps its pixel size. Each picture is therefore replaced by a smoothly scaled
// copy that grows as much as the dialog's own dialog units did, and scaled anew when the dialog
// moves to a monitor of another DPI.
//
// The bitmap the control loaded from the template comes back to the program when its scaled
// copy is set, and the copy comes back when the dialog is destroyed: both are deleted here, so
// nothing is left behind when a page closes (Windows leaves images set by the program to the
// program, and Wine's control does not free the one it loaded itself).

#include <windows.h>

#include <vector>

class DialogPictures {
  public:
    DialogPictures() = default;
    DialogPictures(const DialogPictures&) = delete;
    DialogPictures& operator=(const DialogPictures&) = delete;
    ~DialogPictures();

    // At WM_INITDIALOG: takes over every picture of the dialog and draws it at its DPI.
    void adopt(HWND dialog);
    // At WM_DPICHANGED, once the dialog has been laid out anew.
    void rescale(HWND dialog);
    // At WM_DESTROY, while the controls still exist: takes the pictures back and deletes them.
    void release();

  private:
    struct Picture {
        HWND control;
        HBITMAP original; // loaded from the template, drawn at 96 DPI
        HBITMAP shown;    // the scaled copy the control shows
    };
    void show(Picture& picture, double scaleX, double scaleY);

    std::vector<Picture> pictures_;
    LOGFONTW font_{}; // the dialog's font, for its dialog units at another DPI
    int points_ = 0;
};
