// Shows the test main form, or the error dialog over it, for looking at them:
//   fw_show_test_form [seconds] [folder text]      fw_show_test_form dialog [seconds]
#include "TestMainForm.h"

#include "runtime/Dialogs.h"

#include <cstdlib>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    bool dialog = __argc > 1 && std::strcmp(__argv[1], "dialog") == 0;
    int argSeconds = dialog ? 2 : 1;
    int seconds = __argc > argSeconds ? std::atoi(__argv[argSeconds]) : 0;
    Application->Initialize();
    Application->SetTitle("Grivelle");
    TTestMainForm* form = nullptr;
    Application->CreateForm(&form);
    if (!dialog && __argc > 2) form->picturePathEdit->SetText(__argv[2]);
    if (seconds > 0) {
        auto* quit = new TTimer(form);
        quit->SetInterval(unsigned(seconds) * 1000);
        quit->OnTimer = [](TObject*) {
            for (int i = 0; i < Application->FormCount(); ++i)
                if (Application->Forms(i)->Modal()) Application->Forms(i)->SetModalResult(mrCancel);
            Application->Terminate();
        };
    }
    if (dialog) {
        form->Show();
        MessageDlgW(L"出错啦：无法启动 Excel（Class not registered）", mtError, 1u << mbOK);
        return 0;
    }
    Application->Run();
    return 0;
}
