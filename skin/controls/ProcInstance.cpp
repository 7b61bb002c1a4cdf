#include "skin/controls/ProcInstance.h"

#include "skin/controls/WinSubClass.h"

#include <cstdint>
#include <cstring>

struct TProcInstance {
    // Puts the instance where the window handle was (the first argument) and jumps to InstanceProc; the
    // instance knows its one window.
    unsigned char code[24];
    HWND window = nullptr;
    TSkinControl* painter = nullptr;
    WNDPROC previous = nullptr;
    bool unicode = true;
    int running = 0;        // messages in progress
    bool released = false;  // the painter has let go
    bool installed = false; // still somebody's window procedure (as far as we know)
};

namespace {

HANDLE ExecutableHeap() {
    static HANDLE heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
    return heap;
}

LRESULT Forward(TProcInstance* p, HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (!p->previous) return p->unicode ? DefWindowProcW(h, msg, w, l) : DefWindowProcA(h, msg, w, l);
    return p->unicode ? CallWindowProcW(p->previous, h, msg, w, l) : CallWindowProcA(p->previous, h, msg, w, l);
}

void FreeInstance(TProcInstance* p) {
    p->~TProcInstance();
    HeapFree(ExecutableHeap(), 0, p);
}

LRESULT CALLBACK InstanceProc(TProcInstance* p, UINT msg, WPARAM w, LPARAM l) {
    HWND h = p->window;
    ++p->running;
    LRESULT result = 0;
    try {
        if (p->painter && !p->released) {
            TMessage m{msg, w, l, 0};
            p->painter->RouteMessage(m);
            result = m.Result;
        } else {
            result = Forward(p, h, msg, w, l);
        }
    } catch (...) {
        // No exception crosses a window procedure.
    }
    --p->running;
    if (msg == WM_NCDESTROY) p->installed = false; // the window is gone: nobody calls the instance again
    if (p->released && !p->installed && p->running == 0) FreeInstance(p);
    return result;
}

} // namespace

TProcInstance* CreateProcInstance(TSkinControl* painter, HWND window) {
    void* memory = HeapAlloc(ExecutableHeap(), HEAP_ZERO_MEMORY, sizeof(TProcInstance));
    if (!memory) return nullptr;
    auto* p = new (memory) TProcInstance;
    p->painter = painter;
    p->window = window;
    unsigned char* c = p->code;
    const auto self = reinterpret_cast<std::uintptr_t>(p);
    const auto target = reinterpret_cast<std::uintptr_t>(&InstanceProc);
#ifdef _WIN64
    c[0] = 0x48; c[1] = 0xB9; // mov rcx, imm64
    std::memcpy(c + 2, &self, 8);
    c[10] = 0x48; c[11] = 0xB8; // mov rax, imm64
    std::memcpy(c + 12, &target, 8);
    c[20] = 0xFF; c[21] = 0xE0; // jmp rax
#else
    c[0] = 0xC7; c[1] = 0x44; c[2] = 0x24; c[3] = 0x04; // mov dword ptr [esp+4], imm32
    std::memcpy(c + 4, &self, 4);
    c[8] = 0xE9; // jmp rel32
    const std::uint32_t rel = target - reinterpret_cast<std::uintptr_t>(c + 13);
    std::memcpy(c + 9, &rel, 4);
#endif
    FlushInstructionCache(GetCurrentProcess(), c, sizeof p->code);
    return p;
}

WNDPROC ProcInstanceCode(TProcInstance* instance) { return reinterpret_cast<WNDPROC>(instance->code); }

void SetProcInstancePrevious(TProcInstance* instance, WNDPROC previous, bool unicode) {
    instance->previous = previous;
    instance->unicode = unicode;
    instance->installed = true;
}

void ReleaseProcInstance(TProcInstance* p, HWND window) {
    if (!p) return;
    p->released = true;
    p->painter = nullptr;
    if (p->installed && window && IsWindow(window)) {
        const auto mine = reinterpret_cast<LONG_PTR>(ProcInstanceCode(p));
        const bool unicode = p->unicode;
        const LONG_PTR current = unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
        if (current == mine) {
            if (unicode) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(p->previous));
            else SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(p->previous));
            p->installed = false;
        }
    } else {
        p->installed = false;
    }
    if (!p->installed && p->running == 0) FreeInstance(p);
}
