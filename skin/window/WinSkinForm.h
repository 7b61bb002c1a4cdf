// TWinSkinForm: the frame painter of one top-level window. The skin manager attaches it to every window
// that is to wear the skin (framework forms, system dialogs, message dialogs, MDI children). It subclasses
// the window, takes over the non-client area (borders, title with icon, caption text and caption buttons,
// the menu bar's place), cuts the window's region from the border bitmaps, keeps the client size when the
// skin's borders differ from the system's, and owns the painters of the window's controls.
//
// Where its work is defined:
//   WinSkinForm.cpp            creation, attach, metrics, activation, resizing, detach, skin change
//   WinSkinFormMessages.cpp    WindowMessage (three stages), FormMessage, CalcFrame, HitTest
//   FramePaint.cpp             PaintFrame, DrawCaption, UpdateRegion
//   CaptionButtons.cpp         the caption buttons and the system menu (create, free, draw, mouse, timer)
//   ControlClassification.cpp  classifying the controls and the painters list (Painters)
// The geometry and the decisions are pure functions in FrameRules.h.
#pragma once

#include <windows.h>

#include "runtime/Classes.h"
#include "runtime/Color.h"
#include "runtime/Controls.h"
#include "skin/window/FrameRules.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TCanvas;
class TControl;
class TCustomForm;
class TFont;
class TNCObject;
class TSkinMenuPopup;
class TSkinControl;
class TSkinData;
class TTimer;
class TWinSkinMenu;
class TWinSysButton;

// Skin states of a frame painter.
enum TFrameSkinState : int {
    fsAttached = 0,   // attached, not skinned yet (until WM_SKIN_ACTIVATE)
    fsSkinned = 1,
    fsReskinning = 3, // during SkinChanged
    fsDetaching = 4,  // on WM_NCDESTROY
    fsResizing = 5,   // while Activate resizes the window
    fsDestroyed = 6,  // the window is gone: the skin manager drops and frees the painter
};

class TWinSkinForm : public TComponent, public TSkinFormPainter {
    GRV_CLASS(TWinSkinForm)
public:
    // owner: the framework form for a framework window (the painter dies with it), else none.
    TWinSkinForm(TComponent* owner, HWND window, const std::string& className);
    ~TWinSkinForm() override;

    // --- Attach and detach ----------------------------------------------------------------------------
    void AttachForm(TSkinData* skinData, TCustomForm* form);
    void AttachToWindow(TSkinData* skinData); // once; a second call does nothing
    void ComputeMetrics();                    // border sizes and caption buttons from the skin
    void Activate();                          // on WM_SKIN_ACTIVATE
    void ResizeToClient(bool keepCurrentClient);
    void Detach(bool onDestroy) override;     // false: skinning switched off; true: DetachOnDestroy
    void DetachOnDestroy();
    void SkinChanged();
    void TakeSkinColours(); // the form's face and text colours from the skin
    void SetCaptionStyle(bool on); // on: WS_CAPTION back (only under the caption-style workaround)
    void FrameChanged();
    void DropRegion();

    // --- Painting (FramePaint.cpp) ---------------------------------------------------------------------
    void PaintFrame(HDC dc = nullptr);
    void DrawCaption(HDC titleDc, int titleWidth, int titleHeight);
    void UpdateRegion();

    // --- Messages (WinSkinFormMessages.cpp) ---------------------------------------------------------------
    LRESULT WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void FormMessage(TMessage& message);
    LRESULT CalcFrame(WPARAM wParam, LPARAM lParam);
    LRESULT HitTest(WPARAM wParam, LPARAM lParam);
    // The previous window procedure ("default").
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

    // --- Caption buttons and system menu (CaptionButtons.cpp) ---------------------------------------
    void CreateCaptionButtons();     // one per caption-button element of the skin, in the skin's order
    void FreeCaptionButtons() override;
    // Lays the buttons out against the caption-text rectangle and draws them into the title composition.
    void DrawCaptionButtons(HDC titleDc);
    // WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN/UP/DBLCLK, WM_NCRBUTTONDOWN: true when handled (result set).
    bool CaptionMouseMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WM_SYSCOMMAND before default processing: keyboard menu and state tracking. True when the command was
    // taken (Alt+Space opened the skinned system menu): then no default processing.
    bool CaptionSysCommand(WPARAM wParam, LPARAM lParam);
    void TrackHover();               // the 250 ms timer
    void ForgetCurrentObject();      // the hover state is rebuilt by the next mouse move
    void FreeSystemMenu();

    // --- Menu bar (WinSkinMenu.cpp, MenuBarTracking.cpp) ------------------------------------------------
    void CreateMenuBar();                  // the window has a menu: take it into a skinned bar
    void FreeMenuBar(bool giveMenuBack);   // the menu goes back to the window when asked
    void RebuildMenuBar();                 // the menu changed

    // --- MDI frames (MdiClientSkin.cpp) ----------------------------------------------------------------
    void SubclassMdiClient();
    void UnsubclassMdiClient();
    // An MDI frame whose active child is maximized: the child's buttons sit in the frame's menu bar.
    bool MdiChildMaximized() const;
    static LRESULT CALLBACK MdiClientProc(HWND client, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR self);

    // --- Controls (ControlClassification.cpp) -----------------------------------------------------
    void SkinFormControls(TCustomForm* form);
    void SkinChildWindows(HWND handle);
    void ClassifyWindow(HWND handle);           // one child window (the size grip seen by the hook)
    void RebuildScrollPainter(HWND control);    // WM_SKIN_REBUILDSCROLL
    void ReloadPainters();                      // after a skin change
    void ReleasePainterHover();                 // the window was deactivated
    void FreePainters();                        // detach and free the painters this frame painter owns

    // --- What the skin manager asks -------------------------------------------------------------------
    HWND PaintedWindow() const override { return Handle; }
    TSkinData* PainterSkinData() const override { return SkinData; }
    int PainterSkinState() const override { return SkinState; }
    int PainterWindowKind() const override { return WindowKind; }
    int PainterShowState() const override { return ShowState; }
    bool PainterHoldsRegion() const override { return RegionOwned && Region != nullptr; }
    void RecomputeMetrics() override { ComputeMetrics(); }
    void PainterSkinChanged() override { SkinChanged(); }
    void PainterUpdateRegion() override { UpdateRegion(); }
    void PainterSetCaptionStyle(bool on) override { SetCaptionStyle(on); }
    void PainterDropRegion() override { DropRegion(); }
    void PainterSetShowState(int state) override { ShowState = state; }

    // --- Window ---------------------------------------------------------------------------------------
    HWND Handle = nullptr;
    TCustomForm* Form = nullptr; // none for raw windows
    std::string WindowClass;     // the class name, at most 100 characters
    HWND OwnerWindow = nullptr;
    bool Unicode = true;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    bool RightToLeft = false;
    bool Child = false;
    bool SystemDialog = false; // "#32770" or "TMessageForm"

    // --- Subclassing ----------------------------------------------------------------------------------
    bool Subclassed = false; // the window procedure is routed through WindowMessage
    LONG_PTR ChainProc = 0;  // the window procedure right after our link went into the subclass chain
    // The frame painter's link in the form's message-handler chain. Whoever replaced the form's handler
    // after us keeps this link as its "previous" handler, so a painter that lets go cannot always take the
    // link out: the link then only passes every message on (painter none).
    struct FormHookState {
        TWinSkinForm* painter = nullptr;
        TWndMethod previous;
    };
    std::shared_ptr<FormHookState> FormHook;

    // --- Switches and kinds -----------------------------------------------------------------------------
    bool SkinFrame = true;
    int WindowKind = wkOrdinary;
    HWND MdiClientWindow = nullptr;
    bool MdiClientSubclassed = false;
    bool MenuUpdateAtAttach = true; // the skin data's MenuUpdate before MDI children switched it off
    int BorderKind = bkSingle;
    int ShowState = ssNormal;
    bool Active = false;
    int CaptionBoxes = 0;     // cbSystemMenu | cbMinimize | cbMaximize | cbCaptionStyleWorkaround
    int SkinState = fsAttached;
    bool Attached = false;    // AttachToWindow ran
    bool Activated = false;   // WM_SKIN_ACTIVATE seen
    TSkinData* SkinData = nullptr;

    // --- Metrics (pixels) -------------------------------------------------------------------------------
    TFrameMetrics Metrics;    // L, T, R, B, M
    SIZE PreSkinNonClient{}; // window size minus client size before skinning
    RECT AttachClient{};     // the client rectangle at activation
    RECT CaptionTextRect{};  // of the last paint (caption buttons place themselves against it)
    int RightButtonsLeft = 0; // the largest left edge among right-aligned caption buttons
    SIZE RegionSize{};       // the window size the current region was built for
    HRGN Region = nullptr;   // handed to SetWindowRgn: the system's, never deleted by us
    bool RegionOwned = false;

    // --- Drawing resources --------------------------------------------------------------------------
    std::unique_ptr<TFont> CaptionFont;
    std::unique_ptr<TCanvas> FrameCanvas;
    std::unique_ptr<TCanvas> ControlCanvas; // handed to control painters
    std::unique_ptr<TBitmap> IconBitmap;    // SM_CXSMICON x SM_CYSMICON; blank without a window icon
    HICON SmallIcon = nullptr;              // the window's own small icon (not owned)
    std::wstring CaptionPrefix = L" ";
    std::wstring CaptionSuffix = L"  ";
    TColor SavedFormColor = 0;
    TColor SavedFontColor = 0; // the form's font colour before the skin's text colour replaced it

    // --- Input ----------------------------------------------------------------------------------------
    std::unique_ptr<TTimer> HoverTimer;     // 250 ms, on while the window is active
    TNCObject* CurrentObject = nullptr;     // the caption button or menu-bar item hot or pressed
    bool MenuTracking = false;
    DWORD LastSystemMenuClick = 0;
    UINT DoubleClickTime = 0;
    HMENU SystemMenuHandle = nullptr;

    // --- Owned objects --------------------------------------------------------------------------------
    std::vector<TWinSysButton*> CaptionButtons; // created and freed in CaptionButtons.cpp
    std::shared_ptr<TSkinMenuPopup> SystemMenu; // the skinned system-menu popup (CaptionButtons.cpp)
    TWinSkinMenu* MenuBar = nullptr;            // the skinned menu bar; none: no menu-bar height is reserved
    // Painters of the window's controls. Painters of framework controls are owned by their control (they
    // remove themselves from this list when freed); painters attached by window handle are owned here.
    std::vector<TSkinControl*> Painters;
    // Code that ran a modal loop keeps this and checks it before touching the painter again.
    std::shared_ptr<bool> AliveFlag() const { return alive_; }

private:
    void ReadWindowFacts();
    void Subclass();
    void Unsubclass();
    void HookForm();
    void UnhookForm();
    void LoadIconBitmap();
    void SetBorderMetrics();
    // Guards the window handle across calls that pump messages: false once the window has gone.
    bool WindowAlive() const;
    // False once this painter is destroyed: code that may have freed the painter (pumping messages, sending
    // messages, user events) keeps a copy and checks it before touching the painter again.
    std::shared_ptr<bool> alive_;
};

// The frame painter whose window procedure serves this window (through the subclass), or none.
TWinSkinForm* FramePainterOf(HWND window);
