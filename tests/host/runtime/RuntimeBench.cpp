// Start-up costs of the framework's pure parts: parsing a main-window-sized form description (most of it
// hex-encoded bitmaps) and decoding bitmaps of the sizes the program carries.
#include "runtime/BmpCodec.h"
#include "runtime/FormReader.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
std::vector<uint8_t> bitmapFile(int w, int h, int bits) {
    TPixelImage img;
    img.Width = w;
    img.Height = h;
    img.Pixels.resize(size_t(w) * h);
    for (size_t i = 0; i < img.Pixels.size(); ++i) img.Pixels[i] = 0xFF000000u | uint32_t(i * 2654435761u >> 8);
    return EncodeBmpFile(img, bits);
}

std::string hex(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) s += "\n      ";
        s += digits[bytes[i] >> 4];
        s += digits[bytes[i] & 15];
    }
    return s;
}

std::string mainFormLikeDescription() {
    std::string d = "object MainForm: TMainForm\n  Caption = 'Grivelle'\n  ClientWidth = 396\n";
    d += "  object Image2: TImage\n    Picture.Data = {" + hex(bitmapFile(400, 200, 24)) + "}\n  end\n";
    d += "  object Image1: TImage\n    Picture.Data = {" + hex(bitmapFile(402, 65, 24)) + "}\n  end\n";
    for (int i = 0; i < 16; ++i)
        d += "  object Label" + std::to_string(i) + ": TLabel\n    Left = 8\n    Top = 69\n    Caption = '图片类型：'\n    Transparent = True\n  end\n";
    d += "  object SkinData1: TSkinData\n    SkinStream = {" + hex(std::vector<uint8_t>(45844, 0x5A)) + "}\n  end\nend\n";
    return d;
}
} // namespace

static void BM_ParseMainFormDescription(benchmark::State& state) {
    std::string text = mainFormLikeDescription();
    for (auto _ : state) benchmark::DoNotOptimize(ParseFormDescription(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_ParseMainFormDescription);

static void BM_DecodeBmp24(benchmark::State& state) {
    auto file = bitmapFile(400, 200, 24);
    TPixelImage img;
    for (auto _ : state) benchmark::DoNotOptimize(DecodeBmpFile(file.data(), file.size(), img));
    state.SetItemsProcessed(int64_t(state.iterations()) * 400 * 200);
}
BENCHMARK(BM_DecodeBmp24);

