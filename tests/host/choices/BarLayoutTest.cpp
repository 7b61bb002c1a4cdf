#include "skin/controls/BarLayout.h"

#include <gtest/gtest.h>

namespace {
TEST(StatusBarLayout, PanelsWidenAndTheLastReachesTheEdge) {
    std::vector<GeoRect> reported{{0, 2, 100, 20}, {102, 2, 180, 20}, {182, 2, 250, 20}};
    std::vector<GeoRect> want{{0, 2, 102, 20}, {102, 2, 182, 20}, {182, 2, 400, 20}};
    EXPECT_EQ(StatusPanelRects(reported, 400), want);
    EXPECT_TRUE(StatusPanelRects({}, 400).empty());
    // a last panel reported wider than the bar still ends at the bar's edge
    EXPECT_EQ(StatusPanelRects({{0, 2, 500, 20}}, 400).back().right, 400);
    EXPECT_EQ(StatusPanelFrame(TPanelBevel::Lowered), 1);
    EXPECT_EQ(StatusPanelFrame(TPanelBevel::Raised), 2);
    EXPECT_EQ(StatusPanelFrame(TPanelBevel::None), 3);
    EXPECT_EQ(StatusTextAlignment(TPanelAlignment::Left, true), TPanelAlignment::Right);
    EXPECT_EQ(StatusTextAlignment(TPanelAlignment::Right, true), TPanelAlignment::Left);
    EXPECT_EQ(StatusTextAlignment(TPanelAlignment::Centre, true), TPanelAlignment::Centre);
    EXPECT_EQ(StatusTextAlignment(TPanelAlignment::Right, false), TPanelAlignment::Right);
}

TEST(HeaderLayout, SectionUnderTheMouse) {
    std::vector<GeoRect> sections{HeaderHotRect({0, 0, 100, 20}), HeaderHotRect({100, 0, 160, 20})};
    EXPECT_EQ(HeaderSectionAt(sections, 50, 10), 0);
    EXPECT_EQ(HeaderSectionAt(sections, 130, 10), 1);
    EXPECT_EQ(HeaderSectionAt(sections, 99, 10), -1); // on the divider between sections
    EXPECT_EQ(HeaderSectionAt(sections, 102, 10), -1);
    EXPECT_EQ(HeaderSectionAt(sections, 300, 10), -1);
}

TEST(ItemPlacement, PictureAndTextInASection) {
    const GeoRect box{10, 0, 110, 20};
    struct Case {
        TItemAlignment alignment;
        TItemContent content;
        bool picture;
        GeoPoint at;
        GeoRect text;
    } cases[] = {
        {TItemAlignment::Left, {16, 16, true, 40, 12}, true, {13, 2}, {29, 4, 69, 16}},
        {TItemAlignment::Centre, {16, 16, true, 40, 12}, true, {32, 2}, {48, 4, 88, 16}},
        {TItemAlignment::Right, {16, 16, true, 40, 12}, true, {52, 2}, {68, 4, 108, 16}},
        {TItemAlignment::Centre, {0, 0, false, 40, 12}, false, {40, 10}, {40, 4, 80, 16}},
        // a text wider than the box starts at 1, never left of the box
        {TItemAlignment::Right, {0, 0, false, 150, 12}, false, {11, 10}, {11, 4, 161, 16}},
        // a picture as wide as the box is left out
        {TItemAlignment::Left, {100, 16, true, 0, 0}, false, {13, 10}, {13, 10, 13, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.alignment));
        TItemPlacement p = PlaceItem(box, c.alignment, c.content);
        EXPECT_EQ(p.drawPicture, c.picture);
        if (p.drawPicture) {
            EXPECT_EQ(p.picture, c.at);
        }
        EXPECT_EQ(p.text, c.text);
    }
}
} // namespace
