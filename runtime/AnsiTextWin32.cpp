// 8-bit text is in the system's ANSI code page (936 for this program's users).
#include "runtime/SysUtils.h"

#include <windows.h>

std::wstring WideFromAnsi(std::string_view text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(size_t(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), out.data(), n);
    return out;
}

std::string AnsiFromWide(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}
