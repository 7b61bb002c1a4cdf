#include "skin/window/SkinMenuPopup.h"

#include <commctrl.h>

#include "skin/window/MenuItemPaint.h"

namespace {

constexpr UINT_PTR OwnerSubclassId = 0x47525653; // "GRVS"

MenuItemDrawFacts DrawFacts(const SkinMenuItem& item, TImageList* images) {
    MenuItemDrawFacts f;
    f.caption = item.caption;
    f.shortcut = item.shortcut;
    f.enabled = item.enabled;
    f.checked = item.checked;
    f.defaultItem = item.defaultItem;
    f.imageIndex = item.imageIndex;
    f.images = images;
    return f;
}

} // namespace

TSkinMenuPopup::~TSkinMenuPopup() {
    if (menu_) DestroyMenu(menu_);
}

void TSkinMenuPopup::Build(const SkinMenuModel& model, TSkinData* skinData, TImageList* images) {
    if (menu_) DestroyMenu(menu_);
    model_ = model;
    skinData_ = skinData;
    images_ = images;
    menu_ = CreatePopupMenu();
    for (std::size_t i = 0; i < model_.items.size(); ++i) {
        const SkinMenuItem& item = model_.items[i];
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
        info.fType = MFT_OWNERDRAW;
        info.wID = static_cast<UINT>(i + 1);
        info.fState = (item.enabled ? MFS_ENABLED : MFS_GRAYED) | (item.checked ? MFS_CHECKED : 0) |
                      (item.defaultItem ? MFS_DEFAULT : 0);
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&model_.items[i]);
        InsertMenuItemW(menu_, static_cast<UINT>(i), TRUE, &info);
    }
}

const SkinMenuItem* TSkinMenuPopup::ItemOf(ULONG_PTR itemData) const {
    for (const SkinMenuItem& item : model_.items)
        if (reinterpret_cast<ULONG_PTR>(&item) == itemData) return &item;
    return nullptr;
}

bool TSkinMenuPopup::ItemMessage(UINT message, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        const SkinMenuItem* item = m->CtlType == ODT_MENU ? ItemOf(m->itemData) : nullptr;
        if (!item) return false;
        HDC dc = GetDC(nullptr);
        const MenuItemSize size = MeasurePopupMenuItem(skinData_, dc, DrawFacts(*item, images_));
        ReleaseDC(nullptr, dc);
        m->itemWidth = static_cast<UINT>(size.width);
        m->itemHeight = static_cast<UINT>(size.height);
        return true;
    }
    if (message == WM_DRAWITEM) {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        const SkinMenuItem* item = d->CtlType == ODT_MENU ? ItemOf(d->itemData) : nullptr;
        if (!item) return false;
        MenuItemDrawFacts facts = DrawFacts(*item, images_);
        facts.selected = (d->itemState & ODS_SELECTED) != 0 && item->enabled;
        DrawMenuItem(skinData_, d->hDC, d->rcItem, facts);
        return true;
    }
    return false;
}

LRESULT CALLBACK TSkinMenuPopup::OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
    if ((message == WM_MEASUREITEM || message == WM_DRAWITEM) &&
        reinterpret_cast<TSkinMenuPopup*>(self)->ItemMessage(message, lParam))
        return TRUE;
    return DefSubclassProc(window, message, wParam, lParam);
}

int TSkinMenuPopup::Track(std::shared_ptr<TSkinMenuPopup> popup, HWND owner, int x, int y, UINT extraFlags) {
    if (!popup || !popup->menu_ || popup->model_.items.empty() || !IsWindow(owner)) return -1;
    const int count = static_cast<int>(popup->model_.items.size());
    // The item messages go to the owner: listen there for as long as the menu is open. A subclass of
    // comctl32 goes away by itself when the owner is destroyed inside the menu loop. No notifications: the
    // owner would take this menu for one of its own (the caller has told the skin manager what it is).
    const bool listening =
        SetWindowSubclass(owner, OwnerProc, OwnerSubclassId, reinterpret_cast<DWORD_PTR>(popup.get()));
    const int chosen = static_cast<int>(TrackPopupMenuEx(popup->menu_,
                                                         TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON |
                                                             TPM_RETURNCMD | TPM_NONOTIFY | extraFlags,
                                                         x, y, owner, nullptr));
    if (listening && IsWindow(owner)) RemoveWindowSubclass(owner, OwnerProc, OwnerSubclassId);
    return chosen > 0 && chosen <= count ? chosen - 1 : -1;
}
