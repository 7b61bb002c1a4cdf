#include "skin/data/SkinColor.h"

#include <gtest/gtest.h>

namespace {

struct ParseColorCase {
    const char* text;
    TSkinColor expected;
};

const TSkinColor kDefault = clBtnText;

TEST(ParseColor, Table) {
    const ParseColorCase cases[] = {
        {"", kDefault},                            // empty: the default
        {"255 255 255", MakeRGB(255, 255, 255)},   // third number is the run still open
        {"248, 248, 248", MakeRGB(248, 248, 248)}, // any non-digit separates
        {"  10 20 30  ", MakeRGB(10, 20, 30)},     // trimmed first
        {"12", clBlack},                           // one number alone is never stored
        {"1,2", MakeRGB(1, 0, 0)},                 // the open run counts only after two stored numbers
        {"1,2,", MakeRGB(1, 2, 0)},                // nothing open at the end
        {"1 2 3 4", MakeRGB(1, 2, 3)},             // a fourth number is ignored
        {"300 256 511", MakeRGB(44, 0, 255)},      // low 8 bits of each
        {"R=10;G=20;B=30", MakeRGB(10, 20, 30)},   // letters are separators too
        {"   ", clBlack},                          // not empty, but no numbers
        {"abc", clBlack},
        {"0,0,0", clBlack},
        // Runs longer than any integer keep their low 8 bits instead of failing the load.
        {"99999999999999999999 1 2", MakeRGB(255, 1, 2)},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseColor(c.text, kDefault), c.expected) << '"' << c.text << '"';
}

TEST(SkinColor, ChannelsAndSystemReferences) {
    EXPECT_EQ(MakeRGB(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(RedOf(0x563412), 0x12);
    EXPECT_EQ(GreenOf(0x563412), 0x34);
    EXPECT_EQ(BlueOf(0x563412), 0x56);
    EXPECT_EQ(clBtnFace, 0xFF00000Fu);
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(NoColor));
}

} // namespace
