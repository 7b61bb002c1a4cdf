#include "tools/skinpack/SkinPacker.h"

#include "skin/data/SkinRead.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool HasExtension(const std::string& name, const char* extension) {
    const std::size_t n = std::strlen(extension);
    return name.size() > n && Lower(name.substr(name.size() - n)) == extension;
}

void PutInt32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::string Describe(const fs::path& path) { return path.string(); }

// The default packing order of a set of names: bitmaps in byte order, then the definition text.
std::vector<std::string> DefaultOrder(std::vector<std::string> bitmaps, const std::string& definition) {
    std::sort(bitmaps.begin(), bitmaps.end());
    bitmaps.push_back(definition);
    return bitmaps;
}

std::vector<std::string> ReadOrderFile(const fs::path& file) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file);
    std::vector<std::string> names;
    std::string line;
    auto finish = [&] {
        const auto first = line.find_first_not_of(" \t");
        const auto last = line.find_last_not_of(" \t");
        if (first != std::string::npos && line[first] != ';') names.push_back(line.substr(first, last - first + 1));
        line.clear();
    };
    for (const std::uint8_t b : bytes) {
        if (b == '\r' || b == '\n')
            finish();
        else
            line.push_back(static_cast<char>(b));
    }
    finish();
    return names;
}

// A name safe to use as a file name inside the target folder.
bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of(std::string("/\\:\0\r\n", 6)) == std::string::npos;
}

} // namespace

std::vector<std::uint8_t> ReadFileBytes(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) throw SkinPackError("no such file: " + Describe(file));
    if (fs::is_directory(file, ec)) throw SkinPackError("is a folder, not a file: " + Describe(file));
    std::ifstream in(file, std::ios::binary);
    if (!in) throw SkinPackError("cannot open " + Describe(file) + ": " + std::strerror(errno));
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw SkinPackError("cannot read " + Describe(file));
    return bytes;
}

void WriteFileBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw SkinPackError("cannot create " + Describe(file) + ": " + std::strerror(errno));
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw SkinPackError("cannot write " + Describe(file));
}

std::vector<TPackEntry> CollectSkinFolder(const fs::path& folder, std::vector<std::string>& warnings) {
    std::error_code ec;
    if (!fs::exists(folder, ec)) throw SkinPackError("no such folder: " + Describe(folder));
    if (!fs::is_directory(folder, ec)) throw SkinPackError("not a folder: " + Describe(folder));

    std::vector<std::string> names;
    const fs::path orderFile = folder / OrderFileName;
    if (fs::exists(orderFile, ec)) {
        names = ReadOrderFile(orderFile);
        if (names.empty()) throw SkinPackError(Describe(orderFile) + " lists no entries");
        const std::set<std::string> listed(names.begin(), names.end());
        for (const auto& item : fs::directory_iterator(folder)) {
            const std::string name = item.path().filename().string();
            if (item.is_regular_file() && name != OrderFileName && !listed.count(name) &&
                (HasExtension(name, ".bmp") || HasExtension(name, ".ini")))
                warnings.push_back(name + " is not listed in " + OrderFileName + ": not packed");
        }
    } else {
        std::vector<std::string> bitmaps, definitions;
        fs::directory_iterator items(folder, ec);
        if (ec) throw SkinPackError("cannot list " + Describe(folder) + ": " + ec.message());
        for (const auto& item : items) {
            if (!item.is_regular_file()) continue;
            const std::string name = item.path().filename().string();
            if (HasExtension(name, ".bmp"))
                bitmaps.push_back(name);
            else if (HasExtension(name, ".ini"))
                definitions.push_back(name);
            else
                warnings.push_back(name + " is neither a bitmap (.bmp) nor the definition (.ini): not packed");
        }
        if (definitions.empty()) throw SkinPackError("no definition text (*.ini) in " + Describe(folder));
        if (definitions.size() > 1) {
            std::sort(definitions.begin(), definitions.end());
            std::string list;
            for (const auto& d : definitions) list += " " + d;
            throw SkinPackError("more than one definition text in " + Describe(folder) + ":" + list);
        }
        names = DefaultOrder(bitmaps, definitions.front());
    }

    std::vector<TPackEntry> entries;
    for (const std::string& name : names) {
        if (!IsPlainFileName(name)) throw SkinPackError("not a plain file name: \"" + name + "\"");
        entries.push_back({name, ReadFileBytes(folder / name)});
    }
    return entries;
}

std::vector<std::uint8_t> BuildSkinPackage(const std::vector<TPackEntry>& entries) {
    if (entries.empty()) throw SkinPackError("a package needs at least one entry");
    if (entries.size() > static_cast<std::size_t>(TSkinReader::MaxEntries))
        throw SkinPackError("too many entries: " + std::to_string(entries.size()) + " (a package holds at most " +
                            std::to_string(TSkinReader::MaxEntries) + ")");
    std::string directory;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TPackEntry& entry = entries[i];
        if (entry.Name.empty() || entry.Name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            throw SkinPackError("entry " + std::to_string(i) + " has an empty name or one with a line break");
        if (i > 0) directory += "\r\n";
        directory += entry.Name;
        total += entry.Bytes.size();
    }
    const int headerSize = SkinPackageDirectoryOffset(40000);
    total += static_cast<std::uint64_t>(headerSize) + directory.size() + 4 * entries.size();
    if (total > TSkinReader::DefaultMaxPackageSize)
        throw SkinPackError("package of " + std::to_string(total) + " bytes is larger than the readers accept (" +
                            std::to_string(TSkinReader::DefaultMaxPackageSize) + ")");

    std::vector<std::uint8_t> package;
    package.reserve(static_cast<std::size_t>(total));
    PutInt32(package, 40000);
    PutInt32(package, static_cast<std::uint32_t>(directory.size()));
    package.resize(static_cast<std::size_t>(headerSize), 0); // two unread words and 80 unread bytes
    package.insert(package.end(), directory.begin(), directory.end());
    for (const TPackEntry& entry : entries) PutInt32(package, static_cast<std::uint32_t>(entry.Bytes.size()));
    for (const TPackEntry& entry : entries) package.insert(package.end(), entry.Bytes.begin(), entry.Bytes.end());
    return package;
}

TUnpackedSkin ReadSkinPackage(const std::vector<std::uint8_t>& compressed) {
    if (compressed.size() < 4) throw SkinPackError("not a skin package: shorter than its 4-byte size");
    TSkinReader reader;
    std::vector<std::uint8_t> package;
    reader.Decompress(compressed, package);
    const std::uint32_t declared = static_cast<std::uint32_t>(compressed[0]) | (compressed[1] << 8) |
                                   (compressed[2] << 16) | (static_cast<std::uint32_t>(compressed[3]) << 24);
    if (declared > reader.MaxPackageSize)
        throw SkinPackError("not a skin package: declared size " + std::to_string(declared) + " is above the limit");
    package.resize(declared);

    TSkinPackageIndex index;
    switch (ReadSkinPackageIndex(package, index)) {
    case TSkinPackageStatus::UnknownFormat:
        throw SkinPackError("not a skin package: unknown format number " + std::to_string(index.Header.Format));
    case TSkinPackageStatus::TooManyEntries:
        throw SkinPackError("the package names more than " + std::to_string(TSkinReader::MaxEntries) + " entries");
    case TSkinPackageStatus::Ok: break;
    }
    TUnpackedSkin skin;
    skin.Format = index.Header.Format;
    skin.PackageSize = package.size();
    skin.DataSize = package.size() - index.DataOffset;
    // In 64 bits: up to 1001 sizes of almost 2 GB each would wrap a 32-bit size_t.
    const std::uint64_t end = package.size();
    std::uint64_t offset = index.DataOffset;
    for (std::size_t i = 0; i < index.Names.size(); ++i) {
        const std::uint64_t size = static_cast<std::uint64_t>(std::max(index.Sizes[i], 0));
        const std::uint64_t from = std::min(offset, end), to = std::min(offset + size, end);
        skin.Entries.push_back({index.Names[i], std::vector<std::uint8_t>(package.begin() + static_cast<std::ptrdiff_t>(from),
                                                                          package.begin() + static_cast<std::ptrdiff_t>(to))});
        offset += size;
    }
    return skin;
}

std::vector<std::string> WriteSkinFolder(const TUnpackedSkin& skin, const fs::path& folder) {
    std::vector<std::string> warnings;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) throw SkinPackError("cannot create folder " + Describe(folder));

    std::vector<std::string> order, bitmaps, definitions;
    std::set<std::string> written;
    bool duplicates = false;
    for (const TPackEntry& entry : skin.Entries) {
        if (!IsPlainFileName(entry.Name)) {
            warnings.push_back("entry \"" + entry.Name + "\" is not a plain file name: skipped");
            continue;
        }
        order.push_back(entry.Name);
        // Readers only ever see the first entry of a name (in any letter case).
        if (!written.insert(Lower(entry.Name)).second) {
            duplicates = true;
            warnings.push_back("entry " + entry.Name + " occurs again: the later copy is not written");
            continue;
        }
        WriteFileBytes(folder / entry.Name, entry.Bytes);
        if (HasExtension(entry.Name, ".bmp"))
            bitmaps.push_back(entry.Name);
        else if (HasExtension(entry.Name, ".ini"))
            definitions.push_back(entry.Name);
    }
    const bool defaultOrder = !duplicates && definitions.size() == 1 &&
                              bitmaps.size() + 1 == order.size() && DefaultOrder(bitmaps, definitions[0]) == order;
    if (!defaultOrder) {
        std::string text = "; entries in package order (written by skinpack unpack)\r\n";
        for (const std::string& name : order) text += name + "\r\n";
        WriteFileBytes(folder / OrderFileName, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    return warnings;
}
