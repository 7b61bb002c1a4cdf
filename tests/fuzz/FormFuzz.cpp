// Fuzz target: the form-description parser answers malformed text with EReadError only.
#include "runtime/FormReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        ParseFormDescription(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const EReadError&) {
    }
    return 0;
}
