// BuildElements: fills the element slots, colours and palette of a skin data component from a parsed
// definition and the bitmaps of its package, and composes the combo images, the combo arrow and the
// toolbar background.
#include "skin/data/WinSkinData.h"

#include "skin/data/ImgUtil.h"
#include "skin/data/SkinBitmapOps.h"
#include "skin/data/SkinBuildRules.h"
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"
#include "skin/window/ElementBitmaps.h"

#include <algorithm>

namespace {

GeoMargins MarginsOf(const TDataSkinObject& e) {
    return GeoMargins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
}

void FillRectColour(HDC dc, const RECT& rect, TSkinColor colour) {
    HBRUSH brush = CreateSolidBrush(ColorToRGBValue(colour));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

class TElementBuilder {
public:
    TElementBuilder(TSkinData& data, const TQuickIni& ini, const TSkinReader& reader)
        : d(data), ini(ini), reader(reader) {}

    void Run();

private:
    int Int(const std::string& section, const std::string& key, int def) const {
        return ini.ReadInteger(section, key, def);
    }
    std::string Str(const std::string& section, const std::string& key) const {
        return ini.ReadString(section, key, "");
    }

    void LoadBitmapEntry(TBitmap& target, const std::string& fileName) const;
    void ReadColourKeys(TDataSkinObject& e, const std::string& section) const;
    void ReadMargins(TDataSkinObject& e, const std::string& section) const;

    template <class T> void LoadPlain(std::unique_ptr<T>& slot, const std::string& section);
    void LoadWithSecond(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section,
                        const std::string& secondKey);
    void LoadProgress();
    void LoadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& slot, const std::string& section);
    void LoadMenuBar();

    void BuildBorders();
    void BuildColours();
    void BuildCaptionButtons();
    void BuildMdiButtons();
    void BuildButtons();
    void BuildTitle();
    void BuildTracksFromResources();
    void SetFrameCounts();
    void BuildComboImages();
    void BuildComboArrow();
    void BuildToolbarBack();

    TSkinData& d;
    const TQuickIni& ini;
    const TSkinReader& reader;
    std::vector<std::string> sections;
};

void TElementBuilder::LoadBitmapEntry(TBitmap& target, const std::string& fileName) const {
    const std::size_t cut = fileName.find_last_of("\\:");
    const std::string name = cut == std::string::npos ? fileName : fileName.substr(cut + 1);
    const std::size_t dot = name.find_last_of('.');
    if (name.empty() || dot == std::string::npos || name.substr(dot) != ".bmp") {
        ClearBitmap(target);
        return;
    }
    std::vector<std::uint8_t> bytes;
    reader.ExtractEntry(name, bytes);
    if (bytes.empty()) ClearBitmap(target);
    else LoadBitmapFile(target, bytes);
}

void TElementBuilder::ReadColourKeys(TDataSkinObject& e, const std::string& section) const {
    e.NormalColour = Int(section, "NormalColour", -1);
    e.MouseOverColour = Int(section, "MouseOverColour", -1);
    e.PressedColour = Int(section, "PressedColour", -1);
    const TSkinColor text = d.SkinColors.ButtonText;
    e.NormalColour2 = ParseColor(Str(section, "NormalColour2"), text);
    e.MouseOverColour2 = ParseColor(Str(section, "MouseOverColour2"), text);
    e.PressedColour2 = ParseColor(Str(section, "PressedColour2"), text);
}

void TElementBuilder::ReadMargins(TDataSkinObject& e, const std::string& section) const {
    e.LeftWidth = Int(section, "LeftWidth", 0);
    e.RightWidth = Int(section, "RightWidth", 0);
    e.TopHeight = Int(section, "TopHeight", 0);
    e.BottomHeight = Int(section, "BottomHeight", 0);
}

template <class T> void TElementBuilder::LoadPlain(std::unique_ptr<T>& slot, const std::string& section) {
    slot.reset();
    const std::string image = Str(section, "Image");
    if (image.empty()) return;
    auto e = std::make_unique<T>(section);
    LoadBitmapEntry(*e->Bitmap, image);
    e->Style = Int(section, "Style", 0);
    ReadMargins(*e, section);
    e->FrameCount = Int(section, "Frame", 0);
    e->Trans = Int(section, "Trans", 0);
    e->Tile = TileOrZero(Int(section, "Tile", 0));
    ReadColourKeys(*e, section);
    slot = std::move(e);
}

void TElementBuilder::LoadWithSecond(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section,
                                     const std::string& secondKey) {
    slot.reset();
    const std::string image = Str(section, "Image");
    if (image.empty()) return;
    auto e = std::make_unique<TDataSkinBorder>(section);
    LoadBitmapEntry(*e->Bitmap, image);
    if (!secondKey.empty()) {
        const std::string second = Str(section, secondKey);
        if (!second.empty()) LoadBitmapEntry(*e->Bitmap2, second);
    }
    e->Style = Int(section, "Style", 0);
    ReadMargins(*e, section);
    e->Trans = Int(section, "Trans", 0);
    e->Tile = TileOrZero(Int(section, "Tile", 0));
    ReadColourKeys(*e, section);
    slot = std::move(e);
}

void TElementBuilder::LoadProgress() {
    const std::string section = "Progress";
    d.Progress.reset();
    const std::string image = Str(section, "Bitmap");
    if (image.empty()) return;
    auto e = std::make_unique<TDataSkinBorder>(section);
    LoadBitmapEntry(*e->Bitmap, image);
    e->Style = Int(section, "Style", 0);
    ReadMargins(*e, section);
    e->Trans = Int(section, "Trans", 0);
    e->Tile = TileOrOne(Int(section, "Tile", 0));
    d.Progress = std::move(e);
}

void TElementBuilder::LoadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& slot, const std::string& section) {
    slot.reset();
    const std::string image = Str(section, "Image");
    if (image.empty()) return;
    auto e = std::make_unique<TDataSkinBoxLabel>(section);
    LoadBitmapEntry(*e->Bitmap, image);
    e->Style = Int(section, "Style", 0);
    ReadMargins(*e, section);
    e->Trans = Int(section, "Trans", 0);
    e->Tile = TileOrZero(Int(section, "Tile", 0));
    ReadColourKeys(*e, section);
    e->BackgroundAlignment = Int(section, "BackgroundAlignment", 0);
    e->BackgroundLeftShift = Int(section, "BackgroundLeftShift", 0);
    e->BackgroundRightShift = Int(section, "BackgroundRightShift", 0);
    slot = std::move(e);
}

void TElementBuilder::LoadMenuBar() {
    const std::string section = "Personality";
    d.MenuBar.reset();
    const std::string image = Str(section, "menuBar");
    if (image.empty()) return;
    auto e = std::make_unique<TDataSkinObject>(section);
    LoadBitmapEntry(*e->Bitmap, image);
    e->TopHeight = 0;
    e->BottomHeight = 0;
    e->Tile = TileOrOne(Int(section, "TileMenu", 1));
    e->LeftWidth = Int(section, "TileLeftMenu", 1);
    e->RightWidth = Int(section, "TileRightMenu", 1);
    d.MenuBar = std::move(e);
}

void TElementBuilder::BuildBorders() {
    const std::string section = "Personality";
    TDataSkinBorder* borders[] = {d.BorderLeft.get(), d.BorderRight.get(), d.BorderTop.get(), d.BorderBottom.get()};
    const char* names[] = {"Left", "Right", "Top", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        TDataSkinBorder& b = *borders[i];
        const std::string n = names[i];
        const int first = Int(section, n + "TopHeight", 0);
        const int last = Int(section, n + "BotHeight", 0);
        if (i < 2) {
            b.SetMargins({0, first, 0, last});
        } else {
            b.SetMargins({first, 0, last, 0});
        }
        b.FrameCount = Int(section, n + "Frame", 1);
        b.Tile = TileOrOne(Int(section, n + "Stretch", 1));
        b.Trans = Int(section, n + "Trans", 1);
        LoadBitmapEntry(*b.Bitmap, Str(section, n));
    }
}

void TElementBuilder::BuildColours() {
    d.SkinColors = ReadSkinColors(ini);
    d.Palette = ReadPalette(ini, sections);
    d.CustomColors = ReadCustomColors(ini);
}

void TElementBuilder::BuildCaptionButtons() {
    d.SysButtons.clear();
    for (const std::string& section : sections) {
        if (!IsCaptionButtonSection(section)) continue;
        const int action = Int(section, "Action", 0);
        if (IsDroppedCaptionButton(action, Int(section, "Visibility", -1))) continue;
        auto b = std::make_unique<TDataSkinSysButton>(UpperAscii(section));
        b->Action = action;
        b->Align = Int(section, "Align", 0);
        b->XCoord = Int(section, "Xcoord", 0);
        b->YCoord = Int(section, "Ycoord", 0);
        b->Visibility = Int(section, "Visibility", 0);
        b->Visibility1 = Int(section, "Visibility1", CaptionButtonVisibility1Default(action));
        b->CombineOp = Int(section, "CombineOp", -1);
        b->FrameCount = Int(section, "frame", 0);
        LoadBitmapEntry(*b->Bitmap, Str(section, "ButtonImage"));
        const auto frames =
            CaptionButtonFrames(b->FrameCount, BitmapWidth(*b->Bitmap), BitmapHeight(*b->Bitmap), action);
        b->FrameCount = frames.frameCount;
        if (frames.dropImage) ClearBitmap(*b->Bitmap);
        d.SysButtons.push_back(std::move(b));
    }
}

void TElementBuilder::BuildMdiButtons() {
    const std::string section = "MDICONTROLS";
    auto image = NewSkinBitmap();
    LoadBitmapEntry(*image, Str(section, "Image"));
    const bool hasImage = !IsBitmapEmpty(*image);
    const int cell = hasImage ? BitmapWidth(*image) / MdiCellCount : 0;
    const int height = hasImage ? BitmapHeight(*image) : 0;
    for (int i = 0; i < 3; ++i) {
        auto b = std::make_unique<TDataSkinSysButton>(section);
        b->Action = 7 + i;
        b->Align = b->Visibility = b->Visibility1 = 100;
        b->FrameCount = MdiCellsPerButton;
        b->CombineOp = 0;
        if (hasImage) {
            b->XCoord = MdiButtonXCoord(cell, i);
            if (cell > 0) {
                MakeBitmap24(*b->Bitmap, MdiCellsPerButton * cell, height, clMagenta);
                BitBlt(BitmapDC(*b->Bitmap), 0, 0, MdiCellsPerButton * cell, height, BitmapDC(*image),
                       MdiCellsPerButton * cell * i, 0, SRCCOPY);
            }
        }
        d.SysButtons.push_back(std::move(b));
    }
}

void TElementBuilder::BuildButtons() {
    const std::string section = "Buttons";
    TDataSkinButton& b = *d.Buttons;
    ReadMargins(b, section);
    b.Trans = Int(section, "Trans", 0);
    b.Tile = TileOrZero(Int(section, "Tile", 0));
    LoadBitmapEntry(*b.Bitmap, Str(section, "Bitmap"));
    LoadBitmapEntry(*b.CheckBitmap, Str(section, "CheckButton"));
    LoadBitmapEntry(*b.RadioBitmap, Str(section, "RadioButton"));
    b.NormalColour = Int(section, "NormalColour", -1);
    b.MouseOverColour = Int(section, "MouseOverColour", -1);
    b.PressedColour = Int(section, "PressedColour", -1);
    b.RadioFrameCount = Int(section, "RadioButtonFrame", 0);
    b.CheckFrameCount = Int(section, "CheckButtonFrame", 0);
    b.HasNormalColour2 = !Str(section, "NormalColour2").empty();
    b.HasMouseOverColour2 = !Str(section, "MouseOverColour2").empty();
    b.HasPressedColour2 = !Str(section, "PressedColour2").empty();
    const TSkinColor text = d.SkinColors.ButtonText;
    b.NormalColour2 = ParseColor(Str(section, "NormalColour2"), text);
    b.MouseOverColour2 = ParseColor(Str(section, "MouseOverColour2"), text);
    b.PressedColour2 = ParseColor(Str(section, "PressedColour2"), text);
}

void TElementBuilder::BuildTitle() {
    const std::string section = "Personality";
    TDataSkinTitle& t = *d.Title;
    LoadBitmapEntry(*t.Bitmap, Str(section, "TextBack"));
    t.LeftWidth = Int(section, "TextShift", 0);
    t.TopHeight = Int(section, "TextShiftVert", 0);
    t.RightWidth = Int(section, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = Int(section, "TextAlignment", 0);
    t.TextBackground = Int(section, "Textbackground", 0);
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    t.TextBackLeft = Int(section, "TXTBackleft", 0);
    t.TextBackRight = Int(section, "TXTBackRight", 0);
    t.ActiveTextColor = NoColor;
    t.InactiveTextColor = NoColor;
    ReadRGB(ini, section, "ActiveText", t.ActiveTextColor);
    ReadRGB(ini, section, "InActiveText", t.InactiveTextColor);
}

void TElementBuilder::BuildTracksFromResources() {
    struct Builtin {
        std::unique_ptr<TDataSkinObject>& slot;
        const char* name;
        const wchar_t* resource;
    } builtins[] = {{d.Track, "TRACK", L"TRACK"}, {d.TrackVert, "TRACKVERT", L"TRACKVERT"}};
    for (auto& b : builtins) {
        if (b.slot && b.slot->HasImage()) continue;
        auto e = std::make_unique<TDataSkinObject>(b.name);
        LoadBitmapResource(*e->Bitmap, b.resource);
        e->SetMargins({3, 3, 3, 3});
        e->Tile = 0;
        e->FrameCount = 1;
        b.slot = std::move(e);
    }
}

void TElementBuilder::SetFrameCounts() {
    auto set = [](auto& slot, int frames) {
        if (slot) slot->FrameCount = frames;
    };
    set(d.Buttons, 5);
    set(d.Title, 2);
    if (d.Progress) d.Progress->FrameCount = d.Progress->Style != 0 ? 1 : 2;
    set(d.MenuBar, 2);
    set(d.GroupBoxEdge, 2);
    set(d.ToolbarBack, 1);
    set(d.TabPane, 1);
    set(d.GroupBox, 1);
    set(d.MenuBackground, 1);
    for (auto* slot : {&d.ToolBars, &d.ExtraImages, &d.MenuItem, &d.TrackThumbHorz, &d.TrackThumbVert,
                       &d.TrackThumbLeft, &d.TrackThumbRight, &d.TrackThumbUp, &d.TrackThumbDown})
        set(*slot, 5);
    set(d.Tabs, 5);
    set(d.StatusBarEdges, 3);
    set(d.ComboButton, 4);
    for (auto* slot : {&d.SunkEdge, &d.HorzScroll, &d.VertScroll}) set(*slot, 4);
    if (d.HeaderBar && d.HeaderBar->FrameCount == 0) d.HeaderBar->FrameCount = 5;
    set(d.ScrollBar, 23);
    set(d.UpDownHorz, 8);
    set(d.UpDownVert, 8);
    if (d.HorzScrollThumb) d.HorzScrollThumb->FrameCount = Int("HorzScrollThumb", "FrameCount", 3);
    if (d.VertScrollThumb) d.VertScrollThumb->FrameCount = Int("VertScrollThumb", "FrameCount", 3);

    TDataSkinButton& b = *d.Buttons;
    b.RadioFrameCount =
        CheckFrameCountFromImage(b.RadioFrameCount, BitmapWidth(*b.RadioBitmap), BitmapHeight(*b.RadioBitmap));
    b.CheckFrameCount =
        CheckFrameCountFromImage(b.CheckFrameCount, BitmapWidth(*b.CheckBitmap), BitmapHeight(*b.CheckBitmap));
}

void TElementBuilder::BuildComboImages() {
    if (!d.SunkEdge || !d.ComboButton) return;
    TDataSkinObject& sunk = *d.SunkEdge;
    TDataSkinBorder& button = *d.ComboButton;
    const int n = std::max(1, sunk.FrameCount);
    const int bw = GetSystemMetrics(SM_CXHSCROLL) + 2;

    auto strip = NewSkinBitmap();
    MakeBitmap24(*strip, ComboCellWidth * n, ComboCellHeight, clMagenta);
    auto cell = NewSkinBitmap();
    MakeBitmap24(*cell, ComboCellWidth, ComboCellHeight, clMagenta);
    HDC cellDC = BitmapDC(*cell);
    const RECT whole{0, 0, ComboCellWidth, ComboCellHeight};
    const TCellRect bp = ComboButtonPart(bw);
    const RECT buttonPart{bp.left, bp.top, bp.right, bp.bottom};
    const TCellRect tp = ComboTextPart(bw);
    const RECT textPart{tp.left, tp.top, tp.right, tp.bottom};

    for (int b = 1; b <= n; ++b) {
        FillRectColour(cellDC, whole, clMagenta);
        if (sunk.HasImage())
            PaintElement(cellDC, whole, sunk.Bitmap.get(), false, false, sunk.Trans != 0, n, b, MarginsOf(sunk));
        if (button.HasImage()) {
            const int count = std::max(1, button.FrameCount);
            PaintElement(cellDC, buttonPart, button.Bitmap.get(), false, false, true, count, std::min(b, count),
                         MarginsOf(button));
        }
        if (d.ExtraImages && d.ExtraImages->HasImage()) {
            const int count = std::max(1, d.ExtraImages->FrameCount);
            PaintCentredFrame(cellDC, buttonPart, d.ExtraImages->Bitmap.get(), true, count, std::min(b, count));
        }
        FillRectColour(cellDC, textPart, clMagenta);
        BitBlt(BitmapDC(*strip), ComboCellWidth * (b - 1), 0, ComboCellWidth, ComboCellHeight, cellDC, 0, 0, SRCCOPY);
    }

    button.Style = 2;
    button.SetMargins({2, sunk.TopHeight, bw + 2, sunk.BottomHeight});
    CopyBitmapInto(*strip, *button.Bitmap);
    MirrorHorizontal(*strip);
    CopyBitmapInto(*strip, *sunk.Bitmap);
    sunk.LeftWidth = bw + 2;
    sunk.RightWidth = 2;
}

void TElementBuilder::BuildComboArrow() {
    if (!d.ComboArrow) {
        d.ComboArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    }
    TDataSkinObject& arrow = *d.ComboArrow;
    if (!d.SunkEdge && d.ComboButton) {
        CopyBitmapInto(*d.ComboButton->Bitmap, *arrow.Bitmap);
        if (!IsBitmapEmpty(*arrow.Bitmap)) ReplaceMagenta(*arrow.Bitmap, ColorToRGBValue(d.SkinColors.ButtonFace));
        arrow.FrameCount = d.ComboButton->FrameCount;
    } else if (d.SunkEdge && d.ComboButton && d.ComboButton->HasImage()) {
        const int n = std::max(1, d.SunkEdge->FrameCount);
        TBitmap& source = *d.ComboButton->Bitmap;
        const int w = BitmapWidth(source) / n;
        MakeBitmap24(*arrow.Bitmap, ComboArrowSize * n, ComboArrowSize, clMagenta);
        for (int i = 0; i < n; ++i) {
            const TCellRect r = ComboArrowSource(w, i);
            BitBlt(BitmapDC(*arrow.Bitmap), ComboArrowSize * i, 0, ComboArrowSize, ComboArrowSize, BitmapDC(source),
                   r.left, r.top, SRCCOPY);
        }
        arrow.FrameCount = n;
    } else {
        ClearBitmap(*arrow.Bitmap);
    }
}

void TElementBuilder::BuildToolbarBack() {
    if (!d.ToolbarBack) d.ToolbarBack = std::make_unique<TDataSkinObject>("Toolbar");
    TDataSkinObject& back = *d.ToolbarBack;
    back.FrameCount = 1;
    const TSkinColor border = ColorToRGBValue(d.BorderColor());
    const TSkinColor top = Blend(d.SkinColors.ButtonFace, clWhite, 150);
    TSkinColor bottom = Blend(clGray, border, 150);
    const int saturation = ColorSaturation(border);
    if (ToolbarUsesSaturatedBorder(saturation)) bottom = Blend(border, clWhite, ToolbarBorderWeight(saturation));
    MakeBitmap24(*back.Bitmap, ToolbarBackWidth, ToolbarBackHeight, top);
    const RECT all{0, 0, ToolbarBackWidth, ToolbarBackHeight};
    GradientFill(BitmapDC(*back.Bitmap), all, top, true, bottom);
}

void TElementBuilder::Run() {
    // 1. Section names and the skin's name.
    ini.ReadSections(&sections);
    d.SkinName = Str("TitlebarSkin", "SkinName");
    // 2. to 7.
    BuildBorders();
    BuildColours();
    BuildCaptionButtons();
    BuildMdiButtons();
    BuildButtons();
    BuildTitle();
    // 8.
    LoadProgress();
    LoadPlain(d.ProgressChunk, "Progress.Chunk");
    LoadMenuBar();
    LoadPlain(d.GroupBoxEdge, "GroupBoxEdge");
    LoadBoxLabel(d.GroupBox, "GroupBox");
    LoadWithSecond(d.Tabs, "Tabs", "Border");
    LoadPlain(d.StatusBarEdges, "StatusBarEdges");
    LoadPlain(d.TabPane, "Tab.Pane");
    if (d.TabPane) {
        TDataSkinObject& p = *d.TabPane;
        p.SetMargins({TabPaneMargin(p.LeftWidth), TabPaneMargin(p.TopHeight), TabPaneMargin(p.RightWidth),
                      TabPaneMargin(p.BottomHeight)});
    }
    LoadPlain(d.ToolBars, "ToolBars");
    LoadWithSecond(d.ComboButton, "ComboButton", "****");
    LoadPlain(d.SunkEdge, "SunkEdge");
    // 9. The combo button's mirror.
    if (d.ComboButton && d.ComboButton->HasImage()) {
        CopyBitmapInto(*d.ComboButton->Bitmap, *d.ComboButton->Bitmap2);
        ConvertTo24(*d.ComboButton->Bitmap2);
        MirrorHorizontal(*d.ComboButton->Bitmap2);
    }
    // 10.
    LoadPlain(d.ExtraImages, "ExtraImages");
    LoadPlain(d.HeaderBar, "Headerbar");
    LoadPlain(d.MenuItem, "MenuItem");
    LoadPlain(d.MenuBackground, "MenuBackground");
    LoadPlain(d.ScrollBar, "Scrollbar");
    LoadPlain(d.HorzScroll, "HorzScroll");
    LoadPlain(d.VertScroll, "VertScroll");
    LoadPlain(d.HorzScrollThumb, "HorzScrollThumb");
    LoadPlain(d.VertScrollThumb, "VertScrollThumb");
    LoadPlain(d.TrackThumbHorz, "Trackbar.ThumbHorz");
    LoadPlain(d.TrackThumbVert, "Trackbar.ThumbVert");
    LoadPlain(d.TrackThumbLeft, "Trackbar.ThumbLeft");
    LoadPlain(d.TrackThumbRight, "Trackbar.ThumbRight");
    LoadPlain(d.TrackThumbUp, "Trackbar.ThumbUp");
    LoadPlain(d.TrackThumbDown, "Trackbar.ThumbDown");
    LoadWithSecond(d.UpDownHorz, "UpDown.Horz", "GlyphImage");
    LoadWithSecond(d.UpDownVert, "UpDown.Vert", "GlyphImage");
    LoadPlain(d.Track, "Track");
    LoadPlain(d.TrackVert, "TRACKVERT");
    // 11. to 12.
    BuildTracksFromResources();
    SetFrameCounts();
    BuildComboImages();
    BuildComboArrow();
    BuildToolbarBack();
    // 13.
    d.StoredBorderColor = d.BorderColor();
    if (d.FaceBrush) DeleteObject(d.FaceBrush);
    d.FaceBrush = CreateSolidBrush(ColorToRGBValue(d.SkinColors.ButtonFace));
    sections.clear();
    d.IsEmpty = false;
}

} // namespace

void TSkinData::BuildElements(const TQuickIni& ini, const TSkinReader& reader) {
    TElementBuilder(*this, ini, reader).Run();
}
