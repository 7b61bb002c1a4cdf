#include <gtest/gtest.h>

#include <climits>

#include "skin/controls/ScrollBarGeometry.h"

using S = ScrollPartState;

TEST(ScrollBarGeometry, FramesOfTheStripForEachPartAndState) {
    struct Case { bool vertical, second; S state; int frame; };
    const Case arrows[] = {
        {false, false, S::Normal, 1}, {false, false, S::Pressed, 2}, {false, false, S::Hot, 4},
        {false, true, S::Normal, 5},  {false, true, S::Pressed, 6},  {false, true, S::Hot, 8},
        {true, false, S::Normal, 9},  {true, false, S::Pressed, 10}, {true, false, S::Hot, 12},
        {true, true, S::Normal, 13},  {true, true, S::Pressed, 14},  {true, true, S::Hot, 16},
    };
    for (const Case& c : arrows)
        EXPECT_EQ(ArrowFrame(c.vertical, c.second, c.state), c.frame) << c.vertical << c.second << int(c.state);
    EXPECT_EQ(GripFrame(false, S::Normal), 17);
    EXPECT_EQ(GripFrame(false, S::Pressed), 18);
    EXPECT_EQ(GripFrame(false, S::Hot), 19);
    EXPECT_EQ(GripFrame(true, S::Normal), 20);
    EXPECT_EQ(GripFrame(true, S::Pressed), 21);
    EXPECT_EQ(GripFrame(true, S::Hot), 22);
    EXPECT_EQ(ThumbFrame(S::Normal), 1);
    EXPECT_EQ(ThumbFrame(S::Pressed), 2);
    EXPECT_EQ(ThumbFrame(S::Hot), 3);
    EXPECT_EQ(TrackFrame(true), 1);
    EXPECT_EQ(TrackFrame(false), 3);
    // The hot part is pressed while the button is down on the bar, hot otherwise; other parts are normal.
    EXPECT_EQ(PartState(spThumb, spThumb, true), S::Pressed);
    EXPECT_EQ(PartState(spThumb, spThumb, false), S::Hot);
    EXPECT_EQ(PartState(spFirstArrow, spThumb, true), S::Normal);
    EXPECT_EQ(PartState(spFirstArrow, spNone, false), S::Normal);
}

TEST(ScrollBarGeometry, HitTestAlongTheBar) {
    // A 100-pixel bar, 17-pixel arrows, thumb from 40 to 60.
    const struct { int along, part; } cases[] = {
        {0, spFirstArrow}, {16, spFirstArrow}, {17, spPageBefore}, {39, spPageBefore}, {40, spThumb},
        {59, spThumb},     {60, spPageAfter},  {82, spPageAfter},  {83, spSecondArrow}, {99, spSecondArrow},
    };
    for (auto c : cases) EXPECT_EQ(ScrollHitTest(c.along, 100, 17, 40, 60), c.part) << c.along;
}

TEST(ScrollBarGeometry, ArrowsTrackThumbAndGrip) {
    ScrollBarLayout v = LayoutScrollBar(true, 100, 17, 17);
    EXPECT_EQ(v.firstArrow, (GeoRect{0, 0, 17, 17}));
    EXPECT_EQ(v.secondArrow, (GeoRect{0, 83, 17, 100}));
    EXPECT_EQ(v.track, (GeoRect{0, 17, 17, 83}));
    ScrollBarLayout h = LayoutScrollBar(false, 100, 17, 17);
    EXPECT_EQ(h.secondArrow, (GeoRect{83, 0, 100, 17}));
    // A bar shorter than two arrows: two arrows of half its length, no track.
    ScrollBarLayout s = LayoutScrollBar(true, 30, 17, 17);
    EXPECT_EQ(s.firstArrow, (GeoRect{0, 0, 17, 15}));
    EXPECT_EQ(s.secondArrow, (GeoRect{0, 15, 17, 30}));
    EXPECT_FALSE(s.track.HasArea());

    ThumbLayout t = LayoutThumb(true, 40, 60, 17, 17);
    EXPECT_EQ(t.thumb, (GeoRect{0, 40, 17, 60}));
    EXPECT_EQ(t.grip, (GeoRect{0, 41, 17, 58}));
    EXPECT_EQ(LayoutThumb(false, 40, 59, 17, 17).grip, (GeoRect{41, 0, 58, 17})); // exactly grip + 2
    EXPECT_FALSE(LayoutThumb(true, 40, 58, 17, 17).grip.HasArea()); // shorter than grip + 2: no grip

    EXPECT_EQ(BarThickness(17, 17), 17);
    EXPECT_EQ(BarThickness(19, 17), 19);
    EXPECT_EQ(BarThickness(20, 17), 17);
    EXPECT_EQ(BarThickness(14, 17), 17);
}

TEST(ScrollBarGeometry, DraggedThumbStaysBetweenTheArrows) {
    EXPECT_EQ(DraggedThumb(40, 20, 10, 100, 17), (ThumbExtent{50, 70}));
    EXPECT_EQ(DraggedThumb(40, 20, 500, 100, 17), (ThumbExtent{63, 83}));
    EXPECT_EQ(DraggedThumb(40, 20, -500, 100, 17), (ThumbExtent{17, 37}));
    EXPECT_EQ(DraggedThumb(17, 80, 5, 100, 17), (ThumbExtent{17, 97})); // thumb longer than the track
}

TEST(ScrollBarGeometry, ControlThumbFromRangeAndPage) {
    // A 134-pixel bar with 17-pixel arrows: a 100-pixel track.
    const struct { ScrollRange range; bool minimum; ThumbExtent want; } cases[] = {
        {{0, 100, 21, 0}, true, {17, 37}},
        {{0, 100, 21, 50}, true, {67, 87}},
        {{0, 100, 2, 50}, true, {63, 71}},   // a 1-pixel thumb becomes 8, placed over 92 pixels
        {{0, 100, 2, 50}, false, {67, 68}},  // the mouse handling keeps the real size
        {{0, 100, 0, 50}, true, {59, 76}},   // no page: an arrow-sized thumb over length - 3 arrows
        {{5, 5, 0, 5}, true, {17, 34}},      // max = min
        {{5, 5, 10, 7}, true, {17, 25}},     // max = min with a page: counted as 9,999,999 wide
        {{0, 100, 0, 500}, true, {100, 117}}, // a position past the range stays at the end
    };
    for (auto& c : cases)
        EXPECT_EQ(ControlThumb(134, 17, c.range, c.minimum), c.want) << c.range.page << " " << c.range.position;
    // A bar shorter than its arrows computes without faults.
    ThumbExtent tiny = ControlThumb(20, 17, {0, 100, 10, 50}, true);
    EXPECT_EQ(tiny.end - tiny.start, 8);
}

TEST(ScrollBarGeometry, ListDragPositionFollowsTheCursor) {
    // A 134-pixel list bar (100-pixel track), thumb 20 pixels at the top, items 0..99, 20 per page.
    ListThumbDrag d{134, 17, 17, 37, {0, 99, 20, 0}};
    EXPECT_EQ(ListDragPosition(d, 0), 0);
    EXPECT_EQ(ListDragPosition(d, 40), 40);
    EXPECT_EQ(ListDragPosition(d, -30), 0);
    EXPECT_EQ(ListDragPosition(d, 1000), 80); // past the end: the last position, max - page + 1
    EXPECT_EQ(ListDragPosition(d, 80), 80);
    EXPECT_EQ(ListDragPosition(d, 79), 78);
    // A range that does not start at 0, pressed with the thumb in the middle.
    ListThumbDrag m{134, 17, 57, 77, {10, 109, 20, 50}};
    EXPECT_EQ(ListDragPosition(m, 0), 10 + MulDivRound(40, 79, 80));
    // Without a page: the cursor is held to the track, the position to the maximum.
    ListThumbDrag n{134, 17, 17, 34, {0, 50, 0, 0}};
    EXPECT_EQ(ListDragPosition(n, 1000), 42);
    EXPECT_EQ(ListDragPosition(n, 10), 5);
    // The thumb fills the track (track length equals thumb length): no division by zero.
    ListThumbDrag full{134, 17, 17, 117, {0, 9, 10, 0}};
    EXPECT_EQ(ListDragPosition(full, 30), 0);
    ListThumbDrag none{34, 17, 17, 17, {0, 9, 0, 0}}; // no track at all
    EXPECT_EQ(ListDragPosition(none, 30), 0);
}

TEST(ScrollBarGeometry, MulDivRoundsLikeTheSystem) {
    EXPECT_EQ(MulDivRound(7, 3, 2), 11);
    EXPECT_EQ(MulDivRound(-7, 3, 2), -11);
    EXPECT_EQ(MulDivRound(7, 3, -2), -11);
    EXPECT_EQ(MulDivRound(1, 1, 3), 0);
    EXPECT_EQ(MulDivRound(1, 1, 0), -1);
    EXPECT_EQ(MulDivRound(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDivRound(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
}

TEST(ScrollBarGeometry, PlacementOverTheSystemBar) {
    BarFacts f;
    f.vertical = true;
    f.windowVisible = true;
    f.barScreen = {283, 52, 300, 202};
    f.coveredClientOrigin = {102, 52};
    f.parentClientOrigin = {100, 30};
    BarPlacement p = PlaceBar(f);
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(p.barRect, (GeoRect{181, 0, 198, 150}));
    EXPECT_EQ(p.length, 150);
    EXPECT_EQ(p.pos, (GeoPoint{183, 22}));
    f.vertical = false;
    EXPECT_EQ(PlaceBar(f).length, 17);
    f.barInvisible = true;
    EXPECT_FALSE(PlaceBar(f).shown);
    f.barInvisible = false;
    f.windowVisible = false;
    EXPECT_FALSE(PlaceBar(f).shown);
}
