// Windows bitmap files decoded to a plain pixel buffer and encoded from one (no <windows.h>).
//
// Every bit depth that Windows writes is read: 1, 4, 8, 16, 24 and 32 bits; BI_RGB, BI_RLE4, BI_RLE8 and
// BI_BITFIELDS (also BI_ALPHABITFIELDS); bottom-up and top-down rows; core (OS/2 1.x), info, V2, V3, V4 and
// V5 headers. Every header field is checked against the data: a damaged or hostile file decodes to nothing,
// never to a crash or a large allocation. A run-length image larger than 2^20 pixels needs data that could
// fill it (128 pixels per byte at most); a larger one with less data is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TPixelImage {
    int Width = 0;
    int Height = 0;
    int SourceBitCount = 0;       // bit depth of the decoded file
    bool HasAlpha = false;        // the file carried an alpha channel (32 bits, or an alpha mask)
    std::vector<uint32_t> Pixels; // top-down rows, 0xAARRGGBB (bytes B, G, R, A in memory on little-endian)

    bool Empty() const { return Width <= 0 || Height <= 0; }
    uint32_t At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// Largest image accepted: each side and the pixel count.
constexpr int kMaxBitmapSide = 32767;
constexpr int64_t kMaxBitmapPixels = int64_t(1) << 24;

// A whole file ("BM" header first). Returns false (and an empty image) for anything malformed.
bool DecodeBmpFile(const uint8_t* data, size_t size, TPixelImage& out);
// A packed DIB (info header, colour table, bits), as stored in RT_BITMAP resources and on the clipboard.
bool DecodeDib(const uint8_t* data, size_t size, TPixelImage& out);

// A bottom-up BI_RGB file with an info header at 24 or 32 bits per pixel.
std::vector<uint8_t> EncodeBmpFile(const TPixelImage& image, int bitCount);
