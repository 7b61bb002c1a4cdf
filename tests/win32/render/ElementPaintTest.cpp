// Element rendering read back pixel by pixel from 32-bit DIB sections.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "../GdiObjects.h"
#include "skin/window/ElementPaint.h"

namespace {

constexpr COLORREF Magenta = RGB(255, 0, 255);

// A 32-bit top-down bitmap selected into its own DC, with direct pixel access (colours as COLORREF).
class Surface {
public:
    Surface(int w, int h, COLORREF fill = RGB(0, 0, 0)) : w_(w), h_(h) {
        bitmap_ = CreateDib32(w, h, reinterpret_cast<void**>(&bits_));
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
        Fill(fill);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    void Fill(COLORREF c) {
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) Set(x, y, c);
    }
    void Set(int x, int y, COLORREF c) {
        bits_[y * w_ + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = bits_[y * w_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    HDC Dc() const { return dc_; }
    ElementImage Image() const { return {dc_, w_, h_}; }
    int Width() const { return w_; }
    int Height() const { return h_; }

private:
    int w_, h_;
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
    std::uint32_t* bits_ = nullptr;
};

// Every pixel's colour encodes where it came from: red = x, green = y, blue = 100 + frame index.
Surface CoordinateStrip(int frameWidth, int height, int frames) {
    Surface s(frameWidth * frames, height);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < frameWidth; ++x) s.Set(f * frameWidth + x, y, RGB(x, y, 100 + f));
    return s;
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
    SelectedBitmap selected(bitmap);
    return GetPixel(selected.Dc(), x, y);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

} // namespace

TEST(ElementPaint, BuildElementBitmapKeepsTheMarginsUnscaled) {
    Surface strip = CoordinateStrip(20, 10, 3);
    HBITMAP built = BuildElementBitmap({0, 0, 60, 30}, strip.Image(), {4, 3, 5, 2}, false, false, 3, 2);
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(BitmapSize(built).cx, 60);
    EXPECT_EQ(BitmapSize(built).cy, 30);
    SelectedBitmap b(built);
    HDC dc = b.Dc();
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 101));    // top-left corner from frame 2
    EXPECT_EQ(GetPixel(dc, 3, 2), RGB(3, 2, 101));
    EXPECT_EQ(GetPixel(dc, 59, 0), RGB(19, 0, 101));  // top-right corner
    EXPECT_EQ(GetPixel(dc, 55, 29), RGB(15, 9, 101)); // bottom-right corner
    EXPECT_EQ(GetPixel(dc, 0, 28), RGB(0, 8, 101));   // bottom-left corner
    // The centre is stretched from the frame's middle (x 4..14, y 3..7).
    const COLORREF centre = GetPixel(dc, 30, 15);
    EXPECT_GE(GetRValue(centre), 4);
    EXPECT_LE(GetRValue(centre), 14);
    EXPECT_GE(GetGValue(centre), 3);
    EXPECT_LE(GetGValue(centre), 7);
    DeleteObject(built);
}

TEST(ElementPaint, NarrowTargetStretchesTheWholeFrameWidth) {
    Surface strip = CoordinateStrip(20, 10, 1);
    HBITMAP built = BuildElementBitmap({0, 0, 8, 10}, strip.Image(), {5, 0, 5, 0}, false, false, 1, 1);
    ASSERT_NE(built, nullptr);
    // Kept margins would copy x 0..4 unscaled; dropped, the middle of the target shows the frame's middle.
    EXPECT_GE(GetRValue(BitmapPixel(built, 4, 0)), 8);
    EXPECT_LE(GetRValue(BitmapPixel(built, 4, 0)), 13);
    EXPECT_GE(GetRValue(BitmapPixel(built, 7, 0)), 15);
    DeleteObject(built);
}

TEST(ElementPaint, InvertedOrEmptyTargetDrawsNothing) {
    Surface strip = CoordinateStrip(20, 10, 1);
    EXPECT_EQ(BuildElementBitmap({10, 10, 5, 20}, strip.Image(), {}, false, false, 1, 1), nullptr);
    EXPECT_EQ(BuildElementBitmap({10, 10, 10, 20}, strip.Image(), {}, false, false, 1, 1), nullptr);
    Surface target(30, 30, RGB(1, 2, 3));
    PaintElement(target.Dc(), {20, 20, 10, 10}, strip.Image(), false, false, false, 1, 1, {});
    for (int y = 0; y < 30; y += 3)
        for (int x = 0; x < 30; x += 3) ASSERT_EQ(target.At(x, y), RGB(1, 2, 3));
}

TEST(ElementPaint, TiledCentreRepeatsAndIsCoveredByTheEdges) {
    // Frame 10 x 10 with margins 2: a 6 x 6 centre tiled over a 20 x 20 target's 16 x 16 centre.
    Surface strip = CoordinateStrip(10, 10, 1);
    HBITMAP built = BuildElementBitmap({0, 0, 20, 20}, strip.Image(), {2, 2, 2, 2}, false, true, 1, 1);
    ASSERT_NE(built, nullptr);
    SelectedBitmap b(built);
    EXPECT_EQ(GetPixel(b.Dc(), 2, 2), RGB(2, 2, 100));
    EXPECT_EQ(GetPixel(b.Dc(), 8, 2), RGB(2, 2, 100)); // second tile starts at x = 8
    EXPECT_EQ(GetPixel(b.Dc(), 15, 9), RGB(3, 3, 100)); // third tile column, second row
    EXPECT_EQ(GetPixel(b.Dc(), 18, 18), RGB(8, 8, 100)); // bottom-right corner over the last tile
    DeleteObject(built);
}

TEST(ElementPaint, VerticalStripFrames) {
    // Two frames stacked, 6 x 4 each: frame 2 starts at row 4.
    Surface strip(6, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 6; ++x) strip.Set(x, y, RGB(x, y, 0));
    Surface target(6, 4);
    PaintElement(target.Dc(), {0, 0, 6, 4}, strip.Image(), true, false, false, 2, 2, {});
    EXPECT_EQ(target.At(0, 0), RGB(0, 4, 0));
    EXPECT_EQ(target.At(5, 3), RGB(5, 7, 0));
}

TEST(ElementPaint, DrawTransparentBothMethodsKeepTheDestinationUnderTheKey) {
    Surface image(4, 2);
    image.Fill(Magenta);
    image.Set(1, 0, RGB(10, 20, 30));
    image.Set(2, 1, RGB(200, 100, 50));
    image.Set(3, 1, RGB(255, 1, 255)); // near-magenta is drawn: the mask takes the exact key only
    for (TransparentMethod method : {TransparentMethod::MaskBlt, TransparentMethod::ThreeStep}) {
        Surface target(8, 4, RGB(7, 7, 7));
        SetBkColor(target.Dc(), RGB(11, 12, 13));
        SetTextColor(target.Dc(), RGB(21, 22, 23));
        DrawTransparent(target.Dc(), {2, 1, 6, 3}, image.Image(), Magenta, method);
        EXPECT_EQ(target.At(2, 1), RGB(7, 7, 7));
        EXPECT_EQ(target.At(3, 1), RGB(10, 20, 30));
        EXPECT_EQ(target.At(4, 2), RGB(200, 100, 50));
        EXPECT_EQ(target.At(5, 2), RGB(255, 1, 255));
        EXPECT_EQ(target.At(0, 0), RGB(7, 7, 7)); // nothing outside the rectangle
        EXPECT_EQ(target.At(6, 1), RGB(7, 7, 7));
        // The DC's colours are as they were.
        EXPECT_EQ(GetBkColor(target.Dc()), RGB(11, 12, 13));
        EXPECT_EQ(GetTextColor(target.Dc()), RGB(21, 22, 23));
    }
}

TEST(ElementPaint, PaintElementTransparentShowsTheBackground) {
    Surface strip(8, 8, RGB(50, 60, 70));
    strip.Set(0, 0, Magenta);
    Surface target(16, 16, RGB(9, 9, 9));
    PaintElement(target.Dc(), {0, 0, 16, 16}, strip.Image(), false, false, true, 1, 1, {2, 2, 2, 2});
    EXPECT_EQ(target.At(0, 0), RGB(9, 9, 9)); // the corner's key pixel, kept unscaled
    EXPECT_EQ(target.At(1, 0), RGB(50, 60, 70));
    EXPECT_EQ(target.At(8, 8), RGB(50, 60, 70));
}

TEST(ElementPaint, ThreeSliceStretchedFrameAndCentredFrame) {
    Surface strip = CoordinateStrip(10, 4, 2); // frames 10 x 4
    {
        Surface target(30, 8);
        PaintThreeSlice(target.Dc(), {0, 0, 30, 8}, strip.Image(), false, false, 2, 2, {2, 0, 3, 0});
        EXPECT_EQ(target.At(1, 0), RGB(1, 0, 101));
        EXPECT_EQ(target.At(2, 0), RGB(2, 0, 101));
        EXPECT_EQ(target.At(7, 0), RGB(2, 0, 101)); // the middle (5 wide) repeated from x = 2
        EXPECT_EQ(target.At(29, 7), RGB(9, 3, 101)); // right piece, stretched to the full height
    }
    {
        Surface target(20, 8);
        PaintStretchedFrame(target.Dc(), {0, 0, 20, 8}, strip.Image(), false, 2, 1);
        EXPECT_EQ(target.At(0, 0), RGB(0, 0, 100));
        EXPECT_EQ(target.At(19, 7), RGB(9, 3, 100));
    }
    {
        Surface target(15, 9, RGB(5, 5, 5));
        PaintCentredFrame(target.Dc(), {0, 0, 15, 9}, strip.Image(), false, 2, 2);
        EXPECT_EQ(target.At(1, 2), RGB(5, 5, 5));
        EXPECT_EQ(target.At(2, 2), RGB(0, 0, 101)); // (15 - 10) div 2 = 2, (9 - 4) div 2 = 2
        EXPECT_EQ(target.At(11, 5), RGB(9, 3, 101));
        EXPECT_EQ(target.At(12, 5), RGB(5, 5, 5));
    }
    {
        Surface target(40, 4);
        PaintStretchedThreeSlice(target.Dc(), {0, 0, 40, 4}, strip.Image(), false, 2, 1, {3, 0, 3, 0});
        EXPECT_EQ(target.At(2, 0), RGB(2, 0, 100));
        EXPECT_EQ(target.At(37, 0), RGB(7, 0, 100));
        EXPECT_EQ(target.At(39, 3), RGB(9, 3, 100));
    }
}

namespace {

bool SameRegion(HRGN a, HRGN b) {
    HRGN x = CreateRectRgn(0, 0, 0, 0);
    const int kind = CombineRgn(x, a, b, RGN_XOR);
    DeleteObject(x);
    return kind == NULLREGION;
}

} // namespace

TEST(ElementPaint, RegionFromBitmapCoversTheNonKeyPixels) {
    Surface image(4, 3, Magenta);
    image.Set(1, 0, RGB(0, 0, 0));
    image.Set(2, 0, RGB(255, 1, 255)); // green 1: still transparent
    image.Set(3, 0, RGB(255, 2, 255)); // green 2: opaque
    image.Set(0, 2, RGB(1, 1, 1));
    HRGN region = RegionFromBitmap(image.Image(), 10, 20, 1, 1, 1, Magenta);
    ASSERT_NE(region, nullptr);
    HRGN want = CreateRectRgn(11, 20, 12, 21);
    HRGN part = CreateRectRgn(13, 20, 14, 21);
    CombineRgn(want, want, part, RGN_OR);
    DeleteObject(part);
    part = CreateRectRgn(10, 22, 11, 23);
    CombineRgn(want, want, part, RGN_OR);
    DeleteObject(part);
    EXPECT_TRUE(SameRegion(region, want));
    DeleteObject(want);
    DeleteObject(region);

    Surface allKey(5, 5, Magenta);
    EXPECT_EQ(RegionFromBitmap(allKey.Image(), 0, 0, 1, 1, 1, Magenta), nullptr);
}

TEST(ElementPaint, RegionFromBitmapAcrossSeveralFlushes) {
    // A checkerboard of 2-pixel cells: 64 runs per row, 3 batches for 100 rows.
    Surface image(256, 100, Magenta);
    HRGN want = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < 100; ++y)
        for (int x = (y % 2) * 2; x < 256; x += 4) {
            image.Set(x, y, RGB(0, 0, 255));
            image.Set(x + 1, y, RGB(0, 0, 255));
            HRGN cell = CreateRectRgn(x, y, x + 2, y + 1);
            CombineRgn(want, want, cell, RGN_OR);
            DeleteObject(cell);
        }
    HRGN region = RegionFromBitmap(image.Image(), 0, 0, 1, 1, 1, Magenta);
    ASSERT_NE(region, nullptr);
    EXPECT_TRUE(SameRegion(region, want));
    DeleteObject(region);
    DeleteObject(want);
}

namespace {

LRESULT CALLBACK ParentProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(wnd, &r);
        HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    if (msg == WM_PAINT && wParam) {
        // A parent that paints a marker square at (50, 40)..(60, 50) into the DC it is given.
        RECT r{50, 40, 60, 50};
        HBRUSH brush = CreateSolidBrush(RGB(200, 0, 0));
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        DeleteObject(brush);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

} // namespace

TEST(ElementPaint, PaintParentBackgroundDrawsWhatLiesBehindTheControl) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"GrvRenderParent";
    RegisterClassW(&wc);
    HWND parent = CreateWindowExW(0, L"GrvRenderParent", L"", WS_POPUP, 0, 0, 200, 150, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 45, 35, 30, 20, parent, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(parent && child);
    Surface target(30, 20, RGB(1, 1, 1));
    PaintParentBackground(child, target.Dc());
    EXPECT_EQ(target.At(0, 0), RGB(0, 128, 0));  // parent's background at (45, 35)
    EXPECT_EQ(target.At(5, 5), RGB(200, 0, 0));  // the marker at (50, 40)
    EXPECT_EQ(target.At(14, 14), RGB(200, 0, 0));
    EXPECT_EQ(target.At(15, 15), RGB(0, 128, 0));
    // The DC is restored: no viewport offset, no clipping left behind.
    POINT origin{};
    GetViewportOrgEx(target.Dc(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    PaintParentBackground(parent, target.Dc()); // no parent: nothing happens
    DestroyWindow(parent);
}

TEST(ElementPaint, ReadWindowTextIsWide) {
    const wchar_t* caption = L"\u5BFC\u5165 pictures"; // "导入 pictures"
    HWND wnd = CreateWindowExW(0, L"STATIC", caption, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(ReadWindowText(wnd), std::wstring(caption));
    SetWindowTextW(wnd, L"");
    EXPECT_EQ(ReadWindowText(wnd), std::wstring());
    DestroyWindow(wnd);
}


TEST(ElementPaint, RenderersFreeEveryObjectTheyMake) {
    Surface strip = CoordinateStrip(20, 10, 2);
    strip.Set(0, 0, Magenta);
    Surface target(64, 48, RGB(3, 3, 3));
    auto everything = [&] {
        PaintElement(target.Dc(), {0, 0, 60, 40}, strip.Image(), false, true, true, 2, 1, {3, 3, 3, 3});
        PaintThreeSlice(target.Dc(), {0, 0, 60, 20}, strip.Image(), false, true, 2, 2, {3, 0, 3, 0});
        PaintStretchedFrame(target.Dc(), {0, 0, 30, 30}, strip.Image(), true, 2, 1);
        PaintCentredFrame(target.Dc(), {0, 0, 40, 40}, strip.Image(), true, 2, 2);
        PaintStretchedThreeSlice(target.Dc(), {0, 0, 50, 10}, strip.Image(), false, 2, 1, {3, 0, 3, 0});
        DrawTransparent(target.Dc(), {0, 0, 20, 10}, strip.Image(), Magenta, TransparentMethod::ThreeStep);
        HBITMAP built = BuildElementBitmap({0, 0, 33, 22}, strip.Image(), {2, 2, 2, 2}, false, false, 2, 1);
        DeleteObject(built);
        HRGN region = RegionFromBitmap(strip.Image(), 0, 0, 1, 1, 1, Magenta);
        DeleteObject(region);
    };
    everything(); // first use may create lasting objects (stock objects, fonts)
    const int before = GdiObjectsInUse();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 50; ++i) everything();
    EXPECT_EQ(GdiObjectsInUse(), before);
}
