// The element renderers for the framework's bitmaps and canvases: the same routines as ElementPaint, taking
// the element strips as TBitmap (the records' images) and giving BuildElementBitmap's result as a TBitmap.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/window/ElementPaint.h"

class TBitmap;
class TCanvas;
class TControl;

// The strip as the renderers draw from it (its canvas's DC); empty for a null or empty bitmap.
ElementImage ImageOf(TBitmap* bitmap);

// A new 32-bit bitmap of the target's size holding frame `index` resized by the nine-part rule; null for an
// inverted or empty target or an empty strip.
std::unique_ptr<TBitmap> BuildElementBitmap(const RECT& target, TBitmap* strip, const GeoMargins& margins,
                                            bool vertical, bool tile, int count, int index);

void PaintElement(HDC dc, const RECT& target, TBitmap* strip, bool vertical, bool tile, bool transparent, int count,
                  int index, const GeoMargins& margins);
void PaintThreeSlice(TCanvas* canvas, const RECT& target, TBitmap* strip, bool vertical, bool transparent, int count,
                     int index, const GeoMargins& margins);
void PaintStretchedFrame(HDC dc, const RECT& target, TBitmap* strip, bool transparent, int count, int index);
void PaintCentredFrame(HDC dc, const RECT& target, TBitmap* strip, bool transparent, int count, int index);
void PaintStretchedThreeSlice(HDC dc, const RECT& target, TBitmap* strip, bool vertical, int count, int index,
                              const GeoMargins& margins);
void DrawTransparent(HDC dc, const RECT& target, TBitmap* bitmap, std::uint32_t key);
HRGN RegionFromBitmap(TBitmap* bitmap, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, std::uint32_t key);

// Paints what the control's parent shows behind the control into `dc`: WM_ERASEBKGND, then WM_PAINT,
// performed on the parent with the DC moved by minus the control's left and top and clipped to its client
// rectangle. Nothing for a control without a parent. In design mode a failure of either ends the painting.
void PaintParentBackground(TControl* control, HDC dc);

// The target gets the source's width, height and pixel format, then the source is drawn onto it at (0, 0).
void CopyBitmap(TBitmap* source, TBitmap* target);

// The one scratch bitmap the menu bar and the frame painter compose in (main thread only; never used by two
// compositions at once). Sized to width x height (its pixels are then undefined), stretch mode COLORONCOLOR.
// It lives until the program ends.
TBitmap& ScratchBitmap(int width, int height);
