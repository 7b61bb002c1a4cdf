#include "skin/controls/BarLayout.h"

int StatusPanelFrame(TPanelBevel bevel) {
    switch (bevel) {
    case TPanelBevel::Lowered: return 1;
    case TPanelBevel::Raised: return 2;
    case TPanelBevel::None: break;
    }
    return 3;
}

std::vector<GeoRect> StatusPanelRects(const std::vector<GeoRect>& reported, int barRight) {
    std::vector<GeoRect> rects = reported;
    for (GeoRect& r : rects) r.right += 2;
    if (!rects.empty()) rects.back().right = barRight;
    return rects;
}

TPanelAlignment StatusTextAlignment(TPanelAlignment a, bool rightToLeft) {
    if (!rightToLeft || a == TPanelAlignment::Centre) return a;
    return a == TPanelAlignment::Left ? TPanelAlignment::Right : TPanelAlignment::Left;
}

int HeaderSectionAt(const std::vector<GeoRect>& sections, int x, int y) {
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const GeoRect& s = sections[i];
        if (x >= s.left && x < s.right && y >= s.top && y < s.bottom) return int(i);
    }
    return -1;
}

GeoRect HeaderHotRect(const GeoRect& s) { return {s.left + 3, s.top, s.right - 3, s.bottom}; }

TItemPlacement PlaceItem(const GeoRect& box, TItemAlignment alignment, const TItemContent& c) {
    TItemPlacement p;
    p.drawPicture = c.hasPicture && c.pictureWidth < box.Width();
    int cx = p.drawPicture ? c.pictureWidth : 0, cy = p.drawPicture ? c.pictureHeight : 0;
    int x = 3;
    if (alignment == TItemAlignment::Centre) x = (box.Width() - cx - c.textWidth) / 2;
    else if (alignment == TItemAlignment::Right) x = box.Width() - cx - c.textWidth - 2;
    if (x < 2) x = 1;
    p.picture = {box.left + x, box.top + (box.Height() - cy) / 2};
    int textTop = box.top + (box.Height() - c.textHeight) / 2;
    p.text = {box.left + x + cx, textTop, box.left + x + cx + c.textWidth, textTop + c.textHeight};
    return p;
}
