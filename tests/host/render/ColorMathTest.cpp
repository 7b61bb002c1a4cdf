#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/data/ColorMath.h"

namespace {
constexpr std::uint32_t White = 0xFFFFFF, Black = 0;
std::uint32_t Grey(int v) { return v | (v << 8) | (v << 16); }
} // namespace

TEST(ColorMath, BlendWeighsTheFirstColour) {
    EXPECT_EQ(BlendRGB(White, Black, 150), Grey(38)); // per mille from 100 on
    EXPECT_EQ(BlendRGB(White, Black, 50), Grey(128)); // per cent below 100
    EXPECT_EQ(BlendRGB(0x0000FF, 0xFF0000, 100), 0xE6001Au); // 100 per mille: 26 red, 230 blue
    EXPECT_EQ(BlendRGB(0x123456, 0xABCDEF, 0), 0xABCDEFu);
    EXPECT_EQ(BlendRGB(0x123456, 0xABCDEF, 1000), 0x123456u);
}

TEST(ColorMath, SaturationExamples) {
    EXPECT_EQ(ColorSaturation(0x204080), 200); // RGB 128, 64, 32: dark
    EXPECT_EQ(ColorSaturation(0x0000FF), 255); // RGB 255, 0, 0
    EXPECT_EQ(ColorSaturation(Grey(200)), 0);
    EXPECT_EQ(ColorSaturation(0xFFF8E8), 23); // (232..255): 23/255 * 255
    EXPECT_EQ(ColorSaturation(Black), 200);
}

TEST(ColorMath, GradientTableEndsAndMiddle) {
    const auto table = GradientTable(40, Black, White);
    ASSERT_EQ(table.size(), 40u);
    EXPECT_EQ(table[0], Black);
    EXPECT_EQ(table[39], White);
    EXPECT_EQ(table[20], Grey(131)); // (20 * 255 + 19) div 39

    const auto down = GradientTable(40, White, Black); // negative steps truncate toward zero
    EXPECT_EQ(down[20], Grey(255 - 130));
    EXPECT_EQ(GradientTable(1, Black, Grey(255)).front(), Grey(127));
    EXPECT_EQ(GradientTable(1, Grey(255), Black).front(), Grey(128));
    EXPECT_THROW(GradientTable(0, Black, White), std::logic_error);
}

TEST(ColorMath, GradientCacheReusesAndRoundRobins) {
    GradientCache cache;
    const auto* first = &cache.Get(40, Black, White);
    EXPECT_EQ(&cache.Get(40, Black, White), first);
    EXPECT_EQ(cache.Misses(), 1);
    EXPECT_EQ(cache.NextSlot(), 1);
    for (int n = 2; n <= 16; ++n) cache.Get(n, Black, White);
    EXPECT_EQ(cache.NextSlot(), 0); // wrapped from 15 to 0
    EXPECT_EQ(cache.Misses(), 16);
    cache.Get(40, Black, White);
    EXPECT_EQ(cache.Misses(), 16); // still cached in slot 0
    cache.Get(17, Black, White);   // refills slot 0
    cache.Get(40, Black, White);
    EXPECT_EQ(cache.Misses(), 18);
    try {
        cache.Get(0, Black, White);
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Assertion failure (imgutil)");
    }
}

// A falling channel stops one short of its end colour (the rounding truncates toward zero), and a single
// step holds the middle colour: neither table ends in c2, yet both are found again.
TEST(ColorMath, GradientCacheFindsTablesThatDoNotEndInTheirEndColour) {
    GradientCache cache;
    const auto& falling = cache.Get(40, White, Black);
    EXPECT_NE(falling.back(), Black);
    EXPECT_EQ(&cache.Get(40, White, Black), &falling);
    EXPECT_EQ(&cache.Get(1, Black, White), &cache.Get(1, Black, White));
    EXPECT_EQ(cache.Misses(), 2);
    // A request for the colour the falling table happens to end in is another gradient.
    EXPECT_NE(&cache.Get(40, White, falling.back()), &falling);
}

TEST(ColorMath, VisibleGradientStepsFollowTheClip) {
    struct Case {
        int nearEdge, farEdge, clipNear, clipFar, first, last;
    } cases[] = {
        {10, 50, 0, 100, 0, 39},  // clip covers the whole rectangle
        {10, 50, 30, 100, 20, 39}, // top half clipped away
        {10, 50, 0, 30, 0, 19},   // bottom half clipped away
        {10, 50, 20, 25, 10, 14}, // a band in the middle
    };
    for (const auto& c : cases) {
        const auto steps = VisibleGradientSteps(c.nearEdge, c.farEdge, c.clipNear, c.clipFar);
        EXPECT_EQ(steps.first, c.first) << c.clipNear << ".." << c.clipFar;
        EXPECT_EQ(steps.last, c.last) << c.clipNear << ".." << c.clipFar;
    }
}
