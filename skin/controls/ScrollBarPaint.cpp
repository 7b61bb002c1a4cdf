#include "skin/controls/ScrollBarPaint.h"

#include "runtime/Graphics.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

namespace {

RECT ToRect(const GeoRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

bool Inside(const GeoRect& r, int width, int height) {
    return r.HasArea() && r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height;
}

GeoMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

bool Usable(const std::unique_ptr<TDataSkinObject>& e) { return e && e->HasImage(); }

// A memory DC with a 32-bit bitmap of its own for as long as the object lives.
class OffscreenBar {
public:
    OffscreenBar(int width, int height) {
        bitmap_ = CreateDib32(width, height);
        if (!bitmap_) return;
        dc_ = CreateCompatibleDC(nullptr);
        if (dc_) previous_ = SelectObject(dc_, bitmap_);
    }
    ~OffscreenBar() {
        if (dc_) {
            SelectObject(dc_, previous_);
            DeleteDC(dc_);
        }
        if (bitmap_) DeleteObject(bitmap_);
    }
    OffscreenBar(const OffscreenBar&) = delete;
    OffscreenBar& operator=(const OffscreenBar&) = delete;
    HDC Dc() const { return dc_; }

private:
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace

bool SkinDrawsScrollBars(const TSkinData& skin) { return Usable(skin.ScrollBar); }

bool PaintSkinScrollBar(HDC dc, int x, int y, const TSkinData& skin, const ScrollBarLook& look) {
    if (!SkinDrawsScrollBars(skin) || look.length <= 0 || look.breadth <= 0) return false;
    const bool v = look.vertical;
    const int width = v ? look.breadth : look.length, height = v ? look.length : look.breadth;
    OffscreenBar bar(width, height);
    HDC mem = bar.Dc();
    if (!mem) return false;
    SetStretchBltMode(mem, COLORONCOLOR);
    RECT all{0, 0, width, height};
    HBRUSH face = CreateSolidBrush(ColorToRGB(skin.SkinColors.ButtonFace));
    FillRect(mem, &all, face);
    DeleteObject(face);

    TDataSkinObject& strip = *skin.ScrollBar;
    const ScrollBarLayout layout = LayoutScrollBar(v, look.length, look.breadth, look.arrowSize);
    const std::unique_ptr<TDataSkinObject>& track = v ? skin.VertScroll : skin.HorzScroll;
    if (Usable(track) && layout.track.HasArea())
        PaintElement(mem, ToRect(layout.track), track->Bitmap.get(), false, track->Tile == 1, track->Trans == 1,
                     track->FrameCount, TrackFrame(look.enabled), MarginsOf(*track));

    PaintStretchedFrame(mem, ToRect(layout.firstArrow), strip.Bitmap.get(), true, strip.FrameCount,
                        ArrowFrame(v, false, PartState(spFirstArrow, look.hotPart, look.tracking)));
    PaintStretchedFrame(mem, ToRect(layout.secondArrow), strip.Bitmap.get(), true, strip.FrameCount,
                        ArrowFrame(v, true, PartState(spSecondArrow, look.hotPart, look.tracking)));

    if (look.enabled) {
        const int gripSize = strip.Bitmap->Height();
        const ThumbLayout thumb = LayoutThumb(v, look.thumbStart, look.thumbEnd, BarThickness(gripSize, look.arrowSize),
                                              gripSize);
        const ScrollPartState state = PartState(spThumb, look.hotPart, look.tracking);
        const std::unique_ptr<TDataSkinObject>& element = v ? skin.VertScrollThumb : skin.HorzScrollThumb;
        if (Usable(element) && Inside(thumb.thumb, width, height))
            PaintElement(mem, ToRect(thumb.thumb), element->Bitmap.get(), false, element->Tile == 1,
                         element->Trans == 1, element->FrameCount, ThumbFrame(state), MarginsOf(*element));
        if (Inside(thumb.grip, width, height))
            PaintStretchedFrame(mem, ToRect(thumb.grip), strip.Bitmap.get(), true, strip.FrameCount, GripFrame(v, state));
    }
    return BitBlt(dc, x, y, width, height, mem, 0, 0, SRCCOPY) != FALSE;
}
