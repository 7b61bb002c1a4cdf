#include "runtime/BmpCodec.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct DibShape {
    uint32_t headerSize = 40;
    int32_t width = 2, height = 2;
    uint16_t planes = 1, bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    uint32_t sizeImage = 0;
    std::vector<uint32_t> palette; // 0x00RRGGBB
    std::vector<uint32_t> masks;   // written after a 40-byte header, or inside a larger one
    std::vector<uint8_t> bits;
    int64_t offBitsDelta = 0;      // added to the correct bfOffBits
};

void put16(std::vector<uint8_t>& v, uint32_t x) { v.push_back(uint8_t(x)); v.push_back(uint8_t(x >> 8)); }
void put32(std::vector<uint8_t>& v, uint32_t x) { put16(v, x & 0xFFFF); put16(v, x >> 16); }

std::vector<uint8_t> makeDib(const DibShape& s) {
    std::vector<uint8_t> v;
    put32(v, s.headerSize);
    if (s.headerSize == 12) {
        put16(v, uint32_t(s.width));
        put16(v, uint32_t(s.height));
        put16(v, s.planes);
        put16(v, s.bitCount);
    } else {
        put32(v, uint32_t(s.width));
        put32(v, uint32_t(s.height));
        put16(v, s.planes);
        put16(v, s.bitCount);
        put32(v, s.compression);
        put32(v, s.sizeImage);
        put32(v, 2835);
        put32(v, 2835);
        put32(v, s.colorsUsed);
        put32(v, 0);
        if (s.headerSize > 40) {
            for (size_t i = 0; i < 4; ++i) put32(v, i < s.masks.size() ? s.masks[i] : 0);
            v.resize(s.headerSize, 0);
        } else {
            for (uint32_t m : s.masks) put32(v, m);
        }
    }
    for (uint32_t c : s.palette) {
        v.push_back(uint8_t(c));
        v.push_back(uint8_t(c >> 8));
        v.push_back(uint8_t(c >> 16));
        if (s.headerSize != 12) v.push_back(0);
    }
    v.insert(v.end(), s.bits.begin(), s.bits.end());
    return v;
}

std::vector<uint8_t> makeFile(const DibShape& s) {
    std::vector<uint8_t> dib = makeDib(s);
    std::vector<uint8_t> v{'B', 'M'};
    put32(v, uint32_t(14 + dib.size()));
    put32(v, 0);
    put32(v, uint32_t(14 + dib.size() - s.bits.size() + s.offBitsDelta));
    v.insert(v.end(), dib.begin(), dib.end());
    return v;
}

bool decodeFile(const DibShape& s, TPixelImage& img) {
    auto bytes = makeFile(s);
    return DecodeBmpFile(bytes.data(), bytes.size(), img);
}

} // namespace

TEST(Bmp, EncodeDecodeRoundTrip24And32) {
    TPixelImage img;
    img.Width = 3;
    img.Height = 2;
    img.Pixels = {0xFF112233, 0xFF445566, 0xFF778899, 0xFFAABBCC, 0xFFDDEEFF, 0xFF000001};
    for (int bits : {24, 32}) {
        auto file = EncodeBmpFile(img, bits);
        TPixelImage back;
        ASSERT_TRUE(DecodeBmpFile(file.data(), file.size(), back));
        EXPECT_EQ(back.Width, 3);
        EXPECT_EQ(back.Height, 2);
        EXPECT_EQ(back.Pixels, img.Pixels);
        EXPECT_EQ(back.SourceBitCount, bits);
    }
    EXPECT_TRUE(EncodeBmpFile(img, 8).empty());
}

TEST(Bmp, EveryDepthAndHeader) {
    const uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF;
    struct Case {
        const char* name;
        DibShape shape;
        std::vector<uint32_t> expected; // top-down
    } cases[] = {
        // 2x2 bottom-up: bottom row first in the file
        {"1 bit", {40, 2, 2, 1, 1, 0, 0, 0, {0x000000, white}, {}, {0x80, 0, 0, 0, 0x40, 0, 0, 0}},
         {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}},
        {"4 bit, 3 colours used", {40, 3, 1, 1, 4, 0, 3, 0, {red, green, blue}, {}, {0x12, 0x00, 0, 0}},
         {0xFF00FF00, 0xFF0000FF, 0xFFFF0000}},
        {"8 bit, index beyond the table is black", {40, 2, 1, 1, 8, 0, 2, 0, {red, green}, {}, {1, 7, 0, 0}},
         {0xFF00FF00, 0xFF000000}},
        {"24 bit top-down", {40, 1, -2, 1, 24, 0, 0, 0, {}, {}, {0x01, 0x02, 0x03, 0, 0x04, 0x05, 0x06, 0}},
         {0xFF030201, 0xFF060504}},
        {"16 bit 5-5-5", {40, 2, 1, 1, 16, 0, 0, 0, {}, {}, {0x00, 0x7C, 0x1F, 0x00}}, {0xFFFF0000, 0xFF0000FF}},
        {"16 bit 5-6-5 bitfields", {40, 1, 1, 1, 16, 3, 0, 0, {}, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0, 0}},
         {0xFF00FF00}},
        {"32 bit BI_RGB keeps the fourth byte", {40, 1, 1, 1, 32, 0, 0, 0, {}, {}, {0x10, 0x20, 0x30, 0x80}},
         {0x80302010}},
        {"V5 header with alpha mask", {124, 1, 1, 1, 32, 3, 0, 0, {}, {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF}, {0x7F, 0x33, 0x22, 0x11}},
         {0x7F332211}},
        {"V4 header 16 bit", {108, 1, 1, 1, 16, 3, 0, 0, {}, {0xF800, 0x07E0, 0x001F}, {0x1F, 0x00, 0, 0}}, {0xFF0000FF}},
        {"core header 8 bit", {12, 1, 1, 1, 8, 0, 0, 0, std::vector<uint32_t>(256, blue), {}, {0, 0, 0, 0}}, {0xFF0000FF}},
        {"core header 24 bit", {12, 1, 1, 1, 24, 0, 0, 0, {}, {}, {0xFF, 0, 0, 0}}, {0xFF0000FF}},
        // RLE8 4x3: row 0 (bottom) run of 4 x index1; EOL; row 1 absolute [0,1,0] + pad, EOL; delta (1,0); run 2 x index1; EOB
        {"RLE8", {40, 4, 3, 1, 8, 1, 2, 0, {red, green}, {}, {4, 1, 0, 0, 0, 3, 0, 1, 0, 0, 0, 0, 0, 2, 1, 0, 2, 1, 0, 1}},
         {0xFF000000, 0xFF00FF00, 0xFF00FF00, 0xFF000000,
          0xFFFF0000, 0xFF00FF00, 0xFFFF0000, 0xFF000000,
          0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00}},
        // RLE4 3x1: run of 3 alternating (1,2,1); EOB
        {"RLE4", {40, 3, 1, 1, 4, 2, 3, 0, {red, green, blue}, {}, {3, 0x12, 0, 1}}, {0xFF00FF00, 0xFF0000FF, 0xFF00FF00}},
        {"RLE8 with overlong runs and no end marker is clipped", {40, 2, 1, 1, 8, 1, 2, 0, {red, green}, {}, {200, 1, 0, 2, 9, 9}},
         {0xFF00FF00, 0xFF00FF00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPixelImage img;
        ASSERT_TRUE(decodeFile(c.shape, img));
        EXPECT_EQ(img.Pixels, c.expected);
        EXPECT_EQ(img.SourceBitCount, c.shape.bitCount);
    }
}

TEST(Bmp, RunLengthImagesAsLargeAsTheirDataCanFill) {
    // Up to 2^20 pixels any data will do (what it leaves untouched is black); beyond that the data must be
    // able to fill the image: 2048 x 1024 needs 16384 bytes.
    TPixelImage img;
    ASSERT_TRUE(decodeFile({40, 1024, 1024, 1, 8, 1, 1, 0, {0xFF0000}, {}, {0, 1}}, img));
    EXPECT_EQ(img.At(1023, 0), 0xFF000000u);
    std::vector<uint8_t> runs;
    for (int i = 0; i < 8192; ++i) runs.insert(runs.end(), {255, 0});
    EXPECT_TRUE(decodeFile({40, 2048, 1024, 1, 8, 1, 1, 0, {0xFF0000}, {}, runs}, img));
    EXPECT_EQ(img.At(0, 1023), 0xFFFF0000u);
    runs.resize(runs.size() - 2);
    EXPECT_FALSE(decodeFile({40, 2048, 1024, 1, 8, 1, 1, 0, {0xFF0000}, {}, runs}, img));
}

TEST(Bmp, PackedDibAsInResources) {
    DibShape s{40, 1, 1, 1, 8, 0, 1, 0, {0x123456}, {}, {0, 0, 0, 0}};
    auto dib = makeDib(s);
    TPixelImage img;
    ASSERT_TRUE(DecodeDib(dib.data(), dib.size(), img));
    EXPECT_EQ(img.Pixels, std::vector<uint32_t>{0xFF123456});
}

TEST(Bmp, DamagedOrHostileFilesGiveAnEmptyImage) {
    const DibShape good{40, 2, 2, 1, 24, 0, 0, 0, {}, {}, std::vector<uint8_t>(16, 0)};
    struct Case {
        const char* name;
        DibShape shape;
    } cases[] = {
        {"zero width", [&] { DibShape s = good; s.width = 0; return s; }()},
        {"negative width", [&] { DibShape s = good; s.width = -2; return s; }()},
        {"zero height", [&] { DibShape s = good; s.height = 0; return s; }()},
        {"height INT_MIN", [&] { DibShape s = good; s.height = INT32_MIN; return s; }()},
        {"huge sides", [&] { DibShape s = good; s.width = 100000; s.height = 100000; return s; }()},
        {"too many pixels", [&] { DibShape s = good; s.width = 30000; s.height = 30000; return s; }()},
        {"two planes", [&] { DibShape s = good; s.planes = 2; return s; }()},
        {"2 bits per pixel", [&] { DibShape s = good; s.bitCount = 2; return s; }()},
        {"JPEG compression", [&] { DibShape s = good; s.compression = 4; return s; }()},
        {"unknown compression", [&] { DibShape s = good; s.compression = 77; return s; }()},
        {"RLE8 at 24 bits", [&] { DibShape s = good; s.compression = 1; return s; }()},
        {"bitfields at 24 bits", [&] { DibShape s = good; s.compression = 3; s.masks = {0xFF, 0xFF00, 0xFF0000}; return s; }()},
        {"truncated pixel data", [&] { DibShape s = good; s.bits.resize(15); return s; }()},
        {"offset past the end", [&] { DibShape s = good; s.offBitsDelta = 1000; return s; }()},
        {"offset inside the header", [&] { DibShape s = good; s.offBitsDelta = -30; return s; }()},
        {"odd header size", [&] { DibShape s = good; s.headerSize = 64; return s; }()},
        {"colours used beyond the depth", {40, 1, 1, 1, 8, 0, 300, 0, std::vector<uint32_t>(300, 0), {}, {0, 0, 0, 0}}},
        {"palette cut off", {40, 1, 1, 1, 8, 0, 0, 0, std::vector<uint32_t>(10, 0), {}, {}}},
        {"non-contiguous mask", {40, 1, 1, 1, 16, 3, 0, 0, {}, {0xF00F, 0x0F00, 0x00F0}, {0, 0, 0, 0}}},
        {"overlapping masks", {40, 1, 1, 1, 32, 3, 0, 0, {}, {0xFF0000, 0xFFFF00, 0xFF}, {0, 0, 0, 0}}},
        {"zero mask", {40, 1, 1, 1, 32, 3, 0, 0, {}, {0, 0xFF00, 0xFF}, {0, 0, 0, 0}}},
        {"16 bit mask beyond 16 bits", {40, 1, 1, 1, 16, 3, 0, 0, {}, {0x1F0000, 0x7E0, 0x1F}, {0, 0, 0, 0}}},
        {"top-down RLE", {40, 2, -1, 1, 8, 1, 2, 0, {0, 0}, {}, {2, 1, 0, 1}}},
        {"RLE size beyond the data", {40, 2, 1, 1, 8, 1, 2, 5000, {0, 0}, {}, {2, 1, 0, 1}}},
        // 60 bytes in all: would ask for 64 MiB of pixels.
        {"RLE8 at 4096 x 4096 with 2 bytes of data", {40, 4096, 4096, 1, 8, 1, 1, 0, {0}, {}, {0, 1}}},
        {"RLE4 beyond the small-image floor with too little data", {40, 1025, 1024, 1, 4, 2, 1, 0, {0}, {}, std::vector<uint8_t>(8000, 0)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPixelImage img;
        img.Width = 5; // must be reset
        EXPECT_FALSE(decodeFile(c.shape, img));
        EXPECT_TRUE(img.Empty());
        EXPECT_TRUE(img.Pixels.empty());
    }
    TPixelImage img;
    const uint8_t notBmp[] = "PK\x03\x04 not a bitmap at all, but long enough";
    EXPECT_FALSE(DecodeBmpFile(notBmp, sizeof notBmp, img));
    EXPECT_FALSE(DecodeBmpFile(nullptr, 0, img));
    auto file = makeFile(good);
    for (size_t cut = 0; cut < file.size(); ++cut) EXPECT_FALSE(DecodeBmpFile(file.data(), cut, img)) << cut;
}
