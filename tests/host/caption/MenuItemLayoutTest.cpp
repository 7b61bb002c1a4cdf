#include "skin/window/MenuItemLayout.h"

#include <gtest/gtest.h>

namespace {

MenuItemFacts Item(bool rtl, int skinLeft, int imageList, bool checked = false) {
    MenuItemFacts f;
    f.item = {0, 20, 150, 40};
    f.rightToLeft = rtl;
    f.skinLeftWidth = skinLeft;
    f.imageListWidth = imageList;
    f.checked = checked;
    f.captionWidth = 50;
    f.captionHeight = 13;
    return f;
}

TEST(MenuItemLayout, PlacesTable) {
    struct {
        const char* what;
        MenuItemFacts facts;
        GeoRect box, caption, shortcut;
    } cases[] = {
        {"skin element, image list 16", Item(false, 4, 16), {5, 21, 21, 39}, {24, 23, 149, 36}, {74, 23, 139, 36}},
        {"no element, no image list", Item(false, -1, 0), {1, 21, 17, 39}, {20, 23, 149, 36}, {70, 23, 139, 36}},
        {"wide image list", Item(false, 4, 24), {5, 21, 29, 39}, {32, 23, 149, 36}, {82, 23, 139, 36}},
        {"narrow list, checked: at least 16", Item(false, -1, 10, true), {1, 21, 17, 39}, {20, 23, 149, 36},
         {70, 23, 139, 36}},
        {"right to left", Item(true, 4, 16), {129, 21, 145, 39}, {1, 23, 126, 36}, {11, 23, 76, 36}},
    };
    for (const auto& c : cases) {
        const MenuItemPlaces p = LayoutMenuItem(c.facts);
        EXPECT_EQ(p.glyphBox, c.box) << c.what;
        EXPECT_EQ(p.caption, c.caption) << c.what;
        EXPECT_EQ(p.shortcut, c.shortcut) << c.what;
    }
    MenuItemFacts sep = Item(false, 4, 16);
    sep.separator = true;
    const MenuItemPlaces p = LayoutMenuItem(sep);
    EXPECT_FALSE(p.glyphBox.HasArea());
    EXPECT_EQ(p.separatorY, 24);
    // A caption taller than the item is centred with the offset rounded toward zero.
    MenuItemFacts tall = Item(false, -1, 16);
    tall.captionHeight = 25;
    EXPECT_EQ(LayoutMenuItem(tall).caption.top, 20 + (20 - 25) / 2);
    // A long caption never gives the shortcut an inverted place.
    tall.captionWidth = 500;
    EXPECT_FALSE(LayoutMenuItem(tall).shortcut.IsInverted());
}

TEST(MenuItemLayout, Measuring) {
    EXPECT_EQ(MeasuringText(L""), L" ");
    EXPECT_EQ(MeasuringText(L"&"), L"& ");
    EXPECT_EQ(MeasuringText(L"&Move"), L"&Move");

    EXPECT_EQ(MeasureSystemItem(40, 13, true, 4, false), (MenuItemSize{70, 17}));
    EXPECT_EQ(MeasureSystemItem(40, 13, true, -1, false), (MenuItemSize{66, 17}));
    EXPECT_EQ(MeasureSystemItem(0, 13, false, -1, false), (MenuItemSize{26, 8}));
    EXPECT_EQ(MeasureSystemItem(40, 13, true, -1, true), (MenuItemSize{66, 21}));

    const MenuItemSize own = MeasureItemContent(false, 40, 13, 30, 16, 16);
    EXPECT_EQ(own, (MenuItemSize{1 + 16 + 3 + 40 + 16 + 30, 18}));
    EXPECT_EQ(MeasureItemContent(true, 40, 13, 0, 16, 16), (MenuItemSize{0, 8}));
    EXPECT_EQ(MeasurePopupItem(own, true, 4).width, own.width + 16);
    EXPECT_EQ(MeasurePopupItem(own, false, -1).width, own.width + 35);
    EXPECT_EQ(MeasureMainMenuItem(own, true, 4).width, own.width + 14);
    EXPECT_EQ(MeasureMainMenuItem(own, false, 4).width, own.width + 39);
}

} // namespace
