#include "skin/controls/SkinEdits.h"

#include "runtime/Graphics.h"
#include "runtime/SysUtils.h"
#include "skin/controls/EditRules.h"
#include "skin/controls/SkinProgress.h"
#include "skin/data/SkinBitmapOps.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

#include <windowsx.h>

namespace {

RECT ToRect(const GeoRect& g) { return {g.left, g.top, g.right, g.bottom}; }

bool HasImage(const TDataSkinObject* e) { return e && e->HasImage(); }

TColor Shadow(const TSkinData* d) { return d ? d->SkinColors.ButtonShadow : clBtnShadow; }

void Outline(HDC dc, const RECT& r, TColor colour) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

SIZE ClientSize(HWND window) {
    RECT c{};
    GetClientRect(window, &c);
    return {c.right - c.left, c.bottom - c.top};
}

std::string ClassNameOf(HWND window) {
    wchar_t name[101] = {};
    GetClassNameW(window, name, 100);
    return AnsiFromWide(name);
}

} // namespace

// --- TSkinEdit ------------------------------------------------------------------------------------------------

const TClassInfo& TSkinEdit::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinEdit, TSkinControl>("TSkinEdit").Register();
    return info;
}

TSkinEdit::~TSkinEdit() = default;

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == opRemove && component == FUpDown) FUpDown = nullptr;
}

void TSkinEdit::FindSpinButton() {
    for (HWND child = GetWindow(FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsSpinButtonClass(ClassNameOf(child))) continue;
        // A spin button that already has its painter keeps it: one painter per window.
        if (SendMessageW(child, WM_SKIN_QUERY, 0, 0) == 1) return;
        TComponent* owner = FControl && FControl->Owner() ? FControl->Owner() : Owner();
        auto* painter = new TSkinUpDown(owner);
        painter->FInEdit = true;
        FreeNotification(painter);
        FUpDown = painter;
        painter->AttachWindow(child, FSkinData, FFormSkin, FCanvas);
        return;
    }
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& r) {
    if (FSkinData && InSet(FSkinData->SkinControls, xcSpin) && !FUpDown) FindSpinButton();
    const SIZE client = ClientSize(FHandle);
    if (!EditHasBorder(r.right - r.left, r.bottom - r.top, client.cx, client.cy)) return;
    RECT box = r;
    Outline(dc, box, Shadow(FSkinData));
    for (int i = 0; i < 2; ++i) {
        InflateRect(&box, -1, -1);
        Outline(dc, box, clWhite);
    }
}

void TSkinEdit::PrintBorder(HDC given) {
    RECT window{};
    if (!GetWindowRect(FHandle, &window)) return;
    OffsetRect(&window, -window.left, -window.top);
    const SIZE client = ClientSize(FHandle);
    if (!EditPrintsBorder(window.right, window.bottom, client.cx, client.cy)) return;
    HDC dc = given ? given : GetWindowDC(FHandle);
    if (!dc) return;
    RECT inner = window;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    Outline(dc, window, Shadow(FSkinData));
    if (!given) ReleaseDC(FHandle, dc);
}

void TSkinEdit::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: PaintWhole(reinterpret_cast<HDC>(m.WParam)); break;
    case WM_NCPAINT: PaintWhole(nullptr); break; // the system's border was just drawn again
    case WM_PRINT: PrintBorder(reinterpret_cast<HDC>(m.WParam)); break;
    case WM_SKIN_PAINTCLIENT:
        if (m.LParam != SkinMessageTag) break;
        if (m.WParam) {
            TMessage paint{WM_PAINT, m.WParam, 0, 0};
            CallPrevious(paint);
        }
        m.Result = SkinMessageTag;
        break;
    default: TSkinControl::AfterMessage(m); break;
    }
}

// --- TSkinComBox: the edit child's subclassing ---------------------------------------------------------------

// Kept in a property of the edit child. While the painter lives it routes the edit's messages to it; once
// the painter has let go without being able to put the previous procedure back (somebody subclassed the
// edit after us) the link stays behind as a plain forwarder until the edit is destroyed.
struct TComboEditLink {
    TSkinComBox* painter = nullptr;
    HWND edit = nullptr;
    WNDPROC previous = nullptr;
    bool unicode = true;
};

namespace {

const wchar_t ComboEditProp[] = L"GrivelleComboEditLink";

TComboEditLink* LinkOf(HWND edit) { return static_cast<TComboEditLink*>(GetPropW(edit, ComboEditProp)); }

LRESULT CallEditPrevious(const TComboEditLink& link, HWND h, UINT msg, WPARAM w, LPARAM l) {
    return link.unicode ? CallWindowProcW(link.previous, h, msg, w, l) : CallWindowProcA(link.previous, h, msg, w, l);
}

LRESULT CALLBACK ComboEditProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    TComboEditLink* link = LinkOf(h);
    if (!link) return DefWindowProcW(h, msg, w, l);
    if (msg == WM_NCDESTROY) {
        // The edit goes first (before its combo): its subclassing goes with it.
        RemovePropW(h, ComboEditProp);
        if (link->painter) link->painter->EditDestroyed();
        const TComboEditLink copy = *link;
        delete link;
        return CallEditPrevious(copy, h, msg, w, l);
    }
    const LRESULT result = CallEditPrevious(*link, h, msg, w, l);
    // The painter may have let go, or the edit have been destroyed, while the edit handled the message.
    if (TComboEditLink* still = LinkOf(h); still && still->painter) still->painter->EditMessage(msg);
    return result;
}

LONG_PTR ReadProc(HWND window, bool unicode) {
    return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

} // namespace

void TSkinComBox::SubclassEdit() {
    if (FEditLink) return;
    HWND edit = GetWindow(FHandle, GW_CHILD);
    if (!edit || ClassNameOf(edit) != "Edit" || LinkOf(edit)) return;
    auto* link = new TComboEditLink{this, edit, nullptr, IsWindowUnicode(edit) != FALSE};
    if (!SetPropW(edit, ComboEditProp, link)) {
        delete link;
        return;
    }
    const auto proc = reinterpret_cast<LONG_PTR>(&ComboEditProc);
    link->previous = reinterpret_cast<WNDPROC>(link->unicode ? SetWindowLongPtrW(edit, GWLP_WNDPROC, proc)
                                                             : SetWindowLongPtrA(edit, GWLP_WNDPROC, proc));
    FEditWindow = edit;
    FEditLink = link;
}

void TSkinComBox::RestoreEdit() {
    TComboEditLink* link = FEditLink;
    FEditLink = nullptr;
    FEditWindow = nullptr;
    if (!link) return;
    HWND edit = link->edit;
    if (!IsWindow(edit) || LinkOf(edit) != link) {
        delete link; // the edit is gone: nothing can call through the link any more
        return;
    }
    if (ReadProc(edit, link->unicode) == reinterpret_cast<LONG_PTR>(&ComboEditProc)) {
        // Still ours: the previous procedure goes back.
        if (link->unicode) SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link->previous));
        else SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link->previous));
        RemovePropW(edit, ComboEditProp);
        delete link;
        return;
    }
    link->painter = nullptr; // somebody subclassed on top of us: forward until the edit is destroyed
}

void TSkinComBox::EditDestroyed() {
    FEditLink = nullptr;
    FEditWindow = nullptr;
}

void TSkinComBox::EditMessage(UINT msg) {
    switch (msg) {
    case WM_PAINT: PaintWhole(nullptr); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        FState |= psPressed;
        Redraw();
        break;
    case WM_LBUTTONUP:
        FState &= ~psPressed;
        Redraw();
        break;
    default: break;
    }
}

// --- TSkinComBox ----------------------------------------------------------------------------------------------

const TClassInfo& TSkinComBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinComBox, TSkinControl>("TSkinComBox").Register();
    return info;
}

TSkinComBox::~TSkinComBox() {
    RestoreEdit();
    FreeListPainters();
}

bool TSkinComBox::ReadComboInfo() {
    const TGetComboBoxInfoProc get = SkinGetComboBoxInfoProc();
    if (!get || !FHandle) return false;
    FComboInfo = {};
    FComboInfo.cbSize = sizeof FComboInfo;
    return get(FHandle, &FComboInfo) != FALSE;
}

void TSkinComBox::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FListScroll) FListScroll = nullptr;
    if (component == FListPainter) FListPainter = nullptr;
}

void TSkinComBox::FreeListPainters() {
    for (TSkinControl** slot : {&FListScroll, &FListPainter}) {
        TSkinControl* painter = *slot;
        *slot = nullptr;
        if (!painter) continue;
        if (painter->FLifeState != lsDestroyed) painter->Unskin();
        delete painter;
    }
}

void TSkinComBox::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    if (FAttached) return;
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    if (!FAttached) return;
    FStyle = DWORD(WindowLong(GWL_STYLE));
    FListScroll = nullptr;
    if ((FStyle & 3) != CBS_SIMPLE) {
        if ((FStyle & CBS_DROPDOWN) && ReadComboInfo()) {
            FListWindow = FComboInfo.hwndList;
            FListPainter = CreateComboListPainter(this, FListWindow, true, FSkinData, FFormSkin);
            if (FListPainter) FreeNotification(FListPainter);
        }
        SubclassEdit();
        return;
    }
    if (!ReadComboInfo()) return;
    FListWindow = FComboInfo.hwndList;
    const LONG_PTR listStyle = GetWindowLongPtrW(FListWindow, GWL_STYLE);
    const bool popup = (listStyle & WS_POPUP) || GetParent(FListWindow) == GetDesktopWindow();
    if (!popup && (listStyle & WS_CHILD)) {
        FListScroll = CreateComboListPainter(this, FListWindow, false, FSkinData, FFormSkin);
        if (FListScroll) FreeNotification(FListScroll);
    }
}

void TSkinComBox::AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    if (FAttached) return;
    TSkinControl::AttachWindow(handle, skinData, formSkin, canvas);
    if (!FAttached) return;
    FStyle = DWORD(WindowLong(GWL_STYLE));
    if ((FStyle & 3) != CBS_SIMPLE) SubclassEdit();
}

void TSkinComBox::Unskin() {
    TSkinControl::Unskin();
    RestoreEdit();
    FreeListPainters();
}

void TSkinComBox::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: break;
    case WM_MOUSEMOVE: {
        const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        const bool enabled = !(WindowLong(GWL_STYLE) & WS_DISABLED);
        const bool inside = PtInRect(&FButtonRect, p) != FALSE;
        if ((FState & psHot) && !inside && enabled) {
            FState &= ~psHot;
            Redraw();
        } else if (!(FState & psHot) && inside && enabled) {
            FState |= psHot;
            SkinTrackMouseLeave(FHandle); // bare windows hear of the leave this way
            Redraw();
        }
        break;
    }
    case WM_DRAWITEM:
    case WM_NCPAINT: Redraw(); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        FState |= psPressed;
        Redraw();
        break;
    case WM_LBUTTONUP:
        FState &= ~psPressed;
        Redraw();
        break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        if (FState & psHot) {
            FState &= ~psHot;
            Redraw();
        }
        break;
    default: TSkinControl::AfterMessage(m); break;
    }
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& r) {
    const TSkinData* d = FSkinData;
    const TDataSkinBorder* button = d ? d->ComboButton.get() : nullptr;
    if (!HasImage(button)) return;
    FStyle = DWORD(WindowLong(GWL_STYLE));
    FExStyle = DWORD(WindowLong(GWL_EXSTYLE));
    if (ReadComboInfo()) {
        FButtonRect = FComboInfo.rcButton;
        if (FComboInfo.stateButton & STATE_SYSTEM_INVISIBLE) return;
    }
    const HWND focus = GetFocus();
    FFocused = focus && (focus == FHandle || focus == FEditWindow);
    FEnabled = !(FStyle & WS_DISABLED);
    const bool onLeft = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
    const int frame = ComboFrame(FState & psPressed, FFocused || (FState & psHot), FEnabled);
    if (button->Style == 1) {
        DrawSimple(dc, r, frame, onLeft);
        return;
    }
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (button->Style == 2) {
        const TDataSkinObject* whole = onLeft ? d->SunkEdge.get() : button;
        if (!HasImage(whole)) return;
        PaintElement(dc, r, whole->Bitmap.get(), false, false, true, whole->FrameCount, frame,
                     {whole->LeftWidth, whole->TopHeight, whole->RightWidth, whole->BottomHeight});
        return;
    }
    const ComboLayout layout = ComboButtonLayout(width, height, GetSystemMetrics(SM_CXHSCROLL), onLeft);
    const int saved = SaveDC(dc);
    const RECT text = ToRect(layout.textArea);
    ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
    if (d->SunkEdge) DrawElement(dc, r, d->SunkEdge->FrameCount, frame, d->SunkEdge.get());
    TBitmap* strip = onLeft && button->Bitmap2 && !IsBitmapEmpty(*button->Bitmap2) ? button->Bitmap2.get()
                                                                                    : button->Bitmap.get();
    const RECT buttonRect = ToRect(layout.button);
    PaintStretchedFrame(dc, buttonRect, strip, true, button->FrameCount, frame);
    FButtonRect = buttonRect;
    if (const TDataSkinObject* arrow = d->ExtraImages.get(); HasImage(arrow))
        PaintCentredFrame(dc, ToRect(layout.arrow), arrow->Bitmap.get(), true, arrow->FrameCount, frame);
    RestoreDC(dc, saved);
}

void TSkinComBox::DrawSimple(HDC dc, const RECT& r, int frame, bool onLeft) {
    const TDataSkinBorder* button = FSkinData->ComboButton.get();
    const int width = r.right - r.left, height = r.bottom - r.top;
    const SimpleComboLayout layout =
        SimpleComboButtonLayout(width, height, GetSystemMetrics(SM_CYVTHUMB),
                                StripFrameWidth(button->Bitmap->Width(), button->FrameCount), button->Bitmap->Height(), onLeft);
    HBRUSH current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
    const RECT inner = ToRect(layout.inner), fill = ToRect(layout.fill);
    FrameRect(dc, &inner, current);
    FillRect(dc, &fill, current);
    Outline(dc, r, Shadow(FSkinData));
    FButtonRect = ToRect(layout.button);
    PaintStretchedFrame(dc, FButtonRect, button->Bitmap.get(), true, button->FrameCount, frame);
}

// --- TSkinDateTime ------------------------------------------------------------------------------------------

const TClassInfo& TSkinDateTime::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinDateTime, TSkinControl>("TSkinDateTime").Register();
    return info;
}

void TSkinDateTime::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    if (FAttached) return;
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    auto* picker = dynamic_cast<TWinControl*>(FControl);
    if (!FAttached || !picker) return;
    FArrow = new TArrowButton(this, this, picker);
    const bool onLeft = (WindowLong(GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const GeoRect place = DateTimeArrowRect(picker->Width(), FArrow->FButtonSize, onLeft);
    FArrow->SetBounds(place.left, place.top, place.Width(), place.Height());
    FArrow->SetParent(picker);
    SetWindowLongPtrW(FHandle, GWL_STYLE, WindowLong(GWL_STYLE) | WS_CLIPCHILDREN);
}

void TSkinDateTime::DrawSkin(HDC dc, const RECT& r) {
    const SIZE client = ClientSize(FHandle);
    if (client.cx >= r.right - r.left || client.cy >= r.bottom - r.top) return;
    Outline(dc, r, Shadow(FSkinData));
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    Outline(dc, inner, clWhite);
}

// --- TArrowButton -------------------------------------------------------------------------------------------

const TClassInfo& TArrowButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TArrowButton, TCustomControl>("TArrowButton").Register();
    return info;
}

TArrowButton::TArrowButton(TComponent* owner, TSkinDateTime* painter, TWinControl* picker)
    : TCustomControl(owner), FButtonSize(GetSystemMetrics(SM_CXHSCROLL)), FPicker(picker),
      FPickerHandle(picker ? picker->Handle() : nullptr), FPainter(painter) {
    SetTabStop(false);
}

void TArrowButton::Paint() {
    const TSkinData* d = FPainter ? FPainter->FSkinData : nullptr;
    const RECT r = ClientRect();
    HDC dc = Canvas()->Handle();
    TSkinControl::FillColour(dc, r, d ? d->SkinColors.ButtonFace : clBtnFace);
    const TDataSkinObject* arrow = d ? d->ComboArrow.get() : nullptr;
    if (HasImage(arrow)) PaintStretchedFrame(dc, r, arrow->Bitmap.get(), false, arrow->FrameCount, FHot ? 4 : 1);
}

void TArrowButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (FPicker && FPicker->Enabled()) {
            FHot = m.Msg == CM_MOUSEENTER;
            Invalidate();
        }
        break;
    case WM_LBUTTONDOWN: {
        TCustomControl::Dispatch(m);
        // The picker opens its calendar on a click at its own button, which this one covers.
        const LPARAM at = MAKELPARAM(GET_X_LPARAM(m.LParam) + Left(), GET_Y_LPARAM(m.LParam) + Top());
        PostMessageW(FPickerHandle, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(FPickerHandle, WM_LBUTTONUP, 0, at);
        Invalidate();
        return;
    }
    case WM_LBUTTONUP:
        TCustomControl::Dispatch(m);
        if (FPicker && FPicker->CanFocus()) FPicker->SetFocus();
        return;
    default: break;
    }
    TCustomControl::Dispatch(m);
}
