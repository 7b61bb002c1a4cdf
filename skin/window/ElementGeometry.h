// Which piece of a skin element's strip goes to which piece of a target: the nine-part rule, its tiled
// centre, the three-part rules and the single-frame placements. The painters only carry these pieces
// out with the system's blitting calls.
#pragma once

#include <vector>

struct GeoRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsInverted() const { return right < left || bottom < top; }
    bool HasArea() const { return right > left && bottom > top; }
    friend bool operator==(const GeoRect&, const GeoRect&) = default;
};

// Unscaled edge widths: left, top, right, bottom.
struct GeoMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Frame `index` (from 1) of `count` frames laid side by side (or stacked when `vertical`) in a strip of
// the given size. A count below 1 is taken as 1 and the index is kept within 1..count, so that a bad
// skin value can never read outside the strip.
GeoRect FrameSource(int stripWidth, int stripHeight, bool vertical, int count, int index);

struct ElementPiece {
    GeoRect target;
    GeoRect source;
    bool tiled = false; // the source is repeated at its own size over the target instead of stretched
};

// The nine-part rule: the pieces of `frame` (a rectangle of the strip) that make a width x height result,
// in drawing order. Margins wider (taller) than the target are dropped on both sides; margins wider than
// the frame are cut to it, and pieces whose source or target is empty are left out, so that no piece ever
// reads outside its frame.
std::vector<ElementPiece> NinePartPieces(const GeoRect& frame, int width, int height, GeoMargins margins,
                                         bool tileCentre);

// Top-left corners at which a tile of the given size is drawn to cover `target`, row by row; the last tiles
// run past the target's right and bottom. None for an empty tile.
struct GeoPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const GeoPoint&, const GeoPoint&) = default;
};
std::vector<GeoPoint> TilePositions(const GeoRect& target, int tileWidth, int tileHeight);

// The horizontal three-part rule into a width x height result: the left margin piece, the middle piece
// repeated from x = left in steps of its width while x < width - right (each stretched to the full height),
// then the right margin piece. Top and bottom margins play no part.
std::vector<ElementPiece> ThreeSlicePieces(const GeoRect& frame, int width, int height, int leftWidth,
                                           int rightWidth);

// The stretched three-part rule into `target`: the whole frame stretched when the target is narrower than
// the frame; otherwise left piece, stretched middle and right piece, all at the full target height.
std::vector<ElementPiece> StretchedThreeSlicePieces(const GeoRect& frame, const GeoRect& target, int leftWidth,
                                                    int rightWidth);

// Where a frame of the given size is drawn at its own size, centred in `target` (free space halved,
// rounded toward zero).
GeoRect CentredFrameTarget(const GeoRect& target, int frameWidth, int frameHeight);
