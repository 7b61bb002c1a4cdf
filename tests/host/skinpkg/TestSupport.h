// Helpers shared by the skin package tests: files, the LZHUF vectors, small bitmaps, packages.
#pragma once

#include "skin/data/LZH.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace skinpkg_test {

using Bytes = std::vector<std::uint8_t>;

inline std::filesystem::path VectorsDir() { return std::filesystem::path(GRV_SOURCE_DIR) / "tests/host/skinpkg/vectors"; }

inline Bytes ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::uint64_t Fnv1a64(const Bytes& bytes) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const std::uint8_t b : bytes) h = (h ^ b) * 0x100000001b3ull;
    return h;
}

struct Vector {
    std::string name;
    std::size_t size;
    std::uint64_t hash;
};

inline std::vector<Vector> Vectors() {
    std::vector<Vector> list;
    std::ifstream in(VectorsDir() / "MANIFEST");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Vector v;
        std::string hash;
        fields >> v.name >> v.size >> hash;
        v.hash = std::stoull(hash, nullptr, 16);
        list.push_back(v);
    }
    return list;
}

inline std::uint32_t DeclaredCount(const Bytes& framed) {
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < 4 && i < framed.size(); ++i) count |= static_cast<std::uint32_t>(framed[i]) << (8 * i);
    return count;
}

// Decodes a framed stream (4-byte count, bit stream) exactly as TLZH delivers it, reading the source
// `chunk` bytes at a time.
inline Bytes Decode(const Bytes& framed, std::size_t chunk = 1 << 20) {
    Bytes out;
    std::size_t pos = framed.size() < 4 ? framed.size() : 4;
    TLZH().Decode(
        DeclaredCount(framed), [&](const std::uint8_t* b, std::size_t n) { out.insert(out.end(), b, b + n); },
        [&](std::uint8_t* buffer, std::size_t size) {
            std::size_t n = std::min({size, chunk, framed.size() - pos});
            std::copy_n(framed.data() + pos, n, buffer);
            pos += n;
            return n;
        });
    return out;
}

inline Bytes RandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    return bytes;
}

// A complete 24-bit Windows bitmap file of w x h pixels in one colour (plus a seed-dependent pattern).
inline Bytes Bitmap(int w, int h, std::uint32_t colour, int seed = 0) {
    const int stride = (w * 3 + 3) & ~3;
    const std::uint32_t pixels = static_cast<std::uint32_t>(stride * h), fileSize = 54 + pixels;
    Bytes b(54, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B', b[1] = 'M';
    put32(2, fileSize), put32(10, 54), put32(14, 40), put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h)), b[26] = 1, b[28] = 24, put32(34, pixels);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool mark = seed && (x * 7 + y * 3 + seed) % 11 == 0;
            const std::uint32_t c = mark ? 0xFF00FFu : colour;
            b.push_back(static_cast<std::uint8_t>(c >> 16)), b.push_back(static_cast<std::uint8_t>(c >> 8));
            b.push_back(static_cast<std::uint8_t>(c));
        }
        for (int pad = w * 3; pad < stride; ++pad) b.push_back(0);
    }
    return b;
}

inline Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A fresh, empty folder under the system's temporary folder.
inline std::filesystem::path FreshFolder(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / ("grv-skinpkg-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace skinpkg_test
