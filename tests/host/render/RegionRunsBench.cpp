// Run collection of a window region for a shaped 1920 x 1080 frame (rounded corners cut with the key),
// solid, hollow (a 4-pixel border around a key-coloured middle) and a dense worst case (stripes): the
// product's collection (runs joined over rows) and the frozen one-rectangle-per-run collection it replaced.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "baseline/FrozenRegionRuns.h"
#include "skin/window/RegionRuns.h"

namespace {

constexpr int W = 1920, H = 1080;
constexpr std::uint32_t Key = 0xFF00FF, Solid = 0xD3E3F5;

enum class Shape { Solid, Hollow, Stripes };

std::vector<std::uint32_t> Frame(Shape shape) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(W) * H, Solid);
    const int r = 7;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int cx = x < r ? r : x >= W - r ? W - r - 1 : x;
            const int cy = y < r ? r : y >= H - r ? H - r - 1 : y;
            const bool outside = (x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r;
            bool key = outside;
            if (shape == Shape::Hollow) key = key || (x >= 4 && x < W - 4 && y >= 21 && y < H - 4);
            if (shape == Shape::Stripes) key = key || (x % 2 == 1);
            if (key) pixels[static_cast<std::size_t>(y) * W + x] = Key;
        }
    return pixels;
}

// The word view's collection (the product's has an overload for rows of 3 or 4 bytes too).
using CollectFn = std::size_t (*)(const PixelView32&, const RegionKey&, int, int, const RegionBatchSink&, std::size_t);

template <CollectFn Collect> void BM_Collect(benchmark::State& state) {
    const auto pixels = Frame(static_cast<Shape>(state.range(0)));
    std::size_t rects = 0, batches = 0;
    for (auto _ : state) {
        batches = 0;
        rects = Collect({pixels.data(), W, H, W}, RegionKey{}, 0, 0,
                        [&](const std::vector<GeoRect>& b) { batches += !b.empty(); }, RegionBatchSize);
        benchmark::DoNotOptimize(rects);
    }
    state.counters["rects"] = static_cast<double>(rects);
    state.counters["batches"] = static_cast<double>(batches);
    state.SetItemsProcessed(state.iterations() * W * H);
}

void BM_CollectOpaqueRuns(benchmark::State& state) { BM_Collect<CollectOpaqueRuns>(state); }
void BM_FrozenCollectOpaqueRuns(benchmark::State& state) { BM_Collect<frozen_region::CollectOpaqueRuns>(state); }

} // namespace

BENCHMARK(BM_FrozenCollectOpaqueRuns)->Arg(0)->Arg(1)->Arg(2)->ArgNames({"shape"})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CollectOpaqueRuns)->Arg(0)->Arg(1)->Arg(2)->ArgNames({"shape"})->Unit(benchmark::kMillisecond);
