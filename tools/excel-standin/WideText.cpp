#include "WideText.h"

#include <windows.h>

namespace grv::standin {

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring fromUtf8(const std::string& text) {
    if (text.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

namespace {
// Wine's own path conversions, present in its kernel32 only.
using ToDos = LPWSTR(CDECL*)(LPCSTR);
using ToUnix = LPSTR(CDECL*)(LPCWSTR);

FARPROC wineExport(const char* name) {
    return GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name);
}
}  // namespace

std::wstring windowsPath(const std::wstring& path) {
    if (path.empty() || path[0] != L'/') return path;
    if (auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(wineExport("wine_get_dos_file_name")))) {
        if (LPWSTR dos = toDos(toUtf8(path).c_str())) {
            std::wstring out = dos;
            HeapFree(GetProcessHeap(), 0, dos);
            return out;
        }
    }
    std::wstring out = L"Z:" + path;
    for (auto& ch : out)
        if (ch == L'/') ch = L'\\';
    return out;
}

std::string unixPath(const std::wstring& path) {
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(wineExport("wine_get_unix_file_name")));
    if (!toUnix) return {};
    wchar_t full[MAX_PATH * 2];
    DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 2, full, nullptr);
    if (length == 0 || length >= MAX_PATH * 2) return {};
    LPSTR unix = toUnix(full);
    if (!unix) return {};
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

}  // namespace grv::standin
