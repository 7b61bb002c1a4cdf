// TSkinReader on packages built by skinpack's packer, and on damaged packages.
#include "TestSupport.h"
#include "skin/data/SkinNotifier.h"
#include "skin/data/SkinRead.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinPacker.h"

#include <gtest/gtest.h>

using namespace skinpkg_test;

namespace {

// Catches what the reader would show its user.
class Messages {
public:
    Messages() {
        previous_ = SetSkinNotifier([this](const std::string& text) { shown.push_back(text); });
    }
    ~Messages() { SetSkinNotifier(previous_); }
    std::vector<std::string> shown;

private:
    SkinNotifier previous_;
};

void PutInt32(Bytes& b, std::size_t at, std::int32_t v) {
    if (b.size() < at + 4) b.resize(at + 4);
    for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

// A skin like the stored one, in miniature: bitmaps with a mixed-case name and a name given twice, and
// the definition last.
std::vector<TPackEntry> SampleEntries() {
    return {
        {"Border-Top.BMP", Bitmap(32, 6, 0x404080, 1)},
        {"button.bmp", Bitmap(58, 21, 0xC0C0C0, 2)},
        {"shared.bmp", Bitmap(8, 8, 0x00FF00)},
        {"SHARED.bmp", Bitmap(9, 9, 0x0000FF)},
        {"skin.ini", Text("[Personality]\r\nLeft=border-top.bmp\r\n")},
    };
}

Bytes SamplePackage() { return LzhCompress(BuildSkinPackage(SampleEntries())); }

} // namespace

TEST(SkinReader, IndexesAPackageBuiltBySkinpack) {
    const Bytes package = BuildSkinPackage(SampleEntries());
    TSkinReader reader;
    Messages messages;
    ASSERT_TRUE(reader.LoadPackage(LzhCompress(package)));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(reader.Header().Format, 40000);
    EXPECT_EQ(reader.EntryCount(), 5);
    EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"border-top.bmp", "button.bmp", "shared.bmp",
                                                              "shared.bmp", "skin.ini"}));
    // The data begins after the header, the directory and the size table; the sizes add up to the rest.
    const std::size_t dataStart = 96 + static_cast<std::size_t>(reader.Header().DirLength) + 4 * 5;
    std::int64_t sum = 0;
    for (auto s : reader.EntrySizes()) sum += s;
    EXPECT_EQ(static_cast<std::size_t>(sum), package.size() - dataStart);
    EXPECT_EQ(reader.EntryData(), Bytes(package.begin() + static_cast<std::ptrdiff_t>(dataStart), package.end()));

    // Handed over already decompressed, the same package gives the same index and entries.
    TSkinReader direct;
    ASSERT_TRUE(direct.LoadDecompressed(package));
    EXPECT_EQ(direct.EntryNames(), reader.EntryNames());
    EXPECT_EQ(direct.EntrySizes(), reader.EntrySizes());
    EXPECT_EQ(direct.EntryData(), reader.EntryData());
    Bytes a, b;
    for (int i = 0; i < 5; ++i) {
        reader.EntryBytes(i, a);
        direct.EntryBytes(i, b);
        EXPECT_EQ(a, b) << i;
    }
}

TEST(SkinReader, FindsEntriesByNameInAnyLetterCase) {
    const auto entries = SampleEntries();
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(SamplePackage()));
    Bytes out;
    for (const char* query : {"border-top.bmp", "BORDER-TOP.BMP", "Border-top.Bmp"}) {
        EXPECT_TRUE(reader.ExtractEntry(query, out)) << query;
        EXPECT_EQ(out, entries[0].Bytes) << query;
    }
    // A name given twice always yields its first occurrence.
    EXPECT_TRUE(reader.ExtractEntry("Shared.bmp", out));
    EXPECT_EQ(out, entries[2].Bytes);
    reader.EntryBytes(3, out);
    EXPECT_EQ(out, entries[3].Bytes);
    // No match: empty.
    out = {1, 2, 3};
    EXPECT_FALSE(reader.ExtractEntry("missing.bmp", out));
    EXPECT_TRUE(out.empty());
}

TEST(SkinReader, FindEntryReturnsTheDefinitionWhichComesLast) {
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(SamplePackage()));
    Bytes out;
    std::string name = "unchanged";
    EXPECT_TRUE(reader.FindEntry(".ini", out, name));
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(out, SampleEntries().back().Bytes);
    // The fragment is compared as given: the names are lower-case.
    name = "unchanged";
    EXPECT_FALSE(reader.FindEntry(".INI", out, name));
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "unchanged");
}

TEST(SkinReader, UnknownFormatShowsTheMessageAndKeepsThePreviousIndex) {
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(SamplePackage()));
    Bytes package = BuildSkinPackage(SampleEntries());
    PutInt32(package, 0, 10000);
    Messages messages;
    EXPECT_FALSE(reader.LoadPackage(LzhCompress(package)));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "此文件版本不同\r请升级新版本 !");
    EXPECT_EQ(reader.EntryCount(), 5);
    Bytes out;
    EXPECT_TRUE(reader.ExtractEntry("button.bmp", out));
    EXPECT_EQ(out, SampleEntries()[1].Bytes);
}

TEST(SkinReader, ReadsTheOlderFormats) {
    for (const int format : {20000, 30000}) {
        SCOPED_TRACE(format);
        const std::string dir = "a.bmp\r\nb.ini";
        Bytes package;
        PutInt32(package, 0, format);
        PutInt32(package, 4, static_cast<std::int32_t>(dir.size()));
        package.resize(static_cast<std::size_t>(SkinPackageDirectoryOffset(format)), 0);
        package.insert(package.end(), dir.begin(), dir.end());
        PutInt32(package, package.size(), 2);
        PutInt32(package, package.size(), 3);
        for (const char c : std::string("ABxyz")) package.push_back(static_cast<std::uint8_t>(c));
        TSkinReader reader;
        ASSERT_TRUE(reader.LoadPackage(LzhCompress(package)));
        Bytes out;
        std::string name;
        EXPECT_TRUE(reader.FindEntry(".ini", out, name));
        EXPECT_EQ(out, Text("xyz"));
    }
}

// Damaged packages: nothing outside a buffer is touched (ASan watches), nothing huge is allocated, and
// whatever of an entry exists is delivered.
TEST(SkinReader, DamagedPackagesAreReadSafely) {
    const std::string dir = "one.bmp\r\ntwo.bmp\nthree.ini\r";
    auto make = [&](std::int32_t dirLength, std::vector<std::int32_t> sizes, std::size_t dataBytes) {
        Bytes p;
        PutInt32(p, 0, 40000);
        PutInt32(p, 4, dirLength);
        p.resize(96, 0);
        p.insert(p.end(), dir.begin(), dir.end());
        for (auto s : sizes) PutInt32(p, p.size(), s);
        for (std::size_t i = 0; i < dataBytes; ++i) p.push_back(static_cast<std::uint8_t>('a' + i % 26));
        return p;
    };
    const auto dirLen = static_cast<std::int32_t>(dir.size());
    const struct {
        const char* what;
        Bytes package;
        int count;
        std::size_t one, two, three; // bytes delivered for each entry
    } cases[] = {
        {"well formed", make(dirLen, {3, 4, 5}, 12), 3, 3, 4, 5},
        {"sizes past the data", make(dirLen, {3, 100, 0x7FFFFFFF}, 12), 3, 3, 9, 0},
        {"negative sizes count as empty", make(dirLen, {-5, 4, -2147483647 - 1}, 12), 3, 0, 4, 0},
        {"data cut inside the size table", [&] {
             Bytes p = make(dirLen, {3, 4, 5}, 0);
             p.resize(p.size() - 6);
             return p;
         }(), 3, 0, 0, 0},
        {"DirLength past the end: the rest reads as names", make(0x7FFFFFF0, {3, 4, 5}, 12), 4, 0, 0, 0},
        {"negative DirLength", make(-1000, {3, 4, 5}, 12), 0, 0, 0, 0},
        {"header only", Bytes{0x40, 0x9C, 0, 0}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TSkinReader reader;
        ASSERT_TRUE(reader.LoadPackage(LzhCompress(c.package)));
        EXPECT_EQ(reader.EntryCount(), c.count);
        Bytes out;
        reader.ExtractEntry("one.bmp", out);
        EXPECT_EQ(out.size(), c.one);
        reader.ExtractEntry("two.bmp", out);
        EXPECT_EQ(out.size(), c.two);
        reader.ExtractEntry("three.ini", out);
        EXPECT_EQ(out.size(), c.three);
    }
}

TEST(SkinReader, RefusesMoreThan1001Entries) {
    for (const int names : {1001, 1002, 5000}) {
        SCOPED_TRACE(names);
        std::string dir;
        for (int i = 0; i < names; ++i) dir.append("e").append(std::to_string(i)).append(".bmp\r\n");
        Bytes p;
        PutInt32(p, 0, 40000);
        PutInt32(p, 4, static_cast<std::int32_t>(dir.size()));
        p.resize(96, 0);
        p.insert(p.end(), dir.begin(), dir.end());
        for (int i = 0; i < names; ++i) PutInt32(p, p.size(), 1);
        p.resize(p.size() + static_cast<std::size_t>(names), 'z');
        TSkinReader reader;
        Messages messages;
        EXPECT_EQ(reader.LoadPackage(LzhCompress(p)), names <= 1001);
        EXPECT_EQ(messages.shown.size(), names <= 1001 ? 0u : 1u);
        EXPECT_EQ(reader.EntryCount(), names <= 1001 ? names : 0);
    }
}

TEST(SkinReader, DamagedCompressedFormsAreReadSafely) {
    TSkinReader reader;
    Messages messages;
    // No bytes at all, a short count (the missing bytes read as 0: 5 bytes of noise from no input), and a
    // declared size far beyond any skin (nothing decoded): the format is unknown each time.
    const struct {
        Bytes source;
        std::size_t decoded;
    } cases[] = {{{}, 0}, {{5, 0}, 5}, {{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3}, 0}};
    for (const auto& c : cases) {
        Bytes target{9};
        reader.Decompress(c.source, target);
        EXPECT_GE(target.size(), c.decoded);
        EXPECT_LE(target.size(), c.decoded == 0 ? 0 : c.decoded + 59);
        EXPECT_FALSE(reader.LoadPackage(c.source));
    }
    EXPECT_EQ(messages.shown.size(), 3u);
    // A package cut short still decodes to its declared size, so its format number is read.
    Bytes cut = SamplePackage();
    cut.resize(cut.size() / 3);
    EXPECT_TRUE(reader.LoadPackage(cut));
    EXPECT_EQ(reader.EntryNames().front(), "border-top.bmp");
}
