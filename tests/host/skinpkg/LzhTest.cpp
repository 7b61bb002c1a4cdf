// The LZHUF decoder against the published encoder's streams, and our encoder against the decoder.
#include "TestSupport.h"
#include "tools/skinpack/LzhEncoder.h"

#include <gtest/gtest.h>

using namespace skinpkg_test;

TEST(LzhVectors, DecodeToThePlainFilesByteForByte) {
    const auto vectors = Vectors();
    ASSERT_EQ(vectors.size(), 12u);
    for (const Vector& v : vectors) {
        SCOPED_TRACE(v.name);
        const Bytes framed = ReadAll(VectorsDir() / (v.name + ".lzh"));
        ASSERT_GE(framed.size(), 4u);
        EXPECT_EQ(DeclaredCount(framed), v.size);
        const Bytes plain = Decode(framed);
        EXPECT_EQ(plain.size(), v.size);
        EXPECT_EQ(Fnv1a64(plain), v.hash);
        // A reader that hands over one byte at a time changes nothing.
        if (v.size < 50000) {
            EXPECT_EQ(Decode(framed, 1), plain);
        }
    }
}

TEST(LzhVectors, OurEncoderRoundTripsAndMatchesThePublishedRatio) {
    for (const Vector& v : Vectors()) {
        SCOPED_TRACE(v.name);
        const Bytes published = ReadAll(VectorsDir() / (v.name + ".lzh"));
        const Bytes plain = Decode(published);
        const Bytes ours = LzhCompress(plain);
        EXPECT_EQ(Decode(ours), plain);
        // Same algorithm, same window and tree: no more than 1% larger than the published encoder's output.
        EXPECT_LE(static_cast<double>(ours.size()), published.size() * 1.01 + 1);
    }
}

TEST(LzhRoundTrip, TableOfInputs) {
    auto runs = [](std::size_t size) {
        Bytes b;
        for (std::size_t i = 0; b.size() < size; ++i) b.insert(b.end(), std::min<std::size_t>(1 + i * 37 % 300, size - b.size()), static_cast<std::uint8_t>(i * 13));
        return b;
    };
    const struct {
        const char* what;
        Bytes input;
    } cases[] = {
        {"empty", {}},
        {"one byte", {0x41}},
        {"one space (matches the initial ring)", {' '}},
        {"random 100k", RandomBytes(100000, 1)},
        {"long runs", runs(200000)},
        {"one value 300k (many tree rebuilds)", Bytes(300000, 0xAB)},
        {"exactly 4096", RandomBytes(4096, 2)},
        {"exactly 3 x 4096 of runs", runs(3 * 4096)},
        {"4096 + 1", RandomBytes(4097, 3)},
        {"60 and 61 bytes", Bytes(61, 'x')},
        {"all byte values", [] {
             Bytes b;
             for (int r = 0; r < 50; ++r)
                 for (int i = 0; i < 256; ++i) b.push_back(static_cast<std::uint8_t>(i * (r + 1)));
             return b;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes framed = LzhCompress(c.input);
        EXPECT_EQ(DeclaredCount(framed), c.input.size());
        EXPECT_EQ(Decode(framed), c.input);
    }
}

TEST(LzhDecode, CountOfZeroWritesNothingAndReadsNothing) {
    bool read = false, written = false;
    TLZH().Decode(
        0, [&](const std::uint8_t*, std::size_t) { written = true; },
        [&](std::uint8_t*, std::size_t) {
            read = true;
            return std::size_t{0};
        });
    EXPECT_FALSE(read);
    EXPECT_FALSE(written);
}

TEST(LzhDecode, TruncatedStreamDecodesToTheFullCount) {
    const Bytes plain = Decode(ReadAll(VectorsDir() / "text-35k.bin.lzh"));
    const Bytes framed = LzhCompress(plain);
    for (const std::size_t keep : {std::size_t{4}, std::size_t{5}, framed.size() / 2, framed.size() - 1}) {
        SCOPED_TRACE(keep);
        const Bytes cut(framed.begin(), framed.begin() + static_cast<std::ptrdiff_t>(keep));
        const Bytes out = Decode(cut);
        EXPECT_GE(out.size(), plain.size());
        EXPECT_LE(out.size(), plain.size() + 59);
        // What the kept bytes fully determine comes out right.
        const std::size_t sure = keep <= 5 ? 0 : (keep - 4) * 2;
        EXPECT_TRUE(std::equal(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(sure), plain.begin()));
    }
}

TEST(LzhDecode, AMatchIsCopiedWholeEvenPastTheCount) {
    Bytes framed = LzhCompress(Bytes(100, 'a')); // a literal, then long matches
    framed[0] = 2, framed[1] = framed[2] = framed[3] = 0;
    const Bytes out = Decode(framed);
    EXPECT_GT(out.size(), 2u);
    EXPECT_EQ(out, Bytes(out.size(), 'a'));
}
