// Measuring and laying out one skinned menu item: where the glyph box, the caption and the shortcut go
// inside the item's rectangle, and how large an item is. The drawing (MenuItemPaint) measures texts and
// draws into these places; the menu bar and the popup menus share both.
#pragma once

#include "skin/window/ElementGeometry.h"

#include <string>

// The popup menu window's border width: item rectangles sit this far inside the composed background.
inline constexpr int PopupBorderWidth = 3;
// Glyph box width without an image list.
inline constexpr int DefaultGlyphSize = 16;

struct MenuItemFacts {
    GeoRect item;
    bool separator = false;
    bool checked = false;
    int imageListWidth = 0; // 0: the menu has no image list
    int skinLeftWidth = -1; // left width of the skin's "MenuItem" element; -1 without one
    bool rightToLeft = false;
    int captionWidth = 0;   // the caption as measured
    int captionHeight = 0;
};

struct MenuItemPlaces {
    GeoRect glyphBox;  // empty for a separator
    GeoRect caption;   // where the caption text is drawn, vertically centred
    GeoRect shortcut;  // right-aligned (left-aligned right to left)
    int separatorY = 0; // the etched line of a separator without skin image
};

MenuItemPlaces LayoutMenuItem(const MenuItemFacts& facts);

// An empty caption or a lone "&" is measured as if a space followed it.
std::wstring MeasuringText(const std::wstring& caption);

struct MenuItemSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const MenuItemSize&, const MenuItemSize&) = default;
};

// An item of the window's system menu measured from its text alone.
MenuItemSize MeasureSystemItem(int textWidth, int textHeight, bool hasText, int skinLeftWidth, bool win9x);

// The item's own size before the skin's additions: glyph box, gap, caption and shortcut side by side.
MenuItemSize MeasureItemContent(bool separator, int textWidth, int textHeight, int shortcutWidth, int imageListWidth,
                                int imageHeight);
// The skin's additions for popup-menu items and for the items below a main menu.
MenuItemSize MeasurePopupItem(MenuItemSize own, bool hasImageList, int skinLeftWidth);
MenuItemSize MeasureMainMenuItem(MenuItemSize own, bool hasImageList, int skinLeftWidth);
