// Damaged skin files (made at build time by tools/hostile-skins from the second skin) loaded through the skin
// data component's SkinFile, the way a user's skin file arrives: a format the reader does not know shows its
// one message and loads nothing; anything else loads, and every element it built draws, every frame at
// several sizes, without crashing or hanging.
#include "SkinTestSupport.h"

#include "runtime/Graphics.h"
#include "skin/data/SkinBitmapOps.h"
#include "skin/data/SkinNotifier.h"
#include "skin/window/ElementBitmaps.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

namespace {

struct HostileCase {
    std::string file;
    bool unknownFormat = false;
    std::string what;
};

std::vector<HostileCase> Manifest() {
    std::vector<HostileCase> cases;
    std::ifstream in(std::string(GRV_HOSTILE_SKINS) + "/manifest.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        HostileCase c;
        std::string expect;
        fields >> c.file >> expect;
        std::getline(fields, c.what);
        if (c.file.empty()) continue;
        c.unknownFormat = expect == "unknown";
        cases.push_back(c);
    }
    return cases;
}

class MemorySurface {
public:
    MemorySurface(int w, int h) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~MemorySurface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

GeoMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

// The element's frames, side by side and stacked, at sizes from nothing to a window's border, with its frame
// count as the skin gave it; then the other renderers once.
void DrawEveryWay(HDC dc, const TDataSkinObject* e, TBitmap* image = nullptr) {
    if (!e) return;
    TBitmap* strip = image ? image : e->Bitmap.get();
    if (!strip || IsBitmapEmpty(*strip)) return;
    const int count = std::max(1, e->FrameCount);
    const RECT sizes[] = {{0, 0, 0, 0}, {0, 0, 1, 1}, {2, 3, 19, 21}, {0, 0, 300, 40}};
    // Frame 0 and one past the end as well: the renderers keep the index inside the strip.
    const int past = e->FrameCount < INT_MAX ? e->FrameCount + 1 : e->FrameCount;
    for (const int frame : {0, 1, e->FrameCount, past})
        for (const RECT& r : sizes) {
            PaintElement(dc, r, strip, false, e->Tile == 1, e->Trans != 0, e->FrameCount, frame, MarginsOf(*e));
            auto built = BuildElementBitmap(r, strip, MarginsOf(*e), false, e->Tile != 1, e->FrameCount, frame);
            if (built) {
                HRGN region = RegionFromBitmap(built.get(), 0, 0, 1, 1, 1, 0xFF00FF);
                if (region) DeleteObject(region);
            }
            PaintElement(dc, {r.left, r.top, r.bottom, r.right}, strip, true, e->Tile != 1, e->Trans != 0,
                         e->FrameCount, frame, MarginsOf(*e));
        }
    TCanvas canvas;
    canvas.SetHandle(dc);
    PaintThreeSlice(&canvas, {0, 0, 120, 24}, strip, false, e->Trans != 0, count, 1, MarginsOf(*e));
    PaintThreeSlice(&canvas, {0, 0, 24, 120}, strip, true, e->Trans != 0, count, count, MarginsOf(*e));
    canvas.SetHandle(nullptr);
    PaintStretchedFrame(dc, {0, 0, 40, 30}, strip, true, count, count);
    PaintCentredFrame(dc, {0, 0, 40, 30}, strip, true, count, 1);
    PaintStretchedThreeSlice(dc, {0, 0, 200, 22}, strip, true, count, 1, MarginsOf(*e));
    DrawTransparent(dc, {3, 4, 60, 50}, strip, 0xFF00FF);
}

void RenderEverySlot(const TSkinData& d, HDC dc) {
    const TDataSkinObject* slots[] = {
        d.BorderLeft.get(), d.BorderRight.get(), d.BorderTop.get(), d.BorderBottom.get(), d.Title.get(),
        d.Buttons.get(), d.Progress.get(), d.ProgressChunk.get(), d.MenuBar.get(), d.GroupBoxEdge.get(),
        d.GroupBox.get(), d.Tabs.get(), d.StatusBarEdges.get(), d.TabPane.get(), d.ToolBars.get(),
        d.ComboButton.get(), d.SunkEdge.get(), d.ExtraImages.get(), d.HeaderBar.get(), d.MenuItem.get(),
        d.MenuBackground.get(), d.ScrollBar.get(), d.HorzScroll.get(), d.VertScroll.get(), d.HorzScrollThumb.get(),
        d.VertScrollThumb.get(), d.TrackThumbHorz.get(), d.TrackThumbVert.get(), d.TrackThumbLeft.get(),
        d.TrackThumbRight.get(), d.TrackThumbUp.get(), d.TrackThumbDown.get(), d.UpDownHorz.get(),
        d.UpDownVert.get(), d.Track.get(), d.TrackVert.get(), d.ComboArrow.get(), d.ToolbarBack.get()};
    for (const TDataSkinObject* e : slots)
        DrawEveryWay(dc, e);
    for (const auto* second : {d.Tabs.get(), d.ComboButton.get(), d.UpDownHorz.get(), d.UpDownVert.get()})
        if (second) DrawEveryWay(dc, second, second->Bitmap2.get());
    DrawEveryWay(dc, d.Buttons.get(), d.Buttons->CheckBitmap.get());
    DrawEveryWay(dc, d.Buttons.get(), d.Buttons->RadioBitmap.get());
    for (const auto& button : d.SysButtons) DrawEveryWay(dc, button.get());
    // What painters read besides images: the palette by the text colour indices, the border colour.
    (void)d.BorderColor();
    for (int index : {d.Buttons->NormalColour, d.Buttons->MouseOverColour, d.Buttons->PressedColour})
        if (index >= 0 && index < static_cast<int>(d.Palette.size())) (void)d.Palette[index];
}

class CountingNotifier {
public:
    CountingNotifier() {
        previous_ = SetSkinNotifier([this](const std::string&) { ++count; });
    }
    ~CountingNotifier() { SetSkinNotifier(previous_); }
    int count = 0;

private:
    SkinNotifier previous_;
};

std::string WinePath(const std::string& file) { return std::string(GRV_HOSTILE_SKINS) + "\\" + file; }

TEST(HostileSkins, EachLoadsOrIsRefusedOnceAndEveryElementDraws) {
    const std::vector<HostileCase> cases = Manifest();
    ASSERT_GE(cases.size(), 40u) << "manifest missing: " << GRV_HOSTILE_SKINS;
    StreamedSkinData s("", {});
    ASSERT_NE(s.data, nullptr);
    MemorySurface surface(320, 300);
    CountingNotifier notifier;
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.file + ":" + c.what);
        notifier.count = 0;
        s.data->SetSkinFile(WinePath(c.file));
        EXPECT_EQ(notifier.count, c.unknownFormat ? 1 : 0);
        EXPECT_EQ(s.data->IsEmpty, c.unknownFormat);
        RenderEverySlot(*s.data, surface.Dc());
    }
    // Nothing is left broken: a good skin loads after all of them.
    notifier.count = 0;
    s.data->SetSkinFile(GRV_SECOND_SKIN_FILE);
    EXPECT_EQ(notifier.count, 0);
    EXPECT_FALSE(s.data->IsEmpty);
    EXPECT_EQ(s.data->SkinName, "Grivelle Ember");
    ASSERT_TRUE(s.data->ScrollBar);
    EXPECT_EQ(s.data->ScrollBar->FrameCount, 23);
}

} // namespace
