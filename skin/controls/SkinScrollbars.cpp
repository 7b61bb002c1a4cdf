#include "skin/controls/SkinScrollbars.h"

#include <commctrl.h>

#include "runtime/StdCtrls.h"
#include "skin/controls/PainterFactory.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

void FillColour(HDC dc, const RECT& r, TColor colour) {
    HBRUSH b = CreateSolidBrush(ColorToRGB(colour));
    FillRect(dc, &r, b);
    DeleteObject(b);
}

// Where the client area starts inside the window rectangle.
POINT ClientOffset(HWND window) {
    RECT w{};
    POINT origin{0, 0};
    GetWindowRect(window, &w);
    ClientToScreen(window, &origin);
    return {origin.x - w.left, origin.y - w.top};
}

// Fills the square between two shown bars with the skin's face colour. The bars' rectangles are in the
// covered window's client coordinates; `grow` widens the square towards the bottom right.
void FillCorner(HWND window, HDC dc, const TWScrollbar& horz, const TWScrollbar& vert, TColor face, int leftTopShift) {
    const POINT at = ClientOffset(window);
    RECT corner{vert.FBarRect.left + leftTopShift, horz.FBarRect.top + leftTopShift, vert.FBarRect.right,
                horz.FBarRect.bottom};
    OffsetRect(&corner, at.x, at.y);
    FillColour(dc, corner, face);
}

std::unique_ptr<TWScrollbar> NewBar() { return std::make_unique<TWScrollbar>(nullptr); }

// Stores what a painter of a windowed control keeps; false when the control has no window of its own or the
// painter is attached already.
bool BindControl(TSkinControl& p, TControl* control, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (p.FAttached || !windowed) return false;
    p.FSkinData = skinData;
    p.FFormSkin = formSkin;
    p.FCanvas = canvas;
    p.FControl = control;
    p.FHandle = windowed->Handle();
    p.FUnicode = IsWindowUnicode(p.FHandle) != FALSE;
    return true;
}

} // namespace

// --- TSkinScrollbar --------------------------------------------------------------------------------------

const TClassInfo& TSkinScrollbar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinScrollbar, TSkinControl>("TSkinScrollbar").Register();
    return info;
}

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachScrollbars(TControl* control, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas*) {
    if (!BindControl(*this, control, skinData, formSkin, nullptr)) return;
    AddToPainters();

    FDrawBorder = Lower(GetEnumProp(control, "BorderStyle").value_or("")) != "bsnone";
    if (control->ClassName() == "TImageScrollBox" || FNoMouseDown) FDrawBorder = false;

    if (std::optional<int64_t> fixed = GetOrdProp(control, "FixedColor")) {
        savedFixedColor_ = TColor(*fixed);
        fixedColorChanged_ = true;
        FRecolour = true;
        SetOrdProp(control, "FixedColor", int64_t(skinData->SkinColors.ButtonFace));
    }

    if (!FSingleBar) {
        FHorzBar = NewBar();
        FHorzBar->Setup(this, skinData, control, TWScrollbar::kHorz);
    }
    FVertBar = NewBar();
    FVertBar->Setup(this, skinData, control, TWScrollbar::kVert);
    for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
        if (bar && bar->HandleAllocated()) EnableWindow(bar->Handle(), control->Enabled());
    if (!control->Visible()) HideBars();

    TakeWindowProc(control);
    FAttached = true;
    FLifeState = lsAttached;
}

void TSkinScrollbar::PlaceBars() {
    if (FHorzBar) FHorzBar->Place();
    if (FVertBar) FVertBar->Place();
}

void TSkinScrollbar::HideBars() {
    if (FHorzBar) FHorzBar->HideBar();
    if (FVertBar) FVertBar->HideBar();
}

void TSkinScrollbar::DrawBorder(HDC dc) {
    RECT r;
    if (!GetWindowRect(FHandle, &r)) return;
    OffsetRect(&r, -r.left, -r.top);
    HBRUSH shadow = CreateSolidBrush(ColorToRGB(FSkinData->SkinColors.ButtonShadow));
    HBRUSH face = CreateSolidBrush(ColorToRGB(FSkinData->SkinColors.ButtonFace));
    FrameRect(dc, &r, shadow);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, face);
    DeleteObject(shadow);
    DeleteObject(face);
}

void TSkinScrollbar::ForwardTracking(TMessage& m) {
    // The system's scroll tracking runs inside; the control, and this painter with it, may be freed there.
    std::shared_ptr<bool> alive = FAlive;
    CallPrevious(m);
    if (!*alive) return;
    if (FHorzBar) FHorzBar->SetHotPart(spNone);
    if (FVertBar) FVertBar->SetHotPart(spNone);
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        if (!FDrawBorder) break;
        CallPrevious(m);
        if (HDC dc = GetWindowDC(FHandle)) {
            DrawBorder(dc);
            ReleaseDC(FHandle, dc);
        }
        return false;
    case WM_NCLBUTTONDOWN:
        if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) {
            ForwardTracking(m);
            return false;
        }
        break;
    default: break;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: PlaceBars(); return;
    case WM_HSCROLL:
        if (FHorzBar) FHorzBar->SetHotPart(LOWORD(m.WParam));
        return;
    case WM_VSCROLL:
        if (FVertBar) FVertBar->SetHotPart(LOWORD(m.WParam));
        return;
    case WM_MOUSEWHEEL:
        for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
            if (bar && bar->Shown()) InvalidateRect(bar->Handle(), nullptr, FALSE);
        return;
    case CM_VISIBLECHANGED:
        if (m.WParam) PlaceBars();
        else HideBars();
        return;
    case CM_ENABLEDCHANGED:
        for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
            if (bar && bar->HandleAllocated()) EnableWindow(bar->Handle(), FControl->Enabled());
        break;
    case CM_RECREATEWND:
        // The window this painter served is gone; the frame painter replaces the painter (found by that
        // window) by a new one on the new window.
        if (FFormSkin && FFormSkin->Handle)
            PostMessageW(FFormSkin->Handle, WM_SKIN_REBUILDSCROLL, reinterpret_cast<WPARAM>(FHandle), 0);
        return;
    case WM_SKIN_PAINTDC:
        if (m.LParam == SkinMessageTag) {
            if (GetObjectType(reinterpret_cast<HGDIOBJ>(m.WParam)) == OBJ_DC) DrawBorder(reinterpret_cast<HDC>(m.WParam));
            m.Result = SkinMessageTag;
            return;
        }
        break;
    default: break;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinScrollbar::DrawSkin(HDC dc, const RECT&) {
    const LONG style = GetWindowLongW(FHandle, GWL_STYLE);
    if (FHorzBar) {
        if (FHorzBar->Shown()) InvalidateRect(FHorzBar->Handle(), nullptr, FALSE);
        else if (style & WS_HSCROLL) FHorzBar->Place();
    }
    if (FVertBar) {
        if (FVertBar->Shown()) InvalidateRect(FVertBar->Handle(), nullptr, FALSE);
        else if (style & WS_VSCROLL) FVertBar->Place();
    }
    if (FHorzBar && FVertBar && FHorzBar->Shown() && FVertBar->Shown())
        FillCorner(FHandle, dc, *FHorzBar, *FVertBar, FSkinData->SkinColors.ButtonFace, 0);
}

void TSkinScrollbar::Unskin() {
    if (fixedColorChanged_ && FControl) SetOrdProp(FControl, "FixedColor", int64_t(savedFixedColor_));
    fixedColorChanged_ = false;
    TSkinControl::Unskin();
    if (FLifeState != lsDestroyed) {
        FHorzBar.reset();
        FVertBar.reset();
    }
}

void TSkinScrollbar::SkinChanged() {
    if (fixedColorChanged_ && FControl) SetOrdProp(FControl, "FixedColor", int64_t(FSkinData->SkinColors.ButtonFace));
    TSkinControl::SkinChanged();
}

// --- TSkinListView ---------------------------------------------------------------------------------------

const TClassInfo& TSkinListView::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinListView, TSkinScrollbar>("TSkinListView").Register();
    return info;
}

void TSkinListView::AttachScrollbars(TControl* control, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    TSkinScrollbar::AttachScrollbars(control, skinData, formSkin, canvas);
    if (!FHandle) return;
    auto header = reinterpret_cast<HWND>(SendMessageW(FHandle, LVM_GETHEADER, 0, 0));
    if (!header) return;
    TPainterChoice choice;
    choice.Kind = TPainterKind::Header;
    choice.Attach = TAttachMode::Window;
    FHeader = CreatePainter(choice, TPainterTarget{nullptr, header, formSkin, skinData, canvas});
}

// --- TSkinScrollbarH -------------------------------------------------------------------------------------

const TClassInfo& TSkinScrollbarH::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinScrollbarH, TSkinControl>("TSkinScrollbarH").Register();
    return info;
}

TSkinScrollbarH::TSkinScrollbarH(TComponent* owner) : TSkinControl(owner) {}
TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    FHorzBar = NewBar();
    FHorzBar->Setup(this, skinData, window, TWScrollbar::kHorz);
    FVertBar = NewBar();
    FVertBar->Setup(this, skinData, window, TWScrollbar::kVert);
    TSkinControl::AttachWindow(window, skinData, formSkin, canvas);
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
    if (!IsWindowVisible(FHandle) && FVertBar) FVertBar->HideBar();
    switch (m.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
        if (FHorzBar) FHorzBar->Place();
        if (FVertBar) FVertBar->Place();
        Redraw();
        return;
    case WM_HSCROLL:
        if (FHorzBar) FHorzBar->SetHotPart(LOWORD(m.WParam));
        return;
    case WM_VSCROLL:
        if (FVertBar) FVertBar->SetHotPart(LOWORD(m.WParam));
        return;
    default: break;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinScrollbarH::DrawSkin(HDC dc, const RECT&) {
    for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
        if (bar && bar->Shown()) InvalidateRect(bar->Handle(), nullptr, FALSE);
    if (FHorzBar && FVertBar && FHorzBar->Shown() && FVertBar->Shown())
        FillCorner(FHandle, dc, *FHorzBar, *FVertBar, FSkinData->SkinColors.ButtonFace, 0);
}

void TSkinScrollbarH::Unskin() {
    TSkinControl::Unskin();
    if (FLifeState != lsDestroyed) {
        FHorzBar.reset();
        FVertBar.reset();
    }
}

// --- TSkinScControl --------------------------------------------------------------------------------------

const TClassInfo& TSkinScControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinScControl, TSkinControl>("TSkinScControl").Register();
    return info;
}

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}
TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::AttachScControl(TControl* control, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    if (!BindControl(*this, control, skinData, formSkin, canvas)) return;
    AddToPainters();
    FBar = NewBar();
    FBar->Setup(this, skinData, control, TWScrollbar::kControl);
    if (!control->Visible()) FBar->HideBar();
    TakeWindowProc(control);
    FAttached = true;
    FLifeState = lsAttached;
}

bool TSkinScControl::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN) {
        // The control's own tracking loop runs inside; it may end with the control.
        std::shared_ptr<bool> alive = FAlive;
        CallPrevious(m);
        if (*alive && FBar) FBar->SetHotPart(spNone);
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinScControl::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
        if (FBar) FBar->Place();
        return;
    case WM_NCPAINT:
        if (auto* windowed = dynamic_cast<TWinControl*>(FControl)) FHandle = windowed->Handle();
        if (FBar) FBar->Place();
        return;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case CN_HSCROLL:
    case CN_VSCROLL:
        if (FBar && FBar->HandleAllocated()) InvalidateRect(FBar->Handle(), nullptr, FALSE);
        return;
    case CM_VISIBLECHANGED:
        if (!FBar) return;
        if (m.WParam) FBar->Place();
        else FBar->HideBar();
        return;
    default: break;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinScControl::DrawSkin(HDC, const RECT&) {
    if (FBar && FBar->HandleAllocated()) InvalidateRect(FBar->Handle(), nullptr, FALSE);
}

void TSkinScControl::Unskin() {
    TSkinControl::Unskin();
    if (FLifeState != lsDestroyed) FBar.reset();
}

// --- TSkinSizer ------------------------------------------------------------------------------------------

const TClassInfo& TSkinSizer::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinSizer, TSkinControl>("TSkinSizer").Register();
    return info;
}

bool TSkinSizer::BeforeMessage(TMessage& m) {
    // Only a size box or grip is ours to paint; a plain scroll-bar control keeps the system's drawing.
    if (m.Msg == WM_PAINT && (GetWindowLongW(FHandle, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP))) {
        PAINTSTRUCT ps;
        HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(FHandle, &ps);
        RECT r;
        GetClientRect(FHandle, &r);
        DrawSkin(dc, r);
        if (!m.WParam) EndPaint(FHandle, &ps);
        m.Result = 0;
        return false;
    }
    if (m.Msg == WM_ERASEBKGND && (GetWindowLongW(FHandle, GWL_STYLE) & (SBS_SIZEBOX | SBS_SIZEGRIP))) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
    if (!FSkinData) return;
    FillColour(dc, rect, FSkinData->SkinColors.ButtonFace);
    if (!(GetWindowLongW(FHandle, GWL_STYLE) & SBS_SIZEGRIP)) return;
    // Three diagonal ridges in the bottom-right corner: a light line beside two shadow lines each.
    HPEN light = CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->SkinColors.ButtonHilight));
    HPEN shadow = CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->SkinColors.ButtonShadow));
    HGDIOBJ old = SelectObject(dc, shadow);
    const int size = std::min(rect.right - rect.left, rect.bottom - rect.top);
    for (int ridge = 0; ridge < 3; ++ridge) {
        for (int line = 0; line < 3; ++line) {
            const int d = size - 2 - ridge * 4 - line;
            if (d <= 0) continue;
            SelectObject(dc, line == 2 ? light : shadow);
            MoveToEx(dc, rect.right - d, rect.bottom - 1, nullptr);
            LineTo(dc, rect.right, rect.bottom - 1 - d);
        }
    }
    SelectObject(dc, old);
    DeleteObject(light);
    DeleteObject(shadow);
}
