// The scroll-bar painters. TSkinScrollbar covers the two window scroll bars of a control (list boxes, memos,
// tree views, scroll boxes) with TWScrollbar windows; TSkinListView does the same for a list view and skins
// its header; TSkinScrollbarH covers the bars of a bare window (the list of a simple combo box);
// TSkinScControl covers a scroll-bar control. TComboxScrollBar draws the vertical bar of a combo box's
// drop-down list straight into the list's frame and drags its thumb itself. TSkinSizer paints a size grip.
//
// Which framework classes each painter serves (the scrolling families of the classification):
// - list-view family (TSkinListView): TCustomListView and descendants (TListView);
// - the two further scrolling families (TSkinScrollbar): list boxes (TCustomListBox, TListBox) and tree
//   views (TCustomTreeView, TTreeView);
// - further scrolling families that IsScrollingControl accepts (TSkinScrollbar): memos (TCustomMemo, TMemo)
//   and scroll boxes (TScrollBox), whatever their current window style;
// - scrolling-container family (TSkinScControl, one bar over the control): scroll-bar controls
//   (TCustomScrollBar, TScrollBar).
#pragma once

#include <windows.h>

#include <memory>

#include "skin/controls/ScrollBarWindow.h"
#include "skin/controls/WinSubClass.h"

class TSkinScrollbar : public TSkinControl {
    GRV_CLASS(TSkinScrollbar)
public:
    explicit TSkinScrollbar(TComponent* owner);
    ~TSkinScrollbar() override;

    // Takes the place of AttachControl for the scroll-bar painters (the canvas is not used).
    virtual void AttachScrollbars(TControl* control, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas);
    void Unskin() override;
    void SkinChanged() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    // 1: only the vertical bar is covered (the "singlescrollbar" kind of the third-party mapping).
    int FSingleBar = 0;
    std::unique_ptr<TWScrollbar> FHorzBar;
    std::unique_ptr<TWScrollbar> FVertBar;
    bool FDrawBorder = false;

protected:
    void PlaceBars();
    void HideBars();
    void DrawBorder(HDC dc);
    void ForwardTracking(TMessage& m); // runs the covered window's own procedure for a press, survives its end

private:
    TColor savedFixedColor_ = 0;
    bool fixedColorChanged_ = false;
};

class TSkinListView : public TSkinScrollbar {
    GRV_CLASS(TSkinListView)
public:
    explicit TSkinListView(TComponent* owner) : TSkinScrollbar(owner) {}
    void AttachScrollbars(TControl* control, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) override;
    TSkinControl* FHeader = nullptr; // owned by the list view's owner
};

class TSkinScrollbarH : public TSkinControl {
    GRV_CLASS(TSkinScrollbarH)
public:
    explicit TSkinScrollbarH(TComponent* owner);
    ~TSkinScrollbarH() override;
    void AttachWindow(HWND window, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) override;
    void Unskin() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    std::unique_ptr<TWScrollbar> FHorzBar;
    std::unique_ptr<TWScrollbar> FVertBar;
};

class TSkinScControl : public TSkinControl {
    GRV_CLASS(TSkinScControl)
public:
    explicit TSkinScControl(TComponent* owner);
    ~TSkinScControl() override;
    void AttachScControl(TControl* control, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas);
    void Unskin() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    std::unique_ptr<TWScrollbar> FBar;
};

// The drop-down list of a combo box: its vertical bar is drawn into the list's frame; the thumb is dragged
// by a loop of our own, the arrows and the track are left to the list.
class TComboxScrollBar : public TSkinControl {
    GRV_CLASS(TComboxScrollBar)
public:
    explicit TComboxScrollBar(TComponent* owner);
    ~TComboxScrollBar() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    int FArrowSize = 0;
    int FLength = 0;
    int FThumbStart = 0;
    int FThumbEnd = 0;
    int FHotPart = -1;
    bool FTracking = false;

private:
    bool dragThumb(TMessage& m); // true when the press was on the thumb and the drag ran
    void drawBorder(HDC dc);
};

// The size grip between two scroll bars of a dialog: filled with the skin's face colour and the grip drawn
// over it.
class TSkinSizer : public TSkinControl {
    GRV_CLASS(TSkinSizer)
public:
    explicit TSkinSizer(TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
};

// Sent by a combo box to its drop-down list when the list opens: the list's bar is painted again then.
inline constexpr UINT LBCB_CARETON = 0x1AE;
