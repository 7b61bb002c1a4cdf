#include "skin/window/MenuItemPaint.h"

#include "runtime/Graphics.h"
#include "runtime/ImgList.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/ElementBitmaps.h"
#include "skin/window/WinSkinPopMenu.h"

#include <memory>

namespace {

constexpr int MenuItemFrames = 5;

HFONT CreateMenuFont(bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW font{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        font = metrics.lfMenuFont;
    else
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    if (bold) font.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&font);
}

struct FontHolder {
    HFONT normal = CreateMenuFont(false);
    HFONT bold = CreateMenuFont(true);
    ~FontHolder() {
        DeleteObject(normal);
        DeleteObject(bold);
    }
};

// The caption and the shortcut: a tab in the caption starts the shortcut when the item has none.
void SplitCaption(const MenuItemDrawFacts& item, std::wstring& caption, std::wstring& shortcut) {
    caption = item.caption;
    shortcut = item.shortcut;
    const auto tab = caption.find(L'\t');
    if (tab != std::wstring::npos && shortcut.empty()) {
        shortcut = caption.substr(tab + 1);
        caption.erase(tab);
    }
}

SIZE TextSize(HDC dc, const std::wstring& text) {
    RECT r{0, 0, 0, 0};
    const std::wstring measured = MeasuringText(text);
    DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    return {r.right - r.left, r.bottom - r.top};
}

class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), old_(SelectObject(dc, font)) {}
    ~SelectedFont() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

bool HasMenuElement(TSkinData* skin) { return skin && skin->MenuItem && skin->MenuItem->HasImage(); }

int SkinLeftWidth(TSkinData* skin) { return HasMenuElement(skin) ? skin->MenuItem->LeftWidth : -1; }

COLORREF SkinColour(TSkinData* skin, TSkinColor TSkinColors::*member, int systemIndex) {
    return skin ? ColorToRGB(skin->SkinColors.*member) : GetSysColor(systemIndex);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

// The separator image: frame 2 of the element, its lowest rows when taller than the item, the middle
// stretched between the kept left and right parts, magenta transparent.
void DrawSkinSeparator(TSkinData* skin, HDC dc, const RECT& r) {
    TDataSkinObject& e = *skin->MenuItem;
    const ElementImage strip = ImageOf(e.Bitmap.get());
    GeoRect frame = FrameSource(strip.width, strip.height, false, MenuItemFrames, 2);
    const int h = r.bottom - r.top;
    const int w = r.right - r.left;
    if (frame.Height() > h) frame.top = frame.bottom - h;
    void* bits = nullptr;
    HBITMAP layer = CreateDib32(w, h, &bits);
    if (!layer) return;
    {
        SelectedBitmap target(layer);
        FillSolid(target.Dc(), {0, 0, w, h}, SkinKeyColour);
        const GeoRect whole{0, 0, w, h};
        DrawPieces(target.Dc(), 0, 0, strip, StretchedThreeSlicePieces(frame, whole, e.LeftWidth, e.RightWidth));
        DrawTransparent(dc, r, target.Image(), SkinKeyColour);
    }
    DeleteObject(layer);
}

// The system's check mark (or a radio item's bullet) in `colour`, its background left as it is.
void DrawCheckMark(HDC dc, const RECT& box, int itemTop, int itemHeight, COLORREF colour, bool radio) {
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    HDC maskDc = CreateCompatibleDC(dc);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(maskDc, mask);
    RECT r{0, 0, size, size};
    DrawFrameControl(maskDc, &r, DFC_MENU, radio ? DFCS_MENUBULLET : DFCS_MENUCHECK); // black on white
    const int x = box.left + (box.right - box.left - size) / 2 + 1;
    const int y = itemTop + (itemHeight - size) / 2 + 1;
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, size, size, maskDc, 0, 0, SRCAND);
    SetTextColor(dc, colour);
    SetBkColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, size, size, maskDc, 0, 0, SRCPAINT);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
    SelectObject(maskDc, old);
    DeleteObject(mask);
    DeleteDC(maskDc);
}

// The system's checked pattern: button-face and button-highlight pixels alternating.
void FillCheckedPattern(HDC dc, const RECT& r) {
    const WORD bits[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, bits);
    HBRUSH brush = CreatePatternBrush(pattern);
    const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
    const COLORREF oldBk = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    FillRect(dc, &r, brush);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
    DeleteObject(brush);
    DeleteObject(pattern);
}

void DrawContent(TSkinData* skin, HDC dc, const RECT& rect, const MenuItemDrawFacts& item) {
    std::wstring caption, shortcut;
    SplitCaption(item, caption, shortcut);
    const bool separator = item.IsSeparator();
    SelectedFont font(dc, MenuFont(item.defaultItem));
    const SIZE text = TextSize(dc, caption);

    MenuItemFacts facts;
    facts.item = {rect.left, rect.top, rect.right, rect.bottom};
    facts.separator = separator;
    facts.checked = item.checked;
    facts.imageListWidth = item.images ? item.images->Width() : 0;
    facts.skinLeftWidth = SkinLeftWidth(skin);
    facts.rightToLeft = item.rightToLeft;
    facts.captionWidth = text.cx;
    facts.captionHeight = text.cy;
    const MenuItemPlaces places = LayoutMenuItem(facts);

    if (separator) {
        if (!HasMenuElement(skin)) {
            RECT line{rect.left, places.separatorY, rect.right, places.separatorY + 2};
            DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        }
        return;
    }

    const RECT box{places.glyphBox.left, places.glyphBox.top, places.glyphBox.right, places.glyphBox.bottom};
    const bool validImage = item.images && item.imageIndex >= 0 && item.imageIndex < item.images->Count();
    if (validImage) {
        if (item.checked) {
            FillCheckedPattern(dc, box);
            RECT edge = box;
            DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
        }
        TCanvas canvas;
        canvas.SetHandle(dc);
        item.images->Draw(&canvas, box.left, box.top, item.imageIndex, item.enabled);
        canvas.SetHandle(nullptr);
    } else if (item.checked) {
        DrawCheckMark(dc, box, rect.top, rect.bottom - rect.top, GetSysColor(COLOR_BTNTEXT), item.radio);
    }

    COLORREF colour = item.selected ? SkinColour(skin, &TSkinColors::HilightText, COLOR_HIGHLIGHTTEXT)
                                    : SkinColour(skin, &TSkinColors::MenuText, COLOR_MENUTEXT);
    if (!item.enabled) {
        const COLORREF shadow = SkinColour(skin, &TSkinColors::ButtonShadow, COLOR_BTNSHADOW);
        colour = shadow == SkinColour(skin, &TSkinColors::MenuText, COLOR_MENUTEXT) ? GetSysColor(COLOR_BTNSHADOW)
                                                                                     : shadow;
    }
    const COLORREF oldColour = SetTextColor(dc, colour);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const UINT align = item.rightToLeft ? (DT_RIGHT | DT_RTLREADING) : DT_LEFT;
    RECT captionRect{places.caption.left, places.caption.top, places.caption.right, places.caption.bottom};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &captionRect,
              DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP | align);
    if (!shortcut.empty()) {
        RECT keyRect{places.shortcut.left, places.shortcut.top, places.shortcut.right, places.shortcut.bottom};
        DrawTextW(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &keyRect,
                  DT_SINGLELINE | DT_NOPREFIX | (item.rightToLeft ? DT_LEFT : DT_RIGHT));
    }
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
}

} // namespace

HFONT MenuFont(bool bold) {
    static FontHolder fonts;
    return bold ? fonts.bold : fonts.normal;
}

void DrawMenuItem(TSkinData* skin, HDC dc, const RECT& rect, const MenuItemDrawFacts& item) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    const COLORREF menu = SkinColour(skin, &TSkinColors::Menu, COLOR_MENU);
    if (!HasMenuElement(skin)) {
        FillSolid(dc, rect, item.selected ? SkinColour(skin, &TSkinColors::Hilight, COLOR_HIGHLIGHT) : menu);
        DrawContent(skin, dc, rect, item);
        return;
    }
    // Composed off-screen at the item's size, then copied: no flicker while the selection moves.
    HBITMAP composition = CreateDib32(w, h);
    if (!composition) return;
    {
        SelectedBitmap target(composition);
        const RECT local{0, 0, w, h};
        TBitmap* background = CurrentPopupBackground();
        if (background && !background->Empty()) {
            const ElementImage source = ImageOf(background);
            BitBlt(target.Dc(), 0, 0, w, h, source.dc, rect.left + PopupBorderWidth, rect.top + PopupBorderWidth,
                   SRCCOPY);
        } else {
            FillSolid(target.Dc(), local, menu);
        }
        TDataSkinObject& e = *skin->MenuItem;
        if (item.IsSeparator())
            DrawSkinSeparator(skin, target.Dc(), local);
        else
            PaintElement(target.Dc(), local, e.Bitmap.get(), false, e.Tile != 0, e.Trans != 0, MenuItemFrames,
                         item.selected ? 4 : 1, GeoMargins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight});
        SetBkMode(target.Dc(), TRANSPARENT);
        DrawContent(skin, target.Dc(), local, item);
        BitBlt(dc, rect.left, rect.top, w, h, target.Dc(), 0, 0, SRCCOPY);
    }
    DeleteObject(composition);
}

namespace {

// The item's own size before the skin's additions.
MenuItemSize MeasureOwnContent(HDC dc, const MenuItemDrawFacts& item) {
    std::wstring caption, shortcut;
    SplitCaption(item, caption, shortcut);
    SelectedFont font(dc, MenuFont(item.defaultItem));
    const SIZE text = TextSize(dc, caption);
    const int shortcutWidth = shortcut.empty() ? 0 : TextSize(dc, shortcut).cx;
    const int imageWidth = item.images ? item.images->Width() : 0;
    const int imageHeight = item.images ? item.images->Height() : DefaultGlyphSize;
    return MeasureItemContent(item.IsSeparator(), text.cx, text.cy, shortcutWidth, imageWidth, imageHeight);
}

} // namespace

MenuItemSize MeasurePopupMenuItem(TSkinData* skin, HDC dc, const MenuItemDrawFacts& item) {
    return MeasurePopupItem(MeasureOwnContent(dc, item), item.images != nullptr, SkinLeftWidth(skin));
}

MenuItemSize MeasureBarMenuItem(TSkinData* skin, HDC dc, const MenuItemDrawFacts& item) {
    return MeasureMainMenuItem(MeasureOwnContent(dc, item), item.images != nullptr, SkinLeftWidth(skin));
}

MenuItemSize MeasureSystemMenuItem(TSkinData* skin, HDC dc, const std::wstring& text, bool win9x) {
    SelectedFont font(dc, MenuFont());
    const SIZE size = TextSize(dc, text);
    return MeasureSystemItem(size.cx, size.cy, !text.empty(), SkinLeftWidth(skin), win9x);
}
