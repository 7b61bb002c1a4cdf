// Message pumping for the soak test and the figures bench, which drive the engine without the framework's
// loop.
#pragma once

#include <windows.h>

inline void Drain() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

inline void Pump(int ms) {
    const DWORD end = GetTickCount() + DWORD(ms);
    do {
        Drain();
        Sleep(5);
    } while (LONG(end - GetTickCount()) > 0);
}
