// The product's LZHUF decoder against the frozen copy of the decoder it replaced, in the same run, on
// the same streams: the decoding throughput of each (thread CPU time) and their ratio (best of several
// paired rounds).
// Usage: lzh_decode_bench [rounds [first-word-of-an-input]]
#include "TestSupport.h"
#include "baseline/FrozenLzh.h"
#include "skin/data/SkinRead.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinPacker.h"

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace skinpkg_test;

namespace {

Bytes Plain(const char* vector) {
    Bytes plain;
    frozen_lzh::Decompress(ReadAll(VectorsDir() / vector), plain);
    return plain;
}

Bytes Copies(const char* vector, int copies) {
    const Bytes one = Plain(vector);
    Bytes all;
    for (int i = 0; i < copies; ++i) all.insert(all.end(), one.begin(), one.end());
    return LzhCompress(all);
}

// 10 MB of text, noise, runs and bitmaps (the same mixture as the package benchmark).
Bytes Mixed10MB() {
    const Bytes parts[] = {Plain("text-35k.bin.lzh"), Plain("mixed-78k.bin.lzh"), Plain("panel-400x180.bmp.lzh"),
                           Plain("random-20k.bin.lzh"), Plain("skin-like-525k.bin.lzh"), Plain("spaces-run.bin.lzh")};
    const std::size_t total = 10u * 1000 * 1000;
    Bytes mixed;
    for (std::size_t i = 0; mixed.size() < total; ++i) {
        const Bytes& part = parts[i % std::size(parts)];
        mixed.insert(mixed.end(), part.begin(), part.begin() + static_cast<std::ptrdiff_t>(std::min(part.size(), total - mixed.size())));
    }
    return LzhCompress(mixed);
}

Bytes StoredSkin() {
    std::vector<std::string> warnings;
    return LzhCompress(BuildSkinPackage(CollectSkinFolder(std::filesystem::path(GRV_SOURCE_DIR) / "resources/skin", warnings)));
}

// CPU time of this thread: the machine may be shared, and waiting for a core is not decoding time.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Seconds(const std::function<void()>& run) {
    const double start = CpuSeconds();
    run();
    return CpuSeconds() - start;
}

// The product's decoder, through both of its interfaces, gives what the frozen one gives on every fuzz
// corpus unit and on a few thousand damaged streams (cut short, bits flipped, declared counts changed).
bool SameAsFrozen() {
    std::vector<Bytes> streams;
    for (const char* corpus : {"lzh_decode", "skin_package"})
        for (const auto& file : std::filesystem::directory_iterator(std::filesystem::path(GRV_SOURCE_DIR) / "tests/fuzz/corpus" / corpus))
            streams.push_back(ReadAll(file.path()));
    for (const auto& file : std::filesystem::directory_iterator(VectorsDir()))
        if (file.path().extension() == ".lzh") streams.push_back(ReadAll(file.path()));
    const std::size_t intact = streams.size();
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        Bytes damaged = streams[seed % intact];
        if (damaged.size() < 5) continue;
        const Bytes noise = RandomBytes(16, seed);
        damaged.resize(4 + noise[0] * damaged.size() / 256 + 1);
        for (int i = 1; i < 8; ++i) damaged[4 + noise[i] * (damaged.size() - 4) / 256] ^= noise[i + 8];
        const std::uint32_t count = DeclaredCount(damaged) % (1u << 20) + noise[15];
        for (int i = 0; i < 4; ++i) damaged[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(count >> (8 * i));
        streams.push_back(damaged);
    }
    TSkinReader reader;
    for (const Bytes& stream : streams) {
        if (DeclaredCount(stream) > reader.MaxPackageSize) continue; // the reader decodes nothing then
        Bytes frozen, memory;
        frozen_lzh::Decompress(stream, frozen);
        reader.Decompress(stream, memory);
        const Bytes streamed = Decode(stream, 777); // through the reader/writer interface, odd block size
        if (frozen != memory || frozen != streamed) {
            std::printf("decoders differ on a stream of %zu bytes (count %u)\n", stream.size(), DeclaredCount(stream));
            return false;
        }
    }
    std::printf("same output as the frozen decoder on %zu streams\n", streams.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (!SameAsFrozen()) return 1;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    struct Input {
        const char* name;
        std::function<Bytes()> make;
    };
    const Input inputs[] = {{"text-560k-repeated x16", [] { return Copies("text-560k-repeated.bin.lzh", 16); }},
                            {"panel-400x180 x20", [] { return Copies("panel-400x180.bmp.lzh", 20); }},
                            {"mixed 10 MB", Mixed10MB},
                            {"skin-like-525k x32", [] { return Copies("skin-like-525k.bin.lzh", 32); }},
                            {"stored skin", StoredSkin}};
    int status = 0;
    std::printf("%-24s %10s %10s %12s %12s %7s\n", "input", "plain", "packed", "frozen MB/s", "new MB/s", "ratio");
    for (const Input& input : inputs) {
        if (argc > 2 && std::string(input.name).rfind(argv[2], 0) != 0) continue;
        const Bytes framed = input.make();
        const std::size_t plain = DeclaredCount(framed);
        // Tiny inputs are decoded several times per timing so that the clock's resolution does not matter.
        const int repeat = static_cast<int>(std::max<std::size_t>(1, (8u << 20) / std::max<std::size_t>(plain, 1)));
        Bytes before, after;
        TSkinReader reader;
        double frozenBest = 1e9, newBest = 1e9;
        for (int round = 0; round < rounds; ++round) {
            auto frozen = [&] { for (int i = 0; i < repeat; ++i) frozen_lzh::Decompress(framed, before); };
            auto ours = [&] { for (int i = 0; i < repeat; ++i) reader.Decompress(framed, after); };
            // Alternate which runs first, so neither always meets a warmer cache.
            if (round % 2) {
                newBest = std::min(newBest, Seconds(ours));
                frozenBest = std::min(frozenBest, Seconds(frozen));
            } else {
                frozenBest = std::min(frozenBest, Seconds(frozen));
                newBest = std::min(newBest, Seconds(ours));
            }
        }
        const double mb = static_cast<double>(plain) * repeat / 1e6;
        std::printf("%-24s %10zu %10zu %12.1f %12.1f %6.2fx%s\n", input.name, plain, framed.size(),
                    mb / frozenBest, mb / newBest, frozenBest / newBest, before == after ? "" : "  OUTPUT DIFFERS");
        if (before != after) status = 1;
    }
    return status;
}
