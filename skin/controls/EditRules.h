// The geometry and small decisions of the text-entry painters: whether an edit has a border to skin, which
// child of an edit is its spin button, where a combo box's drop-down button, arrow glyph and text area are,
// which state frame it shows, and where a date-time picker's arrow button sits. Plain numbers in,
// rectangles out.
#pragma once

#include "skin/window/ElementGeometry.h"

#include <string>

// --- Edit -----------------------------------------------------------------------------------------------------

// An edit has a border to skin unless its client area is as wide or as high as its window.
bool EditHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight);
// The border drawn on a printed edit needs a client area more than 2 pixels narrower and lower.
bool EditPrintsBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight);
// The class name of an edit's child window that is its spin button (any letter case): "msctls_updown32",
// or a name containing "spin" or "updown".
bool IsSpinButtonClass(const std::string& className);

// --- Combo box ------------------------------------------------------------------------------------------

// The state frames of the combo button strips: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
int ComboFrame(bool pressed, bool hotOrFocused, bool enabled);
// The simple variant reads them in the same order.

struct ComboLayout {
    GeoRect textArea; // excluded from clipping while the border is drawn
    GeoRect button;   // where the button column is stretched
    GeoRect arrow;    // where the arrow glyph is centred
};
// The standard variant in a width x height window; `buttonWidth` is the system's horizontal scroll arrow
// width. The button is on the left with the left-scroll-bar extended style.
ComboLayout ComboButtonLayout(int width, int height, int buttonWidth, bool buttonOnLeft);

// Where a glyph strip of `frameCount` frames in a stripWidth x stripHeight image puts one frame unscaled,
// centred in `area` (free space halved toward zero). A frame count below 1 counts as 1.
GeoRect CentredGlyphPlace(const GeoRect& area, int stripWidth, int stripHeight, int frameCount);

// The simple variant (combo button style 1): the inner rectangle one pixel in; the strip filled at the
// button side, `thumbHeight` (the system's vertical thumb height) wide, two pixels in; and the button: the
// inner rectangle narrowed to one frame of the button strip at the button side, cut to the strip's
// height when that is lower than `thumbHeight`.
struct SimpleComboLayout {
    GeoRect inner;
    GeoRect fill;
    GeoRect button;
};
SimpleComboLayout SimpleComboButtonLayout(int width, int height, int thumbHeight, int frameWidth, int stripHeight,
                                          bool buttonOnLeft);

// The width of one frame of a strip, with a frame count below 1 taken as 1.
int StripFrameWidth(int stripWidth, int frameCount);

// --- Date-time picker -------------------------------------------------------------------------------------------

// The arrow button over a picker of that width: buttonSize wide, buttonSize + 1 high, at the top; 2 pixels
// from the left edge with the left-scroll-bar extended style, else buttonSize + 4 from the right edge.
GeoRect DateTimeArrowRect(int pickerWidth, int buttonSize, bool onLeft);
