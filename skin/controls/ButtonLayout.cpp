#include "skin/controls/ButtonLayout.h"

#include <cctype>

int PushButtonFrame(const TButtonState& s) {
    if (s.Disabled) return bfDisabled;
    if (s.Pressed) return bfPressed;
    if (s.Hot) return bfHot;
    if (s.Focused) return bfFocused;
    return bfNormal;
}

int MenuButtonFrame(const TButtonState& s) {
    if (s.Disabled) return bfDisabled;
    if (s.Pressed) return bfPressed;
    if (s.Hot || s.Focused) return bfHot;
    return bfNormal;
}

int SpeedButtonFrame(const TButtonState& s) {
    if (s.Down) return bfPressed;
    if (s.Disabled) return bfDisabled;
    if (s.Pressed) return bfPressed;
    if (s.Hot) return bfHot;
    return bfNormal;
}

bool SpeedButtonShowsElement(int frame, bool flat) { return frame == bfPressed || frame == bfHot || !flat; }

std::wstring SplitCaption(std::wstring caption) {
    if (std::size_t at = caption.find(L"||"); at != std::wstring::npos) caption.replace(at, 2, L"\r\n");
    return caption;
}

int LayoutFromName(const std::string& name) {
    std::string l;
    for (char c : name) l += char(std::tolower(static_cast<unsigned char>(c)));
    if (l == "blglyphright") return glRight;
    if (l == "blglyphtop") return glTop;
    if (l == "blglyphbottom") return glBottom;
    return glLeft;
}

int SafeNumGlyphs(int numGlyphs) { return numGlyphs < 1 ? 1 : numGlyphs; }

int GlyphNumber(int frame, int numGlyphs, bool speedDown) {
    int g = 1;
    if (speedDown) g = 4;
    else if (frame == bfPressed) g = 3;
    else if (frame == bfDisabled) g = 2;
    return g > SafeNumGlyphs(numGlyphs) ? 1 : g;
}

TBox CaptionMeasureBox(TSize2 client, TSize2 glyph, int layout) {
    TBox box{2, 2, client.x - 2, client.y - 2};
    if (layout == glLeft || layout == glRight) box.right -= glyph.x + 2;
    else box.bottom -= glyph.y + 2;
    return box;
}

TGlyphLayout LayoutGlyphAndCaption(const TGlyphLayoutInput& in) {
    const TSize2 C = in.Client, G = in.Glyph, T = in.Text;
    const bool horizontal = in.Layout == glLeft || in.Layout == glRight;
    TGlyphLayout out;
    // Across the layout axis both are centred.
    if (horizontal) {
        out.GlyphPos.y = (C.y - G.y + 1) / 2;
        out.TextPos.y = (C.y - T.y + 1) / 2;
    } else {
        out.GlyphPos.x = (C.x - G.x + 1) / 2;
        out.TextPos.x = (C.x - T.x + 1) / 2;
    }
    int margin = in.Margin, spacing = in.Spacing;
    if (T.x == 0 || G.x == 0) spacing = 0;
    const int c = horizontal ? C.x : C.y, g = horizontal ? G.x : G.y, t = horizontal ? T.x : T.y;
    if (margin == -1 || (in.AlignCenter && !in.SpeedButton)) {
        if (spacing == -1) {
            margin = (c - (g + t)) / 3;
            spacing = margin;
        } else {
            margin = (c - (g + spacing + t)) / 2 + (in.SpeedButton ? 1 : 0);
        }
    } else if (spacing == -1) {
        spacing = ((c - (margin + g)) - t) / 2;
    }
    switch (in.Layout) {
    case glRight:
        out.GlyphPos.x = C.x - margin - G.x;
        out.TextPos.x = out.GlyphPos.x - spacing - T.x;
        out.Align = taRightAligned;
        break;
    case glTop:
        out.GlyphPos.y = margin;
        out.TextPos.y = margin + G.y + spacing;
        out.Align = taCentred;
        break;
    case glBottom:
        out.GlyphPos.y = C.y - margin - G.y;
        out.TextPos.y = out.GlyphPos.y - spacing - T.y;
        out.Align = taCentred;
        break;
    default:
        out.GlyphPos.x = margin;
        out.TextPos.x = margin + G.x + spacing;
        out.Align = taLeftAligned;
        break;
    }
    out.Margin = margin;
    out.Spacing = spacing;
    return out;
}

TSize2 CentredCaptionOrigin(TSize2 client, TSize2 text) {
    return {(client.x - text.x) / 2, (client.y - text.y) / 2 - 1};
}

TBox MenuCaptionMeasureBox(TSize2 client) { return {2, 2, client.x - 17 - 2, client.y - 2}; }

TSize2 MenuCaptionOrigin(TSize2 client, TSize2 text) {
    return {((client.x - 17 - text.x) / 2) + 2, (client.y - text.y + 1) / 2};
}

TArrow MenuArrow(TSize2 client) {
    const int mid = client.y / 2;
    return {{{client.x - 12, mid + 2}, {client.x - 15, mid - 1}, {client.x - 9, mid - 1}}};
}
