// Controls: TControl, TWinControl (a real window, created on demand) and TGraphicControl (painted by its
// parent). Every framework window is a Unicode window whose class name is the framework class name; the
// object is found from the window through the window property named by ControlAtom().
#pragma once

#include <windows.h>

#include "runtime/Classes.h"
#include "runtime/Graphics.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A window message as the framework passes it around.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
    WORD WParamLo() const { return LOWORD(WParam); }
    WORD WParamHi() const { return HIWORD(WParam); }
    WORD LParamLo() const { return LOWORD(LParam); }
    WORD LParamHi() const { return HIWORD(LParam); }
};
using TWndMethod = std::function<void(TMessage&)>;

// Framework notifications (private message range).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 2;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 3;
constexpr UINT CM_MOUSEENTER = CM_BASE + 4;   // lParam: the control (graphic child) or 0
constexpr UINT CM_MOUSELEAVE = CM_BASE + 5;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 6; // broadcast through a form; lParam: the focused TWinControl*
constexpr UINT CM_DIALOGKEY = CM_BASE + 7;    // wParam: virtual key; result non-zero: handled
constexpr UINT CM_DIALOGCHAR = CM_BASE + 8;   // wParam: character; result non-zero: handled
constexpr UINT CM_ENTER = CM_BASE + 9;
constexpr UINT CM_EXIT = CM_BASE + 10;
constexpr UINT CM_RECREATEWND = CM_BASE + 11;
constexpr UINT CM_MENUCHANGED = CM_BASE + 12;
constexpr UINT CM_FONTCHANGED = CM_BASE + 13;
constexpr UINT CM_COLORCHANGED = CM_BASE + 14;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 15;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 17;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 18;
// Messages a parent reflects to the child control they concern: CN_BASE + the original message (below
// CN_BASE + CN_RANGE). The range keeps clear of the CM_ messages and of the skinning engine's private
// messages 0xBC4A..0xBC4E, whose numbers are fixed.
constexpr UINT CN_BASE = 0xB400;
constexpr UINT CN_RANGE = 0x400;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
// A scroll-bar control's WM_HSCROLL/WM_VSCROLL, reflected to the control by its parent.
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;

// The atom of the window property "ControlOfs%.8X%.8X" (module instance, thread id of the first caller,
// the main thread) under which every framework window stores its TWinControl*.
ATOM ControlAtom();
std::wstring ControlAtomName();
class TWinControl;
// The framework control of a window of this process, or nullptr.
TWinControl* FindControl(HWND window);
HINSTANCE MainInstance();

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = uint32_t;
constexpr TAnchors AnchorsLeftTop = (1u << akLeft) | (1u << akTop);
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = uint32_t;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
extern const TEnumInfo AlignInfo, AnchorKindInfo, BiDiModeInfo;

TShiftState ShiftStateFromKeys(WPARAM keys);

class TControl : public TComponent {
    GRV_CLASS(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The replaceable message handler; the default is WndProc. Whoever replaces it keeps the previous one
    // and calls it for default processing.
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& message);
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    bool HasParent() const override { return true; }
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const;
    int ClientWidth() const { RECT r = ClientRect(); return r.right - r.left; }
    int ClientHeight() const { RECT r = ClientRect(); return r.bottom - r.top; }
    virtual void SetClientWidth(int v);
    virtual void SetClientHeight(int v);
    POINT ClientToScreen(POINT p);
    POINT ScreenToClient(POINT p);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Showing() const; // visible, and every parent too
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    // Caption and Text are the same text: 8-bit in the system code page, or wide.
    std::string Caption() const { return AnsiFromWide(WideText()); }
    void SetCaption(const std::string& s) { SetWideText(WideFromAnsi(s)); }
    std::string Text() const { return Caption(); }
    void SetText(const std::string& s) { SetCaption(s); }
    virtual std::wstring WideText() const { return text_; }
    virtual void SetWideText(const std::wstring& text);

    TColor Color() const { return color_; }
    void SetColor(TColor c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TFont* Font() const { return font_.get(); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors a) { anchors_ = a; }
    TBiDiMode BiDiMode() const { return bidi_; }
    void SetBiDiMode(TBiDiMode m) { bidi_ = m; }

    virtual void Click();
    // Called for a button press in the control; raises OnMouseDown. Skinning calls it for swallowed presses.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Invalidate();
    virtual void Update();
    void Repaint() { Invalidate(); Update(); }
    void BringToFront();

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void VisibleChanging() {}
    friend class TWinControl;

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::wstring text_;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool fontFromParent_ = false;
    TAlign align_ = alNone;
    TAnchors anchors_ = AnchorsLeftTop;
    TBiDiMode bidi_ = bdLeftToRight;
    bool mousePressed_ = false;
};

// The window-creation parameters a class fills in CreateParams.
struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    UINT ClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    HCURSOR Cursor = nullptr;
    HBRUSH Background = nullptr;
    std::wstring WinClassName;  // the framework class name
    std::wstring SysClassName;  // the system class it superclasses, or empty
};

class TWinControl : public TControl {
    GRV_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle();                 // creates the window (and its parents') when there is none yet
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    void RecreateWnd();

    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    TControl* ControlAtPos(POINT clientPoint) const; // topmost visible graphic child at the point

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    // This control's windowed children in tab order, each followed by its own (as the dialog manager walks).
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();
    // Sends the message to every child until one answers non-zero.
    void Broadcast(TMessage& message);
    void PaintControls(HDC dc, TControl* first = nullptr);
    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    void SetWideText(const std::wstring& text) override;
    std::wstring WideText() const override;
    void Invalidate() override;
    void Update() override;
    void AlignControls();
    bool ParentBackground() const { return parentBackground_; }
    void SetParentBackground(bool v);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void FontChanged() override;
    void ColorChanged() override;
    virtual void PaintWindow(HDC dc);  // the window's own painting (default: the system class's)
    virtual bool OwnPaint() const { return false; } // painted by the framework, not by a system class
    virtual HBRUSH ColorBrush();
    void AdjustAnchoredChildren(int dw, int dh);
    void CallDefaultWndProc(TMessage& message);
    virtual bool WantsKey(WORD key);
    void updateBoundsFromWindow(); // reads the bounds back from the window

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool parentBackground_ = false;
    bool mouseInside_ = false;
    TControl* hoverChild_ = nullptr;
    TControl* captureChild_ = nullptr;
    std::unique_ptr<TBrush> brush_;
    int lastClientW_ = -1, lastClientH_ = -1;

private:
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class TControl;
    void paintHandler(TMessage& message);
    bool forwardMouseToChild(TMessage& message);
    void trackMouse(TMessage& message);
};

class TGraphicControl : public TControl {
    GRV_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas* Canvas() { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void Dispatch(TMessage& message) override;

private:
    std::unique_ptr<TCanvas> canvas_;
};

// A windowed control painted by the framework: a canvas on its DC while it paints, and Paint().
class TCustomControl : public TWinControl {
    GRV_CLASS(TCustomControl)
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* Canvas() { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;
    bool OwnPaint() const override { return true; }

private:
    std::unique_ptr<TCanvas> canvas_;
};

// Shows an exception in an error dialog (window procedures catch what their handlers throw and show it here).
void ShowException(const std::exception& e);
