// The push-button painters' decisions: state frames, glyph numbers, captions, and the glyph-and-caption
// layout of bit and speed buttons.
#include "skin/controls/ButtonLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonLayout, StateFrames) {
    struct {
        TButtonState s;
        int push, menu, speed;
    } rows[] = {
        {{}, bfNormal, bfNormal, bfNormal},
        {{.Focused = true}, bfFocused, bfHot, bfNormal},
        {{.Hot = true, .Focused = true}, bfHot, bfHot, bfHot},
        {{.Pressed = true, .Hot = true}, bfPressed, bfPressed, bfPressed},
        {{.Disabled = true, .Pressed = true, .Hot = true}, bfDisabled, bfDisabled, bfDisabled},
        {{.Disabled = true, .Down = true}, bfDisabled, bfDisabled, bfPressed},
        {{.Down = true}, bfNormal, bfNormal, bfPressed},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(PushButtonFrame(r.s), r.push);
        EXPECT_EQ(MenuButtonFrame(r.s), r.menu);
        EXPECT_EQ(SpeedButtonFrame(r.s), r.speed);
    }
    EXPECT_FALSE(SpeedButtonShowsElement(bfNormal, true));
    EXPECT_FALSE(SpeedButtonShowsElement(bfDisabled, true));
    EXPECT_TRUE(SpeedButtonShowsElement(bfHot, true));
    EXPECT_TRUE(SpeedButtonShowsElement(bfPressed, true));
    EXPECT_TRUE(SpeedButtonShowsElement(bfNormal, false));
}

TEST(ButtonLayout, GlyphNumbersAndCounts) {
    struct {
        int frame, numGlyphs;
        bool down;
        int glyph;
    } rows[] = {
        {bfNormal, 4, false, 1},  {bfPressed, 4, false, 3}, {bfDisabled, 4, false, 2}, {bfHot, 4, false, 1},
        {bfPressed, 2, false, 1}, // glyph 3 beyond two glyphs: the first
        {bfDisabled, 2, false, 2}, {bfDisabled, 1, false, 1}, {bfNormal, 4, true, 4}, {bfNormal, 3, true, 1},
        {bfPressed, 0, false, 1}, {bfDisabled, -5, false, 1},
    };
    for (const auto& r : rows) EXPECT_EQ(GlyphNumber(r.frame, r.numGlyphs, r.down), r.glyph);
    EXPECT_EQ(SafeNumGlyphs(-1), 1);
    EXPECT_EQ(SafeNumGlyphs(0), 1);
    EXPECT_EQ(SafeNumGlyphs(3), 3);
}

TEST(ButtonLayout, CaptionsAndLayoutNames) {
    EXPECT_EQ(SplitCaption(L"one||two||three"), L"one\r\ntwo||three");
    EXPECT_EQ(SplitCaption(L"plain"), L"plain");
    EXPECT_EQ(LayoutFromName("blGlyphRight"), glRight);
    EXPECT_EQ(LayoutFromName("BLGLYPHTOP"), glTop);
    EXPECT_EQ(LayoutFromName("blGlyphBottom"), glBottom);
    EXPECT_EQ(LayoutFromName(""), glLeft);
    EXPECT_EQ(LayoutFromName("sideways"), glLeft);
}

TEST(ButtonLayout, GlyphAndCaption) {
    struct {
        const char* name;
        TGlyphLayoutInput in;
        TGlyphLayout out;
    } rows[] = {
        // Margin and spacing both free share the room in three: (100 - 56) div 3 = 14.
        {"free, left", {{100, 25}, {16, 16}, {40, 13}, -1, -1, glLeft}, {{14, 5}, {44, 6}, 14, 14, taLeftAligned}},
        {"free, right", {{100, 25}, {16, 16}, {40, 13}, -1, -1, glRight}, {{70, 5}, {16, 6}, 14, 14, taRightAligned}},
        // Given spacing: the group is centred, margin (100 - (16 + 4 + 40)) div 2 = 20.
        {"spacing 4", {{100, 25}, {16, 16}, {40, 13}, -1, 4, glLeft}, {{20, 5}, {40, 6}, 20, 4, taLeftAligned}},
        // Given margin, free spacing: ((100 - (3 + 16)) - 40) div 2 = 20.
        {"margin 3", {{100, 25}, {16, 16}, {40, 13}, 3, -1, glLeft}, {{3, 5}, {39, 6}, 3, 20, taLeftAligned}},
        {"margin and spacing", {{100, 25}, {16, 16}, {40, 13}, 3, 4, glLeft}, {{3, 5}, {23, 6}, 3, 4, taLeftAligned}},
        // taCenter with a given margin still centres the group.
        {"centred", {{100, 25}, {16, 16}, {40, 13}, 3, 4, glLeft, true}, {{20, 5}, {40, 6}, 20, 4, taLeftAligned}},
        {"top", {{60, 60}, {16, 16}, {30, 13}, -1, -1, glTop}, {{22, 10}, {15, 36}, 10, 10, taCentred}},
        {"bottom", {{60, 60}, {16, 16}, {30, 13}, 2, 3, glBottom}, {{22, 42}, {15, 26}, 2, 3, taCentred}},
        // No caption: spacing 0, the glyph alone is centred.
        {"glyph only", {{57, 25}, {16, 16}, {0, 0}, -1, 4, glLeft}, {{20, 5}, {36, 13}, 20, 0, taLeftAligned}},
        // No glyph: spacing 0.
        {"caption only", {{57, 25}, {0, 0}, {24, 13}, -1, -1, glLeft}, {{16, 13}, {16, 6}, 16, 0, taLeftAligned}},
        // Grivelle's picture buttons: 57 x 25, glyph 16, a two-character caption of 24, spacing 4.
        {"main window", {{57, 25}, {16, 16}, {24, 13}, -1, 4, glLeft}, {{6, 5}, {26, 6}, 6, 4, taLeftAligned}},
        // Speed buttons: one pixel more margin with a given spacing, and no Alignment test.
        {"speed", {{100, 25}, {16, 16}, {40, 13}, -1, 4, glLeft, false, true}, {{21, 5}, {41, 6}, 21, 4, taLeftAligned}},
        {"speed ignores centre", {{100, 25}, {16, 16}, {40, 13}, 3, 4, glLeft, true, true},
         {{3, 5}, {23, 6}, 3, 4, taLeftAligned}},
        // Too small a button: negative room gives negative positions, never a fault.
        {"tiny", {{10, 8}, {16, 16}, {40, 13}, -1, -1, glLeft}, {{-15, -3}, {-14, -2}, -15, -15, taLeftAligned}},
    };
    for (const auto& r : rows) EXPECT_EQ(LayoutGlyphAndCaption(r.in), r.out) << r.name;
}

TEST(ButtonLayout, PlainAndMenuButtonCaptions) {
    EXPECT_EQ(CentredCaptionOrigin({75, 25}, {30, 13}), (TSize2{22, 5}));
    EXPECT_EQ(CentredCaptionOrigin({75, 25}, {30, 26}), (TSize2{22, -1}));
    EXPECT_EQ(CaptionMeasureBox({100, 25}, {16, 16}, glLeft), (TBox{2, 2, 80, 23}));
    EXPECT_EQ(CaptionMeasureBox({100, 60}, {16, 16}, glTop), (TBox{2, 2, 98, 40}));
    EXPECT_EQ(MenuCaptionMeasureBox({90, 25}), (TBox{2, 2, 71, 23}));
    EXPECT_EQ(MenuCaptionOrigin({90, 25}, {40, 13}), (TSize2{18, 6}));
    const TArrow a = MenuArrow({90, 25});
    EXPECT_EQ(a.Points[0], (TSize2{78, 14}));
    EXPECT_EQ(a.Points[1], (TSize2{75, 11}));
    EXPECT_EQ(a.Points[2], (TSize2{81, 11}));
}

} // namespace
