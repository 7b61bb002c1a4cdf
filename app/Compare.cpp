#include "Compare.h"

#include <cstdint>

namespace {

int KindOfByte(unsigned char b) {
    if (b >= 0x30 && b <= 0x39) return kindDigit;
    if ((b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A)) return kindLetter;
    if (b <= 0x80) return kindOther;
    return kindDoubleByte;
}

// Lower rank sorts first.
int RankOf(int kind) {
    switch (kind) {
    case kindOther: return 0;
    case kindDigit: return 1;
    case kindLetter: return 2;
    default: return 3;
    }
}

} // namespace

int CharKind(std::string_view text) { return KindOfByte(static_cast<unsigned char>(text.front())); }

std::string_view FirstRun(std::string_view text) {
    const int kind = CharKind(text);
    const size_t step = kind == kindDoubleByte ? 2 : 1;
    size_t end = step; // bytes taken so far
    while (end < text.size() && KindOfByte(static_cast<unsigned char>(text[end])) == kind) end += step;
    return text.substr(0, end); // substr clamps a lone lead byte at the end of the text
}

int CompareEmpty(std::string_view a, std::string_view b) {
    if (!a.empty() && !b.empty()) return 2;
    if (!a.empty()) return 1;
    if (!b.empty()) return -1;
    return 0;
}

int CompareKinds(std::string_view ra, std::string_view rb) {
    return RankOf(CharKind(ra)) > RankOf(CharKind(rb)) ? 1 : -1;
}

int CompareNames(std::string_view a, std::string_view b) {
    for (;;) {
        const int empty = CompareEmpty(a, b);
        if (empty != 2) return empty;
        const std::string_view ra = FirstRun(a);
        const std::string_view rb = FirstRun(b);
        if (CharKind(ra) != CharKind(rb)) return CompareKinds(ra, rb);
        if (ra.size() != rb.size()) return ra.size() > rb.size() ? 1 : -1;
        // string_view compares as unsigned bytes (char_traits<char>::compare uses memcmp semantics).
        const int bytes = ra.compare(rb);
        if (bytes != 0) return bytes > 0 ? 1 : -1;
        a.remove_prefix(ra.size());
        b.remove_prefix(rb.size());
    }
}

std::string NaturalSortKey(std::string_view name) {
    std::string key;
    key.reserve(name.size() + name.size() / 2 + 8);
    while (!name.empty()) {
        const std::string_view run = FirstRun(name);
        key += static_cast<char>(1 + RankOf(CharKind(run)));
        const auto length = static_cast<uint32_t>(run.size());
        for (int shift = 24; shift >= 0; shift -= 8) key += static_cast<char>((length >> shift) & 0xFF);
        key.append(run);
        name.remove_prefix(run.size());
    }
    key += '\0';
    return key;
}
