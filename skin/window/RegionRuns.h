// The rectangles of a window region cut from a bitmap: every maximal run of non-key pixels in a row, joined
// with the same run (same left and right) on the rows right above and below it into one taller rectangle;
// a frame with rounded corners needs a few dozen rectangles instead of one per row. The union is exactly
// the non-key pixels. The rectangles are handed out in batches of at most `batchSize`, each sorted by top
// then left, each of which the Windows side turns into a region of its own and unites into the result, so
// that no single region call grows without bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/window/ElementGeometry.h"

// A pixel is transparent when each channel lies in [key, min(255, key + tolerance)].
struct RegionKey {
    std::uint32_t colour = 0xFF00FF; // red in the lowest byte
    int blueTolerance = 1;
    int greenTolerance = 1;
    int redTolerance = 1;
};

// 32-bit pixels as the system stores them: 0x00RRGGBB in each 32-bit word (blue in the lowest byte).
struct PixelView32 {
    const std::uint32_t* bits = nullptr; // row 0 (the top row)
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // in pixels; negative for bottom-up storage

    const std::uint32_t* Row(int y) const { return bits + y * stride; }
};

// Pixels of 24 or 32 bits read where they are: blue, green and red in the first three bytes of each pixel.
struct PixelRows {
    const std::uint8_t* top = nullptr; // row 0 (the top row)
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // in bytes; negative for bottom-up storage
    int bytesPerPixel = 4;     // 3 or 4
};

using RegionBatchSink = std::function<void(const std::vector<GeoRect>& batch)>;

constexpr std::size_t RegionBatchSize = 2000;

// Calls `sink` once per full batch and once more for the rest (not at all when no pixel is opaque).
// Returns the number of rectangles.
std::size_t CollectOpaqueRuns(const PixelView32& image, const RegionKey& key, int xOffset, int yOffset,
                              const RegionBatchSink& sink, std::size_t batchSize = RegionBatchSize);

std::size_t CollectOpaqueRuns(const PixelRows& image, const RegionKey& key, int xOffset, int yOffset,
                              const RegionBatchSink& sink, std::size_t batchSize = RegionBatchSize);

// The smallest rectangle holding all of them (empty for none).
GeoRect BoundingBox(const std::vector<GeoRect>& rects);
