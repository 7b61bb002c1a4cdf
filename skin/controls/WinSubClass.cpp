#include "skin/controls/WinSubClass.h"

#include "runtime/Graphics.h"
#include "skin/controls/ProcInstance.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"
#include "skin/window/WinSkinForm.h"

#include <windowsx.h>

#include <algorithm>

// The control's WindowProc while a painter serves it. The link outlives the painter: when the painter is
// freed while the route is still held (by a message in flight, or by a WindowProc set on top of ours),
// the route forwards to the previous WindowProc.
struct TSkinControl::TRouteLink {
    TSkinControl* painter = nullptr;
    TWndMethod previous;
};

namespace {
struct TPainterRoute {
    std::shared_ptr<void> link; // a TSkinControl::TRouteLink (private type)
    void (*route)(const std::shared_ptr<void>&, TMessage&);
    void operator()(TMessage& m) const { route(link, m); }
};
} // namespace

const TClassInfo& TSkinControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinControl, TComponent>("TSkinControl").Register();
    return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
    *FAlive = false;
    RestoreWindowProc();
    RestoreWindowProcedure();
    if (FControl) FControl->RemoveFreeNotification(this);
    if (FFormSkin) RemovePainter(FFormSkin, this);
}

// --- Attach and detach --------------------------------------------------------------------------------------

void AddPainter(TWinSkinForm* formSkin, TSkinControl* painter) {
    if (!formSkin) return;
    auto& list = formSkin->Painters;
    if (std::find(list.begin(), list.end(), painter) == list.end()) list.push_back(painter);
}

void RemovePainter(TWinSkinForm* formSkin, TSkinControl* painter) {
    if (!formSkin) return;
    auto& list = formSkin->Painters;
    list.erase(std::remove(list.begin(), list.end(), painter), list.end());
}

void TSkinControl::AddToPainters() { AddPainter(FFormSkin, this); }

void TSkinControl::TakeWindowProc(TControl* control) {
    FControl = control;
    FControl->FreeNotification(this);
    link_ = std::make_shared<TRouteLink>();
    link_->painter = this;
    link_->previous = control->WindowProc;
    FOldWindowProc = true;
    auto route = [](const std::shared_ptr<void>& l, TMessage& m) {
        auto* link = static_cast<TRouteLink*>(l.get());
        if (link->painter) link->painter->RouteMessage(m);
        else if (TWndMethod previous = link->previous) previous(m);
    };
    control->WindowProc = TPainterRoute{link_, route};
}

void TSkinControl::RestoreWindowProc() {
    if (!link_) return;
    link_->painter = nullptr; // whoever still holds the route gets the previous WindowProc from now on
    if (FControl) {
        const auto* current = FControl->WindowProc.target<TPainterRoute>();
        if (current && current->link == link_) FControl->WindowProc = link_->previous;
    }
    link_.reset();
    FOldWindowProc = false;
}

void TSkinControl::RestoreWindowProcedure() {
    if (!FWndProcInstance) return;
    ReleaseProcInstance(FWndProcInstance, FHandle);
    FWndProcInstance = nullptr;
}

void TSkinControl::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    if (FAttached) return;
    auto* control = dynamic_cast<TControl*>(Owner());
    if (!control) return;
    FRecolour = recolour;
    FSkinData = skinData;
    FFormSkin = formSkin;
    FCanvas = canvas;
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        FHandle = w->Handle();
        FUnicode = IsWindowUnicode(FHandle) != FALSE;
    }
    TakeWindowProc(control);
    AddToPainters();
    if (recolour) {
        SwitchParentBackground(true);
        FOldColor = control->Color();
        if (skinData) control->SetColor(skinData->SkinColors.ButtonFace);
    }
    if (FParentBackSwitched) FNoMouseDown = 1;
    control->Invalidate();
    FAttached = true;
    FLifeState = lsAttached;
}

void TSkinControl::AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    if (FAttached || !handle) return;
    FSkinData = skinData;
    FCanvas = canvas;
    FFormSkin = formSkin;
    FHandle = handle;
    FEnabled = true;
    FNoMouseDown = 0;
    AddToPainters();
    FUnicode = IsWindowUnicode(handle) != FALSE;
    FCaption = ReadWindowText(handle);
    FWndProcInstance = CreateProcInstance(this, handle);
    if (!FWndProcInstance) return;
    const auto code = reinterpret_cast<LONG_PTR>(ProcInstanceCode(FWndProcInstance));
    FOldWndProc = reinterpret_cast<WNDPROC>(FUnicode ? SetWindowLongPtrW(handle, GWLP_WNDPROC, code)
                                                      : SetWindowLongPtrA(handle, GWLP_WNDPROC, code));
    SetProcInstancePrevious(FWndProcInstance, FOldWndProc, FUnicode);
    InvalidateRect(handle, nullptr, TRUE);
    FAttached = true;
    FLifeState = lsAttached;
}

void TSkinControl::SwitchParentBackground(bool off) {
    if (!FControl || (FSkinData && InSet(FSkinData->Options, xoParentBackGround))) return;
    if (!IsPublishedProp(FControl, "ParentBackground")) return;
    if (off) {
        std::string value = EnumProp("ParentBackground");
        std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        FParentBackSwitched = value == "true";
        if (FParentBackSwitched) SetPropText("ParentBackground", "False");
    } else if (FParentBackSwitched) {
        SetPropText("ParentBackground", "True");
        FParentBackSwitched = false;
    }
}

void TSkinControl::Unskin() {
    if (!FRecolour || !FControl) return;
    SwitchParentBackground(false);
    FControl->SetColor(FOldColor);
}

void TSkinControl::SkinChanged() {
    if (FRecolour && FControl && FSkinData) FControl->SetColor(FSkinData->SkinColors.ButtonFace);
    Redraw();
}

void TSkinControl::ReleaseHover() {
    if (!(FState & psHot)) return;
    FState &= ~psHot;
    Redraw();
}

void TSkinControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FControl) {
        if (link_) link_->painter = nullptr;
        link_.reset(); // the control and its WindowProc are going: nothing to put back
        FControl = nullptr;
    }
    if (component == FPaintTarget) FPaintTarget = nullptr;
}

// --- Routing -------------------------------------------------------------------------------------------------

void TSkinControl::RouteMessage(TMessage& m) {
    if (m.Msg == WM_SKIN_SWITCH) {
        FActive = static_cast<LONG_PTR>(m.WParam) > 0;
        if (FActive) Redraw();
        return;
    }
    const std::shared_ptr<bool> alive = FAlive; // the painter may be freed by any call below
    if (!FActive) {
        CallPrevious(m);
        return;
    }
    if (!BeforeMessage(m) || !*alive) return;
    CallPrevious(m);
    if (*alive) AfterMessage(m);
}

void TSkinControl::CallPrevious(TMessage& m) {
    if (link_) {
        const std::shared_ptr<TRouteLink> link = link_; // kept while the previous handler runs
        if (TWndMethod previous = link->previous) previous(m);
        return;
    }
    if (!FHandle) return;
    if (FOldWndProc)
        m.Result = FUnicode ? CallWindowProcW(FOldWndProc, FHandle, m.Msg, m.WParam, m.LParam)
                            : CallWindowProcA(FOldWndProc, FHandle, m.Msg, m.WParam, m.LParam);
    else
        m.Result = FUnicode ? DefWindowProcW(FHandle, m.Msg, m.WParam, m.LParam)
                            : DefWindowProcA(FHandle, m.Msg, m.WParam, m.LParam);
}

bool TSkinControl::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCDESTROY: {
        const std::shared_ptr<bool> alive = FAlive;
        CallPrevious(m);
        if (!*alive) return false;
        FActive = false;
        FLifeState = lsDestroyed;
        Unskin();
        return false;
    }
    case WM_SKIN_QUERY: m.Result = 1; return false;
    default: return true;
    }
}

void TSkinControl::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED: Redraw(); break;
    case WM_PAINT: PaintWhole(reinterpret_cast<HDC>(m.WParam)); break;
    case WM_SKIN_SWITCH: FActive = static_cast<LONG_PTR>(m.WParam) > 0; break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT: // a combo box's own edit and list
    case WM_CTLCOLORLISTBOX:
        if (FControl && FSkinData) {
            const TColor ink = FieldTextColour(FSkinData->SkinColors, FControl->Color(), FControl->Font()->Color());
            if (ink != FControl->Font()->Color()) SetTextColor(reinterpret_cast<HDC>(m.WParam), ColorToRGB(ink));
        }
        break;
    default: break;
    }
}

void TSkinControl::Redraw() {
    if (FPaintTarget) {
        FPaintTarget->Invalidate();
        return;
    }
    if (!FHandle || !IsWindow(FHandle)) return;
    InvalidateRect(FHandle, nullptr, TRUE);
    UpdateWindow(FHandle);
}

// --- Painting ------------------------------------------------------------------------------------------------

void TSkinControl::PaintWhole(HDC dc) {
    RECT r;
    if (!FHandle || !GetWindowRect(FHandle, &r)) return;
    FWindowRect = r;
    OffsetRect(&r, -r.left, -r.top);
    if (dc) {
        DrawSkin(dc, r);
        return;
    }
    HDC own = GetWindowDC(FHandle);
    if (!own) return;
    struct Release {
        HWND h;
        HDC dc;
        ~Release() { ReleaseDC(h, dc); }
    } release{FHandle, own};
    DrawSkin(own, r);
}

bool TSkinControl::PaintWholeControl(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PaintControl(m);
        return false;
    }
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinControl::PaintControl(TMessage& m) {
    RECT r;
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    PAINTSTRUCT ps{};
    const bool begin = dc == nullptr;
    if (begin) dc = BeginPaint(FHandle, &ps);
    struct End {
        HWND h;
        PAINTSTRUCT* ps;
        bool on;
        ~End() { if (on) EndPaint(h, ps); }
    } end{FHandle, &ps, begin};
    if (!dc || !GetWindowRect(FHandle, &r)) return;
    FWindowRect = r;
    OffsetRect(&r, -r.left, -r.top);
    DrawSkin(dc, r);
    m.Result = 0;
}

void TSkinControl::DrawSkin(HDC, const RECT&) {}

void TSkinControl::FillColour(HDC dc, const RECT& r, std::uint32_t colour) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void TSkinControl::FillFace(HDC dc, const RECT& r) {
    FillColour(dc, r, FSkinData ? FSkinData->SkinColors.ButtonFace : clBtnFace);
}

COLORREF TSkinControl::TextColour(std::uint32_t colour) const {
    return ColorToRGB(FSkinData ? SkinTextColour(FSkinData->SkinColors, colour) : colour);
}

void TSkinControl::FillParentColor(HDC dc, const RECT& r) {
    TControl* subject = FPaintTarget ? FPaintTarget : FControl;
    if (subject && subject->Parent()) {
        const auto kind = PropType(subject->Parent(), "Color");
        if (kind && IsIntegerKind(*kind)) {
            FillColour(dc, r, std::uint32_t(GetOrdProp(subject->Parent(), "Color").value_or(clBtnFace)));
            return;
        }
    }
    FillFace(dc, r);
}

LONG_PTR TSkinControl::WindowLong(int index) const {
    return FUnicode ? GetWindowLongPtrW(FHandle, index) : GetWindowLongPtrA(FHandle, index);
}

UINT TSkinControl::TextFlags(UINT flags) const {
    const TControl* subject = FControl ? FControl : FPaintTarget;
    if (subject && subject->BiDiMode() != bdLeftToRight) flags |= DT_RTLREADING;
    return flags;
}

void TSkinControl::DrawTextFocus(HDC dc, UINT flags, const RECT& rect) {
    RECT box = rect;
    std::wstring text = FCaption;
    DrawTextWide(dc, text, box, flags | DT_CALCRECT | DT_NOCLIP);
    const int w = box.right - box.left, h = box.bottom - box.top;
    if (flags & DT_CENTER) {
        box.left = rect.left + (rect.right - rect.left - w) / 2;
        box.top = rect.top + (rect.bottom - rect.top - h) / 2 - 1;
    } else if (flags & DT_RIGHT) {
        box.left = rect.right - w;
    }
    box.right = box.left + w;
    box.bottom = box.top + h;
    InflateRect(&box, 2, 1);
    IntersectRect(&box, &box, &rect);
    DrawFocusRect(dc, &box);
}

void TSkinControl::EmulateMouseDown(const TMessage& m) {
    if (!FControl) return;
    int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    if (FControl->Width() > 0x8000 || FControl->Height() > 0x8000) {
        POINT p;
        GetCursorPos(&p);
        p = FControl->ScreenToClient(p);
        x = p.x;
        y = p.y;
    }
    FControl->MouseDown(mbLeft, ShiftStateFromKeys(m.WParam), x, y);
}

void TSkinControl::DrawElement(HDC dc, const RECT& r, int frameCount, int frameIndex, const TDataSkinObject* element) {
    if (!element || r.right <= r.left || r.bottom <= r.top || !element->HasImage()) return;
    const GeoMargins margins{element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight};
    const RECT size{0, 0, r.right - r.left, r.bottom - r.top};
    std::unique_ptr<TBitmap> piece = BuildElementBitmap(size, element->Bitmap.get(), margins, false,
                                                        element->Tile == 1, frameCount, frameIndex);
    if (!piece) return;
    if (element->Trans == 1) {
        DrawTransparent(dc, r, piece.get(), SkinKeyColour);
    } else {
        BitBlt(dc, r.left, r.top, size.right, size.bottom, piece->Canvas()->Handle(), 0, 0, SRCCOPY);
    }
}

// --- Properties by name -------------------------------------------------------------------------------------

namespace {
const TObject* Subject(const TSkinControl& p) {
    return p.FControl ? static_cast<const TObject*>(p.FControl) : p.FPaintTarget;
}
} // namespace

int TSkinControl::IntProp(const char* name) const {
    const TObject* s = Subject(*this);
    const auto kind = s ? PropType(s, name) : std::nullopt;
    if (!kind || !IsIntegerKind(*kind)) return -1;
    return int(GetOrdProp(s, name).value_or(-1));
}

std::string TSkinControl::EnumProp(const char* name) const {
    const TObject* s = Subject(*this);
    return s ? GetEnumProp(s, name).value_or(std::string()) : std::string();
}

std::wstring TSkinControl::WideStrProp(const char* name) const {
    const TObject* s = Subject(*this);
    if (!s) return {};
    if (auto w = GetWideStrProp(s, name)) return *w;
    if (auto a = GetStrProp(s, name)) return WideFromAnsi(*a);
    return {};
}

TObject* TSkinControl::ObjectProp(const char* name) const {
    const TObject* s = Subject(*this);
    return s ? GetObjectProp(s, name, nullptr) : nullptr;
}

bool TSkinControl::SetPropText(const char* name, const std::string& value) {
    TObject* s = FControl ? static_cast<TObject*>(FControl) : FPaintTarget;
    return s && SetPropValue(s, name, value);
}
