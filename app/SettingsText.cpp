#include "SettingsText.h"

#include <limits>
#include <type_traits>

#include "AppError.h"

namespace {

template <class Char>
std::basic_string<Char> Trim(std::basic_string_view<Char> text) {
    auto blank = [](Char c) { return static_cast<unsigned long>(static_cast<std::make_unsigned_t<Char>>(c)) <= 32; };
    size_t first = 0, last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return std::basic_string<Char>(text.substr(first, last - first));
}

[[noreturn]] void NotWhole(std::wstring_view text) {
    std::string shown;
    for (wchar_t c : text) shown += c < 0x80 ? static_cast<char>(c) : '?';
    throw AppError("'" + shown + "' is not a valid integer value");
}

} // namespace

std::wstring TrimText(std::wstring_view text) { return Trim(text); }
std::string TrimText(std::string_view text) { return Trim(text); }

int WholeNumber(std::wstring_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    if (i == text.size()) NotWhole(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') NotWhole(text);
        value = value * 10 + (text[i] - L'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) NotWhole(text);
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) NotWhole(text);
    return static_cast<int>(value);
}
