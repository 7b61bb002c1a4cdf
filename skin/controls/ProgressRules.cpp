#include "skin/controls/ProgressRules.h"

#include <algorithm>
#include <cstdint>

GeoRect ProgressWorkRect(int width, int height, bool vertical) {
    return vertical ? GeoRect{0, 0, height, width} : GeoRect{0, 0, width, height};
}

int ProgressFillLength(int workWidth, int position, int lower, int upper) {
    const std::int64_t span = std::int64_t(upper) - lower;
    std::int64_t done = std::int64_t(position) - lower;
    if (workWidth <= 0 || span <= 0 || done <= 0) return 0;
    done = std::min(done, span);
    // MulDiv: the product in 64 bits (it cannot overflow once done <= span < 2^32), rounded half up.
    return int((workWidth * done + span / 2) / span);
}

GeoRect ProgressBarRect(const GeoRect& work, int position, int lower, int upper) {
    const int length = ProgressFillLength(work.Width(), position, lower, upper);
    return {work.left, work.top, work.left + length, work.bottom};
}

GeoRect UprightFromLyingDown(const GeoRect& lying, int workWidth) {
    // Counter-clockwise: (x, y) goes to (y, W - 1 - x).
    return {lying.top, workWidth - lying.right, lying.bottom, workWidth - lying.left};
}

ChunkStrip ProgressChunkStrip(const GeoRect& work, int barRight, int chunkWidth, int chunkHeight, int leftWidth) {
    ChunkStrip strip;
    const int barWidth = barRight - work.left;
    if (chunkWidth <= 0 || chunkHeight <= 0 || barWidth <= 0) return strip;
    const int top = work.top + (work.Height() - chunkHeight) / 2;
    const int left = leftWidth + 2;
    strip.place = {left, top, left + barWidth, top + chunkHeight};
    const int copies = barWidth / chunkWidth + 1;
    strip.copiesAt.reserve(copies);
    for (int i = 0; i < copies; ++i) strip.copiesAt.push_back(i * chunkWidth);
    return strip;
}

GeoRect ProgressStretchedChunkPlace(const GeoRect& work, int barRight) {
    const GeoRect place{2, 2, 2 + barRight, 2 + work.Height() - 4};
    return place.HasArea() ? place : GeoRect{};
}

GeoRect TrackChannelRect(const GeoRect& reported, bool vertical) {
    if (vertical && reported.Width() > reported.Height())
        return {reported.top, reported.left, reported.bottom, reported.right};
    return reported;
}

namespace {

// Start cap, stretched middle and end cap along one axis: pairs of (target, source) intervals.
struct Span {
    int targetFrom, targetTo, sourceFrom, sourceTo;
};

std::vector<Span> CapSpans(int length, int imageLength, int capStart, int capEnd) {
    capStart = std::clamp(capStart, 0, imageLength);
    capEnd = std::clamp(capEnd, 0, imageLength - capStart);
    if (capStart + capEnd > length) {
        // The channel is shorter than both caps: each keeps its share of what there is.
        const int total = capStart + capEnd;
        capStart = total ? capStart * length / total : 0;
        capEnd = length - capStart;
    }
    std::vector<Span> spans;
    spans.push_back({0, capStart, 0, capStart});
    spans.push_back({capStart, length - capEnd, capStart, imageLength - capEnd});
    spans.push_back({length - capEnd, length, imageLength - capEnd, imageLength});
    return spans;
}

} // namespace

std::vector<ElementPiece> TrackChannelPieces(const GeoRect& channel, int imageWidth, int imageHeight, bool vertical,
                                             int capStart, int capEnd) {
    std::vector<ElementPiece> pieces;
    if (imageWidth <= 0 || imageHeight <= 0 || !channel.HasArea()) return pieces;
    if (vertical) {
        const int left = imageWidth < channel.Width() ? channel.left + (channel.Width() - imageWidth) / 2 : channel.left;
        for (const Span& s : CapSpans(channel.Height(), imageHeight, capStart, capEnd)) {
            ElementPiece piece{{left, channel.top + s.targetFrom, left + imageWidth, channel.top + s.targetTo},
                               {0, s.sourceFrom, imageWidth, s.sourceTo}};
            if (piece.target.HasArea() && piece.source.HasArea()) pieces.push_back(piece);
        }
    } else {
        const int top = imageHeight < channel.Height() ? channel.top + (channel.Height() - imageHeight) / 2 : channel.top;
        for (const Span& s : CapSpans(channel.Width(), imageWidth, capStart, capEnd)) {
            ElementPiece piece{{channel.left + s.targetFrom, top, channel.left + s.targetTo, top + imageHeight},
                               {s.sourceFrom, 0, s.sourceTo, imageHeight}};
            if (piece.target.HasArea() && piece.source.HasArea()) pieces.push_back(piece);
        }
    }
    return pieces;
}

bool ChooseThumbImage(bool vertical, ThumbPointing pointing, const ThumbSlots& slots, ThumbImage& image) {
    if (pointing != ThumbPointing::Both) {
        const bool reversed = pointing == ThumbPointing::Reversed;
        if (vertical && reversed && slots.left) return image = ThumbImage::Left, true;
        if (vertical && !reversed && slots.right) return image = ThumbImage::Right, true;
        if (!vertical && reversed && slots.up) return image = ThumbImage::Up, true;
        if (!vertical && !reversed && slots.down) return image = ThumbImage::Down, true;
    }
    if (vertical && slots.vert) return image = ThumbImage::Vert, true;
    if (slots.horz) return image = ThumbImage::Horz, true;
    return false;
}

UpDownHalves SplitUpDown(const GeoRect& d, bool horizontal) {
    if (horizontal) {
        const int mid = d.left + d.Width() / 2;
        return {{d.left, d.top, mid, d.bottom}, {mid, d.top, d.right, d.bottom}};
    }
    const int mid = d.top + d.Height() / 2;
    return {{d.left, d.top, d.right, mid}, {d.left, mid, d.right, d.bottom}};
}

GeoRect UpDownInEditRect(const GeoRect& client, const GeoRect& upDown, const GeoRect& edit) {
    constexpr int border = 3;
    GeoRect r = client;
    if (upDown.top - edit.top < border) r.top += border - (upDown.top - edit.top);
    if (edit.bottom - upDown.bottom < border) r.bottom -= border - (edit.bottom - upDown.bottom);
    if (edit.right - upDown.right < border) r.right -= border - (edit.right - upDown.right);
    return r;
}

int UpDownButtonState(bool cursorOver, bool pressed, bool hot, bool enabled) {
    if (!enabled) return 3;
    if (!cursorOver) return 1;
    if (pressed) return 2;
    return hot ? 4 : 1;
}
