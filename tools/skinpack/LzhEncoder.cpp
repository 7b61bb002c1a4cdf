#include "tools/skinpack/LzhEncoder.h"

#include "skin/data/LzhufTree.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

namespace {

using namespace lzhuf;

constexpr int Nil = RingSize; // "no node"
constexpr std::size_t BlockSize = 64 * 1024;

// Bits to a writer, most significant first, in blocks of a bounded size.
class BitOutput {
public:
    explicit BitOutput(const LzhByteWriter& write) : write_(write) { out_.reserve(BlockSize); }

    // Writes the low `length` bits of `bits`, most significant first.
    void Put(std::uint64_t bits, int length) {
        while (length > 0) {
            const int take = std::min(length, 32);
            length -= take;
            const std::uint64_t chunk = (bits >> length) & ((std::uint64_t{1} << take) - 1);
            buffer_ = (buffer_ << take) | chunk;
            count_ += take;
            while (count_ >= 8) {
                count_ -= 8;
                out_.push_back(static_cast<std::uint8_t>(buffer_ >> count_));
            }
            buffer_ &= (std::uint64_t{1} << count_) - 1;
            if (out_.size() >= BlockSize) Drain();
        }
    }

    void Flush() {
        if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(buffer_ << (8 - count_)));
        count_ = 0;
        buffer_ = 0;
        Drain();
    }

private:
    void Drain() {
        if (!out_.empty()) write_(out_.data(), out_.size());
        out_.clear();
    }

    const LzhByteWriter& write_;
    std::vector<std::uint8_t> out_;
    std::uint64_t buffer_ = 0;
    int count_ = 0;
};

// The input, fetched from a reader a block at a time.
class ByteInput {
public:
    explicit ByteInput(const LzhByteReader& read) : read_(read), block_(BlockSize) {}

    // False once the reader has nothing more.
    bool Next(std::uint8_t& byte) {
        if (pos_ == size_) {
            size_ = std::min(read_(block_.data(), block_.size()), block_.size());
            pos_ = 0;
            if (size_ == 0) return false;
        }
        byte = block_[pos_++];
        ++total_;
        return true;
    }

    std::uint64_t Total() const { return total_; }

private:
    const LzhByteReader& read_;
    std::vector<std::uint8_t> block_;
    std::size_t pos_ = 0, size_ = 0;
    std::uint64_t total_ = 0;
};

// The ring with the next MaxMatch - 1 bytes mirrored past its end, and a binary search tree per first
// byte over the ring positions, each node keyed by the MaxMatch bytes that start there.
class MatchFinder {
public:
    MatchFinder() {
        for (int i = RingSize + 1; i <= RingSize + 256; ++i) right_[i] = Nil;
        for (int i = 0; i < RingSize; ++i) parent_[i] = Nil;
    }

    std::uint8_t* Text() { return text_.data(); }

    // Inserts the string at r; leaves the longest earlier match (the nearest among equals) in
    // matchLength / matchPosition (distance - 1).
    void Insert(int r) {
        int cmp = 1;
        const std::uint8_t* key = &text_[r];
        int p = RingSize + 1 + key[0];
        right_[r] = left_[r] = Nil;
        matchLength = 0;
        for (;;) {
            if (cmp >= 0) {
                if (right_[p] != Nil) {
                    p = right_[p];
                } else {
                    right_[p] = r;
                    parent_[r] = p;
                    return;
                }
            } else {
                if (left_[p] != Nil) {
                    p = left_[p];
                } else {
                    left_[p] = r;
                    parent_[r] = p;
                    return;
                }
            }
            int i = 1;
            for (; i < MaxMatch; ++i)
                if ((cmp = key[i] - text_[p + i]) != 0) break;
            if (i > Threshold) {
                const int distance = ((r - p) & RingMask) - 1;
                if (i > matchLength) {
                    matchPosition = distance;
                    if ((matchLength = i) >= MaxMatch) break;
                } else if (i == matchLength && distance < matchPosition) {
                    matchPosition = distance;
                }
            }
        }
        // A full-length match: the new node replaces p in the tree.
        parent_[r] = parent_[p];
        left_[r] = left_[p];
        right_[r] = right_[p];
        parent_[left_[p]] = r;
        parent_[right_[p]] = r;
        if (right_[parent_[p]] == p)
            right_[parent_[p]] = r;
        else
            left_[parent_[p]] = r;
        parent_[p] = Nil;
    }

    void Remove(int p) {
        if (parent_[p] == Nil) return;
        int q;
        if (right_[p] == Nil) {
            q = left_[p];
        } else if (left_[p] == Nil) {
            q = right_[p];
        } else {
            q = left_[p];
            if (right_[q] != Nil) {
                do q = right_[q];
                while (right_[q] != Nil);
                right_[parent_[q]] = left_[q];
                parent_[left_[q]] = parent_[q];
                left_[q] = left_[p];
                parent_[left_[p]] = q;
            }
            right_[q] = right_[p];
            parent_[right_[p]] = q;
        }
        parent_[q] = parent_[p];
        if (right_[parent_[p]] == p)
            right_[parent_[p]] = q;
        else
            left_[parent_[p]] = q;
        parent_[p] = Nil;
    }

    int matchLength = 0;
    int matchPosition = 0;

private:
    std::array<std::uint8_t, RingSize + MaxMatch - 1> text_{};
    std::array<int, RingSize + 1> left_{};
    std::array<int, RingSize + 257> right_{};
    std::array<int, RingSize + 1> parent_{};
};

struct EncoderState {
    MatchFinder finder;
    Tree tree;
};

void EncodeSymbol(Tree& tree, BitOutput& out, int symbol) {
    std::uint64_t bits = 0;
    const int length = tree.Code(symbol, bits);
    out.Put(bits, length);
    tree.Update(symbol);
}

void EncodePosition(BitOutput& out, int position) {
    const int upper = position >> 6;
    out.Put(PositionCode[upper] >> (8 - PositionCodeLength[upper]), PositionCodeLength[upper]);
    out.Put(static_cast<std::uint64_t>(position & 0x3F), 6);
}

} // namespace

std::uint64_t LzhEncode(std::uint64_t size, const LzhByteReader& read, const LzhByteWriter& write) {
    if (size == 0) return 0;
    auto state = std::make_unique<EncoderState>();
    MatchFinder& finder = state->finder;
    Tree& tree = state->tree;
    BitOutput out(write);
    ByteInput input(read);
    std::uint8_t* text = finder.Text();
    // The encoder stops at `size` bytes, or earlier when the reader runs dry.
    std::uint64_t left = size;
    auto next = [&](std::uint8_t& byte) { return left > 0 && input.Next(byte) && (--left, true); };

    int s = 0, r = RingStart;
    for (int i = s; i < r; ++i) text[i] = ' ';
    int len = 0;
    std::uint8_t c = 0;
    for (; len < MaxMatch && next(c); ++len) text[r + len] = c;
    for (int i = 1; i <= MaxMatch; ++i) finder.Insert(r - i);
    finder.Insert(r);
    do {
        int matchLength = std::min(finder.matchLength, len);
        if (matchLength <= Threshold) {
            matchLength = 1;
            EncodeSymbol(tree, out, text[r]);
        } else {
            EncodeSymbol(tree, out, LengthSymbol(matchLength));
            EncodePosition(out, finder.matchPosition);
        }
        int i = 0;
        for (; i < matchLength && next(c); ++i) {
            finder.Remove(s);
            text[s] = c;
            if (s < MaxMatch - 1) text[s + RingSize] = c;
            s = (s + 1) & RingMask;
            r = (r + 1) & RingMask;
            finder.Insert(r);
        }
        for (; i < matchLength; ++i) {
            finder.Remove(s);
            s = (s + 1) & RingMask;
            r = (r + 1) & RingMask;
            if (--len) finder.Insert(r);
        }
    } while (len > 0);
    out.Flush();
    return input.Total();
}

std::vector<std::uint8_t> LzhEncodeStream(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> stream;
    stream.reserve(size / 2 + 64);
    std::size_t position = 0;
    LzhEncode(
        size,
        [&](std::uint8_t* buffer, std::size_t want) {
            const std::size_t n = std::min(want, size - position);
            std::copy_n(data + position, n, buffer);
            position += n;
            return n;
        },
        [&](const std::uint8_t* bytes, std::size_t n) { stream.insert(stream.end(), bytes, bytes + n); });
    return stream;
}

std::vector<std::uint8_t> LzhCompress(const std::uint8_t* data, std::size_t size) {
    if (size > 0xFFFFFFFFu) throw std::length_error("LZH: input larger than 4 GB");
    std::vector<std::uint8_t> framed(4);
    for (int i = 0; i < 4; ++i) framed[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
    const std::vector<std::uint8_t> stream = LzhEncodeStream(data, size);
    framed.insert(framed.end(), stream.begin(), stream.end());
    return framed;
}
