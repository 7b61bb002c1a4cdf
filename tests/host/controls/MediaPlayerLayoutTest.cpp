#include "skin/controls/MediaPlayerLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr int Play = 0, Pause = 1, Stop = 2, Eject = 8;

TEST(MediaPlayerLayout, SetTextsGiveEachButtonItsFlags) {
    const TMediaButtons b = MediaButtonsFromSets("[btPlay,btStop]", "[btPlay,btPause,btStop,btEject]", "[btStop]");
    EXPECT_EQ(VisibleMediaButtons(b), 2);
    EXPECT_EQ(b[Play], (TMediaButtonFlags{true, true, false}));
    EXPECT_EQ(b[Pause], (TMediaButtonFlags{false, true, false}));
    EXPECT_EQ(b[Stop], (TMediaButtonFlags{true, true, true}));
    EXPECT_EQ(b[Eject], (TMediaButtonFlags{false, true, false}));
    // Every name of the type, and a property that could not be read.
    const TMediaButtons all = MediaButtonsFromSets(
        "[btPlay,btPause,btStop,btNext,btPrev,btStep,btBack,btRecord,btEject]", "", "");
    EXPECT_EQ(VisibleMediaButtons(all), MediaButtonCount);
    EXPECT_EQ(MediaButtonWidth(253, MediaButtonCount), 28);
    EXPECT_FALSE(all[Play].Enabled);
}

TEST(MediaPlayerLayout, OnlyPlayAndStopShowTwoHalves) {
    const TMediaButtons b = MediaButtonsFromSets("[btPlay,btStop]", "[btPlay,btStop]", "");
    const int width = MediaButtonWidth(100, VisibleMediaButtons(b));
    EXPECT_EQ(width, 50);
    EXPECT_EQ(MediaButtonPlaces(b, width, 30),
              (std::vector<TMediaButtonPlace>{{Play, {0, 0, 50, 30}}, {Stop, {50, 0, 100, 30}}}));
    struct Case {
        int x, button;
    } cases[] = {
        {-1, NoMediaButton}, {0, Play},   {49, Play},  {50, Play}, // the shared edge belongs to the left button
        {51, Stop},          {100, Stop}, {101, NoMediaButton},
    };
    for (const Case& c : cases) EXPECT_EQ(MediaButtonAt(b, width, c.x), c.button) << "x " << c.x;
}

TEST(MediaPlayerLayout, NoVisibleButtonHasNoPlaceAndNoHit) {
    const TMediaButtons none = MediaButtonsFromSets("[]", "[btPlay]", "[btPlay]");
    EXPECT_EQ(VisibleMediaButtons(none), 0);
    EXPECT_EQ(MediaButtonWidth(100, 0), 0);
    EXPECT_TRUE(MediaButtonPlaces(none, 0, 30).empty());
    for (int x : {-5, 0, 50, 100}) EXPECT_EQ(MediaButtonAt(none, 0, x), NoMediaButton) << x;
}

TEST(MediaPlayerLayout, FrameAndGlyphFollowTheButtonState) {
    struct Case {
        TMediaButtonFlags flags;
        bool pressed, isDown;
        int frame;
        TMediaGlyph glyph;
    } cases[] = {
        {{true, true, false}, false, false, 1, TMediaGlyph::Enabled},
        {{true, true, true}, false, true, 1, TMediaGlyph::Coloured},  // down but released: normal
        {{true, true, true}, true, true, 2, TMediaGlyph::Coloured},
        {{true, true, false}, true, false, 1, TMediaGlyph::Enabled},  // another button is held
        {{true, false, true}, true, true, 3, TMediaGlyph::Disabled},  // disabled wins over pressed and colour
        {{true, false, false}, false, false, 3, TMediaGlyph::Disabled},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MediaButtonFrame(c.flags.Enabled, c.pressed, c.isDown), c.frame);
        EXPECT_EQ(MediaGlyphChoice(c.flags), c.glyph);
    }
}

TEST(MediaPlayerLayout, GlyphsAreCentredAndPressedOnePixelDownRight) {
    const GeoRect button{50, 0, 100, 30};
    EXPECT_EQ(MediaGlyphOrigin(button, 17, 13, 1), (GeoPoint{66, 8}));
    EXPECT_EQ(MediaGlyphOrigin(button, 17, 13, 3), (GeoPoint{66, 8}));
    EXPECT_EQ(MediaGlyphOrigin(button, 17, 13, 2), (GeoPoint{67, 9}));
    // A glyph larger than its button: the free space halves toward zero (-7 / 2 = -3).
    EXPECT_EQ(MediaGlyphOrigin(GeoRect{0, 0, 10, 6}, 17, 13, 1), (GeoPoint{-3, -3}));
}

} // namespace
