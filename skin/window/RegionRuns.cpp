#include "skin/window/RegionRuns.h"

#include <algorithm>
#include <cstring>

namespace {

struct ChannelRange {
    std::uint32_t low;
    std::uint32_t high;
};

ChannelRange RangeOf(std::uint32_t key, int tolerance) {
    const int high = std::min(255, static_cast<int>(key) + std::max(tolerance, 0));
    return {key, static_cast<std::uint32_t>(high)};
}

// Rectangles are closed in the order their bottoms are found; a batch goes out in reading order.
void SendSorted(std::vector<GeoRect>& batch, const RegionBatchSink& sink) {
    std::sort(batch.begin(), batch.end(), [](const GeoRect& a, const GeoRect& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    sink(batch);
}

// Blue in the lowest byte, red in the third; a fourth byte is not looked at.
template <int Bytes>
std::uint32_t PixelAt(const std::uint8_t* row, int x) {
    const std::uint8_t* p = row + static_cast<std::ptrdiff_t>(x) * Bytes;
    return p[0] | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
}

template <int Bytes>
std::size_t Collect(const PixelRows& image, const RegionKey& key, int xOffset, int yOffset,
                    const RegionBatchSink& sink, std::size_t batchSize) {
    batchSize = std::max<std::size_t>(batchSize, 1);
    const ChannelRange red = RangeOf(key.colour & 0xFF, key.redTolerance);
    const ChannelRange green = RangeOf((key.colour >> 8) & 0xFF, key.greenTolerance);
    const ChannelRange blue = RangeOf((key.colour >> 16) & 0xFF, key.blueTolerance);
    auto transparent = [&](std::uint32_t pixel) {
        const std::uint32_t b = pixel & 0xFF, g = (pixel >> 8) & 0xFF, r = (pixel >> 16) & 0xFF;
        return r >= red.low && r <= red.high && g >= green.low && g <= green.high && b >= blue.low &&
               b <= blue.high;
    };

    struct Run {
        int left, right, top;
    };
    std::vector<Run> open, next; // rectangles still growing downwards, left to right
    std::vector<GeoRect> batch;
    batch.reserve(std::min<std::size_t>(batchSize, 500));
    std::size_t total = 0;
    auto emit = [&](const GeoRect& rect) {
        batch.push_back(rect);
        ++total;
        if (batch.size() == batchSize) {
            SendSorted(batch, sink);
            batch.clear();
        }
    };
    auto close = [&](const Run& run, int bottom) {
        emit({run.left + xOffset, run.top + yOffset, run.right + xOffset, bottom + yOffset});
    };

    const std::size_t rowBytes = static_cast<std::size_t>(std::max(image.width, 0)) * Bytes;
    const std::uint8_t* above = nullptr;
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* row = image.top + static_cast<std::ptrdiff_t>(y) * image.stride;
        // A row of the same pixels as the one above has the same runs: every open rectangle grows. (With 32
        // bits the fourth byte takes part: a row that differs only there is read once more, to the same runs.)
        const bool repeat = above && std::memcmp(row, above, rowBytes) == 0;
        above = row;
        if (repeat) continue;
        next.clear();
        std::size_t o = 0;
        int x = 0;
        while (true) {
            while (x < image.width && transparent(PixelAt<Bytes>(row, x))) ++x;
            if (x == image.width) break;
            const int start = x;
            while (x < image.width && !transparent(PixelAt<Bytes>(row, x))) ++x;
            // Rectangles above that end before this run stop growing; one with the same edges grows.
            while (o < open.size() && open[o].left < start) close(open[o++], y);
            if (o < open.size() && open[o].left == start && open[o].right == x) {
                next.push_back(open[o++]);
            } else {
                if (o < open.size() && open[o].left == start) close(open[o++], y);
                next.push_back({start, x, y});
            }
        }
        while (o < open.size()) close(open[o++], y);
        open.swap(next);
    }
    for (const Run& run : open) close(run, image.height);
    if (!batch.empty()) {
        SendSorted(batch, sink);
    }
    return total;
}

} // namespace

std::size_t CollectOpaqueRuns(const PixelRows& image, const RegionKey& key, int xOffset, int yOffset,
                              const RegionBatchSink& sink, std::size_t batchSize) {
    if (image.bytesPerPixel == 3) return Collect<3>(image, key, xOffset, yOffset, sink, batchSize);
    return Collect<4>(image, key, xOffset, yOffset, sink, batchSize);
}

std::size_t CollectOpaqueRuns(const PixelView32& image, const RegionKey& key, int xOffset, int yOffset,
                              const RegionBatchSink& sink, std::size_t batchSize) {
    const PixelRows rows{reinterpret_cast<const std::uint8_t*>(image.bits), image.width, image.height,
                         image.stride * static_cast<std::ptrdiff_t>(sizeof(std::uint32_t)), 4};
    return CollectOpaqueRuns(rows, key, xOffset, yOffset, sink, batchSize);
}

GeoRect BoundingBox(const std::vector<GeoRect>& rects) {
    if (rects.empty()) return {};
    GeoRect box = rects.front();
    for (const GeoRect& r : rects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}
