// Fuzz target: TSkinReader::LoadPackage followed by every kind of entry look-up. The first byte picks the
// input's meaning: odd, the rest is a decompressed package (compressed here first, so the fuzzer works on
// the directory and size table directly); even, the rest is the compressed form as stored.
#include "skin/data/SkinNotifier.h"
#include "skin/data/SkinRead.h"
#include "tools/skinpack/LzhEncoder.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const SkinNotifier quiet = SetSkinNotifier([](const std::string&) {});
    if (size == 0) return 0;
    const std::vector<std::uint8_t> rest(data + 1, data + size);
    TSkinReader reader;
    reader.MaxPackageSize = 1u << 18;
    const bool loaded = reader.LoadPackage((data[0] & 1) ? LzhCompress(rest) : rest);
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
