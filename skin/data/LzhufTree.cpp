#include "skin/data/LzhufTree.h"

#include <algorithm>
#include <iterator>

namespace lzhuf {

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
    for (int i = TableSize; i < Pad; ++i) freq_[i] = 0xFFFF;
    freq_[Pad + 1] = ~0u;
    for (int i = 0; i < ClimbRound; ++i) path_[i] = static_cast<std::int16_t>(PathPadding + 2 * i);
    ResetCounters();
    parent_[Root] = Pad;
    parent_[Pad] = Pad;
    topWhole_ = topStale_ = true;
}

void Tree::ResetCounters() {
    for (int i = 0; i < ClimbRound; ++i) freq_[PathPadding + 2 * i] = 0;
    freq_[Pad] = 0;
}

void Tree::Rebuild() {
    topWhole_ = topStale_ = true;
    ResetCounters();
    // The leaves in order, their frequencies halved (rounded up): the order stays.
    unsigned leafFreq[SymbolCount];
    int leafSon[SymbolCount];
    for (int i = 0, j = 0; i < TableSize; ++i) {
        if (son_[i] >= TableSize) {
            leafFreq[j] = (freq_[i] + 1) / 2;
            leafSon[j] = son_[i];
            ++j;
        }
    }
    // Join the nodes in pairs from the front: the q-th joined node has positions 2q and 2q + 1 as children
    // and goes after every node of a frequency up to its own. As the joined nodes come in order of
    // frequency, the table is the merge of the leaves and the joined nodes, a leaf first where two are
    // equal; built in one pass. A joined node outweighs its second child, so both children are in place
    // before it is due; once the leaves run out, the next joined node is always ready.
    int leaf = 0, joined = 0;
    for (int p = 0; p < TableSize; ++p) {
        const bool joinable = 2 * joined + 1 < p;
        const unsigned join = joinable ? freq_[2 * joined] + freq_[2 * joined + 1] : 0;
        if (leaf < SymbolCount && (!joinable || leafFreq[leaf] <= join)) {
            freq_[p] = leafFreq[leaf];
            son_[p] = leafSon[leaf];
            ++leaf;
        } else {
            freq_[p] = join;
            son_[p] = 2 * joined;
            ++joined;
        }
    }
    for (int i = 0; i < TableSize; ++i) {
        const int k = son_[i];
        if (k >= TableSize)
            parent_[k] = i;
        else
            parent_[k] = parent_[k + 1] = i;
    }
}

int Tree::LastBelow(int from, unsigned k) const {
    // Most runs end within the next LookAhead nodes: counted at once, as the table is ordered.
    int below = 0;
    for (int i = 0; i < LookAhead; ++i) below += freq_[from + i] < k;
    if (below < LookAhead) return from + below - 1;
    from += LookAhead;
    // Then by halves, without branches: which half holds the end of the run is as good as a coin toss.
    int n = TableSize + 1 - from;
    while (n > 1) {
        const int half = n / 2;
        from += static_cast<int>(freq_[from + half - 1] < k) * half;
        n -= half;
    }
    return from + (freq_[from] < k) - 1;
}

void Tree::BuildTopEntry(int bits) {
    TopEntry& entry = top_[bits];
    int position = Root, used = 0;
    while (used < TopBits && son_[position] < TableSize) {
        const int span = 1 << (TopBits - used);
        topRange_[position] = {static_cast<std::uint16_t>(bits & -span), static_cast<std::uint16_t>(span)};
        entry.path[used] = static_cast<std::int16_t>(position);
        position = son_[position] + ((bits >> (TopBits - 1 - used)) & 1);
        ++used;
    }
    entry.position = static_cast<std::int16_t>(position);
    entry.used = static_cast<std::uint8_t>(used);
}

void Tree::RefreshTop() {
    if (topWhole_) {
        std::ranges::fill(topRange_, TopRange{});
        for (int bits = 0; bits < (1 << TopBits); ++bits) BuildTopEntry(bits);
    } else {
        // A run may be rebuilt twice when runs nest; every entry is built from the tree as it is now.
        for (int i = 0; i < movedCount_; ++i)
            for (int bits = moved_[i].first; bits < moved_[i].first + moved_[i].count; ++bits) BuildTopEntry(bits);
    }
    movedCount_ = 0;
    topWhole_ = topStale_ = false;
}

void Tree::TopMoved(int c, int l) {
    // A run recorded for a position no walk passes any more only costs a needless rebuild.
    for (const int position : {c, l}) {
        const TopRange range = topRange_[position];
        if (range.count == 0) continue;
        if (movedCount_ == static_cast<int>(std::size(moved_)))
            topWhole_ = true;
        else
            moved_[movedCount_++] = range;
    }
    topStale_ = true;
}

int Tree::Code(int symbol, std::uint64_t& bits) const {
    std::uint64_t code = 0;
    int length = 0;
    int node = parent_[symbol + TableSize];
    do {
        // An odd node is the second child of its parent: bit 1.
        code |= static_cast<std::uint64_t>(node & 1) << length;
        ++length;
        node = parent_[node];
    } while (node != Root);
    bits = code;
    return length;
}

} // namespace lzhuf
