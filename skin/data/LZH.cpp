#include "skin/data/LZH.h"

#include "skin/data/LzhufTree.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr std::size_t BlockSize = 8192;
constexpr std::size_t OutputChunk = 64 * 1024;
// Room behind the end of the output for a whole match copied in 16-byte pieces.
constexpr std::size_t CopySlack = lzhuf::MaxMatch + 16;

// Bits of the source, most significant first, left-aligned in a 64-bit word; past its end every bit is 0.
// The source is either one block of memory or blocks delivered by a reader. Decoding works on a copy of
// the reading position (a Cursor), which the compiler keeps in registers, and hands it back at the end.
class BitInput {
public:
    BitInput(const std::uint8_t* data, std::size_t size) {
        cursor.next = data;
        cursor.end = data + size;
    }
    explicit BitInput(const TLZH::Reader& read) : read_(&read) {}

    struct Cursor {
        std::uint64_t bits = 0; // left-aligned; below the held bits: zeros or the bits that follow
        int count = 0;
        const std::uint8_t* next = nullptr;
        const std::uint8_t* end = nullptr;
        BitInput* source = nullptr;

        // At least 57 bits are held afterwards.
        void Fill() {
            if (end - next >= 8) {
                std::uint64_t word;
                std::memcpy(&word, next, 8);
                bits |= BigEndian(word) >> count;
                next += (63 - count) >> 3;
                count |= 56;
            } else {
                *this = source->FillSlowly(*this);
            }
        }

        // The next `n` bits (1 <= n <= 16) as a number.
        int Bits(int n) {
            if (count < n) Fill();
            const int value = static_cast<int>(bits >> (64 - n));
            bits <<= n;
            count -= n;
            return value;
        }
    };

    Cursor Start() {
        Cursor at = cursor;
        at.source = this;
        return at;
    }
    void Stop(const Cursor& at) { cursor = at; }

private:
    static std::uint64_t BigEndian(std::uint64_t word) {
        if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(word);
        return word;
    }

    // Near the end of a block: byte by byte, fetching the next block when one is due.
    Cursor FillSlowly(Cursor at) {
        while (at.count <= 56) {
            if (at.next == at.end && read_ && !ended_) {
                const std::size_t got = std::min((*read_)(block_.data(), block_.size()), block_.size());
                at.next = block_.data();
                at.end = at.next + got;
                ended_ = got == 0;
            }
            const std::uint64_t byte = at.next < at.end ? *at.next++ : 0;
            at.bits |= byte << (56 - at.count);
            at.count += 8;
        }
        return at;
    }

    Cursor cursor;
    const TLZH::Reader* read_ = nullptr;
    bool ended_ = false;
    std::array<std::uint8_t, BlockSize> block_;
};

// Ring position 4036 + i holds output byte i; the positions below hold what the ring starts with.
std::uint8_t InitialRingByte(std::ptrdiff_t fromOutputStart) {
    const std::ptrdiff_t ring = (lzhuf::RingStart + fromOutputStart) & lzhuf::RingMask;
    return ring < lzhuf::RingStart ? ' ' : 0;
}

// Decodes up to `symbols` symbols into `out`, stopping once it reaches `stop` (a match may run up to 59 bytes
// past it), and returns the new end; counts down `symbols` and counts the leaves that moved. The output
// itself is the sliding window: the 4096 bytes before `out` are the ring, except that before `start` (the
// first byte ever decoded, when it lies in this buffer) lies the initial ring.
template <lzhuf::Tree::Climb way>
std::uint8_t* DecodeRun(lzhuf::Tree& tree, BitInput::Cursor& input, std::uint8_t* out, const std::uint8_t* stop,
                        const std::uint8_t* start, int& symbols, int& leafMoves) {
    const auto& positions = lzhuf::PositionDecoding();
    for (; symbols > 0 && out < stop; --symbols) {
        const int symbol = tree.Decode<way>(input, leafMoves);
        if (symbol < 256) {
            *out++ = static_cast<std::uint8_t>(symbol);
            continue;
        }
        // Position: a prefixed code for the upper six bits, then the lower six bits as they stand.
        const int code = input.Bits(8);
        const int extra = positions.length[code] - 2;
        const int low = ((code << extra) | input.Bits(extra)) & 0x3F;
        const std::ptrdiff_t distance = ((positions.upper[code] << 6) | low) + 1;
        const int length = lzhuf::SymbolLength(symbol);
        if (distance > out - start) {
            // Only in the first 4096 bytes of the output: part of the match lies in the initial ring.
            for (int k = 0; k < length; ++k) {
                const std::ptrdiff_t at = (out + k - distance) - start;
                out[k] = at < 0 ? InitialRingByte(at) : start[at];
            }
        } else if (distance >= 16) {
            const std::uint8_t* from = out - distance;
            // Each piece reads only bytes already written, so an overlapping match comes out right.
            for (int k = 0; k < length; k += 16) std::memcpy(out + k, from + k, 16);
        } else if (distance == 1) {
            std::memset(out, out[-1], static_cast<std::size_t>(length));
        } else {
            // A short distance repeats a pattern: past its first few bytes, each byte equals the one a
            // whole number of patterns, at least 8 bytes, back; so 8-byte pieces read written bytes only.
            const std::ptrdiff_t span = distance * ((7 + distance) / distance);
            std::ptrdiff_t k = 0;
            for (; k < span - distance && k < length; ++k) out[k] = out[k - distance];
            for (; k < length; k += 8) std::memcpy(out + k, out + k - span, 8);
        }
        out += length;
    }
    return out;
}

// Decodes symbols into `out` until it reaches `stop` and returns the new end (see DecodeRun). The tree's
// update climbs in the way that suited the run of symbols before.
std::uint8_t* DecodeSymbols(lzhuf::Tree& tree, BitInput& source, std::uint8_t* out, const std::uint8_t* stop,
                            const std::uint8_t* start) {
    using Climb = lzhuf::Tree::Climb;
    constexpr int RunSymbols = 256;
    BitInput::Cursor input = source.Start();
    Climb climb = Climb::AlongPath;
    while (out < stop) {
        int symbols = RunSymbols, leafMoves = 0;
        if (climb == Climb::FromLeaf)
            out = DecodeRun<Climb::FromLeaf>(tree, input, out, stop, start, symbols, leafMoves);
        else
            out = DecodeRun<Climb::AlongPath>(tree, input, out, stop, start, symbols, leafMoves);
        climb = lzhuf::Tree::ClimbFor(leafMoves, RunSymbols - symbols);
    }
    source.Stop(input);
    return out;
}

std::unique_ptr<lzhuf::Tree> NewTree() {
    std::unique_ptr<lzhuf::Tree> tree(new (std::nothrow) lzhuf::Tree);
    if (!tree) throw ElzhException(TLZH::NoMemoryMessage);
    return tree;
}

} // namespace

void TLZH::Decode(std::uint32_t count, const Writer& write, const Reader& read) {
    if (count == 0) return;
    const auto tree = NewTree();
    const std::size_t history = lzhuf::RingSize;
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[history + OutputChunk + CopySlack]);
    auto input = std::unique_ptr<BitInput>(new (std::nothrow) BitInput(read));
    if (!buffer || !input) throw ElzhException(NoMemoryMessage);

    // The window in front of the first chunk is the initial ring, laid out as the bytes before output 0.
    std::uint8_t* const first = buffer.get() + history;
    for (std::size_t i = 0; i < history; ++i) buffer[i] = InitialRingByte(static_cast<std::ptrdiff_t>(i) - 4096);
    std::uint64_t remaining = count;
    while (true) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, OutputChunk));
        std::uint8_t* end = DecodeSymbols(*tree, *input, first, first + want, buffer.get());
        const auto produced = static_cast<std::size_t>(end - first);
        write(first, produced);
        if (produced >= remaining) break;
        remaining -= produced;
        std::memmove(buffer.get(), end - history, history);
    }
}

void TLZH::Decode(std::uint32_t count, const std::uint8_t* source, std::size_t size,
                  std::vector<std::uint8_t>& target) {
    target.clear();
    if (count == 0) return;
    const auto tree = NewTree();
    try {
        target.resize(static_cast<std::size_t>(count) + CopySlack);
    } catch (const std::bad_alloc&) {
        throw ElzhException(NoMemoryMessage);
    }
    BitInput input(source, size);
    std::uint8_t* const start = target.data();
    const std::uint8_t* end = DecodeSymbols(*tree, input, start, start + count, start);
    target.resize(static_cast<std::size_t>(end - start));
}
