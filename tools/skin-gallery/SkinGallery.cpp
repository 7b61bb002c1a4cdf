// The skin gallery: every control family the engine paints, on one page per family, plus a raw dialog of
// bare "Button" windows. For skin authors and for the tests.
//
//   SkinGallery.exe [skin file] [--second] [--unskinned] [--raw] [--mdi] [--layout FILE]
//
// A skin file that cannot be read leaves the stored skin in place; --second starts with the second skin.
// --unskinned starts with skinning off. The main window switches skinning off and on and loads the stored
// skin, the second skin or any skin file while every window stays open. --raw opens the raw dialog at once,
// --mdi the MDI window.
// --layout writes, once the windows are up, one line per control: "window control left top width height"
// in screen pixels.
#include <windows.h>
#include <shellapi.h>

#include "GalleryForm.h"
#include "MdiWindow.h"
#include "RawDialog.h"
#include "runtime/ExtCtrls.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinMenu.h"
#include "skin/window/WinSysButton.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct TOptions {
    std::wstring skinFile;
    std::wstring layoutFile;
    bool mdi = false;
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
        else if (a == L"--mdi") o.mdi = true;
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

// A window's skinned menu-bar items and caption buttons: "<window> menu<i> ..." and "<window> button<action> ...".
void WriteFrameObjects(std::ofstream& out, const std::string& window, HWND handle) {
    const TWinSkinForm* painter = FramePainterOf(handle);
    if (!painter) return;
    RECT r;
    GetWindowRect(handle, &r);
    auto line = [&](const std::string& name, const RECT& o) {
        out << window << ' ' << name << ' ' << r.left + o.left << ' ' << r.top + o.top << ' ' << o.right - o.left
            << ' ' << o.bottom - o.top << '\n';
    };
    if (painter->MenuBar)
        for (const auto& item : painter->MenuBar->Items) line("menu" + std::to_string(item->Index), item->Rect);
    for (const TWinSysButton* button : painter->CaptionButtons)
        if (button->Visible && button->Rect.right > button->Rect.left)
            line("button" + std::to_string(button->Action()), button->Rect);
}

void WriteLayout(const std::wstring& file, const std::vector<TCustomForm*>& forms, HWND raw, HWND mdi) {
    std::ofstream out(file.c_str());
    for (TCustomForm* f : forms) {
        RECT r;
        GetWindowRect(f->Handle(), &r);
        out << f->Name() << " window " << r.left << ' ' << r.top << ' ' << r.right - r.left << ' ' << r.bottom - r.top
            << '\n';
        WriteControls(out, f->Name(), f);
        WriteFrameObjects(out, f->Name(), f->Handle());
    }
    if (mdi && IsWindow(mdi)) {
        RECT r;
        GetWindowRect(mdi, &r);
        out << "MdiWindow window " << r.left << ' ' << r.top << ' ' << r.right - r.left << ' ' << r.bottom - r.top << '\n';
        WriteFrameObjects(out, "MdiWindow", mdi);
        int n = 0;
        for (HWND child = GetWindow(MdiClientOf(mdi), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            GetWindowRect(child, &r);
            out << "MdiWindow child" << n << ' ' << r.left << ' ' << r.top << ' ' << r.right - r.left << ' '
                << r.bottom - r.top << '\n';
            WriteFrameObjects(out, "MdiChild" + std::to_string(n++), child);
        }
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
        if (options.mdi) form->mdiButtonClick(form);
        TTimer* layout = nullptr;
        if (!options.layoutFile.empty()) {
            layout = new TTimer(form);
            layout->SetInterval(1500);
            layout->OnTimer = [layout, &options, &forms, form](TObject*) {
                layout->SetEnabled(false);
                WriteLayout(options.layoutFile, forms, form->RawDialog, form->MdiWindow);
            };
        }
        Application->Run();
    } catch (const std::exception& error) {
        Application->HandleException(error);
        return 1;
    }
    return 0;
}
