#include "skin/data/SkinColor.h"

namespace {

std::string_view TrimControls(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32) text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
    return text;
}

} // namespace

TSkinColor ParseColor(std::string_view text, TSkinColor defaultColor) {
    if (text.empty()) return defaultColor;
    text = TrimControls(text);
    std::uint32_t numbers[3] = {0, 0, 0};
    int stored = 0;
    std::uint32_t run = 0; // kept modulo 256: only the low 8 bits of a number are used
    bool inRun = false;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            run = (run * 10 + static_cast<std::uint32_t>(ch - '0')) & 0xFF;
            inRun = true;
        } else if (inRun) {
            if (stored < 3) numbers[stored++] = run;
            run = 0;
            inRun = false;
        }
    }
    if (stored == 2 && inRun) numbers[stored++] = run;
    return MakeRGB(numbers[0], numbers[1], numbers[2]);
}
