// Helpers of the menu and caption-button tests: the stored skin with skinning on, message pumping, real
// mouse and keyboard input, a menu loop driven from a timer, a plain owner window, and the count of the
// process's GDI objects.
#pragma once

#include "SkinTestSupport.h"
#include "../GdiObjects.h"

#include "runtime/Graphics.h"
#include "skin/window/SkinManage.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

inline void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

// Real input, as the system's own loops see it.
inline void MouseTo(POINT p) {
    SetCursorPos(p.x, p.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &move, sizeof move);
}
inline void MouseButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}
inline void Keys(std::initializer_list<std::pair<WORD, bool>> keys) {
    for (const auto& [key, down] : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &in, sizeof in);
    }
}

// The stored skin, loaded once for the program, with skinning switched on.
inline TSkinData* StoredSkin() {
    static StreamedSkinData skin("    Active = True\n", StoredSkinPackage());
    return skin.data;
}

// A plain visible window that owns the menus of a test.
struct PlainOwner {
    PlainOwner() {
        handle = CreateWindowExW(0, L"STATIC", L"Menu owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(handle);
        Pump(100);
    }
    ~PlainOwner() {
        if (IsWindow(handle)) DestroyWindow(handle);
    }
    PlainOwner(const PlainOwner&) = delete;
    PlainOwner& operator=(const PlainOwner&) = delete;
    HWND handle = nullptr;
};

// The callback DuringMenu runs from its timer.
inline const std::function<void(HWND)>*& MenuTimerCallback() {
    static const std::function<void(HWND)>* current = nullptr;
    return current;
}

inline void CALLBACK MenuTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (const auto* during = MenuTimerCallback()) (*during)(menu && IsWindowVisible(menu) ? menu : nullptr);
}

// Runs `during` from a timer (a timer still fires inside the system's menu loop) while `open` runs a menu
// loop; `during` ends the menu.
inline void DuringMenu(const std::function<void()>& open, const std::function<void(HWND menuWindow)>& during,
                       UINT delay = 300) {
    MenuTimerCallback() = &during;
    const UINT_PTR timer = SetTimer(nullptr, 0, delay, MenuTimerProc);
    open();
    KillTimer(nullptr, timer);
    MenuTimerCallback() = nullptr;
}
