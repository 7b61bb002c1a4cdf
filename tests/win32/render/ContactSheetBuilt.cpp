// Contact sheet of the built elements: a packed skin (the stored one, or a skin file) is loaded by the skin data component
// (decompression, package, definition, BuildElements) and every slot is drawn through the element renderers
// with its own frame count, margins, Trans and Tile: the raw strip, frame 1 at its own size and stretched,
// the hot frame stretched; then windows composed from the border records and caption-button records, and
// the composed images (combo strips, combo arrow, toolbar background).
// Run: contact_sheet_built PACKAGE OUT.png. Exits non-zero when the skin does not load, a slot the stored
// skin defines is empty, or a pure magenta pixel survives a transparent drawing.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "PngWriter.h"
#include "runtime/Graphics.h"
#include "skin/data/SkinBitmapOps.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"

namespace {

constexpr int SheetWidth = 1400;
constexpr int SheetHeight = 3000;
constexpr COLORREF Desk = RGB(58, 74, 92);

HDC g_dc = nullptr;
COLORREF g_face = RGB(236, 242, 249); // the skin's ButtonFace: what its elements are drawn on
HFONT g_font = nullptr, g_bold = nullptr;
int g_empty = 0;
// Rows of the sheet where only drawings through the renderers appear (raw strips show the key on purpose).
std::vector<RECT> g_checked;

void Fill(HDC dc, RECT r, COLORREF c) {
    HBRUSH brush = CreateSolidBrush(c);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void Text(int x, int y, const std::wstring& text, COLORREF colour, bool bold = false) {
    SetBkMode(g_dc, TRANSPARENT);
    SetTextColor(g_dc, colour);
    HGDIOBJ old = SelectObject(g_dc, bold ? g_bold : g_font);
    TextOutW(g_dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SelectObject(g_dc, old);
}

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

GeoMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

struct Slot {
    const char* name;
    const TDataSkinObject* element;
    int hotFrame;
    bool vertical;       // frames stacked
    bool stretchSetting; // Tile 1 means "stretch" (borders, menu bar); elsewhere it means "tile"
    char axis;           // how its painters size it: 'h' wider, 'v' taller, 'b' both, 'g' a glyph, a little larger
};

// One row: name and facts, the raw strip, frame 1 at its own size and stretched, the hot frame stretched.
int SlotRow(int y, const Slot& slot) {
    const TDataSkinObject* e = slot.element;
    if (!e || IsBitmapEmpty(*e->Bitmap)) {
        Text(16, y, Wide(slot.name) + L": empty", RGB(255, 160, 150));
        ++g_empty;
        return 20;
    }
    TBitmap* strip = e->Bitmap.get();
    const int count = std::max(e->FrameCount, 1);
    const int fw = slot.vertical ? strip->Width() : strip->Width() / count;
    const int fh = slot.vertical ? strip->Height() / count : strip->Height();
    wchar_t facts[160];
    swprintf(facts, 160, L"%d frames, margins %d/%d/%d/%d, Trans %d, Tile %d", e->FrameCount, e->LeftWidth,
             e->TopHeight, e->RightWidth, e->BottomHeight, e->Trans, e->Tile);
    Text(16, y, Wide(slot.name), RGB(255, 255, 255), true);
    Text(16, y + 14, facts, RGB(180, 196, 214));

    // The raw strip, scaled down to fit 420 x 120 when larger.
    const double scale = std::min({1.0, 420.0 / strip->Width(), 120.0 / strip->Height()});
    const int rawW = std::max(1, static_cast<int>(strip->Width() * scale));
    const int rawH = std::max(1, static_cast<int>(strip->Height() * scale));
    SetStretchBltMode(g_dc, COLORONCOLOR);
    StretchBlt(g_dc, 250, y, rawW, std::max(rawH, 1), ImageOf(strip).dc, 0, 0, strip->Width(), strip->Height(),
               SRCCOPY);

    // Drawn through the renderer on the face colour.
    const int x0 = 690;
    // Its own size (taller ones cut to 120) and a stretched size along the axis its painters stretch.
    SIZE own{fw, slot.axis == 'v' ? std::min(fh, 120) : fh};
    SIZE big = own;
    switch (slot.axis) {
    case 'h': big = {std::min(std::max(150, fw * 2), 480), fh}; break;
    case 'v': big = {fw, 160}; break;
    case 'b': big = {std::min(std::max(150, fw * 2), 300), std::min(fh * 3 / 2 + 10, 140)}; break;
    default: big = {fw * 3 / 2, fh * 3 / 2}; break;
    }
    const int rowH = std::max({static_cast<int>(rawH), static_cast<int>(own.cy), static_cast<int>(big.cy), 30}) + 10;
    RECT panel{x0 - 6, y - 3, SheetWidth - 10, y + rowH - 5};
    Fill(g_dc, panel, g_face);
    g_checked.push_back(panel);
    const bool tile = slot.stretchSetting ? e->Tile != 1 : e->Tile == 1;
    auto draw = [&](int x, int w, int h, int frame) {
        PaintElement(g_dc, {x, y, x + w, y + h}, strip, slot.vertical, tile, e->Trans != 0, count, frame,
                     MarginsOf(*e));
    };
    int x = x0;
    draw(x, own.cx, own.cy, 1);
    x += own.cx + 10;
    draw(x, big.cx, big.cy, 1);
    x += big.cx + 10;
    if (slot.hotFrame > 0 && slot.hotFrame <= count) draw(x, big.cx, big.cy, slot.hotFrame);
    return rowH + 12;
}

// A window composed from the border records, the title colours and the caption-button records.
void WindowFromRecords(const TSkinData& d, int x, int y, int W, int H, bool active, int hotAction) {
    const TDataSkinObject* parts[4] = {d.BorderLeft.get(), d.BorderRight.get(), d.BorderBottom.get(), d.BorderTop.get()};
    const int L = BitmapWidth(*d.BorderLeft->Bitmap) / std::max(d.BorderLeft->FrameCount, 1);
    const int R = BitmapWidth(*d.BorderRight->Bitmap) / std::max(d.BorderRight->FrameCount, 1);
    const int T = BitmapHeight(*d.BorderTop->Bitmap) / std::max(d.BorderTop->FrameCount, 1);
    const int B = BitmapHeight(*d.BorderBottom->Bitmap) / std::max(d.BorderBottom->FrameCount, 1);
    const RECT places[4] = {{0, 0, L, H}, {W - R, 0, W, H}, {L, H - B, W - R, H}, {L, 0, W - R, T}};
    void* bits = nullptr;
    HBITMAP composed = CreateDib32(W, H, &bits);
    SelectedBitmap canvas(composed);
    HDC dc = canvas.Dc();
    Fill(dc, {0, 0, W, H}, static_cast<COLORREF>(d.SkinColors.ButtonFace & 0xFFFFFF));
    HRGN region = CreateRectRgn(L, T, W - R, H - B);
    for (int i = 0; i < 4; ++i) {
        const TDataSkinObject& e = *parts[i];
        const int frame = active || e.FrameCount <= 1 ? 1 : 2;
        auto part = BuildElementBitmap(places[i], e.Bitmap.get(), MarginsOf(e), i >= 2, e.Tile != 1,
                                       e.FrameCount, frame);
        if (!part) continue;
        const RECT& r = places[i];
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, ImageOf(part.get()).dc, 0, 0, SRCCOPY);
        if (e.Trans == 1) {
            HRGN cut = RegionFromBitmap(part.get(), r.left, r.top, 1, 1, 1, 0xFF00FF);
            if (cut) {
                CombineRgn(region, region, cut, RGN_OR);
                DeleteObject(cut);
            }
        } else {
            HRGN whole = CreateRectRgn(r.left, r.top, r.right, r.bottom);
            CombineRgn(region, region, whole, RGN_OR);
            DeleteObject(whole);
        }
    }
    if (d.MenuBar && !IsBitmapEmpty(*d.MenuBar->Bitmap)) {
        PaintElement(dc, {L, T, W - R, T + 19}, d.MenuBar->Bitmap.get(), true, false, false, 2, active ? 1 : 2,
                     MarginsOf(*d.MenuBar));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>((active ? d.SkinColors.TitleTextActive : d.SkinColors.TitleTextNoActive) &
                                           0xFFFFFF));
    HGDIOBJ old = SelectObject(dc, g_bold);
    RECT text{d.Title->LeftWidth, 0, W - d.Title->RightWidth, T};
    DrawTextW(dc, L" Grivelle \u56FE\u7247\u5BFC\u5165  ", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    for (const auto& button : d.SysButtons) {
        if (IsBitmapEmpty(*button->Bitmap) || button->Align != 1) continue;
        const bool shown = button->Visibility == 0 || button->Visibility == 2 || button->Visibility == 6;
        if (!shown) continue;
        const int count = std::max(button->FrameCount, 1);
        const int bw = BitmapWidth(*button->Bitmap) / count, bh = BitmapHeight(*button->Bitmap);
        const int bx = W - button->XCoord, by = button->YCoord;
        PaintStretchedFrame(dc, {bx, by, bx + bw, by + bh}, button->Bitmap.get(), true, count,
                            button->Action == hotAction ? 3 : 1);
    }
    OffsetRgn(region, x, y);
    SelectClipRgn(g_dc, region);
    BitBlt(g_dc, x, y, W, H, dc, 0, 0, SRCCOPY);
    SelectClipRgn(g_dc, nullptr);
    DeleteObject(region);
    DeleteObject(composed);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: contact_sheet_built PACKAGE OUT.png\n");
        return 2;
    }
    std::vector<std::uint8_t> package;
    if (FILE* f = std::fopen(argv[1], "rb")) {
        std::uint8_t buffer[65536];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) package.insert(package.end(), buffer, buffer + n);
        std::fclose(f);
    }
    TSkinData d(nullptr);
    d.PackageStream().Write(package.data(), static_cast<std::int64_t>(package.size()));
    if (package.empty() || !d.LoadSkin() || d.IsEmpty) {
        std::fprintf(stderr, "the skin %s did not load\n", argv[1]);
        return 1;
    }

    g_face = ColorToRGB(d.SkinColors.ButtonFace);
    std::uint32_t* pixels = nullptr;
    HBITMAP sheet = CreateDib32(SheetWidth, SheetHeight, reinterpret_cast<void**>(&pixels));
    SelectedBitmap sheetDc(sheet);
    g_dc = sheetDc.Dc();
    g_font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun");
    g_bold = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun");
    Fill(g_dc, {0, 0, SheetWidth, SheetHeight}, Desk);
    Text(16, 8, L"Built elements of \u201C" + Wide(d.SkinName) + L"\u201D (the packed skin through BuildElements)",
         RGB(255, 255, 255), true);
    Text(16, 26, L"slot and record fields | raw strip | frame 1 own size, frame 1 stretched, hot frame stretched",
         RGB(180, 196, 214));

    // Windows from the border and caption-button records: active with the close button hot, inactive.
    WindowFromRecords(d, 16, 50, 460, 150, true, 0);
    WindowFromRecords(d, 492, 50, 460, 150, false, -1);
    WindowFromRecords(d, 968, 50, 240, 90, true, 1);
    g_checked.push_back({16, 50, 1208, 200});

    int y = 216;
    const Slot slots[] = {
        {"Buttons (normal, hot)", d.Buttons.get(), 4, false, false, 'b'},
        {"Progress (trough, bar)", d.Progress.get(), 2, false, false, 'h'},
        {"ProgressChunk", d.ProgressChunk.get(), 0, false, false, 'g'},
        {"MenuBar (active, inactive)", d.MenuBar.get(), 2, true, true, 'h'},
        {"GroupBoxEdge", d.GroupBoxEdge.get(), 2, false, false, 'b'},
        {"GroupBox", d.GroupBox.get(), 0, false, false, 'h'},
        {"Tabs (normal, selected)", d.Tabs.get(), 2, false, false, 'h'},
        {"StatusBarEdges", d.StatusBarEdges.get(), 2, false, false, 'h'},
        {"TabPane", d.TabPane.get(), 0, false, false, 'b'},
        {"ToolBars (normal, hot)", d.ToolBars.get(), 4, false, false, 'g'},
        {"ComboButton (built strip)", d.ComboButton.get(), 4, false, false, 'h'},
        {"SunkEdge (mirrored strip)", d.SunkEdge.get(), 4, false, false, 'h'},
        {"ComboArrow", d.ComboArrow.get(), 4, false, false, 'g'},
        {"ExtraImages", d.ExtraImages.get(), 4, false, false, 'g'},
        {"HeaderBar (normal, hot)", d.HeaderBar.get(), 2, false, false, 'h'},
        {"MenuItem (normal, selected)", d.MenuItem.get(), 4, false, false, 'h'},
        {"MenuBackground", d.MenuBackground.get(), 0, false, false, 'b'},
        {"ScrollBar (left arrow, hot)", d.ScrollBar.get(), 4, false, false, 'g'},
        {"HorzScroll", d.HorzScroll.get(), 4, false, false, 'h'},
        {"VertScroll", d.VertScroll.get(), 4, false, false, 'v'},
        {"HorzScrollThumb (normal, hot)", d.HorzScrollThumb.get(), 3, false, false, 'h'},
        {"VertScrollThumb (normal, hot)", d.VertScrollThumb.get(), 3, false, false, 'v'},
        {"TrackThumbHorz", d.TrackThumbHorz.get(), 4, false, false, 'g'},
        {"TrackThumbVert", d.TrackThumbVert.get(), 4, false, false, 'g'},
        {"TrackThumbLeft", d.TrackThumbLeft.get(), 4, false, false, 'g'},
        {"TrackThumbRight", d.TrackThumbRight.get(), 4, false, false, 'g'},
        {"TrackThumbUp", d.TrackThumbUp.get(), 4, false, false, 'g'},
        {"TrackThumbDown", d.TrackThumbDown.get(), 4, false, false, 'g'},
        {"UpDownHorz", d.UpDownHorz.get(), 4, false, false, 'g'},
        {"UpDownVert", d.UpDownVert.get(), 4, false, false, 'g'},
        {"Track", d.Track.get(), 0, false, false, 'h'},
        {"TrackVert", d.TrackVert.get(), 0, false, false, 'v'},
        {"ToolbarBack", d.ToolbarBack.get(), 0, false, false, 'b'},
        {"BorderTop (active, inactive)", d.BorderTop.get(), 2, true, true, 'h'},
        {"BorderBottom", d.BorderBottom.get(), 2, true, true, 'h'},
        {"BorderLeft", d.BorderLeft.get(), 2, false, true, 'v'},
    };
    for (const Slot& slot : slots) y = y + SlotRow(y, slot);

    // Caption buttons and MDI buttons: every record.
    Text(16, y, L"SysButtons: every record (normal, pressed, hot; MDI buttons also their 4th frame)", RGB(255, 255, 255),
         true);
    y += 18;
    Fill(g_dc, {16, y, SheetWidth - 10, y + 30}, g_face);
    g_checked.push_back({16, y, SheetWidth - 10, y + 30});
    int x = 24;
    for (const auto& button : d.SysButtons) {
        if (IsBitmapEmpty(*button->Bitmap)) {
            Text(x, y + 8, L"(" + Wide(button->Name) + L": icon)", ColorToRGB(d.SkinColors.ButtonText));
            x += 130;
            continue;
        }
        const int count = std::max(button->FrameCount, 1);
        const int bw = BitmapWidth(*button->Bitmap) / count, bh = BitmapHeight(*button->Bitmap);
        for (int f = 1; f <= count; ++f) {
            PaintStretchedFrame(g_dc, {x, y + 4, x + bw, y + 4 + bh}, button->Bitmap.get(), true, count, f);
            x += bw + 4;
        }
        x += 14;
    }
    y += 44;

    GdiFlush();
    int magenta = 0;
    for (const RECT& r : g_checked)
        for (int yy = r.top; yy < std::min<int>(r.bottom, SheetHeight); ++yy)
            for (int xx = r.left; xx < std::min<int>(r.right, SheetWidth); ++xx)
                if ((pixels[yy * SheetWidth + xx] & 0xFFFFFF) == 0xFF00FF) ++magenta;
    const int height = std::min(SheetHeight, y + 10);
    const bool written = WritePng(argv[2], pixels, SheetWidth, height);
    std::printf("built contact sheet %s: %dx%d, %zu caption buttons, %d empty slots, %d stray key pixels\n", argv[2],
                SheetWidth, height, d.SysButtons.size(), g_empty, magenta);
    DeleteObject(g_font);
    DeleteObject(g_bold);
    return written && g_empty == 0 && magenta == 0 ? 0 : 1;
}
