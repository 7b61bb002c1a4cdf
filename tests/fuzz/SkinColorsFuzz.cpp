// Any definition text through the colour readers of the element builder, and every value of it through
// ParseColor and the caption-button frame rule.
#include "skin/data/SkinBuildRules.h"
#include "skin/data/SkinColorTable.h"
#include "skin/data/WinSkinIni.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TQuickIni ini;
    ini.LoadFromText(text);
    std::vector<std::string> sections;
    ini.ReadSections(&sections);
    ReadSkinColors(ini);
    ReadPalette(ini, sections);
    ReadCustomColors(ini);
    for (const std::string& section : sections) {
        TSkinColor colour = NoColor;
        ReadRGB(ini, section, "ActiveText", colour);
        if (IsCaptionButtonSection(section)) {
            const int action = ini.ReadInteger(section, "Action", 0);
            CaptionButtonFrames(ini.ReadInteger(section, "frame", 0), ini.ReadInteger(section, "Width", 0),
                                ini.ReadInteger(section, "Height", 0), action);
        }
        CheckFrameCountFromImage(ini.ReadInteger(section, "Frame", 0), ini.ReadInteger(section, "Width", 0),
                                 ini.ReadInteger(section, "Height", 0));
        ToolbarBorderWeight(ini.ReadInteger(section, "Saturation", 0) & 0xFF);
    }
    for (const std::string& line : ini.Lines()) ParseColor(line, NoColor);
    return 0;
}
