#include "skin/controls/ScrollBarWindow.h"

#include <windowsx.h>

#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/ScrollBarPaint.h"
#include "skin/data/WinSkinData.h"

#include <algorithm>
#include <cctype>

const TClassInfo& TWScrollbar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TWScrollbar, TCustomPanel>("TWScrollbar").Register();
    return info;
}

TWScrollbar::TWScrollbar(TComponent* owner) : TCustomPanel(owner) {
    visible_ = false; // shown by Place once it lies over a visible bar
    tabStop_ = false;
    FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

TWScrollbar::~TWScrollbar() {
    *alive_ = false;
    DestroyHandle();
}

void TWScrollbar::CreateParams(TCreateParams& p) {
    TCustomPanel::CreateParams(p);
    p.Style &= ~DWORD(WS_TABSTOP);
    p.ExStyle = WS_EX_TOOLWINDOW;
    p.WndParent = parentWindow_;
}

void TWScrollbar::Setup(TComponent* ownerSkin, TSkinData* skin, TControl* control, int kind) {
    FTargetControl = control;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    init(ownerSkin, skin, windowed ? windowed->Handle() : nullptr, kind);
    if (kind == kControl && control) {
        std::string k = GetEnumProp(control, "Kind").value_or("");
        std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        FAxis = k == "sbhorizontal" ? 0 : 1;
    }
    Place();
}

void TWScrollbar::Setup(TComponent* ownerSkin, TSkinData* skin, HWND window, int kind) {
    init(ownerSkin, skin, window, kind);
    Place();
}

void TWScrollbar::init(TComponent* ownerSkin, TSkinData* skin, HWND window, int kind) {
    FOwnerSkin = ownerSkin;
    skin_ = skin;
    FTarget = window;
    FKind = kind;
    FAxis = kind == kControl ? 1 : kind;
    parentWindow_ = window ? GetParent(window) : nullptr;
    // The parent's colour where the control has a framework parent, else the skin's face colour.
    if (FTargetControl && FTargetControl->Parent()) SetColor(FTargetControl->Parent()->Color());
    else if (skin) SetColor(skin->SkinColors.ButtonFace);
}

bool TWScrollbar::readInfo(BarInfo& info) const {
    if (!FTarget || !IsWindow(FTarget)) return false;
    if (FKind == kControl) {
        if (!GetWindowRect(FTarget, &info.screen)) return false;
        SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
        if (!GetScrollInfo(FTarget, SB_CTL, &si)) return false;
        const int length = FAxis ? info.screen.bottom - info.screen.top : info.screen.right - info.screen.left;
        ThumbExtent t = ControlThumb(length, FArrowSize, {si.nMin, si.nMax, int(si.nPage), si.nPos}, true);
        info.thumbTop = t.start;
        info.thumbBottom = t.end;
        info.enabled = IsWindowEnabled(FTarget) != FALSE;
        return true;
    }
    SCROLLBARINFO sbi{};
    if (!SkinGetScrollBarInfo(FTarget, FKind == kHorz ? OBJID_HSCROLL : OBJID_VSCROLL, sbi)) return false;
    info.screen = sbi.rcScrollBar;
    info.thumbTop = sbi.xyThumbTop;
    info.thumbBottom = sbi.xyThumbBottom;
    info.invisible = (sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0;
    info.enabled = (sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
    return true;
}

void TWScrollbar::readThumb(const BarInfo& info) {
    FThumbStart = info.thumbTop;
    FThumbEnd = info.thumbBottom;
    if (FTracking && FHotPart == spThumb && FKind != kControl) {
        POINT now;
        GetCursorPos(&now);
        const int delta = FAxis ? now.y - FDownCursor.y : now.x - FDownCursor.x;
        ThumbExtent t = DraggedThumb(FDownThumb, FThumbEnd - FThumbStart, delta, FLength, FArrowSize);
        FThumbStart = t.start;
        FThumbEnd = t.end;
    }
}

void TWScrollbar::HideBar() {
    FShown = false;
    if (HandleAllocated()) ShowWindow(handle_, SW_HIDE);
}

void TWScrollbar::Place() {
    BarInfo info;
    if (!parentWindow_ || !readInfo(info)) return;
    const bool windowVisible = (GetWindowLongW(FTarget, GWL_STYLE) & WS_VISIBLE) != 0;
    // A skin without the scroll-bar strip cannot draw the bar: the system's bar stays uncovered.
    if (!windowVisible || info.invisible || !skin_ || !SkinDrawsScrollBars(*skin_)) {
        HideBar();
        return;
    }
    POINT covered{0, 0}, parent{0, 0};
    ::ClientToScreen(FTarget, &covered);
    ::ClientToScreen(parentWindow_, &parent);
    BarFacts f;
    f.vertical = FAxis == 1;
    f.windowVisible = true;
    f.barScreen = {info.screen.left, info.screen.top, info.screen.right, info.screen.bottom};
    f.coveredClientOrigin = {covered.x, covered.y};
    f.parentClientOrigin = {parent.x, parent.y};
    const BarPlacement placed = PlaceBar(f);
    FBarRect = {placed.barRect.left, placed.barRect.top, placed.barRect.right, placed.barRect.bottom};
    FLength = placed.length;
    FPos = {placed.pos.x, placed.pos.y};
    HWND self = Handle();
    HWND above = GetWindow(FTarget, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (above == self) flags |= SWP_NOZORDER;
    SetWindowPos(self, above ? above : HWND_TOP, FPos.x, FPos.y, f.barScreen.Width(), f.barScreen.Height(), flags);
    InvalidateRect(self, nullptr, FALSE);
    FShown = true;
}

void TWScrollbar::SetHotPart(int part) {
    FHotPart = part;
    if (HandleAllocated()) InvalidateRect(handle_, nullptr, FALSE);
}

int TWScrollbar::hitTest(POINT p) const {
    return ScrollHitTest(FAxis ? p.y : p.x, FLength, FArrowSize, FThumbStart, FThumbEnd);
}

void TWScrollbar::pressed(TMessage& m) {
    TCustomPanel::WndProc(m);
    GetCursorPos(&FDownCursor);
    BarInfo info;
    if (readInfo(info)) {
        FDownThumb = info.thumbTop;
        FThumbStart = info.thumbTop;
        FThumbEnd = info.thumbBottom;
    }
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    FHotPart = hitTest(p);
    if (FKind != kControl) ::ClientToScreen(handle_, &p);
    FTracking = true;
    InvalidateRect(handle_, nullptr, FALSE);
    UpdateWindow(handle_);
    ReleaseCapture();
    // The system's scroll tracking runs inside this call until the button is released; anything may happen
    // meanwhile, including the end of this bar, its painter or the covered window.
    std::shared_ptr<bool> alive = alive_;
    HWND target = FTarget;
    if (FKind == kControl) SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    else SendMessageW(target, WM_NCLBUTTONDOWN, FKind == kHorz ? HTHSCROLL : HTVSCROLL, MAKELPARAM(p.x, p.y));
    if (!*alive) return;
    FTracking = false;
    ReleaseCapture();
    if (HandleAllocated()) InvalidateRect(handle_, nullptr, FALSE);
}

void TWScrollbar::released(TMessage& m) {
    TCustomPanel::WndProc(m);
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (FKind != kControl) ::ClientToScreen(handle_, &p);
    FTracking = false;
    ReleaseCapture();
    if (FTarget && IsWindow(FTarget)) {
        if (FKind == kControl) PostMessageW(FTarget, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        else PostMessageW(FTarget, WM_NCLBUTTONUP, FKind == kHorz ? HTHSCROLL : HTVSCROLL, MAKELPARAM(p.x, p.y));
    }
    if (FKind == kControl) InvalidateRect(handle_, nullptr, FALSE);
}

void TWScrollbar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        m.Result = 1;
        return;
    case WM_MOUSEMOVE: {
        TCustomPanel::WndProc(m);
        const int part = hitTest(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        if (part != FHotPart) {
            FHotPart = part;
            InvalidateRect(handle_, nullptr, FALSE);
        }
        SkinTrackMouseLeave(handle_);
        return;
    }
    case WM_MOUSELEAVE:
        TCustomPanel::WndProc(m);
        if (!FTracking) SetHotPart(spNone);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed(m);
        return;
    case WM_LBUTTONUP:
        released(m);
        return;
    default:
        TCustomPanel::WndProc(m);
    }
}

void TWScrollbar::Paint() {
    BarInfo info;
    if (!skin_ || !readInfo(info) || info.invisible) return;
    RECT client = ClientRect();
    const int width = info.screen.right - info.screen.left, height = info.screen.bottom - info.screen.top;
    if (width != client.right || height != client.bottom) return; // laid out again at the next placement
    FLength = FAxis ? height : width;
    readThumb(info);
    ScrollBarLook look;
    look.vertical = FAxis == 1;
    look.length = FLength;
    look.breadth = FAxis ? width : height;
    look.arrowSize = FArrowSize;
    look.thumbStart = FThumbStart;
    look.thumbEnd = FThumbEnd;
    look.enabled = info.enabled;
    look.hotPart = FHotPart;
    look.tracking = FTracking;
    PaintSkinScrollBar(Canvas()->Handle(), 0, 0, *skin_, look);
}
