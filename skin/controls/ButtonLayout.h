// The decisions of the push-button painters as pure functions: which frame of the skin's button strip a
// state shows, which glyph of a glyph strip is drawn, and where a glyph and a caption go on a button.
// Divisions are integer divisions toward zero.
#pragma once

#include <string>

// Frames of the push-button strip, counted from 1.
enum TButtonFrame : int { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfFocused = 5 };
inline constexpr int ButtonFrameCount = 5;

struct TButtonState {
    bool Disabled = false;
    bool Pressed = false; // the left button (or space) is held on it
    bool Hot = false;     // the mouse is over it
    bool Focused = false;
    bool Down = false;    // a speed button's Down
};

// TSkinButton and TSkinBitButton: disabled, pressed, hot, focused, else normal.
int PushButtonFrame(const TButtonState& s);
// TSkinMenuButton: disabled, pressed, hot or focused (the hot frame), else normal.
int MenuButtonFrame(const TButtonState& s);
// TSkinSpeedButton: Down shows pressed before anything else; no focused frame.
int SpeedButtonFrame(const TButtonState& s);
// A flat speed button shows the element only when pressed or hot.
bool SpeedButtonShowsElement(int frame, bool flat);

// The first "||" becomes a line break (CR LF).
std::wstring SplitCaption(std::wstring caption);

enum TGlyphLayoutKind : int { glLeft = 0, glRight = 1, glTop = 2, glBottom = 3 };
// "blglyphleft" 0 ... "blglyphbottom" 3 (any letter case); anything else 0.
int LayoutFromName(const std::string& name);

// A glyph count read from a control: missing (-1), negative or 0 counts as 1, so that the glyph width
// (bitmap width div count) never divides by zero.
int SafeNumGlyphs(int numGlyphs);
// The glyph drawn for a frame: pressed 3, disabled 2, else 1 (a speed button that is Down: 4); a number
// beyond the count gives the first glyph.
int GlyphNumber(int frame, int numGlyphs, bool speedDown = false);

struct TSize2 {
    int x = 0, y = 0;
    bool operator==(const TSize2&) const = default;
};

// Where a bit button's caption is measured: the client shrunk by 2, less the glyph (and 2) along the axis.
struct TBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TBox&) const = default;
};
TBox CaptionMeasureBox(TSize2 client, TSize2 glyph, int layout);

struct TGlyphLayoutInput {
    TSize2 Client;     // the button's width and height
    TSize2 Glyph;      // the glyph's size (0 x 0: none)
    TSize2 Text;       // the measured caption (0 x 0: none)
    int Margin = -1;   // -1: not given
    int Spacing = -1;  // -1: not given
    int Layout = glLeft;
    bool AlignCenter = false; // the control's Alignment is "taCenter" (bit buttons only)
    bool SpeedButton = false; // the speed button's rules (margin one more, no Alignment)
};

enum TTextAlign : int { taLeftAligned, taRightAligned, taCentred };
struct TGlyphLayout {
    TSize2 GlyphPos;
    TSize2 TextPos;
    int Margin = 0, Spacing = 0;
    int Align = taLeftAligned;
    bool operator==(const TGlyphLayout&) const = default;
};
TGlyphLayout LayoutGlyphAndCaption(const TGlyphLayoutInput& in);

// A plain button's caption box of the measured size: centred horizontally, (free height) div 2 - 1 down.
TSize2 CentredCaptionOrigin(TSize2 client, TSize2 text);

// A menu button's caption: measured in (0, 0, width - 17, height) shrunk by 2; drawn at this origin.
TBox MenuCaptionMeasureBox(TSize2 client);
TSize2 MenuCaptionOrigin(TSize2 client, TSize2 text);
// The three corners of the menu button's drop-down arrow.
struct TArrow {
    TSize2 Points[3];
};
TArrow MenuArrow(TSize2 client);
