// Colour values of the skin: red in the lowest byte, then green, then blue, top byte 0. A value whose top
// byte is 0xFF refers to the system colour whose index is its low byte (so it reads as negative).
#pragma once

#include <cstdint>
#include <string_view>

using TSkinColor = std::int32_t;

// "Not set".
inline constexpr TSkinColor NoColor = 0x1FFFFFFF;
// The transparent key colour of every skin image.
inline constexpr TSkinColor clMagenta = 0xFF00FF;
inline constexpr TSkinColor clWhite = 0xFFFFFF;
inline constexpr TSkinColor clBlack = 0x000000;

constexpr TSkinColor MakeRGB(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return static_cast<TSkinColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(TSkinColor c) { return static_cast<std::uint32_t>(c) & 0xFF; }
constexpr int GreenOf(TSkinColor c) { return (static_cast<std::uint32_t>(c) >> 8) & 0xFF; }
constexpr int BlueOf(TSkinColor c) { return (static_cast<std::uint32_t>(c) >> 16) & 0xFF; }

// A reference to the system colour of that index (COLOR_BTNFACE 15 gives 0xFF00000F).
constexpr TSkinColor SystemColor(int index) {
    return static_cast<TSkinColor>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF));
}
constexpr bool IsSystemColor(TSkinColor c) { return (static_cast<std::uint32_t>(c) >> 24) == 0xFF; }

// The system colours the skin falls back to, by their system index.
inline constexpr TSkinColor clSysScrollBar = SystemColor(0);
inline constexpr TSkinColor clSysMenu = SystemColor(4);
inline constexpr TSkinColor clSysMenuText = SystemColor(7);
inline constexpr TSkinColor clSysWindowText = SystemColor(8);
inline constexpr TSkinColor clSysCaptionText = SystemColor(9);
inline constexpr TSkinColor clSysHighlight = SystemColor(13);
inline constexpr TSkinColor clSysHighlightText = SystemColor(14);
inline constexpr TSkinColor clSysBtnFace = SystemColor(15);
inline constexpr TSkinColor clSysBtnShadow = SystemColor(16);
inline constexpr TSkinColor clSysBtnText = SystemColor(18);
inline constexpr TSkinColor clSysInactiveCaptionText = SystemColor(19);
inline constexpr TSkinColor clSysBtnHighlight = SystemColor(20);
inline constexpr TSkinColor clSys3DDkShadow = SystemColor(21);

// A colour written as up to three runs of decimal digits separated by anything else ("248, 248, 248",
// "255 255 255"). An empty text gives the default. A text with fewer than two separated numbers gives
// black for the missing ones, so "12" is black. Each number keeps its low 8 bits, however long it is.
TSkinColor ParseColor(std::string_view text, TSkinColor defaultColor);
