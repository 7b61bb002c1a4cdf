#include "skin/window/ElementBitmaps.h"

#include "runtime/Controls.h"
#include "runtime/Graphics.h"

#include <algorithm>

namespace {

COLORREF KeyOf(std::uint32_t colour) { return static_cast<COLORREF>(colour & 0xFFFFFF); }

} // namespace

ElementImage ImageOf(TBitmap* bitmap) {
    if (!bitmap || bitmap->Empty()) return {};
    return {bitmap->Canvas()->Handle(), bitmap->Width(), bitmap->Height()};
}

std::unique_ptr<TBitmap> BuildElementBitmap(const RECT& target, TBitmap* strip, const GeoMargins& margins,
                                            bool vertical, bool tile, int count, int index) {
    HBITMAP built = BuildElementBitmap(target, ImageOf(strip), margins, vertical, tile, count, index);
    if (!built) return nullptr;
    auto result = std::make_unique<TBitmap>();
    result->SetHandle(built);
    SetStretchBltMode(result->Canvas()->Handle(), COLORONCOLOR);
    return result;
}

void PaintElement(HDC dc, const RECT& target, TBitmap* strip, bool vertical, bool tile, bool transparent, int count,
                  int index, const GeoMargins& margins) {
    PaintElement(dc, target, ImageOf(strip), vertical, tile, transparent, count, index, margins);
}

void PaintThreeSlice(TCanvas* canvas, const RECT& target, TBitmap* strip, bool vertical, bool transparent, int count,
                     int index, const GeoMargins& margins) {
    if (!canvas) return;
    PaintThreeSlice(canvas->Handle(), target, ImageOf(strip), vertical, transparent, count, index, margins);
}

void PaintStretchedFrame(HDC dc, const RECT& target, TBitmap* strip, bool transparent, int count, int index) {
    PaintStretchedFrame(dc, target, ImageOf(strip), transparent, count, index);
}

void PaintCentredFrame(HDC dc, const RECT& target, TBitmap* strip, bool transparent, int count, int index) {
    PaintCentredFrame(dc, target, ImageOf(strip), transparent, count, index);
}

void PaintStretchedThreeSlice(HDC dc, const RECT& target, TBitmap* strip, bool vertical, int count, int index,
                              const GeoMargins& margins) {
    PaintStretchedThreeSlice(dc, target, ImageOf(strip), vertical, count, index, margins);
}

void DrawTransparent(HDC dc, const RECT& target, TBitmap* bitmap, std::uint32_t key) {
    DrawTransparent(dc, target, ImageOf(bitmap), KeyOf(key));
}

HRGN RegionFromBitmap(TBitmap* bitmap, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, std::uint32_t key) {
    // Our own 24- and 32-bit bitmaps are read in place through ScanLine, which knows the storage order (the
    // system's description of a DIB section does not say reliably whether it is stored top-down). Other
    // formats (masks) go through a 32-bit copy.
    if (bitmap && !bitmap->Empty() && (bitmap->PixelFormat() == pf32bit || bitmap->PixelFormat() == pf24bit)) {
        const auto* top = static_cast<const std::uint8_t*>(bitmap->ScanLine(0));
        const auto* second = bitmap->Height() > 1 ? static_cast<const std::uint8_t*>(bitmap->ScanLine(1)) : nullptr;
        if (top) {
            const std::ptrdiff_t stride = second ? second - top : bitmap->BytesPerLine();
            const PixelRows rows{top, bitmap->Width(), bitmap->Height(), stride,
                                 bitmap->PixelFormat() == pf32bit ? 4 : 3};
            return RegionFromPixels(rows, xOffset, yOffset, blueTolerance, greenTolerance, redTolerance, KeyOf(key));
        }
    }
    return RegionFromBitmap(ImageOf(bitmap), xOffset, yOffset, blueTolerance, greenTolerance, redTolerance,
                            KeyOf(key));
}

void CopyBitmap(TBitmap* source, TBitmap* target) {
    if (!source || !target || source == target) return;
    target->SetPixelFormat(source->PixelFormat());
    target->SetSize(source->Width(), source->Height());
    if (source->Empty()) return;
    BitBlt(target->Canvas()->Handle(), 0, 0, source->Width(), source->Height(), source->Canvas()->Handle(), 0, 0,
           SRCCOPY);
}

void PaintParentBackground(TControl* control, HDC dc) {
    TWinControl* parent = control ? control->Parent() : nullptr;
    if (!parent || !dc) return;
    const RECT client = control->ClientRect();
    const int left = control->Left(), top = control->Top();
    const int saved = SaveDC(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - left, origin.y - top, nullptr);
    IntersectClipRect(dc, client.left + left, client.top + top, client.right + left, client.bottom + top);
    const bool designing = (control->ComponentState() & csDesigning) != 0;
    try {
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    } catch (...) {
        RestoreDC(dc, saved);
        if (!designing) throw;
        return;
    }
    RestoreDC(dc, saved);
}

TBitmap& ScratchBitmap(int width, int height) {
    static const std::unique_ptr<TBitmap> scratch = [] {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetPixelFormat(pf32bit);
        return bitmap;
    }();
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (scratch->Width() != width || scratch->Height() != height) scratch->SetSize(width, height);
    SetStretchBltMode(scratch->Canvas()->Handle(), COLORONCOLOR);
    return *scratch;
}
