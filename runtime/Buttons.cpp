#include "runtime/Buttons.h"

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

void TBitBtn::CalcLayout(const RECT& client, HDC dc, POINT& glyphPos, RECT& textRect) {
    std::wstring text = WideText();
    SIZE glyph{0, 0};
    if (!glyph_->Empty()) glyph = SIZE{glyph_->Width() / numGlyphs_, glyph_->Height()};
    RECT t{0, 0, client.right - client.left, 0};
    if (!text.empty()) DrawTextW(dc, text.c_str(), int(text.size()), &t, DT_CALCRECT | DT_SINGLELINE);
    SIZE textSize{t.right - t.left, t.bottom - t.top};
    SIZE area{client.right - client.left, client.bottom - client.top};
    bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    int spacing = (glyph.cx && textSize.cx) ? spacing_ : 0;
    int margin = margin_;
    int total = horizontal ? glyph.cx + spacing + textSize.cx : glyph.cy + spacing + textSize.cy;
    int avail = horizontal ? area.cx : area.cy;
    if (margin < 0) margin = (avail - total) / 2;
    POINT g{0, 0};
    POINT tp{0, 0};
    switch (layout_) {
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
        int w = glyph_->Width() / numGlyphs_;
        int index = disabled && numGlyphs_ > 1 ? 1 : (pushed && numGlyphs_ > 2 ? 2 : 0);
        // The glyph's bottom-left pixel is its transparent colour.
        TBitmap piece;
        piece.SetPixelFormat(pf24bit);
        piece.SetSize(w, glyph_->Height());
        BitBlt(piece.Canvas()->Handle(), 0, 0, w, glyph_->Height(), glyph_->Canvas()->Handle(), index * w, 0, SRCCOPY);
        piece.SetTransparentColor(glyph_->TransparentColor());
        piece.SetTransparent(true);
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Draw(gp.x, gp.y, &piece);
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
