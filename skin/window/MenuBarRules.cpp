#include "skin/window/MenuBarRules.h"

#include "runtime/SysUtils.h"

#include <cwctype>

std::vector<GeoRect> LayoutMenuBar(const MenuBarFacts& bar, const std::vector<MenuBarItemFacts>& items) {
    std::vector<GeoRect> rects(items.size());
    auto widthOf = [](const MenuBarItemFacts& item) { return item.textWidth > 0 ? item.textWidth + 10 : 0; };
    const int bottom = bar.barHeight - 1;
    if (!bar.rightToLeft) {
        int x = bar.hasElement ? bar.elementLeft + 4 : 6;
        if (bar.barWidth < x) x = 12;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!items[i].visible) continue;
            const int w = widthOf(items[i]);
            rects[i] = {x, 0, x + w, bottom};
            x += w;
        }
        return rects;
    }
    int x = bar.barWidth - (bar.hasElement ? bar.elementRight + 8 : 6);
    if (bar.mdiButtonsLeft >= 0) x = bar.mdiButtonsLeft - 5;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].visible) continue;
        const int w = widthOf(items[i]);
        rects[i] = {x - w, 0, x, bottom};
        x -= w;
    }
    return rects;
}

int MenuBarItemAt(const std::vector<GeoRect>& rects, const std::vector<std::wstring>& captions, int x, int y) {
    for (std::size_t i = 0; i < rects.size() && i < captions.size(); ++i) {
        const GeoRect& r = rects[i];
        if (!captions[i].empty() && x >= r.left && x < r.right && y >= r.top && y < r.bottom) return int(i);
    }
    return -1;
}

int BarItemForAccelerator(const std::vector<BarItemState>& items, wchar_t key) {
    const wchar_t wanted = wchar_t(std::towupper(key));
    if (!wanted) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].visible && items[i].enabled && AcceleratorOf(items[i].caption) == wanted) return int(i);
    return -1;
}

int NeighbourBarItem(const std::vector<BarItemState>& items, int current, int direction) {
    const int n = int(items.size());
    if (n == 0) return -1;
    const int step = direction < 0 ? -1 : 1;
    int i = current;
    for (int tries = 0; tries < n; ++tries) {
        i = ((i + step) % n + n) % n;
        if (i == current) break;
        if (items[std::size_t(i)].visible && !items[std::size_t(i)].caption.empty()) return i;
    }
    return current;
}

BarKeyMove BarKeyDecision(char key, const OpenMenuFacts& facts) {
    if (facts.rightToLeft) key = key == 'L' ? 'R' : key == 'R' ? 'L' : key;
    if (key == 'L') {
        if (!facts.itemSelected || facts.selectedInBarSubMenu) return BarKeyMove::Previous;
        return BarKeyMove::None; // a deeper sub-menu closes itself
    }
    if (key == 'R') {
        if (!facts.itemSelected || !facts.selectedHasSubMenu) return BarKeyMove::Next;
        return BarKeyMove::None; // the selected item's own sub-menu opens
    }
    return BarKeyMove::None;
}
