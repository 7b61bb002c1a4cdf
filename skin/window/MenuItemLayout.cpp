#include "skin/window/MenuItemLayout.h"

#include <algorithm>

namespace {

int LeftWidthOf(int skinLeftWidth) { return std::max(0, skinLeftWidth); }

int CentredTop(const GeoRect& item, int height) { return item.top + (item.Height() - height) / 2; }

} // namespace

MenuItemPlaces LayoutMenuItem(const MenuItemFacts& f) {
    MenuItemPlaces p;
    const int lw = LeftWidthOf(f.skinLeftWidth);
    p.separatorY = f.item.top + 4;
    int boxWidth = f.imageListWidth > 0 ? f.imageListWidth : DefaultGlyphSize;
    if (f.checked) boxWidth = std::max(boxWidth, DefaultGlyphSize);
    const int top = CentredTop(f.item, f.captionHeight);
    if (!f.rightToLeft) {
        const int boxLeft = f.item.left + 1 + lw;
        if (!f.separator) p.glyphBox = {boxLeft, f.item.top + 1, boxLeft + boxWidth, f.item.bottom - 1};
        const int captionLeft = (f.separator ? boxLeft : boxLeft + boxWidth) + 3;
        p.caption = {captionLeft, top, f.item.right - 1, top + f.captionHeight};
        p.shortcut = {std::min(captionLeft + f.captionWidth, f.item.right - 11), top, f.item.right - 11,
                      top + f.captionHeight};
    } else {
        const int boxRight = f.item.right - 1 - lw;
        if (!f.separator) p.glyphBox = {boxRight - boxWidth, f.item.top + 1, boxRight, f.item.bottom - 1};
        const int captionRight = (f.separator ? boxRight : boxRight - boxWidth) - 3;
        p.caption = {f.item.left + 1, top, captionRight, top + f.captionHeight};
        p.shortcut = {f.item.left + 11, top, std::max(captionRight - f.captionWidth, f.item.left + 11),
                      top + f.captionHeight};
    }
    return p;
}

std::wstring MeasuringText(const std::wstring& caption) {
    if (caption.empty() || caption == L"&") return caption + L" ";
    return caption;
}

MenuItemSize MeasureSystemItem(int textWidth, int textHeight, bool hasText, int skinLeftWidth, bool win9x) {
    MenuItemSize s;
    s.width = textWidth + 26 + LeftWidthOf(skinLeftWidth);
    s.height = hasText ? textHeight + 4 : 8;
    if (win9x) s.height += 4;
    return s;
}

MenuItemSize MeasureItemContent(bool separator, int textWidth, int textHeight, int shortcutWidth, int imageListWidth,
                                int imageHeight) {
    if (separator) return {0, 8};
    const int box = imageListWidth > 0 ? imageListWidth : DefaultGlyphSize;
    MenuItemSize s;
    s.width = 1 + box + 3 + textWidth + (shortcutWidth > 0 ? 16 + shortcutWidth : 0);
    s.height = std::max(textHeight + 4, imageHeight + 2);
    return s;
}

MenuItemSize MeasurePopupItem(MenuItemSize own, bool hasImageList, int skinLeftWidth) {
    own.width += LeftWidthOf(skinLeftWidth) + 12 + (hasImageList ? 0 : 23);
    return own;
}

MenuItemSize MeasureMainMenuItem(MenuItemSize own, bool hasImageList, int skinLeftWidth) {
    own.width += LeftWidthOf(skinLeftWidth) + 10 + (hasImageList ? 0 : 25);
    return own;
}
