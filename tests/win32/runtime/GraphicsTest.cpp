#include "runtime/Graphics.h"
#include "runtime/ImgList.h"

#include <gtest/gtest.h>

namespace {
TColor pixel(TBitmap& b, int x, int y) {
    auto* row = static_cast<uint8_t*>(b.ScanLine(y));
    int bpp = b.PixelFormat() == pf32bit ? 4 : 3;
    return ColorFromRGB(row[x * bpp + 2], row[x * bpp + 1], row[x * bpp]);
}
} // namespace

TEST(Graphics, BitmapLoadsFromStreamAndResourceWithScanLines) {
    TPixelImage img;
    img.Width = 2;
    img.Height = 2;
    img.Pixels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    auto bytes = EncodeBmpFile(img, 32);
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    s.SetPosition(0);
    TBitmap b;
    ASSERT_TRUE(b.LoadFromStream(s));
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(pixel(b, 0, 0), clRed);
    EXPECT_EQ(pixel(b, 1, 1), clWhite);
    EXPECT_EQ(b.ScanLine(2), nullptr);
    b.SetPixelFormat(pf24bit);
    EXPECT_EQ(pixel(b, 1, 0), clLime);
    // A damaged file leaves the bitmap empty.
    bytes[14] = 99;
    TMemoryStream bad;
    bad.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    bad.SetPosition(0);
    EXPECT_FALSE(b.LoadFromStream(bad));
    EXPECT_TRUE(b.Empty());
    TBitmap glyph;
    ASSERT_TRUE(glyph.LoadFromResourceName(GetModuleHandleW(nullptr), L"TESTGLYPH"));
    EXPECT_EQ(glyph.Width(), 16);
    EXPECT_EQ(glyph.TransparentColor(), ColorFromRGB(128, 128, 0)); // bottom-left pixel
}

TEST(Graphics, BitmapGivenItsOwnHandleKeepsItsPixels) {
    TBitmap b;
    b.SetSize(2, 1);
    static_cast<uint8_t*>(b.ScanLine(0))[2] = 255; // red
    b.SetHandle(b.Handle());
    ASSERT_EQ(b.Width(), 2);
    EXPECT_EQ(pixel(b, 0, 0), clRed);
}

TEST(Graphics, TransparentDrawingAndMasks) {
    TBitmap src;
    src.SetSize(4, 1);
    auto* row = static_cast<uint8_t*>(src.ScanLine(0));
    for (int x = 0; x < 4; ++x) {
        bool key = x % 2 == 0;
        row[3 * x] = key ? 255 : 0; // magenta key in even pixels, red in odd ones
        row[3 * x + 1] = 0;
        row[3 * x + 2] = 255;
    }
    src.SetTransparentColor(clFuchsia);
    src.SetTransparent(true);
    src.Canvas()->Handle(); // the bitmap already sits in its own DC: drawing must still find its pixels
    TBitmap dest;
    dest.SetSize(4, 1);
    RECT all{0, 0, 4, 1};
    dest.Canvas()->Brush()->SetColor(clLime);
    dest.Canvas()->FillRect(all);
    dest.Canvas()->Draw(0, 0, &src);
    EXPECT_EQ(pixel(dest, 0, 0), clLime);
    EXPECT_EQ(pixel(dest, 1, 0), clRed);
    EXPECT_EQ(pixel(dest, 2, 0), clLime);
    HBITMAP mask = src.CreateMask(clFuchsia);
    BITMAP bm{};
    GetObjectW(mask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(mask);
    src.Mask(clFuchsia);
    EXPECT_TRUE(src.Monochrome());
}

TEST(Graphics, CanvasOnAnyDcAndBack) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 8, 8);
    HGDIOBJ old = SelectObject(mem, bmp);
    HGDIOBJ originalFont = GetCurrentObject(mem, OBJ_FONT);
    {
        TCanvas canvas;
        canvas.SetHandle(mem);
        canvas.Font()->SetHeight(-20);
        EXPECT_GT(canvas.TextHeight(L"国"), 15);
        canvas.Pen()->SetColor(clRed);
        canvas.MoveTo(0, 0);
        canvas.LineTo(8, 0);
        EXPECT_EQ(canvas.Pixel(3, 0), clRed);
        canvas.SetHandle(nullptr);
        EXPECT_FALSE(canvas.HandleAllocated());
        EXPECT_EQ(GetCurrentObject(mem, OBJ_FONT), originalFont); // the DC got its own objects back
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    LOGFONTW lf{};
    lf.lfHeight = -13;
    lf.lfWeight = FW_BOLD;
    wcscpy(lf.lfFaceName, L"SimSun");
    TFont font;
    font.SetLogFont(lf);
    EXPECT_EQ(font.Name(), AnsiFromWide(L"SimSun"));
    EXPECT_EQ(font.Style(), 1u << fsBold);
    LOGFONTW back{};
    GetObjectW(font.Handle(), sizeof back, &back);
    EXPECT_EQ(back.lfHeight, -13);
}

TEST(Graphics, ImageListHoldsMaskedImages) {
    TBitmap strip;
    strip.SetSize(32, 16);
    RECT all{0, 0, 32, 16};
    strip.Canvas()->Brush()->SetColor(clWhite);
    strip.Canvas()->FillRect(all);
    TImageList list(nullptr);
    EXPECT_EQ(list.AddMasked(&strip, clWhite), 0);
    EXPECT_EQ(list.Count(), 2);
    TBitmap out;
    out.SetSize(16, 16);
    out.Canvas()->Brush()->SetColor(clBlue);
    out.Canvas()->FillRect(RECT{0, 0, 16, 16});
    list.Draw(out.Canvas(), 0, 0, 0);
    EXPECT_EQ(pixel(out, 5, 5), clBlue); // all white: all transparent
}
