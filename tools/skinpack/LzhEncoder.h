// The packer's LZHUF encoder: LZSS over the 4096-byte ring with a binary-tree match finder, literals and
// match lengths coded with the adaptive Huffman tree, positions with the fixed prefix code. Its output is
// what TLZH decodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Delivers up to `size` bytes into `buffer` and returns how many (0: nothing more).
using LzhByteReader = std::function<std::size_t(std::uint8_t* buffer, std::size_t size)>;
using LzhByteWriter = std::function<void(const std::uint8_t* bytes, std::size_t size)>;

// Encodes `size` bytes taken from `read` and hands the bit stream alone (no count) to `write` in blocks of
// at most 64 KiB; memory stays bounded whatever the size. Returns how many bytes were read: fewer than
// `size` when the reader ran dry first.
std::uint64_t LzhEncode(std::uint64_t size, const LzhByteReader& read, const LzhByteWriter& write);

// The bit stream alone (no count); empty for empty input.
std::vector<std::uint8_t> LzhEncodeStream(const std::uint8_t* data, std::size_t size);

// The compressed form: a 32-bit little-endian count, then the bit stream. `size` must fit in 32 bits.
std::vector<std::uint8_t> LzhCompress(const std::uint8_t* data, std::size_t size);
inline std::vector<std::uint8_t> LzhCompress(const std::vector<std::uint8_t>& data) {
    return LzhCompress(data.data(), data.size());
}
