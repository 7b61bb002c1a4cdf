#include "skin/window/MenuBarRules.h"

#include "runtime/SysUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuBarRules, LayoutTable) {
    const std::vector<MenuBarItemFacts> items{{true, 30}, {false, 40}, {true, 0}, {true, 22}};
    struct {
        const char* what;
        MenuBarFacts bar;
        std::vector<GeoRect> rects;
    } cases[] = {
        {"element: starts after its left width + 4",
         {400, 19, true, 8, 6, false, -1},
         {{12, 0, 52, 18}, {}, {52, 0, 52, 18}, {52, 0, 84, 18}}},
        {"no element: starts at 6", {400, 19, false, 0, 0, false, -1}, {{6, 0, 46, 18}, {}, {46, 0, 46, 18}, {46, 0, 78, 18}}},
        {"bar narrower than the start: 12", {10, 19, true, 20, 6, false, -1},
         {{12, 0, 52, 18}, {}, {52, 0, 52, 18}, {52, 0, 84, 18}}},
        {"right to left: ends before the right width + 8", {400, 19, true, 8, 6, true, -1},
         {{346, 0, 386, 18}, {}, {346, 0, 346, 18}, {314, 0, 346, 18}}},
        {"right to left beside MDI buttons: 5 pixels left of them", {400, 19, true, 8, 6, true, 300},
         {{255, 0, 295, 18}, {}, {255, 0, 255, 18}, {223, 0, 255, 18}}},
    };
    for (const auto& c : cases) EXPECT_EQ(LayoutMenuBar(c.bar, items), c.rects) << c.what;
}

TEST(MenuBarRules, ItemAtSkipsEmptyCaptionsAndEdges) {
    const std::vector<GeoRect> rects{{6, 0, 46, 18}, {46, 0, 60, 18}, {60, 0, 90, 18}};
    const std::vector<std::wstring> captions{L"&File", L"", L"&Edit"};
    EXPECT_EQ(MenuBarItemAt(rects, captions, 6, 0), 0);
    EXPECT_EQ(MenuBarItemAt(rects, captions, 45, 17), 0);
    EXPECT_EQ(MenuBarItemAt(rects, captions, 50, 5), -1) << "an empty caption cannot be hit";
    EXPECT_EQ(MenuBarItemAt(rects, captions, 60, 5), 2);
    EXPECT_EQ(MenuBarItemAt(rects, captions, 90, 5), -1);
    EXPECT_EQ(MenuBarItemAt(rects, captions, 20, 18), -1);
}

TEST(MenuBarRules, Accelerators) {
    EXPECT_EQ(AcceleratorOf(L"&File"), L'F');
    EXPECT_EQ(AcceleratorOf(L"Save &as"), L'A');
    EXPECT_EQ(AcceleratorOf(L"Fish && &chips"), L'C');
    EXPECT_EQ(AcceleratorOf(L"Tail&"), 0);
    EXPECT_EQ(AcceleratorOf(L"None"), 0);
    EXPECT_EQ(AcceleratorOf(L"文件(&F)"), L'F');
    const std::vector<BarItemState> bar{{L"&File"}, {L"&Edit", true, false}, {L"&Help", false}, {L"&View"}};
    EXPECT_EQ(BarItemForAccelerator(bar, L'f'), 0);
    EXPECT_EQ(BarItemForAccelerator(bar, L'V'), 3);
    EXPECT_EQ(BarItemForAccelerator(bar, L'E'), -1) << "disabled";
    EXPECT_EQ(BarItemForAccelerator(bar, L'H'), -1) << "invisible";
    EXPECT_EQ(BarItemForAccelerator(bar, 0), -1);
}

TEST(MenuBarRules, NeighboursWrapAndSkipHiddenItems) {
    const std::vector<BarItemState> bar{{L"&File"}, {L"&Edit", false}, {L""}, {L"&View"}};
    EXPECT_EQ(NeighbourBarItem(bar, 0, +1), 3);
    EXPECT_EQ(NeighbourBarItem(bar, 3, +1), 0) << "the last wraps to the first";
    EXPECT_EQ(NeighbourBarItem(bar, 0, -1), 3) << "the first wraps to the last";
    EXPECT_EQ(NeighbourBarItem({{L"&Only"}}, 0, +1), 0);
    EXPECT_EQ(NeighbourBarItem({}, 0, +1), -1);
}

TEST(MenuBarRules, ArrowKeysWhileASubMenuIsOpen) {
    struct {
        char key;
        OpenMenuFacts facts;
        BarKeyMove move;
    } cases[] = {
        {'R', {false, false, false, false}, BarKeyMove::Next},
        {'R', {true, false, true, false}, BarKeyMove::Next},
        {'R', {true, true, true, false}, BarKeyMove::None},
        {'L', {false, false, false, false}, BarKeyMove::Previous},
        {'L', {true, true, true, false}, BarKeyMove::Previous},
        {'L', {true, false, false, false}, BarKeyMove::None},
        {'L', {true, false, true, true}, BarKeyMove::Next},
        {'R', {true, false, true, true}, BarKeyMove::Previous},
        {'U', {}, BarKeyMove::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.move, BarKeyDecision(c.key, c.facts))
            << c.key << " selected " << c.facts.itemSelected << " sub " << c.facts.selectedHasSubMenu << " rtl "
            << c.facts.rightToLeft;
}

} // namespace
