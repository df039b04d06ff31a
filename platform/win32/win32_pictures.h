#pragma once
// The pictures of a dialog (its SS_BITMAP statics) drawn at the DPI of the dialog's monitor.
//
// The dialog manager lays a template out in dialog units, so the dialog grows with the DPI,
// but a bitmap keeps its pixel size. Each picture is therefore shown as a smoothly scaled copy
// that grows as much as the dialog's own dialog units did, and scaled anew when the dialog
// moves to a monitor of another DPI.
//
// A picture is scaled once per size for the life of the process: the copies belong to a cache
// that every dialog showing the picture shares, so a dialog never deletes them. The bitmap the
// control loaded from the template is the dialog's: it comes back when a copy is set or when
// the dialog takes its picture back on closing, and is deleted then (Windows leaves images set
// by the program to the program, and Wine's control does not free the one it loaded itself).

#include <windows.h>

#include <vector>

class DialogPictures {
  public:
    DialogPictures() = default;
    DialogPictures(const DialogPictures&) = delete;
    DialogPictures& operator=(const DialogPictures&) = delete;
    ~DialogPictures();

    // At WM_INITDIALOG: takes over every picture of the dialog made from the template and
    // draws it at its DPI.
    void adopt(HWND dialog, int templateId);
    // At WM_DPICHANGED, once the dialog has been laid out anew.
    void rescale(HWND dialog);
    // At WM_DESTROY, while the controls still exist: takes the pictures back.
    void release();

  private:
    struct Picture {
        HWND control;
        int place;        // the picture's place among the template's pictures
        HBITMAP original; // loaded from the template, drawn at 96 DPI
        SIZE size;        // the original's
    };
    void show(const Picture& picture, double scaleX, double scaleY);

    std::vector<Picture> pictures_;
    int templateId_ = 0;
    LOGFONTW font_{}; // the dialog's font, for its dialog units at another DPI
    int points_ = 0;
};
