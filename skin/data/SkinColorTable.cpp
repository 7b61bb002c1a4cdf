#include "skin/data/SkinColorTable.h"

#include "skin/data/SkinBuildRules.h"
#include "skin/data/WinSkinIni.h"

namespace {

TSkinColor ReadColor(const TQuickIni& ini, const char* key, TSkinColor defaultColor) {
    return ParseColor(ini.ReadString("Colours", key, ""), defaultColor);
}

} // namespace

TSkinColors ReadSkinColors(const TQuickIni& ini) {
    TSkinColors c;
    c.WindowText = ReadColor(ini, "WindowText", clWindowText);
    c.ButtonFace = ReadColor(ini, "ButtonFace", clBtnFace);
    c.Scrollbar = ReadColor(ini, "Scrollbar", clScrollBar);
    c.HilightText = ReadColor(ini, "HilightText", clHighlightText);
    c.Hilight = ReadColor(ini, "Hilight", clHighlight);
    c.Menubar = ReadColor(ini, "Menubar", c.ButtonFace);
    c.Menu = ReadColor(ini, "Menu", clMenu);
    c.MenuText = ReadColor(ini, "MenuText", clMenuText);
    c.ButtonText = ReadColor(ini, "ButtonText", clBtnText);
    c.ButtonHilight = ReadColor(ini, "ButtonHilight", clBtnHighlight);
    c.Buttonlight = ReadColor(ini, "Buttonlight", clBtnHighlight);
    c.ButtonShadow = ReadColor(ini, "ButtonShadow", clBtnShadow);
    c.ButtonDkShadow = ReadColor(ini, "ButtonDkShadow", cl3DDkShadow);
    c.MenuBarText = ReadColor(ini, "MenuBarText", clMenuText);
    c.TitleTextActive = ReadColor(ini, "TitleTextActive", clCaptionText);
    c.TitleTextNoActive = ReadColor(ini, "TitleTextNoActive", clInactiveCaptionText);
    return c;
}

TSkinColor SkinTextColour(const TSkinColors& colours, TSkinColor colour) {
    switch (colour) {
    case clWindowText: return colours.WindowText;
    case clBtnText: return colours.ButtonText;
    case clMenuText: return colours.MenuText;
    case clHighlightText: return colours.HilightText;
    case clCaptionText: return colours.TitleTextActive;
    case clInactiveCaptionText: return colours.TitleTextNoActive;
    default: return colour;
    }
}

TSkinColor FieldTextColour(const TSkinColors& colours, TSkinColor fieldColour, TSkinColor fontColour) {
    if (fieldColour != clWindow || IsSystemColor(fontColour)) return fontColour;
    const bool fromSkin = fontColour == SkinTextColour(colours, clWindowText) ||
                          fontColour == SkinTextColour(colours, clBtnText);
    return fromSkin ? clWindowText : fontColour;
}

std::vector<TSkinColor> ReadPalette(const TQuickIni& ini, const std::vector<std::string>& sectionNames) {
    std::vector<TSkinColor> palette;
    for (const std::string& name : sectionNames) {
        const std::string upper = UpperAscii(name);
        if (upper.rfind("COLOUR", 0) != 0 || upper == "COLOURS") continue;
        palette.push_back(ParseColor(ini.ReadString(name, "color", ""), clWindowText));
    }
    return palette;
}

TCustomColors ReadCustomColors(const TQuickIni& ini) {
    TCustomColors colors;
    for (int i = 0; i < CustomColorCount; ++i)
        colors[i] = ParseColor(ini.ReadString("Customcolors", "Color" + std::to_string(i), ""), clWhite);
    return colors;
}

void ReadRGB(const TQuickIni& ini, const std::string& section, const std::string& stem, TSkinColor& colour) {
    const int red = ini.ReadInteger(section, stem + "R", -1);
    const int green = ini.ReadInteger(section, stem + "G", -1);
    const int blue = ini.ReadInteger(section, stem + "B", -1);
    if (red >= 0 && green >= 0 && blue >= 0) colour = MakeRGB(red, green, blue);
}
