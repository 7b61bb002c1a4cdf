// Frozen copy of the LZHUF decoder and its adaptive tree (see FrozenLzh.h). Do not optimise.
#include "FrozenLzh.h"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>

namespace frozen_lzh {
namespace {

constexpr int RingSize = 4096;
constexpr int RingMask = RingSize - 1;
constexpr int MaxMatch = 60;
constexpr int Threshold = 2;
constexpr int RingStart = RingSize - MaxMatch;
constexpr int SymbolCount = 256 - Threshold + MaxMatch;
constexpr int TableSize = SymbolCount * 2 - 1;
constexpr int Root = TableSize - 1;
constexpr unsigned MaxFrequency = 0x8000;
constexpr int SymbolLength(int symbol) { return symbol - 255 + Threshold; }

using Reader = std::function<std::size_t(std::uint8_t* buffer, std::size_t size)>;
using Writer = std::function<void(const std::uint8_t* bytes, std::size_t size)>;

const std::array<std::uint8_t, 64> PositionCodeLength = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
};
const std::array<std::uint8_t, 64> PositionCode = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90, 0x94, 0x98, 0x9C,
    0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2, 0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE,
    0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC, 0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};
struct PositionDecodeTable {
    std::array<std::uint8_t, 256> upper;
    std::array<std::uint8_t, 256> length;
};

class Tree {
public:
    Tree() { Reset(); }
    void Reset();
    void Update(int symbol);
    template <class NextBit> int Decode(NextBit&& nextBit) {
        int node = son_[Root];
        while (node < TableSize) node = son_[node + nextBit()];
        const int symbol = node - TableSize;
        Update(symbol);
        return symbol;
    }

private:
    void Rebuild();

    std::array<unsigned, TableSize + 1> freq_;
    std::array<int, TableSize + SymbolCount> parent_;
    std::array<int, TableSize> son_;
};

const PositionDecodeTable& PositionDecoding() {
    static const PositionDecodeTable table = [] {
        PositionDecodeTable t{};
        // The codes form a complete prefix code: every byte begins with exactly one of them.
        for (int upper = 0; upper < 64; ++upper) {
            const int length = PositionCodeLength[upper];
            const int first = PositionCode[upper], span = 1 << (8 - length);
            for (int b = first; b < first + span; ++b) {
                t.upper[b] = static_cast<std::uint8_t>(upper);
                t.length[b] = static_cast<std::uint8_t>(length);
            }
        }
        return t;
    }();
    return table;
}

void Tree::Reset() {
    for (int i = 0; i < SymbolCount; ++i) {
        freq_[i] = 1;
        son_[i] = i + TableSize;
        parent_[i + TableSize] = i;
    }
    for (int i = 0, j = SymbolCount; j <= Root; i += 2, ++j) {
        freq_[j] = freq_[i] + freq_[i + 1];
        son_[j] = i;
        parent_[i] = parent_[i + 1] = j;
    }
    freq_[TableSize] = 0xFFFF;
    parent_[Root] = 0;
}

void Tree::Rebuild() {
    // Gather the leaves at the front, halving their frequencies (rounded up).
    int j = 0;
    for (int i = 0; i < TableSize; ++i) {
        if (son_[i] >= TableSize) {
            freq_[j] = (freq_[i] + 1) / 2;
            son_[j] = son_[i];
            ++j;
        }
    }
    // Join pairs of nodes, inserting each new node where its frequency keeps the order.
    for (int i = 0, node = SymbolCount; node < TableSize; i += 2, ++node) {
        const unsigned f = freq_[i] + freq_[i + 1];
        int k = node - 1;
        while (f < freq_[k]) --k;
        ++k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + node, freq_.begin() + node + 1);
        std::copy_backward(son_.begin() + k, son_.begin() + node, son_.begin() + node + 1);
        freq_[k] = f;
        son_[k] = i;
    }
    for (int i = 0; i < TableSize; ++i) {
        const int k = son_[i];
        if (k >= TableSize)
            parent_[k] = i;
        else
            parent_[k] = parent_[k + 1] = i;
    }
}

void Tree::Update(int symbol) {
    if (freq_[Root] == MaxFrequency) Rebuild();
    int c = parent_[symbol + TableSize];
    do {
        const unsigned k = ++freq_[c];
        int l = c + 1;
        if (k > freq_[l]) {
            // Move the node past every node whose frequency it now exceeds (the sentinel stops the walk).
            while (k > freq_[++l]) {
            }
            --l;
            freq_[c] = freq_[l];
            freq_[l] = k;

            const int i = son_[c];
            parent_[i] = l;
            if (i < TableSize) parent_[i + 1] = l;

            const int s = son_[l];
            son_[l] = i;
            parent_[s] = c;
            if (s < TableSize) parent_[s + 1] = c;
            son_[c] = s;

            c = l;
        }
        c = parent_[c];
    } while (c != 0);
}


constexpr std::size_t BlockSize = 8192;

// Bits of the source, most significant first; past its end every bit is 0.
class BitInput {
public:
    explicit BitInput(const Reader& read) : read_(read) {}

    int Bit() {
        if (count_ == 0) Refill();
        const int bit = static_cast<int>(bits_ >> 63);
        bits_ <<= 1;
        --count_;
        return bit;
    }

    int Byte() {
        if (count_ < 8) Refill();
        const int byte = static_cast<int>(bits_ >> 56);
        bits_ <<= 8;
        count_ -= 8;
        return byte;
    }

private:
    std::uint8_t NextByte() {
        if (pos_ == size_) {
            if (ended_) return 0;
            size_ = read_(block_.data(), block_.size());
            if (size_ > block_.size()) size_ = block_.size();
            pos_ = 0;
            if (size_ == 0) {
                ended_ = true;
                return 0;
            }
        }
        return block_[pos_++];
    }

    void Refill() {
        while (count_ <= 56) {
            bits_ |= static_cast<std::uint64_t>(NextByte()) << (56 - count_);
            count_ += 8;
        }
    }

    const Reader& read_;
    std::array<std::uint8_t, BlockSize> block_;
    std::size_t pos_ = 0, size_ = 0;
    bool ended_ = false;
    std::uint64_t bits_ = 0; // left-aligned
    int count_ = 0;
};

// Everything one decoding needs besides its input, allocated for that decoding only.
struct DecoderState {
    Tree tree;
    std::array<std::uint8_t, RingSize> ring;
    std::array<std::uint8_t, BlockSize> out;
};

void Decode(std::uint32_t count, const Writer& write, const Reader& read) {
    if (count == 0) return;
    std::unique_ptr<DecoderState> state(new (std::nothrow) DecoderState);
    if (!state) throw std::bad_alloc();

    const auto& positions = PositionDecoding();
    auto& ring = state->ring;
    auto& out = state->out;
    for (int i = 0; i < RingSize; ++i) ring[i] = i < RingStart ? ' ' : 0;

    BitInput input(read);
    std::size_t outUsed = 0;
    auto put = [&](std::uint8_t byte) {
        out[outUsed++] = byte;
        if (outUsed == out.size()) {
            write(out.data(), outUsed);
            outUsed = 0;
        }
    };

    int r = RingStart;
    std::uint64_t written = 0;
    while (written < count) {
        const int symbol = state->tree.Decode([&] { return input.Bit(); });
        if (symbol < 256) {
            const auto byte = static_cast<std::uint8_t>(symbol);
            put(byte);
            ring[r] = byte;
            r = (r + 1) & RingMask;
            ++written;
            continue;
        }
        // Position: a prefixed code for the upper six bits, then the lower six bits as they stand.
        int code = input.Byte();
        const int upper = positions.upper[code];
        for (int extra = positions.length[code] - 2; extra > 0; --extra) code = (code << 1) | input.Bit();
        const int position = (upper << 6) | (code & 0x3F);
        int from = (r - position - 1) & RingMask;
        const int length = SymbolLength(symbol);
        for (int k = 0; k < length; ++k) {
            const std::uint8_t byte = ring[from];
            from = (from + 1) & RingMask;
            put(byte);
            ring[r] = byte;
            r = (r + 1) & RingMask;
        }
        written += static_cast<std::uint64_t>(length);
    }
    if (outUsed > 0) write(out.data(), outUsed);
}

std::uint32_t Count(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i) value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return value;
}

} // namespace

void Decompress(const std::vector<std::uint8_t>& source, std::vector<std::uint8_t>& target) {
    target.clear();
    const std::uint32_t count = Count(source);
    if (count == 0) return;
    target.reserve(count);
    std::size_t position = std::min<std::size_t>(4, source.size());
    Decode(
        count, [&](const std::uint8_t* bytes, std::size_t size) { target.insert(target.end(), bytes, bytes + size); },
        [&](std::uint8_t* buffer, std::size_t size) {
            const std::size_t n = std::min(size, source.size() - position);
            std::copy_n(source.data() + position, n, buffer);
            position += n;
            return n;
        });
}

} // namespace frozen_lzh
