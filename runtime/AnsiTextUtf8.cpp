// The host has no system code page: 8-bit text is UTF-8 there.
#include "runtime/SysUtils.h"

std::wstring WideFromAnsi(std::string_view text) { return WideFromUtf8(text); }
std::string AnsiFromWide(std::wstring_view text) { return Utf8FromWide(text); }
