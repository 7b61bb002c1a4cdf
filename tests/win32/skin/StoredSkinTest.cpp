// The element records built from the stored skin, as the main window's component streams it in.
#include "SkinTestSupport.h"

#include "skin/data/SkinBitmapOps.h"
#include "skin/window/SkinManage.h"

#include <gtest/gtest.h>

namespace {

class StoredSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_FALSE(StoredSkinPackage().empty()) << GRV_STORED_SKIN_PACKAGE;
        FreeSkinManager(); // as at program start: the main window's component creates the manager
        skin = new StreamedSkinData("    Active = True\n", StoredSkinPackage());
    }
    static void TearDownTestSuite() {
        delete skin;
        skin = nullptr;
    }
    static TSkinData& d() { return *skin->data; }
    static StreamedSkinData* skin;
};
StreamedSkinData* StoredSkin::skin = nullptr;

void ExpectStrip(const TDataSkinObject* e, int width, int height, int frames) {
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(BitmapWidth(*e->Bitmap), width) << e->Name;
    EXPECT_EQ(BitmapHeight(*e->Bitmap), height) << e->Name;
    EXPECT_EQ(e->FrameCount, frames) << e->Name;
}

TEST_F(StoredSkin, IsLoadedAndStaysActive) {
    EXPECT_FALSE(d().IsEmpty);
    EXPECT_TRUE(d().Active());
    EXPECT_EQ(d().SkinName, "Grivelle Sky");
}

TEST_F(StoredSkin, FrameCountsAndStrips) {
    ExpectStrip(d().ScrollBar.get(), 391, 17, 23);
    ExpectStrip(d().Buttons.get(), 400, 21, 5);
    ExpectStrip(d().BorderTop.get(), 323, 42, 2);
    ExpectStrip(d().BorderLeft.get(), 8, 294, 2);
    EXPECT_EQ(d().Title->FrameCount, 2);
    EXPECT_EQ(d().HorzScrollThumb->FrameCount, 3);
    EXPECT_EQ(d().VertScrollThumb->FrameCount, 3);
    EXPECT_EQ(d().HeaderBar->FrameCount, 5);
    EXPECT_EQ(d().Progress->FrameCount, 2); // Style 0
    EXPECT_EQ(d().ProgressChunk->FrameCount, 1); // keeps its "Frame" key
    EXPECT_EQ(d().StatusBarEdges->FrameCount, 3);
    EXPECT_EQ(d().UpDownHorz->FrameCount, 8);
    EXPECT_EQ(d().MenuBar->FrameCount, 2);
    for (auto* thumb : {d().TrackThumbHorz.get(), d().TrackThumbVert.get(), d().TrackThumbLeft.get(),
                        d().TrackThumbRight.get(), d().TrackThumbUp.get(), d().TrackThumbDown.get()})
        EXPECT_EQ(thumb->FrameCount, 5) << thumb->Name;
    // The border records: margins along the border, the others 0.
    EXPECT_EQ(d().BorderLeft->TopHeight, 21);
    EXPECT_EQ(d().BorderLeft->LeftWidth, 0);
    EXPECT_EQ(d().BorderTop->LeftWidth, 8);
    EXPECT_EQ(d().BorderTop->TopHeight, 0);
    EXPECT_EQ(d().Buttons->CheckFrameCount, 12);
    EXPECT_EQ(d().Buttons->RadioFrameCount, 8);
}

TEST_F(StoredSkin, CaptionButtonsThenMdiButtons) {
    const auto& buttons = d().SysButtons;
    ASSERT_EQ(buttons.size(), 10u);
    for (int i = 0; i < 7; ++i) {
        const TDataSkinSysButton& b = *buttons[i];
        EXPECT_NE(b.Name, "BUTTONSHADE"); // Action=-1 with a visibility: dropped
        EXPECT_EQ(b.FrameCount, 3) << b.Name; // 58 x 21, ratio 2.76
        if (b.Action == 3) {
            EXPECT_TRUE(IsBitmapEmpty(*b.Bitmap)) << b.Name; // the icon button loses its image
        } else {
            EXPECT_EQ(BitmapWidth(*b.Bitmap), 58) << b.Name;
            EXPECT_EQ(BitmapHeight(*b.Bitmap), 21) << b.Name;
        }
    }
    EXPECT_EQ(buttons[0]->Name, "BUTTONICON");
    EXPECT_EQ(buttons[1]->Name, "BUTTONCLOSE");
    const int xcoords[] = {57, 38, 19};
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& m = *buttons[7 + i];
        EXPECT_EQ(m.Action, 7 + i);
        EXPECT_EQ(m.XCoord, xcoords[i]);
        EXPECT_EQ(m.FrameCount, 4);
        EXPECT_EQ(m.Align, 100);
        EXPECT_EQ(m.Visibility1, 100);
        EXPECT_EQ(BitmapWidth(*m.Bitmap), 60); // 4 cells of 15
        EXPECT_EQ(BitmapHeight(*m.Bitmap), 15);
    }
}

TEST_F(StoredSkin, ColoursPaletteAndBorderColour) {
    EXPECT_EQ(d().SkinColors.ButtonFace, MakeRGB(236, 242, 249));
    ASSERT_EQ(d().Palette.size(), 4u);
    EXPECT_EQ(d().Palette[0], MakeRGB(27, 58, 107));
    EXPECT_EQ(d().CustomColors[8], MakeRGB(206, 58, 48));
    EXPECT_EQ(d().Title->ActiveTextColor, MakeRGB(27, 58, 107));
    const TBitmap& top = *d().BorderTop->Bitmap;
    EXPECT_EQ(d().BorderColor(), BitmapPixel(top, 323 / 3, 21 / 3));
    EXPECT_EQ(d().StoredBorderColor, d().BorderColor());
    EXPECT_NE(d().FaceBrush, nullptr);
}

TEST_F(StoredSkin, ComboImagesArrowAndToolbar) {
    const int bw = GetSystemMetrics(SM_CXHSCROLL) + 2;
    const TDataSkinBorder& button = *d().ComboButton;
    EXPECT_EQ(button.Style, 2);
    EXPECT_EQ(button.LeftWidth, 2);
    EXPECT_EQ(button.RightWidth, bw + 2);
    EXPECT_EQ(BitmapWidth(*button.Bitmap), 50 * 4);
    EXPECT_EQ(BitmapHeight(*button.Bitmap), 21);
    EXPECT_FALSE(IsBitmapEmpty(*button.Bitmap2));
    const TDataSkinObject& sunk = *d().SunkEdge;
    EXPECT_EQ(sunk.LeftWidth, bw + 2);
    EXPECT_EQ(sunk.RightWidth, 2);
    // The text area of every cell is key-coloured; the mirrored strip has it on the other side.
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_EQ(BitmapPixel(*button.Bitmap, 50 * cell + 10, 10), clMagenta) << cell;
        EXPECT_EQ(BitmapPixel(*sunk.Bitmap, 50 * cell + 40, 10), clMagenta) << cell;
    }
    ExpectStrip(d().ComboArrow.get(), 17 * 4, 17, 4);
    EXPECT_EQ(d().ComboArrow->Name, "ComboxArrow");
    ExpectStrip(d().ToolbarBack.get(), 10, 40, 1);
    EXPECT_EQ(d().ToolbarBack->Name, "Toolbar");
}

TEST_F(StoredSkin, TrackSectionsOfTheSkin) {
    ASSERT_TRUE(d().Track);
    EXPECT_EQ(d().Track->Name, "Track");
    EXPECT_EQ(d().TrackVert->Name, "TRACKVERT");
    EXPECT_EQ(d().Track->FrameCount, 1);
}

TEST_F(StoredSkin, RegisteredAsMainSkinData) {
    ASSERT_NE(SkinManager, nullptr);
    EXPECT_EQ(SkinManager->mainSkinData, &d());
    EXPECT_TRUE(SkinManager->skinning); // apply scheduled before any activation
    EXPECT_FALSE(SkinManager->TimerEnabled());
    EXPECT_NE(SkinManager->hook, nullptr);
}

} // namespace
