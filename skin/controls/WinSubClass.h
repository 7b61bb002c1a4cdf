// TSkinControl: the base of every control painter. A painter takes over the message handling of one
// control, lets the control's own procedure do the work and draws the control again from the skin.
//
// Two ways to attach:
//   AttachControl  a framework control: its WindowProc is replaced by the painter's router (the painter is
//                  owned by the control and dies with it);
//   AttachWindow   a bare window: its window procedure is replaced by a procedure instance bound to the
//                  painter (the painter is owned by the form skinner).
// Detaching puts the previous handler back only while the current one is still the painter's own; when
// somebody has replaced it since, the painter's link is left behind as a plain forwarder to the previous
// handler, so nothing ever calls into a freed painter.
//
// Derived painters override BeforeMessage (true lets the control's own procedure run), AfterMessage,
// DrawSkin (the control into a DC, origin at the window's top-left) and, where needed, the attach, Unskin
// and SkinChanged operations. The painter families are one file each in this folder.
#pragma once

#include <windows.h>

#include "runtime/Controls.h"
#include "skin/window/ControlRules.h"
#include "skin/window/SkinMessages.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class TCanvas;
class TDataSkinObject;
class TSkinData;
class TWinSkinForm;
struct TProcInstance;

// FState bits.
enum : std::uint8_t { psHot = 1, psPressed = 2 };
// FLifeState values.
enum : int { lsCreated = 0, lsAttached = 1, lsDestroyed = 6 };

class TSkinControl : public TComponent {
    GRV_CLASS(TSkinControl)
public:
    explicit TSkinControl(TComponent* owner);
    ~TSkinControl() override;

    // --- Virtual operations -------------------------------------------------------------------------------
    virtual void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas);
    virtual void AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas);
    virtual void Unskin();
    virtual bool BeforeMessage(TMessage& m);
    virtual void AfterMessage(TMessage& m);
    virtual void PaintWhole(HDC dc);
    virtual void DrawSkin(HDC dc, const RECT& r);
    virtual void SkinChanged();
    virtual bool CanSkin() { return true; }
    // The window was deactivated: a hot state waiting for a mouse-leave is dropped.
    virtual void ReleaseHover();

    // --- Routing ----------------------------------------------------------------------------------------------
    // Every message of the control passes here first.
    void RouteMessage(TMessage& m);
    // The control's own handling (the previous WindowProc, or the previous window procedure).
    void CallPrevious(TMessage& m);
    // Invalidates the paint target, or the whole window with erase and updates it at once.
    void Redraw();

    // --- Shared drawing and reading routines -------------------------------------------------------------
    void FillFace(HDC dc, const RECT& r);
    void FillParentColor(HDC dc, const RECT& r);
    static void FillColour(HDC dc, const RECT& r, std::uint32_t colour);
    // The RGB that text of this colour is drawn in over the skin (system text colours become the skin's).
    COLORREF TextColour(std::uint32_t colour) const;
    LONG_PTR WindowLong(int index) const;
    void DrawTextFocus(HDC dc, UINT flags, const RECT& rect);
    UINT TextFlags(UINT flags) const;
    void EmulateMouseDown(const TMessage& m);
    // Frame frameIndex (from 1) of frameCount side by side, nine-part resized into r; magenta transparent
    // when the element's Trans is set. Nothing for an empty rectangle or element.
    static void DrawElement(HDC dc, const RECT& r, int frameCount, int frameIndex, const TDataSkinObject* element);
    // For painters that draw their whole control in WM_PAINT: paints (BeginPaint when no DC came with the
    // message) through DrawSkin; the control never paints itself.
    void PaintControl(TMessage& m);
    // The BeforeMessage of such a painter: WM_PAINT through PaintControl, WM_ERASEBKGND swallowed, the rest
    // to the base.
    bool PaintWholeControl(TMessage& m);

    // Published properties of the painted control, read by name: -1, empty or none when missing.
    int IntProp(const char* name) const;
    std::string EnumProp(const char* name) const;
    std::wstring WideStrProp(const char* name) const;
    TObject* ObjectProp(const char* name) const;
    bool SetPropText(const char* name, const std::string& value);

    void Notification(TComponent* component, TOperation operation) override;

    // --- Fields -----------------------------------------------------------------------------------------------
    std::uint8_t FState = 0;
    TCanvas* FCanvas = nullptr;
    bool FEnabled = false;
    bool FFocused = false;
    std::wstring FCaption;
    TProcInstance* FWndProcInstance = nullptr;
    WNDPROC FOldWndProc = nullptr;
    bool FActive = true;
    bool FUnicode = false;
    TSkinData* FSkinData = nullptr;
    HWND FHandle = nullptr;
    bool FOldWindowProc = false; // a WindowProc was taken over (kept in the route link)
    TControl* FControl = nullptr;
    RECT FWindowRect{};
    TControl* FPaintTarget = nullptr;
    bool FRecolour = false;
    std::uint32_t FOldColor = 0;
    bool FAttached = false;
    int FLifeState = lsCreated;
    TWinSkinForm* FFormSkin = nullptr;
    int FNoMouseDown = 0;
    bool FParentBackSwitched = false;
    // The kind the factory created (for replacing a painter by a new one of the same kind).
    TPainterKind FKind = TPainterKind::None;

protected:
    // Puts the control's WindowProc back (only while it is still ours) and forgets the route link.
    void RestoreWindowProc();
    // Replaces the control's WindowProc by the router (control and speed-button attach).
    void TakeWindowProc(TControl* control);
    void AddToPainters();
    void SwitchParentBackground(bool off);
    // Copied by every message in flight: false once the painter has been freed.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);

private:
    struct TRouteLink;
    std::shared_ptr<TRouteLink> link_;
    void RestoreWindowProcedure();
};

// The painters of a form skinner, in the order they were attached.
void AddPainter(TWinSkinForm* formSkin, TSkinControl* painter);
void RemovePainter(TWinSkinForm* formSkin, TSkinControl* painter);
