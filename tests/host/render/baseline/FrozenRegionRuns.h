// The window region's rectangles as they were collected before runs repeated on consecutive rows were
// joined: one rectangle one pixel high per run. Kept unchanged so that the benchmarks measure the product
// against it in the same run. Not part of the product.
#pragma once

#include "skin/window/RegionRuns.h"

namespace frozen_region {

std::size_t CollectOpaqueRuns(const PixelView32& image, const RegionKey& key, int xOffset, int yOffset,
                              const RegionBatchSink& sink, std::size_t batchSize = RegionBatchSize);

} // namespace frozen_region
