#include "skin/data/SkinBuildRules.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptionButtonSections, NamesThatDescribeButtons) {
    EXPECT_TRUE(IsCaptionButtonSection("ButtonClose"));
    EXPECT_TRUE(IsCaptionButtonSection("buttonmax"));
    EXPECT_TRUE(IsCaptionButtonSection("BUTTON1"));
    EXPECT_TRUE(IsCaptionButtonSection("Button.Help"));
    for (const char* name : {"Button", "Buttons", "button.radio", "Button.CheckBox",
                             "MyButton", "ComboButton"})
        EXPECT_FALSE(IsCaptionButtonSection(name)) << name;
}

TEST(CaptionButtonSections, DroppedOnlyForActionMinusOneWithVisibility) {
    EXPECT_TRUE(IsDroppedCaptionButton(-1, -1)); // Visibility defaults to -1
    EXPECT_TRUE(IsDroppedCaptionButton(-1, 2));
    EXPECT_FALSE(IsDroppedCaptionButton(-1, 0));
    EXPECT_FALSE(IsDroppedCaptionButton(0, -1));
    EXPECT_EQ(CaptionButtonVisibility1Default(-1), -1);
    EXPECT_EQ(CaptionButtonVisibility1Default(2), 0);
}

TEST(CaptionButtonFrames, ByImageRatioAndAction) {
    struct Case {
        int frameKey, width, height, action, frames;
        bool dropImage;
    } cases[] = {
        {0, 58, 21, 1, 3, false},  // ratio 2.76
        {0, 57, 21, 0, 3, false},  // ratio 2.71
        {0, 96, 21, 2, 6, false},  // ratio 4.57
        {0, 76, 20, 2, 3, false},  // exactly 3.8
        {0, 77, 20, 2, 6, false},  // just over
        {0, 58, 21, -2, 6, false}, // negative action: always 6
        {0, 0, 0, 1, 6, false},    // no image
        {0, 58, 21, 3, 3, true},   // the icon button draws no image
        {0, 58, 21, 11, 3, true},
        {4, 58, 21, 3, 4, false},  // an explicit frame count skips every rule
    };
    for (const auto& c : cases) {
        const auto r = CaptionButtonFrames(c.frameKey, c.width, c.height, c.action);
        EXPECT_EQ(r.frameCount, c.frames) << c.width << "x" << c.height << " action " << c.action;
        EXPECT_EQ(r.dropImage, c.dropImage) << c.width << "x" << c.height << " action " << c.action;
    }
}

TEST(MdiButtons, XCoordFromCellWidth) {
    // The MDI image 180 x 15 holds 12 cells of 15 pixels.
    const int cell = 180 / MdiCellCount;
    EXPECT_EQ(MdiButtonXCoord(cell, 0), 57);
    EXPECT_EQ(MdiButtonXCoord(cell, 1), 38);
    EXPECT_EQ(MdiButtonXCoord(cell, 2), 19);
}

TEST(CheckFrames, FromImageWhenKeyIsZero) {
    EXPECT_EQ(CheckFrameCountFromImage(0, 104, 13), 8); // 13-pixel cells
    EXPECT_EQ(CheckFrameCountFromImage(0, 128, 16), 8); // 16-pixel cells
    EXPECT_EQ(CheckFrameCountFromImage(0, 26, 13), 4);  // at least 4
    EXPECT_EQ(CheckFrameCountFromImage(0, 0, 0), 4);
    EXPECT_EQ(CheckFrameCountFromImage(6, 104, 13), 6);
}

TEST(BuildRules, ClampsAndGeometry) {
    EXPECT_EQ(TileOrZero(2), 0);
    EXPECT_EQ(TileOrZero(1), 1);
    EXPECT_EQ(TileOrOne(5), 1);
    EXPECT_EQ(TabPaneMargin(5), 4);
    EXPECT_EQ(TabPaneMargin(3), 3);
    const TCellRect arrow = ComboArrowSource(50, 1);
    EXPECT_EQ(arrow.left, 81);
    EXPECT_EQ(arrow.right - arrow.left, ComboArrowSize);
    EXPECT_EQ(arrow.bottom - arrow.top, ComboArrowSize);
    EXPECT_EQ(ComboButtonPart(19).left, 31);
    EXPECT_EQ(ComboTextPart(19).right, 30);
    EXPECT_EQ(ToolbarBorderWeight(111), 70);  // (225 - 111) * 25 / 140 + 50
    EXPECT_EQ(ToolbarBorderWeight(255), 45);  // negative part truncates toward zero
    EXPECT_FALSE(ToolbarUsesSaturatedBorder(110));
}

} // namespace

#include "skin/data/DefaultSkin3rd.h"

#include <map>
#include <string>

namespace {

TEST(DefaultSkin3rd, HundredTwentyFourMappingsWithTheirDuplicates) {
    std::map<std::string, int> seen;
    for (int i = 0; i < DefaultSkin3rdCount; ++i) {
        ASSERT_NE(DefaultSkin3rd[i], nullptr) << i;
        const std::string line = DefaultSkin3rd[i];
        const auto eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        EXPECT_GT(eq, 0u) << line;
        EXPECT_LT(eq + 1, line.size()) << line;
        ++seen[line];
    }
    EXPECT_STREQ(DefaultSkin3rd[0], "TCategoryButtons=scrollbar");
    EXPECT_STREQ(DefaultSkin3rd[123], "trmtoolbaraddintools=panel");
    EXPECT_EQ(seen["TDBCheckboxEh=Checkbox"], 2);
    EXPECT_EQ(seen["TLMDFontSizeCombobox=combobox"], 2);
    EXPECT_EQ(seen["TWWDBCombobox=Combobox"], 2);
    EXPECT_EQ(seen.size(), 121u);
}

} // namespace
