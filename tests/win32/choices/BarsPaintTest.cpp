// Headers, status bars and group boxes drawn by the skin.
#include "ChoiceTestSupport.h"

#include "runtime/BarCtrls.h"
#include "runtime/CheckCtrls.h"
#include "skin/controls/SkinPanels.h"
#include "skin/window/ElementBitmaps.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TCanvas canvas;
    Fixture() { form->SetBounds(40, 40, 480, 360); }
};

// Frame `frame` of the header strip at the section's size: the pixel 1 in from the left, half-way down.
std::uint32_t HeaderPixel(int w, int h, int frame) {
    const TDataSkinObject& bar = *StoredSkin().HeaderBar;
    ScreenPixels p = Render(w, h, [&](HDC dc) {
        PaintElement(dc, RECT{0, 0, w, h}, bar.Bitmap.get(), false, bar.Tile != 0, false, bar.FrameCount, frame,
                     GeoMargins{bar.LeftWidth, bar.TopHeight, bar.RightWidth, bar.BottomHeight});
    });
    return p.At(1, h / 2);
}
} // namespace

TEST(SkinBars, HeaderHighlightsTheSectionUnderTheMouse) {
    Fixture f;
    auto* header = new THeaderControl(f.form.get());
    header->SetBounds(10, 10, 400, 22);
    header->SetParent(f.form.get());
    for (const char* s : {"Name", "Size", "Date"}) header->Sections()->Add(s);
    auto* painter = new TSkinHeader(header);
    painter->AttachControl(nullptr, &StoredSkin(), false, &f.canvas);
    f.form->Show();
    Pump();
    MoveMouse(f.form->Handle(), 200, 200);
    ASSERT_EQ(painter->FSectionRects.size(), 3u);
    EXPECT_EQ(painter->FHotSection, -1);
    const int w = header->SectionWidth(), h = header->Height();
    const std::uint32_t normal = HeaderPixel(w, h, 1), hot = HeaderPixel(w, h, 2);
    ASSERT_NE(normal, hot);
    for (int section : {1, 0, 2}) {
        SCOPED_TRACE(section);
        MoveMouse(header->Handle(), section * w + w / 2, h / 2);
        Pump();
        EXPECT_EQ(painter->FHotSection, section);
        ScreenPixels shot = ReadWindowPixels(header->Handle());
        for (int s = 0; s < 3; ++s) EXPECT_EQ(shot.At(s * w + 1, h / 2), s == section ? hot : normal) << s;
    }
    MoveMouse(f.form->Handle(), 200, 200); // leaving the header clears it
    Pump();
    EXPECT_EQ(painter->FHotSection, -1);
    EXPECT_EQ(ReadWindowPixels(header->Handle()).At(2 * w + 1, h / 2), normal);
}

TEST(SkinBars, StatusBarPanelsReachTheEdgeAndTheGripIsSkinned) {
    Fixture f;
    auto* bar = new TStatusBar(f.form.get());
    bar->SetParent(f.form.get());
    bar->AddPanel(L"Ready", 120);
    bar->AddPanel(L"", 80, pbRaised);
    int drawn = 0;
    bar->OnDrawPanel = [&](TStatusBar*, TStatusPanel&, const RECT&) { ++drawn; };
    auto* painter = new TSkinStatusBar(bar);
    painter->AttachControl(nullptr, &StoredSkin(), false, &f.canvas);
    f.form->Show();
    Pump();
    EXPECT_EQ(drawn, 2);
    ScreenPixels shot = ReadWindowPixels(bar->Handle());
    // the grip: frame 5 of the extra images, unscaled, one pixel inside the bottom-right corner
    TDataSkinObject& extra = *StoredSkin().ExtraImages;
    const int gw = extra.Bitmap->Width() / extra.FrameCount, gh = extra.Bitmap->Height();
    ScreenPixels grip = Render(gw, gh, [&](HDC dc) {
        BitBlt(dc, 0, 0, gw, gh, extra.Bitmap->Canvas()->Handle(), 4 * gw, 0, SRCCOPY);
    });
    int compared = 0;
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < gw; ++x)
            if (grip.At(x, y) != 0xFF00FF) {
                EXPECT_EQ(shot.At(shot.width - 1 - gw + x, shot.height - 1 - gh + y), grip.At(x, y));
                ++compared;
            }
    EXPECT_GT(compared, 10);
}

TEST(SkinBars, GroupBoxCaptionCutsTheRoundedFrame) {
    Fixture f;
    auto* group = new TGroupBox(f.form.get());
    group->SetBounds(20, 20, 200, 100);
    group->SetCaption("Options");
    group->SetParent(f.form.get());
    auto* right = new TGroupBox(f.form.get());
    right->SetBounds(240, 20, 200, 100);
    right->SetCaption("Right");
    right->SetParent(f.form.get());
    SetWindowLongW(right->Handle(), GWL_EXSTYLE, GetWindowLongW(right->Handle(), GWL_EXSTYLE) | WS_EX_RIGHT);
    for (TGroupBox* g : {group, right}) (new TSkinGroupBox(g))->AttachControl(nullptr, &StoredSkin(), false, &f.canvas);
    f.form->Show();
    Pump();
    const COLORREF shadow = ColorToRGB(StoredSkin().SkinColors.ButtonShadow) & 0xFFFFFF;
    const std::uint32_t line = (GetRValue(shadow) << 16) | (GetGValue(shadow) << 8) | GetBValue(shadow);
    ScreenPixels left = ReadWindowPixels(group->Handle());
    int y = -1; // the frame's top line: the first row with the shadow colour right of the caption
    for (int row = 0; row < 20 && y < 0; ++row)
        if (left.At(180, row) == line) y = row;
    ASSERT_GE(y, 0);
    EXPECT_NE(left.At(12, y), line);  // the caption blanks the line from x = 8
    EXPECT_EQ(left.At(4, y), line);   // left of the caption the line shows
    ScreenPixels r = ReadWindowPixels(right->Handle());
    EXPECT_EQ(r.At(20, y), line);             // a right-aligned caption leaves the left part of the line
    EXPECT_NE(r.At(r.width - 12, y), line);   // and blanks the line 8 pixels from the right
}
