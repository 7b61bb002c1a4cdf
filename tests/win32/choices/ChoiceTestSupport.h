// Helpers of the check, tab and bar painter tests: the stored skin, message pumping, pixels read back from
// the screen, real mouse and keyboard input, and the process's GDI object count.
#pragma once

#include "../GdiObjects.h"

#include <windows.h>

#include "runtime/Forms.h"
#include "skin/data/WinSkinData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The stored skin, built into a skin data component that is not active (no window is skinned by itself).
TSkinData& StoredSkin();
// A skin data component whose skin has no check-box or radio bitmaps (the rest as stored).
TSkinData& SkinWithoutChoiceBitmaps();

void Pump(int ms = 150);

// Pixels of a window's area on the screen, as 0xRRGGBB.
struct ScreenPixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};
// The window's rectangle (window coordinates: 0, 0 is its top-left corner) read from the screen.
ScreenPixels ReadWindowPixels(HWND window);

// A bitmap drawn by `paint` on a w x h 32-bit surface, read back like the screen.
template <class Paint> ScreenPixels Render(int w, int h, Paint paint);
ScreenPixels RenderWith(int w, int h, void (*paint)(HDC, void*), void* context);
template <class Paint> ScreenPixels Render(int w, int h, Paint paint) {
    return RenderWith(w, h, [](HDC dc, void* p) { (*static_cast<Paint*>(p))(dc); }, &paint);
}

// Real input: the cursor moved to a point of a window, a left click there, keys pressed and released.
void MoveMouse(HWND window, int x, int y);
// The cursor to the screen's bottom-right corner, away from every test window (one that appears under the
// cursor takes a mouse move and shows its hot look).
void ParkMouse();
void Click(HWND window, int x, int y);
void PressKeys(std::initializer_list<WORD> keys);

