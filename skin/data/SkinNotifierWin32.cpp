// The default skin message on Windows: a task-modal message box through the wide API, captioned with
// the program's name.
#include "skin/data/SkinNotifier.h"

#include "runtime/SysUtils.h"

#include <windows.h>

#include <string>

namespace {
std::wstring ProgramName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path);
    const auto slash = name.find_last_of(L"\\/:");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    const auto dot = name.rfind(L'.');
    if (dot != std::wstring::npos && dot > 0) name.erase(dot);
    return name;
}
} // namespace

void ShowSkinMessageDefault(const std::string& text) {
    MessageBoxW(GetActiveWindow(), WideFromUtf8(text).c_str(), ProgramName().c_str(), MB_OK | MB_TASKMODAL);
}
