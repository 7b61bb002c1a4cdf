// TSkinReader: decompresses a skin package, indexes its directory and hands out entries by name.
//
// A package (after decompression) is a 16-byte header (format number, DirLength, two words nobody
// reads), a block of 0, 256 or 80 unread bytes for the formats 20000, 30000 and 40000, the directory text
// (one entry name per line), one 32-bit size per entry, then the entries' bytes in directory order. All
// integers are 32-bit signed little-endian. The compressed form is a 32-bit uncompressed size followed by
// the LZHUF stream (TLZH).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TSkinPackageHeader {
    std::int32_t Format = 0;
    std::int32_t DirLength = 0;
    std::int32_t Reserved1 = 0;
    std::int32_t Reserved2 = 0;
};

enum class TSkinPackageStatus { Ok, UnknownFormat, TooManyEntries };

// The layout of a decompressed package. Names keep their letter case here.
struct TSkinPackageIndex {
    TSkinPackageHeader Header;
    std::vector<std::string> Names;
    std::vector<std::int32_t> Sizes;
    std::size_t DataOffset = 0; // where the first entry's bytes begin (at most the package's size)
};

// Offset of the directory text for a format number, or -1 for an unknown format.
int SkinPackageDirectoryOffset(std::int32_t format);

// Reads the layout of a decompressed package. Whatever runs past the end of the bytes reads as what is
// there: missing header bytes and sizes as 0, a directory cut short as the part that exists.
TSkinPackageStatus ReadSkinPackageIndex(const std::vector<std::uint8_t>& package, TSkinPackageIndex& index);

class TSkinReader {
public:
    // The directory table holds this many entries; a package with more is refused.
    static constexpr int MaxEntries = 1001;
    // No skin comes near this; a larger declared size marks a damaged stream and is not decoded.
    static constexpr std::uint32_t DefaultMaxPackageSize = 64u << 20;
    // "此文件版本不同", a carriage return, "请升级新版本 !"
    static const std::string UnknownFormatMessage;

    // Decompresses and indexes a compressed package. On an unknown format number (or more than
    // MaxEntries names) shows UnknownFormatMessage through the skin notifier, keeps the previous index
    // and returns false.
    bool LoadPackage(const std::vector<std::uint8_t>& source);

    // The same for a package that is already decompressed.
    bool LoadDecompressed(std::vector<std::uint8_t> package);

    // Decodes the compressed form in `source` into `target` (emptied first). A declared size above
    // MaxPackageSize decodes nothing; a source shorter than its 4-byte size reads the missing bytes as 0.
    void Decompress(const std::vector<std::uint8_t>& source, std::vector<std::uint8_t>& target) const;

    // Copies the first entry whose name equals `name` in any letter case (ASCII) into `target`; with no
    // such entry `target` is left empty. Returns whether one was found.
    bool ExtractEntry(const std::string& name, std::vector<std::uint8_t>& target) const;

    // Copies the first entry whose (lower-case) name contains `fragment` (compared as given) into
    // `target` and stores its name in `foundName`; with no match `target` is left empty and `foundName`
    // unchanged. Returns whether one was found.
    bool FindEntry(const std::string& fragment, std::vector<std::uint8_t>& target, std::string& foundName) const;

    const std::vector<std::string>& EntryNames() const { return entryNames_; } // lower-case
    int EntryCount() const { return static_cast<int>(entryNames_.size()); }
    const std::vector<std::int32_t>& EntrySizes() const { return entrySizes_; }
    const std::vector<std::uint8_t>& EntryData() const { return entryData_; }
    const TSkinPackageHeader& Header() const { return header_; }

    // The bytes of entry i (what of it lies inside the data), also for names that occur twice.
    void EntryBytes(int index, std::vector<std::uint8_t>& target) const;

    std::uint32_t MaxPackageSize = DefaultMaxPackageSize;

private:
    void CopyEntry(std::size_t index, std::vector<std::uint8_t>& target) const;

    std::vector<std::string> entryNames_;
    std::vector<std::int32_t> entrySizes_;
    std::vector<std::int64_t> entryOffsets_; // where each entry starts in entryData_ (the sum of the sizes before it)
    std::vector<std::uint8_t> entryData_;
    TSkinPackageHeader header_;
};
