// Fuzz target: the bitmap decoder must never crash, hang or allocate beyond its limits.
#include "runtime/BmpCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TPixelImage img;
    if (DecodeBmpFile(data, size, img)) {
        if (img.Width <= 0 || img.Height <= 0 || img.Pixels.size() != size_t(img.Width) * size_t(img.Height)) std::abort();
        if (int64_t(img.Width) * img.Height > kMaxBitmapPixels) std::abort();
    } else if (!img.Pixels.empty()) {
        std::abort();
    }
    if (size > 14) DecodeDib(data + 14, size - 14, img);
    return 0;
}
