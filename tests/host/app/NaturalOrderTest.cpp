// The natural name order and the sorter. Names are byte strings in the ANSI code page; GBK text is
// written here as its bytes under code page 936.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "AppError.h"
#include "Compare.h"
#include "sort.h"

namespace {

// GBK bytes of 图 (CD BC), 片 (C6 AC), 中 (D6 D0) and of 丄 (81 41) and 乤 (81 61), whose second
// bytes are a letter in the single-byte range.
const std::string kTu = "\xCD\xBC", kPian = "\xC6\xAC", kZhong = "\xD6\xD0";
const std::string kShang = "\x81\x41", kLetterTrail = "\x81\x61";

struct OrderCase {
    std::string before, after;
};

TEST(NaturalOrder, OrdersTheTableOfCases) {
    const OrderCase cases[] = {
        {"img2.jpg", "img10.jpg"},          // digit runs: the shorter run first
        {"img10.jpg", "img007.jpg"},        // 007 is the longer run
        {"b.jpg", "abc.jpg"},               // letter runs: the shorter run first
        {"Bee.jpg", "ant.jpg"},             // equal length: byte order, upper case first
        {"_a.jpg", "1a.jpg"},               // other < digit
        {"1a.jpg", "a.jpg"},                // digit < letter
        {"a.jpg", kZhong + ".jpg"},         // letter < double-byte
        {"_a.jpg", kZhong + ".jpg"},
        {"photo 1.jpg", "photo.jpg"},       // runs " " and "." of one kind and length: 0x20 < 0x2E
        {"a", "a.jpg"},                     // the empty rest first
        {"", "a"},
        {"\x80.jpg", "0.jpg"},              // 0x80 is an "other" byte
        {kTu + "2.png", kTu + "10.png"},    // digits after double-byte text
        {kTu + ".png", kTu + kPian + ".png"},  // double-byte runs: the shorter run first
        {kPian + ".png", kTu + ".png"},     // equal length: byte order (C6 AC < CD BC)
        {kShang + "9.png", kLetterTrail + "1.png"},  // second bytes are compared, never classified
        {"x" + kShang + "a", "x" + kShang + kShang},  // lone run 丄 then a letter vs a longer double-byte run
        {"\xCD", "\xCD\xBC"},               // a lone lead byte at the end of a name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before + " < " + c.after);
        EXPECT_EQ(CompareNames(c.before, c.after), -1);
        EXPECT_EQ(CompareNames(c.after, c.before), 1);
        EXPECT_LT(NaturalSortKey(c.before), NaturalSortKey(c.after));
    }
    EXPECT_EQ(CompareNames("img1.jpg", "img1.jpg"), 0);
    EXPECT_EQ(CompareNames("", ""), 0);
}

TEST(NaturalOrder, RunsAndKinds) {
    EXPECT_EQ(CharKind("7"), kindDigit);
    EXPECT_EQ(CharKind("Z"), kindLetter);
    EXPECT_EQ(CharKind("\x80"), kindOther);
    EXPECT_EQ(CharKind("\x81"), kindDoubleByte);
    EXPECT_EQ(CharKind("\xFF"), kindDoubleByte);
    EXPECT_EQ(FirstRun("img10.jpg"), "img");
    EXPECT_EQ(FirstRun("10.jpg"), "10");
    EXPECT_EQ(FirstRun(" .x"), " .");
    EXPECT_EQ(FirstRun(kTu + kPian + "3"), kTu + kPian);
    EXPECT_EQ(FirstRun(kShang + kTu + "a"), kShang + kTu);  // 0x41 in second place is skipped
    EXPECT_EQ(FirstRun("\xCD"), "\xCD");
    EXPECT_EQ(CompareEmpty("a", "b"), 2);
    EXPECT_EQ(CompareEmpty("a", ""), 1);
    EXPECT_EQ(CompareEmpty("", "a"), -1);
    EXPECT_EQ(CompareEmpty("", ""), 0);
    EXPECT_EQ(CompareKinds(kTu, "a"), 1);
    EXPECT_EQ(CompareKinds("a", kTu), -1);
    EXPECT_EQ(CompareKinds("a", "1"), 1);
    EXPECT_EQ(CompareKinds("1", "_"), 1);
    EXPECT_EQ(CompareKinds("1", "a"), -1);
    EXPECT_EQ(CompareKinds("_", "1"), -1);
}

std::string RandomName(std::mt19937& rng) {
    static const std::string pieces[] = {"a", "B", "img", "0", "1", "10", "007", " ", ".", "_", "\xCD\xBC", "\x81\x41", "\x80"};
    std::string name;
    const int parts = std::uniform_int_distribution<int>(0, 5)(rng);
    for (int i = 0; i < parts; ++i) name += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(rng)];
    return name;
}

// The comparison is a total order (what lets any correct sort stand in for the quick sort), and the
// sort keys order names exactly as the comparison does.
TEST(NaturalOrder, IsATotalOrderOnRandomNames) {
    std::mt19937 rng(7);
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) names.push_back(RandomName(rng));
    for (const auto& a : names)
        for (const auto& b : names) {
            ASSERT_EQ(CompareNames(a, b), -CompareNames(b, a)) << a << " / " << b;
            ASSERT_EQ(CompareNames(a, b) == 0, a == b) << a << " / " << b;
            const int keys = NaturalSortKey(a).compare(NaturalSortKey(b));
            ASSERT_EQ((keys > 0) - (keys < 0), CompareNames(a, b)) << a << " / " << b;
        }
    for (size_t i = 0; i + 2 < names.size(); i += 3) {
        std::string t[3] = {names[i], names[i + 1], names[i + 2]};
        std::sort(t, t + 3, [](auto& x, auto& y) { return CompareNames(x, y) < 0; });
        EXPECT_LE(CompareNames(t[0], t[2]), 0);
    }
}

NameList ListOf(std::initializer_list<std::string> names) {
    NameList list;
    for (const auto& n : names) list.push_back({n, std::wstring(n.begin(), n.end())});
    return list;
}

std::vector<std::string> AnsiOf(const NameList& list) {
    std::vector<std::string> out;
    for (const auto& item : list) out.push_back(item.ansi);
    return out;
}

TEST(Sorter, SortsNaturallyAndKeepsDuplicates) {
    NameList list = ListOf({"img10.jpg", "a.jpg", "img2.jpg", "img2.jpg", "_x.jpg", "1.jpg"});
    WideString sorter;
    sorter.SetList(&list);
    sorter.QuickSort(0, static_cast<int>(list.size()) - 1);
    EXPECT_EQ(AnsiOf(list), (std::vector<std::string>{"_x.jpg", "1.jpg", "a.jpg", "img2.jpg", "img2.jpg", "img10.jpg"}));
}

TEST(Sorter, SortsOnlyTheGivenRangeAndLeavesOneNameAlone) {
    NameList list = ListOf({"c", "b", "a", "0"});
    WideString sorter;
    sorter.SetList(&list);
    sorter.QuickSort(1, 2);
    EXPECT_EQ(AnsiOf(list), (std::vector<std::string>{"c", "a", "b", "0"}));
    NameList one = ListOf({"only.jpg"});
    sorter.SetList(&one);
    sorter.QuickSort(0, 0);
    EXPECT_EQ(AnsiOf(one), std::vector<std::string>{"only.jpg"});
}

TEST(Sorter, AnEmptyListFailsWithTheListIndexError) {
    NameList list;
    WideString sorter;
    sorter.SetList(&list);
    try {
        sorter.QuickSort(0, -1);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (0)");
    }
}

// Names the code page cannot write share an ANSI form; their wide form decides, whatever the scan order.
TEST(Sorter, BreaksTiesOfTheAnsiFormByTheWideForm) {
    NameList list{{"?.jpg", L"\u0430.jpg"}, {"?.jpg", L"\u0410.jpg"}};
    WideString sorter;
    sorter.SetList(&list);
    sorter.QuickSort(0, 1);
    EXPECT_EQ(list[0].wide, L"\u0410.jpg");
}

// Long lists already in order, in reverse, or all alike: no deep recursion, no crash.
TEST(Sorter, SortsLargeOrderedAndReversedLists) {
    NameList list;
    for (int i = 0; i < 50000; ++i) {
        std::string n = "img" + std::to_string(i) + ".jpg";
        list.push_back({n, std::wstring(n.begin(), n.end())});
    }
    const NameList sorted = list;
    WideString sorter;
    sorter.SetList(&list);
    sorter.QuickSort(0, static_cast<int>(list.size()) - 1);
    EXPECT_TRUE(std::equal(list.begin(), list.end(), sorted.begin(), [](auto& a, auto& b) { return a.ansi == b.ansi; }));
    std::reverse(list.begin(), list.end());
    sorter.QuickSort(0, static_cast<int>(list.size()) - 1);
    EXPECT_TRUE(std::equal(list.begin(), list.end(), sorted.begin(), [](auto& a, auto& b) { return a.ansi == b.ansi; }));
    NameList same(50000, PictureName{"same.jpg", L"same.jpg"});
    sorter.SetList(&same);
    sorter.QuickSort(0, static_cast<int>(same.size()) - 1);
    EXPECT_EQ(same.front().ansi, "same.jpg");
}

} // namespace
