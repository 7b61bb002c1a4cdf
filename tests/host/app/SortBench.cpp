// The natural sort of 100,000 realistic picture names (random, presorted, reverse-sorted):
// WideString.QuickSort against std::sort with the same comparison, on the same inputs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>

#include "Compare.h"
#include "sort.h"

namespace {

constexpr int kNames = 100000;

NameList RealisticNames() {
    std::mt19937 rng(2024);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    static const char* prefixes[] = {"IMG_", "DSC", "photo ", "P", "\xCD\xBC\xC6\xAC", "\xBD\xD8\xCD\xBC", "scan-", "Screenshot "};
    static const char* exts[] = {".jpg", ".JPG", ".png", ".jpeg"};
    NameList names;
    names.reserve(kNames);
    for (int i = 0; i < kNames; ++i) {
        std::string n = prefixes[pick(8)];
        switch (pick(3)) {
        case 0: n += std::to_string(pick(100000)); break;
        case 1: n += "2023-" + std::to_string(1 + pick(12)) + "-" + std::to_string(1 + pick(28)) + " " + std::to_string(pick(24)) + "." + std::to_string(pick(60)); break;
        default: n += std::string(pick(3), '0') + std::to_string(pick(1000)) + " (" + std::to_string(1 + pick(9)) + ")"; break;
        }
        n += exts[pick(4)];
        names.push_back({n, std::wstring(n.begin(), n.end())});
    }
    return names;
}

bool Less(const PictureName& a, const PictureName& b) {
    const int order = CompareNames(a.ansi, b.ansi);
    return order != 0 ? order < 0 : a.wide < b.wide;
}

enum Input { kRandom, kPresorted, kReverse };

NameList Prepared(Input input) {
    NameList names = RealisticNames();
    if (input != kRandom) std::sort(names.begin(), names.end(), Less);
    if (input == kReverse) std::reverse(names.begin(), names.end());
    return names;
}

void BM_WideStringQuickSort(benchmark::State& state) {
    const NameList input = Prepared(static_cast<Input>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        NameList names = input;
        state.ResumeTiming();
        WideString sorter;
        sorter.SetList(&names);
        sorter.QuickSort(0, kNames - 1);
        benchmark::DoNotOptimize(names.data());
    }
}

void BM_StdSortSameComparison(benchmark::State& state) {
    const NameList input = Prepared(static_cast<Input>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        NameList names = input;
        state.ResumeTiming();
        std::sort(names.begin(), names.end(), Less);
        benchmark::DoNotOptimize(names.data());
    }
}

} // namespace

// Argument: 0 random, 1 presorted, 2 reverse-sorted.
BENCHMARK(BM_WideStringQuickSort)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortSameComparison)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
