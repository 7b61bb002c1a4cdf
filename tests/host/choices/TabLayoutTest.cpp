#include "skin/controls/TabLayout.h"

#include <gtest/gtest.h>

namespace {
TEST(TabLayout, SideFromStyle) {
    EXPECT_EQ(TabSideFromStyle(0), TTabSide::Top);
    EXPECT_EQ(TabSideFromStyle(0x2), TTabSide::Bottom);
    EXPECT_EQ(TabSideFromStyle(0x80), TTabSide::Left);
    EXPECT_EQ(TabSideFromStyle(0x82), TTabSide::Right);
    EXPECT_EQ(TabSideFromStyle(0x54000000 | 0x100), TTabSide::Top); // unrelated bits
}

// A 200 x 120 control whose display area is where the system puts it for a row of 20-pixel tabs.
struct SideCase {
    TTabSide side;
    GeoRect display;
    GeoRect page;
    GeoRect row;
    int stripWidth, stripHeight;
    GeoRect tab;        // as the control reports it
    GeoRect tabInStrip;
    GeoRect tabShown;   // where the drawn tab ends up in the window
    GeoRect closeShown; // where its close box ends up in the window
};

TEST(TabLayout, FourSides) {
    const GeoRect window{0, 0, 200, 120};
    const SideCase cases[] = {
        {TTabSide::Top, {4, 26, 196, 116}, {0, 23, 200, 120}, {0, 0, 200, 23}, 200, 23,
         {2, 2, 60, 22}, {2, 3, 60, 23}, {2, 3, 60, 23}, {52, 5, 58, 11}},
        {TTabSide::Bottom, {4, 4, 196, 94}, {0, 0, 200, 97}, {0, 97, 200, 120}, 200, 23,
         {2, 98, 60, 118}, {2, 0, 60, 20}, {2, 97, 60, 117}, {52, 99, 58, 105}},
        {TTabSide::Left, {26, 4, 196, 116}, {23, 0, 200, 120}, {0, 0, 23, 120}, 120, 23,
         {2, 2, 22, 60}, {60, 2, 118, 22}, {2, 2, 22, 60}, {4, 4, 10, 10}},
        {TTabSide::Right, {4, 4, 174, 116}, {0, 0, 177, 120}, {177, 0, 200, 120}, 120, 23,
         {178, 2, 198, 60}, {1, 2, 59, 22}, {178, 1, 198, 59}, {190, 51, 196, 57}},
    };
    for (const SideCase& c : cases) {
        SCOPED_TRACE(int(c.side));
        GeoRect page = TabPageRect(c.display, c.side);
        EXPECT_EQ(page, c.page);
        GeoRect row = TabRowRect(window, page, c.side);
        EXPECT_EQ(row, c.row);
        TStripSize size = TabStripSize(row, c.side);
        EXPECT_EQ(size.width, c.stripWidth);
        EXPECT_EQ(size.height, c.stripHeight);
        GeoRect inStrip = TabInStrip(c.tab, c.side, window, page, row);
        EXPECT_EQ(inStrip, c.tabInStrip);
        // The drawn tab lies inside the strip, and once turned it covers the tab (give or take the one-pixel
        // shift toward the page).
        EXPECT_GE(inStrip.left, 0);
        EXPECT_LE(inStrip.right, size.width);
        EXPECT_EQ(StripToWindow(inStrip, c.side, row), c.tabShown);
        EXPECT_EQ(StripToWindow(CloseBoxInStrip(inStrip), c.side, row), c.closeShown);
    }
}

TEST(TabLayout, CloseBoxAtAClick) {
    std::vector<GeoRect> boxes{{52, 5, 58, 11}, {112, 5, 118, 11}};
    EXPECT_EQ(CloseBoxAt(boxes, 52, 5), 0);
    EXPECT_EQ(CloseBoxAt(boxes, 57, 10), 0);
    EXPECT_EQ(CloseBoxAt(boxes, 58, 10), -1); // right edge excluded
    EXPECT_EQ(CloseBoxAt(boxes, 115, 8), 1);
    EXPECT_EQ(CloseBoxAt(boxes, 80, 8), -1);
    EXPECT_EQ(CloseBoxAt({}, 52, 5), -1);
    // a tab the control reported no rectangle for keeps an empty box that nothing hits
    EXPECT_EQ(CloseBoxAt({GeoRect{}, {112, 5, 118, 11}}, 0, 0), -1);
}
} // namespace
