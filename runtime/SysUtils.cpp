#include "runtime/SysUtils.h"

#include <cctype>
#include <cwctype>

namespace {
char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
} // namespace

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = lowerAscii(c);
    return r;
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = upperAscii(c);
    return r;
}

std::wstring WideFromUtf8(std::string_view s) {
    std::wstring out;
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        unsigned cp = 0xFFFD;
        size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (len == 1) {
            cp = c;
        } else if (len > 1 && i + len <= s.size()) {
            cp = c & (0x7F >> len);
            bool ok = true;
            for (size_t k = 1; k < len; ++k) {
                unsigned char t = static_cast<unsigned char>(s[i + k]);
                if ((t & 0xC0) != 0x80) { ok = false; break; }
                cp = (cp << 6) | (t & 0x3F);
            }
            static const unsigned minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
            if (!ok || cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { cp = 0xFFFD; len = 1; }
        } else {
            len = 1;
        }
        i += len;
        if (cp >= 0x10000 && sizeof(wchar_t) == 2) {
            cp -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(cp));
        }
    }
    return out;
}

std::string Utf8FromWide(std::wstring_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned cp = static_cast<unsigned>(s[i]);
        if (sizeof(wchar_t) == 2 && cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size()) {
            unsigned lo = static_cast<unsigned>(s[i + 1]);
            if (lo >= 0xDC00 && lo <= 0xDFFF) { cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00); ++i; }
        }
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

wchar_t AcceleratorOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == L'&') {
            if (caption[i + 1] != L'&') return wchar_t(std::towupper(caption[i + 1]));
            ++i;
        }
    return 0;
}
