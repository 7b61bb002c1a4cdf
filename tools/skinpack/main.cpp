// skinpack: packs a skin folder into a compressed package and reads packages back.
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinPacker.h"

#include "skin/data/SkinNotifier.h"
#include "skin/data/SkinRead.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

const char* const Usage =
    "usage: skinpack pack DIR OUT        pack a skin folder (bitmaps, then the .ini) into a compressed package\n"
    "       skinpack unpack PKG DIR      write the entries of a compressed package into a folder\n"
    "       skinpack list PKG            show a package's format, entry names and sizes\n"
    "       skinpack compress IN OUT     LZHUF-compress a file (4-byte count, then the bit stream)\n"
    "       skinpack decompress IN OUT   the reverse of compress\n";

void Warn(const std::vector<std::string>& warnings) {
    for (const std::string& w : warnings) std::fprintf(stderr, "skinpack: warning: %s\n", w.c_str());
}

int Pack(const std::string& folder, const std::string& out) {
    std::vector<std::string> warnings;
    const std::vector<TPackEntry> entries = CollectSkinFolder(folder, warnings);
    Warn(warnings);
    const std::vector<std::uint8_t> package = BuildSkinPackage(entries);
    const std::vector<std::uint8_t> compressed = LzhCompress(package);
    WriteFileBytes(out, compressed);
    std::printf("%s: %zu entries, %zu bytes, %zu compressed\n", out.c_str(), entries.size(), package.size(),
                compressed.size());
    return 0;
}

int Unpack(const std::string& file, const std::string& folder) {
    const TUnpackedSkin skin = ReadSkinPackage(ReadFileBytes(file));
    Warn(WriteSkinFolder(skin, folder));
    std::printf("%s: %zu entries written to %s\n", file.c_str(), skin.Entries.size(), folder.c_str());
    return 0;
}

int List(const std::string& file) {
    const std::vector<std::uint8_t> compressed = ReadFileBytes(file);
    const TUnpackedSkin skin = ReadSkinPackage(compressed);
    std::size_t sum = 0;
    for (const TPackEntry& e : skin.Entries) sum += e.Bytes.size();
    std::printf("format %d, %zu entries, package %zu bytes (%zu compressed)\n", skin.Format, skin.Entries.size(),
                skin.PackageSize, compressed.size());
    for (const TPackEntry& e : skin.Entries) std::printf("%10zu  %s\n", e.Bytes.size(), e.Name.c_str());
    if (sum != skin.DataSize)
        std::printf("warning: the entry sizes add up to %zu but %zu data bytes follow the directory\n", sum,
                    skin.DataSize);
    return 0;
}

int Compress(const std::string& in, const std::string& out) {
    const std::vector<std::uint8_t> plain = ReadFileBytes(in);
    if (plain.size() > 0xFFFFFFFFu) throw SkinPackError(in + " is larger than 4 GB");
    const std::vector<std::uint8_t> compressed = LzhCompress(plain);
    WriteFileBytes(out, compressed);
    std::printf("%s: %zu -> %zu bytes\n", out.c_str(), plain.size(), compressed.size());
    return 0;
}

int Decompress(const std::string& in, const std::string& out) {
    const std::vector<std::uint8_t> compressed = ReadFileBytes(in);
    if (compressed.size() < 4) throw SkinPackError(in + " is shorter than its 4-byte count");
    const std::uint32_t count = static_cast<std::uint32_t>(compressed[0]) | (compressed[1] << 8) |
                                (compressed[2] << 16) | (static_cast<std::uint32_t>(compressed[3]) << 24);
    TSkinReader reader;
    if (count > reader.MaxPackageSize)
        throw SkinPackError(in + " declares " + std::to_string(count) + " bytes, more than the limit of " +
                            std::to_string(reader.MaxPackageSize));
    std::vector<std::uint8_t> plain;
    reader.Decompress(compressed, plain);
    plain.resize(count);
    WriteFileBytes(out, plain);
    std::printf("%s: %zu -> %zu bytes\n", out.c_str(), compressed.size(), plain.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // A package of unknown format is reported as an error below, not as the reader's message.
    SetSkinNotifier([](const std::string&) {});
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto usage = [](const char* problem) {
        if (problem) std::fprintf(stderr, "skinpack: %s\n", problem);
        std::fputs(Usage, stderr);
        return ExitUsage;
    };
    if (args.empty()) return usage(nullptr);
    const std::string& command = args[0];
    const std::size_t operands = args.size() - 1;
    try {
        if (command == "pack" && operands == 2) return Pack(args[1], args[2]);
        if (command == "unpack" && operands == 2) return Unpack(args[1], args[2]);
        if (command == "list" && operands == 1) return List(args[1]);
        if (command == "compress" && operands == 2) return Compress(args[1], args[2]);
        if (command == "decompress" && operands == 2) return Decompress(args[1], args[2]);
        if (command == "-h" || command == "--help" || command == "help") {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (command == "pack" || command == "unpack" || command == "list" || command == "compress" ||
            command == "decompress")
            return usage(("wrong number of arguments for " + command).c_str());
        return usage(("unknown command: " + command).c_str());
    } catch (const SkinPackError& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
    }
    return ExitFailure;
}
