#include "skin/data/WinSkinIni.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::string_view Trim(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
    return text.substr(begin, end - begin);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = LowerAscii(c);
    return lower;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

bool IsHeader(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

bool ParseSkinInteger(std::string_view text, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::uint64_t magnitude = 0;
    if (i < text.size() && text[i] == '$') {
        // Hexadecimal: up to 32 bits, taken as the bit pattern (so $FF00000F is negative).
        if (++i == text.size()) return false;
        for (; i < text.size(); ++i) {
            const int digit = HexDigit(text[i]);
            if (digit < 0) return false;
            magnitude = magnitude * 16 + static_cast<unsigned>(digit);
            if (magnitude > 0xFFFFFFFFu) return false;
        }
        std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
        if (negative) bits = 0u - bits;
        value = static_cast<int>(bits);
        return true;
    }
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        magnitude = magnitude * 10 + static_cast<unsigned>(text[i] - '0');
        if (magnitude > 2147483648u) return false;
    }
    if (!negative && magnitude > 2147483647u) return false;
    value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
    return true;
}

void TQuickIni::LoadFromStream(const std::vector<std::uint8_t>* stream, std::size_t position) {
    if (!stream) return;
    if (position > stream->size()) position = stream->size();
    LoadFromText(std::string_view(reinterpret_cast<const char*>(stream->data()) + position, stream->size() - position));
}

void TQuickIni::LoadFromText(std::string_view text) {
    std::vector<std::string> lines;
    std::vector<TEntry> entries;
    std::vector<TSection> sections;
    const std::size_t end = std::min(text.find('\0'), text.size());
    std::size_t i = 0;
    while (i < end) {
        const std::size_t start = i;
        while (i < end && text[i] != '\r' && text[i] != '\n') ++i;
        const std::string_view line = Trim(text.substr(start, i - start));
        if (i < end && text[i] == '\r') ++i;
        if (i < end && text[i] == '\n') ++i;
        if (line.empty() || line.front() == ';') continue;

        TEntry entry;
        if (IsHeader(line)) {
            entry.Header = true;
            sections.push_back({std::string(line), lines.size()});
        } else {
            const std::size_t equals = line.find('=');
            if (equals != std::string_view::npos) {
                entry.Key = Lower(Trim(line.substr(0, equals)));
                entry.Value = std::string(Trim(line.substr(equals + 1)));
            }
        }
        lines.emplace_back(line);
        entries.push_back(std::move(entry));
    }
    lines_ = std::move(lines);
    entries_ = std::move(entries);
    sections_ = std::move(sections);
}

void TQuickIni::ReadSections(std::vector<std::string>* target) const {
    if (!target) throw std::invalid_argument("The parameter Strings is unassigned!");
    target->clear();
    for (const TSection& section : sections_) {
        const std::string_view header = section.Header;
        target->emplace_back(Trim(header.substr(1, header.size() - 2)));
    }
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
    const std::string header = "[" + section + "]";
    const TSection* found = nullptr;
    for (const TSection& s : sections_)
        if (EqualIgnoringCase(s.Header, header)) {
            found = &s;
            break;
        }
    if (!found) return def;
    const std::string wanted = Lower(key);
    for (std::size_t i = found->Line + 1; i < entries_.size() && !entries_[i].Header; ++i) {
        if (entries_[i].Key == wanted) return entries_[i].Value.empty() ? def : entries_[i].Value;
    }
    return def;
}

int TQuickIni::ReadInteger(const std::string& section, const std::string& key, int def) const {
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
    int value = 0;
    return ParseSkinInteger(text, value) ? value : def;
}
