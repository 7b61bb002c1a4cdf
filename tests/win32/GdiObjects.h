// The number of GDI objects a process holds, for leak checks under Wine.
#pragma once

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

// The used entries of the GDI shared handle table (GetGuiResources is a stub under Wine). The table hangs
// off the PEB (offset 0x94 in a 32-bit process, 0xF8 in a 64-bit one); entries are 24 bytes, the type byte
// at offset 14 is non-zero when the entry is used. -1 when there is no table.
namespace gdi_objects {
constexpr int kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
#ifdef _WIN64
constexpr std::uintptr_t kTableInPeb = 0xF8;
#else
constexpr std::uintptr_t kTableInPeb = 0x94;
#endif

inline int CountUsed(const std::uint8_t* table) {
    int used = 0;
    for (int i = 0; i < kEntries; ++i) used += table[i * kEntrySize + kTypeOffset] != 0;
    return used;
}
} // namespace gdi_objects

inline int GdiObjectsInUse() {
    const std::uint8_t* peb = nullptr;
#ifdef _WIN64
    __asm__("movq %%gs:0x60, %0" : "=r"(peb));
#else
    __asm__("movl %%fs:0x30, %0" : "=r"(peb));
#endif
    const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + gdi_objects::kTableInPeb);
    return table ? gdi_objects::CountUsed(table) : -1;
}

// The same count for another process of the same width (opened with PROCESS_QUERY_INFORMATION and
// PROCESS_VM_READ); -1 when its table cannot be read.
inline int GdiObjectsInUseBy(HANDLE process) {
    using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    std::uint8_t* table = nullptr;
    const auto* slot = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress) + gdi_objects::kTableInPeb;
    if (!ReadProcessMemory(process, slot, &table, sizeof table, nullptr) || !table) return -1;
    std::vector<std::uint8_t> copy(static_cast<size_t>(gdi_objects::kEntries) * gdi_objects::kEntrySize);
    if (!ReadProcessMemory(process, table, copy.data(), copy.size(), nullptr)) return -1;
    return gdi_objects::CountUsed(copy.data());
}

// The count once another process has come to rest: the same over three readings 200 ms apart (the
// shell and the system finish some work of a closed dialog on their own time), or the last reading
// after about ten seconds.
inline int SettledGdiObjectsInUseBy(HANDLE process) {
    int last = GdiObjectsInUseBy(process), same = 0;
    for (int i = 0; i < 50 && same < 2; ++i) {
        Sleep(200);
        const int now = GdiObjectsInUseBy(process);
        same = now == last ? same + 1 : 0;
        last = now;
    }
    return last;
}
