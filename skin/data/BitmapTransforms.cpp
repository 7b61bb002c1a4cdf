// The image utilities' transforms applied to the framework's bitmaps through their scan lines.
#include "runtime/Graphics.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/PixelTransforms.h"

namespace {

PixelView24 ViewOf(TBitmap& bitmap) {
    if (bitmap.Empty()) return {};
    auto* first = static_cast<std::uint8_t*>(bitmap.ScanLine(0));
    const std::ptrdiff_t stride = bitmap.Height() > 1
                                      ? static_cast<std::uint8_t*>(bitmap.ScanLine(1)) - first
                                      : static_cast<std::ptrdiff_t>(bitmap.BytesPerLine());
    return {first, bitmap.Width(), bitmap.Height(), stride};
}

// The view of a 24-bit bitmap, after converting it when it had another format.
PixelView24 View24(TBitmap& bitmap) {
    if (bitmap.PixelFormat() != pf24bit) bitmap.SetPixelFormat(pf24bit);
    GdiFlush();
    return ViewOf(bitmap);
}

template <typename Rotate>
void RotateInto(TBitmap& bitmap, Rotate rotate) {
    const PixelView24 source = View24(bitmap);
    if (!source.bits) return;
    TBitmap turned;
    turned.SetPixelFormat(pf24bit);
    turned.SetSize(bitmap.Height(), bitmap.Width());
    rotate(source, ViewOf(turned));
    bitmap.Assign(turned);
}

} // namespace

void GrayScale(TBitmap& bitmap) {
    const PixelView24 view = View24(bitmap);
    if (view.bits) GrayScalePixels(view);
}

void ReplaceMagenta(TBitmap& bitmap, std::uint32_t colour) {
    const PixelView24 view = View24(bitmap);
    if (view.bits) ReplaceMagentaPixels(view, colour);
}

void MirrorHorizontal(TBitmap& bitmap) {
    const PixelView24 view = View24(bitmap);
    if (view.bits) MirrorPixelsHorizontal(view);
}

void FlipVertical(TBitmap& bitmap) {
    const PixelView24 view = View24(bitmap);
    if (view.bits) FlipPixelsVertical(view);
}

void RotateLeft(TBitmap& bitmap) { RotateInto(bitmap, RotatePixelsLeft); }

void RotateRight(TBitmap& bitmap) { RotateInto(bitmap, RotatePixelsRight); }
