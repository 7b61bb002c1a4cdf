// The stand-in's class registration under the ProgID "Excel.Application" (test prefixes only).
#pragma once

#include <windows.h>

namespace grv::standin {

// {13E2208A-31E5-45FC-9B3F-8B0CEF78AFD2}
inline constexpr CLSID kStandinClsid = {0x13e2208a, 0x31e5, 0x45fc, {0x9b, 0x3f, 0x8b, 0x0c, 0xef, 0x78, 0xaf, 0xd2}};
inline constexpr wchar_t kStandinClsidText[] = L"{13E2208A-31E5-45FC-9B3F-8B0CEF78AFD2}";
inline constexpr wchar_t kProgId[] = L"Excel.Application";

bool registerServer();    // this executable as the LocalServer32 of the class
bool unregisterServer();  // removes the keys, the ProgID only where it still names our class

}  // namespace grv::standin
