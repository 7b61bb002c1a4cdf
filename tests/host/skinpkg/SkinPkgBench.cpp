// Speed of the skin package path: LZHUF decoding in MB/s, and a whole skin load (decompress, index,
// find the definition, parse it).
#include "TestSupport.h"
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinPacker.h"

#include <benchmark/benchmark.h>

using namespace skinpkg_test;

namespace {

Bytes DecodeVector(const char* name) { return Decode(ReadAll(VectorsDir() / name)); }

void DecodeLoop(benchmark::State& state, const Bytes& framed) {
    const std::size_t plain = DeclaredCount(framed);
    TSkinReader reader;
    Bytes out;
    for (auto _ : state) {
        reader.Decompress(framed, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain));
    state.counters["ratio"] = static_cast<double>(framed.size()) / static_cast<double>(plain);
}

// The published encoder's stream of bitmap-like data the size of a whole skin.
void BM_DecodeSkinLike525k(benchmark::State& state) {
    static const Bytes framed = ReadAll(VectorsDir() / "skin-like-525k.bin.lzh");
    DecodeLoop(state, framed);
}

// 10 MB of text, noise, runs and bitmaps, compressed by skinpack's encoder.
const Bytes& Mixed10MB() {
    static const Bytes framed = [] {
        const Bytes parts[] = {DecodeVector("text-35k.bin.lzh"), DecodeVector("mixed-78k.bin.lzh"),
                               DecodeVector("panel-400x180.bmp.lzh"), DecodeVector("random-20k.bin.lzh"),
                               DecodeVector("skin-like-525k.bin.lzh"), DecodeVector("spaces-run.bin.lzh")};
        Bytes mixed;
        for (std::size_t i = 0; mixed.size() < 10u * 1000 * 1000; ++i) {
            const Bytes& part = parts[i % std::size(parts)];
            mixed.insert(mixed.end(), part.begin(), part.begin() + static_cast<std::ptrdiff_t>(std::min(part.size(), 10u * 1000 * 1000 - mixed.size())));
        }
        return LzhCompress(mixed);
    }();
    return framed;
}

void BM_DecodeMixed10MB(benchmark::State& state) { DecodeLoop(state, Mixed10MB()); }

// A skin shaped like the stored one: 63 bitmaps and a definition text of about 12.7 KB, about 525 KB.
Bytes SkinLikePackage() {
    std::vector<TPackEntry> entries;
    for (int i = 0; i < 63; ++i) {
        const int w = 24 + (i * 37) % 150, h = 14 + (i * 11) % 31;
        Bytes bitmap = Bitmap(w, h, 0x102030u * static_cast<std::uint32_t>(i % 7 + 1), i % 3 ? i : 0);
        // Some shading noise, so that it compresses about as well as real skin artwork.
        const Bytes noise = RandomBytes(bitmap.size(), static_cast<std::uint32_t>(i));
        for (std::size_t b = 54; b < bitmap.size(); ++b)
            if (noise[b] < 8) bitmap[b] = static_cast<std::uint8_t>(bitmap[b] ^ (noise[b] & 7));
        entries.push_back({"element" + std::to_string(i) + ".bmp", bitmap});
    }
    std::string ini = "[Personality]\r\nSkinName=Bench\r\n";
    for (int s = 0; ini.size() < 12760; ++s) {
        ini += "[Button" + std::to_string(s) + "]\r\n";
        for (const char* key : {"Image", "LeftWidth", "RightWidth", "TopHeight", "BottomHeight", "Trans", "Tile",
                                "NormalColour", "MouseOverColour", "PressedColour"})
            ini += std::string(key) + "=" + std::to_string(s * 3 + 1) + "\r\n";
    }
    entries.push_back({"skin.ini", Text(ini)});
    return LzhCompress(BuildSkinPackage(entries));
}

void BM_LoadPackageAndParse(benchmark::State& state) {
    static const Bytes compressed = SkinLikePackage();
    for (auto _ : state) {
        TSkinReader reader;
        reader.LoadPackage(compressed);
        Bytes definition;
        std::string name;
        reader.FindEntry(".ini", definition, name);
        TQuickIni ini;
        ini.LoadFromStream(&definition);
        benchmark::DoNotOptimize(ini.Lines().size());
    }
    state.counters["entries"] = 64;
    state.counters["compressed_bytes"] = static_cast<double>(compressed.size());
    state.counters["package_bytes"] = static_cast<double>(DeclaredCount(compressed));
}

void BM_EncodeSkinLike525k(benchmark::State& state) {
    static const Bytes plain = DecodeVector("skin-like-525k.bin.lzh");
    for (auto _ : state) benchmark::DoNotOptimize(LzhCompress(plain).size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain.size()));
}

} // namespace

BENCHMARK(BM_DecodeSkinLike525k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeMixed10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPackageAndParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeSkinLike525k)->Unit(benchmark::kMillisecond);
