#include "runtime/BmpCodec.h"

#include <algorithm>

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;
// Run-length images up to this many pixels are accepted whatever their data; larger ones need data that
// could fill them.
constexpr int64_t kRleAnySizePixels = int64_t(1) << 20;
constexpr int64_t kRlePixelsPerByte = 128;

uint16_t u16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t u32(const uint8_t* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24); }

// One colour channel given by a bit mask, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t max = 0;

    bool set(uint32_t m) {
        mask = m;
        if (m == 0) return true;
        shift = 0;
        while (!((m >> shift) & 1)) ++shift;
        uint64_t bits = uint64_t(m) >> shift;
        if (bits & (bits + 1)) return false; // not contiguous
        max = bits;
        return true;
    }
    uint32_t get(uint32_t v, uint32_t absent) const {
        if (!mask) return absent;
        return uint32_t(((uint64_t(v & mask) >> shift) * 255 + max / 2) / max);
    }
};

struct Layout {
    int64_t width = 0, height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t sizeImage = 0;
    uint32_t colorsUsed = 0;
    size_t headerSize = 0;
    size_t masksSize = 0;       // masks stored after a 40-byte header
    size_t paletteEntrySize = 4;
    uint32_t masks[4] = {0, 0, 0, 0};
    bool explicitMasks = false;
};

bool readHeader(const uint8_t* d, size_t size, Layout& l) {
    if (size < 4) return false;
    uint32_t hs = u32(d);
    if (hs == 12) {
        if (size < 12) return false;
        l.width = u16(d + 4);
        l.height = u16(d + 6);
        if (u16(d + 8) != 1) return false;
        l.bitCount = u16(d + 10);
        l.paletteEntrySize = 3;
        l.headerSize = 12;
        return l.bitCount == 1 || l.bitCount == 4 || l.bitCount == 8 || l.bitCount == 24;
    }
    if (hs != 40 && hs != 52 && hs != 56 && hs != 108 && hs != 124) return false;
    if (size < hs) return false;
    int32_t w = int32_t(u32(d + 4)), h = int32_t(u32(d + 8));
    if (u16(d + 12) != 1) return false;
    l.width = w;
    l.topDown = h < 0;
    l.height = h < 0 ? -int64_t(h) : int64_t(h);
    l.bitCount = u16(d + 14);
    l.compression = u32(d + 16);
    l.sizeImage = u32(d + 20);
    l.colorsUsed = u32(d + 32);
    l.headerSize = hs;
    if (l.compression == kBitfields || l.compression == kAlphaBitfields) {
        size_t count = l.compression == kAlphaBitfields ? 4 : 3;
        const uint8_t* m = d + 40;
        if (hs == 40) {
            l.masksSize = count * 4;
            if (size < 40 + l.masksSize) return false;
        } else if (hs < 40 + count * 4) {
            return false;
        }
        for (size_t i = 0; i < count; ++i) l.masks[i] = u32(m + 4 * i);
        if (count == 3 && hs >= 56) l.masks[3] = u32(d + 52);
        l.explicitMasks = true;
    } else if (hs >= 56 && l.bitCount == 32 && l.compression == kRgb) {
        // V3 and later headers may carry an alpha mask even for BI_RGB; Windows ignores it there.
    }
    return true;
}

bool validate(Layout& l) {
    if (l.width <= 0 || l.height <= 0) return false;
    if (l.width > kMaxBitmapSide || l.height > kMaxBitmapSide || l.width * l.height > kMaxBitmapPixels) return false;
    switch (l.compression) {
    case kRgb:
        if (l.bitCount != 1 && l.bitCount != 4 && l.bitCount != 8 && l.bitCount != 16 && l.bitCount != 24 && l.bitCount != 32)
            return false;
        break;
    case kRle8:
        if (l.bitCount != 8 || l.topDown) return false;
        break;
    case kRle4:
        if (l.bitCount != 4 || l.topDown) return false;
        break;
    case kBitfields:
    case kAlphaBitfields:
        if (l.bitCount != 16 && l.bitCount != 32) return false;
        break;
    default:
        return false; // JPEG, PNG and unknown compressions
    }
    if (l.bitCount <= 8) {
        uint32_t maxColors = 1u << l.bitCount;
        if (l.colorsUsed > maxColors) return false;
    } else if (l.colorsUsed > 256) {
        return false; // an optimisation palette larger than any real one
    }
    return true;
}

bool setupMasks(const Layout& l, Channel ch[4]) {
    uint32_t m[4];
    if (l.explicitMasks) {
        std::copy(l.masks, l.masks + 4, m);
    } else if (l.bitCount == 16) {
        m[0] = 0x7C00; m[1] = 0x03E0; m[2] = 0x001F; m[3] = 0;
    } else {
        m[0] = 0x00FF0000; m[1] = 0x0000FF00; m[2] = 0x000000FF; m[3] = 0xFF000000;
    }
    if (!m[0] || !m[1] || !m[2]) return false;
    uint32_t limit = l.bitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    uint32_t seen = 0;
    for (int i = 0; i < 4; ++i) {
        if ((m[i] & ~limit) || (m[i] & seen)) return false;
        seen |= m[i];
        if (!ch[i].set(m[i])) return false;
    }
    return true;
}

uint32_t pixelFromChannels(const Channel ch[4], uint32_t v) {
    return (ch[3].get(v, 255) << 24) | (ch[0].get(v, 0) << 16) | (ch[1].get(v, 0) << 8) | ch[2].get(v, 0);
}

void decodeRle(const uint8_t* p, const uint8_t* end, const Layout& l, const std::vector<uint32_t>& palette, TPixelImage& out) {
    const int w = int(l.width), h = int(l.height);
    const bool four = l.compression == kRle4;
    auto put = [&](int64_t x, int64_t y, unsigned index) {
        if (x < w && y < h) out.Pixels[size_t(h - 1 - y) * size_t(w) + size_t(x)] = index < palette.size() ? palette[index] : 0xFF000000u;
    };
    int64_t x = 0, y = 0;
    while (end - p >= 2 && y < h) {
        unsigned a = p[0], b = p[1];
        p += 2;
        if (a > 0) {
            for (unsigned i = 0; i < a && x < w; ++i, ++x) put(x, y, four ? ((i & 1) ? (b & 0xF) : (b >> 4)) : b);
        } else if (b == 0) {
            x = 0;
            ++y;
        } else if (b == 1) {
            break;
        } else if (b == 2) {
            if (end - p < 2) break;
            x += p[0];
            y += p[1];
            p += 2;
        } else {
            size_t bytes = four ? (b + 1) / 2 : b;
            size_t avail = size_t(end - p);
            size_t use = std::min(bytes, avail);
            for (unsigned i = 0; i < b; ++i, ++x) {
                size_t byte = four ? i / 2 : i;
                if (byte >= use) break;
                unsigned v = p[byte];
                put(x, y, four ? ((i & 1) ? (v & 0xF) : (v >> 4)) : v);
            }
            if (bytes > avail) break;
            p += bytes + (bytes & 1);
            if (p > end) break;
        }
    }
}

bool decode(const uint8_t* d, size_t size, bool haveOffset, size_t bitsOffset, TPixelImage& out) {
    out = TPixelImage();
    Layout l;
    if (!readHeader(d, size, l) || !validate(l)) return false;

    size_t paletteOffset = l.headerSize + l.masksSize;
    size_t paletteCount = 0;
    std::vector<uint32_t> palette;
    if (l.bitCount <= 8) {
        paletteCount = l.colorsUsed ? l.colorsUsed : (1u << l.bitCount);
        if (paletteOffset + paletteCount * l.paletteEntrySize > size) return false;
        palette.resize(paletteCount);
        for (size_t i = 0; i < paletteCount; ++i) {
            const uint8_t* e = d + paletteOffset + i * l.paletteEntrySize;
            palette[i] = 0xFF000000u | (uint32_t(e[2]) << 16) | (uint32_t(e[1]) << 8) | e[0];
        }
    } else {
        paletteCount = l.colorsUsed;
    }
    size_t defaultOffset = paletteOffset + paletteCount * l.paletteEntrySize;
    if (!haveOffset) bitsOffset = defaultOffset;
    if (bitsOffset < paletteOffset || bitsOffset > size) return false;

    const size_t available = size - bitsOffset;
    const uint8_t* bits = d + bitsOffset;
    const int64_t stride = ((l.width * l.bitCount + 31) / 32) * 4;
    const bool rle = l.compression == kRle4 || l.compression == kRle8;
    size_t rleSize = available;
    if (rle) {
        if (l.sizeImage > available) return false;
        if (l.sizeImage) rleSize = l.sizeImage;
        // Run-length data may leave pixels untouched, so a few bytes could declare any size: the image may
        // be no larger than its data can fill (a 2-byte run fills at most 255 pixels) or a small floor.
        if (l.width * l.height > std::max<int64_t>(kRleAnySizePixels, int64_t(rleSize) * kRlePixelsPerByte)) return false;
    } else if (uint64_t(stride) * uint64_t(l.height) > available) {
        return false;
    }

    Channel ch[4];
    if (l.bitCount == 16 || l.bitCount == 32)
        if (!setupMasks(l, ch)) return false;

    out.Width = int(l.width);
    out.Height = int(l.height);
    out.SourceBitCount = l.bitCount;
    out.HasAlpha = l.bitCount == 32 ? ch[3].mask != 0 : (l.bitCount == 16 && ch[3].mask != 0);
    out.Pixels.assign(size_t(l.width * l.height), 0xFF000000u);

    if (rle) {
        decodeRle(bits, bits + rleSize, l, palette, out);
        return true;
    }
    const int w = out.Width;
    for (int64_t row = 0; row < l.height; ++row) {
        const uint8_t* src = bits + row * stride;
        int64_t y = l.topDown ? row : l.height - 1 - row;
        uint32_t* dst = out.Pixels.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) {
            uint32_t px;
            switch (l.bitCount) {
            case 1:
            case 4:
            case 8: {
                int bpp = l.bitCount;
                unsigned bitPos = unsigned(x) * unsigned(bpp);
                unsigned index = (src[bitPos / 8] >> (8 - bpp - bitPos % 8)) & ((1u << bpp) - 1);
                px = index < palette.size() ? palette[index] : 0xFF000000u;
                break;
            }
            case 16: px = pixelFromChannels(ch, u16(src + 2 * x)); break;
            case 24: px = 0xFF000000u | (uint32_t(src[3 * x + 2]) << 16) | (uint32_t(src[3 * x + 1]) << 8) | src[3 * x]; break;
            default: px = pixelFromChannels(ch, u32(src + 4 * x)); break;
            }
            dst[x] = px;
        }
    }
    return true;
}

void put16(std::vector<uint8_t>& v, uint16_t x) { v.push_back(uint8_t(x)); v.push_back(uint8_t(x >> 8)); }
void put32(std::vector<uint8_t>& v, uint32_t x) { put16(v, uint16_t(x)); put16(v, uint16_t(x >> 16)); }

} // namespace

bool DecodeDib(const uint8_t* data, size_t size, TPixelImage& out) {
    if (!data) { out = TPixelImage(); return false; }
    bool ok = decode(data, size, false, 0, out);
    if (!ok) out = TPixelImage();
    return ok;
}

bool DecodeBmpFile(const uint8_t* data, size_t size, TPixelImage& out) {
    out = TPixelImage();
    if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return false;
    uint32_t offBits = u32(data + 10);
    bool ok;
    if (offBits == 0) {
        ok = decode(data + 14, size - 14, false, 0, out);
    } else {
        if (offBits < 14) return false;
        ok = decode(data + 14, size - 14, true, offBits - 14, out);
    }
    if (!ok) out = TPixelImage();
    return ok;
}

std::vector<uint8_t> EncodeBmpFile(const TPixelImage& image, int bitCount) {
    std::vector<uint8_t> v;
    if (image.Empty() || (bitCount != 24 && bitCount != 32)) return v;
    const uint32_t stride = ((uint32_t(image.Width) * uint32_t(bitCount) + 31) / 32) * 4;
    const uint32_t imageSize = stride * uint32_t(image.Height);
    v.reserve(54 + imageSize);
    v.push_back('B');
    v.push_back('M');
    put32(v, 54 + imageSize);
    put32(v, 0);
    put32(v, 54);
    put32(v, 40);
    put32(v, uint32_t(image.Width));
    put32(v, uint32_t(image.Height));
    put16(v, 1);
    put16(v, uint16_t(bitCount));
    put32(v, 0);
    put32(v, imageSize);
    put32(v, 3780);
    put32(v, 3780);
    put32(v, 0);
    put32(v, 0);
    for (int y = image.Height - 1; y >= 0; --y) {
        size_t start = v.size();
        for (int x = 0; x < image.Width; ++x) {
            uint32_t p = image.At(x, y);
            v.push_back(uint8_t(p));
            v.push_back(uint8_t(p >> 8));
            v.push_back(uint8_t(p >> 16));
            if (bitCount == 32) v.push_back(uint8_t(p >> 24));
        }
        while (v.size() - start < stride) v.push_back(0);
    }
    return v;
}
