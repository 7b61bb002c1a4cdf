// The model shared by the LZHUF decoder (TLZH) and the packer's encoder: the coding parameters, the
// adaptive Huffman tree over literals and match lengths, and the fixed prefix code of the upper six bits
// of a match position.
#pragma once

#include <array>
#include <cstdint>

namespace lzhuf {

constexpr int RingSize = 4096;                 // sliding window, a power of two
constexpr int RingMask = RingSize - 1;
constexpr int MaxMatch = 60;                   // longest match
constexpr int Threshold = 2;                   // a match is longer than this (3 bytes at least)
constexpr int RingStart = RingSize - MaxMatch; // first write position; the ring below it holds spaces
constexpr int SymbolCount = 256 - Threshold + MaxMatch; // 314: bytes 0..255, then lengths 3..60
constexpr int TableSize = SymbolCount * 2 - 1;          // 627 nodes
constexpr int Root = TableSize - 1;                     // 626
constexpr unsigned MaxFrequency = 0x8000;               // the tree is rebuilt when the root reaches it

constexpr int LengthSymbol(int length) { return 255 - Threshold + length; }
constexpr int SymbolLength(int symbol) { return symbol - 255 + Threshold; }

// Prefix code of a position's upper six bits: its length in bits and the code left-aligned in a byte.
extern const std::array<std::uint8_t, 64> PositionCodeLength;
extern const std::array<std::uint8_t, 64> PositionCode;

// The same code seen from the decoder: for any byte that starts with a code, the upper six bits it
// stands for and the code's length.
struct PositionDecodeTable {
    std::array<std::uint8_t, 256> upper;
    std::array<std::uint8_t, 256> length;
};
const PositionDecodeTable& PositionDecoding();

// Adaptive Huffman tree. Nodes are kept in order of frequency; node i's children are son[i] and
// son[i] + 1, and a value of son at or above TableSize marks a leaf (symbol = son - TableSize).
class Tree {
public:
    Tree() { Reset(); }

    void Reset();

    // Adds one to the symbol's frequency and restores the order, swapping nodes as needed.
    void Update(int symbol);

    // Walks from the root, taking one bit per level from nextBit (0: son, 1: son + 1).
    template <class NextBit> int Decode(NextBit&& nextBit) {
        int node = son_[Root];
        while (node < TableSize) node = son_[node + nextBit()];
        const int symbol = node - TableSize;
        Update(symbol);
        return symbol;
    }

    // The symbol's current code, most significant bit first, in the low `length` bits of the result
    // (a code may be longer than 16 bits in a degenerate tree; it never exceeds TableSize bits, but the
    // frequency limit keeps it far below 64). Does not update the tree.
    int Code(int symbol, std::uint64_t& bits) const;

private:
    void Rebuild();

    std::array<unsigned, TableSize + 1> freq_;           // freq_[TableSize] is a sentinel
    std::array<int, TableSize + SymbolCount> parent_;    // [TableSize + s]: leaf of symbol s
    std::array<int, TableSize> son_;
};

} // namespace lzhuf
