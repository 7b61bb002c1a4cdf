#include "skin/controls/SkinChecks.h"

#include "runtime/Graphics.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

namespace {
constexpr UINT FrameworkClickNotify = 0xB0D0;

TBitmap* ButtonStrip(TSkinData* data, bool radio) {
    if (!data || !data->Buttons) return nullptr;
    TBitmap* b = radio ? data->Buttons->RadioBitmap.get() : data->Buttons->CheckBitmap.get();
    return b && !b->Empty() ? b : nullptr;
}

// An off-screen bitmap of the control's size; the whole control is drawn there and copied in one go.
struct OffScreen {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
    OffScreen(HDC target, int w, int h)
        : dc(CreateCompatibleDC(target)), bitmap(CreateCompatibleBitmap(target, std::max(w, 1), std::max(h, 1))),
          old(SelectObject(dc, bitmap)) {}
    ~OffScreen() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};
} // namespace

const TClassInfo& TSkinChoiceButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinChoiceButton, TSkinControl>("TSkinChoiceButton").Register();
    return info;
}
const TClassInfo& TSkinCheckBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinCheckBox, TSkinChoiceButton>("TSkinCheckBox").Register();
    return info;
}
const TClassInfo& TSkinRadioButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinRadioButton, TSkinChoiceButton>("TSkinRadioButton").Register();
    return info;
}

bool TSkinChoiceButton::HasStrip() const { return Strip() != nullptr; }

void TSkinChoiceButton::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    FNoMouseDown = FControl && HasStrip() ? 1 : 0;
    FTransparent = (FControl && FControl->Tag() == 5555) || (skinData && InSet(skinData->Options, xoTransparent));
}

void TSkinChoiceButton::AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    TSkinControl::AttachWindow(handle, skinData, formSkin, canvas);
    FNoMouseDown = 0;
    FTransparent = skinData && InSet(skinData->Options, xoTransparent);
}

bool TSkinChoiceButton::BeforeMessage(TMessage& m) {
    bool answer = TSkinControl::BeforeMessage(m);
    if (!answer) return false;
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
    case WM_PRINT:
        if (FNoMouseDown == 0) break;
        PaintControl(m);
        return false;
    case WM_ERASEBKGND:
        if (FTransparent) {
            HDC dc = reinterpret_cast<HDC>(m.WParam);
            RECT r;
            GetClientRect(FHandle, &r);
            if (FControl) PaintParentBackground(FControl, dc);
            else FillParentColor(dc, r);
            m.Result = 1;
            return false;
        }
        if (FNoMouseDown != 0) { // the whole control is painted: nothing to erase first
            m.Result = 1;
            return false;
        }
        break;
    default: break;
    }
    return answer;
}

void TSkinChoiceButton::TrackHot(const TMessage& m) {
    if (m.Msg == WM_MOUSEMOVE && !(FState & psHot)) {
        FState |= psHot;
        SkinTrackMouseLeave(FHandle);
        Redraw();
    } else if (m.Msg == WM_MOUSELEAVE && (FState & psHot)) {
        FState &= ~psHot;
        Redraw();
    }
}

void TSkinChoiceButton::ReleaseHover() {
    if (!(FState & psHot)) return;
    FState &= ~psHot;
    Redraw();
}

void TSkinChoiceButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYUP:
    case CM_EXIT:
    case FrameworkClickNotify: Redraw(); return;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE: TrackHot(m); return;
    default: TSkinControl::AfterMessage(m);
    }
}

void TSkinChoiceButton::DrawSkin(HDC target, const RECT& r) {
    TBitmap* strip = Strip();
    if (!strip) {
        FNoMouseDown = 0;
        return;
    }
    const int frames = std::max(1, StripFrames());
    const int boxW = strip->Width() / frames, boxH = strip->Height();
    const LONG style = LONG(WindowLong(GWL_STYLE));
    const bool rtl = (TextFlags(0) & DT_RTLREADING) != 0;
    const bool full = FNoMouseDown != 0;
    const LRESULT buttonState = SendMessageW(FHandle, BM_GETSTATE, 0, 0);

    TChoiceFacts facts;
    facts.mark = Mark();
    facts.disabled = (style & WS_DISABLED) != 0;
    facts.hot = (FState & psHot) != 0;
    facts.pressed = (buttonState & BST_PUSHED) != 0;
    const int frame = Frame(facts, frames);

    RECT box;
    box.top = r.top + (r.bottom - r.top - boxH) / 2;
    box.bottom = box.top + boxH;
    RECT text = r;
    UINT flags = 0;
    if (style & BS_LEFTTEXT) {
        box.right = r.right - LeftTextRightInset();
        box.left = box.right - boxW;
        text.right = box.left - 2;
        if (rtl) flags = DT_RIGHT | DT_RTLREADING;
    } else {
        box.left = r.left;
        box.right = box.left + boxW;
        text.left = box.right + 2;
        if (rtl) flags = DT_RTLREADING;
    }

    if (!full) { // only the box, over what the system drew
        PaintStretchedFrame(target, box, strip, true, frames, frame);
        return;
    }

    const int w = r.right - r.left, h = r.bottom - r.top;
    OffScreen off(target, w, h);
    HDC dc = off.dc;
    if (FTransparent && FControl) PaintParentBackground(FControl, dc);
    else FillFace(dc, r);
    PaintStretchedFrame(dc, box, strip, true, frames, frame);

    FCaption = FControl ? FControl->WideText() : ReadWindowText(FHandle);
    HFONT font = FControl ? FControl->Font()->Handle() : reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    COLORREF colour = ColorToRGB(clBtnShadow);
    if (!facts.disabled) colour = TextColour(FControl ? FControl->Font()->Color() : clBtnText);
    SetTextColor(dc, colour);
    SetBkColor(dc, ColorToRGB(FSkinData->SkinColors.ButtonFace));
    SetBkMode(dc, TRANSPARENT);
    flags = TextFlags(flags);
    RECT measured = text;
    DrawTextW(dc, FCaption.c_str(), int(FCaption.size()), &measured,
              flags | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
    OffsetRect(&text, 0, ((text.bottom - text.top) - (measured.bottom - measured.top)) / 2);
    if (GetFocus() == FHandle && !FCaption.empty()) DrawTextFocus(dc, flags | DT_EXPANDTABS | DT_WORDBREAK, text);
    DrawTextW(dc, FCaption.c_str(), int(FCaption.size()), &text, flags | DT_EXPANDTABS | DT_WORDBREAK);
    if (oldFont) SelectObject(dc, oldFont);
    BitBlt(target, r.left, r.top, w, h, dc, r.left, r.top, SRCCOPY);
}

// --- Check box -------------------------------------------------------------------------------------------

void TSkinCheckBox::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    TSkinChoiceButton::AttachControl(formSkin, skinData, recolour, canvas);
    FCheckState = 0;
}

void TSkinCheckBox::AfterMessage(TMessage& m) {
    if (m.Msg == BM_SETCHECK) FCheckState = int(m.WParam) + 1;
    TSkinChoiceButton::AfterMessage(m);
}

TBitmap* TSkinCheckBox::Strip() const { return ButtonStrip(FSkinData, false); }
int TSkinCheckBox::StripFrames() const { return FSkinData->Buttons->CheckFrameCount; }

TCheckMark TSkinCheckBox::Mark() const {
    LRESULT state = SendMessageW(FHandle, BM_GETSTATE, 0, 0);
    if ((state & 3) == BST_INDETERMINATE) return TCheckMark::Indeterminate;
    TCheckMark mark = (state & 3) == BST_CHECKED ? TCheckMark::Checked : TCheckMark::Unchecked;
    if (!FControl) return mark;
    if (std::string name = EnumProp("State"); !name.empty()) CheckMarkFromStateName(name.c_str(), mark);
    else if (std::string checked = EnumProp("Checked"); !checked.empty())
        mark = SameText(checked, "true") ? TCheckMark::Checked : TCheckMark::Unchecked;
    if (GetPropInfo(FControl, "DataField") && FCheckState != 0)
        mark = FCheckState == 1 ? TCheckMark::Unchecked : FCheckState == 2 ? TCheckMark::Checked : TCheckMark::Indeterminate;
    if (GetPropInfo(FControl, "DataBinding")) mark = TCheckMark::Unchecked;
    return mark;
}

// --- Radio button ----------------------------------------------------------------------------------------

TBitmap* TSkinRadioButton::Strip() const { return ButtonStrip(FSkinData, true); }
int TSkinRadioButton::StripFrames() const { return FSkinData->Buttons->RadioFrameCount; }

TCheckMark TSkinRadioButton::Mark() const {
    bool checked = SendMessageW(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (FControl)
        if (std::string v = EnumProp("Checked"); !v.empty()) checked = SameText(v, "true");
    return checked ? TCheckMark::Checked : TCheckMark::Unchecked;
}
