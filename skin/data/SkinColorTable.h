// The skin's named colours, palette and custom colours, read from the definition text.
#pragma once

#include "skin/data/SkinColor.h"

#include <array>
#include <string>
#include <vector>

class TQuickIni;

// Named colours of the section "Colours"; a missing or empty key leaves the system colour.
struct TSkinColors {
    TSkinColor WindowText = clWindowText;
    TSkinColor ButtonFace = clBtnFace;
    TSkinColor Scrollbar = clScrollBar;
    TSkinColor HilightText = clHighlightText;
    TSkinColor Hilight = clHighlight;
    TSkinColor Menubar = clBtnFace;
    TSkinColor Menu = clMenu;
    TSkinColor MenuText = clMenuText;
    TSkinColor ButtonText = clBtnText;
    TSkinColor ButtonHilight = clBtnHighlight;
    TSkinColor Buttonlight = clBtnHighlight;
    TSkinColor ButtonShadow = clBtnShadow;
    TSkinColor ButtonDkShadow = cl3DDkShadow;
    TSkinColor MenuBarText = clMenuText;
    TSkinColor TitleTextActive = clCaptionText;
    TSkinColor TitleTextNoActive = clInactiveCaptionText;
};

// The colour text is drawn in on a skinned surface: a reference to one of the system's text colours
// (window, button, menu, highlight and caption text) becomes the skin's colour of that name; any other
// colour, an explicit one or the grey of disabled text, is kept.
TSkinColor SkinTextColour(const TSkinColors& colours, TSkinColor colour);

// The colour of text in an entry field (an edit, list or combo in the system's window colour, which no skin
// changes): a font colour that took the skin's text colour for the face goes back to the system's window
// text, so the field stays readable; any other font colour, or a field of another colour, is kept.
TSkinColor FieldTextColour(const TSkinColors& colours, TSkinColor fieldColour, TSkinColor fontColour);

inline constexpr int CustomColorCount = 10;
using TCustomColors = std::array<TSkinColor, CustomColorCount>;

// The section "Colours" (any letter case) read into the named colours.
TSkinColors ReadSkinColors(const TQuickIni& ini);

// One colour per section whose upper-cased name begins with "COLOUR" and is not "COLOURS", in the order
// of the given section names (text order), from its key "color" (default the window text reference).
std::vector<TSkinColor> ReadPalette(const TQuickIni& ini, const std::vector<std::string>& sectionNames);

// "Color0" to "Color9" of "Customcolors", white when missing.
TCustomColors ReadCustomColors(const TQuickIni& ini);

// Sets `colour` to the RGB of the integer keys stem + "R", stem + "G", stem + "B" when all three are 0 or
// more; otherwise leaves it as it is.
void ReadRGB(const TQuickIni& ini, const std::string& section, const std::string& stem, TSkinColor& colour);
