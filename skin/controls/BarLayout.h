// Layouts of the bar painters: status-bar panels, header sections under the mouse, and the shared placement of
// a picture and a text inside a tab or header section.
#pragma once

#include "skin/window/ElementGeometry.h"

#include <vector>

// --- Status bar ---------------------------------------------------------------------------------------------
enum class TPanelBevel { Lowered, Raised, None };
enum class TPanelAlignment { Left, Right, Centre };

// Frame of the status-bar edge strip: 1 lowered, 2 raised, 3 flat.
int StatusPanelFrame(TPanelBevel bevel);

// The panels' drawn rectangles from those the bar reports (panels it reports none for are left out by the
// caller): each widened by 2 to the right, the last one reaching the bar's right edge.
std::vector<GeoRect> StatusPanelRects(const std::vector<GeoRect>& reported, int barRight);

// A panel's text alignment, left and right exchanged for right-to-left reading.
TPanelAlignment StatusTextAlignment(TPanelAlignment alignment, bool rightToLeft);

// --- Header ---------------------------------------------------------------------------------------------------
// The section a point lies in (the stored rectangles are the sections narrowed by 3 on both sides), or -1.
int HeaderSectionAt(const std::vector<GeoRect>& sections, int x, int y);
// A section narrowed by 3 pixels left and right, as the hot test uses it.
GeoRect HeaderHotRect(const GeoRect& section);

// --- Picture and text -------------------------------------------------------------------------------------------
enum class TItemAlignment { Left = 0, Centre = 1, Right = 2 };

struct TItemContent {
    int pictureWidth = 0;  // from the image list; 0 without one
    int pictureHeight = 0;
    bool hasPicture = false; // an image index other than -1 and an image list
    int textWidth = 0;       // the measured text; 0 for an empty text
    int textHeight = 0;
};

struct TItemPlacement {
    bool drawPicture = false;
    GeoPoint picture;   // top-left of the picture
    GeoRect text;       // where the text goes
};

// Places picture and text in `box`: the picture is used only when it is narrower than the box; the start is
// 3 (left), the centre, or 2 short of the right edge, and never below 1; both are centred vertically.
TItemPlacement PlaceItem(const GeoRect& box, TItemAlignment alignment, const TItemContent& content);
