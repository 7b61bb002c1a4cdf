// TWinSkinPopMenu: the painter of one popup menu window ("#32768"). It gives the menu the skin's border
// and composes the skin's menu background, from which the item drawing copies each item's background.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/window/SkinManage.h"

class TBitmap;
class TDataSkinObject;
class TSkinData;

class TWinSkinPopMenu : public TSkinPopupPainter {
public:
    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu() override;
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    // Subclasses the menu window; `attachFlag` keeps this popup from becoming the current one.
    void Attach(HWND menuWindow, TSkinData* skinData, bool attachFlag = false);
    // Gives the window its procedure back and frees the background.
    void Detach();

    HWND PaintedWindow() const override { return window_; }
    void DetachPopup() override { Detach(); }
    // The composed background of the last paint (window coordinates), or null.
    TBitmap* Background() const { return background_.get(); }

    // Kept on the painter by the skin manager for the menu bar.
    bool menuBarMark = false;
    HMENU menu = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    TDataSkinObject* BackgroundElement() const;
    bool ComposeBackground();
    void PaintBorder(HRGN updateRegion);

    HWND window_ = nullptr;
    TSkinData* skinData_ = nullptr;
    bool attachFlag_ = false;
    std::unique_ptr<TBitmap> background_;
};

// The popup whose background the item drawing reads: the one painted last, cleared when it is freed.
TWinSkinPopMenu* CurrentPopup();
TBitmap* CurrentPopupBackground();
