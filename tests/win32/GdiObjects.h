// The number of GDI objects this process holds, for leak checks under Wine.
#pragma once

#include <cstdint>

// The used entries of the GDI shared handle table (GetGuiResources is a stub under Wine). The table hangs
// off the PEB (offset 0x94 in a 32-bit process, 0xF8 in a 64-bit one); entries are 24 bytes, the type byte
// at offset 14 is non-zero when the entry is used. -1 when there is no table.
inline int GdiObjectsInUse() {
    const std::uint8_t* peb = nullptr;
#ifdef _WIN64
    __asm__("movq %%gs:0x60, %0" : "=r"(peb));
    const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0xF8);
#else
    __asm__("movl %%fs:0x30, %0" : "=r"(peb));
    const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0x94);
#endif
    if (!table) return -1;
    int used = 0;
    for (int i = 0; i < 0x10000; ++i) used += table[i * 24 + 14] != 0;
    return used;
}
