// Drawing and measuring one skinned menu item with the skin's "MenuItem" element and menu colours. The
// system menu, popup menus and the menu bar's drop-downs all draw their items here.
#pragma once

#include <windows.h>

#include <string>

#include "skin/window/MenuItemLayout.h"

class TImageList;
class TSkinData;

struct MenuItemDrawFacts {
    std::wstring caption; // "-" for a separator; a tab may separate the caption from its shortcut
    std::wstring shortcut;
    bool selected = false;
    bool enabled = true;
    bool checked = false;
    bool radio = false; // a checked radio item shows a bullet
    bool defaultItem = false;
    int imageIndex = -1;
    TImageList* images = nullptr;
    bool rightToLeft = false;
    bool IsSeparator() const { return caption == L"-"; }
};

// The screen's menu font (and its bold form for default items), made once for the program.
HFONT MenuFont(bool bold = false);

// Draws the item into `rect` of `dc`. `skin` may be null (the system's colours, no element).
void DrawMenuItem(TSkinData* skin, HDC dc, const RECT& rect, const MenuItemDrawFacts& item);

// The size of an item of a popup menu (the framework's own measure plus the skin's additions).
MenuItemSize MeasurePopupMenuItem(TSkinData* skin, HDC dc, const MenuItemDrawFacts& item);

// The size of an item below a menu bar (the framework's own measure plus the skin's additions).
MenuItemSize MeasureBarMenuItem(TSkinData* skin, HDC dc, const MenuItemDrawFacts& item);

// An item of the window's system menu measured from its text alone.
MenuItemSize MeasureSystemMenuItem(TSkinData* skin, HDC dc, const std::wstring& text, bool win9x);
