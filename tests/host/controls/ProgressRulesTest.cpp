#include "skin/controls/ProgressRules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ProgressFill, LengthForRangesAndPositions) {
    struct Case {
        int width, position, lower, upper, length;
    } cases[] = {
        {200, 50, 0, 100, 100},    // half
        {200, 60, 20, 100, 100},   // 20..100 at 60 is half way, as the system draws it
        {200, 20, 20, 100, 0},     // at the lower limit: nothing filled
        {200, 0, 0, 100, 0},       // nothing filled
        {200, 100, 0, 100, 200},   // full
        {200, 10, 0, 0, 0},        // an empty range: no division, empty trough
        {200, 10, 50, 10, 0},      // an inverted range
        {200, -5, 0, 100, 0},      // below the range
        {200, 0, -50, 50, 100},    // a range across zero
        {395, 1, 0, 12, 33},       // 32.9 rounds up
        {395, 6, 0, 12, 198},      // 197.5 rounds half away from zero
        {10, 150, 0, 100, 10},     // a position past the limit never runs past the bar
        {0, 50, 0, 100, 0},        // no width
        {INT_MAX, INT_MAX, INT_MIN, INT_MAX, INT_MAX}, // no overflow
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgressFillLength(c.width, c.position, c.lower, c.upper), c.length)
            << c.width << " " << c.position << " " << c.lower << ".." << c.upper;
}

TEST(ProgressFill, VerticalBarsAreComposedLyingDownAndFillFromTheBottom) {
    const GeoRect work = ProgressWorkRect(20, 200, true);
    EXPECT_EQ(work, (GeoRect{0, 0, 200, 20}));
    EXPECT_EQ(ProgressWorkRect(200, 20, false), (GeoRect{0, 0, 200, 20}));
    const GeoRect lying = ProgressBarRect(work, 25, 0, 100);
    EXPECT_EQ(lying, (GeoRect{0, 0, 50, 20}));
    // Upright in the 20 x 200 control: the lower 50 rows.
    EXPECT_EQ(UprightFromLyingDown(lying, work.Width()), (GeoRect{0, 150, 20, 200}));
    EXPECT_FALSE(ProgressBarRect(work, 0, 0, 100).HasArea());
}

TEST(ProgressChunks, TiledStripCoversTheBarAndIsCentred) {
    const GeoRect work{0, 0, 100, 20};
    const ChunkStrip strip = ProgressChunkStrip(work, 25, 8, 12, 3);
    EXPECT_EQ(strip.place, (GeoRect{5, 4, 30, 16})); // x = LeftWidth + 2, y = (20 - 12) div 2
    EXPECT_EQ(strip.copiesAt, (std::vector<int>{0, 8, 16, 24}));
    // A chunk image without width (a bad skin) or an empty bar: nothing, no division by zero.
    EXPECT_TRUE(ProgressChunkStrip(work, 25, 0, 12, 3).copiesAt.empty());
    EXPECT_TRUE(ProgressChunkStrip(work, 0, 8, 12, 3).copiesAt.empty());
    // A chunk higher than the bar sits above its top (offset toward zero).
    EXPECT_EQ(ProgressChunkStrip({0, 0, 100, 9}, 10, 4, 12, 0).place.top, -1);
}

TEST(ProgressChunks, StretchedChunkPlace) {
    EXPECT_EQ(ProgressStretchedChunkPlace({0, 0, 100, 20}, 40), (GeoRect{2, 2, 42, 18}));
    EXPECT_FALSE(ProgressStretchedChunkPlace({0, 0, 100, 20}, 0).HasArea());
    EXPECT_FALSE(ProgressStretchedChunkPlace({0, 0, 100, 4}, 40).HasArea());
}

TEST(TrackChannel, VerticalRectangleIsMadeUprightOnlyWhenItComesLyingDown) {
    struct Case {
        GeoRect reported;
        bool vertical;
        GeoRect upright;
    } cases[] = {
        {{8, 10, 100, 14}, false, {8, 10, 100, 14}}, // horizontal: as reported
        {{8, 10, 100, 14}, true, {10, 8, 14, 100}},  // lying down: x and y exchanged
        {{10, 8, 14, 100}, true, {10, 8, 14, 100}},  // already upright: kept
        {{0, 0, 4, 4}, true, {0, 0, 4, 4}},          // square: kept
    };
    for (const Case& c : cases) EXPECT_EQ(TrackChannelRect(c.reported, c.vertical), c.upright);
}

TEST(TrackChannel, CapsStretchedMiddleAndCentring) {
    // Horizontal: 16 x 4 image, caps 3, in a channel 100 wide and 10 high: centred vertically.
    auto h = TrackChannelPieces({10, 20, 110, 30}, 16, 4, false, 3, 3);
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h[0].target, (GeoRect{10, 23, 13, 27}));
    EXPECT_EQ(h[0].source, (GeoRect{0, 0, 3, 4}));
    EXPECT_EQ(h[1].target, (GeoRect{13, 23, 107, 27}));
    EXPECT_EQ(h[1].source, (GeoRect{3, 0, 13, 4}));
    EXPECT_EQ(h[2].target, (GeoRect{107, 23, 110, 27}));
    EXPECT_EQ(h[2].source, (GeoRect{13, 0, 16, 4}));
    // An image higher than the channel starts at its top.
    EXPECT_EQ(TrackChannelPieces({0, 0, 50, 2}, 16, 4, false, 3, 3)[0].target.top, 0);
    // Vertical: 4 x 16 image down a channel 10 wide and 80 high: centred horizontally.
    auto v = TrackChannelPieces({0, 5, 10, 85}, 4, 16, true, 3, 3);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].target, (GeoRect{3, 5, 7, 8}));
    EXPECT_EQ(v[1].target, (GeoRect{3, 8, 7, 82}));
    EXPECT_EQ(v[1].source, (GeoRect{0, 3, 4, 13}));
    EXPECT_EQ(v[2].target, (GeoRect{3, 82, 7, 85}));
    // A channel shorter than both caps: the caps share it, nothing reads outside the image.
    for (const ElementPiece& p : TrackChannelPieces({0, 0, 4, 4}, 16, 4, false, 3, 3)) {
        EXPECT_GE(p.source.left, 0);
        EXPECT_LE(p.source.right, 16);
        EXPECT_LE(p.target.right, 4);
    }
    // Caps wider than the image are cut to it; an empty image or channel gives nothing.
    for (const ElementPiece& p : TrackChannelPieces({0, 0, 100, 4}, 5, 4, false, 9, 9)) EXPECT_LE(p.source.right, 5);
    EXPECT_TRUE(TrackChannelPieces({0, 0, 100, 4}, 0, 4, false, 3, 3).empty());
    EXPECT_TRUE(TrackChannelPieces({0, 0, 0, 4}, 16, 4, false, 3, 3).empty());
}

TEST(TrackThumb, ImagePerOrientationAndPointing) {
    const ThumbSlots all{true, true, true, true, true, true};
    const ThumbSlots plain{true, true, false, false, false, false};
    const ThumbSlots horzOnly{true, false, false, false, false, false};
    struct Case {
        bool vertical;
        ThumbPointing pointing;
        ThumbSlots slots;
        ThumbImage image;
    } cases[] = {
        {false, ThumbPointing::Default, all, ThumbImage::Down},
        {false, ThumbPointing::Reversed, all, ThumbImage::Up},
        {true, ThumbPointing::Default, all, ThumbImage::Right},
        {true, ThumbPointing::Reversed, all, ThumbImage::Left},
        {false, ThumbPointing::Both, all, ThumbImage::Horz},
        {true, ThumbPointing::Both, all, ThumbImage::Vert},
        {false, ThumbPointing::Default, plain, ThumbImage::Horz}, // no pointed image: the plain one
        {true, ThumbPointing::Reversed, plain, ThumbImage::Vert},
        {true, ThumbPointing::Both, horzOnly, ThumbImage::Horz}, // no vertical image: the horizontal one
    };
    for (const Case& c : cases) {
        ThumbImage image{};
        ASSERT_TRUE(ChooseThumbImage(c.vertical, c.pointing, c.slots, image));
        EXPECT_EQ(image, c.image) << c.vertical << " " << int(c.pointing);
    }
    ThumbImage image{};
    EXPECT_FALSE(ChooseThumbImage(false, ThumbPointing::Both, ThumbSlots{}, image));
    EXPECT_FALSE(ChooseThumbImage(true, ThumbPointing::Both, ThumbSlots{false, false, true, true, false, false}, image));
}

TEST(UpDown, HalvesPerOrientation) {
    const UpDownHalves v = SplitUpDown({0, 0, 17, 21}, false);
    EXPECT_EQ(v.first, (GeoRect{0, 0, 17, 10}));
    EXPECT_EQ(v.second, (GeoRect{0, 10, 17, 21}));
    const UpDownHalves h = SplitUpDown({2, 3, 33, 20}, true);
    EXPECT_EQ(h.first, (GeoRect{2, 3, 17, 20}));
    EXPECT_EQ(h.second, (GeoRect{17, 3, 33, 20}));
}

TEST(UpDown, InsideAnEditKeepsClearOfItsThreePixelBorder) {
    // The up-down flush with the edit's top, bottom and right: every side moves in to 3 pixels.
    EXPECT_EQ(UpDownInEditRect({0, 0, 16, 21}, {184, 100, 200, 121}, {100, 100, 200, 121}), (GeoRect{0, 3, 13, 18}));
    // Already 2 pixels in: one more. Far enough in: untouched.
    EXPECT_EQ(UpDownInEditRect({0, 0, 16, 17}, {182, 102, 198, 119}, {100, 100, 200, 121}), (GeoRect{0, 1, 15, 16}));
    EXPECT_EQ(UpDownInEditRect({0, 0, 16, 15}, {180, 103, 196, 118}, {100, 100, 200, 121}), (GeoRect{0, 0, 16, 15}));
}

TEST(UpDown, ButtonStatesAndFrames) {
    struct Case {
        bool over, pressed, hot, enabled;
        int state;
    } cases[] = {
        {false, true, true, true, 1}, {true, true, false, true, 2}, {true, false, true, true, 4},
        {true, false, false, true, 1}, {true, true, true, false, 3}, {false, false, false, false, 3},
    };
    for (const Case& c : cases) EXPECT_EQ(UpDownButtonState(c.over, c.pressed, c.hot, c.enabled), c.state);
    EXPECT_EQ(UpDownFrame(2, false), 2);
    EXPECT_EQ(UpDownFrame(2, true), 6);
    EXPECT_EQ(UpDownFrame(3, true), 7);
}

} // namespace
