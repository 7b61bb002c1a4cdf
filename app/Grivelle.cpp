// Grivelle: puts every picture of a folder into a new Excel workbook.
//
//   Grivelle.exe [skin file]
//
// A skin file named on the command line is worn instead of the stored skin; one that cannot be read leaves
// the stored skin in place.
#include <windows.h>
#include <shellapi.h>

#include "MainUnit.h"

namespace {

std::wstring SkinFileArgument() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring file = args && count > 1 ? args[1] : L"";
    LocalFree(args);
    const DWORD attributes = file.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) ? file : L"";
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        Application->Initialize();  // also starts COM for this thread
        Application->SetTitle("Grivelle");
        Application->CreateForm(&MainForm);
        const std::wstring skinFile = SkinFileArgument();
        if (!skinFile.empty()) MainForm->SkinData1->SetSkinFile(AnsiFromWide(skinFile));
        Application->Run();
    } catch (const std::exception& error) {
        Application->HandleException(error);
        return 1;
    }
    return 0;
}
