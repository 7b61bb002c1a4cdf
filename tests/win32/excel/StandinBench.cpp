// Measures the stand-in as the import job meets it: activation (a new server process per
// creation) and the cost of one automation call, with and without the name lookup that the job
// makes before every call. Prints figures; not a test. Run: wine-run excel_standin_bench.exe
#include "LateBound.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using grv::test::Object;
using grv::test::Value;

namespace {

double now() {
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency.QuadPart;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SetEnvironmentVariableW(L"GRV_STANDIN_LOG", nullptr);

    // Activation: create, first answer, quit.
    std::vector<double> activation;
    for (int i = 0; i < 8; ++i) {
        double start = now();
        Object app = Object::create(L"Excel.Application");
        if (!app || !app.read(L"Visible").ok()) {
            std::fprintf(stderr, "Excel.Application is not registered\n");
            return 1;
        }
        activation.push_back(now() - start);
        app.call(L"Quit");
    }

    Object app = Object::create(L"Excel.Application");
    app.object(L"WorkBooks").call(L"Add");
    app.object(L"WorkSheets", {1}).call(L"Activate");
    Object column = app.object(L"ActiveSheet").object(L"Columns", {2});

    // One property read with the name looked up first, as the job calls.
    const int calls = 2000;
    double start = now();
    for (int i = 0; i < calls; ++i) column.read(L"Left");
    double lookedUp = (now() - start) / calls;

    // The same read with its dispatch id kept: the Invoke round trip alone.
    DISPID id;
    LPOLESTR name = const_cast<LPOLESTR>(L"Left");
    column.get()->GetIDsOfNames(IID_NULL, &name, 1, 0, &id);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    start = now();
    for (int i = 0; i < calls; ++i) {
        VARIANT result;
        VariantInit(&result);
        column.get()->Invoke(id, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    }
    double invokeOnly = (now() - start) / calls;

    // One chain of the job (ActiveSheet -> Columns(c) -> left): three calls, three objects.
    start = now();
    for (int i = 0; i < calls / 4; ++i) app.object(L"ActiveSheet").object(L"Columns", {2 + i % 8}).read(L"left");
    double chain = (now() - start) / (calls / 4);
    app.call(L"Quit");

    std::printf("activation (create to first answer, %zu runs): median %.1f ms, min %.1f ms\n", activation.size(),
                median(activation) * 1e3, *std::min_element(activation.begin(), activation.end()) * 1e3);
    std::printf("property read, name looked up first: %.3f ms per call\n", lookedUp * 1e3);
    std::printf("property read, Invoke only:          %.3f ms per call\n", invokeOnly * 1e3);
    std::printf("chain ActiveSheet->Columns(c)->left: %.3f ms per chain\n", chain * 1e3);
    std::printf("lookup+invoke / invoke only = %.2f\n", lookedUp / invokeOnly);
    CoUninitialize();
    return 0;
}
