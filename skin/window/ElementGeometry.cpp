#include "skin/window/ElementGeometry.h"

#include <algorithm>
#include <cstdint>

GeoRect FrameSource(int stripWidth, int stripHeight, bool vertical, int count, int index) {
    count = std::max(count, 1);
    index = std::clamp(index, 1, count);
    if (vertical) {
        const int fh = stripHeight / count;
        return {0, (index - 1) * fh, stripWidth, index * fh};
    }
    const int fw = stripWidth / count;
    return {(index - 1) * fw, 0, index * fw, stripHeight};
}

namespace {

void AddPiece(std::vector<ElementPiece>& pieces, GeoRect target, GeoRect source, bool tiled = false) {
    if (target.HasArea() && source.HasArea()) pieces.push_back({target, source, tiled});
}

} // namespace

std::vector<ElementPiece> NinePartPieces(const GeoRect& frame, int W, int H, GeoMargins m, bool tileCentre) {
    std::vector<ElementPiece> pieces;
    if (W <= 0 || H <= 0) return pieces;
    int l = std::max(m.left, 0), t = std::max(m.top, 0), r = std::max(m.right, 0), b = std::max(m.bottom, 0);
    // Summed in 64 bits: a damaged skin can give margins near the integer limit.
    if (W < std::int64_t{l} + r) l = r = 0;
    if (H < std::int64_t{t} + b) t = b = 0;
    const int sx = frame.left, sy = frame.top, fw = frame.Width(), fh = frame.Height();
    // Margins wider than the frame itself would read the neighbouring frame or past the strip.
    l = std::min(l, fw);
    r = std::min(r, fw - l);
    t = std::min(t, fh);
    b = std::min(b, fh - t);

    if (l * t > 0) AddPiece(pieces, {0, 0, l, t}, {sx, sy, sx + l, sy + t});
    if (l * b > 0) AddPiece(pieces, {0, H - b, l, H}, {sx, sy + fh - b, sx + l, sy + fh});
    if (r * t > 0) AddPiece(pieces, {W - r, 0, W, t}, {sx + fw - r, sy, sx + fw, sy + t});
    if (l > 0) AddPiece(pieces, {0, t, l, H - b}, {sx, sy + t, sx + l, sy + fh - b});
    if (t > 0) AddPiece(pieces, {l, 0, W - r, t}, {sx + l, sy, sx + fw - r, sy + t});
    AddPiece(pieces, {l, t, W - r, H - b}, {sx + l, sy + t, sx + fw - r, sy + fh - b}, tileCentre);
    if (r * b > 0) AddPiece(pieces, {W - r, H - b, W, H}, {sx + fw - r, sy + fh - b, sx + fw, sy + fh});
    if (r > 0) AddPiece(pieces, {W - r, t, W, H - b}, {sx + fw - r, sy + t, sx + fw, sy + fh - b});
    if (b > 0) AddPiece(pieces, {l, H - b, W - r, H}, {sx + l, sy + fh - b, sx + fw - r, sy + fh});
    return pieces;
}

std::vector<GeoPoint> TilePositions(const GeoRect& target, int tileWidth, int tileHeight) {
    std::vector<GeoPoint> points;
    if (tileWidth <= 0 || tileHeight <= 0) return points;
    for (int y = target.top; y < target.bottom; y += tileHeight)
        for (int x = target.left; x < target.right; x += tileWidth) points.push_back({x, y});
    return points;
}

std::vector<ElementPiece> ThreeSlicePieces(const GeoRect& frame, int W, int H, int l, int r) {
    std::vector<ElementPiece> pieces;
    if (W <= 0 || H <= 0) return pieces;
    const int sx = frame.left, sy = frame.top, fw = frame.Width(), fh = frame.Height();
    l = std::clamp(l, 0, std::max(fw, 0));
    r = std::clamp(r, 0, std::max(fw - l, 0));
    AddPiece(pieces, {0, 0, l, H}, {sx, sy, sx + l, sy + fh});
    const int middle = fw - l - r;
    if (middle > 0) {
        for (int x = l; x < W - r; x += middle)
            AddPiece(pieces, {x, 0, x + middle, H}, {sx + l, sy, sx + l + middle, sy + fh});
    }
    AddPiece(pieces, {W - r, 0, W, H}, {sx + fw - r, sy, sx + fw, sy + fh});
    return pieces;
}

std::vector<ElementPiece> StretchedThreeSlicePieces(const GeoRect& frame, const GeoRect& target, int l, int r) {
    std::vector<ElementPiece> pieces;
    const int fw = frame.Width();
    if (target.Width() < fw) {
        AddPiece(pieces, target, frame);
        return pieces;
    }
    l = std::clamp(l, 0, std::max(fw, 0));
    r = std::clamp(r, 0, std::max(fw - l, 0));
    const int sx = frame.left, sy = frame.top, fh = frame.Height();
    const int x = target.left, y = target.top, tw = target.Width(), th = target.Height();
    AddPiece(pieces, {x, y, x + l, y + th}, {sx, sy, sx + l, sy + fh});
    AddPiece(pieces, {x + l, y, x + tw - r, y + th}, {sx + l, sy, sx + fw - r, sy + fh});
    AddPiece(pieces, {x + tw - r, y, x + tw, y + th}, {sx + fw - r, sy, sx + fw, sy + fh});
    return pieces;
}

GeoRect CentredFrameTarget(const GeoRect& target, int frameWidth, int frameHeight) {
    const int x = target.left + (target.Width() - frameWidth) / 2;
    const int y = target.top + (target.Height() - frameHeight) / 2;
    return {x, y, x + frameWidth, y + frameHeight};
}
