// The element builder over small definitions made for each case.
#include "SkinTestSupport.h"

#include "skin/data/SkinBitmapOps.h"

#include <gtest/gtest.h>

namespace {

// A loaded component over a package of the given bitmaps and definition text.
struct Built {
    StreamedSkinData skin;
    explicit Built(std::vector<TPackEntry> entries, const std::string& ini)
        : skin("", Pack(std::move(entries), ini)) {}
    static std::vector<std::uint8_t> Pack(std::vector<TPackEntry> entries, const std::string& ini) {
        entries.push_back({"skin.ini", TextBytes(ini)});
        return MakePackage(entries);
    }
    TSkinData& operator*() { return *skin.data; }
    TSkinData* operator->() { return skin.data; }
};

TEST(Builder, CaptionButtonFramesByImageRatio) {
    Built d({{"wide.bmp", SolidBmp(96, 21)}, {"narrow.bmp", SolidBmp(57, 21)}, {"Mixed.BMP", SolidBmp(57, 21)}},
            "[ButtonWide]\nButtonImage=wide.bmp\nAction=1\n"
            "[ButtonNarrow]\nButtonImage=skins\\old\\narrow.bmp\nAction=2\n" // path cut at the last backslash
            "[ButtonExplicit]\nButtonImage=narrow.bmp\nframe=4\nAction=3\n"
            "[ButtonNoImage]\nAction=0\n"
            "[ButtonUpper]\nButtonImage=mixed.BMP\n" // extension must be exactly ".bmp"
            "[ButtonKeep]\nAction=-1\nVisibility=0\n"
            "[ButtonGone]\nAction=-1\n"); // Visibility defaults to -1: dropped
    ASSERT_EQ(d->SysButtons.size(), 6u + 3u);
    const auto& b = d->SysButtons;
    EXPECT_EQ(b[0]->Name, "BUTTONWIDE");
    EXPECT_EQ(b[0]->FrameCount, 6);
    EXPECT_EQ(b[1]->FrameCount, 3);
    EXPECT_EQ(BitmapWidth(*b[1]->Bitmap), 57);
    EXPECT_EQ(b[2]->FrameCount, 4);
    EXPECT_FALSE(IsBitmapEmpty(*b[2]->Bitmap)); // an explicit frame skips the icon rule too
    EXPECT_EQ(b[3]->FrameCount, 6);
    EXPECT_TRUE(IsBitmapEmpty(*b[4]->Bitmap));
    EXPECT_EQ(b[5]->Name, "BUTTONKEEP");
    EXPECT_EQ(b[5]->Visibility1, -1);
    EXPECT_EQ(b[5]->CombineOp, -1);
    // No MDI image: three MDI buttons without images at XCoord 0.
    EXPECT_EQ(b[6]->Action, 7);
    EXPECT_TRUE(IsBitmapEmpty(*b[6]->Bitmap));
    EXPECT_EQ(b[6]->XCoord, 0);
}

TEST(Builder, BuiltInTracksWhenTheSkinHasNone) {
    Built d({}, "[Personality]\n");
    ASSERT_TRUE(d->Track);
    ASSERT_TRUE(d->TrackVert);
    EXPECT_EQ(d->Track->Name, "TRACK");
    EXPECT_EQ(d->TrackVert->Name, "TRACKVERT");
    for (TDataSkinObject* t : {d->Track.get(), d->TrackVert.get()}) {
        EXPECT_EQ(t->LeftWidth, 3);
        EXPECT_EQ(t->TopHeight, 3);
        EXPECT_EQ(t->RightWidth, 3);
        EXPECT_EQ(t->BottomHeight, 3);
        EXPECT_EQ(t->Tile, 0);
        EXPECT_EQ(t->FrameCount, 1);
    }
    const TSkinColor S = 0xC0C0C0, G = 0x808080, W = 0xFFFFFF;
    const TBitmap& track = *d->Track->Bitmap;
    ASSERT_EQ(BitmapWidth(track), 16);
    ASSERT_EQ(BitmapHeight(track), 4);
    const TSkinColor rowStarts[4][3] = {{S, S, G}, {S, S, W}, {G, S, W}, {S, S, W}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(BitmapPixel(track, x, y), rowStarts[y][x]) << x << "," << y;
    EXPECT_EQ(BitmapPixel(track, 13, 0), G);
    EXPECT_EQ(BitmapPixel(track, 14, 0), W);
    EXPECT_EQ(BitmapPixel(track, 15, 3), W);
    const TBitmap& vert = *d->TrackVert->Bitmap;
    ASSERT_EQ(BitmapWidth(vert), 4);
    ASSERT_EQ(BitmapHeight(vert), 16);
    const TSkinColor rows[16][4] = {{S, S, G, S}, {S, S, S, S}, {G, W, W, W}, {G, W, W, W}, {G, W, W, W},
                                    {G, W, W, W}, {G, W, W, W}, {G, W, W, W}, {G, W, W, W}, {G, W, W, W},
                                    {G, W, W, W}, {G, W, W, W}, {G, W, W, W}, {G, W, W, W}, {W, W, W, W},
                                    {W, W, W, W}};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(BitmapPixel(vert, x, y), rows[y][x]) << x << "," << y;
}

TEST(Builder, MissingSectionsLeaveSlotsEmptyAndColoursSystem) {
    Built d({{"tga.bmp", SolidBmp(4, 4)}}, "[Scrollbar]\nImage=arrows.tga\n[HorzScroll]\n");
    EXPECT_FALSE(d->IsEmpty);
    ASSERT_TRUE(d->ScrollBar);                    // the key has a value: a record...
    EXPECT_FALSE(d->ScrollBar->HasImage());       // ...but not a ".bmp": no image
    EXPECT_EQ(d->ScrollBar->FrameCount, 23);
    EXPECT_FALSE(d->HorzScroll);                  // no "Image" key
    EXPECT_FALSE(d->MenuBar);
    EXPECT_FALSE(d->ComboButton);
    EXPECT_FALSE(d->ComboArrow->HasImage());
    EXPECT_EQ(d->SkinColors.Menubar, clBtnFace);
    EXPECT_EQ(d->SkinColors.WindowText, clWindowText);
    EXPECT_EQ(d->BorderColor(), clBtnFace);       // no top border image
    EXPECT_TRUE(d->Palette.empty());
    EXPECT_EQ(d->CustomColors[0], clWhite);
    EXPECT_EQ(d->Title->FontHeight, 14);
    EXPECT_EQ(d->Title->ActiveTextColor, NoColor);
    EXPECT_EQ(d->ToolbarBack->FrameCount, 1);
}

TEST(Builder, TabPaneMarginsAndTileClamps) {
    Built d({{"p.bmp", SolidBmp(20, 20)}},
            "[Tab.Pane]\nImage=p.bmp\nLeftWidth=5\nTopHeight=9\nRightWidth=4\nBottomHeight=1\n"
            "[GroupBoxEdge]\nImage=p.bmp\nTile=2\n"
            "[Progress]\nBitmap=p.bmp\nTile=7\nStyle=1\n"
            "[Personality]\nTop=p.bmp\nTopStretch=3\nTopFrame=4\nmenuBar=p.bmp\nTileMenu=5\n"
            "[Headerbar]\nImage=p.bmp\nFrame=2\n");
    const TDataSkinObject& pane = *d->TabPane;
    EXPECT_EQ(pane.LeftWidth, 4);
    EXPECT_EQ(pane.TopHeight, 4);
    EXPECT_EQ(pane.RightWidth, 4);
    EXPECT_EQ(pane.BottomHeight, 1);
    EXPECT_EQ(d->GroupBoxEdge->Tile, 0);
    EXPECT_EQ(d->Progress->Tile, 1);
    EXPECT_EQ(d->Progress->FrameCount, 1); // Style not 0
    EXPECT_EQ(d->BorderTop->Tile, 1);
    EXPECT_EQ(d->BorderTop->FrameCount, 4);
    EXPECT_EQ(d->BorderTop->Trans, 1);
    EXPECT_EQ(d->MenuBar->Tile, 1);
    EXPECT_EQ(d->MenuBar->LeftWidth, 1);
    EXPECT_EQ(d->MenuBar->Name, "Personality");
    EXPECT_EQ(d->HeaderBar->FrameCount, 2); // its "Frame" key was not 0
    EXPECT_EQ(d->BorderColor(), BitmapPixel(*d->BorderTop->Bitmap, 6, 20 / 4 / 3));
}

TEST(Builder, SunkEdgeWithoutComboButtonBuildsNoComboImages) {
    Built d({{"s.bmp", SolidBmp(40, 21)}}, "[SunkEdge]\nImage=s.bmp\nLeftWidth=3\n");
    ASSERT_TRUE(d->SunkEdge);
    EXPECT_EQ(BitmapWidth(*d->SunkEdge->Bitmap), 40); // untouched
    EXPECT_EQ(d->SunkEdge->LeftWidth, 3);
    EXPECT_FALSE(d->ComboArrow->HasImage());
}

TEST(Builder, ComboArrowFromButtonAloneReplacesMagenta) {
    Built d({{"c.bmp", SolidBmp(68, 17, clMagenta)}},
            "[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=c.bmp\n");
    ASSERT_TRUE(d->ComboArrow->HasImage());
    EXPECT_EQ(d->ComboArrow->FrameCount, 4);
    EXPECT_EQ(BitmapPixel(*d->ComboArrow->Bitmap, 5, 5), MakeRGB(10, 20, 30));
    // The button's own mirror is a 24-bit copy.
    EXPECT_EQ(BitmapWidth(*d->ComboButton->Bitmap2), 68);
}

TEST(Builder, ReloadReplacesRecordsAndReusesBuiltSlots) {
    Built d({{"s.bmp", SolidBmp(40, 21)}}, "[SunkEdge]\nImage=s.bmp\n");
    TDataSkinObject* arrow = d->ComboArrow.get();
    TDataSkinObject* toolbar = d->ToolbarBack.get();
    TDataSkinBorder* top = d->BorderTop.get();
    const auto other = Built::Pack({}, "[Colours]\nButtonFace=1 2 3\n");
    d->PackageStream().Clear();
    d->PackageStream().WriteBuffer(other.data(), static_cast<std::int64_t>(other.size()));
    ASSERT_TRUE(d->LoadSkin());
    EXPECT_FALSE(d->SunkEdge); // missing from the new skin
    EXPECT_EQ(d->ComboArrow.get(), arrow);
    EXPECT_EQ(d->ToolbarBack.get(), toolbar);
    EXPECT_EQ(d->BorderTop.get(), top);
    EXPECT_EQ(d->SkinColors.ButtonFace, MakeRGB(1, 2, 3));
}

} // namespace

namespace {

TEST(Builder, HostileValuesBuildWithoutHarm) {
    std::vector<std::uint8_t> garbage = SolidBmp(8, 8);
    garbage.resize(30); // a bitmap file cut short
    Built d({{"tiny.bmp", SolidBmp(3, 2)}, {"narrow.bmp", SolidBmp(8, 4)}, {"bad.bmp", garbage},
             {"huge.bmp", SolidBmp(4000, 2)}},
            "[MDICONTROLS]\nImage=narrow.bmp\n"                  // narrower than 12 cells
            "[SunkEdge]\nImage=tiny.bmp\nLeftWidth=-20\nTopHeight=100\nTrans=1\n"
            "[ComboButton]\nImage=tiny.bmp\nRightWidth=99999999\n"
            "[ExtraImages]\nImage=bad.bmp\n"
            "[Scrollbar]\nImage=bad.bmp\n"
            "[Personality]\nTop=huge.bmp\nTopFrame=0\nLeft=bad.bmp\nLeftFrame=-4\n"
            "[HorzScrollThumb]\nImage=tiny.bmp\nFrameCount=0\n"
            "[Colours]\nButtonFace=999999999999 -1 x\n"
            "[ButtonOdd]\nButtonImage=huge.bmp\nframe=0\nAction=0x7FFFFFFF\n");
    EXPECT_FALSE(d->IsEmpty);
    const auto& mdi = d->SysButtons;
    ASSERT_EQ(mdi.size(), 4u);
    EXPECT_EQ(mdi[0]->FrameCount, 6); // 4000 x 2: wide
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(mdi[1 + i]->XCoord, 4 * (3 - i)); // cells of 0 pixels
        EXPECT_TRUE(IsBitmapEmpty(*mdi[1 + i]->Bitmap));
    }
    EXPECT_FALSE(d->ScrollBar->HasImage()); // the damaged file gives no image
    EXPECT_EQ(BitmapWidth(*d->ComboButton->Bitmap), 200);
    EXPECT_EQ(d->HorzScrollThumb->FrameCount, 0);
    EXPECT_EQ(d->BorderTop->FrameCount, 0);
    EXPECT_EQ(d->BorderColor(), BitmapPixel(*d->BorderTop->Bitmap, 4000 / 3, 0)); // frame count 0 read as 1
    EXPECT_EQ(d->SkinColors.ButtonFace, MakeRGB(999999999999ULL % 256, 1, 0));
    EXPECT_EQ(BitmapWidth(*d->ComboArrow->Bitmap), 17 * 4);
}

} // namespace
