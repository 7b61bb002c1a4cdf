// Contact sheet of the stored skin: every element drawn through the element renderers at its own size and
// stretched to a few sizes, normal and hot frames, and whole window frames cut to their region, written as
// a PNG. Run: contact_sheet SKIN_FOLDER OUT.png. Exits non-zero when an element is missing or when a pure
// magenta pixel survives anywhere on the sheet (a key-colour fringe the transparent drawing let through).
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/window/ElementPaint.h"
#include "PngWriter.h"

namespace {

constexpr COLORREF Desk = RGB(58, 74, 92);
constexpr COLORREF Face = RGB(236, 242, 249);
constexpr COLORREF Ink = RGB(27, 58, 107);
constexpr int SheetWidth = 1180;
constexpr int SheetHeight = 1500;

// ------------------------------------------------------------------------------------------------
struct Element {
    HBITMAP bitmap = nullptr;
    std::unique_ptr<SelectedBitmap> selected;
    ElementImage Image() const { return selected ? selected->Image() : ElementImage{}; }
    int Width() const { return Image().width; }
    int Height() const { return Image().height; }
};

std::string g_folder;
std::map<std::string, Element> g_elements;
int g_missing = 0;

const Element& Load(const std::string& name) {
    auto it = g_elements.find(name);
    if (it != g_elements.end()) return it->second;
    Element& e = g_elements[name];
    const std::string path = g_folder + "/" + name;
    e.bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                               LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!e.bitmap) {
        std::fprintf(stderr, "missing element bitmap %s\n", path.c_str());
        ++g_missing;
        return e;
    }
    e.selected = std::make_unique<SelectedBitmap>(e.bitmap);
    return e;
}

HDC g_sheet = nullptr;
HFONT g_font = nullptr, g_bold = nullptr;

void Label(int x, int y, const wchar_t* text, COLORREF colour = RGB(220, 230, 242), bool bold = false) {
    SetBkMode(g_sheet, TRANSPARENT);
    SetTextColor(g_sheet, colour);
    HGDIOBJ old = SelectObject(g_sheet, bold ? g_bold : g_font);
    TextOutW(g_sheet, x, y, text, static_cast<int>(wcslen(text)));
    SelectObject(g_sheet, old);
}

void FillBox(HDC dc, RECT r, COLORREF c) {
    HBRUSH brush = CreateSolidBrush(c);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// A panel in the skin's face colour, on which controls are drawn.
void Panel(int x, int y, int w, int h) { FillBox(g_sheet, {x, y, x + w, y + h}, Face); }

void Element9(const char* name, RECT r, int count, int index, GeoMargins m, bool transparent = true,
              bool vertical = false, bool tile = false) {
    PaintElement(g_sheet, r, Load(name).Image(), vertical, tile, transparent, count, index, m);
}

// ------------------------------------------------------------------------------------------------
// A whole window frame composed as the frame painter does, drawn through its region.
void WindowMock(int x, int y, int W, int H, bool active, int hotButton, const wchar_t* caption, bool menu) {
    const int L = 4, R = 4, T = 21, B = 4, M = menu ? 19 : 0;
    const int frame = active ? 1 : 2;
    void* bits = nullptr;
    HBITMAP composed = CreateDib32(W, H, &bits);
    SelectedBitmap canvas(composed);
    HDC dc = canvas.Dc();
    FillBox(dc, {0, 0, W, H}, Face);

    struct Part {
        const char* name;
        RECT r;
        bool vertical;
        GeoMargins m;
    } parts[] = {
        {"frame_left.bmp", {0, 0, L, H}, false, {0, 21, 0, 6}},
        {"frame_right.bmp", {W - R, 0, W, H}, false, {0, 21, 0, 6}},
        {"frame_bottom.bmp", {L, H - B, W - R, H}, true, {6, 0, 6, 0}},
        {"frame_top.bmp", {L, 0, W - R, T}, true, {8, 0, 8, 0}},
    };
    HRGN region = CreateRectRgn(L, T, W - R, H - B);
    for (const Part& p : parts) {
        HBITMAP part = BuildElementBitmap(p.r, Load(p.name).Image(), p.m, p.vertical, false, 2, frame);
        if (!part) continue;
        SelectedBitmap piece(part);
        BitBlt(dc, p.r.left, p.r.top, p.r.right - p.r.left, p.r.bottom - p.r.top, piece.Dc(), 0, 0, SRCCOPY);
        HRGN cut = RegionFromBitmap(piece.Image(), p.r.left, p.r.top, 1, 1, 1, SkinKeyColour);
        if (cut) {
            CombineRgn(region, region, cut, RGN_OR);
            DeleteObject(cut);
        }
        DeleteObject(part);
    }
    if (menu) {
        PaintElement(dc, {L, T, W - R, T + M}, Load("menubar.bmp").Image(), true, false, false, 2, frame,
                     {4, 0, 4, 0});
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, Ink);
        HGDIOBJ old = SelectObject(dc, g_font);
        RECT item{L + 8, T, L + 50, T + M - 1};
        DrawTextW(dc, L"\u6587\u4EF6", -1, &item, DT_SINGLELINE | DT_VCENTER);
        item = {L + 50, T, L + 100, T + M - 1};
        DrawTextW(dc, L"\u5E2E\u52A9", -1, &item, DT_SINGLELINE | DT_VCENTER);
        SelectObject(dc, old);
    }
    // Icon, caption, buttons.
    FillBox(dc, {6, 3, 20, 17}, RGB(74, 122, 188));
    FillBox(dc, {8, 5, 18, 15}, RGB(244, 249, 254));
    FillBox(dc, {10, 7, 16, 13}, RGB(74, 122, 188));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, active ? Ink : RGB(120, 138, 164));
    HGDIOBJ old = SelectObject(dc, g_bold);
    RECT text{25, 0, W - 72, T};
    DrawTextW(dc, caption, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    const struct {
        const char* name;
        int xcoord;
    } buttons[] = {{"btn_close.bmp", 25}, {"btn_max.bmp", 45}, {"btn_min.bmp", 65}};
    for (int i = 0; i < 3; ++i) {
        const int bx = W - buttons[i].xcoord;
        PaintStretchedFrame(dc, {bx, 0, bx + 19, 21}, Load(buttons[i].name).Image(), true, 3,
                            hotButton == i ? 3 : hotButton == i + 10 ? 2 : 1);
    }
    // Client content: a label and a push button.
    SetTextColor(dc, Ink);
    old = SelectObject(dc, g_font);
    TextOutW(dc, L + 12, T + M + 12, L"\u56FE\u7247\u6587\u4EF6\u5939", 5);
    SelectObject(dc, old);
    if (H > 90) {
        PaintElement(dc, {W - R - 92, H - B - 34, W - R - 12, H - B - 10}, Load("pushbutton.bmp").Image(), false,
                     false, true, 5, 1, {4, 4, 4, 4});
    }

    OffsetRgn(region, x, y);
    SelectClipRgn(g_sheet, region);
    BitBlt(g_sheet, x, y, W, H, dc, 0, 0, SRCCOPY);
    SelectClipRgn(g_sheet, nullptr);
    DeleteObject(region);
    DeleteObject(composed);
}

// ------------------------------------------------------------------------------------------------
// Scroll bars composed from the track, arrows, thumb and grip.
void ScrollBarMock(int x, int y, int length, bool vertical, int hotPart, int thumbStart, int thumbLength) {
    const ElementImage arrows = Load("scrollbar.bmp").Image();
    const int s = 17;
    if (!vertical) {
        Element9("hscroll.bmp", {x + s, y, x + length - s, y + s}, 4, 1, {1, 0, 1, 0}, false);
        PaintStretchedFrame(g_sheet, {x, y, x + s, y + s}, arrows, true, 23, hotPart == 0 ? 4 : 1);
        PaintStretchedFrame(g_sheet, {x + length - s, y, x + length, y + s}, arrows, true, 23, hotPart == 1 ? 8 : 5);
        const int frame = hotPart == 5 ? 3 : hotPart == 6 ? 2 : 1;
        Element9("hthumb.bmp", {x + thumbStart, y, x + thumbStart + thumbLength, y + s}, 3, frame, {6, 5, 6, 5});
        const int gx = x + thumbStart + (thumbLength - s) / 2;
        if (s < thumbLength + 2) PaintStretchedFrame(g_sheet, {gx, y, gx + s, y + s}, arrows, true, 23, 17 + (frame == 3 ? 2 : frame == 2));
    } else {
        Element9("vscroll.bmp", {x, y + s, x + s, y + length - s}, 4, 1, {0, 1, 0, 1}, false);
        PaintStretchedFrame(g_sheet, {x, y, x + s, y + s}, arrows, true, 23, hotPart == 0 ? 12 : 9);
        PaintStretchedFrame(g_sheet, {x, y + length - s, x + s, y + length}, arrows, true, 23, hotPart == 1 ? 16 : 13);
        const int frame = hotPart == 5 ? 3 : hotPart == 6 ? 2 : 1;
        Element9("vthumb.bmp", {x, y + thumbStart, x + s, y + thumbStart + thumbLength}, 3, frame, {5, 6, 5, 6});
        const int gy = y + thumbStart + (thumbLength - s) / 2;
        if (s < thumbLength + 2) PaintStretchedFrame(g_sheet, {x, gy, x + s, gy + s}, arrows, true, 23, 20 + (frame == 3 ? 2 : frame == 2));
    }
}

void ComboMock(int x, int y, int w, int h, int frame) {
    Element9("sunkedge.bmp", {x, y, x + w, y + h}, 4, frame, {3, 3, 3, 3});
    const int bw = 19;
    Element9("combobutton.bmp", {x + w - bw, y, x + w, y + h}, 4, frame, {2, 3, 3, 3});
    PaintCentredFrame(g_sheet, {x + w - bw, y, x + w - 2, y + h}, Load("extraimages.bmp").Image(), true, 5, frame);
    SetBkMode(g_sheet, TRANSPARENT);
    SetTextColor(g_sheet, RGB(28, 43, 69));
    HGDIOBJ old = SelectObject(g_sheet, g_font);
    TextOutW(g_sheet, x + 5, y + (h - 13) / 2, L"*.jpg", 5);
    SelectObject(g_sheet, old);
}

void RawStrip(int x, int y, const char* name) {
    const Element& e = Load(name);
    if (!e.bitmap) return;
    FillBox(g_sheet, {x - 1, y - 1, x + e.Width() + 1, y + e.Height() + 1}, RGB(90, 104, 120));
    BitBlt(g_sheet, x, y, e.Width(), e.Height(), e.Image().dc, 0, 0, SRCCOPY);
}

std::wstring Wide(const char* s) { return std::wstring(s, s + strlen(s)); }

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: contact_sheet SKIN_FOLDER OUT.png\n");
        return 2;
    }
    g_folder = argv[1];
    std::uint32_t* pixels = nullptr;
    HBITMAP sheet = CreateDib32(SheetWidth, SheetHeight, reinterpret_cast<void**>(&pixels));
    SelectedBitmap sheetDc(sheet);
    g_sheet = sheetDc.Dc();
    g_font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun");
    g_bold = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun");
    FillBox(g_sheet, {0, 0, SheetWidth, SheetHeight}, Desk);
    Label(16, 8, L"Grivelle Sky \u2014 contact sheet of the stored skin", RGB(255, 255, 255), true);

    // Windows: active, inactive, hot and pressed close, two sizes.
    Label(16, 30, L"Window frames (active, inactive; hot close, pressed maximize; region cut from the borders)");
    WindowMock(16, 50, 420, 170, true, 0, L"Grivelle \u56FE\u7247\u5BFC\u5165", true);
    WindowMock(452, 50, 420, 170, false, -1, L"Grivelle \u56FE\u7247\u5BFC\u5165", true);
    WindowMock(888, 50, 276, 120, true, 11, L"\u51FA\u9519\u5566\uFF1A", false);
    WindowMock(888, 180, 140, 60, true, -1, L"A very long caption that must end in an ellipsis", false);

    // Push buttons, all five frames at three sizes.
    int y = 250;
    Label(16, y, L"Push button frames 1-5 (normal, pressed, disabled, hot, focused) at 80x21, 120x30, 80x36");
    Panel(16, y + 18, 1148, 78);
    for (int f = 1; f <= 5; ++f) {
        const int x = 28 + (f - 1) * 226;
        Element9("pushbutton.bmp", {x, y + 26, x + 80, y + 47}, 5, f, {4, 4, 4, 4});
        Element9("pushbutton.bmp", {x + 88, y + 26, x + 208, y + 56}, 5, f, {4, 4, 4, 4});
        Element9("pushbutton.bmp", {x, y + 56, x + 80, y + 92}, 5, f, {4, 4, 4, 4});
        SetBkMode(g_sheet, TRANSPARENT);
        SetTextColor(g_sheet, f == 3 ? RGB(160, 180, 206) : Ink);
        HGDIOBJ old = SelectObject(g_sheet, g_font);
        RECT r{x + 88, y + 26, x + 208, y + 56};
        DrawTextW(g_sheet, L"\u5BFC\u5165", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        SelectObject(g_sheet, old);
    }

    // Check boxes and radio buttons, every frame.
    y = 350;
    Label(16, y, L"Check box (12 frames) and radio button (8 frames), own size and stretched to 20x20");
    Panel(16, y + 18, 1148, 34);
    for (int f = 1; f <= 12; ++f) {
        PaintStretchedFrame(g_sheet, {28 + (f - 1) * 22, y + 22, 41 + (f - 1) * 22, y + 35},
                            Load("check.bmp").Image(), true, 12, f);
        PaintStretchedFrame(g_sheet, {300 + (f - 1) * 26, y + 22, 320 + (f - 1) * 26, y + 42},
                            Load("check.bmp").Image(), true, 12, f);
    }
    for (int f = 1; f <= 8; ++f) {
        PaintStretchedFrame(g_sheet, {640 + (f - 1) * 22, y + 22, 653 + (f - 1) * 22, y + 35},
                            Load("radio.bmp").Image(), true, 8, f);
        PaintStretchedFrame(g_sheet, {830 + (f - 1) * 26, y + 22, 850 + (f - 1) * 26, y + 42},
                            Load("radio.bmp").Image(), true, 8, f);
    }

    // Scroll bars.
    y = 404;
    Label(16, y, L"Scroll bars: normal; hot arrow; hot thumb; pressed thumb; short thumb without grip");
    Panel(16, y + 18, 1148, 150);
    ScrollBarMock(28, y + 28, 300, false, -1, 40, 90);
    ScrollBarMock(28, y + 52, 300, false, 1, 120, 60);
    ScrollBarMock(28, y + 76, 300, false, 5, 30, 200);
    ScrollBarMock(28, y + 100, 300, false, 6, 17, 30);
    ScrollBarMock(28, y + 124, 300, false, -1, 150, 14);
    ScrollBarMock(350, y + 26, 140, true, -1, 30, 50);
    ScrollBarMock(374, y + 26, 140, true, 0, 60, 24);
    ScrollBarMock(398, y + 26, 140, true, 5, 17, 100);
    ScrollBarMock(422, y + 26, 140, true, 6, 70, 40);

    // Edits and combo boxes, progress, track bar, up-down.
    Label(470, y + 18 + 2, L"Edit / combo: normal, pressed, disabled, hot", Ink);
    for (int f = 1; f <= 4; ++f) {
        ComboMock(470 + (f - 1) * 170, y + 40, 160, 21, f);
        Element9("sunkedge.bmp", {470 + (f - 1) * 170, y + 70, 630 + (f - 1) * 170, y + 130}, 4, f, {3, 3, 3, 3});
    }
    y = 582;
    Label(16, y, L"Progress (trough, bar at 0/35/100%), chunk variant, track bar with its thumbs, up-down buttons");
    Panel(16, y + 18, 1148, 96);
    for (int i = 0; i < 3; ++i) {
        const int x = 28 + i * 230, w = 210;
        Element9("progress.bmp", {x, y + 26, x + w, y + 42}, 2, 1, {4, 4, 4, 4});
        const int fill = w * (i == 0 ? 0 : i == 1 ? 35 : 100) / 100;
        if (fill > 0) Element9("progress.bmp", {x, y + 26, x + fill, y + 42}, 2, 2, {4, 4, 4, 4});
    }
    Element9("progress.bmp", {718, y + 26, 928, y + 42}, 2, 1, {4, 4, 4, 4});
    for (int cx = 720; cx < 840; cx += 8)
        PaintStretchedFrame(g_sheet, {cx + 1, y + 28, cx + 9, y + 40}, Load("progress_chunk.bmp").Image(), true, 1, 1);
    Element9("track.bmp", {28, y + 58, 328, y + 62}, 1, 1, {3, 1, 3, 1});
    const char* thumbs[] = {"thumb_horz.bmp", "thumb_down.bmp", "thumb_up.bmp"};
    for (int i = 0; i < 3; ++i)
        for (int f = 1; f <= 5; f += 3)
            PaintStretchedFrame(g_sheet, {60 + i * 90 + f * 6, y + 50, 71 + i * 90 + f * 6, y + 69},
                                Load(thumbs[i]).Image(), true, 5, f);
    Element9("trackvert.bmp", {1100, y + 22, 1104, y + 110}, 1, 1, {1, 3, 1, 3});
    PaintStretchedFrame(g_sheet, {1112, y + 30, 1131, y + 41}, Load("thumb_vert.bmp").Image(), true, 5, 1);
    PaintStretchedFrame(g_sheet, {1112, y + 55, 1131, y + 66}, Load("thumb_right.bmp").Image(), true, 5, 4);
    PaintStretchedFrame(g_sheet, {1112, y + 80, 1131, y + 91}, Load("thumb_left.bmp").Image(), true, 5, 1);
    for (int f = 0; f < 4; ++f) {
        const int x = 420 + f * 70;
        const int uy = y + 26;
        Element9("updown_h.bmp", {x, uy + 30, x + 16, uy + 52}, 8, 1 + f, {3, 3, 3, 3});
        Element9("updown_h.bmp", {x + 16, uy + 30, x + 32, uy + 52}, 8, 5 + f, {3, 3, 3, 3});
        PaintCentredFrame(g_sheet, {x, uy + 30, x + 16, uy + 52}, Load("updown_h_glyph.bmp").Image(), true, 8, 1 + f);
        PaintCentredFrame(g_sheet, {x + 16, uy + 30, x + 32, uy + 52}, Load("updown_h_glyph.bmp").Image(), true, 8,
                          5 + f);
        Element9("updown_v.bmp", {x + 38, uy + 30, x + 56, uy + 41}, 8, 1 + f, {3, 3, 3, 3});
        Element9("updown_v.bmp", {x + 38, uy + 41, x + 56, uy + 52}, 8, 5 + f, {3, 3, 3, 3});
        PaintCentredFrame(g_sheet, {x + 38, uy + 30, x + 56, uy + 41}, Load("updown_v_glyph.bmp").Image(), true, 8,
                          1 + f);
        PaintCentredFrame(g_sheet, {x + 38, uy + 41, x + 56, uy + 52}, Load("updown_v_glyph.bmp").Image(), true, 8,
                          5 + f);
    }

    // Tabs, header, status bar, group box, tool bar buttons, menus.
    y = 704;
    Label(16, y, L"Tabs and page, header (normal, hot, pressed), status bar, group box, tool bar, menu");
    Panel(16, y + 18, 1148, 190);
    Element9("tab_border.bmp", {28, y + 50, 328, y + 200}, 1, 1, {4, 5, 4, 4}, false);
    const int tabFrames[] = {1, 2, 4, 1};
    int tx = 30;
    for (int i = 0; i < 4; ++i) {
        const int w = i == 1 ? 76 : 64;
        const int top = tabFrames[i] == 2 ? y + 28 : y + 31;
        Element9("tabs.bmp", {tx, top, tx + w, y + 51 + (tabFrames[i] == 2)}, 5, tabFrames[i], {4, 4, 4, 2});
        tx += w + 2;
    }
    for (int i = 0; i < 4; ++i)
        Element9("headerbar.bmp", {350 + i * 90, y + 28, 440 + i * 90, y + 48}, 5, i == 1 ? 2 : i == 2 ? 3 : 1,
                 {2, 2, 3, 2}, false);
    Element9("statusbar.bmp", {350, y + 176, 600, y + 198}, 3, 1, {2, 2, 2, 2}, false);
    Element9("statusbar.bmp", {600, y + 176, 700, y + 198}, 3, 2, {2, 2, 2, 2}, false);
    Element9("statusbar.bmp", {700, y + 176, 800, y + 198}, 3, 3, {2, 2, 2, 2}, false);
    PaintCentredFrame(g_sheet, {786, y + 186, 800, y + 198}, Load("extraimages.bmp").Image(), true, 5, 5);
    Element9("groupbox_edge.bmp", {350, y + 62, 560, y + 164}, 2, 1, {5, 5, 5, 5});
    Element9("groupbox.bmp", {362, y + 54, 452, y + 72}, 1, 1, {5, 5, 5, 5});
    Label(370, y + 56, L"\u8BBE\u7F6E", Ink);
    for (int f = 1; f <= 5; ++f)
        Element9("toolbars.bmp", {580 + (f - 1) * 34, y + 62, 610 + (f - 1) * 34, y + 92}, 5, f, {4, 4, 4, 4});
    Element9("menuback.bmp", {780, y + 30, 960, y + 170}, 1, 1, {3, 3, 3, 3}, false);
    const wchar_t* items[] = {L"\u6253\u5F00", L"\u5BFC\u5165", L"-", L"\u9000\u51FA"};
    int iy = y + 33;
    for (int i = 0; i < 4; ++i) {
        const int h = items[i][0] == L'-' ? 9 : 22;
        if (h == 9) {
            // The separator: the lowest rows of frame 2.
            const ElementImage mi = Load("menuitem.bmp").Image();
            PaintElement(g_sheet, {783, iy, 957, iy + h}, {mi.dc, mi.width, mi.height}, false, false, true, 5, 2,
                         {4, 0, 4, 0});
        } else {
            Element9("menuitem.bmp", {783, iy, 957, iy + h}, 5, i == 1 ? 4 : 1, {4, 4, 4, 4});
            Label(812, iy + 5, items[i], RGB(28, 43, 69));
        }
        iy += h;
    }
    for (int i = 0; i < 3; ++i)
        for (int f = 1; f <= 4; ++f)
            PaintStretchedFrame(g_sheet, {980 + (f - 1) * 20, y + 30 + i * 22, 995 + (f - 1) * 20, y + 45 + i * 22},
                                Load("mdi_buttons.bmp").Image(), true, 12, i * 4 + f);

    // Caption buttons over the title gradient, normal / pressed / hot.
    y = 920;
    Label(16, y, L"Caption buttons (close, maximize, restore, minimize, pin, help) normal, pressed, hot");
    const char* captions[] = {"btn_close.bmp", "btn_max.bmp", "btn_restore.bmp", "btn_min.bmp", "btn_pin.bmp",
                              "btn_help.bmp"};
    Element9("frame_top.bmp", {16, y + 18, 700, y + 39}, 2, 1, {8, 0, 8, 0}, false, true);
    for (int i = 0; i < 6; ++i)
        for (int f = 1; f <= 3; ++f)
            PaintStretchedFrame(g_sheet, {30 + i * 110 + (f - 1) * 24, y + 18, 49 + i * 110 + (f - 1) * 24, y + 39},
                                Load(captions[i]).Image(), true, 3, f);

    // Every element strip at its own size.
    y = 972;
    Label(16, y, L"Every element bitmap at its own size (magenta = transparent)");
    const char* names[] = {"frame_top.bmp", "frame_bottom.bmp", "menubar.bmp", "pushbutton.bmp", "scrollbar.bmp",
                           "check.bmp", "radio.bmp", "hscroll.bmp", "vscroll.bmp", "hthumb.bmp", "vthumb.bmp",
                           "sunkedge.bmp", "combobutton.bmp", "extraimages.bmp", "progress.bmp",
                           "progress_chunk.bmp", "track.bmp", "trackvert.bmp", "thumb_horz.bmp", "thumb_vert.bmp",
                           "thumb_left.bmp", "thumb_right.bmp", "thumb_up.bmp", "thumb_down.bmp", "updown_h.bmp",
                           "updown_h_glyph.bmp", "updown_v.bmp", "updown_v_glyph.bmp", "tabs.bmp", "tab_border.bmp",
                           "tab_pane.bmp", "groupbox_edge.bmp", "groupbox.bmp", "statusbar.bmp", "headerbar.bmp",
                           "toolbars.bmp", "menuitem.bmp", "menuback.bmp", "mdi_buttons.bmp", "btn_close.bmp",
                           "btn_max.bmp", "btn_restore.bmp", "btn_min.bmp", "btn_pin.bmp", "btn_help.bmp",
                           "btn_shade.bmp", "btn_icon.bmp"};
    int rx = 20, ry = y + 22, rowHeight = 0;
    for (const char* name : names) {
        const Element& e = Load(name);
        if (!e.bitmap) continue;
        if (rx + e.Width() > SheetWidth - 20) {
            rx = 20;
            ry += rowHeight + 20;
            rowHeight = 0;
        }
        RawStrip(rx, ry, name);
        Label(rx, ry + e.Height() + 2, Wide(name).c_str(), RGB(180, 196, 214));
        rx += std::max(e.Width(), 90) + 14;
        rowHeight = std::max(rowHeight, e.Height() + 14);
    }
    RawStrip(SheetWidth - 40, y + 22, "frame_left.bmp");
    RawStrip(SheetWidth - 28, y + 22, "frame_right.bmp");
    const int usedHeight = std::min(SheetHeight, ry + rowHeight + 24);

    // Every drawn place must be free of the key colour: only the raw strips may show it.
    GdiFlush();
    int magenta = 0;
    for (int yy = 0; yy < y; ++yy)
        for (int xx = 0; xx < SheetWidth; ++xx)
            if ((pixels[yy * SheetWidth + xx] & 0xFFFFFF) == 0xFF00FF) ++magenta;
    const bool written = WritePng(argv[2], pixels, SheetWidth, usedHeight);
    DeleteObject(g_font);
    DeleteObject(g_bold);
    std::printf("contact sheet %s: %dx%d, %zu elements, %d missing, %d stray key pixels\n", argv[2], SheetWidth,
                usedHeight, g_elements.size(), g_missing, magenta);
    return written && g_missing == 0 && magenta == 0 ? 0 : 1;
}
