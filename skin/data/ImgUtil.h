// Image utilities of the skin: colour blending with system colours resolved, the cached gradient fill, and
// the small text and window helpers every painter uses. The pixel work itself lives in PixelTransforms and
// ColorMath (no <windows.h>).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/ColorMath.h"

class TBitmap;
class TWinControl;

// Transforms of the framework's bitmaps (BitmapTransforms.cpp). GrayScale and ReplaceMagenta first turn the
// bitmap into 24 bits per pixel; the mirror, flip and rotations work on 24-bit bitmaps and turn any other
// format into 24 bits first. A system colour reference given to ReplaceMagenta is not resolved: its three
// low bytes are taken as they are.
void GrayScale(TBitmap& bitmap);
void ReplaceMagenta(TBitmap& bitmap, std::uint32_t colour);
void MirrorHorizontal(TBitmap& bitmap);
void FlipVertical(TBitmap& bitmap);
void RotateLeft(TBitmap& bitmap);
void RotateRight(TBitmap& bitmap);

// A colour value whose top byte is 0xFF names the system colour of its low byte; others are RGB.
std::uint32_t ColorToRGBValue(std::uint32_t colour);

// Weighted mix: W per cent of a below 100, per mille from 100 on; system colours are resolved first.
std::uint32_t Blend(std::uint32_t a, std::uint32_t b, int weight);

// Fills the rectangle with a linear gradient from c1 to c2, one band per pixel step (rows when vertical),
// painting only the steps inside the DC's clip box with the colours of the whole gradient.
void GradientFill(HDC dc, const RECT& rect, std::uint32_t c1, bool vertical, std::uint32_t c2);

// The cache GradientFill uses (16 slots, round-robin); emptied by ReleaseGradientCache at the end.
GradientCache& SharedGradientCache();
void ReleaseGradientCache();

// Converts with the system's ANSI code page.
std::wstring AnsiToWide(std::string_view text);

// DrawTextW on the NT family; elsewhere the text in the ANSI code page through DrawTextA.
int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format);

// The framework object of a window, read from the window property named by the framework's ControlAtom;
// null for a null handle or a window that is not the framework's.
TWinControl* ControlFromWindow(HWND window);
