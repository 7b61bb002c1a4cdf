#include "Registration.h"

#include <string>

namespace grv::standin {

namespace {

const std::wstring kClassKey = std::wstring(L"CLSID\\") + kStandinClsidText;
constexpr wchar_t kDescription[] = L"Grivelle Excel stand-in";

bool setValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY handle;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    LONG status = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

std::wstring value(const std::wstring& key) {
    wchar_t buffer[256];
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return {};
    return buffer;
}

}  // namespace

bool registerServer() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    std::wstring progId = kProgId;
    return setValue(progId, nullptr, kDescription) && setValue(progId + L"\\CLSID", nullptr, kStandinClsidText) &&
           setValue(kClassKey, nullptr, kDescription) &&
           setValue(kClassKey + L"\\LocalServer32", nullptr, L"\"" + std::wstring(path) + L"\"") &&
           setValue(kClassKey + L"\\ProgID", nullptr, progId);
}

bool unregisterServer() {
    bool ok = true;
    std::wstring progId = kProgId;
    if (_wcsicmp(value(progId + L"\\CLSID").c_str(), kStandinClsidText) == 0) {
        LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, progId.c_str());
        ok = status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
        if (ok) RegDeleteKeyW(HKEY_CLASSES_ROOT, progId.c_str());
    }
    LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey.c_str());
    if (status == ERROR_SUCCESS) RegDeleteKeyW(HKEY_CLASSES_ROOT, kClassKey.c_str());
    return ok && (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND);
}

}  // namespace grv::standin
