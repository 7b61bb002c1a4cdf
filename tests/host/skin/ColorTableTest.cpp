#include "skin/data/SkinColorTable.h"
#include "skin/data/WinSkinIni.h"

#include <gtest/gtest.h>

namespace {

TQuickIni Parse(const char* text) {
    TQuickIni ini;
    ini.LoadFromText(text);
    return ini;
}

std::vector<std::string> Sections(const TQuickIni& ini) {
    std::vector<std::string> names;
    ini.ReadSections(&names);
    return names;
}

TEST(SkinColors, FromColoursSection) {
    const TQuickIni ini = Parse("[colours]\n"
                                "ButtonFace=248, 248, 248\n"
                                "WindowText=12\n"
                                "Menu=\n"
                                "Hilight=0 120 215\n");
    const TSkinColors c = ReadSkinColors(ini);
    EXPECT_EQ(c.ButtonFace, MakeRGB(248, 248, 248));
    EXPECT_EQ(c.WindowText, clBlack);     // a single number is black
    EXPECT_EQ(c.Menu, clMenu);            // empty value: the default
    EXPECT_EQ(c.Hilight, MakeRGB(0, 120, 215));
    EXPECT_EQ(c.Menubar, c.ButtonFace);   // defaults to the ButtonFace just read
    EXPECT_EQ(c.ButtonText, clBtnText);
}

TEST(SkinColors, MissingColoursSectionGivesSystemReferences) {
    const TSkinColors c = ReadSkinColors(Parse("[Personality]\nTop=top.bmp\n"));
    const TSkinColors expected;
    EXPECT_EQ(c.WindowText, clWindowText);
    EXPECT_EQ(c.ButtonFace, clBtnFace);
    EXPECT_EQ(c.Menubar, clBtnFace);
    EXPECT_EQ(c.Scrollbar, clScrollBar);
    EXPECT_EQ(c.Buttonlight, clBtnHighlight);
    EXPECT_EQ(c.ButtonDkShadow, cl3DDkShadow);
    EXPECT_EQ(c.TitleTextNoActive, clInactiveCaptionText);
    EXPECT_EQ(c.TitleTextActive, expected.TitleTextActive);
}

TEST(SkinColors, TextColourReferencesTakeTheSkinsColour) {
    const TSkinColors c = ReadSkinColors(Parse("[Colours]\n"
                                               "WindowText=1 1 1\nButtonText=2 2 2\nMenuText=3 3 3\n"
                                               "HilightText=4 4 4\nTitleTextActive=5 5 5\n"
                                               "TitleTextNoActive=6 6 6\nButtonShadow=7 7 7\n"));
    const struct {
        TSkinColor in, out;
    } cases[] = {
        {clWindowText, MakeRGB(1, 1, 1)},     {clBtnText, MakeRGB(2, 2, 2)},
        {clMenuText, MakeRGB(3, 3, 3)},       {clHighlightText, MakeRGB(4, 4, 4)},
        {clCaptionText, MakeRGB(5, 5, 5)},    {clInactiveCaptionText, MakeRGB(6, 6, 6)},
        {clBtnShadow, clBtnShadow},           // disabled text keeps the system grey
        {clGrayText, clGrayText},             {clBtnFace, clBtnFace}, // not a text colour
        {MakeRGB(200, 10, 10), MakeRGB(200, 10, 10)}, // an explicit colour stays
    };
    for (const auto& k : cases) EXPECT_EQ(SkinTextColour(c, k.in), k.out) << std::hex << k.in;
    // Without a "Colours" section the references stay references.
    EXPECT_EQ(SkinTextColour(TSkinColors{}, clWindowText), clWindowText);
}

TEST(SkinColors, FieldsKeepTheSystemsWindowText) {
    const TSkinColors c = ReadSkinColors(Parse("[Colours]\nWindowText=220 220 220\nButtonText=230 230 230\n"));
    const struct {
        TSkinColor field, font, out;
    } cases[] = {
        {clWindow, MakeRGB(220, 220, 220), clWindowText},              // took the face's text colour
        {clWindow, MakeRGB(230, 230, 230), clWindowText},
        {clWindow, MakeRGB(200, 10, 10), MakeRGB(200, 10, 10)},        // a colour of its own
        {clWindow, clWindowText, clWindowText},
        {MakeRGB(40, 40, 40), MakeRGB(220, 220, 220), MakeRGB(220, 220, 220)}, // a field on the face's colours
    };
    for (const auto& k : cases) EXPECT_EQ(FieldTextColour(c, k.field, k.font), k.out) << std::hex << k.font;
}

TEST(Palette, InTextOrderNotByNumber) {
    const TQuickIni ini = Parse("[Colour2]\ncolor=10 20 30\n"
                                "[Colours]\nMenu=1 2 3\n"
                                "[colour1]\nColor=40 50 60\n"
                                "[ColourX]\n"
                                "[Colour1]\ncolor=70 80 90\n"); // same name again: the first is read
    const auto palette = ReadPalette(ini, Sections(ini));
    ASSERT_EQ(palette.size(), 4u);
    EXPECT_EQ(palette[0], MakeRGB(10, 20, 30));
    EXPECT_EQ(palette[1], MakeRGB(40, 50, 60));
    EXPECT_EQ(palette[2], clWindowText);
    EXPECT_EQ(palette[3], MakeRGB(40, 50, 60));
}

TEST(CustomColors, TenKeysDefaultWhite) {
    const auto colors = ReadCustomColors(Parse("[CustomColors]\nColor0=1 2 3\ncolor9=9,9,9\nColor10=5 5 5\n"));
    EXPECT_EQ(colors[0], MakeRGB(1, 2, 3));
    EXPECT_EQ(colors[9], MakeRGB(9, 9, 9));
    for (int i = 1; i < 9; ++i) EXPECT_EQ(colors[i], clWhite) << i;
}

TEST(ReadRGB, AllThreeKeysOrNothing) {
    const TQuickIni ini = Parse("[Personality]\n"
                                "ActiveTextR=255\nActiveTextG=128\nActiveTextB=0x10\n"
                                "InActiveTextR=1\nInActiveTextG=2\n"
                                "BigR=300\nBigG=256\nBigB=1\n"
                                "NegR=-5\nNegG=0\nNegB=0\n");
    TSkinColor active = NoColor, inactive = NoColor, big = NoColor, neg = 7;
    ReadRGB(ini, "Personality", "ActiveText", active);
    ReadRGB(ini, "Personality", "InActiveText", inactive);
    ReadRGB(ini, "personality", "Big", big);
    ReadRGB(ini, "Personality", "Neg", neg);
    EXPECT_EQ(active, MakeRGB(255, 128, 16));
    EXPECT_EQ(inactive, NoColor); // only R and G present
    EXPECT_EQ(big, MakeRGB(44, 0, 1)); // each cut to 8 bits
    EXPECT_EQ(neg, 7u);
}

} // namespace
