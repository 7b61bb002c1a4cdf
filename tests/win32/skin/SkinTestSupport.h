// Helpers of the skin data tests: small packages made on the fly and the stored skin as the build packed it.
#pragma once

#include "runtime/BmpCodec.h"
#include "runtime/FormReader.h"
#include "skin/data/WinSkinData.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinPacker.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// A 24-bit bitmap file of w x h pixels of one colour (0xRRGGBB as in a TColor: red low).
inline std::vector<std::uint8_t> SolidBmp(int w, int h, TSkinColor colour = 0x808080) {
    TPixelImage image;
    image.Width = w;
    image.Height = h;
    const std::uint32_t argb = 0xFF000000u | (RedOf(colour) << 16) | (GreenOf(colour) << 8) | BlueOf(colour);
    image.Pixels.assign(static_cast<std::size_t>(w) * h, argb);
    return EncodeBmpFile(image, 24);
}

inline std::vector<std::uint8_t> TextBytes(const std::string& text) { return {text.begin(), text.end()}; }

// A compressed package of the entries (the definition text last, as skins keep it).
inline std::vector<std::uint8_t> MakePackage(const std::vector<TPackEntry>& entries) {
    return LzhCompress(BuildSkinPackage(entries));
}

inline std::vector<std::uint8_t> ReadBinaryFile(const char* path) {
    std::vector<std::uint8_t> bytes;
    if (FILE* f = std::fopen(path, "rb")) {
        std::uint8_t buffer[65536];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(f);
    }
    return bytes;
}

// The "SkinStream" value of a form description: 4-byte count, then the package, in hexadecimal.
inline std::string SkinStreamHex(const std::vector<std::uint8_t>& package) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    const std::uint32_t n = static_cast<std::uint32_t>(package.size());
    const std::uint8_t count[4] = {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(n >> 16), std::uint8_t(n >> 24)};
    auto put = [&](std::uint8_t b) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    };
    for (std::uint8_t b : count) put(b);
    for (std::uint8_t b : package) put(b);
    return hex;
}

// Streams a root component holding one skin data component with the given properties and package.
struct StreamedSkinData {
    std::unique_ptr<TComponent> root;
    TSkinData* data = nullptr;

    StreamedSkinData(const std::string& properties, const std::vector<std::uint8_t>& package) {
        TSkinData::StaticClassInfo(); // registered for streaming by class name
        root = std::make_unique<TComponent>(nullptr);
        std::string text = "object Root: TComponent\n  object SkinData1: TSkinData\n" + properties;
        if (!package.empty()) text += "    SkinStream = {" + SkinStreamHex(package) + "}\n";
        text += "  end\nend\n";
        ReadComponentFromText(root.get(), text);
        data = dynamic_cast<TSkinData*>(root->FindComponent("SkinData1"));
    }
};

// The stored skin, packed by the build.
inline const std::vector<std::uint8_t>& StoredSkinPackage() {
    static const std::vector<std::uint8_t> package = ReadBinaryFile(GRV_STORED_SKIN_PACKAGE);
    return package;
}
