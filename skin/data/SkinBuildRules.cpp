#include "skin/data/SkinBuildRules.h"

#include <algorithm>

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& ch : result)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return result;
}

bool IsCaptionButtonSection(std::string_view sectionName) {
    const std::string upper = UpperAscii(sectionName);
    if (upper.rfind("BUTTON", 0) != 0) return false;
    return upper != "BUTTON" && upper != "BUTTONS" && upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

TCaptionButtonFrames CaptionButtonFrames(int frameKey, int imageWidth, int imageHeight, int action) {
    if (frameKey != 0) return {frameKey, false};
    int frames = 6;
    if (imageWidth > 0 && imageHeight > 0) {
        const double ratio = static_cast<double>(imageWidth) / imageHeight;
        frames = ratio <= 3.8 ? 3 : 6;
        if (action < 0) frames = 6;
    }
    return {frames, action == 3 || action == 11};
}

int CheckFrameCountFromImage(int frameKey, int imageWidth, int imageHeight) {
    if (frameKey != 0) return frameKey;
    const int cell = imageHeight < 16 ? 13 : 16;
    return std::max(imageWidth / cell, 4);
}
