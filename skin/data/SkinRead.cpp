#include "skin/data/SkinRead.h"

#include "skin/data/LZH.h"
#include "skin/data/SkinNotifier.h"

#include <algorithm>

const std::string TSkinReader::UnknownFormatMessage = "此文件版本不同\r请升级新版本 !";

namespace {

std::int32_t ReadInt32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        if (offset + i < bytes.size()) value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Lines end at CR, LF or CR LF; a break after the last line adds no line.
std::vector<std::string> SplitLines(const std::uint8_t* text, std::size_t size) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < size) {
        const std::size_t start = i;
        while (i < size && text[i] != '\r' && text[i] != '\n') ++i;
        lines.emplace_back(reinterpret_cast<const char*>(text) + start, i - start);
        if (i < size && text[i] == '\r') ++i;
        if (i < size && text[i] == '\n') ++i;
    }
    return lines;
}

// A size that is negative counts as an empty entry.
std::int64_t UsableSize(std::int32_t size) { return size > 0 ? size : 0; }

} // namespace

int SkinPackageDirectoryOffset(std::int32_t format) {
    switch (format) {
    case 20000: return 16;
    case 30000: return 16 + 256;
    case 40000: return 16 + 80;
    default: return -1;
    }
}

TSkinPackageStatus ReadSkinPackageIndex(const std::vector<std::uint8_t>& package, TSkinPackageIndex& index) {
    index = TSkinPackageIndex{};
    index.Header.Format = ReadInt32(package, 0);
    index.Header.DirLength = ReadInt32(package, 4);
    index.Header.Reserved1 = ReadInt32(package, 8);
    index.Header.Reserved2 = ReadInt32(package, 12);
    const int directory = SkinPackageDirectoryOffset(index.Header.Format);
    if (directory < 0) return TSkinPackageStatus::UnknownFormat;

    // All offsets in 64 bits and clamped to the bytes that exist.
    const auto total = static_cast<std::int64_t>(package.size());
    const auto clamp = [total](std::int64_t offset) { return std::clamp<std::int64_t>(offset, 0, total); };
    const std::int64_t dirStart = clamp(directory);
    const std::int64_t dirEnd = clamp(static_cast<std::int64_t>(directory) + std::max(index.Header.DirLength, 0));
    index.Names = SplitLines(package.data() + dirStart, static_cast<std::size_t>(dirEnd - dirStart));
    if (index.Names.size() > static_cast<std::size_t>(TSkinReader::MaxEntries)) {
        index.Names.clear();
        return TSkinPackageStatus::TooManyEntries;
    }

    const std::int64_t sizesStart = static_cast<std::int64_t>(directory) + index.Header.DirLength;
    index.Sizes.resize(index.Names.size());
    for (std::size_t i = 0; i < index.Sizes.size(); ++i) {
        const std::int64_t at = sizesStart + 4 * static_cast<std::int64_t>(i);
        index.Sizes[i] = at >= 0 && at < total ? ReadInt32(package, static_cast<std::size_t>(at)) : 0;
    }
    index.DataOffset =
        static_cast<std::size_t>(clamp(sizesStart + 4 * static_cast<std::int64_t>(index.Names.size())));
    return TSkinPackageStatus::Ok;
}

void TSkinReader::Decompress(const std::vector<std::uint8_t>& source, std::vector<std::uint8_t>& target) const {
    target.clear();
    const auto count = static_cast<std::uint32_t>(ReadInt32(source, 0));
    if (count == 0 || count > MaxPackageSize) return;
    const std::size_t start = std::min<std::size_t>(4, source.size());
    TLZH().Decode(count, source.data() + start, source.size() - start, target);
}

bool TSkinReader::LoadPackage(const std::vector<std::uint8_t>& source) {
    std::vector<std::uint8_t> package;
    Decompress(source, package);
    return LoadDecompressed(std::move(package));
}

bool TSkinReader::LoadDecompressed(std::vector<std::uint8_t> package) {
    TSkinPackageIndex index;
    const TSkinPackageStatus status = ReadSkinPackageIndex(package, index);
    header_ = index.Header;
    if (status != TSkinPackageStatus::Ok) {
        NotifySkinUser(UnknownFormatMessage);
        return false;
    }
    for (std::string& name : index.Names) name = LowerAscii(std::move(name));
    entryNames_ = std::move(index.Names);
    entrySizes_ = std::move(index.Sizes);
    entryOffsets_.resize(entrySizes_.size());
    std::int64_t offset = 0;
    for (std::size_t i = 0; i < entrySizes_.size(); ++i) {
        entryOffsets_[i] = offset;
        offset += UsableSize(entrySizes_[i]);
    }
    package.erase(package.begin(), package.begin() + static_cast<std::ptrdiff_t>(index.DataOffset));
    entryData_ = std::move(package);
    return true;
}

void TSkinReader::CopyEntry(std::size_t index, std::vector<std::uint8_t>& target) const {
    const auto total = static_cast<std::int64_t>(entryData_.size());
    const std::int64_t offset = entryOffsets_[index];
    const std::int64_t from = std::min(offset, total);
    const std::int64_t to = std::min(offset + UsableSize(entrySizes_[index]), total);
    target.assign(entryData_.begin() + from, entryData_.begin() + to);
}

bool TSkinReader::ExtractEntry(const std::string& name, std::vector<std::uint8_t>& target) const {
    target.clear();
    const std::string wanted = LowerAscii(name);
    for (std::size_t i = 0; i < entryNames_.size(); ++i) {
        if (entryNames_[i] == wanted) {
            CopyEntry(i, target);
            return true;
        }
    }
    return false;
}

bool TSkinReader::FindEntry(const std::string& fragment, std::vector<std::uint8_t>& target,
                            std::string& foundName) const {
    target.clear();
    for (std::size_t i = 0; i < entryNames_.size(); ++i) {
        if (!fragment.empty() && entryNames_[i].find(fragment) != std::string::npos) {
            CopyEntry(i, target);
            foundName = entryNames_[i];
            return true;
        }
    }
    return false;
}

void TSkinReader::EntryBytes(int index, std::vector<std::uint8_t>& target) const {
    target.clear();
    if (index < 0 || index >= EntryCount()) return;
    CopyEntry(static_cast<std::size_t>(index), target);
}
