// One skinned button paint and classifying a 50-control form, against the unskinned paint of the same
// button, in the same run (medians of many repetitions, microseconds).
//   wine-run win32_controls_bench.exe [repetitions]
#include <windows.h>

#include "PainterTestSupport.h"
#include "runtime/Buttons.h"
#include "runtime/StdCtrls.h"
#include "skin/window/ControlClassification.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

double Median(int n, const std::function<void()>& work) {
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    std::vector<double> times;
    for (int i = 0; i < n; ++i) {
        QueryPerformanceCounter(&a);
        work();
        QueryPerformanceCounter(&b);
        times.push_back(double(b.QuadPart - a.QuadPart) * 1e6 / double(f.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(5, std::atoi(argv[1])) : 200;
    SkinnedFormFixture fixture;
    TForm* form = NewForm(100, 100, 640, 480);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(8, 8, 84, 26);
    button->SetCaption("Button");
    form->Show();
    Pump(100);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 84, 26);
    HGDIOBJ old = SelectObject(dc, bitmap);

    const double plain = Median(n, [&] { SendMessageW(button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); });
    auto skinner = fixture.MakeSkinner(form);
    skinner->SkinFormControls(form);
    const double skinned = Median(n, [&] { SendMessageW(button->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); });

    // 50 controls: buttons, picture buttons, speed buttons, edits and labels.
    for (int i = 0; i < 49; ++i) {
        TControl* c = nullptr;
        switch (i % 5) {
        case 0: c = new TButton(form); break;
        case 1: c = new TBitBtn(form); break;
        case 2: c = new TSpeedButton(form); break;
        case 3: c = new TEdit(form); break;
        default: c = new TLabel(form); break;
        }
        c->SetParent(form);
        c->SetBounds(8 + (i % 7) * 88, 40 + (i / 7) * 30, 84, 26);
    }
    Pump(50);
    const double classify = Median(std::max(5, n / 10), [&] {
        skinner->FreePainters();
        skinner->SkinFormControls(form);
    });
    std::printf("button paint, unskinned (system)  %8.1f us\n", plain);
    std::printf("button paint, skinned             %8.1f us  (%.1fx)\n", skinned, skinned / plain);
    std::printf("classifying a 50-control form     %8.1f us  (with freeing the painters: %zu attached)\n", classify,
                skinner->Painters.size());
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    skinner->FreePainters();
    skinner.reset();
    delete form;
    return 0;
}
