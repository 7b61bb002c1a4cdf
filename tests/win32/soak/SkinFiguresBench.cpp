// The figures the README publishes, measured on Grivelle's own main window in one run under Wine: loading
// the stored skin (package to ready elements), a full repaint skinned against unskinned, a switch to the
// second skin and back (load, re-apply, repaint), and the GDI objects the process holds skinned against
// unskinned. Not a test: prints a table.
//
//   win32_skin_figures_bench [rounds]
#include <windows.h>

#include "MainUnit.h"
#include "skin/window/SkinManage.h"
#include "../GdiObjects.h"
#include "SoakPump.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return double(t.QuadPart) * 1000.0 / double(f.QuadPart);
}

// Median milliseconds of `rounds` runs of `work`.
template <class Work> double Median(int rounds, Work work) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const double start = Now();
        work();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
}

void RunScheduled() {
    SkinManager->RunScheduled();
    Drain();
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 30;
    Application->Initialize();
    Application->CreateForm(&MainForm);
    MainForm->Show();
    Pump(1500);
    TSkinData* skin = MainForm->SkinData1;
    HWND window = MainForm->Handle();
    const std::vector<std::uint8_t> stored = skin->PackageStream().Bytes();
    std::ifstream file(GRV_SECOND_SKIN_FILE, std::ios::binary);
    const std::vector<std::uint8_t> second{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    const double load = Median(rounds, [&] { skin->LoadPackage(stored); });
    RunScheduled();
    Pump(300);
    const double paintSkinned = Median(rounds, [&] { Repaint(window); });
    const int gdiSkinned = GdiObjectsInUse();
    const double switched = Median(rounds, [&] {
        skin->LoadPackage(skin->SkinName == "Grivelle Ember" ? stored : second);
        RunScheduled();
        Repaint(window);
    });
    skin->LoadPackage(stored);
    RunScheduled();
    skin->SetActive(false);
    RunScheduled();
    Pump(300);
    const double paintPlain = Median(rounds, [&] { Repaint(window); });
    const int gdiPlain = GdiObjectsInUse();

    std::printf("Grivelle's main window under Wine, median of %d rounds\n", rounds);
    std::printf("  stored skin loaded (package to elements)   %8.2f ms  (%.1f x an unskinned repaint)\n", load,
                load / paintPlain);
    std::printf("  full repaint, skinned                      %8.2f ms\n", paintSkinned);
    std::printf("  full repaint, unskinned                    %8.2f ms\n", paintPlain);
    std::printf("  repaint skinned / unskinned                %8.2f x\n", paintSkinned / paintPlain);
    std::printf("  skin switch (load, re-apply, repaint)      %8.2f ms  (%.1f x a skinned repaint)\n", switched,
                switched / paintSkinned);
    std::printf("  GDI objects, skinned / unskinned           %8d / %d = %.2f x\n", gdiSkinned, gdiPlain,
                double(gdiSkinned) / gdiPlain);
    return 0;
}
