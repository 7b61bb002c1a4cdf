// Geometry of the skinned scroll bars: where the arrows, the track, the thumb and its grip go inside a bar,
// which frame of the skin's 23-frame scroll-bar strip each part shows in each state, which part a point hits,
// where a dragged thumb is, and which scroll position a dragged thumb of a drop-down list stands for.
// The bar windows and the list painter only gather the facts and blit.
#pragma once

#include "skin/window/ElementGeometry.h"

// The parts of a bar; the values are the system's scroll codes (SB_LINEUP, SB_LINEDOWN, SB_PAGEUP,
// SB_PAGEDOWN, SB_THUMBTRACK), so a WM_VSCROLL code names the part being scrolled.
enum ScrollPart : int {
    spNone = -1,
    spFirstArrow = 0,
    spSecondArrow = 1,
    spPageBefore = 2,
    spPageAfter = 3,
    spThumb = 5,
};

enum class ScrollPartState { Normal, Pressed, Hot };

// Normal unless the part is the hot part: pressed while the button is down on the bar, else hot.
ScrollPartState PartState(int part, int hotPart, bool tracking);

// Frames (from 1) of the skin's scroll-bar strip: arrows 1-4 left, 5-8 right, 9-12 up, 13-16 down (normal,
// pressed, -, hot); grips 17-19 horizontal, 20-22 vertical (normal, pressed, hot).
int ArrowFrame(bool vertical, bool second, ScrollPartState state);
int GripFrame(bool vertical, ScrollPartState state);
// The thumb element: 1 normal, 2 pressed, 3 hot. The track element: 1 enabled, 3 disabled.
int ThumbFrame(ScrollPartState state);
int TrackFrame(bool enabled);

// The bar's thickness: the strip's height, unless that differs from the arrow size by more than 2 pixels.
int BarThickness(int stripHeight, int arrowSize);

// The part under a point `along` the bar's axis (bar coordinates).
int ScrollHitTest(int along, int length, int arrowSize, int thumbStart, int thumbEnd);

// The rectangles of a bar of `length` along its axis and `breadth` across it, in bar coordinates.
struct ScrollBarLayout {
    GeoRect firstArrow;
    GeoRect secondArrow;
    GeoRect track; // inverted or empty when the bar is shorter than two arrows: no track then
};
ScrollBarLayout LayoutScrollBar(bool vertical, int length, int breadth, int arrowSize);

// The thumb across the thickness, and its grip (a square of the strip's height centred on the thumb), which
// is left out (empty) when the thumb is shorter than the grip plus 2 pixels.
struct ThumbLayout {
    GeoRect thumb;
    GeoRect grip;
};
ThumbLayout LayoutThumb(bool vertical, int thumbStart, int thumbEnd, int thickness, int gripSize);

struct ThumbExtent {
    int start = 0;
    int end = 0;
    friend bool operator==(const ThumbExtent&, const ThumbExtent&) = default;
};

// The thumb while it is dragged: the start reported at the press moved by the cursor, kept between the arrows.
ThumbExtent DraggedThumb(int downThumbStart, int thumbLength, int cursorDelta, int length, int arrowSize);

// The thumb of a scroll-bar control from its range, position and page (page 0: no page). A range whose
// maximum equals its minimum counts as 9,999,999 wide. With `minimumThumb` a paged thumb of 7 pixels or
// less is drawn 8 pixels long.
struct ScrollRange {
    int min = 0;
    int max = 0;
    int page = 0;
    int position = 0;
};
ThumbExtent ControlThumb(int length, int arrowSize, const ScrollRange& range, bool minimumThumb);

// The scroll position a dragged drop-down-list thumb stands for. `thumbTop`/`thumbBottom` are the thumb's
// extent reported at the press (bar coordinates), `cursorDelta` the cursor's move along the bar since then.
// When the thumb fills the whole track there is nothing to drag: the position is the minimum.
struct ListThumbDrag {
    int barLength = 0;
    int arrowSize = 0;
    int thumbTop = 0;
    int thumbBottom = 0;
    ScrollRange range;
};
int ListDragPosition(const ListThumbDrag& drag, int cursorDelta);

// a * b / c rounded half away from zero in 64 bits, as the system's MulDiv; -1 when c is 0 or the result
// does not fit.
int MulDivRound(int a, int b, int c);

// Where a bar window covers a system scroll bar. All points in screen coordinates.
struct BarFacts {
    bool vertical = false;
    bool windowVisible = false; // the covered window has WS_VISIBLE
    bool barInvisible = false;  // the scroll-bar information marks the bar invisible
    GeoRect barScreen;          // the system bar
    GeoPoint coveredClientOrigin;
    GeoPoint parentClientOrigin;
};
struct BarPlacement {
    bool shown = false;
    GeoRect barRect; // in the covered window's client coordinates
    int length = 0;
    GeoPoint pos;    // the bar window's place in its parent's client coordinates
};
BarPlacement PlaceBar(const BarFacts& facts);
