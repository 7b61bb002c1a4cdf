// Colour values of the skin: red in the lowest byte, then green, then blue, top byte 0. A value whose top
// byte is 0xFF refers to the system colour whose index is its low byte.
#pragma once

#include "runtime/Color.h"

#include <cstdint>
#include <string_view>

using TSkinColor = TColor;

// "Not set".
inline constexpr TSkinColor NoColor = clNone;
// The transparent key colour of every skin image.
inline constexpr TSkinColor clMagenta = clFuchsia;

constexpr TSkinColor MakeRGB(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr int RedOf(TSkinColor c) { return c & 0xFF; }
constexpr int GreenOf(TSkinColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(TSkinColor c) { return (c >> 16) & 0xFF; }

// A reference to the system colour of that index (COLOR_BTNFACE 15 gives 0xFF00000F).
constexpr TSkinColor SystemColor(int index) { return clSystemColor | static_cast<std::uint32_t>(index & 0xFF); }

// A colour written as up to three runs of decimal digits separated by anything else ("248, 248, 248",
// "255 255 255"). An empty text gives the default. A text with fewer than two separated numbers gives
// black for the missing ones, so "12" is black. Each number keeps its low 8 bits, however long it is.
TSkinColor ParseColor(std::string_view text, TSkinColor defaultColor);
