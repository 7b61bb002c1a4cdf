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

} // namespace

std::size_t CollectOpaqueRuns(const PixelView32& image, const RegionKey& key, int xOffset, int yOffset,
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

    const std::size_t rowBytes = static_cast<std::size_t>(std::max(image.width, 0)) * sizeof(std::uint32_t);
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t* row = image.Row(y);
        // A row of the same pixels as the one above has the same runs: every open rectangle grows.
        if (y > 0 && std::memcmp(row, image.Row(y - 1), rowBytes) == 0) continue;
        next.clear();
        std::size_t o = 0;
        int x = 0;
        while (true) {
            while (x < image.width && transparent(row[x])) ++x;
            if (x == image.width) break;
            const int start = x;
            while (x < image.width && !transparent(row[x])) ++x;
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
