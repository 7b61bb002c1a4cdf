#include "skin/controls/ProcInstance.h"

#include "skin/controls/WinSubClass.h"

#include <cstdint>
#include <cstring>

struct TProcInstance {
    // pop eax; push <this>; push eax; jmp InstanceProc: the instance becomes the first argument.
    unsigned char code[16];
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

LRESULT __stdcall InstanceProc(TProcInstance* p, HWND h, UINT msg, WPARAM w, LPARAM l) {
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

TProcInstance* CreateProcInstance(TSkinControl* painter) {
    void* memory = HeapAlloc(ExecutableHeap(), HEAP_ZERO_MEMORY, sizeof(TProcInstance));
    if (!memory) return nullptr;
    auto* p = new (memory) TProcInstance;
    p->painter = painter;
    unsigned char* c = p->code;
    const auto self = reinterpret_cast<std::uint32_t>(p);
    const auto target = reinterpret_cast<std::uint32_t>(&InstanceProc);
    c[0] = 0x58; // pop eax
    c[1] = 0x68; // push imm32
    std::memcpy(c + 2, &self, 4);
    c[6] = 0x50; // push eax
    c[7] = 0xE9; // jmp rel32
    const std::uint32_t rel = target - reinterpret_cast<std::uint32_t>(c + 12);
    std::memcpy(c + 8, &rel, 4);
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
