// The geometry of the range controls' painters: how much of a progress bar is filled and where its chunks
// go, where a track bar's channel pieces and thumb image come from, and how an up-down splits into its two
// buttons and which state frame each shows. Plain numbers in, rectangles out; the painters only blit.
#pragma once

#include "skin/window/ElementGeometry.h"

#include <vector>

// --- Progress bar -----------------------------------------------------------------------------------------

// The rectangle the bar is composed in: the control's size, or lying down (width and height exchanged) for
// a vertical bar, which is turned upright at the end.
GeoRect ProgressWorkRect(int width, int height, bool vertical);

// The filled length of a work rectangle `workWidth` wide at `position` of the range lower..upper:
// workWidth * (position - lower) / (upper - lower) rounded to nearest, 0 for an empty or inverted range or a
// position at or below the lower limit, never past the width (a range of 20..100 at 60 fills half).
int ProgressFillLength(int workWidth, int position, int lower, int upper);

// The filled part of the work rectangle (empty when nothing is filled).
GeoRect ProgressBarRect(const GeoRect& work, int position, int lower, int upper);

// Where the filled part of a lying-down bar ends up once turned a quarter turn counter-clockwise into
// the upright control (width x height): at the bottom, growing upwards.
GeoRect UprightFromLyingDown(const GeoRect& lying, int workWidth);

// The chunk variant with a tiled chunk image `chunkWidth` x `chunkHeight`: a strip as wide as the bar
// carries copies at x = 0, w, 2w, ... ((bar width div w) + 1 of them); the strip is placed at
// x = leftWidth + 2 and vertically centred in the work rectangle. No copies for an empty chunk image or
// an empty bar.
struct ChunkStrip {
    GeoRect place;             // where the strip goes in the work rectangle
    std::vector<int> copiesAt; // x of each copy within the strip
};
ChunkStrip ProgressChunkStrip(const GeoRect& work, int barRight, int chunkWidth, int chunkHeight, int leftWidth);

// The stretched chunk variant: the chunk element is resized over (0, 0, barRight, work height) into a
// bitmap barRight wide and work height - 4 high placed at (2, 2). Empty when there is nothing to draw.
GeoRect ProgressStretchedChunkPlace(const GeoRect& work, int barRight);

// --- Track bar ----------------------------------------------------------------------------------------------

// The channel rectangle as the control reports it, made upright for a vertical track bar: its x and y
// are exchanged when it comes lying down (wider than tall); a rectangle that is already upright (as some
// systems report it) is kept.
GeoRect TrackChannelRect(const GeoRect& reported, bool vertical);

// The pieces of a channel image (imageWidth x imageHeight) across the channel: for a horizontal channel
// the left cap of `capStart` columns, the middle stretched, the right cap of `capEnd` columns, the image
// vertically centred when lower than the channel, else at its top; for a vertical channel the same down
// the channel with rows, horizontally centred when narrower. Caps that do not fit are shrunk.
std::vector<ElementPiece> TrackChannelPieces(const GeoRect& channel, int imageWidth, int imageHeight, bool vertical,
                                             int capStart, int capEnd);

// Which thumb image a track bar shows, by orientation and the way its thumb points.
enum class ThumbImage { Horz, Vert, Up, Down, Left, Right };
enum class ThumbPointing { Both, Default, Reversed }; // Default: down (horizontal) or right (vertical)
struct ThumbSlots {
    bool horz = false, vert = false, up = false, down = false, left = false, right = false; // the skin has it
};
// The pointed image for a thumb that points one way when the skin has it; otherwise (and for a thumb that
// points both ways) the vertical image for a vertical track bar that has one, else the horizontal image.
// Answers false when the skin has neither image to offer.
bool ChooseThumbImage(bool vertical, ThumbPointing pointing, const ThumbSlots& slots, ThumbImage& image);

// The thumb always shows frame 2 of its strip.
constexpr int TrackThumbFrame = 2;

// --- Up-down ------------------------------------------------------------------------------------------------

struct UpDownHalves {
    GeoRect first;  // left or up
    GeoRect second; // right or down
};
// The two buttons of a drawing rectangle: left half (width div 2) and the rest when horizontal, else the
// upper half (height div 2) and the rest.
UpDownHalves SplitUpDown(const GeoRect& drawing, bool horizontal);

// The drawing rectangle of an up-down inside an edit: its client rectangle moved clear of the edit's
// 3-pixel border. Window rectangles are in screen coordinates.
GeoRect UpDownInEditRect(const GeoRect& client, const GeoRect& upDownWindow, const GeoRect& editWindow);

// A button's state: 1 normal, 2 pressed, 3 disabled, 4 hot. The cursor must be over the button for
// pressed or hot; disabled wins over everything.
int UpDownButtonState(bool cursorOver, bool pressed, bool hot, bool enabled);
// The frame of the 8-frame strip: the state for the first button, state + 4 for the second.
inline int UpDownFrame(int state, bool secondButton) { return secondButton ? state + 4 : state; }
