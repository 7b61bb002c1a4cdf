#include <gtest/gtest.h>

#include <limits>

#include <algorithm>

#include "skin/window/ElementGeometry.h"

namespace {

const ElementPiece* FindTarget(const std::vector<ElementPiece>& pieces, GeoRect target) {
    auto it = std::find_if(pieces.begin(), pieces.end(), [&](const ElementPiece& p) { return p.target == target; });
    return it == pieces.end() ? nullptr : &*it;
}

} // namespace

TEST(ElementGeometry, FrameSourceAlongEitherAxis) {
    EXPECT_EQ(FrameSource(400, 21, false, 5, 1), (GeoRect{0, 0, 80, 21}));
    EXPECT_EQ(FrameSource(400, 21, false, 5, 4), (GeoRect{240, 0, 320, 21}));
    EXPECT_EQ(FrameSource(323, 42, true, 2, 2), (GeoRect{0, 21, 323, 42}));
    EXPECT_EQ(FrameSource(8, 294, false, 2, 2), (GeoRect{4, 0, 8, 294}));
    EXPECT_EQ(FrameSource(58, 21, false, 3, 3), (GeoRect{38, 0, 57, 21})); // 58 div 3 = 19
    // Bad skin values never read outside the strip.
    EXPECT_EQ(FrameSource(40, 10, false, 0, 1), (GeoRect{0, 0, 40, 10}));
    EXPECT_EQ(FrameSource(40, 10, false, 4, 9), (GeoRect{30, 0, 40, 10}));
    EXPECT_EQ(FrameSource(40, 10, false, 4, 0), (GeoRect{0, 0, 10, 10}));
}

TEST(ElementGeometry, NinePartPiecesInOrder) {
    // Frame 2 of a 5-frame 400 x 21 strip, margins 4/3/5/6, into 100 x 30.
    const GeoRect frame = FrameSource(400, 21, false, 5, 2);
    const auto pieces = NinePartPieces(frame, 100, 30, {4, 3, 5, 6}, false);
    const ElementPiece want[] = {
        {{0, 0, 4, 3}, {80, 0, 84, 3}},         // top-left
        {{0, 24, 4, 30}, {80, 15, 84, 21}},     // bottom-left
        {{95, 0, 100, 3}, {155, 0, 160, 3}},    // top-right
        {{0, 3, 4, 24}, {80, 3, 84, 15}},       // left edge
        {{4, 0, 95, 3}, {84, 0, 155, 3}},       // top edge
        {{4, 3, 95, 24}, {84, 3, 155, 15}},     // centre
        {{95, 24, 100, 30}, {155, 15, 160, 21}}, // bottom-right
        {{95, 3, 100, 24}, {155, 3, 160, 15}},  // right edge
        {{4, 24, 95, 30}, {84, 15, 155, 21}},   // bottom edge
    };
    ASSERT_EQ(pieces.size(), std::size(want));
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].target, want[i].target) << i;
        EXPECT_EQ(pieces[i].source, want[i].source) << i;
        EXPECT_FALSE(pieces[i].tiled);
    }
    EXPECT_TRUE(NinePartPieces(frame, 100, 30, {4, 3, 5, 6}, true)[5].tiled);
}

TEST(ElementGeometry, NarrowTargetDropsBothMarginsOfThatAxis) {
    const GeoRect frame{0, 0, 20, 20};
    // 8 wide < 5 + 5: no left or right margins, the whole frame width stretched; top and bottom stay.
    const auto pieces = NinePartPieces(frame, 8, 30, {5, 4, 5, 4}, false);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].target, (GeoRect{0, 0, 8, 4}));
    EXPECT_EQ(pieces[0].source, (GeoRect{0, 0, 20, 4}));
    EXPECT_EQ(pieces[1].target, (GeoRect{0, 4, 8, 26}));
    EXPECT_EQ(pieces[1].source, (GeoRect{0, 4, 20, 16}));
    EXPECT_EQ(pieces[2].target, (GeoRect{0, 26, 8, 30}));
    // Too low as well: one piece, the whole frame.
    const auto tiny = NinePartPieces(frame, 8, 6, {5, 4, 5, 4}, false);
    ASSERT_EQ(tiny.size(), 1u);
    EXPECT_EQ(tiny[0].source, frame);
    EXPECT_EQ(tiny[0].target, (GeoRect{0, 0, 8, 6}));
    // Exactly the margins: no centre, corners only.
    EXPECT_EQ(NinePartPieces(frame, 10, 8, {5, 4, 5, 4}, false).size(), 4u);
    // Nothing for an empty target.
    EXPECT_TRUE(NinePartPieces(frame, 0, 8, {}, false).empty());
}

TEST(ElementGeometry, FrameSmallerThanItsMarginsNeverReadsBackwards) {
    // A 6-pixel frame with margins 4 + 4 into a wide target: the centre's source would be inverted.
    const auto pieces = NinePartPieces({0, 0, 6, 10}, 50, 10, {4, 0, 4, 0}, false);
    for (const auto& p : pieces) {
        EXPECT_TRUE(p.source.HasArea());
        EXPECT_TRUE(p.target.HasArea());
    }
    EXPECT_EQ(FindTarget(pieces, {4, 0, 46, 10}), nullptr);
}

TEST(ElementGeometry, ExtremeMarginsFromADamagedSkin) {
    // Margins of 2147483647 (as a damaged definition can give) into a small target: no overflow, the
    // margins dropped as for any target narrower than them, every piece inside the frame.
    const GeoRect frame{0, 0, 20, 10};
    const int most = std::numeric_limits<int>::max();
    const auto pieces = NinePartPieces(frame, 30, 12, {most, most, most, most}, false);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].source, frame);
    for (const auto& p : ThreeSlicePieces(frame, 30, 12, most, most)) EXPECT_LE(p.source.right, frame.right);
    for (const auto& p : StretchedThreeSlicePieces(frame, {0, 0, 40, 12}, most, most))
        EXPECT_LE(p.source.right, frame.right);
}

TEST(ElementGeometry, TilesRunPastTheTarget) {
    const auto points = TilePositions({2, 3, 12, 8}, 4, 3);
    const GeoPoint want[] = {{2, 3}, {6, 3}, {10, 3}, {2, 6}, {6, 6}, {10, 6}};
    EXPECT_EQ(points, std::vector<GeoPoint>(std::begin(want), std::end(want)));
    EXPECT_TRUE(TilePositions({0, 0, 10, 10}, 0, 3).empty()); // a zero-width centre draws nothing
    EXPECT_TRUE(TilePositions({0, 0, 10, 10}, 3, -1).empty());
}

TEST(ElementGeometry, ThreeSliceRepeatsTheMiddle) {
    // Frame 30 wide (left 5, right 7, middle 18) into 50 x 12.
    const auto pieces = ThreeSlicePieces({30, 0, 60, 20}, 50, 12, 5, 7);
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].target, (GeoRect{0, 0, 5, 12}));
    EXPECT_EQ(pieces[0].source, (GeoRect{30, 0, 35, 20}));
    EXPECT_EQ(pieces[1].target, (GeoRect{5, 0, 23, 12}));
    EXPECT_EQ(pieces[1].source, (GeoRect{35, 0, 53, 20}));
    EXPECT_EQ(pieces[2].target, (GeoRect{23, 0, 41, 12}));
    EXPECT_EQ(pieces[3].target, (GeoRect{41, 0, 59, 12})); // runs under the right piece
    EXPECT_EQ(pieces[4].target, (GeoRect{43, 0, 50, 12}));
    EXPECT_EQ(pieces[4].source, (GeoRect{53, 0, 60, 20}));
    // A frame with no middle ends (no endless loop).
    EXPECT_EQ(ThreeSlicePieces({0, 0, 12, 20}, 50, 12, 5, 7).size(), 2u);
}

TEST(ElementGeometry, StretchedThreeSlice) {
    const GeoRect frame{0, 0, 40, 10};
    const auto narrow = StretchedThreeSlicePieces(frame, {5, 5, 35, 25}, 8, 8);
    ASSERT_EQ(narrow.size(), 1u);
    EXPECT_EQ(narrow[0].source, frame);
    const auto wide = StretchedThreeSlicePieces(frame, {5, 5, 105, 25}, 8, 6);
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(wide[0].target, (GeoRect{5, 5, 13, 25}));
    EXPECT_EQ(wide[1].target, (GeoRect{13, 5, 99, 25}));
    EXPECT_EQ(wide[1].source, (GeoRect{8, 0, 34, 10}));
    EXPECT_EQ(wide[2].target, (GeoRect{99, 5, 105, 25}));
    EXPECT_EQ(wide[2].source, (GeoRect{34, 0, 40, 10}));
}

TEST(ElementGeometry, CentredFrameRoundsTowardZero) {
    EXPECT_EQ(CentredFrameTarget({10, 10, 31, 30}, 10, 5), (GeoRect{15, 17, 25, 22}));
    EXPECT_EQ(CentredFrameTarget({0, 0, 7, 7}, 10, 10), (GeoRect{-1, -1, 9, 9})); // -1.5 -> -1
}

TEST(ElementGeometry, PiecesStayInsideTargetAndFrameForAnyInput) {
    // Deterministic sweep over sizes, margins (also negative and oversized) and frames: every piece lies
    // inside the target and inside its frame, and when the frame is at least as large as its margins the
    // targets tile the whole result exactly once.
    unsigned seed = 12345;
    auto next = [&](int lo, int hi) {
        seed = seed * 1103515245u + 12345u;
        return lo + static_cast<int>((seed >> 8) % static_cast<unsigned>(hi - lo + 1));
    };
    for (int round = 0; round < 4000; ++round) {
        const int stripW = next(1, 120), stripH = next(1, 60), count = next(-1, 8), index = next(-2, 10);
        const bool vertical = next(0, 1) == 1;
        const GeoRect frame = FrameSource(stripW, stripH, vertical, count, index);
        ASSERT_GE(frame.left, 0);
        ASSERT_LE(frame.right, stripW);
        ASSERT_LE(frame.bottom, stripH);
        const int W = next(-3, 90), H = next(-3, 90);
        const GeoMargins m{next(-2, 30), next(-2, 30), next(-2, 30), next(-2, 30)};
        const auto pieces = NinePartPieces(frame, W, H, m, next(0, 1) == 1);
        std::vector<int> cover(static_cast<std::size_t>(std::max(W, 0) * std::max(H, 0)), 0);
        for (const auto& p : pieces) {
            ASSERT_TRUE(p.target.HasArea());
            ASSERT_TRUE(p.source.HasArea());
            ASSERT_GE(p.target.left, 0);
            ASSERT_GE(p.target.top, 0);
            ASSERT_LE(p.target.right, W);
            ASSERT_LE(p.target.bottom, H);
            ASSERT_GE(p.source.left, frame.left);
            ASSERT_GE(p.source.top, frame.top);
            ASSERT_LE(p.source.right, frame.right);
            ASSERT_LE(p.source.bottom, frame.bottom);
            for (int y = p.target.top; y < p.target.bottom; ++y)
                for (int x = p.target.left; x < p.target.right; ++x) ++cover[static_cast<std::size_t>(y * W + x)];
        }
        // The three-part rules keep their margins even in a narrower target (the system clips what hangs
        // out), but never read outside the frame.
        auto inside = [&](const std::vector<ElementPiece>& more, const GeoRect& bounds) {
            for (const auto& p : more) {
                ASSERT_GE(p.source.left, frame.left);
                ASSERT_LE(p.source.right, frame.right);
                ASSERT_GE(p.source.top, frame.top);
                ASSERT_LE(p.source.bottom, frame.bottom);
                ASSERT_GE(p.target.top, bounds.top);
                ASSERT_LE(p.target.bottom, bounds.bottom);
            }
        };
        inside(ThreeSlicePieces(frame, W, H, m.left, m.right), {0, 0, W, H});
        const GeoRect somewhere{5, 7, 5 + W, 7 + H};
        inside(StretchedThreeSlicePieces(frame, somewhere, m.left, m.right), somewhere);
        const bool fits = m.left >= 0 && m.right >= 0 && m.top >= 0 && m.bottom >= 0 &&
                          frame.Width() > m.left + m.right && frame.Height() > m.top + m.bottom;
        if (fits && W > 0 && H > 0) {
            for (int c : cover) ASSERT_EQ(c, 1) << "round " << round;
        }
    }
}
