#include "skin/window/FrameRules.h"

#include <gtest/gtest.h>

namespace {

using namespace frame_style;

TEST(FrameRules, FrameCountsBelowOneCountAsOne) {
    EXPECT_EQ(FrameExtent(16, 2), 8);
    EXPECT_EQ(FrameExtent(16, 1), 16);
    EXPECT_EQ(FrameExtent(16, 0), 16);
    EXPECT_EQ(FrameExtent(16, -3), 16);
    // The stored skin: left 16 wide in 2 frames, top 84 high in 2.
    TBorderStrips s{16, 2, 16, 2, 84, 2, 10, 2};
    EXPECT_EQ(BorderMetrics(s, bkSingle, 0), (TFrameMetrics{8, 42, 8, 5, 0}));
    EXPECT_EQ(BorderMetrics(s, bkSizeable, 19), (TFrameMetrics{8, 42, 8, 5, 19}));
    EXPECT_EQ(BorderMetrics(s, bkNone, 19), TFrameMetrics{}) << "no caption: no borders, no menu bar";
    EXPECT_EQ(BorderMetrics(TBorderStrips{16, 0, 7, -1, 30, 0, 4, 0}, bkDialog, 0), (TFrameMetrics{16, 30, 7, 4, 0}));
}

TEST(FrameRules, BorderKinds) {
    struct Case {
        std::uint32_t style, exStyle;
        const char* className;
        int kind;
        bool systemDialog;
    };
    const Case cases[] = {
        {Caption | SystemMenu, 0, "TMainForm", bkSingle, false},
        {Caption | ThickFrame, 0, "TForm", bkSizeable, false},
        {Caption | DialogBit, 0, "TForm", bkDialog, false},
        {Caption, ExDialogModalFrame, "TForm", bkDialog, false},
        {Caption | ThickFrame, ExDialogModalFrame, "TForm", bkDialog, false},
        {0x00800000 /* border only */, 0, "TForm", bkNone, false},
        {0, 0, "TForm", bkNone, false},
        {0x84C801C4, 0x10101, "#32770", bkDialog, true},
        {0x04C800C4, 0, "#32770", bkDialog, true},
        {Caption | ThickFrame, 0, "TMessageForm", bkDialog, true},
        {0, 0, "#32770", bkDialog, true},
    };
    for (const Case& c : cases) {
        TBorderKindAnswer a = BorderKindOf(c.style, c.exStyle, c.className);
        EXPECT_EQ(a.kind, c.kind) << std::hex << c.style << " " << c.className;
        EXPECT_EQ(a.systemDialog, c.systemDialog) << c.className;
    }
}

TEST(FrameRules, ShowStates) {
    const int expected[] = {ssNormal, ssNormal, ssMinimized, ssMaximized, ssNormal, ssNormal, ssMinimized,
                            ssMinimized, ssNormal, ssNormal, ssNormal};
    for (int cmd = 0; cmd <= 10; ++cmd) EXPECT_EQ(ShowStateFromShowCommand(cmd), expected[cmd]) << cmd;
    EXPECT_EQ(ShowStateFromSizeType(0, ssMaximized), ssNormal);
    EXPECT_EQ(ShowStateFromSizeType(1, ssNormal), ssMinimized);
    EXPECT_EQ(ShowStateFromSizeType(2, ssNormal), ssMaximized);
    EXPECT_EQ(ShowStateFromSizeType(4 /* SIZE_MAXHIDE */, ssMaximized), ssMaximized);
}

TEST(FrameRules, CaptionBoxesAndTheCaptionStyleWorkaround) {
    EXPECT_EQ(CaptionBoxesOf(SystemMenu | MinimizeBox | MaximizeBox, false), cbSystemMenu | cbMinimize | cbMaximize);
    EXPECT_EQ(CaptionBoxesOf(MinimizeBox, true), cbSystemMenu | cbMinimize);
    EXPECT_EQ(CaptionBoxesOf(0, false), 0);
    const TVersionFacts nt50{true, 5, 0}, nt51{true, 5, 1}, nt4{true, 4, 0}, win9x{false, 4, 0};
    EXPECT_TRUE(NeedsCaptionStyleWorkaround(nt50, 0, false, false)) << "owner-less";
    EXPECT_TRUE(NeedsCaptionStyleWorkaround(nt50, ExAppWindow, true, false));
    EXPECT_FALSE(NeedsCaptionStyleWorkaround(nt50, 0, true, false)) << "owned";
    EXPECT_FALSE(NeedsCaptionStyleWorkaround(nt50, 0, false, true)) << "MDI child";
    EXPECT_FALSE(NeedsCaptionStyleWorkaround(nt51, ExAppWindow, false, false));
    EXPECT_FALSE(NeedsCaptionStyleWorkaround(nt4, ExAppWindow, false, false));
    EXPECT_FALSE(NeedsCaptionStyleWorkaround(win9x, ExAppWindow, false, false));
}

// WM_NCCALCSIZE over border sizes and window sizes: the client sits inside the borders and is never inverted.
TEST(FrameRules, ClientRectangleNeverInverted) {
    struct Case {
        TFrameRect window;
        TFrameMetrics m;
        TFrameRect client;
    };
    const Case cases[] = {
        {{100, 50, 512, 313}, {8, 42, 8, 5, 0}, {108, 92, 504, 308}}, // the main window: 396 x 216
        {{100, 50, 512, 313}, {8, 42, 8, 5, 19}, {108, 111, 504, 308}},
        {{0, 0, 0, 0}, {8, 42, 8, 5, 0}, {0, 0, 0, 0}},               // zero size
        {{10, 10, 20, 30}, {8, 42, 8, 5, 0}, {18, 30, 18, 30}},       // smaller than its borders
        {{-32000, -32000, -31840, -31976}, {8, 42, 8, 5, 0}, {-31992, -31976, -31848, -31976}}, // minimized
        {{0, 0, 1920, 1080}, {0, 0, 0, 0, 0}, {0, 0, 1920, 1080}},
        {{5, 5, 3, 2}, {1, 1, 1, 1, 0}, {5, 5, 5, 5}},                // already inverted input
    };
    for (const Case& c : cases) {
        TFrameRect r = ClientFromWindow(c.window, c.m);
        EXPECT_EQ(r, c.client) << c.window.left << "," << c.window.top << " " << c.window.Width() << "x" << c.window.Height();
        EXPECT_GE(r.Width(), 0);
        EXPECT_GE(r.Height(), 0);
    }
}

TEST(FrameRules, HitTestRefinesOnlyNowhereAndCaption) {
    const TFrameMetrics plain{8, 42, 8, 5, 0}, withMenu{8, 42, 8, 5, 19};
    struct Case {
        int defaultCode, y;
        const TFrameMetrics* m;
        int code;
    };
    const Case cases[] = {
        {2, 0, &plain, 2},  {0, 3, &plain, 0},  {0, 4, &plain, 2},   {2, 42, &plain, 2},  {0, 50, &plain, 2},
        {0, 43, &withMenu, 5}, {2, 42, &withMenu, 2}, {2, 60, &withMenu, 5},
        {1, 20, &plain, 1},  // client
        {12, 2, &plain, 12}, {13, 20, &plain, 13}, {10, 20, &plain, 10}, {17, 300, &plain, 17}, // borders, corner
        {20, 10, &plain, 20}, // close box
    };
    for (const Case& c : cases)
        EXPECT_EQ(RefineHitTest(c.defaultCode, c.y, *c.m), c.code) << c.defaultCode << " at y " << c.y;
}

TEST(FrameRules, SizesThatKeepTheClient) {
    EXPECT_EQ(WindowSizeForClient(396, 224, {8, 42, 8, 5, 0}), (TFrameSize{412, 271}));
    EXPECT_EQ(WindowSizeForClient(396, 224, {8, 42, 8, 5, 19}), (TFrameSize{412, 290}));
    EXPECT_EQ(WindowSizeForClient(-5, -1, {1, 2, 3, 4, 0}), (TFrameSize{4, 6}));
    TDialogWidening w = WidenForCaption(200, 24, 250, 80);
    EXPECT_EQ(w.width, 354);
    EXPECT_EQ(w.childShift, 77);
    w = WidenForCaption(400, 24, 250, 80);
    EXPECT_EQ(w.width, 400);
    EXPECT_EQ(w.childShift, 0);
}

TEST(FrameRules, FrameParts) {
    const TFrameMetrics m{8, 42, 8, 5, 19};
    TFrameParts p = FramePartsOf(412, 290, m, false);
    EXPECT_EQ(p.left, (TFrameRect{0, 0, 8, 290}));
    EXPECT_EQ(p.right, (TFrameRect{404, 0, 412, 290}));
    EXPECT_EQ(p.bottom, (TFrameRect{8, 285, 404, 290}));
    EXPECT_EQ(p.top, (TFrameRect{8, 0, 404, 42}));
    EXPECT_EQ(p.title, (TFrameRect{0, 0, 412, 42}));
    EXPECT_EQ(p.menu, (TFrameRect{8, 42, 404, 61}));
    p = FramePartsOf(160, 24, m, true);
    EXPECT_EQ(p.title, (TFrameRect{0, 0, 160, 24}));
    EXPECT_EQ(p.top, (TFrameRect{0, 0, 160, 42}));
    p = FramePartsOf(10, 20, m, false);
    EXPECT_FALSE(PartDrawable(p.bottom)) << "narrower than both side borders";
    EXPECT_TRUE(PartDrawable(p.left));
    EXPECT_EQ(BorderFrameIndex(true, 2), 1);
    EXPECT_EQ(BorderFrameIndex(false, 2), 2);
    EXPECT_EQ(BorderFrameIndex(false, 1), 1);
    EXPECT_EQ(BorderFrameIndex(false, 0), 1);
}

TEST(FrameRules, CaptionTextPlacement) {
    TCaptionFacts f;
    f.titleWidth = 412;
    f.titleHeight = 42;
    f.textWidth = 100;
    f.textHeight = 17;
    f.textShift = 24;
    f.textShiftVert = 5;
    f.textRightClip = 80;
    EXPECT_EQ(PlaceCaptionText(f), (TFrameRect{24, 14, 124, 31})); // (42-17)/2 + 5/2
    f.textAlignment = 1;
    EXPECT_EQ(PlaceCaptionText(f).left, 156);
    f.textAlignment = 2;
    EXPECT_EQ(PlaceCaptionText(f), (TFrameRect{232, 14, 332, 31}));
    f.textAlignment = 7;
    EXPECT_EQ(PlaceCaptionText(f).left, 0);
    f.textAlignment = 0;
    f.rightToLeft = true;
    EXPECT_EQ(PlaceCaptionText(f).left, 232) << "right-to-left: always the right position";
    f.rightToLeft = false;
    f.backLeft = 6;
    f.backRight = 4;
    EXPECT_EQ(PlaceCaptionText(f), (TFrameRect{24, 14, 134, 31})) << "text background widths added";
    f.backLeft = f.backRight = 0;
    f.textWidth = 600; // too long: clipped before the right clip, the ellipsis shows the cut
    EXPECT_EQ(PlaceCaptionText(f).right, 332);
    f.highBitStyle = true;
    f.rightButtonsLeft = 340;
    EXPECT_EQ(PlaceCaptionText(f).right, 335);
    f.rightButtonsLeft = 5;
    EXPECT_EQ(PlaceCaptionText(f).right, 624) << "no right-aligned button: no clip";
    f.highBitStyle = false;
    f.textWidth = 100;
    f.dialogBorder = true;
    EXPECT_EQ(PlaceCaptionText(f).left, 8) << "a dialog shows no icon";
    f.textAlignment = 1;
    EXPECT_EQ(PlaceCaptionText(f).left, 156);
}

} // namespace
