// Draws one skinned scroll bar: the track, the two arrows, the thumb and its grip from the skin's scroll-bar
// strip and track and thumb elements. Shared by the bar windows and the drop-down list painter.
#pragma once

#include <windows.h>

class TSkinData;

struct ScrollBarLook {
    bool vertical = true;
    int length = 0;  // along the axis
    int breadth = 0; // across it
    int arrowSize = 0;
    int thumbStart = 0;
    int thumbEnd = 0;
    bool enabled = true;
    int hotPart = -1; // ScrollPart
    bool tracking = false;
};

// Whether the skin can draw scroll bars at all (it has the scroll-bar strip).
bool SkinDrawsScrollBars(const TSkinData& skin);

// Composes the bar off-screen and copies it to `dc` at (x, y). False, drawing nothing, when the skin has no
// scroll-bar strip or the bar has no area.
bool PaintSkinScrollBar(HDC dc, int x, int y, const TSkinData& skin, const ScrollBarLook& look);
