// Small fixtures shared by the Windows tests: temporary paths and generated bitmaps.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

inline std::wstring TempPath(const wchar_t* name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

// A w × h pixel 24-bit BMP without a resolution (placed at 96 dpi: 4 pixels are 3 points), with the
// given attributes. Returns false when the file system did not keep the attributes.
inline bool WriteBmp(const std::wstring& path, int w, int h, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const DWORD stride = ((w * 3 + 3) / 4) * 4;
    std::vector<unsigned char> bytes(54 + stride * h, 0x80);
    bytes[0] = 'B';
    bytes[1] = 'M';
    const DWORD size = static_cast<DWORD>(bytes.size()), offset = 54;
    std::memcpy(&bytes[2], &size, 4);
    std::memcpy(&bytes[10], &offset, 4);
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(&bytes[14], &header, sizeof header);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD n;
    WriteFile(f, bytes.data(), size, &n, nullptr);
    CloseHandle(f);
    if (attributes == FILE_ATTRIBUTE_NORMAL) return true;
    SetFileAttributesW(path.c_str(), attributes);
    return (GetFileAttributesW(path.c_str()) & attributes) == attributes;
}
