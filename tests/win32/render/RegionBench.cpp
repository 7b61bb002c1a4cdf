// RegionFromBitmap of a shaped 1920 x 1080 frame (a 32-bit TBitmap, as the frame painter builds it) under GDI,
// against the frozen copy of the code it replaced (a copy to 32 bits, one rectangle per row run), in the same
// run; the two regions are compared by XOR.
// Run it under Wine: region_bench [iterations]. Shapes: solid with rounded corners, hollow (4-pixel border,
// key-coloured middle), dense stripes (the worst case).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../../host/render/baseline/FrozenRegionRuns.h"
#include "runtime/Graphics.h"
#include "skin/window/ElementBitmaps.h"
#include "skin/window/ElementPaint.h"

namespace {

constexpr int W = 1920, H = 1080;

void DrawShape(TBitmap& bitmap, int shape) {
    const int r = 7;
    for (int y = 0; y < H; ++y) {
        auto* row = static_cast<std::uint32_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < W; ++x) {
            const int cx = x < r ? r : x >= W - r ? W - r - 1 : x;
            const int cy = y < r ? r : y >= H - r ? H - r - 1 : y;
            bool key = (x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r;
            if (shape == 1) key = key || (x >= 4 && x < W - 4 && y >= 21 && y < H - 4);
            if (shape == 2) key = key || (x % 2 == 1);
            row[x] = key ? 0xFF00FF : 0xD3E3F5;
        }
    }
}

// The region as it was built before: a copy to 32 bits, one rectangle per row run, a region per 2000.
HRGN FrozenRegionFromBitmap(const ElementImage& image) {
    void* bits = nullptr;
    HBITMAP copy = CreateDib32(image.width, image.height, &bits);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, copy);
    BitBlt(dc, 0, 0, image.width, image.height, image.dc, 0, 0, SRCCOPY);
    GdiFlush();
    HRGN result = nullptr;
    std::vector<std::uint8_t> buffer;
    auto flush = [&](const std::vector<GeoRect>& batch) {
        const DWORD rectBytes = static_cast<DWORD>(batch.size() * sizeof(RECT));
        buffer.assign(sizeof(RGNDATAHEADER) + rectBytes, 0);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        const GeoRect box = BoundingBox(batch);
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = static_cast<DWORD>(batch.size());
        data->rdh.nRgnSize = rectBytes;
        data->rdh.rcBound = {box.left, box.top, box.right, box.bottom};
        auto* rects = reinterpret_cast<RECT*>(data->Buffer);
        for (std::size_t i = 0; i < batch.size(); ++i)
            rects[i] = {batch[i].left, batch[i].top, batch[i].right, batch[i].bottom};
        HRGN part = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
        if (!part) return;
        if (!result) {
            result = part;
        } else {
            CombineRgn(result, result, part, RGN_OR);
            DeleteObject(part);
        }
    };
    frozen_region::CollectOpaqueRuns({static_cast<const std::uint32_t*>(bits), image.width, image.height, image.width},
                                     RegionKey{}, 0, 0, flush);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(copy);
    return result;
}

bool SameRegion(HRGN a, HRGN b) {
    HRGN diff = CreateRectRgn(0, 0, 0, 0);
    const int kind = CombineRgn(diff, a, b, RGN_XOR);
    DeleteObject(diff);
    return kind == NULLREGION;
}

double Milliseconds(LARGE_INTEGER start, LARGE_INTEGER end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const char* names[] = {"solid", "hollow", "stripes"};
    int status = 0;
    for (int shape = 0; shape < 3; ++shape) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(W, H);
        DrawShape(bitmap, shape);
        const ElementImage image = ImageOf(&bitmap);
        const int runs = shape == 2 ? std::max(1, iterations / 10) : iterations;
        // Paired rounds, alternating which goes first; the best of each.
        double frozenBest = 1e30, newBest = 1e30;
        DWORD frozenBytes = 0, newBytes = 0;
        bool same = true;
        for (int i = 0; i < runs; ++i) {
            for (int which = 0; which < 2; ++which) {
                const bool frozen = (which == 0) == (i % 2 == 0);
                LARGE_INTEGER start, end;
                QueryPerformanceCounter(&start);
                HRGN region = frozen ? FrozenRegionFromBitmap(image)
                                     : RegionFromBitmap(&bitmap, 0, 0, 1, 1, 1, SkinKeyColour);
                QueryPerformanceCounter(&end);
                (frozen ? frozenBest : newBest) = std::min(frozen ? frozenBest : newBest, Milliseconds(start, end));
                (frozen ? frozenBytes : newBytes) = GetRegionData(region, 0, nullptr);
                if (i == 0 && !frozen) {
                    HRGN before = FrozenRegionFromBitmap(image);
                    same = SameRegion(region, before);
                    DeleteObject(before);
                }
                DeleteObject(region);
            }
        }
        std::printf("RegionFromBitmap %-7s 1920x1080: before %8.2f ms, now %8.2f ms (%.1fx), %d rounds, region data "
                    "%lu / %lu bytes, %s\n",
                    names[shape], frozenBest, newBest, frozenBest / newBest, runs, static_cast<unsigned long>(frozenBytes),
                    static_cast<unsigned long>(newBytes), same ? "same region" : "REGIONS DIFFER");
        if (!same) status = 1;
    }
    return status;
}
