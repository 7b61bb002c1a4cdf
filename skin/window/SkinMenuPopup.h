// A small owner-drawn popup menu made from a SkinMenuModel: its items are measured and drawn by the skinned
// item drawing while it is tracked. The system menu of a skinned window is one.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/window/SystemMenuModel.h"

class TImageList;
class TSkinData;

class TSkinMenuPopup {
public:
    TSkinMenuPopup() = default;
    ~TSkinMenuPopup();
    TSkinMenuPopup(const TSkinMenuPopup&) = delete;
    TSkinMenuPopup& operator=(const TSkinMenuPopup&) = delete;

    // Replaces the menu's items.
    void Build(const SkinMenuModel& model, TSkinData* skinData, TImageList* images);
    const SkinMenuModel& Model() const { return model_; }
    HMENU Handle() const { return menu_; }

    // Tracks the menu at the screen point with `owner` receiving the item messages; the index of the item
    // chosen, or -1. The popup is kept alive by the call while the menu loop runs, even if its holder lets
    // it go; the owner (and whoever holds the popup) may be gone when this returns.
    static int Track(std::shared_ptr<TSkinMenuPopup> popup, HWND owner, int x, int y, UINT extraFlags = 0);

    // WM_MEASUREITEM / WM_DRAWITEM for this menu's items: true when handled.
    bool ItemMessage(UINT message, LPARAM lParam);

private:
    static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    const SkinMenuItem* ItemOf(ULONG_PTR itemData) const;

    SkinMenuModel model_;
    TSkinData* skinData_ = nullptr;
    TImageList* images_ = nullptr;
    HMENU menu_ = nullptr;
};
