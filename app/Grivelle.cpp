// Grivelle: puts every picture of a folder into a new Excel workbook.
#include <windows.h>

#include "MainUnit.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        Application->Initialize();  // also starts COM for this thread
        Application->SetTitle("Grivelle");
        Application->CreateForm(&MainForm);
        Application->Run();
    } catch (const std::exception& error) {
        Application->HandleException(error);
        return 1;
    }
    return 0;
}
