// Skin element rendering over GDI: the nine-part resizer and its tiled centre, the three-part rules, single
// frames, transparent drawing with a key colour, window regions cut from bitmaps, and the painting of a
// parent's background behind a control. The geometry comes from ElementGeometry; this layer only blits.
//
// An element image is given as a device context that has the strip selected, with the strip's size
// (`ElementImage`), so that any bitmap object of the program can be drawn from without being deselected.
#pragma once

#include <windows.h>

#include <string>

#include "skin/window/ElementGeometry.h"
#include "skin/window/RegionRuns.h"

constexpr COLORREF SkinKeyColour = RGB(255, 0, 255);

struct ElementImage {
    HDC dc = nullptr;
    int width = 0;
    int height = 0;

    bool IsEmpty() const { return dc == nullptr || width <= 0 || height <= 0; }
};

// A bitmap handle selected into a memory DC of its own for as long as the object lives.
class SelectedBitmap {
public:
    explicit SelectedBitmap(HBITMAP bitmap);
    ~SelectedBitmap();
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;

    ElementImage Image() const { return image_; }
    HDC Dc() const { return image_.dc; }

private:
    ElementImage image_;
    HGDIOBJ previous_ = nullptr;
};

// A 32-bit top-down DIB section; the bits are readable while the object lives. Null when the size is empty.
HBITMAP CreateDib32(int width, int height, void** bits = nullptr);

// Carries out the pieces from `source` into `target` at (x, y): stretched pieces with COLORONCOLOR
// (plain copies when the sizes agree), tiled pieces with TileBitmap.
void DrawPieces(HDC target, int x, int y, const ElementImage& source, const std::vector<ElementPiece>& pieces);

// Draws the source rectangle of `source` whole at every tile position of `target` (see TilePositions).
void TileBitmap(HDC target, const GeoRect& targetRect, const ElementImage& source, const GeoRect& sourceRect);

// The nine-part rule into a new bitmap of the target's size (32-bit DIB section, owned by the caller);
// null when the rectangle is inverted or empty. Frame `index` of `count`, side by side or stacked.
HBITMAP BuildElementBitmap(const RECT& target, const ElementImage& strip, const GeoMargins& margins, bool vertical,
                           bool tile, int count, int index);

// Nothing for an inverted or empty rectangle; otherwise BuildElementBitmap, then drawn with the key colour
// transparent when `transparent`, else copied.
void PaintElement(HDC dc, const RECT& target, const ElementImage& strip, bool vertical, bool tile, bool transparent,
                  int count, int index, const GeoMargins& margins);

// The horizontal three-part rule (left piece, repeated middle, right piece; full height).
void PaintThreeSlice(HDC dc, const RECT& target, const ElementImage& strip, bool vertical, bool transparent,
                     int count, int index, const GeoMargins& margins);

// Frame `index` of a horizontal strip stretched over the whole rectangle.
void PaintStretchedFrame(HDC dc, const RECT& target, const ElementImage& strip, bool transparent, int count,
                         int index);

// Frame `index` of a horizontal strip at its own size, centred in the rectangle.
void PaintCentredFrame(HDC dc, const RECT& target, const ElementImage& strip, bool transparent, int count,
                       int index);

// The stretched three-part rule, always copied.
void PaintStretchedThreeSlice(HDC dc, const RECT& target, const ElementImage& strip, bool vertical, int count,
                              int index, const GeoMargins& margins);

// How DrawTransparent puts the image down: MaskBlt on the NT family, the three raster steps elsewhere.
enum class TransparentMethod { Automatic, MaskBlt, ThreeStep };

// Draws the image at the rectangle's top-left, the rectangle's width and height, with `key` transparent.
void DrawTransparent(HDC dc, const RECT& target, const ElementImage& image, COLORREF key,
                     TransparentMethod method = TransparentMethod::Automatic);

// A region covering the image's non-key pixels moved by the offsets (owned by the caller); null when every
// pixel is key-coloured. Tolerances widen the key upwards per channel.
HRGN RegionFromBitmap(const ElementImage& image, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, COLORREF key);
// The same from pixels read where they lie (no copy): the caller knows their layout and orientation.
HRGN RegionFromPixels(const PixelRows& pixels, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, COLORREF key);

// Paints what the control's parent shows behind the control into `dc`: WM_ERASEBKGND, then WM_PAINT, sent to
// the parent with the DC moved and clipped to the control's place.
void PaintParentBackground(HWND control, HDC dc);

// The window's text, wide: through the wide calls on the NT family, else WM_GETTEXT (1000 characters).
std::wstring ReadWindowText(HWND window);
