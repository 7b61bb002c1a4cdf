// Frozen copy of the row-run collection (see FrozenRegionRuns.h). Do not optimise.
#include "FrozenRegionRuns.h"

#include <algorithm>

namespace frozen_region {

namespace {

struct ChannelRange {
    std::uint32_t low;
    std::uint32_t high;
};

ChannelRange RangeOf(std::uint32_t key, int tolerance) {
    const int high = std::min(255, static_cast<int>(key) + std::max(tolerance, 0));
    return {key, static_cast<std::uint32_t>(high)};
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

    std::vector<GeoRect> batch;
    batch.reserve(std::min<std::size_t>(batchSize, 500));
    std::size_t total = 0;
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t* row = image.Row(y);
        int x = 0;
        while (x < image.width) {
            while (x < image.width && transparent(row[x])) ++x;
            if (x == image.width) break;
            const int start = x;
            while (x < image.width && !transparent(row[x])) ++x;
            batch.push_back({start + xOffset, y + yOffset, x + xOffset, y + yOffset + 1});
            ++total;
            if (batch.size() == batchSize) {
                sink(batch);
                batch.clear();
            }
        }
    }
    if (!batch.empty()) sink(batch);
    return total;
}

} // namespace frozen_region
