#include "runtime/Graphics.h"

#include <algorithm>
#include <cstring>

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(int(color & 0xFF));
    if (color == clNone || color == clDefault) return 0;
    return color & 0xFFFFFF;
}

// --- TGraphicsObject -------------------------------------------------------------------------------------

const TClassInfo& TGraphicsObject::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TGraphicsObject, TPersistent>("TGraphicsObject").Register();
    return info;
}

void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}

// --- TFont -----------------------------------------------------------------------------------------------

const TEnumInfo FontStyleInfo{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

const TClassInfo& TFont::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TFont, TGraphicsObject>("TFont")
        .Integer("Charset", &TFont::Charset, &TFont::SetCharset)
        .Idents({{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"MAC_CHARSET", 77},
                 {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129}, {"JOHAB_CHARSET", 130}, {"GB2312_CHARSET", 134},
                 {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161}, {"TURKISH_CHARSET", 162}, {"HEBREW_CHARSET", 177},
                 {"ARABIC_CHARSET", 178}, {"BALTIC_CHARSET", 186}, {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},
                 {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255}})
        .Color("Color", &TFont::Color, &TFont::SetColor)
        .Integer("Height", &TFont::Height, &TFont::SetHeight)
        .String("Name", &TFont::Name, &TFont::SetName)
        .Integer("Size", &TFont::Size, &TFont::SetSize)
        .Set("Style", FontStyleInfo, &TFont::Style, &TFont::SetStyle)
        .Register();
    return info;
}

TFont::TFont() = default;
TFont::~TFont() { release(); }

void TFont::release() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

LOGFONTW TFont::LogFont() const {
    LOGFONTW lf = haveExtra_ ? extra_ : LOGFONTW{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & (1u << fsBold)) ? FW_BOLD : (haveExtra_ && extra_.lfWeight != FW_BOLD ? extra_.lfWeight : FW_NORMAL);
    lf.lfItalic = (style_ & (1u << fsItalic)) ? 1 : 0;
    lf.lfUnderline = (style_ & (1u << fsUnderline)) ? 1 : 0;
    lf.lfStrikeOut = (style_ & (1u << fsStrikeOut)) ? 1 : 0;
    lf.lfCharSet = BYTE(charset_);
    if (charset_ == DEFAULT_CHARSET) {
        // "Default" means the character set of the system code page. Asking for it by name lets the font
        // mapper pick a face that has the characters of this code page (as the system's font association
        // does for the old bitmap faces on a Chinese system).
        CHARSETINFO info{};
        if (TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<uintptr_t>(GetACP())), &info, TCI_SRCCODEPAGE))
            lf.lfCharSet = BYTE(info.ciCharset);
    }
    std::wstring face = WideFromAnsi(name_);
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::memcpy(lf.lfFaceName, face.c_str(), face.size() * sizeof(wchar_t));
    return lf;
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTW lf = LogFont();
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

void TFont::SetLogFont(const LOGFONTW& lf) {
    change([&] { readLogFont(lf); });
}

void TFont::readLogFont(const LOGFONTW& lf) {
    extra_ = lf;
    haveExtra_ = true;
    height_ = lf.lfHeight;
    charset_ = lf.lfCharSet;
    name_ = AnsiFromWide(std::wstring(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE)));
    style_ = (lf.lfWeight >= FW_BOLD ? 1u << fsBold : 0) | (lf.lfItalic ? 1u << fsItalic : 0) |
             (lf.lfUnderline ? 1u << fsUnderline : 0) | (lf.lfStrikeOut ? 1u << fsStrikeOut : 0);
}

void TFont::SetLogFontA(const LOGFONTA& a) {
    LOGFONTW w{};
    std::memcpy(&w, &a, offsetof(LOGFONTA, lfFaceName));
    std::wstring face = WideFromAnsi(std::string(a.lfFaceName, strnlen(a.lfFaceName, LF_FACESIZE)));
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    std::memcpy(w.lfFaceName, face.c_str(), face.size() * sizeof(wchar_t));
    SetLogFont(w);
}

void TFont::SetHandle(HFONT font) {
    LOGFONTW lf{};
    bool known = font && GetObjectW(font, sizeof lf, &lf);
    HFONT old = handle_;
    if (known) readLogFont(lf);
    handle_ = font;
    Changed();
    if (old && old != font) DeleteObject(old);
}

void TFont::SetCharset(int v) { if (v != charset_) { change([&] { charset_ = v; }); } }
void TFont::SetColor(TColor v) { if (v != color_) { color_ = v; Changed(); } }
void TFont::SetHeight(int v) { if (v != height_) { change([&] { height_ = v; }); } }
int TFont::Size() const { return -MulDiv(height_, 72, 96); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }
void TFont::SetName(const std::string& v) { if (v != name_) { change([&] { name_ = v; }); } }
void TFont::SetStyle(TFontStyles v) { if (v != style_) { change([&] { style_ = v; }); } }

void TFont::Assign(const TPersistent& source) {
    auto f = dynamic_cast<const TFont*>(&source);
    if (!f) return TPersistent::Assign(source);
    change([&] {
        charset_ = f->charset_;
        color_ = f->color_;
        height_ = f->height_;
        name_ = f->name_;
        style_ = f->style_;
        extra_ = f->extra_;
        haveExtra_ = f->haveExtra_;
    });
}

// --- TPen, TBrush ----------------------------------------------------------------------------------------

const TEnumInfo PenStyleInfo{"TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
const TEnumInfo BrushStyleInfo{"TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"}};

const TClassInfo& TPen::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TPen, TGraphicsObject>("TPen")
        .Color("Color", &TPen::Color, &TPen::SetColor)
        .Enum("Style", PenStyleInfo, &TPen::Style, &TPen::SetStyle)
        .Integer("Width", &TPen::Width, &TPen::SetWidth)
        .Register();
    return info;
}

TPen::~TPen() { release(); }
void TPen::release() { if (handle_) DeleteObject(handle_); handle_ = nullptr; }
HPEN TPen::Handle() {
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    if (!handle_) handle_ = CreatePen(styles[style_], width_, ColorToRGB(color_));
    return handle_;
}
void TPen::SetColor(TColor v) { if (v != color_) { change([&] { color_ = v; }); } }
void TPen::SetWidth(int v) { if (v != width_) { change([&] { width_ = v; }); } }
void TPen::SetStyle(TPenStyle v) { if (v != style_) { change([&] { style_ = v; }); } }
void TPen::Assign(const TPersistent& source) {
    auto p = dynamic_cast<const TPen*>(&source);
    if (!p) return TPersistent::Assign(source);
    change([&] { color_ = p->color_; width_ = p->width_; style_ = p->style_; });
}

const TClassInfo& TBrush::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TBrush, TGraphicsObject>("TBrush")
        .Color("Color", &TBrush::Color, &TBrush::SetColor)
        .Enum("Style", BrushStyleInfo, &TBrush::Style, &TBrush::SetStyle)
        .Register();
    return info;
}

TBrush::~TBrush() { release(); }
void TBrush::release() { if (handle_) DeleteObject(handle_); handle_ = nullptr; }
HBRUSH TBrush::Handle() {
    if (!handle_) {
        static const int hatches[] = {0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
        if (style_ == bsClear) handle_ = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); // stock: DeleteObject leaves it alone
        else if (style_ == bsSolid) handle_ = CreateSolidBrush(ColorToRGB(color_));
        else handle_ = CreateHatchBrush(hatches[style_], ColorToRGB(color_));
    }
    return handle_;
}
void TBrush::SetColor(TColor v) { if (v != color_) { change([&] { color_ = v; if (style_ == bsClear) style_ = bsSolid; }); } }
void TBrush::SetStyle(TBrushStyle v) { if (v != style_) { change([&] { style_ = v; }); } }
void TBrush::Assign(const TPersistent& source) {
    auto b = dynamic_cast<const TBrush*>(&source);
    if (!b) return TPersistent::Assign(source);
    change([&] { color_ = b->color_; style_ = b->style_; });
}

// --- TCanvas ---------------------------------------------------------------------------------------------

const TClassInfo& TCanvas::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCanvas, TPersistent>("TCanvas").Register();
    return info;
}

TCanvas::TCanvas() : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
    auto changed = [this](TObject*) {
        dirty_ = true;
        // The DC must let go of an object before it is deleted and made again.
        restoreObjects();
    };
    font_->OnChange = changed;
    pen_->OnChange = changed;
    brush_->OnChange = changed;
}

TCanvas::~TCanvas() { restoreObjects(); }

HDC TCanvas::Handle() {
    if (!dc_) CreateHandle();
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    restoreObjects();
    dc_ = dc;
    dirty_ = true;
}

void TCanvas::restoreObjects() {
    if (dc_) {
        if (oldFont_) SelectObject(dc_, oldFont_);
        if (oldPen_) SelectObject(dc_, oldPen_);
        if (oldBrush_) SelectObject(dc_, oldBrush_);
    }
    oldFont_ = oldPen_ = oldBrush_ = nullptr;
    dirty_ = true;
}

void TCanvas::RequireObjects() {
    HDC dc = Handle();
    if (!dc || !dirty_) return;
    HGDIOBJ f = SelectObject(dc, font_->Handle());
    HGDIOBJ p = SelectObject(dc, pen_->Handle());
    HGDIOBJ b = SelectObject(dc, brush_->Handle());
    if (!oldFont_) oldFont_ = f;
    if (!oldPen_) oldPen_ = p;
    if (!oldBrush_) oldBrush_ = b;
    SetTextColor(dc, ColorToRGB(font_->Color()));
    SetBkColor(dc, ColorToRGB(brush_->Color()));
    SetBkMode(dc, brush_->Style() == bsClear ? TRANSPARENT : OPAQUE);
    dirty_ = false;
}

void TCanvas::MoveTo(int x, int y) { RequireObjects(); MoveToEx(Handle(), x, y, nullptr); }
void TCanvas::LineTo(int x, int y) { RequireObjects(); ::LineTo(Handle(), x, y); }
void TCanvas::Rectangle(int x1, int y1, int x2, int y2) { RequireObjects(); ::Rectangle(Handle(), x1, y1, x2, y2); }
void TCanvas::Ellipse(int x1, int y1, int x2, int y2) { RequireObjects(); ::Ellipse(Handle(), x1, y1, x2, y2); }
void TCanvas::FillRect(const RECT& r) {
    RequireObjects();
    if (brush_->Style() != bsClear) ::FillRect(Handle(), &r, brush_->Handle());
}
void TCanvas::FrameRect(const RECT& r) { RequireObjects(); ::FrameRect(Handle(), &r, brush_->Handle()); }
void TCanvas::TextOut(int x, int y, const std::string& text) { TextOutWide(x, y, WideFromAnsi(text)); }
void TCanvas::TextOutWide(int x, int y, const std::wstring& text) {
    RequireObjects();
    ::TextOutW(Handle(), x, y, text.c_str(), int(text.size()));
}
void TCanvas::TextRect(const RECT& r, int x, int y, const std::wstring& text) {
    RequireObjects();
    ExtTextOutW(Handle(), x, y, ETO_CLIPPED | (brush_->Style() != bsClear ? ETO_OPAQUE : 0), &r, text.c_str(), UINT(text.size()), nullptr);
}
SIZE TCanvas::TextExtent(const std::wstring& text) {
    RequireObjects();
    SIZE s{0, 0};
    GetTextExtentPoint32W(Handle(), text.c_str(), int(text.size()), &s);
    return s;
}
TColor TCanvas::Pixel(int x, int y) { return TColor(GetPixel(Handle(), x, y)); }
void TCanvas::SetPixel(int x, int y, TColor c) { ::SetPixel(Handle(), x, y, ColorToRGB(c)); }

void TCanvas::Draw(int x, int y, TBitmap* bitmap) {
    if (!bitmap || bitmap->Empty()) return;
    RECT r{x, y, x + bitmap->Width(), y + bitmap->Height()};
    StretchDraw(r, bitmap);
}

void TCanvas::StretchDraw(const RECT& r, TBitmap* bitmap) {
    if (bitmap) StretchDraw(r, bitmap, bitmap->Transparent());
}

void TCanvas::StretchDraw(const RECT& r, TBitmap* bitmap, bool transparent) {
    if (!bitmap || bitmap->Empty() || !Handle()) return;
    RequireObjects();
    HDC dest = Handle();
    // The bitmap's own memory DC: a bitmap can be selected into one DC only, and it may be in it already.
    HDC src = bitmap->Canvas()->Handle();
    if (!src) return;
    int w = r.right - r.left, h = r.bottom - r.top;
    SetStretchBltMode(dest, COLORONCOLOR);
    if (transparent && !bitmap->Monochrome()) {
        // Mask: 1 where transparent. Dest = (dest AND mask) OR (src AND NOT mask).
        HBITMAP mask = bitmap->CreateMask(bitmap->TransparentColor());
        HDC maskDc = CreateCompatibleDC(dest);
        HGDIOBJ oldMask = SelectObject(maskDc, mask);
        HDC work = CreateCompatibleDC(dest);
        HBITMAP workBmp = CreateCompatibleBitmap(dest, bitmap->Width(), bitmap->Height());
        HGDIOBJ oldWork = SelectObject(work, workBmp);
        BitBlt(work, 0, 0, bitmap->Width(), bitmap->Height(), src, 0, 0, SRCCOPY);
        SetBkColor(work, RGB(255, 255, 255));
        SetTextColor(work, RGB(0, 0, 0));
        BitBlt(work, 0, 0, bitmap->Width(), bitmap->Height(), maskDc, 0, 0, 0x00220326); // DSna: clear masked pixels
        COLORREF oldBk = SetBkColor(dest, RGB(255, 255, 255));
        COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
        StretchBlt(dest, r.left, r.top, w, h, maskDc, 0, 0, bitmap->Width(), bitmap->Height(), SRCAND);
        StretchBlt(dest, r.left, r.top, w, h, work, 0, 0, bitmap->Width(), bitmap->Height(), SRCPAINT);
        SetBkColor(dest, oldBk);
        SetTextColor(dest, oldText);
        SelectObject(work, oldWork);
        DeleteObject(workBmp);
        DeleteDC(work);
        SelectObject(maskDc, oldMask);
        DeleteDC(maskDc);
        DeleteObject(mask);
    } else {
        StretchBlt(dest, r.left, r.top, w, h, src, 0, 0, bitmap->Width(), bitmap->Height(), SRCCOPY);
    }
}

void TCanvas::CopyRect(const RECT& d, TCanvas* source, const RECT& s) {
    if (!source) return;
    StretchBlt(Handle(), d.left, d.top, d.right - d.left, d.bottom - d.top, source->Handle(), s.left, s.top,
               s.right - s.left, s.bottom - s.top, SRCCOPY);
}
