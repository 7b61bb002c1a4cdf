// RegionFromBitmap of a shaped 1920 x 1080 frame under GDI (run it under Wine: region_bench [iterations]).
// Shapes: solid with rounded corners, hollow (4-pixel border, key-coloured middle), dense stripes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "skin/window/ElementPaint.h"

namespace {

constexpr int W = 1920, H = 1080;

void DrawShape(std::uint32_t* bits, int shape) {
    const int r = 7;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int cx = x < r ? r : x >= W - r ? W - r - 1 : x;
            const int cy = y < r ? r : y >= H - r ? H - r - 1 : y;
            bool key = (x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r;
            if (shape == 1) key = key || (x >= 4 && x < W - 4 && y >= 21 && y < H - 4);
            if (shape == 2) key = key || (x % 2 == 1);
            bits[y * W + x] = key ? 0xFF00FF : 0xD3E3F5;
        }
}

} // namespace

int main(int argc, char** argv) {
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 20;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const char* names[] = {"solid", "hollow", "stripes"};
    for (int shape = 0; shape < 3; ++shape) {
        void* bits = nullptr;
        HBITMAP bitmap = CreateDib32(W, H, &bits);
        DrawShape(static_cast<std::uint32_t*>(bits), shape);
        SelectedBitmap selected(bitmap);
        const int runs = shape == 2 ? std::max(1, iterations / 10) : iterations;
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        DWORD rects = 0;
        for (int i = 0; i < runs; ++i) {
            HRGN region = RegionFromBitmap(selected.Image(), 0, 0, 1, 1, 1, SkinKeyColour);
            if (i == 0) rects = GetRegionData(region, 0, nullptr);
            DeleteObject(region);
        }
        QueryPerformanceCounter(&end);
        const double ms = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart / runs;
        std::printf("RegionFromBitmap %s 1920x1080: %.2f ms per region (%d runs, region data %lu bytes)\n",
                    names[shape], ms, runs, static_cast<unsigned long>(rects));
        DeleteObject(bitmap);
    }
    return 0;
}
