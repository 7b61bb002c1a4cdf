// The colour of one screen pixel, read through a 32-bit DIB (exact under Wine, where GetPixel on the
// screen may round through the display's format).
#pragma once

#include <windows.h>

#include <cstdint>

inline COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, 1, 1, screen, x, y, SRCCOPY);
    GdiFlush();
    const std::uint32_t p = *static_cast<std::uint32_t*>(bits);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}
