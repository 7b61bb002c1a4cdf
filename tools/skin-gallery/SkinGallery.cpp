// The skin gallery: every control family the engine paints, on one page per family, plus a raw dialog of
// bare "Button" windows. For skin authors and for the tests.
//
//   SkinGallery.exe [skin file] [--second] [--unskinned] [--raw] [--layout FILE]
//
// A skin file that cannot be read leaves the stored skin in place; --second starts with the second skin.
// --unskinned starts with skinning off. The main window switches skinning off and on and loads the stored
// skin, the second skin or any skin file while every window stays open. --raw opens the raw dialog at once.
// --layout writes, once the windows are up, one line per control: "window control left top width height"
// in screen pixels.
#include <windows.h>
#include <shellapi.h>

#include "GalleryForm.h"
#include "RawDialog.h"
#include "runtime/ExtCtrls.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct TOptions {
    std::wstring skinFile;
    std::wstring layoutFile;
    bool unskinned = false;
    bool second = false;
    bool raw = false;
};

TOptions ParseCommandLine() {
    TOptions o;
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args && i < count; ++i) {
        const std::wstring a = args[i];
        if (a == L"--unskinned") o.unskinned = true;
        else if (a == L"--raw") o.raw = true;
        else if (a == L"--second") o.second = true;
        else if (a == L"--layout" && i + 1 < count) o.layoutFile = args[++i];
        else o.skinFile = a;
    }
    LocalFree(args);
    return o;
}

void WriteControls(std::ofstream& out, const std::string& window, TWinControl* parent) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        const POINT p = c->ClientToScreen(POINT{0, 0});
        out << window << ' ' << c->Name() << ' ' << p.x << ' ' << p.y << ' ' << c->Width() << ' ' << c->Height()
            << '\n';
        if (auto* w = dynamic_cast<TWinControl*>(c)) WriteControls(out, window, w);
    }
}

BOOL CALLBACK WriteDialogChild(HWND child, LPARAM stream) {
    RECT r;
    GetWindowRect(child, &r);
    *reinterpret_cast<std::ofstream*>(stream) << "RawDialog " << GetDlgCtrlID(child) << ' ' << r.left << ' ' << r.top
                                               << ' ' << r.right - r.left << ' ' << r.bottom - r.top << '\n';
    return TRUE;
}

void WriteLayout(const std::wstring& file, const std::vector<TCustomForm*>& forms, HWND raw) {
    std::ofstream out(file.c_str());
    for (TCustomForm* f : forms) {
        RECT r;
        GetWindowRect(f->Handle(), &r);
        out << f->Name() << " window " << r.left << ' ' << r.top << ' ' << r.right - r.left << ' ' << r.bottom - r.top
            << '\n';
        WriteControls(out, f->Name(), f);
    }
    if (raw && IsWindow(raw)) {
        RECT r;
        GetWindowRect(raw, &r);
        out << "RawDialog window " << r.left << ' ' << r.top << ' ' << r.right - r.left << ' ' << r.bottom - r.top << '\n';
        EnumChildWindows(raw, WriteDialogChild, reinterpret_cast<LPARAM>(&out));
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        const TOptions options = ParseCommandLine();
        Application->Initialize();
        Application->SetTitle("Skin gallery");
        TGalleryForm* form = nullptr;
        Application->CreateForm(&form);
        form->SkinData1->Skin3rd()->Add("TMenuButton=menubtn");
        if (!options.skinFile.empty() && !form->LoadSkinFile(options.skinFile))
            std::fprintf(stderr, "Cannot read %ls: the stored skin stays.\n", options.skinFile.c_str());
        if (options.second) form->secondSkinButtonClick(form);
        if (options.unskinned) form->SkinData1->SetActive(false);
        std::vector<TCustomForm*> forms{form};
        for (const std::wstring& name : GalleryPageNames()) {
            auto* page = new TGalleryPage(Application, name);
            PrepareMediaPlayers(page);
            forms.push_back(page);
        }
        form->ShowSkinState();
        form->Show();
        for (size_t i = 1; i < forms.size(); ++i) forms[i]->Show();
        if (options.raw) form->rawDialogButtonClick(form);
        TTimer* layout = nullptr;
        if (!options.layoutFile.empty()) {
            layout = new TTimer(form);
            layout->SetInterval(1500);
            layout->OnTimer = [layout, &options, &forms, form](TObject*) {
                layout->SetEnabled(false);
                WriteLayout(options.layoutFile, forms, form->RawDialog);
            };
        }
        Application->Run();
    } catch (const std::exception& error) {
        Application->HandleException(error);
        return 1;
    }
    return 0;
}
