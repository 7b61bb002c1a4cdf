// The LZHUF decoder as it stood before the decoding speed work, kept unchanged so that the benchmark
// measures the product's decoder against it in the same run. Not part of the product.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace frozen_lzh {

// Decodes a compressed form (4-byte count, then the bit stream) into `target`, through the same
// callbacks and block sizes as the product's reader used.
void Decompress(const std::vector<std::uint8_t>& source, std::vector<std::uint8_t>& target);

} // namespace frozen_lzh
