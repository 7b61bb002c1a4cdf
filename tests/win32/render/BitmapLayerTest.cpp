// The image utilities and the element renderers on the framework's bitmaps.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "runtime/Forms.h"
#include "runtime/Graphics.h"
#include "runtime/StdCtrls.h"
#include "skin/data/ImgUtil.h"
#include "skin/window/ElementBitmaps.h"

namespace {

// Colour values: red in the lowest byte.
constexpr std::uint32_t P = 0x302010, Q = 0x605040, R = 0x908070;

void SetPixel24(TBitmap& b, int x, int y, std::uint32_t c) { b.Canvas()->SetPixel(x, y, c); }
std::uint32_t PixelOf(TBitmap& b, int x, int y) { return b.Canvas()->Pixel(x, y); }

void Make(TBitmap& b, int w, int h, TPixelFormat format = pf24bit) {
    b.SetPixelFormat(format);
    b.SetSize(w, h);
}

} // namespace

TEST(BitmapLayer, RotateLeftAndRight) {
    TBitmap b;
    Make(b, 2, 1);
    SetPixel24(b, 0, 0, P);
    SetPixel24(b, 1, 0, Q);
    RotateLeft(b);
    ASSERT_EQ(b.Width(), 1);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(PixelOf(b, 0, 0), Q);
    EXPECT_EQ(PixelOf(b, 0, 1), P);
    RotateRight(b);
    RotateRight(b);
    ASSERT_EQ(b.Width(), 1);
    EXPECT_EQ(PixelOf(b, 0, 0), P);
    EXPECT_EQ(PixelOf(b, 0, 1), Q);
}

TEST(BitmapLayer, MirrorFlipGreyAndMagenta) {
    TBitmap b;
    Make(b, 3, 2, pf32bit);
    SetPixel24(b, 0, 0, P);
    SetPixel24(b, 2, 0, 0xFF00FF);
    SetPixel24(b, 1, 1, R);
    MirrorHorizontal(b);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(PixelOf(b, 2, 0), P);
    EXPECT_EQ(PixelOf(b, 0, 0), 0xFF00FFu);
    FlipVertical(b);
    EXPECT_EQ(PixelOf(b, 2, 1), P);
    EXPECT_EQ(PixelOf(b, 1, 0), R);
    ReplaceMagenta(b, 0xFF00000F); // low bytes taken as they are: red 0x0F
    EXPECT_EQ(PixelOf(b, 0, 1), 0x00000Fu);
    GrayScale(b);
    EXPECT_EQ(PixelOf(b, 2, 1), 0x202020u);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
}

TEST(BitmapLayer, BuildElementBitmapCopyAndRegion) {
    TBitmap strip;
    Make(strip, 20, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) SetPixel24(strip, x, y, x < 10 ? P : Q);
    SetPixel24(strip, 10, 0, 0xFF00FF);
    auto built = BuildElementBitmap({0, 0, 30, 12}, &strip, {2, 2, 2, 2}, false, false, 2, 2);
    ASSERT_TRUE(built);
    EXPECT_EQ(built->Width(), 30);
    EXPECT_EQ(built->Height(), 12);
    EXPECT_EQ(PixelOf(*built, 0, 0), 0xFF00FFu);
    EXPECT_EQ(PixelOf(*built, 15, 6), Q);
    EXPECT_FALSE(BuildElementBitmap({5, 5, 0, 0}, &strip, {}, false, false, 1, 1));

    HRGN region = RegionFromBitmap(built.get(), 0, 0, 1, 1, 1, 0xFF00FF);
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 1, 0));
    DeleteObject(region);

    TBitmap copy;
    CopyBitmap(built.get(), &copy);
    EXPECT_EQ(copy.Width(), 30);
    EXPECT_EQ(copy.PixelFormat(), built->PixelFormat());
    EXPECT_EQ(PixelOf(copy, 15, 6), Q);

    TBitmap target;
    Make(target, 10, 10);
    target.Canvas()->Brush()->SetColor(R);
    target.Canvas()->FillRect({0, 0, 10, 10});
    PaintElement(target.Canvas()->Handle(), {0, 0, 10, 10}, &strip, false, false, true, 2, 2, {2, 2, 2, 2});
    EXPECT_EQ(PixelOf(target, 0, 0), R); // the key pixel left the background
    EXPECT_EQ(PixelOf(target, 5, 5), Q);
}

TEST(BitmapLayer, RegionOfTopDownBitmapsReadInPlace) {
    // Keyed top rows and a keyed bottom-right corner, so that reading the rows upside down gives another
    // region; each format read in place must give the region of its pixels, and the mask (copied) too.
    for (TPixelFormat format : {pf32bit, pf24bit, pf1bit}) {
        TBitmap b;
        Make(b, 7, 5, format);
        const std::uint32_t solid = format == pf1bit ? 0x000000 : P;
        const std::uint32_t key = format == pf1bit ? 0xFFFFFF : 0xFF00FF;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) SetPixel24(b, x, y, y < 2 || (y == 4 && x >= 5) ? key : solid);
        HRGN region = RegionFromBitmap(&b, 10, 20, 1, 1, 1, key);
        ASSERT_NE(region, nullptr) << format;
        HRGN want = CreateRectRgn(10, 22, 17, 24);
        HRGN part = CreateRectRgn(10, 24, 15, 25);
        CombineRgn(want, want, part, RGN_OR);
        HRGN diff = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(diff, region, want, RGN_XOR), NULLREGION) << format;
        for (HRGN r : {region, want, part, diff}) DeleteObject(r);
    }
}


TEST(BitmapLayer, PaintParentBackgroundOfAFrameworkControl) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 150);
    TWndMethod saved = form->WindowProc;
    // The form paints a green background and a red marker at (50, 40)..(60, 50) into the DC it is handed.
    form->WindowProc = [&](TMessage& m) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        if (m.Msg == WM_ERASEBKGND && dc) {
            RECT all{0, 0, 200, 150};
            HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
            FillRect(dc, &all, green);
            DeleteObject(green);
            m.Result = 1;
            return;
        }
        if (m.Msg == WM_PAINT && dc) {
            RECT marker{50, 40, 60, 50};
            HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
            FillRect(dc, &marker, red);
            DeleteObject(red);
            return;
        }
        saved(m);
    };
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetBounds(45, 35, 30, 20);

    TBitmap target;
    Make(target, 30, 20);
    HDC dc = target.Canvas()->Handle();
    PaintParentBackground(label, dc);
    EXPECT_EQ(PixelOf(target, 0, 0), 0x008000u); // green, as a TColor
    EXPECT_EQ(PixelOf(target, 5, 5), 0x0000C8u); // the marker
    EXPECT_EQ(PixelOf(target, 15, 15), 0x008000u);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0);

    TLabel orphan(nullptr);
    PaintParentBackground(&orphan, dc); // no parent: nothing
    form->WindowProc = saved;
}

TEST(BitmapLayer, ScratchBitmapIsSharedAndResized) {
    TBitmap& a = ScratchBitmap(40, 20);
    EXPECT_EQ(a.Width(), 40);
    EXPECT_EQ(GetStretchBltMode(a.Canvas()->Handle()), COLORONCOLOR);
    TBitmap& b = ScratchBitmap(80, 30);
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(b.Width(), 80);
    EXPECT_EQ(b.Height(), 30);
    EXPECT_EQ(GetStretchBltMode(b.Canvas()->Handle()), COLORONCOLOR);
}
