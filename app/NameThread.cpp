#include "NameThread.h"

#include <windows.h>

namespace {

constexpr DWORD kSetThreadName = 0x406D1388;

#pragma pack(push, 8)
struct ThreadNameInfo {
    DWORD type;        // 0x1000
    LPCSTR name;
    DWORD threadId;    // 0xFFFFFFFF: the calling thread
    DWORD flags;
};
#pragma pack(pop)

// Catches the naming exception only on the thread that raises it; the raise is continuable, so
// carrying on returns from RaiseException.
thread_local bool t_naming = false;

LONG CALLBACK SwallowThreadName(EXCEPTION_POINTERS* info) {
    if (t_naming && info->ExceptionRecord->ExceptionCode == kSetThreadName) return EXCEPTION_CONTINUE_EXECUTION;
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

void NameCurrentThread(const char* name) {
    ThreadNameInfo info{0x1000, name, 0xFFFFFFFF, 0};
    PVOID handler = AddVectoredExceptionHandler(1, SwallowThreadName);
    if (handler == nullptr) return;
    t_naming = true;
    RaiseException(kSetThreadName, 0, sizeof(info) / sizeof(ULONG_PTR), reinterpret_cast<const ULONG_PTR*>(&info));
    t_naming = false;
    RemoveVectoredExceptionHandler(handler);
}
