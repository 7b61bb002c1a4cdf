#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/window/RegionRuns.h"

namespace {

constexpr std::uint32_t Key = 0xFF00FF; // stored as 0x00RRGGBB: magenta reads the same
constexpr std::uint32_t Solid = 0x204080;

struct Collected {
    std::vector<std::vector<GeoRect>> batches;
    RegionBatchSink Sink() {
        return [this](const std::vector<GeoRect>& b) { batches.push_back(b); };
    }
    std::vector<GeoRect> All() const {
        std::vector<GeoRect> all;
        for (const auto& b : batches) all.insert(all.end(), b.begin(), b.end());
        return all;
    }
};

} // namespace

TEST(RegionRuns, RunsOfOpaquePixelsMovedByTheOffsets) {
    // Row 0: K S S K S   Row 1: S S S S S   Row 2: K K K K K
    const std::vector<std::uint32_t> pixels = {Key, Solid, Solid, Key, Solid, Solid, Solid, Solid, Solid, Solid,
                                               Key, Key,   Key,   Key, Key};
    Collected got;
    const auto count = CollectOpaqueRuns({pixels.data(), 5, 3, 5}, RegionKey{}, 10, 20, got.Sink());
    const std::vector<GeoRect> want = {{11, 20, 13, 21}, {14, 20, 15, 21}, {10, 21, 15, 22}};
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(got.All(), want);
    EXPECT_EQ(BoundingBox(want), (GeoRect{10, 20, 15, 22}));
}

TEST(RegionRuns, AllKeyGivesNothing) {
    const std::vector<std::uint32_t> pixels(12, Key);
    Collected got;
    EXPECT_EQ(CollectOpaqueRuns({pixels.data(), 4, 3, 4}, RegionKey{}, 0, 0, got.Sink()), 0u);
    EXPECT_TRUE(got.batches.empty());
}

TEST(RegionRuns, TolerancesWidenTheKeyUpwards) {
    struct Case {
        std::uint32_t pixel;
        bool opaque;
    } cases[] = {
        {0xFF00FF, false}, {0xFF01FF, false}, // green 1 is within tolerance 1
        {0xFF02FF, true},                     // green 2 is not
        {0xFE00FF, true},  {0xFF00FE, true},  // below the key never matches
    };
    for (const auto& c : cases) {
        Collected got;
        CollectOpaqueRuns({&c.pixel, 1, 1, 1}, RegionKey{}, 0, 0, got.Sink());
        EXPECT_EQ(!got.batches.empty(), c.opaque) << std::hex << c.pixel;
    }
    // A wider green tolerance takes green 2 in too; the red range is cut at 255.
    const std::uint32_t green2 = 0xFF02FF;
    Collected got;
    CollectOpaqueRuns({&green2, 1, 1, 1}, RegionKey{0xFF00FF, 1, 5, 200}, 0, 0, got.Sink());
    EXPECT_TRUE(got.batches.empty());
}

TEST(RegionRuns, FlushesEveryBatchSizeRectangles) {
    // 4500 rows, each one run that differs from the rows next to it (S S / S K): batches of 2000, 2000 and 500.
    std::vector<std::uint32_t> pixels(2 * 4500, Solid);
    for (std::size_t y = 1; y < 4500; y += 2) pixels[2 * y + 1] = Key;
    Collected got;
    EXPECT_EQ(CollectOpaqueRuns({pixels.data(), 2, 4500, 2}, RegionKey{}, 0, 0, got.Sink()), 4500u);
    ASSERT_EQ(got.batches.size(), 3u);
    EXPECT_EQ(got.batches[0].size(), 2000u);
    EXPECT_EQ(got.batches[1].size(), 2000u);
    EXPECT_EQ(got.batches[2].size(), 500u);
    EXPECT_EQ(got.batches[2].back(), (GeoRect{0, 4499, 1, 4500}));
    // Exactly one full batch: no empty batch after it.
    Collected exact;
    CollectOpaqueRuns({pixels.data(), 2, 2000, 2}, RegionKey{}, 0, 0, exact.Sink());
    EXPECT_EQ(exact.batches.size(), 1u);
}

TEST(RegionRuns, BottomUpStride) {
    const std::vector<std::uint32_t> pixels = {Solid, Key, Key, Solid}; // stored rows: S K / K S
    Collected got;
    CollectOpaqueRuns({pixels.data() + 2, 2, 2, -2}, RegionKey{}, 0, 0, got.Sink());
    const std::vector<GeoRect> want = {{1, 0, 2, 1}, {0, 1, 1, 2}};
    EXPECT_EQ(got.All(), want);
}

TEST(RegionRuns, RunsRepeatedOnConsecutiveRowsBecomeOneTallerRectangle) {
    // A 6 x 5 frame with its corner pixels keyed: the middle rows repeat.
    //   K S S S S K
    //   S S S S S S   (three times)
    //   K S S S S K
    std::vector<std::uint32_t> pixels(30, Solid);
    for (int y : {0, 4})
        for (int x : {0, 5}) pixels[static_cast<std::size_t>(y * 6 + x)] = Key;
    Collected got;
    EXPECT_EQ(CollectOpaqueRuns({pixels.data(), 6, 5, 6}, RegionKey{}, 100, 200, got.Sink()), 3u);
    const std::vector<GeoRect> want = {{101, 200, 105, 201}, {100, 201, 106, 204}, {101, 204, 105, 205}};
    EXPECT_EQ(got.All(), want);
}

TEST(RegionRuns, JoinedRectanglesCoverExactlyTheOpaquePixels) {
    // Shapes with runs that repeat, split, widen and vanish; every opaque pixel is covered once, no key
    // pixel at all, whatever the batch size.
    const int w = 23, h = 31;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w * h));
        std::uint32_t state = seed;
        auto next = [&] { return state = state * 1103515245u + 12345u, (state >> 16) & 0x7FFF; };
        for (int y = 0; y < h; ++y) {
            // Most rows copy the one above; some get a new random pattern of a few runs.
            if (y > 0 && next() % 4 != 0) {
                std::copy_n(pixels.begin() + (y - 1) * w, w, pixels.begin() + y * w);
                continue;
            }
            const std::uint32_t density = next() % 5;
            for (int x = 0; x < w; ++x) pixels[static_cast<std::size_t>(y * w + x)] = next() % 5 < density ? Solid : Key;
        }
        for (std::size_t batchSize : {std::size_t{1}, std::size_t{7}, RegionBatchSize}) {
            Collected got;
            CollectOpaqueRuns({pixels.data(), w, h, w}, RegionKey{}, -3, 5, got.Sink(), batchSize);
            std::vector<int> cover(pixels.size(), 0);
            for (const auto& batch : got.batches) {
                EXPECT_LE(batch.size(), batchSize);
                EXPECT_TRUE(std::is_sorted(batch.begin(), batch.end(), [](const GeoRect& a, const GeoRect& b) {
                    return a.top != b.top ? a.top < b.top : a.left < b.left;
                }));
                for (const GeoRect& r : batch)
                    for (int y = r.top - 5; y < r.bottom - 5; ++y)
                        for (int x = r.left + 3; x < r.right + 3; ++x) ++cover[static_cast<std::size_t>(y * w + x)];
            }
            for (std::size_t i = 0; i < pixels.size(); ++i)
                ASSERT_EQ(cover[i], pixels[i] == Solid ? 1 : 0) << "seed " << seed << " pixel " << i;
        }
    }
}

TEST(RegionRuns, PixelRowsOf24And32BitsInEitherOrderMatchTheWordView) {
    // A red key (blue is the same bytes the other way round, so swapped channels show), random rows that
    // repeat now and then; 24-bit rows padded to 4 bytes with junk in the padding, stored top-down and
    // bottom-up, and 32-bit rows whose fourth byte varies: all give the rectangles of the 32-bit word view.
    const RegionKey red{0x0000FF, 1, 1, 1};
    // The key, red just below it (opaque), blue, a solid colour, the key plus 1 in green and blue (transparent).
    const std::uint32_t colours[] = {0xFF0000, 0xFE0000, 0x0000FF, Solid, 0xFF0101};
    const int w = 13, h = 17;
    const std::ptrdiff_t stride24 = (w * 3 + 3) / 4 * 4;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        std::vector<std::uint32_t> words(static_cast<std::size_t>(w * h));
        std::uint32_t state = seed;
        auto next = [&] { return state = state * 1103515245u + 12345u, (state >> 16) & 0x7FFF; };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::size_t i = static_cast<std::size_t>(y * w + x);
                words[i] = y > 0 && next() % 3 == 0 ? words[i - w] : colours[next() % 5];
            }
        Collected want;
        CollectOpaqueRuns({words.data(), w, h, w}, red, 2, 3, want.Sink());
        ASSERT_FALSE(want.batches.empty());

        std::vector<std::uint8_t> down(static_cast<std::size_t>(stride24 * h), 0xA5), up(down.size(), 0x5A);
        std::vector<std::uint8_t> wide(words.size() * 4);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t p = words[static_cast<std::size_t>(y * w + x)];
                for (int c = 0; c < 3; ++c) {
                    const auto byte = static_cast<std::uint8_t>(p >> (8 * c));
                    down[static_cast<std::size_t>(y * stride24 + x * 3 + c)] = byte;
                    up[static_cast<std::size_t>((h - 1 - y) * stride24 + x * 3 + c)] = byte;
                    wide[static_cast<std::size_t>((y * w + x) * 4 + c)] = byte;
                }
                wide[static_cast<std::size_t>((y * w + x) * 4 + 3)] = static_cast<std::uint8_t>(next());
            }
        const PixelRows views[] = {{down.data(), w, h, stride24, 3},
                                   {up.data() + (h - 1) * stride24, w, h, -stride24, 3},
                                   {wide.data(), w, h, w * 4, 4}};
        for (const PixelRows& view : views) {
            Collected got;
            CollectOpaqueRuns(view, red, 2, 3, got.Sink());
            EXPECT_EQ(got.All(), want.All()) << "seed " << seed << ", " << view.bytesPerPixel << " bytes, stride "
                                             << view.stride;
        }
    }
}
