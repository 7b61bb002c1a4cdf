#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/data/PixelTransforms.h"

namespace {

// A small 24-bit image with rows padded to 4 bytes, like a device-independent bitmap.
struct Image {
    int width, height;
    std::ptrdiff_t stride;
    std::vector<std::uint8_t> bytes;

    Image(int w, int h) : width(w), height(h), stride((w * 3 + 3) & ~3), bytes(stride * h, 0xEE) {}
    PixelView24 View() { return {bytes.data(), width, height, stride}; }
    // Pixels as 0xRRGGBB, row by row.
    void Set(int x, int y, std::uint32_t rgb) {
        auto* p = View().Pixel(x, y);
        p[0] = rgb & 0xFF;
        p[1] = (rgb >> 8) & 0xFF;
        p[2] = (rgb >> 16) & 0xFF;
    }
    std::uint32_t Get(int x, int y) {
        auto* p = View().Pixel(x, y);
        return p[0] | (p[1] << 8) | (p[2] << 16);
    }
};

constexpr std::uint32_t P = 0x102030, Q = 0x405060, R = 0x708090, S = 0xA0B0C0, T = 0xD0E0F0, U = 0x010203;

Image TwoByThree() { // 2 wide, 3 high: P Q / R S / T U
    Image img(2, 3);
    img.Set(0, 0, P), img.Set(1, 0, Q), img.Set(0, 1, R), img.Set(1, 1, S), img.Set(0, 2, T), img.Set(1, 2, U);
    return img;
}

} // namespace

TEST(PixelTransforms, RotateLeftPutsTheRightPixelOnTop) {
    Image src(2, 1);
    src.Set(0, 0, P);
    src.Set(1, 0, Q);
    Image dst(1, 2);
    ASSERT_TRUE(RotatePixelsLeft(src.View(), dst.View()));
    EXPECT_EQ(dst.Get(0, 0), Q);
    EXPECT_EQ(dst.Get(0, 1), P);
}

TEST(PixelTransforms, RotationsOfANonSquareImage) {
    Image src = TwoByThree();
    Image left(3, 2), right(3, 2);
    ASSERT_TRUE(RotatePixelsLeft(src.View(), left.View()));
    ASSERT_TRUE(RotatePixelsRight(src.View(), right.View()));
    // Left: Q S U / P R T.  Right: T R P / U S Q.
    const std::uint32_t wantLeft[2][3] = {{Q, S, U}, {P, R, T}};
    const std::uint32_t wantRight[2][3] = {{T, R, P}, {U, S, Q}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(left.Get(x, y), wantLeft[y][x]) << x << "," << y;
            EXPECT_EQ(right.Get(x, y), wantRight[y][x]) << x << "," << y;
        }
    Image wrong(2, 3);
    EXPECT_FALSE(RotatePixelsLeft(src.View(), wrong.View()));
}

TEST(PixelTransforms, MirrorAndFlipInPlace) {
    Image img = TwoByThree();
    MirrorPixelsHorizontal(img.View());
    EXPECT_EQ(img.Get(0, 0), Q);
    EXPECT_EQ(img.Get(1, 0), P);
    EXPECT_EQ(img.Get(0, 2), U);
    FlipPixelsVertical(img.View());
    EXPECT_EQ(img.Get(0, 0), U);
    EXPECT_EQ(img.Get(1, 0), T);
    EXPECT_EQ(img.Get(0, 1), S); // the middle row of an odd height stays
    EXPECT_EQ(img.Get(1, 2), P);

    Image odd(3, 1);
    odd.Set(0, 0, P), odd.Set(1, 0, Q), odd.Set(2, 0, R);
    MirrorPixelsHorizontal(odd.View());
    EXPECT_EQ(odd.Get(0, 0), R);
    EXPECT_EQ(odd.Get(1, 0), Q);
    EXPECT_EQ(odd.Get(2, 0), P);
}

TEST(PixelTransforms, BottomUpViewFlipsTheStoredRows) {
    Image img(1, 2);
    img.Set(0, 0, P);
    img.Set(0, 1, Q);
    // The same storage read bottom-up: row 0 of the view is the last stored row.
    PixelView24 bottomUp{img.bytes.data() + img.stride, 1, 2, -img.stride};
    EXPECT_EQ(bottomUp.Pixel(0, 0)[2], (Q >> 16) & 0xFF);
    FlipPixelsVertical(bottomUp);
    EXPECT_EQ(img.Get(0, 0), Q);
}

TEST(PixelTransforms, ReplaceMagentaTakesTheLowBytesAsTheyAre) {
    Image img(3, 1);
    img.Set(0, 0, 0xFF00FF);
    img.Set(1, 0, 0xFF01FF); // green 1: not magenta here
    img.Set(2, 0, 0xFE00FF);
    ReplaceMagentaPixels(img.View(), 0x00C0D0E0); // colour value: red E0, green D0, blue C0
    EXPECT_EQ(img.Get(0, 0), 0xE0D0C0u);
    EXPECT_EQ(img.Get(1, 0), 0xFF01FFu);
    EXPECT_EQ(img.Get(2, 0), 0xFE00FFu);

    img.Set(0, 0, 0xFF00FF);
    ReplaceMagentaPixels(img.View(), 0xFF00000F); // a system colour reference is not resolved
    EXPECT_EQ(img.Get(0, 0), 0x0F0000u);
}

TEST(PixelTransforms, GrayScaleAveragesTheChannels) {
    Image img(2, 1);
    img.Set(0, 0, 0xFF0000);
    img.Set(1, 0, 0x102030);
    GrayScalePixels(img.View());
    EXPECT_EQ(img.Get(0, 0), 0x555555u);
    EXPECT_EQ(img.Get(1, 0), 0x202020u);
}
