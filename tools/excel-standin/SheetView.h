// The stand-in's window: the active sheet as a grid with its cell texts and pictures, shown while
// the application is visible.
#pragma once

#include <windows.h>

namespace grv::standin {

class SheetView {
public:
    SheetView();
    ~SheetView();
    void show(bool visible);
    void refresh();  // repaints when shown
    HWND window() const { return window_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc, const RECT& client);
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace grv::standin
