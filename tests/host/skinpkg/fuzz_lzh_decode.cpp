// Fuzz target: TLZH::Decode over any bytes (4-byte count, kept below 128 KiB, then the bit stream).
#include "skin/data/LZH.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < 4 && i < size; ++i) count |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    count &= 0x1FFFF; // up to 128 KiB: enough for several tree rebuilds
    std::size_t pos = std::min<std::size_t>(size, 4);
    std::size_t written = 0;
    TLZH().Decode(
        count, [&](const std::uint8_t*, std::size_t n) { written += n; },
        [&](std::uint8_t* buffer, std::size_t want) {
            const std::size_t n = std::min(want, size - pos);
            std::copy_n(data + pos, n, buffer);
            pos += n;
            return n;
        });
    // Never short of the count, never more than one match past it.
    if (written < count || written > count + 59u) std::abort();
    return 0;
}
