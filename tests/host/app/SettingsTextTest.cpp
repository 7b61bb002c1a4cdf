#include <gtest/gtest.h>

#include "AppError.h"
#include "SettingsText.h"

namespace {

TEST(Settings, TrimsBlanksAndControlBytes) {
    EXPECT_EQ(TrimText(L" \t C:\\pics \r\n"), L"C:\\pics");
    EXPECT_EQ(TrimText(std::string("\x01 *.jpg ")), "*.jpg");
    EXPECT_EQ(TrimText(L"   "), L"");
}

TEST(Settings, ReadsWholeNumbers) {
    const std::pair<const wchar_t*, int> good[] = {
        {L"94", 94}, {L"-3", -3}, {L"+4", 4}, {L"0", 0}, {L"2147483647", 2147483647}, {L"-2147483648", -2147483647 - 1},
    };
    for (const auto& [text, value] : good) EXPECT_EQ(WholeNumber(text), value);
    for (const wchar_t* bad : {L"9x", L"", L"-", L"1.5", L"2147483648", L"-2147483649", L"99999999999999999999", L"４"}) {
        EXPECT_THROW(WholeNumber(bad), AppError);
    }
    try {
        WholeNumber(L"9x");
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "'9x' is not a valid integer value");
    }
}

} // namespace
