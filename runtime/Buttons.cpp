#include "runtime/Buttons.h"

#include "runtime/ImgList.h"

#include <algorithm>

const TEnumInfo ButtonLayoutInfo{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
const TEnumInfo BitBtnKindInfo{"TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};

const TClassInfo& TBitBtn::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TBitBtn, TButton>("TBitBtn")
        .Object<TBitmap>("Glyph", &TBitBtn::Glyph, nullptr)
        .Enum("Kind", BitBtnKindInfo, &TBitBtn::Kind, &TBitBtn::SetKind)
        .Enum("Layout", ButtonLayoutInfo, &TBitBtn::Layout, &TBitBtn::SetLayout)
        .Integer("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin)
        .Integer("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs)
        .Integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)
        .Object<TImageList>("Images", &TBitBtn::Images, &TBitBtn::SetImages)
        .Integer("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex)
        .Integer("DisabledIndex", &TBitBtn::DisabledIndex, &TBitBtn::SetDisabledIndex)
        .Register();
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {
    glyph_->OnChange = [this](TObject*) { Invalidate(); };
}

TBitBtn::~TBitBtn() { DestroyHandle(); }

void TBitBtn::SetNumGlyphs(int n) { numGlyphs_ = std::clamp(n, 1, 4); Invalidate(); }
void TBitBtn::SetLayout(TButtonLayout l) { layout_ = l; Invalidate(); }
void TBitBtn::SetMargin(int m) { margin_ = std::max(-1, m); Invalidate(); }
void TBitBtn::SetSpacing(int s) { spacing_ = s; Invalidate(); }

void TBitBtn::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    p.Style = (p.Style & ~DWORD(0xF)) | BS_OWNERDRAW;
}

void TBitBtn::SetImages(TImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}
void TBitBtn::SetImageIndex(int i) { imageIndex_ = std::max(-1, i); Invalidate(); }
void TBitBtn::SetDisabledIndex(int i) { disabledIndex_ = std::max(-1, i); Invalidate(); }

void TBitBtn::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

SIZE TBitBtn::pictureSize() const {
    if (!glyph_->Empty()) return SIZE{glyph_->Width() / numGlyphs_, glyph_->Height()};
    if (images_ && imageIndex_ >= 0) return SIZE{images_->Width(), images_->Height()};
    return SIZE{0, 0};
}

void TBitBtn::CalcLayout(const RECT& client, HDC dc, POINT& glyphPos, RECT& textRect) {
    CalcButtonLayout(client, dc, WideText(), pictureSize(), layout_, margin_, spacing_, glyphPos, textRect);
}

void CalcButtonLayout(const RECT& client, HDC dc, const std::wstring& text, SIZE glyph, TButtonLayout layout,
                      int margin, int spacing, POINT& glyphPos, RECT& textRect) {
    RECT t{0, 0, client.right - client.left, 0};
    if (!text.empty()) DrawTextW(dc, text.c_str(), int(text.size()), &t, DT_CALCRECT | DT_SINGLELINE);
    SIZE textSize{t.right - t.left, t.bottom - t.top};
    SIZE area{client.right - client.left, client.bottom - client.top};
    bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (!glyph.cx || !textSize.cx) spacing = 0;
    int total = horizontal ? glyph.cx + spacing + textSize.cx : glyph.cy + spacing + textSize.cy;
    int avail = horizontal ? area.cx : area.cy;
    if (margin < 0) margin = (avail - total) / 2;
    POINT g{0, 0};
    POINT tp{0, 0};
    switch (layout) {
    case blGlyphLeft:
        g = {margin, (area.cy - glyph.cy) / 2};
        tp = {margin + glyph.cx + spacing, (area.cy - textSize.cy) / 2};
        break;
    case blGlyphRight:
        g = {area.cx - margin - glyph.cx, (area.cy - glyph.cy) / 2};
        tp = {area.cx - margin - glyph.cx - spacing - textSize.cx, (area.cy - textSize.cy) / 2};
        break;
    case blGlyphTop:
        g = {(area.cx - glyph.cx) / 2, margin};
        tp = {(area.cx - textSize.cx) / 2, margin + glyph.cy + spacing};
        break;
    case blGlyphBottom:
        g = {(area.cx - glyph.cx) / 2, area.cy - margin - glyph.cy};
        tp = {(area.cx - textSize.cx) / 2, area.cy - margin - glyph.cy - spacing - textSize.cy};
        break;
    }
    glyphPos = {client.left + g.x, client.top + g.y};
    textRect = {client.left + tp.x, client.top + tp.y, client.left + tp.x + textSize.cx, client.top + tp.y + textSize.cy};
}

void DrawGlyph(HDC dc, TBitmap* strip, int count, int index, POINT at) {
    if (!strip || strip->Empty() || count < 1) return;
    const int w = strip->Width() / count;
    if (w <= 0) return;
    TBitmap piece;
    piece.SetPixelFormat(pf24bit);
    piece.SetSize(w, strip->Height());
    BitBlt(piece.Canvas()->Handle(), 0, 0, w, strip->Height(), strip->Canvas()->Handle(), index * w, 0, SRCCOPY);
    piece.SetTransparentColor(strip->TransparentColor());
    piece.SetTransparent(true);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Draw(at.x, at.y, &piece);
    canvas.SetHandle(nullptr);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& di) {
    HDC dc = di.hDC;
    RECT r = di.rcItem;
    bool pushed = (di.itemState & ODS_SELECTED) != 0;
    bool disabled = (di.itemState & ODS_DISABLED) != 0;
    bool focused = (di.itemState & ODS_FOCUS) != 0;
    bool isDefault = Default() || focused;
    if (isDefault) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED | DFCS_FLAT : 0));
    if (pushed) FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT face = r;
    InflateRect(&face, -2, -2);
    HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    POINT gp;
    RECT tr;
    CalcLayout(face, dc, gp, tr);
    if (pushed) {
        OffsetRect(&tr, 1, 1);
        gp.x += 1;
        gp.y += 1;
    }
    if (!glyph_->Empty()) {
        int index = disabled && numGlyphs_ > 1 ? 1 : (pushed && numGlyphs_ > 2 ? 2 : 0);
        DrawGlyph(dc, glyph_.get(), numGlyphs_, index, gp);
    } else if (images_ && imageIndex_ >= 0) {
        TCanvas canvas;
        canvas.SetHandle(dc);
        images_->Draw(&canvas, gp.x, gp.y, disabled && disabledIndex_ >= 0 ? disabledIndex_ : imageIndex_, !disabled);
        canvas.SetHandle(nullptr);
    }
    std::wstring text = WideText();
    SetBkMode(dc, TRANSPARENT);
    if (disabled) {
        OffsetRect(&tr, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), int(text.size()), &tr, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        OffsetRect(&tr, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, ColorToRGB(Font()->Color()));
    }
    DrawTextW(dc, text.c_str(), int(text.size()), &tr, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SelectObject(dc, oldFont);
    if (focused && !(di.itemState & ODS_NOFOCUSRECT)) {
        RECT fr = r;
        InflateRect(&fr, -4, -4);
        DrawFocusRect(dc, &fr);
    }
}

void TBitBtn::Dispatch(TMessage& m) {
    if (m.Msg == CN_DRAWITEM) {
        DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam));
        m.Result = 1;
        return;
    }
    if (m.Msg == WM_LBUTTONDBLCLK) m.Msg = WM_LBUTTONDOWN; // an owner-drawn button takes a quick second click as a click
    TButton::Dispatch(m);
}

// --- TSpeedButton ------------------------------------------------------------------------------------------

const TClassInfo& TSpeedButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSpeedButton, TGraphicControl>("TSpeedButton")
        .Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
        .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
        .Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
        .Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
        .Object<TBitmap>("Glyph", &TSpeedButton::Glyph, nullptr)
        .Enum("Layout", ButtonLayoutInfo, &TSpeedButton::Layout, &TSpeedButton::SetLayout)
        .Integer("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin)
        .Integer("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs)
        .Integer("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing)
        .Register();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
    width_ = 23;
    height_ = 22;
    glyph_->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetFlat(bool v) { flat_ = v; Invalidate(); }
void TSpeedButton::SetNumGlyphs(int n) { numGlyphs_ = std::clamp(n, 1, 4); Invalidate(); }
void TSpeedButton::SetLayout(TButtonLayout l) { layout_ = l; Invalidate(); }
void TSpeedButton::SetMargin(int m) { margin_ = std::max(-1, m); Invalidate(); }
void TSpeedButton::SetSpacing(int s) { spacing_ = s; Invalidate(); }

void TSpeedButton::SetGroupIndex(int g) {
    groupIndex_ = g;
    if (!g && !(ComponentState() & csLoading)) SetDown(false);
}

void TSpeedButton::SetDown(bool v) {
    if (ComponentState() & csLoading) { // the group is complete only once the form has streamed
        down_ = v;
        return;
    }
    if (!groupIndex_) v = false;
    if (v == down_ || (down_ && !allowAllUp_ && !v)) return;
    down_ = v;
    if (v && parent_)
        for (int i = 0; i < parent_->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TSpeedButton*>(parent_->Controls(i));
                other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
    Invalidate();
}

void TSpeedButton::Click() {
    if (groupIndex_) SetDown(!down_ || !allowAllUp_);
    TGraphicControl::Click();
}

void TSpeedButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = true;
        Invalidate();
        break;
    case WM_LBUTTONUP:
        pressed_ = false;
        Invalidate();
        break;
    case CM_MOUSEENTER:
        hot_ = true;
        Invalidate();
        break;
    case CM_MOUSELEAVE:
        hot_ = false;
        Invalidate();
        break;
    default: break;
    }
    TGraphicControl::Dispatch(m);
}

void TSpeedButton::Paint() {
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    HBRUSH face = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(dc, &r, face);
    DeleteObject(face);
    const bool pushed = down_ || (pressed_ && hot_);
    if (pushed) DrawEdge(dc, &r, flat_ ? BDR_SUNKENOUTER : EDGE_SUNKEN, BF_RECT);
    else if (!flat_ || (hot_ && Enabled())) DrawEdge(dc, &r, flat_ ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
    RECT inner = r;
    InflateRect(&inner, -2, -2);
    if (pushed) OffsetRect(&inner, 1, 1);
    HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
    const std::wstring text = WideText();
    SIZE glyph{0, 0};
    if (!glyph_->Empty()) glyph = SIZE{glyph_->Width() / numGlyphs_, glyph_->Height()};
    POINT gp;
    RECT tr;
    CalcButtonLayout(inner, dc, text, glyph, layout_, margin_, spacing_, gp, tr);
    int index = !Enabled() ? 1 : (pressed_ ? 2 : (down_ ? 3 : 0));
    if (index >= numGlyphs_) index = 0;
    DrawGlyph(dc, glyph_.get(), numGlyphs_, index, gp);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ColorToRGB(Font()->Color()) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), int(text.size()), &tr, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SelectObject(dc, oldFont);
}

// --- TMenuButton -------------------------------------------------------------------------------------------

const TClassInfo& TMenuButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMenuButton, TButton>("TMenuButton").Register();
    return info;
}

TMenuButton::TMenuButton(TComponent* owner) : TButton(owner) {}

void TMenuButton::Dispatch(TMessage& m) {
    TButton::Dispatch(m);
    // The system button draws itself on paints and on press-state changes: the arrow goes on top each time.
    if ((m.Msg != WM_PAINT && m.Msg != BM_SETSTATE) || !handle_) return;
    RECT r;
    GetClientRect(handle_, &r);
    const int w = r.right, mid = r.bottom / 2;
    POINT arrow[3] = {{w - 12, mid + 2}, {w - 15, mid - 1}, {w - 9, mid - 1}};
    HDC dc = GetDC(handle_);
    const COLORREF colour = GetSysColor(IsWindowEnabled(handle_) ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
    Polygon(dc, arrow, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    ReleaseDC(handle_, dc);
}
