#include "skin/window/ToolBarSkin.h"

#include "runtime/BarCtrls.h"
#include "runtime/Menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"
#include "skin/window/SkinMenuHandlers.h"
#include "skin/window/WinSkinForm.h"

#include <commctrl.h>

#include <memory>
#include <string>

namespace {

constexpr int ButtonFrames = 5;

// Both handlers hold the painter's liveness: a handler left behind by a painter that is gone draws nothing.
struct SkinnedToolBarBackground {
    TWinSkinForm* skinner;
    std::shared_ptr<bool> alive;
    void operator()(TToolBar*, HDC dc, const RECT& rect, bool& defaultDraw) const {
        if (!*alive || !skinner->SkinData) return;
        TSkinData& skin = *skinner->SkinData;
        TDataSkinObject* back = skin.ToolbarBack.get();
        if (!back || !back->HasImage() || InSet(skin.Options, xoToolbarBK)) return;
        TBitmap* image = back->Bitmap.get();
        const int old = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, image->Canvas()->Handle(), 0,
                   0, image->Width(), image->Height(), SRCCOPY);
        SetStretchBltMode(dc, old);
        defaultDraw = true; // the buttons are drawn over it
    }
};

struct SkinnedToolBarButton {
    TWinSkinForm* skinner;
    std::shared_ptr<bool> alive;
    void operator()(TToolBar* bar, int button, HDC dc, const RECT& rect, UINT state, bool& defaultDraw) const {
        if (!*alive || skinner->SkinState != fsSkinned || !skinner->SkinData) return;
        TDataSkinButton* e = skinner->SkinData->Buttons.get();
        if (!e || !e->HasImage()) return;
        int frame = 0;
        TSkinColor colour = clBtnText;
        bool hasColour = false;
        if (state & CDIS_SELECTED) {
            frame = 2;
            colour = e->PressedColour2;
            hasColour = e->HasPressedColour2;
        } else if (state & (CDIS_FOCUS | CDIS_HOT)) {
            frame = 4;
            colour = e->MouseOverColour2;
            hasColour = e->HasMouseOverColour2;
        } else if ((state & CDIS_DEFAULT) && !(state & (CDIS_GRAYED | CDIS_DISABLED))) {
            frame = 1;
            colour = e->NormalColour2;
            hasColour = e->HasNormalColour2;
        }
        if (frame) {
            const RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
            PaintElement(dc, inner, e->Bitmap.get(), false, false, e->Trans != 0, ButtonFrames, frame,
                         GeoMargins{e->LeftWidth, e->TopHeight, e->RightWidth, e->BottomHeight});
        }
        // The caption over the frame (the system's own drawing would put its edges over the element).
        wchar_t text[128] = {};
        SendMessageW(bar->Handle(), TB_GETBUTTONTEXTW, WPARAM(100 + button), LPARAM(text));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(bar->Handle(), WM_GETFONT, 0, 0));
        const HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        const bool disabled = (state & (CDIS_GRAYED | CDIS_DISABLED)) != 0;
        const COLORREF oldColour = SetTextColor(
            dc, disabled ? GetSysColor(COLOR_GRAYTEXT)
                         : hasColour ? ColorToRGB(colour) : ColorToRGB(skinner->SkinData->SkinColors.ButtonText));
        RECT r = rect;
        if (frame == 2) OffsetRect(&r, 1, 1);
        DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SetTextColor(dc, oldColour);
        SelectObject(dc, oldFont);
        SetBkMode(dc, oldMode);
        defaultDraw = false;
    }
};

template <class T> bool Ours(const T& event, TWinSkinForm* skinner) {
    if (const auto* b = event.template target<SkinnedToolBarBackground>()) return !skinner || b->skinner == skinner;
    if (const auto* b = event.template target<SkinnedToolBarButton>()) return !skinner || b->skinner == skinner;
    return false;
}

} // namespace

void InstallToolBarHandlers(TWinSkinForm& skinner, TControl* control) {
    auto* bar = dynamic_cast<TToolBar*>(control);
    if (!bar) return;
    if (!bar->OnCustomDraw || Ours(bar->OnCustomDraw, nullptr))
        bar->OnCustomDraw = SkinnedToolBarBackground{&skinner, skinner.AliveFlag()};
    if (!bar->OnCustomDrawButton || Ours(bar->OnCustomDrawButton, nullptr))
        bar->OnCustomDrawButton = SkinnedToolBarButton{&skinner, skinner.AliveFlag()};
    if (bar->HandleAllocated()) InvalidateRect(bar->Handle(), nullptr, TRUE);
}

void OwnerDrawToolBarMenu(TWinSkinForm& skinner, TControl* control) {
    auto* bar = dynamic_cast<TToolBar*>(control);
    TMainMenu* menu = bar ? bar->Menu() : nullptr;
    if (!menu) return;
    for (int i = 0; i < menu->Items()->Count(); ++i) SetMenuItemOwnerDraw(menu->Items()->Items(i), skinner.SkinData, true);
    menu->SetOwnerDraw(true);
}

void RemoveToolBarHandlers(TComponent* form) {
    if (!form) return;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* bar = dynamic_cast<TToolBar*>(form->Components(i));
        if (!bar) continue;
        if (Ours(bar->OnCustomDraw, nullptr)) bar->OnCustomDraw = nullptr;
        if (Ours(bar->OnCustomDrawButton, nullptr)) bar->OnCustomDrawButton = nullptr;
        if (TMainMenu* menu = bar->Menu()) {
            for (int j = 0; j < menu->Items()->Count(); ++j) SetMenuItemOwnerDraw(menu->Items()->Items(j), nullptr, false);
            menu->SetOwnerDraw(false);
        }
        if (bar->HandleAllocated()) InvalidateRect(bar->Handle(), nullptr, TRUE);
    }
}
