#include "skin/controls/MediaPlayerLayout.h"

const std::array<std::string_view, MediaButtonCount> MediaButtonNames{
    "btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack", "btRecord", "btEject"};

TMediaButtons MediaButtonsFromSets(std::string_view visible, std::string_view enabled, std::string_view coloured) {
    TMediaButtons buttons;
    for (int b = 0; b < MediaButtonCount; ++b) {
        const std::string_view name = MediaButtonNames[b];
        buttons[b] = {visible.find(name) != std::string_view::npos, enabled.find(name) != std::string_view::npos,
                      coloured.find(name) != std::string_view::npos};
    }
    return buttons;
}

int VisibleMediaButtons(const TMediaButtons& buttons) {
    int count = 0;
    for (const TMediaButtonFlags& b : buttons) count += b.Visible;
    return count;
}

int MediaButtonWidth(int clientWidth, int visibleCount) { return visibleCount > 0 ? clientWidth / visibleCount : 0; }

std::vector<TMediaButtonPlace> MediaButtonPlaces(const TMediaButtons& buttons, int buttonWidth, int clientHeight) {
    std::vector<TMediaButtonPlace> places;
    int x = 0;
    for (int b = 0; b < MediaButtonCount; ++b) {
        if (!buttons[b].Visible) continue;
        places.push_back({b, GeoRect{x, 0, x + buttonWidth, clientHeight}});
        x += buttonWidth;
    }
    return places;
}

int MediaButtonAt(const TMediaButtons& buttons, int buttonWidth, int x) {
    int start = 0;
    for (int b = 0; b < MediaButtonCount; ++b) {
        if (!buttons[b].Visible) continue;
        if (x >= start && x <= start + buttonWidth) return b;
        start += buttonWidth;
    }
    return NoMediaButton;
}

int MediaButtonFrame(bool enabled, bool pressed, bool isDownButton) {
    if (!enabled) return 3;
    return pressed && isDownButton ? 2 : 1;
}

TMediaGlyph MediaGlyphChoice(const TMediaButtonFlags& button) {
    if (!button.Enabled) return TMediaGlyph::Disabled;
    return button.Coloured ? TMediaGlyph::Coloured : TMediaGlyph::Enabled;
}

GeoPoint MediaGlyphOrigin(const GeoRect& button, int glyphWidth, int glyphHeight, int frame) {
    const int shift = frame == 2 ? 1 : 0;
    return {button.left + (button.Width() - glyphWidth) / 2 + shift,
            button.top + (button.Height() - glyphHeight) / 2 + shift};
}
