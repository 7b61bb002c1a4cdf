// skinpack: packs a skin folder into a compressed package and reads packages back.
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinPacker.h"

#include "skin/data/SkinNotifier.h"
#include "skin/data/SkinRead.h"

#include "skin/data/LZH.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

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

std::ifstream OpenInput(const std::string& name) {
    std::error_code ec;
    if (!fs::exists(name, ec)) throw SkinPackError("no such file: " + name);
    if (fs::is_directory(name, ec)) throw SkinPackError("is a folder, not a file: " + name);
    std::ifstream in(name, std::ios::binary);
    if (!in) throw SkinPackError("cannot open " + name + ": " + std::strerror(errno));
    return in;
}

std::ofstream OpenOutput(const std::string& name) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    if (!out) throw SkinPackError("cannot create " + name + ": " + std::strerror(errno));
    return out;
}

// Reads and writes go through blocks of a bounded size, so files of any size need little memory.
TLZH::Reader ReaderOf(std::ifstream& in, const std::string& name) {
    return [&in, name](std::uint8_t* buffer, std::size_t size) {
        in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(size));
        if (in.bad()) throw SkinPackError("cannot read " + name);
        return static_cast<std::size_t>(in.gcount());
    };
}

void Finish(std::ofstream& out, const std::string& name) {
    out.close();
    if (!out) throw SkinPackError("cannot write " + name);
}

int Compress(const std::string& in, const std::string& out) {
    std::ifstream input = OpenInput(in);
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(in, ec);
    if (ec) throw SkinPackError("cannot read " + in);
    if (size > 0xFFFFFFFFu) throw SkinPackError(in + " is larger than 4 GB");
    std::ofstream output = OpenOutput(out);
    const char count[4] = {static_cast<char>(size), static_cast<char>(size >> 8), static_cast<char>(size >> 16),
                           static_cast<char>(size >> 24)};
    output.write(count, 4);
    std::uint64_t written = 4;
    const std::uint64_t read = LzhEncode(size, ReaderOf(input, in), [&](const std::uint8_t* bytes, std::size_t n) {
        output.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(n));
        written += n;
    });
    if (read != size) throw SkinPackError(in + " changed while it was being read");
    Finish(output, out);
    std::printf("%s: %ju -> %ju bytes\n", out.c_str(), static_cast<std::uintmax_t>(size), static_cast<std::uintmax_t>(written));
    return 0;
}

int Decompress(const std::string& in, const std::string& out) {
    std::ifstream input = OpenInput(in);
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(in, ec);
    if (ec) throw SkinPackError("cannot read " + in);
    std::uint8_t header[4] = {};
    input.read(reinterpret_cast<char*>(header), 4);
    if (input.gcount() < 4) throw SkinPackError(in + " is shorter than its 4-byte count");
    const std::uint32_t count = static_cast<std::uint32_t>(header[0]) | (header[1] << 8) | (header[2] << 16) |
                                (static_cast<std::uint32_t>(header[3]) << 24);
    // A symbol takes at least one bit, and one of 60 bytes at least ten: no stream carries more than 48
    // bytes per byte (plus the last match).
    const std::uintmax_t most = (size - 4) * 48 + 60;
    if (count > most)
        throw SkinPackError(in + " declares " + std::to_string(count) + " bytes, more than its " +
                            std::to_string(size - 4) + " bytes of stream can hold");
    std::ofstream output = OpenOutput(out);
    std::uint64_t left = count;
    TLZH().Decode(
        count,
        [&](const std::uint8_t* bytes, std::size_t n) {
            // The last match may run past the count; the file ends at the count.
            const auto keep = static_cast<std::size_t>(std::min<std::uint64_t>(n, left));
            output.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(keep));
            left -= keep;
        },
        ReaderOf(input, in));
    Finish(output, out);
    std::printf("%s: %ju -> %ju bytes\n", out.c_str(), static_cast<std::uintmax_t>(size), static_cast<std::uintmax_t>(count));
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
