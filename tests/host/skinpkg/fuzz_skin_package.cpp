// Fuzz target: TSkinReader loading followed by every kind of entry look-up. The first byte picks the
// input's meaning: odd, the rest is a decompressed package (handed to the reader as it is, so the fuzzer
// works on the directory and size table directly); even, the rest is the compressed form as stored, whose
// declared size is capped at what its bits could describe (48 bytes per stream byte, see fuzz_lzh_decode).
#include "skin/data/SkinNotifier.h"
#include "skin/data/SkinRead.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const SkinNotifier quiet = SetSkinNotifier([](const std::string&) {});
    if (size == 0) return 0;
    std::vector<std::uint8_t> rest(data + 1, data + size);
    TSkinReader reader;
    reader.MaxPackageSize = static_cast<std::uint32_t>(std::min<std::size_t>(1u << 18, 48 * rest.size()));
    const bool loaded = (data[0] & 1) ? reader.LoadDecompressed(std::move(rest)) : reader.LoadPackage(rest);
    if (!loaded) return 0;
    std::vector<std::uint8_t> out;
    for (int i = 0; i < reader.EntryCount(); ++i) {
        // An entry never holds more than its size, nor more than the data.
        reader.ExtractEntry(reader.EntryNames()[static_cast<std::size_t>(i)], out);
        if (out.size() > reader.EntryData().size()) std::abort();
        reader.EntryBytes(i, out);
        const std::int32_t size = reader.EntrySizes()[static_cast<std::size_t>(i)];
        if (out.size() > static_cast<std::size_t>(size > 0 ? size : 0)) std::abort();
    }
    std::string name;
    reader.FindEntry(".ini", out, name);
    reader.ExtractEntry("Missing.BMP", out);
    return 0;
}
