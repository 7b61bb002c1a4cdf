#include "Settings.h"

#include "WideText.h"

#include <windows.h>

#include <cwchar>

namespace grv::standin {

namespace {

std::wstring variable(const wchar_t* name) {
    wchar_t buffer[4096];
    DWORD length = GetEnvironmentVariableW(name, buffer, 4096);
    return length > 0 && length < 4096 ? std::wstring(buffer, length) : std::wstring();
}

long number(const wchar_t* name) {
    std::wstring text = variable(name);
    return text.empty() ? 0 : std::wcstol(text.c_str(), nullptr, 10);
}

std::wstring trimmed(const std::wstring& text) {
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

Settings Settings::fromEnvironment() {
    Settings settings;
    settings.logPath = windowsPath(variable(L"GRV_STANDIN_LOG"));
    settings.snapshotPath = windowsPath(variable(L"GRV_STANDIN_SNAPSHOT"));
    std::wstring refusals = variable(L"GRV_STANDIN_REFUSE_PUT");
    size_t start = 0;
    while (start <= refusals.size()) {
        size_t comma = refusals.find(L',', start);
        if (comma == std::wstring::npos) comma = refusals.size();
        std::wstring item = trimmed(refusals.substr(start, comma - start));
        if (!item.empty()) {
            size_t dot = item.find(L'.');
            if (dot == std::wstring::npos) settings.refusedPuts.push_back({L"", item});
            else settings.refusedPuts.push_back({item.substr(0, dot), item.substr(dot + 1)});
        }
        start = comma + 1;
    }
    settings.failInsertAt = number(L"GRV_STANDIN_FAIL_INSERT");
    settings.exitAtCall = number(L"GRV_STANDIN_EXIT_AT_CALL");
    long delay = number(L"GRV_STANDIN_DELAY_MS");
    settings.delayMs = delay > 0 ? static_cast<unsigned>(delay) : 0;
    settings.lockAspect = number(L"GRV_STANDIN_LOCK_ASPECT") != 0;
    settings.noLinger = number(L"GRV_STANDIN_NO_LINGER") != 0;
    return settings;
}

bool Settings::refusesPut(const std::wstring& className, const std::wstring& member) const {
    for (const auto& refusal : refusedPuts) {
        if (_wcsicmp(refusal.member.c_str(), member.c_str()) != 0) continue;
        if (refusal.className.empty() || _wcsicmp(refusal.className.c_str(), className.c_str()) == 0) return true;
    }
    return false;
}

}  // namespace grv::standin
