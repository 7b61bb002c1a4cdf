// Fuzz target: TLZH::Decode over any bytes (4-byte count, then the bit stream), through both of its
// interfaces. The count is kept below 128 KiB and below what the input could describe at all: a symbol
// takes at least one bit and a match of 60 bytes at least ten (with its position), so n bytes of stream
// carry at most 48 n bytes; more would only decode the zero bits past the end. The tree's rebuild at the
// frequency limit is reached by the corpus unit rebuild-at-frequency-limit.lzh (33,000 symbols in 4 KB).
#include "skin/data/LZH.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < 4 && i < size; ++i) count |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    const std::size_t start = std::min<std::size_t>(size, 4);
    const std::size_t stream = size - start;
    count = std::min<std::uint32_t>(count & 0x1FFFF, static_cast<std::uint32_t>(48 * stream));

    std::vector<std::uint8_t> whole;
    TLZH().Decode(count, data + start, stream, whole);
    // Never short of the count, never more than one match past it.
    if (whole.size() < count || whole.size() > count + 59u) std::abort();

    // Read and written in small blocks, the same bytes come out.
    std::size_t pos = start, written = 0;
    bool same = true;
    TLZH().Decode(
        count,
        [&](const std::uint8_t* bytes, std::size_t n) {
            same = same && written + n <= whole.size() && std::equal(bytes, bytes + n, whole.begin() + static_cast<std::ptrdiff_t>(written));
            written += n;
        },
        [&](std::uint8_t* buffer, std::size_t want) {
            const std::size_t n = std::min({want, std::size_t{7}, size - pos});
            std::copy_n(data + pos, n, buffer);
            pos += n;
            return n;
        });
    if (!same || written != whole.size()) std::abort();
    return 0;
}
