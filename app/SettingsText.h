// Reading the window's settings: trimming and the whole-number conversion.
#pragma once

#include <string>
#include <string_view>

// Removes leading and trailing characters up to and including the blank (codes 0 to 32).
std::wstring TrimText(std::wstring_view text);
std::string TrimText(std::string_view text);

// A whole number in decimal with an optional sign, within 32 bits. Anything else fails with
// AppError "'9x' is not a valid integer value".
int WholeNumber(std::wstring_view text);
