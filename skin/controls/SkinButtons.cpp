#include "skin/controls/SkinButtons.h"

#include "runtime/Buttons.h"
#include "runtime/Forms.h"
#include "runtime/Graphics.h"
#include "runtime/ImgList.h"
#include "skin/controls/ButtonLayout.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int TransparentButtonTag = 5555;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

RECT Local(const RECT& r) { return RECT{0, 0, r.right - r.left, r.bottom - r.top}; }

// Measures `text` in `box` with the flags and DT_CALCRECT; answers width and height.
TSize2 Measure(HDC dc, const std::wstring& text, RECT box, UINT flags) {
    if (text.empty()) return {};
    DrawTextWide(dc, text, box, flags | DT_CALCRECT);
    return {box.right - box.left, box.bottom - box.top};
}

void DrawText(HDC dc, const std::wstring& text, RECT box, UINT flags) {
    if (!text.empty()) DrawTextWide(dc, text, box, flags);
}

TBitmap* GraphicBitmap(TObject* graphic) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic)) return bitmap;
    if (auto* picture = dynamic_cast<TPicture*>(graphic)) return picture->Bitmap();
    return nullptr;
}

} // namespace

// --- TSkinButton ------------------------------------------------------------------------------------------------

const TClassInfo& TSkinButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinButton, TSkinControl>("TSkinButton").Register();
    return info;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner), FBuffer(std::make_unique<TBitmap>()) {
    FBuffer->SetPixelFormat(pf32bit);
}

TSkinButton::~TSkinButton() = default;

void TSkinButton::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    if (FAttached) return;
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    FNoMouseDown = 0;
    if (FControl) {
        const std::string name = Lower(FControl->ClassName());
        if (name.rfind("trz", 0) == 0 || name.rfind("tel", 0) == 0) FNoMouseDown = 1;
    }
    FTransparent = (FControl && FControl->Tag() == TransparentButtonTag) ||
                   (skinData && InSet(skinData->Options, xoTransparent));
}

void TSkinButton::AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) {
    TSkinControl::AttachWindow(handle, skinData, formSkin, canvas);
    FTransparent = skinData && InSet(skinData->Options, xoTransparent);
}

bool TSkinButton::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: PaintControl(m); return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    case CN_DRAWITEM: // a framework picture button asks to be drawn: the skin draws it
        if (auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)) PaintWhole(item->hDC);
        m.Result = 1;
        return false;
    case WM_TIMER:
        if (FHandle) KillTimer(FHandle, 1);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const std::shared_ptr<bool> alive = FAlive;
        if (FHandle && GetFocus() != FHandle) SetFocus(FHandle);
        if (!*alive) return false;
        FState |= psPressed;
        PaintWhole(nullptr);
        if (!FNoMouseDown && FControl) EmulateMouseDown(m);
        return false;
    }
    default: return TSkinControl::BeforeMessage(m);
    }
}

void TSkinButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT: PaintWhole(nullptr); break;
    case WM_KEYDOWN:
        if (m.WParam == VK_SPACE) {
            FState |= psPressed;
            Redraw();
        }
        break;
    case WM_KEYUP:
        if (m.WParam == VK_SPACE) {
            FState &= ~psPressed;
            Redraw();
        }
        break;
    case BM_SETSTATE:
    case BM_SETSTYLE: // the system button draws these at once: the skin draws over it
        PaintWhole(nullptr);
        break;
    case WM_MOUSEMOVE:
        if (IsEnabled() && !(FState & psHot)) {
            FState |= psHot;
            Redraw();
        }
        if (FHandle) SkinTrackMouseLeave(FHandle);
        break;
    case WM_LBUTTONUP:
        if (FState & psPressed) {
            FState &= ~psPressed;
            Redraw();
            if (FControl) {
                FControl->Click(); // the painter may be gone after this
            } else if (FHandle) {
                wchar_t cls[32] = {};
                GetClassNameW(FHandle, cls, 32);
                const bool framework = _wcsicmp(cls, L"TButton") == 0;
                const WPARAM id = framework ? 0 : WPARAM(GetDlgCtrlID(FHandle)) & 0xFFFF;
                PostMessageW(GetParent(FHandle), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(FHandle));
            }
        }
        break;
    case WM_MOUSELEAVE:
        FState &= ~(psHot | psPressed);
        Redraw();
        break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED: Redraw(); break;
    default: TSkinControl::AfterMessage(m); break;
    }
}

bool TSkinButton::IsFocused() const { return FHandle && GetFocus() == FHandle; }

bool TSkinButton::IsEnabled() const {
    if (FHandle) return !(WindowLong(GWL_STYLE) & WS_DISABLED);
    return !FPaintTarget || FPaintTarget->Enabled();
}

std::wstring TSkinButton::ReadCaption() const {
    if (FControl) return FControl->WideText();
    if (FPaintTarget) return FPaintTarget->WideText();
    return FHandle ? ReadWindowText(FHandle) : std::wstring();
}

HDC TSkinButton::BeginFace(const RECT& r, int frame, bool showElement) {
    const TDataSkinButton* element = FSkinData ? FSkinData->Buttons.get() : nullptr;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (!element || !element->HasImage() || w <= 0 || h <= 0) return nullptr;
    if (FBuffer->Width() != w || FBuffer->Height() != h) FBuffer->SetSize(w, h);
    HDC buffer = FBuffer->Canvas()->Handle();
    const RECT local = Local(r);
    if (FTransparent && FHandle) PaintParentBackground(FHandle, buffer);
    else if (FTransparent && FPaintTarget) PaintParentBackground(FPaintTarget, buffer);
    else FillFace(buffer, local);
    if (showElement)
        DrawElement(buffer, local, element->FrameCount > 0 ? element->FrameCount : ButtonFrameCount, frame, element);

    HGDIOBJ font = nullptr;
    TColor colour = FSkinData->SkinColors.ButtonText;
    if (TControl* subject = FControl ? FControl : FPaintTarget) {
        font = subject->Font()->Handle();
        colour = subject->Font()->Color();
    } else if (FHandle) {
        font = reinterpret_cast<HGDIOBJ>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
    }
    if (frame == bfNormal && element->HasNormalColour2) colour = element->NormalColour2;
    if (frame == bfHot && element->HasMouseOverColour2) colour = element->MouseOverColour2;
    if (frame == bfPressed && element->HasPressedColour2) colour = element->PressedColour2;
    if (!FEnabled) colour = clBtnShadow;
    oldFont_ = SelectObject(buffer, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(buffer, TextColour(colour));
    SetBkMode(buffer, TRANSPARENT);
    return buffer;
}

void TSkinButton::EndFace(HDC dc, const RECT& r) {
    HDC buffer = FBuffer->Canvas()->Handle();
    if (oldFont_) SelectObject(buffer, oldFont_);
    oldFont_ = nullptr;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, buffer, 0, 0, SRCCOPY);
}

void TSkinButton::DrawFocusBox(HDC buffer, RECT box) {
    if (FSkinData && InSet(FSkinData->Options, xoNoFocusRect)) return;
    InflateRect(&box, 2, 2);
    DrawFocusRect(buffer, &box);
}

void TSkinButton::DrawSkin(HDC dc, const RECT& r) {
    FFocused = IsFocused();
    FEnabled = IsEnabled();
    const int frame = PushButtonFrame({!FEnabled, (FState & psPressed) != 0, (FState & psHot) != 0, FFocused});
    HDC buffer = BeginFace(r, frame);
    if (!buffer) return;
    FCaption = SplitCaption(ReadCaption());
    const RECT local = Local(r);
    RECT inner = local;
    InflateRect(&inner, -2, -2);
    const TSize2 size = Measure(buffer, FCaption, inner, DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
    const TSize2 at = CentredCaptionOrigin({local.right, local.bottom}, size);
    const RECT box{at.x, at.y, at.x + size.x, at.y + size.y};
    DrawText(buffer, FCaption, box, TextFlags(DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK));
    if (FFocused) DrawFocusBox(buffer, box);
    EndFace(dc, r);
}

// --- TSkinBitButton ---------------------------------------------------------------------------------------------

const TClassInfo& TSkinBitButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinBitButton, TSkinButton>("TSkinBitButton").Register();
    return info;
}

TSkinBitButton::TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& r) {
    FFocused = IsFocused();
    FEnabled = IsEnabled();
    const int frame = PushButtonFrame({!FEnabled, (FState & psPressed) != 0, (FState & psHot) != 0, FFocused});
    HDC buffer = BeginFace(r, frame);
    if (!buffer) return;
    DrawPictureAndCaption(buffer, Local(r), frame, false, false);
    EndFace(dc, r);
}

void TSkinBitButton::DrawPictureAndCaption(HDC buffer, const RECT& local, int frame, bool speed, bool down) {
    TBitmap* glyph = GraphicBitmap(ObjectProp(FGlyphProperty.empty() ? "Glyph" : FGlyphProperty.c_str()));
    if (glyph && glyph->Empty()) glyph = nullptr;
    TImageList* images = FGlyphProperty.empty() ? dynamic_cast<TImageList*>(ObjectProp("Images")) : nullptr;
    const int numGlyphs = SafeNumGlyphs(IntProp("NumGlyphs"));
    const int imageIndex = IntProp("ImageIndex"), disabledIndex = IntProp("DisabledIndex");
    const int layout = LayoutFromName(EnumProp("Layout"));
    const TSize2 client{local.right, local.bottom};

    TSize2 g{};
    if (glyph) g = {glyph->Width() / numGlyphs, glyph->Height()};
    else if (images && imageIndex != -1) g = {images->Width(), images->Height()};

    FCaption = SplitCaption(ReadCaption());
    const TBox mb = CaptionMeasureBox(client, g, layout);
    const TSize2 t = Measure(buffer, FCaption, RECT{mb.left, mb.top, mb.right, mb.bottom}, DT_WORDBREAK);

    if (speed && !glyph) {
        // A speed button without a picture shows its caption like a plain button.
        RECT inner = local;
        InflateRect(&inner, -2, -2);
        const TSize2 size = Measure(buffer, FCaption, inner, DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
        const TSize2 at = CentredCaptionOrigin(client, size);
        DrawText(buffer, FCaption, RECT{at.x, at.y, at.x + size.x, at.y + size.y},
                 TextFlags(DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK));
        return;
    }

    TGlyphLayoutInput in;
    in.Client = client;
    in.Glyph = g;
    in.Text = t;
    in.Margin = IntProp("Margin");
    in.Spacing = IntProp("Spacing");
    in.Layout = layout;
    in.AlignCenter = Lower(EnumProp("Alignment")) == "tacenter";
    in.SpeedButton = speed;
    const TGlyphLayout at = LayoutGlyphAndCaption(in);

    if (glyph && g.x > 0) {
        const int number = GlyphNumber(frame, numGlyphs, down);
        TBitmap piece;
        piece.SetPixelFormat(pf24bit);
        piece.SetSize(g.x, g.y);
        BitBlt(piece.Canvas()->Handle(), 0, 0, g.x, g.y, glyph->Canvas()->Handle(), (number - 1) * g.x, 0, SRCCOPY);
        if (number == 2) GrayScale(piece);
        piece.SetTransparent(true); // the bottom-left pixel's colour
        const int saved = SaveDC(buffer); // a canvas sets its own text colour and background mode
        TCanvas canvas;
        canvas.SetHandle(buffer);
        canvas.Draw(at.GlyphPos.x, at.GlyphPos.y, &piece);
        canvas.SetHandle(nullptr);
        RestoreDC(buffer, saved);
    } else if (images && !glyph) {
        const int index = FEnabled ? imageIndex : (disabledIndex != -1 ? disabledIndex : imageIndex);
        if (index != -1) {
            const int saved = SaveDC(buffer);
            TCanvas canvas;
            canvas.SetHandle(buffer);
            images->Draw(&canvas, at.GlyphPos.x, at.GlyphPos.y, index, FEnabled);
            canvas.SetHandle(nullptr);
            RestoreDC(buffer, saved);
        }
    }

    if (FCaption.empty()) return;
    const UINT align = at.Align == taRightAligned ? DT_RIGHT : at.Align == taCentred ? DT_CENTER : DT_LEFT;
    const RECT box{at.TextPos.x, at.TextPos.y, at.TextPos.x + t.x, at.TextPos.y + t.y};
    DrawText(buffer, FCaption, box, TextFlags(DT_WORDBREAK | align));
    if (FFocused) DrawFocusBox(buffer, box);
}

// --- TSkinSpeedButton -------------------------------------------------------------------------------------------

const TClassInfo& TSkinSpeedButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinSpeedButton, TSkinBitButton>("TSkinSpeedButton").Register();
    return info;
}

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}

TSkinSpeedButton::~TSkinSpeedButton() = default; // the base puts the saved WindowProc back

void TSkinSpeedButton::AttachSpeedButton(TWinSkinForm* formSkin, TSkinData* skinData, TCanvas* canvas) {
    auto* button = dynamic_cast<TControl*>(Owner());
    if (FAttached || !button) return;
    FSkinData = skinData;
    FCanvas = canvas;
    FPaintTarget = button;
    FFormSkin = formSkin;
    TakeWindowProc(button);
    AddToPainters();
    FAttached = true;
    FLifeState = lsAttached;
    FTransparent = button->Tag() == 5555 || (skinData && InSet(skinData->Options, xoTransparent));
    button->Invalidate();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
    const std::shared_ptr<bool> alive = FAlive;
    switch (m.Msg) {
    case WM_PAINT:
        if (m.WParam && FPaintTarget) DrawSkin(reinterpret_cast<HDC>(m.WParam), FPaintTarget->ClientRect());
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallPrevious(m);
        if (!*alive) return false;
        FState |= psPressed;
        Redraw();
        return false;
    case WM_LBUTTONUP:
        CallPrevious(m); // the button clicks here; its handler may free it
        if (!*alive) return false;
        FState &= ~psPressed;
        Redraw();
        return false;
    case CM_MOUSEENTER:
        FState |= psHot;
        Redraw();
        return true;
    case CM_MOUSELEAVE:
        FState &= ~(psHot | psPressed);
        if (FPaintTarget && FPaintTarget->Visible()) Redraw();
        return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam == VK_SPACE) {
            if (m.Msg == WM_KEYDOWN) FState |= psPressed;
            else FState &= ~psPressed;
            Redraw();
        }
        return true;
    case WM_NCDESTROY:
    case CM_RELEASE:
        RestoreWindowProc();
        CallPrevious(m);
        return false;
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED: return true;
    default: return TSkinButton::BeforeMessage(m);
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_MOUSEMOVE: break; // hot comes with CM_MOUSEENTER; a speed button has no window to track
    default: TSkinButton::AfterMessage(m); break;
    }
}

void TSkinSpeedButton::PaintWhole(HDC) {
    auto* button = dynamic_cast<TGraphicControl*>(FPaintTarget);
    if (!button || !button->Canvas()->HandleAllocated()) return;
    DrawSkin(button->Canvas()->Handle(), button->ClientRect());
}

void TSkinSpeedButton::DrawSkin(HDC dc, const RECT& r) {
    if (FPainting || r.right <= r.left || r.bottom <= r.top) return;
    FPainting = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{FPainting};
    const bool down = Lower(EnumProp("Down")) == "true";
    FEnabled = Lower(EnumProp("Enabled")) == "true";
    FFocused = false;
    const int frame = SpeedButtonFrame({!FEnabled, (FState & psPressed) != 0, (FState & psHot) != 0, false, down});
    // A flat button at rest shows only its background.
    HDC buffer = BeginFace(r, frame, SpeedButtonShowsElement(frame, Lower(EnumProp("Flat")) == "true"));
    if (!buffer) return;
    DrawPictureAndCaption(buffer, Local(r), frame, true, down);
    EndFace(dc, r);
}

// --- TSkinMenuButton --------------------------------------------------------------------------------------------

const TClassInfo& TSkinMenuButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinMenuButton, TSkinButton>("TSkinMenuButton").Register();
    return info;
}

TSkinMenuButton::TSkinMenuButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinMenuButton::DrawSkin(HDC dc, const RECT& r) {
    FFocused = IsFocused();
    FEnabled = IsEnabled();
    const int frame = MenuButtonFrame({!FEnabled, (FState & psPressed) != 0, (FState & psHot) != 0, FFocused});
    HDC buffer = BeginFace(r, frame);
    if (!buffer) return;
    const TSize2 client{r.right - r.left, r.bottom - r.top};
    FCaption = SplitCaption(ReadCaption());
    const TBox mb = MenuCaptionMeasureBox(client);
    const TSize2 t = Measure(buffer, FCaption, RECT{mb.left, mb.top, mb.right, mb.bottom}, DT_WORDBREAK);
    const TSize2 at = MenuCaptionOrigin(client, t);
    const RECT box{at.x, at.y, at.x + t.x, at.y + t.y};
    DrawText(buffer, FCaption, box, TextFlags(DT_WORDBREAK));

    const TArrow arrow = MenuArrow(client);
    POINT points[3];
    for (int i = 0; i < 3; ++i) points[i] = POINT{arrow.Points[i].x, arrow.Points[i].y};
    const COLORREF colour = TextColour(FEnabled ? clWindowText : clBtnShadow);
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(buffer, brush), oldPen = SelectObject(buffer, pen);
    Polygon(buffer, points, 3);
    SelectObject(buffer, oldBrush);
    SelectObject(buffer, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    if (FFocused && !FCaption.empty()) DrawFocusBox(buffer, box);
    EndFace(dc, r);
}
