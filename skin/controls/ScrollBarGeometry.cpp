#include "skin/controls/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

ScrollPartState PartState(int part, int hotPart, bool tracking) {
    if (part != hotPart) return ScrollPartState::Normal;
    return tracking ? ScrollPartState::Pressed : ScrollPartState::Hot;
}

int ArrowFrame(bool vertical, bool second, ScrollPartState state) {
    const int normal = (vertical ? 9 : 1) + (second ? 4 : 0);
    switch (state) {
    case ScrollPartState::Pressed: return normal + 1;
    case ScrollPartState::Hot: return normal + 3;
    default: return normal;
    }
}

int GripFrame(bool vertical, ScrollPartState state) {
    const int normal = vertical ? 20 : 17;
    switch (state) {
    case ScrollPartState::Pressed: return normal + 1;
    case ScrollPartState::Hot: return normal + 2;
    default: return normal;
    }
}

int ThumbFrame(ScrollPartState state) {
    switch (state) {
    case ScrollPartState::Pressed: return 2;
    case ScrollPartState::Hot: return 3;
    default: return 1;
    }
}

int TrackFrame(bool enabled) { return enabled ? 1 : 3; }

int BarThickness(int stripHeight, int arrowSize) {
    return std::abs(stripHeight - arrowSize) > 2 ? arrowSize : stripHeight;
}

int ScrollHitTest(int along, int length, int arrowSize, int thumbStart, int thumbEnd) {
    if (along < arrowSize) return spFirstArrow;
    if (along < thumbStart) return spPageBefore;
    if (along < thumbEnd) return spThumb;
    if (along < length - arrowSize) return spPageAfter;
    return spSecondArrow;
}

namespace {

// A rectangle given along the bar's axis (from a to b) across its full breadth.
GeoRect Along(bool vertical, int from, int to, int breadth) {
    return vertical ? GeoRect{0, from, breadth, to} : GeoRect{from, 0, to, breadth};
}

} // namespace

ScrollBarLayout LayoutScrollBar(bool vertical, int length, int breadth, int arrowSize) {
    const int arrow = length < 2 * arrowSize ? length / 2 : arrowSize;
    return {Along(vertical, 0, arrow, breadth), Along(vertical, length - arrow, length, breadth),
            Along(vertical, arrowSize, length - arrowSize, breadth)};
}

ThumbLayout LayoutThumb(bool vertical, int thumbStart, int thumbEnd, int thickness, int gripSize) {
    ThumbLayout out;
    out.thumb = Along(vertical, thumbStart, thumbEnd, thickness);
    const int length = thumbEnd - thumbStart;
    if (gripSize > 0 && length >= gripSize + 2) {
        const int at = thumbStart + (length - gripSize) / 2;
        out.grip = Along(vertical, at, at + gripSize, gripSize);
    }
    return out;
}

ThumbExtent DraggedThumb(int downThumbStart, int thumbLength, int cursorDelta, int length, int arrowSize) {
    const int last = std::max(arrowSize, length - arrowSize - thumbLength);
    const int start = std::clamp(downThumbStart + cursorDelta, arrowSize, last);
    return {start, start + thumbLength};
}

int MulDivRound(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t divisor = std::llabs(std::int64_t(c));
    const std::int64_t magnitude = (std::llabs(product) + divisor / 2) / divisor;
    const std::int64_t result = ((product < 0) != (c < 0)) ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
    return int(result);
}

ThumbExtent ControlThumb(int length, int arrowSize, const ScrollRange& range, bool minimumThumb) {
    const std::int64_t wide = std::int64_t(range.max) - range.min;
    const int span = wide == 0 ? 9999999 : int(std::clamp<std::int64_t>(wide, 1, std::numeric_limits<int>::max()));
    const int offset = int(std::clamp<std::int64_t>(std::int64_t(range.position) - range.min, 0, span));
    const int track = std::max(0, length - 2 * arrowSize);
    int thumb, startTrack;
    if (range.page > 0) {
        thumb = std::max(0, MulDivRound(track, range.page - 1, span));
        startTrack = track;
        if (minimumThumb && thumb <= 7) {
            thumb = 8;
            startTrack = std::max(0, track - 8);
        }
    } else {
        thumb = arrowSize;
        startTrack = std::max(0, length - 3 * arrowSize);
    }
    const int start = offset == 0 ? arrowSize : arrowSize + std::max(0, MulDivRound(startTrack, offset, span));
    return {start, start + thumb};
}

int ListDragPosition(const ListThumbDrag& d, int cursorDelta) {
    const ScrollRange& r = d.range;
    const int track = d.barLength - 2 * d.arrowSize;
    const int thumb = d.thumbBottom - d.thumbTop;
    const int free = track - thumb;
    if (free <= 0 || r.max <= r.min) return r.min; // the thumb fills the track: nothing to drag
    int n = std::max(0, d.thumbTop - d.arrowSize + cursorDelta);
    int position;
    if (r.page > 0) {
        if (n > free) n = free + 1;
        position = r.min + MulDivRound(n, r.max - r.min - r.page, free);
        if (position >= r.max - r.page) position = r.max - r.page + 1;
    } else {
        n = std::min(n, free);
        position = std::min(r.max, r.min + MulDivRound(n, r.max - r.min, track));
    }
    return std::max(r.min, position);
}

BarPlacement PlaceBar(const BarFacts& f) {
    BarPlacement out;
    if (!f.windowVisible || f.barInvisible) return out;
    out.shown = true;
    const GeoRect& s = f.barScreen;
    out.barRect = {s.left - f.coveredClientOrigin.x, s.top - f.coveredClientOrigin.y, s.right - f.coveredClientOrigin.x,
                   s.bottom - f.coveredClientOrigin.y};
    out.length = f.vertical ? s.Height() : s.Width();
    out.pos = {s.left - f.parentClientOrigin.x, s.top - f.parentClientOrigin.y};
    return out;
}
