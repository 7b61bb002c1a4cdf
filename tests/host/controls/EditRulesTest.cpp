#include "skin/controls/EditRules.h"

#include <gtest/gtest.h>

namespace {

TEST(EditBorder, OnlyEditsWithABorderAreFramed) {
    struct Case {
        int ww, wh, cw, ch;
        bool framed, printed;
    } cases[] = {
        {121, 21, 117, 17, true, true},   // sunken edge: 2 pixels each side
        {121, 21, 121, 21, false, false}, // borderless
        {121, 21, 121, 17, false, false}, // as wide as its window
        {121, 21, 117, 21, false, false}, // as high
        {121, 21, 119, 19, true, false},  // a 1-pixel border: framed, but too thin to print one
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EditHasBorder(c.ww, c.wh, c.cw, c.ch), c.framed) << c.cw << "x" << c.ch;
        EXPECT_EQ(EditPrintsBorder(c.ww, c.wh, c.cw, c.ch), c.printed) << c.cw << "x" << c.ch;
    }
}

TEST(EditBorder, SpinButtonChildren) {
    for (const char* name : {"msctls_updown32", "MSCTLS_UPDOWN32", "TUpDown", "TSpinButton", "MySpinner"})
        EXPECT_TRUE(IsSpinButtonClass(name)) << name;
    for (const char* name : {"Edit", "msctls_trackbar32", "Button", ""}) EXPECT_FALSE(IsSpinButtonClass(name)) << name;
}

TEST(ComboButton, FrameNumbers) {
    EXPECT_EQ(ComboFrame(false, false, true), 1);
    EXPECT_EQ(ComboFrame(true, false, true), 2);
    EXPECT_EQ(ComboFrame(true, true, true), 2); // pressed wins over hot
    EXPECT_EQ(ComboFrame(false, true, true), 4);
    EXPECT_EQ(ComboFrame(true, true, false), 3); // disabled wins over everything
}

TEST(ComboButton, LayoutOnEitherSide) {
    // A 145 x 21 combo, arrow width 17.
    const ComboLayout right = ComboButtonLayout(145, 21, 17, false);
    EXPECT_EQ(right.textArea, (GeoRect{2, 2, 124, 19}));
    EXPECT_EQ(right.button, (GeoRect{126, 0, 145, 21}));
    EXPECT_EQ(right.arrow, (GeoRect{126, 0, 143, 21}));
    const ComboLayout left = ComboButtonLayout(145, 21, 17, true);
    EXPECT_EQ(left.textArea, (GeoRect{21, 2, 143, 19}));
    EXPECT_EQ(left.button, (GeoRect{0, 0, 19, 21}));
    EXPECT_EQ(left.arrow, (GeoRect{2, 0, 19, 21}));
}

TEST(ComboButton, GlyphCentredWhateverTheFrameCount) {
    // 5 frames of 9 x 5 centred in the 17 x 21 arrow area at x 126.
    EXPECT_EQ(CentredGlyphPlace({126, 0, 143, 21}, 45, 5, 5), (GeoRect{130, 8, 139, 13}));
    // A frame count of 0 from a bad skin is one frame: no division by zero.
    EXPECT_EQ(CentredGlyphPlace({0, 0, 20, 20}, 10, 4, 0), (GeoRect{5, 8, 15, 12}));
    EXPECT_EQ(StripFrameWidth(80, 0), 80);
    EXPECT_EQ(StripFrameWidth(80, -3), 80);
    EXPECT_EQ(StripFrameWidth(80, 4), 20);
}

TEST(ComboButton, SimpleVariant) {
    const SimpleComboLayout r = SimpleComboButtonLayout(145, 21, 17, 15, 19, false);
    EXPECT_EQ(r.inner, (GeoRect{1, 1, 144, 20}));
    EXPECT_EQ(r.fill, (GeoRect{126, 2, 143, 19}));
    EXPECT_EQ(r.button, (GeoRect{129, 1, 144, 20}));
    // A strip lower than the thumb height cuts the button to it; on the left side it starts at the inner edge.
    const SimpleComboLayout l = SimpleComboButtonLayout(145, 21, 17, 15, 12, true);
    EXPECT_EQ(l.fill, (GeoRect{2, 2, 19, 19}));
    EXPECT_EQ(l.button, (GeoRect{1, 1, 16, 13}));
}

TEST(DateTimeArrow, Placement) {
    EXPECT_EQ(DateTimeArrowRect(120, 17, false), (GeoRect{99, 0, 116, 18}));
    EXPECT_EQ(DateTimeArrowRect(120, 17, true), (GeoRect{2, 0, 19, 18}));
}

} // namespace
