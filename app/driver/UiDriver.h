// Drives a running program's window from outside, the way a user would, without screen coordinates:
// finds a top-level window by class and caption, its child controls by class name and order, reads
// and sets their texts, presses buttons, and captures the window's pixels.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

// Waits up to timeoutMs for a visible top-level window of that class and caption (either empty: any)
// belonging to the process (0: any). Returns nullptr when none appeared.
HWND WaitForWindow(const std::wstring& className, const std::wstring& caption, DWORD processId, DWORD timeoutMs);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);

// The direct children of a window in their z-order (for framework forms, their creation/tab order).
std::vector<HWND> Children(HWND parent);

// The direct children whose class name contains `classPart` (case-insensitive), in z-order.
std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& classPart);

// The direct child whose text is `text`, or nullptr.
HWND ChildWithText(HWND parent, const std::wstring& text);

// The tab order of a dialog-style window: its children with WS_TABSTOP, in the order Tab visits them.
std::vector<HWND> TabOrder(HWND parent);

void SetText(HWND control, const std::wstring& text);
// Presses a button as a click would (BN_CLICKED to its parent), without waiting for the handler.
void Press(HWND button);

// Polls `done` every 50 ms up to timeoutMs; true when it became true.
template <class Done>
bool WaitUntil(Done done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

// Captures the window (frame included) from the screen into a 24-bit BMP file.
bool SaveWindowBitmap(HWND window, const std::wstring& path);
// Captures a rectangle of the screen into a 24-bit BMP file.
bool SaveScreenBitmap(const RECT& rect, const std::wstring& path);

// Real mouse input: the cursor moves to the screen point; a left click there.
void MoveMouse(int x, int y);
void ClickMouse(int x, int y);
// A real key press and release.
void PressKey(WORD virtualKey);

} // namespace ui
