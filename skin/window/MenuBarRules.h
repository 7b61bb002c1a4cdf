// The skinned menu bar's decisions as pure functions: where each bar item goes, which item a point or an
// accelerator names, which bar item the arrow keys move to while a sub-menu is open.
#pragma once

#include "skin/window/ElementGeometry.h"

#include <string>
#include <vector>

struct MenuBarFacts {
    int barWidth = 0;
    int barHeight = 0;
    bool hasElement = false; // the skin has a menu-bar element
    int elementLeft = 0;     // its left and right widths
    int elementRight = 0;
    bool rightToLeft = false;
    int mdiButtonsLeft = -1; // the leftmost MDI child button in the bar (bar coordinates); -1: none shown
};

struct MenuBarItemFacts {
    bool visible = true;
    int textWidth = 0; // the caption in the menu font
};

// Item rectangles in bar coordinates, one per item; an invisible item gets an empty rectangle. The items
// run on one line and are cut off at the bar's end.
std::vector<GeoRect> LayoutMenuBar(const MenuBarFacts& bar, const std::vector<MenuBarItemFacts>& items);

// The first item whose rectangle contains the point and whose caption is not empty; -1 when none.
int MenuBarItemAt(const std::vector<GeoRect>& rects, const std::vector<std::wstring>& captions, int x, int y);

struct BarItemState {
    std::wstring caption;
    bool visible = true;
    bool enabled = true;
};
// The visible, enabled item whose accelerator is `key` (either case); -1 when none.
int BarItemForAccelerator(const std::vector<BarItemState>& items, wchar_t key);
// The bar item next to `current` in `direction` (+1 right, -1 left), wrapping around and skipping items that
// are invisible or have no caption; `current` itself when there is no other.
int NeighbourBarItem(const std::vector<BarItemState>& items, int current, int direction);

// What an arrow key does while a bar item's sub-menu is open.
enum class BarKeyMove { None, Previous, Next };
struct OpenMenuFacts {
    bool itemSelected = false;         // an item of the open menus is selected
    bool selectedHasSubMenu = false;   // the selected item opens a sub-menu
    bool selectedInBarSubMenu = false; // the selected item belongs to the bar item's own sub-menu
    bool rightToLeft = false;          // the bar runs right to left: the arrows swap
};
// `key` is 'L' (left arrow) or 'R' (right arrow); anything else moves nothing.
BarKeyMove BarKeyDecision(char key, const OpenMenuFacts& facts);
