// PaintFrame and UpdateRegion of a skinned window against the system's own WM_NCPAINT of an unskinned
// window of the same size and style, in the same run: the main window's size and 1920 x 1080.
//   wine-run win32_frame_bench.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "SkinTestSupport.h"
#include "runtime/Forms.h"
#include "skin/window/WinSkinForm.h"

namespace {

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

// Median microseconds per call over `rounds` batches of `calls`.
double MedianMicros(int rounds, int calls, const std::function<void()>& work) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> perCall;
    for (int r = 0; r < rounds; ++r) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        for (int i = 0; i < calls; ++i) work();
        GdiFlush();
        QueryPerformanceCounter(&b);
        perCall.push_back(double(b.QuadPart - a.QuadPart) * 1e6 / double(frequency.QuadPart) / calls);
    }
    std::sort(perCall.begin(), perCall.end());
    return perCall[perCall.size() / 2];
}

std::unique_ptr<TForm> Form(int width, int height, int tag) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(bsSingle);
    form->SetTag(tag); // 99: never skinned
    form->SetBounds(0, 0, width, height);
    form->SetCaption(tag == 99 ? "Unskinned" : "Skinned");
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump(300);
    return form;
}

void Measure(const char* what, int width, int height, int rounds) {
    auto plain = Form(width, height, 99);
    auto skinned = Form(width, height, 0);
    TWinSkinForm* painter = FramePainterOf(skinned->Handle());
    if (!painter) {
        std::printf("%s: the window was not skinned\n", what);
        return;
    }
    // Same window size for both.
    RECT r{};
    GetWindowRect(skinned->Handle(), &r);
    SetWindowPos(plain->Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    Pump(100);
    const HWND plainWindow = plain->Handle();
    const int calls = width > 1000 ? 10 : 40;
    const double system = MedianMicros(rounds, calls, [&] { SendMessageW(plainWindow, WM_NCPAINT, 1, 0); });
    const double paint = MedianMicros(rounds, calls, [&] { painter->PaintFrame(); });
    const double region = MedianMicros(rounds, calls, [&] {
        painter->RegionSize = {}; // forces a rebuild
        painter->UpdateRegion();
    });
    std::printf("%s (%ldx%ld): system WM_NCPAINT %.1f us | PaintFrame %.1f us = %.2fx | UpdateRegion %.1f us = %.2fx\n",
                what, r.right - r.left, r.bottom - r.top, system, paint, paint / system, region, region / system);
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    static StreamedSkinData skin("    Active = True\n", StoredSkinPackage());
    Measure("main window", 412, 271, rounds);
    Measure("1920x1080", 1920, 1080, rounds);
    return 0;
}
