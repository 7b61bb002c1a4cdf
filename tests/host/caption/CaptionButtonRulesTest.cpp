#include "skin/window/CaptionButtonRules.h"

#include <gtest/gtest.h>

namespace {

constexpr int Sys = cbSystemMenu, Min = cbMinimize, Max = cbMaximize;

CaptionWindowFacts Facts(int box, int show = ssNormal, bool active = true, int border = bkSingle, bool sysDlg = false) {
    CaptionWindowFacts f;
    f.captionBox = box;
    f.showState = show;
    f.active = active;
    f.borderKind = border;
    f.systemDialog = sysDlg;
    return f;
}

struct StateCase {
    const char* what;
    int vis, vis1, action;
    CaptionWindowFacts facts;
    bool visible, enabled;
};

TEST(CaptionButtonState, VisibilityAndEnabledTable) {
    CaptionWindowFacts mdi = Facts(Sys | Min | Max);
    mdi.mdiChildMaximized = true;
    CaptionWindowFacts mdiNoBar = mdi;
    mdi.hasMenuBar = true;
    const StateCase cases[] = {
        // The stored skin's buttons on a normal sizeable window with both boxes.
        {"close", 0, 0, 0, Facts(Sys | Min | Max, ssNormal, true, bkSizeable), true, true},
        {"max normal", 2, 6, 1, Facts(Sys | Min | Max), true, true},
        {"max when maximized", 2, 6, 1, Facts(Sys | Min | Max, ssMaximized), false, true},
        {"restore when maximized", 1, 6, 1, Facts(Sys | Min | Max, ssMaximized), true, true},
        {"restore when normal", 1, 6, 1, Facts(Sys | Min | Max), false, true},
        {"min", 6, 6, 2, Facts(Sys | Min | Max), true, true},
        // A fixed window with a minimize box only: maximize shows disabled, minimize enabled.
        {"max without max box", 2, 6, 1, Facts(Sys | Min), true, false},
        {"min without max box", 6, 6, 2, Facts(Sys | Min), true, true},
        {"min with max box only", 6, 6, 2, Facts(Sys | Max), true, false},
        {"no boxes: max hidden", 2, 6, 1, Facts(Sys), false, false},
        {"no boxes: min hidden", 6, 6, 2, Facts(Sys), false, false},
        {"code 8 needs a system menu", 8, 8, 2, Facts(Min), false, false},
        {"code 8 with system menu", 8, 8, 2, Facts(Sys | Min), true, true},
        {"code 7 no max box", 7, 0, 40, Facts(Sys | Min), true, true},
        {"code 9 no min box", 9, 0, 40, Facts(Sys | Min), false, true},
        // Without a system menu there is no close button, whatever the skin says.
        {"close without system menu", 0, 0, 0, Facts(Min | Max), false, true},
        {"active only, inactive window", 3, 0, 40, Facts(Sys, ssNormal, false), false, true},
        {"inactive only, inactive window", 4, 4, 40, Facts(Sys, ssNormal, false), true, true},
        // The icon button is hidden on dialog borders, also on system dialogs.
        {"icon, single border", 0, 0, 3, Facts(Sys), true, true},
        {"icon, dialog border", 0, 0, 3, Facts(Sys, ssNormal, true, bkDialog), false, true},
        {"action 11, dialog border", 0, 0, 11, Facts(Sys, ssNormal, true, bkDialog, true), false, true},
        {"code 200 on own dialog", 200, 0, 40, Facts(Sys, ssNormal, true, bkDialog), true, true},
        {"code 200 on system dialog", 200, 0, 40, Facts(Sys, ssNormal, true, bkDialog, true), false, true},
        {"code 200 as second code", 0, 200, 40, Facts(Sys, ssNormal, true, bkDialog), false, true},
        {"code 500 first", 500, 0, 40, Facts(Sys), true, true},
        {"code 500 second", 0, 500, 40, Facts(Sys), false, true},
        {"code -1 first", -1, 0, 40, Facts(Sys), true, true},
        {"unknown code 5", 5, 0, 40, Facts(Sys), false, true},
        {"unknown code 2001", 2001, 0, 40, Facts(Sys), false, true},
        {"MDI buttons with maximized child", 100, 100, 9, mdi, true, true},
        {"MDI buttons without menu bar", 100, 100, 9, mdiNoBar, false, true},
        {"MDI buttons, no maximized child", 100, 100, 9, Facts(Sys | Min | Max), false, true},
    };
    for (const StateCase& c : cases) {
        const CaptionButtonState s = UpdateButtonState(c.vis, c.vis1, c.action, true, c.facts, nullptr);
        EXPECT_EQ(s.visible, c.visible) << c.what;
        EXPECT_EQ(s.enabled, c.enabled) << c.what;
    }
}

TEST(CaptionButtonState, CodesFrom1000AskTheWindowWithCodeAndAction) {
    int askedCode = 0, askedAction = 0;
    auto ask = [&](int code, int action) {
        askedCode = code;
        askedAction = action;
        return code == 1000 ? 1 : 0;
    };
    const CaptionWindowFacts f = Facts(Sys);
    EXPECT_TRUE(UpdateButtonState(1000, 0, 40, true, f, ask).visible);
    EXPECT_EQ(askedCode, 1000);
    EXPECT_EQ(askedAction, 40);
    EXPECT_FALSE(UpdateButtonState(1001, 0, 41, true, f, ask).visible);
    EXPECT_FALSE(UpdateButtonState(2000, 0, 41, true, f, [](int, int) { return -5; }).visible);
    EXPECT_TRUE(UpdateButtonState(2000, 0, 41, true, f, [](int, int) { return 7; }).visible);
    // As the second code it never holds, and without anybody to ask the first does not either.
    EXPECT_FALSE(UpdateButtonState(0, 1000, 40, true, f, ask).visible);
    EXPECT_FALSE(UpdateButtonState(1000, 0, 40, true, f, nullptr).visible);
}

TEST(CaptionButtonPlacement, ByAlignment) {
    CaptionPlacementFacts f;
    f.windowWidth = 400;
    f.captionLeft = 30;
    f.captionRight = 200;
    f.rightBorder = 4;
    f.topBorder = 21;
    f.menuHeight = 19;
    f.menuBarLeft = 4;
    struct {
        int align, x, y;
        GeoRect expected;
    } cases[] = {
        {0, 5, 2, {5, 2, 25, 23}},        {1, 25, 0, {375, 0, 395, 21}},
        {2, 3, 1, {7, 1, 27, 22}},        {8, 3, 1, {7, 1, 27, 22}},
        {3, 2, 1, {202, 1, 222, 22}},     {9, 2, 1, {202, 1, 222, 22}},
        {100, 57, 0, {335, 20, 355, 41}}, {4, 50, 50, {0, 0, 20, 21}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceButton(c.align, c.x, c.y, 20, 21, f), c.expected) << c.align;
    // A button taller than the menu bar is centred with the odd pixel rounded toward zero.
    f.menuHeight = 10;
    EXPECT_EQ(PlaceButton(100, 57, 0, 20, 15, f).top, 21 + (10 - 15) / 2);
}

TEST(CaptionButtonFrames, StateFramesAndHostileFrameCounts) {
    struct {
        int state;
        bool enabled;
        int count, visibility, expected;
    } cases[] = {
        {1, true, 3, 0, 1},   {2, true, 3, 0, 2},   {3, true, 3, 0, 3},   {3, true, 4, 100, 4},
        {2, false, 4, 0, 4},  {3, false, 3, 0, 1},  {3, true, 1, 0, 1},   {2, true, 0, 0, 1},
        {3, true, -7, 0, 1},  {1, true, 4, 100, 1}, {3, true, 3, 100, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ButtonStateFrame(c.state, c.enabled, c.count, c.visibility), c.expected)
            << c.state << " " << c.enabled << " " << c.count;
    EXPECT_EQ(ButtonTitleFrame(true, true, 4), 1);
    EXPECT_EQ(ButtonTitleFrame(false, true, 4), 4);
    EXPECT_EQ(ButtonTitleFrame(true, false, 4), 4);
    EXPECT_EQ(ButtonTitleFrame(false, false, 3), 1);
    // Frame counts read from a skin file are never divisors below 1.
    EXPECT_EQ(FrameExtent(60, 3), 20);
    EXPECT_EQ(FrameExtent(60, 0), 60);
    EXPECT_EQ(FrameExtent(60, -3), 60);
    EXPECT_EQ(SafeFrameCount(3), 3);
    EXPECT_EQ(SafeFrameCount(0), 1);
    EXPECT_EQ(SafeFrameCount(-3), 1);
}

TEST(CaptionButtonActions, CodesAndButtonAt) {
    using K = TButtonActionKind;
    const std::pair<int, K> kinds[] = {{0, K::Close},        {1, K::Maximize},   {22, K::Maximize},
                                       {2, K::Minimize},     {23, K::Minimize},  {3, K::SystemMenu},
                                       {11, K::SystemMenu},  {12, K::SystemMenu}, {7, K::MdiMinimize},
                                       {60, K::MdiMinimize}, {8, K::MdiRestore}, {61, K::MdiRestore},
                                       {9, K::MdiClose},     {62, K::MdiClose},  {40, K::Custom},
                                       {4, K::Custom}};
    for (const auto& [action, kind] : kinds) EXPECT_EQ(ActionKindOf(action), kind) << action;

    const std::vector<CaptionButtonHit> buttons = {
        {false, 0, {0, 0, 10, 10}},  // hidden
        {true, -1, {0, 0, 10, 10}},  // negative action
        {true, 1, {5, 0, 15, 10}},
        {true, 2, {5, 0, 15, 10}},   // behind the first one found
    };
    EXPECT_EQ(ButtonAt(buttons, 2, 2), -1);
    EXPECT_EQ(ButtonAt(buttons, 5, 0), 2);
    EXPECT_EQ(ButtonAt(buttons, 14, 9), 2);
    EXPECT_EQ(ButtonAt(buttons, 15, 5), -1);
}

} // namespace
