#include "skin/data/LZH.h"

#include "skin/data/LzhufTree.h"

#include <array>
#include <memory>
#include <new>

namespace {

constexpr std::size_t BlockSize = 8192;

// Bits of the source, most significant first; past its end every bit is 0.
class BitInput {
public:
    explicit BitInput(const TLZH::Reader& read) : read_(read) {}

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

    const TLZH::Reader& read_;
    std::array<std::uint8_t, BlockSize> block_;
    std::size_t pos_ = 0, size_ = 0;
    bool ended_ = false;
    std::uint64_t bits_ = 0; // left-aligned
    int count_ = 0;
};

// Everything one decoding needs besides its input, allocated for that decoding only.
struct DecoderState {
    lzhuf::Tree tree;
    std::array<std::uint8_t, lzhuf::RingSize> ring;
    std::array<std::uint8_t, BlockSize> out;
};

} // namespace

void TLZH::Decode(std::uint32_t count, const Writer& write, const Reader& read) {
    if (count == 0) return;
    std::unique_ptr<DecoderState> state(new (std::nothrow) DecoderState);
    if (!state) throw ElzhException(NoMemoryMessage);

    const auto& positions = lzhuf::PositionDecoding();
    auto& ring = state->ring;
    auto& out = state->out;
    for (int i = 0; i < lzhuf::RingSize; ++i) ring[i] = i < lzhuf::RingStart ? ' ' : 0;

    BitInput input(read);
    std::size_t outUsed = 0;
    auto put = [&](std::uint8_t byte) {
        out[outUsed++] = byte;
        if (outUsed == out.size()) {
            write(out.data(), outUsed);
            outUsed = 0;
        }
    };

    int r = lzhuf::RingStart;
    std::uint64_t written = 0;
    while (written < count) {
        const int symbol = state->tree.Decode([&] { return input.Bit(); });
        if (symbol < 256) {
            const auto byte = static_cast<std::uint8_t>(symbol);
            put(byte);
            ring[r] = byte;
            r = (r + 1) & lzhuf::RingMask;
            ++written;
            continue;
        }
        // Position: a prefixed code for the upper six bits, then the lower six bits as they stand.
        int code = input.Byte();
        const int upper = positions.upper[code];
        for (int extra = positions.length[code] - 2; extra > 0; --extra) code = (code << 1) | input.Bit();
        const int position = (upper << 6) | (code & 0x3F);
        int from = (r - position - 1) & lzhuf::RingMask;
        const int length = lzhuf::SymbolLength(symbol);
        for (int k = 0; k < length; ++k) {
            const std::uint8_t byte = ring[from];
            from = (from + 1) & lzhuf::RingMask;
            put(byte);
            ring[r] = byte;
            r = (r + 1) & lzhuf::RingMask;
        }
        written += static_cast<std::uint64_t>(length);
    }
    if (outUsed > 0) write(out.data(), outUsed);
}
