#include "skin/data/SkinBitmapOps.h"

#include "runtime/Forms.h"
#include "runtime/Graphics.h"
#include "runtime/ImgList.h"
#include "skin/data/ImgUtil.h"

std::unique_ptr<TBitmap> NewSkinBitmap() { return std::make_unique<TBitmap>(); }
bool IsBitmapEmpty(const TBitmap& bitmap) { return bitmap.Empty(); }
int BitmapWidth(const TBitmap& bitmap) { return bitmap.Width(); }
int BitmapHeight(const TBitmap& bitmap) { return bitmap.Height(); }
void ClearBitmap(TBitmap& bitmap) { bitmap.SetSize(0, 0); }

bool LoadBitmapFile(TBitmap& bitmap, const std::vector<std::uint8_t>& bytes) {
    return bitmap.LoadFromBytes(bytes.data(), bytes.size());
}

bool LoadBitmapResource(TBitmap& bitmap, const wchar_t* name) {
    if (bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), name)) return true;
    ClearBitmap(bitmap);
    return false;
}

void MakeBitmap24(TBitmap& bitmap, int width, int height, TSkinColor fill) {
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    if (bitmap.Empty()) return;
    const RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(ColorToRGB(fill));
    FillRect(BitmapDC(bitmap), &all, brush);
    DeleteObject(brush);
}

void ConvertTo24(TBitmap& bitmap) { bitmap.SetPixelFormat(pf24bit); }

HDC BitmapDC(TBitmap& bitmap) { return bitmap.Canvas()->Handle(); }

TSkinColor BitmapPixel(const TBitmap& bitmap, int x, int y) {
    if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height()) return 0;
    GdiFlush();
    auto* row = static_cast<const std::uint8_t*>(const_cast<TBitmap&>(bitmap).ScanLine(y));
    if (!row) return 0;
    switch (bitmap.PixelFormat()) {
    case pf1bit:
        return (row[x / 8] >> (7 - x % 8)) & 1 ? clWhite : clBlack;
    case pf32bit:
        return MakeRGB(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    default:
        return MakeRGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    }
}

void CopyBitmapInto(const TBitmap& source, TBitmap& target) {
    if (&source == &target) return;
    target.Assign(source);
}

void SetBitmapTransparent(TBitmap& bitmap, TSkinColor colour) {
    bitmap.SetTransparentMode(tmFixed);
    bitmap.SetTransparentColor(colour);
    bitmap.SetTransparent(true);
}

std::unique_ptr<TFont> NewSkinFont() { return std::make_unique<TFont>(); }
void SetFontHandle(TFont& font, HFONT handle) { font.SetHandle(handle); }

HWND OwnerFormWindow(TComponent* owner) {
    auto* form = dynamic_cast<TCustomForm*>(owner);
    return form ? form->Handle() : nullptr;
}

HWND ApplicationIconWindow() { return Application->Handle(); }

std::unique_ptr<TImageList> LoadMenuGlyphs() {
    auto list = std::make_unique<TImageList>(nullptr);
    list->SetWidth(16);
    list->SetHeight(16);
    TBitmap glyphs;
    if (glyphs.LoadFromResourceName(GetModuleHandleW(nullptr), L"ZOBRENTMENU")) {
        glyphs.SetPixelFormat(pf24bit);
        list->AddMasked(&glyphs, clWhite);
    }
    return list;
}

int ImageListCount(const TImageList& list) { return list.Count(); }
