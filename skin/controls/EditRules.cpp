#include "skin/controls/EditRules.h"

#include <algorithm>
#include <cctype>

bool EditHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    return clientWidth != windowWidth && clientHeight != windowHeight;
}

bool EditPrintsBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    return clientWidth < windowWidth - 2 && clientHeight < windowHeight - 2;
}

bool IsSpinButtonClass(const std::string& className) {
    std::string lower = className;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower == "msctls_updown32" || lower.find("spin") != std::string::npos ||
           lower.find("updown") != std::string::npos;
}

int ComboFrame(bool pressed, bool hotOrFocused, bool enabled) {
    if (!enabled) return 3;
    if (pressed) return 2;
    return hotOrFocused ? 4 : 1;
}

ComboLayout ComboButtonLayout(int width, int height, int W, bool buttonOnLeft) {
    if (buttonOnLeft)
        return {{W + 4, 2, width - 2, height - 2}, {0, 0, W + 2, height}, {2, 0, W + 2, height}};
    return {{2, 2, width - W - 4, height - 2}, {width - W - 2, 0, width, height}, {width - W - 2, 0, width - 2, height}};
}

int StripFrameWidth(int stripWidth, int frameCount) { return stripWidth / std::max(frameCount, 1); }

GeoRect CentredGlyphPlace(const GeoRect& area, int stripWidth, int stripHeight, int frameCount) {
    return CentredFrameTarget(area, StripFrameWidth(stripWidth, frameCount), stripHeight);
}

SimpleComboLayout SimpleComboButtonLayout(int width, int height, int thumbHeight, int frameWidth, int stripHeight,
                                          bool buttonOnLeft) {
    SimpleComboLayout l;
    l.inner = {1, 1, width - 1, height - 1};
    l.fill = buttonOnLeft ? GeoRect{2, 2, 2 + thumbHeight, height - 2}
                          : GeoRect{width - 2 - thumbHeight, 2, width - 2, height - 2};
    l.button = l.inner;
    if (buttonOnLeft)
        l.button.right = l.button.left + frameWidth;
    else
        l.button.left = l.button.right - frameWidth;
    if (stripHeight < thumbHeight) l.button.bottom = l.button.top + stripHeight;
    return l;
}

GeoRect DateTimeArrowRect(int pickerWidth, int buttonSize, bool onLeft) {
    const int left = onLeft ? 2 : pickerWidth - buttonSize - 4;
    return {left, 0, left + buttonSize, buttonSize + 1};
}
