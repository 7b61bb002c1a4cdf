// The Windows side of the image utilities: system colours in Blend, GradientFill's bands and clip rule,
// the text helpers.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>

#include "runtime/Controls.h"
#include "skin/data/ImgUtil.h"
#include "skin/window/ElementPaint.h"

namespace {

COLORREF ReadPixel(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    Canvas(int w, int h) {
        bitmap = CreateDib32(w, h);
        dc = CreateCompatibleDC(nullptr);
        old = SelectObject(dc, bitmap);
        RECT all{0, 0, w, h};
        HBRUSH grey = CreateSolidBrush(RGB(77, 77, 77));
        FillRect(dc, &all, grey);
        DeleteObject(grey);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

std::uint32_t Grey(int v) { return RGB(v, v, v); }

} // namespace

TEST(ImgUtil, BlendResolvesSystemColours) {
    EXPECT_EQ(Blend(0xFFFFFF, 0, 150), Grey(38));
    EXPECT_EQ(Blend(0xFFFFFF, 0, 50), Grey(128));
    const std::uint32_t face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Blend(0xFF00000F, 0xFFFFFF, 1000), face);
    EXPECT_EQ(Blend(0xFF00000F, 0xFF00000F, 37), face);
}

TEST(ImgUtil, VerticalGradientFillPaintsOneBandPerRow) {
    Canvas c(10, 40);
    ReleaseGradientCache();
    GradientFill(c.dc, {0, 0, 10, 40}, 0, true, 0xFFFFFF);
    EXPECT_EQ(ReadPixel(c.dc, 5, 0), Grey(0));
    EXPECT_EQ(ReadPixel(c.dc, 5, 39), Grey(255));
    EXPECT_EQ(ReadPixel(c.dc, 0, 20), Grey(131));
    EXPECT_EQ(ReadPixel(c.dc, 9, 20), Grey(131));
    // The same size and colours again: no new table.
    const int misses = SharedGradientCache().Misses();
    GradientFill(c.dc, {0, 0, 10, 40}, 0, true, 0xFFFFFF);
    EXPECT_EQ(SharedGradientCache().Misses(), misses);
}

TEST(ImgUtil, ClippedGradientKeepsTheWholeGradientsColours) {
    Canvas c(40, 10);
    HRGN clip = CreateRectRgn(20, 0, 40, 10); // the left half is clipped away
    SelectClipRgn(c.dc, clip);
    DeleteObject(clip);
    GradientFill(c.dc, {0, 0, 40, 10}, 0, false, 0xFFFFFF);
    SelectClipRgn(c.dc, nullptr);
    EXPECT_EQ(ReadPixel(c.dc, 19, 5), RGB(77, 77, 77)); // untouched
    EXPECT_EQ(ReadPixel(c.dc, 20, 5), Grey(131));        // step 20 of 40, as unclipped
    EXPECT_EQ(ReadPixel(c.dc, 39, 5), Grey(255));
}

TEST(ImgUtil, GradientOfNothingVisibleOrEmptyDrawsNothing) {
    Canvas c(10, 10);
    GradientFill(c.dc, {0, 0, 10, 0}, 0, true, 0xFFFFFF);
    GradientFill(c.dc, {20, 20, 30, 30}, 0, true, 0xFFFFFF);
    EXPECT_EQ(ReadPixel(c.dc, 5, 5), RGB(77, 77, 77));
}

TEST(ImgUtil, TextHelpers) {
    EXPECT_EQ(AnsiToWide("\xB5\xBC\xC8\xEB"), std::wstring(L"\u5BFC\u5165")); // "导入" in code page 936
    EXPECT_EQ(AnsiToWide(""), std::wstring());
    Canvas c(200, 30);
    RECT r{0, 0, 200, 30};
    const int height = DrawTextWide(c.dc, L"\u5BFC\u5165", r, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GT(height, 0);
    EXPECT_GT(r.right, 0);
}

TEST(ImgUtil, ControlFromWindowReadsTheFrameworkProperty) {
    EXPECT_EQ(ControlFromWindow(nullptr), nullptr);
    HWND wnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(ControlFromWindow(wnd), nullptr);
    int marker = 0;
    SetPropW(wnd, MAKEINTATOM(ControlAtom()), reinterpret_cast<HANDLE>(&marker));
    EXPECT_EQ(static_cast<void*>(ControlFromWindow(wnd)), static_cast<void*>(&marker));
    RemovePropW(wnd, MAKEINTATOM(ControlAtom()));
    DestroyWindow(wnd);
}
