// The skinned menu bar of one window (TWinSkinMenu) and its items (TMenuBtn). The window's menu is taken
// from the window, so that the system draws no bar of its own, and drawn by the frame painter in the bar's
// place of the non-client area; the bar's drop-downs are opened and walked by MenuBarTracking.
#pragma once

#include <windows.h>

#include "skin/window/MenuBarRules.h"
#include "skin/window/WinSysButton.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TMainMenu;
class TMenuItem;
class TSkinData;
class TWinSkinForm;
class TWinSkinMenu;

class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm* owner, TWinSkinMenu* bar, int index) : TNCObject(owner), Bar(bar), Index(index) {}
    void MouseMove() override;
    // Repaints the item in its state on the window, over the bar background of the last full paint.
    void Paint() override;

    TWinSkinMenu* Bar;
    int Index;
    std::wstring Caption;
    TMenuItem* Item = nullptr; // the framework's item, when the window is a framework form
    HMENU SubMenu = nullptr;
    UINT Command = 0;
};

class TWinSkinMenu {
public:
    TWinSkinMenu(TWinSkinForm* form, TSkinData* skinData);
    ~TWinSkinMenu();
    TWinSkinMenu(const TWinSkinMenu&) = delete;
    TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

    // Reads the window's menu (the kept one once the window has none) into the items and takes the menu
    // from the window. Rebuild consults the framework item only for owner-drawn (empty) texts, then lays out.
    void Build();
    void Rebuild();
    // A new menu for the bar (the framework menu changed, or an MDI child brought its own).
    void SetMenuHandle(HMENU menu) { menu_ = menu; }
    HMENU MenuHandle() const { return menu_; }
    // Puts the menu back on the window (skinning switched off).
    void GiveMenuBack();

    // Item rectangles without painting; the bar in window coordinates.
    void Layout();
    void Paint(HDC dc, const RECT& barRect);
    // The item under a point in window coordinates, or none.
    TMenuBtn* ItemAt(POINT windowPoint) const;
    int ItemCount() const { return int(Items.size()); }
    TMenuBtn* Item(int index) const;
    std::vector<BarItemState> States() const;
    // Before a bar item's sub-menu opens: its items (and theirs) become owner-drawn, their texts kept.
    void PrepareSubMenu(HMENU menu);
    // WM_MEASUREITEM / WM_DRAWITEM for an item of the bar's sub-menus: true when handled.
    bool ItemMessage(UINT message, LPARAM lParam);
    // Draws one item over the saved background (state-change repaints).
    void PaintItem(HDC windowDc, const TMenuBtn& item);
    RECT BarRect() const { return barRect_; }
    bool RightToLeft() const;

    TWinSkinForm* Form;
    TSkinData* SkinData;
    TMainMenu* FrameworkMenu = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> Items;

private:
    void ReadItems(bool frameworkForEmptyOnly);
    void DrawItem(HDC dc, const TMenuBtn& item, POINT barOrigin);
    RECT CurrentBarRect() const;

    struct KeptItem {
        std::wstring text;
        bool separator = false;
    };
    const KeptItem* KeptItemOf(UINT id) const;

    HMENU menu_ = nullptr;
    std::vector<std::pair<UINT, KeptItem>> kept_; // the sub-menus' items by command id
    RECT barRect_{};
    std::unique_ptr<TBitmap> background_;
    bool painting_ = false;
};

// --- Opening the bar's items (MenuBarTracking.cpp) ---------------------------------------------------------
// Opens the bar item (its command first, then its sub-menu, tracked until it closes); the arrow keys and the
// mouse may move on to other bar items before it returns. The window and the frame painter may be gone then.
void OpenBarItem(TWinSkinForm& form, int index);
// Alt (key 0), F10 or Alt+letter from WM_SYSCOMMAND SC_KEYMENU: true when a bar item was opened.
bool OpenBarItemForKey(TWinSkinForm& form, wchar_t key);
// Whether a bar item's sub-menu is being tracked (one at a time in the program).
bool BarMenuOpen();
// The frame painter lets go of its bar: a menu of it still open is closed and forgotten.
void ForgetBarTracking(const TWinSkinForm& form);
