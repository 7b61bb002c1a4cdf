// The model shared by the LZHUF decoder (TLZH) and the packer's encoder: the coding parameters, the
// adaptive Huffman tree over literals and match lengths, and the fixed prefix code of the upper six bits
// of a match position.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

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
    void Update(int symbol) {
        if (freq_[Root] == MaxFrequency) Rebuild();
        ClimbFrom(parent_[symbol + TableSize]);
    }

    // How a decoding update climbs from the leaf; the tree is the same either way (see ClimbAlongPath and
    // ClimbFromLeaf).
    enum class Climb { AlongPath, FromLeaf };
    // The way that suits data on which `leafMoves` of the last `symbols` decoded leaves moved.
    static Climb ClimbFor(int leafMoves, int symbols) {
        return leafMoves * 100 > symbols * NoisyPercent ? Climb::FromLeaf : Climb::AlongPath;
    }

    // Decodes one symbol and updates the tree for it, adding one to `leafMoves` when its leaf moved. The walk
    // from the root takes one bit per level (0: son, 1: son + 1) from a source that holds its next bits
    // left-aligned in `bits.bits` (`bits.count` of them) and tops them up to at least 57 with `bits.Fill()`.
    // The first levels come from a table of the tree's top, whose entries are rebuilt when a node they pass
    // has moved.
    template <Climb way, class Bits> int Decode(Bits& bits, int& leafMoves) {
        if (topStale_) RefreshTop();
        bits.Fill();
        std::uint64_t window = bits.bits;
        int held = bits.count;
        const TopEntry& top = top_[window >> (64 - TopBits)];
        window <<= top.used;
        held -= top.used;
        if constexpr (way == Climb::AlongPath) std::memcpy(path_ + ClimbRound, top.path, sizeof top.path);
        int depth = top.used;
        int position = top.position;
        int node = son_[position];
        while (node < TableSize) {
            if (held == 0) {
                bits.bits = window;
                bits.count = 0;
                bits.Fill();
                window = bits.bits;
                held = bits.count;
            }
            if constexpr (way == Climb::AlongPath)
                path_[ClimbRound + depth] = static_cast<std::int16_t>(position);
            ++depth;
            position = node + static_cast<int>(window >> 63);
            node = son_[position];
            window <<= 1;
            --held;
        }
        bits.bits = window;
        bits.count = held;
        const int symbol = node - TableSize;
        if (freq_[Root] == MaxFrequency) {
            Update(symbol);
            return symbol;
        }
        if constexpr (way == Climb::FromLeaf)
            leafMoves += ClimbFromLeaf(position, depth);
        else
            leafMoves += ClimbAlongPath(position, depth);
        return symbol;
    }

    // The symbol's current code, most significant bit first, in the low `length` bits of the result
    // (a code may be longer than 16 bits in a degenerate tree; it never exceeds TableSize bits, but the
    // frequency limit keeps it far below 64). Does not update the tree.
    int Code(int symbol, std::uint64_t& bits) const;

private:
    // Six bits measured best: a larger table is invalidated and rebuilt too often on noisy data.
    static constexpr int TopBits = 6;
    // Measured: from about a third of leaves moving on, climbing from the leaf is faster.
    static constexpr int NoisyPercent = 35;
    // Where the first TopBits bits lead from the root: the position reached and how many bits that took
    // (fewer when a leaf comes first).
    struct TopEntry {
        std::int16_t path[TopBits]; // the positions passed, root first
        std::int16_t position;
        std::uint8_t used;
    };

    // Two ways to update the tree after decoding the leaf at position c, `depth` levels below the root
    // along the walk's path. They differ only in speed; each returns whether the leaf moved.
    //
    // On noisy data whether the leaf moves is a coin toss, and asking costs a mispredicted branch: the leaf
    // is moved without asking (to where it is, when no node of its frequency follows it), and the climb
    // goes on from its parent.
    bool ClimbFromLeaf(int c, int depth) {
        const unsigned was = freq_[c]++;
        const int l = MoveUp(c, was);
        ClimbCounted(parent_[l], depth);
        return l != c;
    }

    // Elsewhere most leaves stay where they are: the climb follows the walked path, whose positions are
    // known ahead, while no node moves; after a move the path above it is another one. Above the leaf it
    // goes in rounds of a fixed number of steps, which the processor foresees; past the root it steps on
    // the path's padding.
    bool ClimbAlongPath(int c, int depth) {
        if (RaiseMoved(c, depth)) return true;
        int at = depth - 1;
        do {
            for (int step = 0; step < ClimbRound; ++step, --at)
                if (RaiseMoved(path_[ClimbRound + at], at)) return false;
        } while (at >= 0);
        return false;
    }

    // Adds one to the frequency of node c, `depth` levels below the root. When that moves it, finishes the
    // update along its new parents and returns true.
    bool RaiseMoved(int c, int depth) {
        const unsigned was = freq_[c]++;
        if (was != freq_[c + 1]) return false;
        ClimbCounted(parent_[MoveUp(c, was)], depth);
        return true;
    }

    // The climb from node c, the parent of a node that has just moved from `depth` levels below the root.
    // The node moved to is rarely deeper than it was, so about `depth` nodes lie above c: that many steps
    // are taken without looking where they lead, past the root onto the padding node, whose parent is
    // itself. Only then is the climb checked for its end.
    void ClimbCounted(int c, int depth) {
        for (; depth > 0; --depth) c = RaiseNode(c);
        if (c != Pad) ClimbFrom(c);
    }

    // Adds one to the frequency of node c and of each node above it, moving nodes as needed.
    void ClimbFrom(int c) {
        do c = RaiseNode(c);
        while (c != Pad);
    }

    // Adds one to the frequency of node c, moving it as needed, and returns its parent. This step, MoveUp
    // and Holding are inlined even where a sanitizer's checks make them look too large to the compiler: a
    // call for each costs a checked build a tenth of its speed.
    [[gnu::always_inline]] int RaiseNode(int c) {
        const unsigned was = freq_[c]++;
        if (was == freq_[c + 1]) c = MoveUp(c, was);
        return parent_[c];
    }

    void Rebuild();
    // Brings the top table up to date: whole after Reset and Rebuild, else the entries that passed
    // through a node that has moved since.
    void RefreshTop();
    void BuildTopEntry(int bits);
    void TopMoved(int c, int l);
    // The last node of frequency below k from `from` - 1 on (which has one).
    int LastBelow(int from, unsigned k) const;
    static constexpr int LookAhead = 32;
    // How many of the four nodes from `from` on have frequency `f`.
    [[gnu::always_inline]] int Holding(int from, unsigned f) const {
        return (freq_[from] == f) + (freq_[from + 1] == f) + (freq_[from + 2] == f) + (freq_[from + 3] == f);
    }

    // One step of the update at node c, whose frequency has just grown from `was`: moves it past every node
    // of that frequency (if none follows, it stays) and returns where it now is.
    [[gnu::always_inline]] int MoveUp(int c, unsigned was) {
        const unsigned k = was + 1;
        // The nodes it passes hold `was` and come first (the table is ordered by frequency). Most runs of
        // equal frequencies are short: count eight at once (the sentinels stop it); a longer run (a young
        // tree has one of 314 leaves) is counted further by LastBelow.
        const int first = Holding(c + 1, was) + Holding(c + 5, was);
        const int l = first < 8 ? c + first : LastBelow(c + 9, k);
        freq_[c] = was;
        freq_[l] = k;

        // A node's children are son and son + 1, a leaf's entry is son alone: written twice then, which
        // costs less than the branch.
        const int i = son_[c];
        parent_[i] = l;
        parent_[i + (i < TableSize)] = l;

        const int s = son_[l];
        son_[l] = i;
        parent_[s] = c;
        parent_[s + (s < TableSize)] = c;
        son_[c] = s;
        if ((topRange_[c].count | topRange_[l].count) && l != c) TopMoved(c, l);
        return l;
    }

    // Past the last node, sentinels stop a move's look ahead. Among them, counters that never move: raised
    // at most a few times a symbol and reset by every rebuild, they never reach the sentinel that follows
    // each. PathPadding + 2 * i (i < ClimbRound) are where a climb along the path steps past the root. Pad,
    // the root's parent, is its own parent and lies beyond the leaves' entries in parent_; as a climb may
    // raise it many times a symbol, it is followed by the largest value.
    static constexpr int ClimbRound = 8;
    // The sentinels: the eight nodes a move counts, then LastBelow's look-ahead.
    static constexpr int Sentinels = 8 + LookAhead;
    static constexpr int PathPadding = TableSize + Sentinels;
    static constexpr int Pad = TableSize + SymbolCount;
    static_assert(PathPadding + 2 * ClimbRound <= Pad);
    void ResetCounters();
    // Plain arrays, so that a build with the bounds sanitizer checks every index against the array it
    // indexes (it does not see into std::array).
    unsigned freq_[Pad + 2];
    int parent_[Pad + 1];                                // [TableSize + s]: leaf of symbol s
    int son_[TableSize];
    TopEntry top_[1 << TopBits];
    // The entries whose walk passed through a position (count 0: none did). The entries passing through
    // a node share the bits that lead to it, so they are one run of the table.
    struct TopRange {
        std::uint16_t first = 0, count = 0;
    };
    TopRange topRange_[TableSize + 1]{};
    TopRange moved_[16]{};                               // runs to rebuild before the next walk
    int movedCount_ = 0;
    bool topWhole_ = false;                              // the whole table is to be rebuilt
    bool topStale_ = true;
    // The positions a decoding walk passed, root first, from path_[ClimbRound] on (a walk passes each
    // internal node at most once). Before them the path's padding.
    std::int16_t path_[ClimbRound + SymbolCount];
};

} // namespace lzhuf
