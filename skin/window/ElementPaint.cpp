#include "skin/window/ElementPaint.h"

#include <algorithm>
#include <vector>

#include "skin/window/RegionRuns.h"
#include "skin/window/SkinManage.h"

namespace {

GeoRect ToGeo(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A memory DC with a fresh 32-bit bitmap selected, freed at the end of the scope.
class TempBitmap {
public:
    TempBitmap(int width, int height) : image_{nullptr, width, height} {
        bitmap_ = CreateDib32(width, height, &bits_);
        if (!bitmap_) return;
        image_.dc = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(image_.dc, bitmap_);
        SetStretchBltMode(image_.dc, COLORONCOLOR);
    }
    ~TempBitmap() {
        if (image_.dc) {
            SelectObject(image_.dc, previous_);
            DeleteDC(image_.dc);
        }
        if (bitmap_) DeleteObject(bitmap_);
    }
    TempBitmap(const TempBitmap&) = delete;
    TempBitmap& operator=(const TempBitmap&) = delete;

    bool Ok() const { return image_.dc != nullptr; }
    const ElementImage& Image() const { return image_; }
    const std::uint32_t* Bits() const { return static_cast<const std::uint32_t*>(bits_); }
    // Hands the bitmap to the caller (deselected); the object then owns nothing.
    HBITMAP Release() {
        SelectObject(image_.dc, previous_);
        DeleteDC(image_.dc);
        image_.dc = nullptr;
        HBITMAP result = bitmap_;
        bitmap_ = nullptr;
        return result;
    }

private:
    ElementImage image_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

void DrawNineParts(HDC target, int width, int height, const ElementImage& strip, const GeoMargins& margins,
                   bool vertical, bool tile, int count, int index) {
    const GeoRect frame = FrameSource(strip.width, strip.height, vertical, count, index);
    DrawPieces(target, 0, 0, strip, NinePartPieces(frame, width, height, margins, tile));
}

// Draws a composed image to the DC: with the key colour transparent, or copied.
void PutImage(HDC dc, const RECT& target, const ElementImage& image, bool transparent) {
    if (transparent) {
        DrawTransparent(dc, target, image, SkinKeyColour);
    } else {
        BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, image.dc, 0, 0,
               SRCCOPY);
    }
}

} // namespace

SelectedBitmap::SelectedBitmap(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return;
    image_.dc = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(image_.dc, bitmap);
    image_.width = info.bmWidth;
    image_.height = info.bmHeight;
}

SelectedBitmap::~SelectedBitmap() {
    if (image_.dc) {
        SelectObject(image_.dc, previous_);
        DeleteDC(image_.dc);
    }
}

HBITMAP CreateDib32(int width, int height, void** bits) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* dummy = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits ? bits : &dummy, nullptr, 0);
}

void TileBitmap(HDC target, const GeoRect& targetRect, const ElementImage& source, const GeoRect& sourceRect) {
    const int w = sourceRect.Width(), h = sourceRect.Height();
    for (const GeoPoint& p : TilePositions(targetRect, w, h))
        BitBlt(target, p.x, p.y, w, h, source.dc, sourceRect.left, sourceRect.top, SRCCOPY);
}

void DrawPieces(HDC target, int x, int y, const ElementImage& source, const std::vector<ElementPiece>& pieces) {
    const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
    for (const ElementPiece& piece : pieces) {
        GeoRect t = piece.target;
        t.left += x, t.right += x, t.top += y, t.bottom += y;
        const GeoRect& s = piece.source;
        if (piece.tiled) {
            TileBitmap(target, t, source, s);
        } else if (t.Width() == s.Width() && t.Height() == s.Height()) {
            BitBlt(target, t.left, t.top, t.Width(), t.Height(), source.dc, s.left, s.top, SRCCOPY);
        } else {
            StretchBlt(target, t.left, t.top, t.Width(), t.Height(), source.dc, s.left, s.top, s.Width(), s.Height(),
                       SRCCOPY);
        }
    }
    if (oldMode) SetStretchBltMode(target, oldMode);
}

HBITMAP BuildElementBitmap(const RECT& target, const ElementImage& strip, const GeoMargins& margins, bool vertical,
                           bool tile, int count, int index) {
    const GeoRect t = ToGeo(target);
    if (!t.HasArea() || strip.IsEmpty()) return nullptr;
    TempBitmap result(t.Width(), t.Height());
    if (!result.Ok()) return nullptr;
    DrawNineParts(result.Image().dc, t.Width(), t.Height(), strip, margins, vertical, tile, count, index);
    return result.Release();
}

void PaintElement(HDC dc, const RECT& target, const ElementImage& strip, bool vertical, bool tile, bool transparent,
                  int count, int index, const GeoMargins& margins) {
    const GeoRect t = ToGeo(target);
    if (!t.HasArea() || strip.IsEmpty()) return;
    TempBitmap composed(t.Width(), t.Height());
    if (!composed.Ok()) return;
    DrawNineParts(composed.Image().dc, t.Width(), t.Height(), strip, margins, vertical, tile, count, index);
    PutImage(dc, target, composed.Image(), transparent);
}

void PaintThreeSlice(HDC dc, const RECT& target, const ElementImage& strip, bool vertical, bool transparent,
                     int count, int index, const GeoMargins& margins) {
    const GeoRect t = ToGeo(target);
    if (!t.HasArea() || strip.IsEmpty()) return;
    TempBitmap composed(t.Width(), t.Height());
    if (!composed.Ok()) return;
    const GeoRect frame = FrameSource(strip.width, strip.height, vertical, count, index);
    DrawPieces(composed.Image().dc, 0, 0, strip,
               ThreeSlicePieces(frame, t.Width(), t.Height(), margins.left, margins.right));
    PutImage(dc, target, composed.Image(), transparent);
}

void PaintStretchedFrame(HDC dc, const RECT& target, const ElementImage& strip, bool transparent, int count,
                         int index) {
    const GeoRect t = ToGeo(target);
    if (!t.HasArea() || strip.IsEmpty()) return;
    const GeoRect frame = FrameSource(strip.width, strip.height, false, count, index);
    if (!transparent) {
        DrawPieces(dc, 0, 0, strip, {{t, frame, false}});
        return;
    }
    TempBitmap composed(t.Width(), t.Height());
    if (!composed.Ok()) return;
    DrawPieces(composed.Image().dc, 0, 0, strip, {{{0, 0, t.Width(), t.Height()}, frame, false}});
    PutImage(dc, target, composed.Image(), true);
}

void PaintCentredFrame(HDC dc, const RECT& target, const ElementImage& strip, bool transparent, int count,
                       int index) {
    if (strip.IsEmpty() || ToGeo(target).IsInverted()) return;
    const GeoRect frame = FrameSource(strip.width, strip.height, false, count, index);
    const GeoRect place = CentredFrameTarget(ToGeo(target), frame.Width(), frame.Height());
    if (!place.HasArea()) return;
    if (!transparent) {
        BitBlt(dc, place.left, place.top, place.Width(), place.Height(), strip.dc, frame.left, frame.top, SRCCOPY);
        return;
    }
    TempBitmap single(frame.Width(), frame.Height());
    if (!single.Ok()) return;
    BitBlt(single.Image().dc, 0, 0, frame.Width(), frame.Height(), strip.dc, frame.left, frame.top, SRCCOPY);
    PutImage(dc, {place.left, place.top, place.right, place.bottom}, single.Image(), true);
}

void PaintStretchedThreeSlice(HDC dc, const RECT& target, const ElementImage& strip, bool vertical, int count,
                              int index, const GeoMargins& margins) {
    const GeoRect t = ToGeo(target);
    if (!t.HasArea() || strip.IsEmpty()) return;
    const GeoRect frame = FrameSource(strip.width, strip.height, vertical, count, index);
    DrawPieces(dc, 0, 0, strip, StretchedThreeSlicePieces(frame, t, margins.left, margins.right));
}

void DrawTransparent(HDC dc, const RECT& target, const ElementImage& image, COLORREF key,
                     TransparentMethod method) {
    const int w = target.right - target.left, h = target.bottom - target.top;
    if (w <= 0 || h <= 0 || image.IsEmpty()) return;
    if (method == TransparentMethod::Automatic)
        method = IsNTPlatform ? TransparentMethod::MaskBlt : TransparentMethod::ThreeStep;

    // A copy of the image (so the caller's DC keeps its colours) and a monochrome mask: 1 where the key is.
    TempBitmap copy(w, h);
    if (!copy.Ok()) return;
    BitBlt(copy.Image().dc, 0, 0, w, h, image.dc, 0, 0, SRCCOPY);
    HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    const COLORREF oldCopyBk = SetBkColor(copy.Image().dc, key);
    BitBlt(maskDc, 0, 0, w, h, copy.Image().dc, 0, 0, SRCCOPY);
    SetBkColor(copy.Image().dc, oldCopyBk);

    if (method == TransparentMethod::MaskBlt) {
        // The mask selects the background operation where its bit is 0 (image pixels: copied) and the
        // foreground one where it is 1 (key pixels: the destination stays).
        SelectObject(maskDc, oldMask);
        MaskBlt(dc, target.left, target.top, w, h, copy.Image().dc, 0, 0, mask, 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
        SelectObject(maskDc, mask);
    } else {
        const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
        const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        BitBlt(dc, target.left, target.top, w, h, copy.Image().dc, 0, 0, SRCINVERT);
        BitBlt(dc, target.left, target.top, w, h, maskDc, 0, 0, SRCAND);
        BitBlt(dc, target.left, target.top, w, h, copy.Image().dc, 0, 0, SRCINVERT);
        SetBkColor(dc, oldBk);
        SetTextColor(dc, oldText);
    }
    SelectObject(maskDc, oldMask);
    DeleteDC(maskDc);
    DeleteObject(mask);
}

HRGN RegionFromBitmap(const ElementImage& image, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, COLORREF key) {
    if (image.IsEmpty()) return nullptr;
    // Any bitmap in any DC: a 32-bit top-down copy whose layout is known.
    TempBitmap pixels(image.width, image.height);
    if (!pixels.Ok()) return nullptr;
    BitBlt(pixels.Image().dc, 0, 0, image.width, image.height, image.dc, 0, 0, SRCCOPY);
    GdiFlush();
    const PixelRows rows{reinterpret_cast<const std::uint8_t*>(pixels.Bits()), image.width, image.height,
                         static_cast<std::ptrdiff_t>(image.width) * 4, 4};
    return RegionFromPixels(rows, xOffset, yOffset, blueTolerance, greenTolerance, redTolerance, key);
}

HRGN RegionFromPixels(const PixelRows& pixels, int xOffset, int yOffset, int blueTolerance, int greenTolerance,
                      int redTolerance, COLORREF key) {
    if (!pixels.top || pixels.width <= 0 || pixels.height <= 0) return nullptr;
    HRGN result = nullptr;
    std::vector<std::uint8_t> buffer;
    auto flush = [&](const std::vector<GeoRect>& batch) {
        const DWORD rectBytes = static_cast<DWORD>(batch.size() * sizeof(RECT));
        buffer.assign(sizeof(RGNDATAHEADER) + rectBytes, 0);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        const GeoRect box = BoundingBox(batch);
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = static_cast<DWORD>(batch.size());
        data->rdh.nRgnSize = rectBytes;
        data->rdh.rcBound = {box.left, box.top, box.right, box.bottom};
        auto* rects = reinterpret_cast<RECT*>(data->Buffer);
        for (std::size_t i = 0; i < batch.size(); ++i)
            rects[i] = {batch[i].left, batch[i].top, batch[i].right, batch[i].bottom};
        HRGN part = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
        if (!part) return;
        if (!result) {
            result = part;
        } else {
            CombineRgn(result, result, part, RGN_OR);
            DeleteObject(part);
        }
    };
    const RegionKey regionKey{static_cast<std::uint32_t>(key) & 0xFFFFFF, blueTolerance, greenTolerance,
                              redTolerance};
    CollectOpaqueRuns(pixels, regionKey, xOffset, yOffset, flush);
    return result;
}

void PaintParentBackground(HWND control, HDC dc) {
    HWND parent = control ? GetParent(control) : nullptr;
    if (!parent) return;
    RECT client{}, place{};
    GetClientRect(control, &client);
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
    const int saved = SaveDC(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - place.left, origin.y - place.top, nullptr);
    IntersectClipRect(dc, client.left + place.left, client.top + place.top, client.right + place.left,
                      client.bottom + place.top);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
}

std::wstring ReadWindowText(HWND window) {
    if (IsNTPlatform) {
        const int length = GetWindowTextLengthW(window);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const int got = GetWindowTextW(window, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(std::clamp(got, 0, length)));
        return text;
    }
    char buffer[1000] = {};
    SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    buffer[sizeof buffer - 1] = '\0';
    const int needed = MultiByteToWideChar(CP_ACP, 0, buffer, -1, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(std::max(needed, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, buffer, -1, text.data(), needed);
    text.resize(text.size() - 1);
    return text;
}
