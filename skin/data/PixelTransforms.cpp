#include "skin/data/PixelTransforms.h"

#include <algorithm>
#include <cstring>

void ReplaceMagentaPixels(const PixelView24& image, std::uint32_t colour) {
    const std::uint8_t red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* p = image.Row(y);
        for (int x = 0; x < image.width; ++x, p += 3) {
            if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
                p[0] = blue;
                p[1] = green;
                p[2] = red;
            }
        }
    }
}

void GrayScalePixels(const PixelView24& image) {
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* p = image.Row(y);
        for (int x = 0; x < image.width; ++x, p += 3) {
            const std::uint8_t grey = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
            p[0] = p[1] = p[2] = grey;
        }
    }
}

void MirrorPixelsHorizontal(const PixelView24& image) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0, mirror = image.width - 1; x < mirror; ++x, --mirror) {
            std::swap_ranges(image.Pixel(x, y), image.Pixel(x, y) + 3, image.Pixel(mirror, y));
        }
    }
}

void FlipPixelsVertical(const PixelView24& image) {
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
    for (int y = 0, mirror = image.height - 1; y < mirror; ++y, --mirror) {
        std::swap_ranges(image.Row(y), image.Row(y) + rowBytes, image.Row(mirror));
    }
}

namespace {

bool FitsRotation(const PixelView24& source, const PixelView24& target) {
    return target.width == source.height && target.height == source.width;
}

} // namespace

bool RotatePixelsLeft(const PixelView24& source, const PixelView24& target) {
    if (!FitsRotation(source, target)) return false;
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            std::memcpy(target.Pixel(y, source.width - 1 - x), source.Pixel(x, y), 3);
        }
    }
    return true;
}

bool RotatePixelsRight(const PixelView24& source, const PixelView24& target) {
    if (!FitsRotation(source, target)) return false;
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            std::memcpy(target.Pixel(source.height - 1 - y, x), source.Pixel(x, y), 3);
        }
    }
    return true;
}
