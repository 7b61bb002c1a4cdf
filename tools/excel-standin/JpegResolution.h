// Whether a JPEG file states its resolution: a JFIF header with its density in dots per inch or per
// centimetre. A density unit of 0 only gives the pixels' aspect ratio, which counts as no resolution.
#pragma once

#include <cstddef>

namespace grv::standin {

bool jpegStatesResolution(const unsigned char* head, std::size_t size);

}  // namespace grv::standin
