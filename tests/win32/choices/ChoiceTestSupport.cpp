#include "ChoiceTestSupport.h"

#include "SkinTestSupport.h"

#include <cstdio>

TSkinData& StoredSkin() {
    static StreamedSkinData* skin = new StreamedSkinData("", StoredSkinPackage());
    return *skin->data;
}

TSkinData& SkinWithoutChoiceBitmaps() {
    static StreamedSkinData* skin = [] {
        auto* s = new StreamedSkinData("", StoredSkinPackage());
        s->data->Buttons->CheckBitmap->SetSize(0, 0);
        s->data->Buttons->RadioBitmap->SetSize(0, 0);
        return s;
    }();
    return *skin->data;
}

// Through the framework's own loop, as the program runs: keys reach the controls' key handling (Ctrl+Tab
// between pages, arrows between radio buttons) before the system's.
void Pump(int ms) {
    DWORD end = GetTickCount() + DWORD(ms);
    do {
        Application->ProcessMessages();
        Sleep(5);
    } while (GetTickCount() < end);
}

namespace {
ScreenPixels Grab(HDC source, int x, int y, int w, int h) {
    ScreenPixels out;
    out.width = w;
    out.height = h;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(dc, dib);
    BitBlt(dc, 0, 0, w, h, source, x, y, SRCCOPY);
    GdiFlush();
    out.pixels.assign(static_cast<const std::uint32_t*>(bits), static_cast<const std::uint32_t*>(bits) + w * h);
    for (auto& p : out.pixels) p &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
    return out;
}
} // namespace

ScreenPixels ReadWindowPixels(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    ScreenPixels p = Grab(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, screen);
    return p;
}

ScreenPixels RenderWith(int w, int h, void (*paint)(HDC, void*), void* context) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP b = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, b);
    paint(dc, context);
    ScreenPixels p = Grab(dc, 0, 0, w, h);
    SelectObject(dc, old);
    DeleteObject(b);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return p;
}

void MoveMouse(HWND window, int x, int y) {
    RECT r;
    GetWindowRect(window, &r);
    SetCursorPos(r.left + x, r.top + y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
    Pump(80);
}

void ParkMouse() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
    Pump(80);
}

void Click(HWND window, int x, int y) {
    MoveMouse(window, x, y);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
    Pump(120);
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> in;
    for (WORD k : keys) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        in.push_back(i);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *--it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput(UINT(in.size()), in.data(), sizeof(INPUT));
    Pump(120);
}

