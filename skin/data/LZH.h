// TLZH: the LZHUF decoder that skin packages are compressed with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLZH {
public:
    static constexpr const char* NoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
    static constexpr const char* FreeErrorMessage = "LZH : Error freeing memory for dictionary tables";

    // Delivers up to `size` bytes of the source into `buffer` and returns how many it delivered; 0 means
    // the source is exhausted (every further bit then reads as 0).
    using Reader = std::function<std::size_t(std::uint8_t* buffer, std::size_t size)>;
    // Appends bytes to the target.
    using Writer = std::function<void(const std::uint8_t* bytes, std::size_t size)>;

    // Decodes the bit stream (without its 4-byte count) until at least `count` bytes have been written.
    // A match is copied whole, so corrupt input may yield up to 59 bytes more than `count`. Corrupt or
    // short input is not detected. The source is read in blocks, so it may be read past the last byte
    // that the decoding needed; the target is written in blocks of at most 64 KiB, so memory stays
    // bounded whatever the count. Throws ElzhException when its tables cannot be allocated.
    void Decode(std::uint32_t count, const Writer& write, const Reader& read);

    // The same decoding from a bit stream in memory straight into `target` (replaced), which then holds
    // exactly what Decode would have written.
    void Decode(std::uint32_t count, const std::uint8_t* source, std::size_t size, std::vector<std::uint8_t>& target);
};
