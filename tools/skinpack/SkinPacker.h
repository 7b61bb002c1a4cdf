// What skinpack does, as functions the tests can call: building a format 40000 package from a skin folder
// and reading one back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// A failure to report to the user (missing file, unreadable input, a package that cannot be built).
class SkinPackError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TPackEntry {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
};

// The file that, when present in a skin folder, lists the entries in packing order.
inline constexpr const char* OrderFileName = "skinpack.order";

// The entries of a skin folder in packing order. Without an order file: every *.bmp in byte order of
// the name, then the one definition text (*.ini) last; other files are skipped with a warning. With
// "skinpack.order": the names it lists, one per line (blank lines and lines starting with ";" skipped),
// in that order; a name may be listed twice.
std::vector<TPackEntry> CollectSkinFolder(const std::filesystem::path& folder, std::vector<std::string>& warnings);

// The uncompressed format 40000 package of the entries, in their order.
std::vector<std::uint8_t> BuildSkinPackage(const std::vector<TPackEntry>& entries);

// A compressed package read back: names as stored (letter case kept) and each entry's bytes.
struct TUnpackedSkin {
    std::int32_t Format = 0;
    std::size_t PackageSize = 0;
    std::size_t DataSize = 0; // bytes after the size table
    std::vector<TPackEntry> Entries;
};
TUnpackedSkin ReadSkinPackage(const std::vector<std::uint8_t>& compressed);

// Writes the entries into a folder (first occurrence of a name only), with an order file when the
// folder's default order would differ. Returns the warnings.
std::vector<std::string> WriteSkinFolder(const TUnpackedSkin& skin, const std::filesystem::path& folder);

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);
