// Recolouring and geometric transforms of 24-bit images (three bytes per pixel: blue, green, red).
// They work on a plain view of the pixel rows, so that the same code serves device-independent
// bitmaps (whatever their row padding or direction) and the host tests.
#pragma once

#include <cstddef>
#include <cstdint>

struct PixelView24 {
    std::uint8_t* bits = nullptr; // first byte of row 0 (the top row)
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // bytes from one row to the next; negative for bottom-up storage

    std::uint8_t* Row(int y) const { return bits + y * stride; }
    std::uint8_t* Pixel(int x, int y) const { return Row(y) + 3 * x; }
};

// Every pixel that is pure magenta (red 255, green 0, blue 255) gets the colour's red, green and blue,
// the three low bytes of the colour value taken as they are.
void ReplaceMagentaPixels(const PixelView24& image, std::uint32_t colour);

// Each pixel's three bytes become (blue + green + red) div 3.
void GrayScalePixels(const PixelView24& image);

// In place: pixel (x, y) changes places with (width - 1 - x, y).
void MirrorPixelsHorizontal(const PixelView24& image);

// In place: row y changes places with row height - 1 - y.
void FlipPixelsVertical(const PixelView24& image);

// The target must be source.height wide and source.width high.
// Left (counter-clockwise): source (x, y) goes to (y, W - 1 - x).
// Right (clockwise): source (x, y) goes to (H - 1 - y, x).
// Returns false, touching nothing, when the target's size does not fit.
bool RotatePixelsLeft(const PixelView24& source, const PixelView24& target);
bool RotatePixelsRight(const PixelView24& source, const PixelView24& target);
