#include "skin/controls/ChoiceFrames.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {
int KeepInStrip(int frame, int frameCount) { return std::clamp(frame, 1, std::max(frameCount, 1)); }

// The groups of four of the long strips: normal, hot, pressed, disabled.
int StateInGroup(const TChoiceFacts& f) {
    if (f.disabled) return 3;
    if (f.pressed) return 2;
    return f.hot ? 1 : 0;
}
} // namespace

int CheckBoxFrame(const TChoiceFacts& f, int frameCount) {
    if (frameCount == 12) {
        int group = f.mark == TCheckMark::Unchecked ? 0 : f.mark == TCheckMark::Checked ? 4 : 8;
        return group + 1 + StateInGroup(f);
    }
    int frame = 4;
    if (f.mark == TCheckMark::Unchecked) frame = f.disabled ? 3 : 1;
    else if (f.mark == TCheckMark::Checked) frame = f.disabled ? 4 : 2;
    return KeepInStrip(frame, frameCount);
}

int RadioButtonFrame(const TChoiceFacts& f, int frameCount) {
    bool checked = f.mark == TCheckMark::Checked;
    if (frameCount == 8) return (checked ? 4 : 0) + 1 + StateInGroup(f);
    return KeepInStrip((checked ? 2 : 1) + (f.disabled ? 2 : 0), frameCount);
}

bool CheckMarkFromStateName(const char* stateName, TCheckMark& mark) {
    std::string lower = stateName ? stateName : "";
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (lower.find("uncheck") != std::string::npos) mark = TCheckMark::Unchecked;
    else if (lower.find("check") != std::string::npos) mark = TCheckMark::Checked;
    else if (lower.find("gray") != std::string::npos) mark = TCheckMark::Indeterminate;
    else return false;
    return true;
}
