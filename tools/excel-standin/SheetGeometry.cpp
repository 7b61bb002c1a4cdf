#include "SheetGeometry.h"

#include <cmath>

namespace grv::standin {

namespace {
constexpr int kDigitPixels = 7;
constexpr int kPaddingPixels = 5;
}  // namespace

int columnPixelsFromChars(double chars) {
    if (!(chars > 0)) return 0;
    if (chars < 1) return static_cast<int>(std::trunc(chars * (kDigitPixels + kPaddingPixels) + 0.5));
    return static_cast<int>(std::trunc(chars * kDigitPixels + kPaddingPixels + 0.5));
}

double columnCharsFromPixels(int pixels) {
    if (pixels <= 0) return 0;
    double chars = pixels < kDigitPixels + kPaddingPixels
                       ? static_cast<double>(pixels) / (kDigitPixels + kPaddingPixels)
                       : static_cast<double>(pixels - kPaddingPixels) / kDigitPixels;
    return std::trunc(chars * 100 + 0.5) / 100;
}

double naturalPoints(int pixels, double dpi) {
    if (!(dpi > 0)) dpi = 96;
    return pixels * 72.0 / dpi;
}

}  // namespace grv::standin
