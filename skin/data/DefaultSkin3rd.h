// The built-in mapping of further control class names to skin kinds ("TComboboxex=combobox").
#pragma once

inline constexpr int DefaultSkin3rdCount = 124;
extern const char* const DefaultSkin3rd[DefaultSkin3rdCount];
