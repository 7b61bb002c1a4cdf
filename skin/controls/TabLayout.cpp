#include "skin/controls/TabLayout.h"

namespace {
constexpr std::uint32_t TabsBottom = 0x2;
constexpr std::uint32_t TabsVertical = 0x80;

GeoRect Offset(GeoRect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
} // namespace

TTabSide TabSideFromStyle(std::uint32_t style) {
    bool bottom = (style & TabsBottom) != 0, vertical = (style & TabsVertical) != 0;
    if (bottom && vertical) return TTabSide::Right;
    if (bottom) return TTabSide::Bottom;
    return vertical ? TTabSide::Left : TTabSide::Top;
}

GeoRect TabPageRect(const GeoRect& display, TTabSide side) {
    GeoRect p{display.left - 4, display.top - 4, display.right + 4, display.bottom + 4};
    switch (side) {
    case TTabSide::Top: ++p.top; break;
    case TTabSide::Bottom: --p.bottom; break;
    case TTabSide::Left: ++p.left; break;
    case TTabSide::Right: --p.right; break;
    }
    return p;
}

GeoRect TabRowRect(const GeoRect& w, const GeoRect& p, TTabSide side) {
    switch (side) {
    case TTabSide::Top: return {w.left, w.top, w.right, p.top};
    case TTabSide::Bottom: return {w.left, p.bottom, w.right, w.bottom};
    case TTabSide::Left: return {w.left, w.top, p.left, w.bottom};
    case TTabSide::Right: break;
    }
    return {p.right, w.top, w.right, w.bottom};
}

TStripSize TabStripSize(const GeoRect& row, TTabSide side) {
    if (side == TTabSide::Left || side == TTabSide::Right) return {row.Height(), row.Width()};
    return {row.Width(), row.Height()};
}

GeoRect TabInStrip(const GeoRect& t, TTabSide side, const GeoRect& window, const GeoRect& page, const GeoRect& row) {
    switch (side) {
    case TTabSide::Top: return Offset(t, 0, 1);
    case TTabSide::Bottom: return Offset(t, 0, -(page.bottom + 1));
    case TTabSide::Left: {
        int length = TabStripSize(row, side).width;
        return {length - t.bottom, t.left, length - t.top, t.right};
    }
    case TTabSide::Right: break;
    }
    int width = window.Width();
    return {t.top - 1, width - t.right, t.bottom - 1, width - t.left};
}

GeoRect StripToWindow(const GeoRect& s, TTabSide side, const GeoRect& row) {
    TStripSize size = TabStripSize(row, side);
    GeoRect turned = s;
    if (side == TTabSide::Left) turned = {s.top, size.width - s.right, s.bottom, size.width - s.left};
    else if (side == TTabSide::Right) turned = {size.height - s.bottom, s.left, size.height - s.top, s.right};
    return Offset(turned, row.left, row.top);
}

GeoRect CloseBoxInStrip(const GeoRect& t) { return {t.right - 8, t.top + 2, t.right - 2, t.top + 8}; }

int CloseBoxAt(const std::vector<GeoRect>& boxes, int x, int y) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const GeoRect& b = boxes[i];
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return int(i);
    }
    return -1;
}
