// The stand-in's process: registration switches, or (started by COM with -Embedding) the class
// object for "Excel.Application" and a message loop until Excel's lifetime rules end it.
#include "Objects.h"
#include "Registration.h"
#include "Server.h"
#include "SheetView.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

using namespace grv::standin;

namespace {

class ClassFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the process
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        DispatchObject* app = newApplicationObject();
        HRESULT hr = app->QueryInterface(iid, out);
        app->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        server().lock(lock != FALSE);
        return S_OK;
    }
};

// Started by COM but never asked for an object: do not linger.
constexpr UINT kUnservedTimeoutMs = 60000;

void CALLBACK unservedTimeout(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (!server().everServed) PostQuitMessage(0);
}

void report(const char* text) {
    std::fputs(text, stderr);
    std::fflush(stderr);
}

int serve() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    Server& s = server();
    s.mainThread = GetCurrentThreadId();
    s.settings = Settings::fromEnvironment();
    s.log.open(s.settings.logPath);
    SheetView view;
    s.view = &view;

    static ClassFactory factory;
    DWORD cookie = 0;
    // Single use: every creation starts a new process, as every CreateObject starts a new Excel.
    if (FAILED(CoRegisterClassObject(kStandinClsid, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &cookie))) {
        CoUninitialize();
        return 1;
    }
    SetTimer(nullptr, 0, kUnservedTimeoutMs, unservedTimeout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    CoRevokeClassObject(cookie);
    s.view = nullptr;
    s.previews.clear();
    CoUninitialize();
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring option = argc > 1 ? argv[1] : L"";
    LocalFree(argv);
    if (!option.empty() && (option[0] == L'/' || option[0] == L'-')) option = option.substr(1);

    if (_wcsicmp(option.c_str(), L"RegServer") == 0) {
        bool ok = registerServer();
        report(ok ? "Excel stand-in registered as Excel.Application\n" : "Excel stand-in: registration failed\n");
        return ok ? 0 : 1;
    }
    if (_wcsicmp(option.c_str(), L"UnregServer") == 0) {
        bool ok = unregisterServer();
        report(ok ? "Excel stand-in unregistered\n" : "Excel stand-in: unregistration failed\n");
        return ok ? 0 : 1;
    }
    if (_wcsicmp(option.c_str(), L"Embedding") == 0 || _wcsicmp(option.c_str(), L"Automation") == 0) return serve();
    report("usage: ExcelStandin.exe /RegServer | /UnregServer   (COM starts it with -Embedding)\n");
    return 2;
}
