// Shows the test main form (for looking at it): fw_show_test_form [seconds] [folder text]
#include "TestMainForm.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int seconds = __argc > 1 ? std::atoi(__argv[1]) : 0;
    Application->Initialize();
    Application->SetTitle("Grivelle");
    TTestMainForm* form = nullptr;
    Application->CreateForm(&form);
    if (__argc > 2) form->picturePathEdit->SetText(__argv[2]);
    TTimer* quit = nullptr;
    if (seconds > 0) {
        quit = new TTimer(form);
        quit->SetInterval(unsigned(seconds) * 1000);
        quit->OnTimer = [](TObject*) { Application->Terminate(); };
    }
    Application->Run();
    return 0;
}
