// How long the stored skin takes from reading "SkinStream" to IsEmpty false (decode, parse, build), and
// how that splits into its three stages. Prints medians over the runs.
#include "SkinTestSupport.h"

#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    const auto& package = StoredSkinPackage();
    if (package.empty()) {
        std::fprintf(stderr, "no stored skin at %s\n", GRV_STORED_SKIN_PACKAGE);
        return 1;
    }
    const std::string properties = "    Active = True\n";
    std::vector<double> whole, streamed, decode, parse, build, bitmaps;
    TSkinData component(nullptr);
    for (int i = 0; i < runs; ++i) {
        // The whole way, as the main window streams in: the form text holds the package in hexadecimal.
        double t0 = Now();
        StreamedSkinData s(properties, package);
        double t1 = Now();
        if (s.data->IsEmpty) return 2;
        whole.push_back(t1 - t0);

        // From the stored bytes on: decode, parse, build.
        component.PackageStream().Clear();
        component.PackageStream().WriteBuffer(package.data(), static_cast<std::int64_t>(package.size()));
        t0 = Now();
        TSkinReader reader;
        reader.LoadPackage(component.PackageStream().Bytes());
        t1 = Now();
        TQuickIni ini;
        std::vector<std::uint8_t> definition;
        std::string name;
        reader.FindEntry(".ini", definition, name);
        ini.LoadFromStream(&definition, 0);
        const double t2 = Now();
        component.IsEmpty = true;
        component.BuildElements(ini, reader);
        const double t3 = Now();
        if (component.IsEmpty) return 3;
        // Of the build: the package's bitmaps alone, each loaded into a DIB section.
        const double t4 = Now();
        std::vector<std::uint8_t> bytes;
        for (int e = 0; e < reader.EntryCount(); ++e) {
            reader.EntryBytes(e, bytes);
            TBitmap bitmap;
            bitmap.LoadFromBytes(bytes.data(), bytes.size());
        }
        bitmaps.push_back(Now() - t4);
        decode.push_back(t1 - t0);
        parse.push_back(t2 - t1);
        build.push_back(t3 - t2);
        streamed.push_back(t3 - t0);
    }
    std::printf("stored skin: %zu compressed bytes, %d runs (medians)\n", package.size(), runs);
    std::printf("  form streamed with SkinStream -> IsEmpty false: %8.3f ms\n", Median(whole));
    std::printf("  package bytes -> IsEmpty false:                 %8.3f ms\n", Median(streamed));
    std::printf("    decode (LZH + directory):                     %8.3f ms\n", Median(decode));
    std::printf("    parse (definition text):                      %8.3f ms\n", Median(parse));
    std::printf("    build (element records):                      %8.3f ms\n", Median(build));
    std::printf("      of which: every entry loaded as a bitmap:   %8.3f ms\n", Median(bitmaps));
    return 0;
}
