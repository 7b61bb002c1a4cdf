// Fuzz target: TQuickIni parsing any text, then looking up every section and key it holds.
#include "skin/data/WinSkinIni.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TQuickIni ini;
    ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> sections;
    ini.ReadSections(&sections);
    sections.push_back("");
    std::size_t checked = 0;
    for (const std::string& section : sections) {
        for (const std::string& line : ini.Lines()) {
            const std::string key = line.substr(0, line.find('='));
            ini.ReadString(section, key, "default");
            ini.ReadInteger(section, key, -7);
            if (++checked > 4096) return 0;
        }
    }
    int value = 0;
    ParseSkinInteger(std::string_view(reinterpret_cast<const char*>(data), size), value);
    return 0;
}
