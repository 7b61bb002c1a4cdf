// TWScrollbar: a small real window laid exactly over one scroll bar of another window (or over a scroll-bar
// control) and drawn from the skin. Presses on it are handed to the covered window, so the system's own
// scroll-bar logic does every scroll; the bar is repainted whenever the covered window scrolls.
#pragma once

#include <windows.h>

#include <memory>

#include "runtime/ExtCtrls.h"

class TSkinData;

class TWScrollbar : public TCustomPanel {
    GRV_CLASS(TWScrollbar)
public:
    // Kinds: the covered window's horizontal bar, its vertical bar, or a scroll-bar control.
    enum { kHorz = 0, kVert = 1, kControl = 2 };

    explicit TWScrollbar(TComponent* owner);
    ~TWScrollbar() override;

    // Covers a bar of a framework control (kinds 0, 1 and 2).
    void Setup(TComponent* ownerSkin, TSkinData* skin, TControl* control, int kind);
    // Covers a bar of a bare window (kinds 0 and 1).
    void Setup(TComponent* ownerSkin, TSkinData* skin, HWND window, int kind);

    // Lays the bar over the covered scroll bar, or hides it when that is hidden.
    void Place();
    void HideBar();
    bool Shown() const { return FShown; }
    // The part being scrolled, as the covered window's scroll notification names it.
    void SetHotPart(int part);
    int HotPart() const { return FHotPart; }
    bool Tracking() const { return FTracking; }
    HWND Target() const { return FTarget; }

    int FKind = 0;
    int FAxis = 0;
    HWND FTarget = nullptr;
    TControl* FTargetControl = nullptr;
    TComponent* FOwnerSkin = nullptr;
    int FArrowSize = 0;
    RECT FBarRect{};
    POINT FPos{};
    int FLength = 0;
    int FThumbStart = 0;
    int FThumbEnd = 0;
    POINT FDownCursor{};
    int FDownThumb = 0;
    int FHotPart = -1;
    bool FTracking = false;
    bool FShown = false;

protected:
    void CreateParams(TCreateParams& p) override;
    void WndProc(TMessage& m) override;
    void Paint() override;

private:
    // The covered bar's rectangle (screen), thumb, visibility and state; false when it cannot be read.
    struct BarInfo {
        RECT screen{};
        int thumbTop = 0;
        int thumbBottom = 0;
        bool invisible = false;
        bool enabled = true;
    };
    void init(TComponent* ownerSkin, TSkinData* skin, HWND window, int kind);
    bool readInfo(BarInfo& info) const;
    void readThumb(const BarInfo& info);
    int hitTest(POINT p) const;
    void pressed(TMessage& m);
    void released(TMessage& m);

    TSkinData* skin_ = nullptr;
    HWND parentWindow_ = nullptr;
    // Cleared when the bar is destroyed, so that code resuming after a nested loop can tell.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
