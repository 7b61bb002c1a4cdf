// Geometry of a skinned tab row: where the page frame and the tab row lie for tabs on each of the four
// sides, how a tab's rectangle moves into the off-screen strip that is drawn lying (left and right rows are
// drawn as a top row and turned a quarter turn afterwards), where a tab's close box sits, and which close box
// a click hits. Rectangles are in window coordinates with the window's top-left at (0, 0).
#pragma once

#include "skin/window/ElementGeometry.h"

#include <cstdint>
#include <vector>

enum class TTabSide { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// The side from the tab control's style: TCS_BOTTOM (2) with TCS_VERTICAL (0x80) is the right side,
// TCS_BOTTOM alone the bottom, TCS_VERTICAL alone the left, neither the top.
TTabSide TabSideFromStyle(std::uint32_t style);

// The page frame: the control's display area grown by 4 on every side, its edge on the tab side moved one
// pixel inward.
GeoRect TabPageRect(const GeoRect& displayArea, TTabSide side);

// The tab row: the part of the window outside the page frame on the tab side.
GeoRect TabRowRect(const GeoRect& window, const GeoRect& page, TTabSide side);

// The off-screen strip's size: the row's size, lying (width and height exchanged) for left and right rows.
struct TStripSize {
    int width = 0;
    int height = 0;
};
TStripSize TabStripSize(const GeoRect& row, TTabSide side);

// Where a tab (its rectangle as the control reports it) is drawn in the strip.
GeoRect TabInStrip(const GeoRect& tab, TTabSide side, const GeoRect& window, const GeoRect& page, const GeoRect& row);

// Where a rectangle of the strip ends up in the window once the strip is turned and copied to the row.
GeoRect StripToWindow(const GeoRect& inStrip, TTabSide side, const GeoRect& row);

// The close box of a tab drawn at `tabInStrip`: 6 x 6 pixels, 2 from the tab's top and right edges.
GeoRect CloseBoxInStrip(const GeoRect& tabInStrip);

// The index of the first close box containing the point (right and bottom edges excluded), or -1.
int CloseBoxAt(const std::vector<GeoRect>& closeBoxes, int x, int y);
