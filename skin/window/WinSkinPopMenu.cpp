#include "skin/window/WinSkinPopMenu.h"

#include <commctrl.h>

#include "runtime/Graphics.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"
#include "skin/window/MenuItemLayout.h"

namespace {

constexpr UINT_PTR SubclassId = 0x47525650; // "GRVP"

TWinSkinPopMenu* currentPopup = nullptr;

bool MenuSkinningOn() { return SkinManager && SkinManager->skinning; }

bool IsWin9x() { return (GetVersion() & 0x80000000u) != 0; }

} // namespace

TWinSkinPopMenu* CurrentPopup() { return currentPopup; }

TBitmap* CurrentPopupBackground() { return currentPopup ? currentPopup->Background() : nullptr; }

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND menuWindow, TSkinData* skinData, bool attachFlag) {
    if (window_ || !menuWindow) return;
    window_ = menuWindow;
    skinData_ = skinData;
    attachFlag_ = attachFlag;
    menuBarMark = false;
    if (!SetWindowSubclass(window_, SubclassProc, SubclassId, reinterpret_cast<DWORD_PTR>(this))) window_ = nullptr;
}

void TWinSkinPopMenu::Detach() {
    if (currentPopup == this) currentPopup = nullptr;
    if (window_) RemoveWindowSubclass(window_, SubclassProc, SubclassId);
    window_ = nullptr;
    background_.reset();
}

LRESULT CALLBACK TWinSkinPopMenu::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self) {
    auto* painter = reinterpret_cast<TWinSkinPopMenu*>(self);
    if (message == WM_NCDESTROY) {
        painter->Detach();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return painter->WindowMessage(message, wParam, lParam);
}

TDataSkinObject* TWinSkinPopMenu::BackgroundElement() const {
    TDataSkinObject* e = skinData_ ? skinData_->MenuBackground.get() : nullptr;
    return e && e->HasImage() ? e : nullptr;
}

LRESULT TWinSkinPopMenu::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    if (message == WM_SKIN_QUERY) return 1;
    if (!MenuSkinningOn()) return DefSubclassProc(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY:
        Detach();
        return DefSubclassProc(window, message, wParam, lParam);
    case WM_ERASEBKGND:
        if (IsWin9x()) return 0;
        if (!(skinData_ && InSet(skinData_->Options, xoMenuBG))) DefSubclassProc(window, message, wParam, lParam);
        return 1;
    case WM_NCPAINT:
        if (!ComposeBackground()) break;
        PaintBorder(reinterpret_cast<HRGN>(wParam));
        if (!attachFlag_) currentPopup = this;
        return 0;
    case WM_PRINT: {
        if (!ComposeBackground()) break;
        HDC dc = reinterpret_cast<HDC>(wParam);
        const ElementImage image = ImageOf(background_.get());
        BitBlt(dc, 0, 0, image.width, image.height, image.dc, 0, 0, SRCCOPY);
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, PopupBorderWidth, PopupBorderWidth, image.width - PopupBorderWidth,
                          image.height - PopupBorderWidth);
        SetBkMode(dc, TRANSPARENT);
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        RestoreDC(dc, saved);
        return result;
    }
    default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool TWinSkinPopMenu::ComposeBackground() {
    TDataSkinObject* e = BackgroundElement();
    if (!e) return false;
    RECT r;
    GetWindowRect(window_, &r);
    const RECT whole{0, 0, r.right - r.left, r.bottom - r.top};
    // Replaced on every paint: the old composition is freed here, not kept until the window goes.
    background_ = BuildElementBitmap(whole, e->Bitmap.get(), GeoMargins{e->LeftWidth, e->TopHeight, e->RightWidth,
                                                                        e->BottomHeight},
                                     false, e->Tile != 0, 1, 1);
    return background_ != nullptr;
}

void TWinSkinPopMenu::PaintBorder(HRGN updateRegion) {
    // wParam 1 means the whole frame; any other value is a region in screen coordinates (owned by the system).
    HDC dc = nullptr;
    if (reinterpret_cast<UINT_PTR>(updateRegion) > 1)
        dc = GetDCEx(window_, updateRegion, DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
    if (!dc) dc = GetWindowDC(window_);
    if (!dc) return;
    const ElementImage image = ImageOf(background_.get());
    const int w = image.width, h = image.height, b = PopupBorderWidth;
    BitBlt(dc, 0, 0, w, b, image.dc, 0, 0, SRCCOPY);
    BitBlt(dc, 0, h - b, w, b, image.dc, 0, h - b, SRCCOPY);
    BitBlt(dc, 0, 0, b, h, image.dc, 0, 0, SRCCOPY);
    BitBlt(dc, w - b, 0, b, h, image.dc, w - b, 0, SRCCOPY);
    ReleaseDC(window_, dc);
}
