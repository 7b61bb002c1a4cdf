// The packer's LZHUF encoder: LZSS over the 4096-byte ring with a binary-tree match finder, literals and
// match lengths coded with the adaptive Huffman tree, positions with the fixed prefix code. Its output is
// what TLZH decodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The bit stream alone (no count); empty for empty input.
std::vector<std::uint8_t> LzhEncodeStream(const std::uint8_t* data, std::size_t size);

// The compressed form: a 32-bit little-endian count, then the bit stream. `size` must fit in 32 bits.
std::vector<std::uint8_t> LzhCompress(const std::uint8_t* data, std::size_t size);
inline std::vector<std::uint8_t> LzhCompress(const std::vector<std::uint8_t>& data) {
    return LzhCompress(data.data(), data.size());
}
