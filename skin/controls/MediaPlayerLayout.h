// The media player overlay's decisions: which buttons show (from the player's set properties read as
// text), how wide each is, which one a mouse x hits, which state frame of the push-button element and
// which glyph each shows, and where the glyph goes. Plain values in and out; the overlay only draws.
#pragma once

#include "skin/window/ElementGeometry.h"

#include <array>
#include <string_view>
#include <vector>

// The buttons in their order: play, pause, stop, next, previous, step, back, record, eject.
constexpr int MediaButtonCount = 9;
constexpr int NoMediaButton = 9; // the hit test's answer where no button is
// The player's button type names ("btPlay", ...), in that order.
extern const std::array<std::string_view, MediaButtonCount> MediaButtonNames;

struct TMediaButtonFlags {
    bool Visible = false, Enabled = false, Coloured = false;
    bool operator==(const TMediaButtonFlags&) const = default;
};
using TMediaButtons = std::array<TMediaButtonFlags, MediaButtonCount>;

// A button is visible, enabled or coloured when its type name occurs in the matching set text
// ("[btPlay,btStop]").
TMediaButtons MediaButtonsFromSets(std::string_view visible, std::string_view enabled, std::string_view coloured);
int VisibleMediaButtons(const TMediaButtons& buttons);
// The client width divided by the number of visible buttons (0 when none is visible).
int MediaButtonWidth(int clientWidth, int visibleCount);

// The visible buttons in order, each buttonWidth wide from x = 0, as tall as the client.
struct TMediaButtonPlace {
    int Button = NoMediaButton;
    GeoRect Rect;
    bool operator==(const TMediaButtonPlace&) const = default;
};
std::vector<TMediaButtonPlace> MediaButtonPlaces(const TMediaButtons& buttons, int buttonWidth, int clientHeight);

// The first visible button whose span [start, start + buttonWidth] holds x (a shared edge belongs to the
// left one), else NoMediaButton.
int MediaButtonAt(const TMediaButtons& buttons, int buttonWidth, int x);

// Frame of the push-button element: 3 for a disabled button, 2 while the mouse holds this button down,
// else 1.
int MediaButtonFrame(bool enabled, bool pressed, bool isDownButton);

enum class TMediaGlyph { Enabled, Disabled, Coloured };
TMediaGlyph MediaGlyphChoice(const TMediaButtonFlags& button);

// The glyph centred in its button (the free space halved toward zero, on both axes), one pixel right and
// down on the pressed frame.
GeoPoint MediaGlyphOrigin(const GeoRect& button, int glyphWidth, int glyphHeight, int frame);
