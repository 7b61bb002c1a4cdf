// Excel's default sheet geometry and its unit conversions (points, pixels, characters).
#pragma once

namespace grv::standin {

constexpr double kDefaultRowHeight = 15.0;    // points
constexpr int kDefaultColumnPixels = 64;      // 8.43 characters
constexpr double kPointsPerPixel = 0.75;      // 72 points per inch at 96 pixels per inch
constexpr double kMaxRowHeight = 409.0;       // points
constexpr double kMaxColumnWidth = 255.0;     // characters
constexpr int kRowCount = 1048576;
constexpr int kColumnCount = 16384;

// Width in pixels of a column of `chars` characters for a font whose widest digit is 7 pixels:
// Truncate(chars × 7 + 5 + 0.5), 5 being the cell padding. Below one character the padding
// shrinks with the width: Truncate(chars × 12 + 0.5).
int columnPixelsFromChars(double chars);

// The width in characters that Excel reports for a column of `pixels`: the inverse of the above,
// to two decimals.
double columnCharsFromPixels(int pixels);

// Natural size in points of `pixels` at `dpi`; files that give no resolution count as 96 dpi.
double naturalPoints(int pixels, double dpi);

}  // namespace grv::standin
