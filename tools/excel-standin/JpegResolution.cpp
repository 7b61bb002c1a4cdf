#include "JpegResolution.h"

#include <cstring>

namespace grv::standin {

bool jpegStatesResolution(const unsigned char* head, std::size_t size) {
    // SOI, then the APP0 segment: FF E0, length (2), "JFIF\0", version (2), units (1), densities.
    constexpr std::size_t kUnitsOffset = 2 + 2 + 2 + 5 + 2;
    if (size < kUnitsOffset + 5) return false;
    if (head[0] != 0xFF || head[1] != 0xD8 || head[2] != 0xFF || head[3] != 0xE0) return false;
    if (std::memcmp(head + 6, "JFIF", 5) != 0) return false;
    unsigned char units = head[kUnitsOffset];
    unsigned xDensity = head[kUnitsOffset + 1] << 8 | head[kUnitsOffset + 2];
    unsigned yDensity = head[kUnitsOffset + 3] << 8 | head[kUnitsOffset + 4];
    return (units == 1 || units == 2) && xDensity > 0 && yDensity > 0;
}

}  // namespace grv::standin
