// Fuzz target: TLZH::Decode over any bytes, through both of its interfaces. The input starts with four bytes,
// least significant first: the count in bits 0 to 16; bit 17 set decodes through the whole-buffer interface
// only; bits 18 to 31 give the size of the pieces the streaming reader hands over, from 16 KiB (all clear)
// down to one byte. The bit stream follows.
//
// The count is kept below what the input could describe at all: a symbol takes at least one bit and a
// match of 60 bytes at least ten (with its position), so n bytes of stream carry at most 48 n bytes; more
// would only decode the zero bits past the end. The tree's rebuild at the frequency limit is reached by the
// corpus unit rebuild-at-frequency-limit.lzh (33,000 symbols in 4 KB).
#include "skin/data/LZH.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint32_t head = 0;
    for (std::size_t i = 0; i < 4 && i < size; ++i) head |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    const std::size_t start = std::min<std::size_t>(size, 4);
    const std::size_t stream = size - start;
    const std::uint32_t count =
        std::min<std::uint32_t>(head & 0x1FFFF, static_cast<std::uint32_t>(48 * stream));
    const bool wholeOnly = (head >> 17) & 1;
    const std::size_t piece = 0x4000 - (head >> 18);

    std::vector<std::uint8_t> whole;
    TLZH().Decode(count, data + start, stream, whole);
    // Never short of the count, never more than one match past it.
    if (whole.size() < count || whole.size() > count + 59u) std::abort();
    if (wholeOnly) return 0;

    // Read and written in pieces, the same bytes come out.
    std::size_t pos = start, written = 0;
    bool same = true;
    TLZH().Decode(
        count,
        [&](const std::uint8_t* bytes, std::size_t n) {
            same = same && written + n <= whole.size() && std::equal(bytes, bytes + n, whole.begin() + static_cast<std::ptrdiff_t>(written));
            written += n;
        },
        [&](std::uint8_t* buffer, std::size_t want) {
            const std::size_t n = std::min({want, piece, size - pos});
            std::copy_n(data + pos, n, buffer);
            pos += n;
            return n;
        });
    if (!same || written != whole.size()) std::abort();
    return 0;
}
