// Fonts, pens, brushes, canvases on any device context, and DIB-section bitmaps (win32).
#pragma once

#include <windows.h>

#include "runtime/BmpCodec.h"
#include "runtime/Classes.h"
#include "runtime/Color.h"

#include <memory>

// The RGB value GDI wants for a colour (system colours resolved).
COLORREF ColorToRGB(TColor color);

class TGraphicsObject : public TPersistent {
    GRV_CLASS(TGraphicsObject)
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
    // Applies a change of description: listeners (a canvas that has the object selected) let go of the
    // old GDI handle before it is deleted; the next Handle() makes a new one.
    template <class H, class F> void ReplaceHandle(H& handle, F change) {
        H old = handle;
        handle = nullptr;
        change();
        Changed();
        if (old) DeleteObject(old);
    }
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint32_t; // bits of TFontStyle
extern const TEnumInfo FontStyleInfo;

// A font described like a LOGFONT; Handle() creates the GDI font on demand (and owns it).
class TFont : public TGraphicsObject {
    GRV_CLASS(TFont)
public:
    TFont();
    ~TFont() override;

    HFONT Handle();
    // Takes over `font` (it is deleted with this object) and reads its description.
    void SetHandle(HFONT font);
    void SetLogFont(const LOGFONTW& lf);
    void SetLogFontA(const LOGFONTA& lf);
    LOGFONTW LogFont() const;

    int Charset() const { return charset_; }
    void SetCharset(int v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    int Height() const { return height_; }
    void SetHeight(int v);
    int Size() const; // points at 96 pixels per inch
    void SetSize(int points);
    const std::string& Name() const { return name_; } // 8-bit face name
    void SetName(const std::string& v);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v);
    void Assign(const TPersistent& source) override;

private:
    void release();
    void readLogFont(const LOGFONTW& lf);
    template <class F> void change(F f) { ReplaceHandle(handle_, f); }
    HFONT handle_ = nullptr;
    int charset_ = DEFAULT_CHARSET;
    TColor color_ = clWindowText;
    int height_ = -11;
    std::string name_ = "MS Sans Serif";
    TFontStyles style_ = 0;
    LOGFONTW extra_{}; // fields a LOGFONT carried that have no property (weight, quality, ...)
    bool haveExtra_ = false;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
extern const TEnumInfo PenStyleInfo;

class TPen : public TGraphicsObject {
    GRV_CLASS(TPen)
public:
    ~TPen() override;
    HPEN Handle();
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    int Width() const { return width_; }
    void SetWidth(int v);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle v);
    void Assign(const TPersistent& source) override;

private:
    void release();
    template <class F> void change(F f) { ReplaceHandle(handle_, f); }
    HPEN handle_ = nullptr;
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
extern const TEnumInfo BrushStyleInfo;

class TBrush : public TGraphicsObject {
    GRV_CLASS(TBrush)
public:
    ~TBrush() override;
    HBRUSH Handle();
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v);
    void Assign(const TPersistent& source) override;

private:
    void release();
    template <class F> void change(F f) { ReplaceHandle(handle_, f); }
    HBRUSH handle_ = nullptr;
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TBitmap;

// Draws on a device context. Handle can be set to any DC and back to none; the canvas selects its pen,
// brush and font into the DC when it draws and puts the DC's own objects back when the handle changes.
class TCanvas : public TPersistent {
    GRV_CLASS(TCanvas)
public:
    TCanvas();
    ~TCanvas() override;

    HDC Handle();
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TFont* Font() { return font_.get(); }
    TPen* Pen() { return pen_.get(); }
    TBrush* Brush() { return brush_.get(); }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(const RECT& r);
    void FrameRect(const RECT& r);
    void Ellipse(int x1, int y1, int x2, int y2);
    // Text: 8-bit text in the system code page, or wide text.
    void TextOut(int x, int y, const std::string& text);
    void TextOutWide(int x, int y, const std::wstring& text);
    void TextRect(const RECT& r, int x, int y, const std::wstring& text);
    SIZE TextExtent(const std::wstring& text);
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor c);
    // Bitmaps: drawn with their transparent colour when Transparent is set.
    void Draw(int x, int y, TBitmap* bitmap);
    void StretchDraw(const RECT& r, TBitmap* bitmap);
    // As StretchDraw, transparent or not regardless of the bitmap's own setting.
    void StretchDraw(const RECT& r, TBitmap* bitmap, bool transparent);
    void CopyRect(const RECT& dest, TCanvas* source, const RECT& src);

protected:
    virtual void CreateHandle() {} // a canvas that makes its own DC overrides this
    void RequireObjects();

private:
    void restoreObjects();
    HDC dc_ = nullptr;
    HGDIOBJ oldFont_ = nullptr, oldPen_ = nullptr, oldBrush_ = nullptr;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    bool dirty_ = true;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

// A device-independent bitmap (DIB section). ScanLine(y) addresses row y from the top at 24 or 32 bits per
// pixel (pf1bit bitmaps are monochrome masks). Loads Windows bitmap files at every bit depth; a damaged
// file leaves the bitmap empty.
class TBitmap : public TGraphicsObject {
    GRV_CLASS(TBitmap)
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int w) { SetSize(w, height_); }
    void SetHeight(int h) { SetSize(width_, h); }
    void SetSize(int w, int h); // keeps the top-left pixels
    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat f); // pf1bit, pf24bit or pf32bit (others are taken as pf24bit)
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    bool Monochrome() const { return format_ == pf1bit; }

    HBITMAP Handle() const { return handle_; }
    // Takes over a bitmap handle: its pixels are copied into a DIB section and the handle is deleted.
    void SetHandle(HBITMAP bitmap);
    HBITMAP ReleaseHandle(); // hands the DIB section over; the bitmap becomes empty
    void* ScanLine(int y);   // nullptr when y is out of range
    int BytesPerLine() const { return stride_; }
    TCanvas* Canvas();

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TColor TransparentColor() const; // tmAuto: the bottom-left pixel
    void SetTransparentColor(TColor c);
    TTransparentMode TransparentMode() const { return mode_; }
    void SetTransparentMode(TTransparentMode m) { mode_ = m; }
    // A monochrome mask: 1 (white) where the pixel equals `color`, 0 elsewhere. The caller deletes it.
    HBITMAP CreateMask(TColor color) const;
    // Turns this bitmap into a pf1bit mask of itself for `color`.
    void Mask(TColor color);

    bool LoadFromStream(TStream& stream); // a whole .bmp file; false (and empty) when it is damaged
    bool LoadFromBytes(const uint8_t* data, size_t size);
    void SaveToStream(TStream& stream);   // 24 or 32 bits
    bool LoadFromResourceName(HINSTANCE instance, const wchar_t* name); // an RT_BITMAP resource
    void LoadFromPixels(const TPixelImage& image, TPixelFormat format);
    TPixelImage ToPixels() const;
    void Assign(const TPersistent& source) override;
    void DefineProperties(TFiler& filer) override; // "Data": 32-bit size + the file
    void Dormant() {}

private:
    void freeImage();
    void create(int w, int h, TPixelFormat f);
    HBITMAP handle_ = nullptr;
    uint8_t* bits_ = nullptr;
    int width_ = 0, height_ = 0, stride_ = 0;
    TPixelFormat format_ = pf24bit;
    bool transparent_ = false;
    TColor transparentColor_ = clDefault;
    TTransparentMode mode_ = tmAuto;
    std::unique_ptr<TCanvas> canvas_;
    friend class TBitmapCanvas;
};

// A picture holding a bitmap; stored as "Data" = class-name short string + the bitmap's data.
class TPicture : public TPersistent {
    GRV_CLASS(TPicture)
public:
    TPicture();
    TBitmap* Bitmap() { return bitmap_.get(); }
    int Width() const { return bitmap_->Width(); }
    int Height() const { return bitmap_->Height(); }
    void Assign(const TPersistent& source) override;
    void DefineProperties(TFiler& filer) override;
    TNotifyEvent OnChange;

private:
    std::unique_ptr<TBitmap> bitmap_;
};
