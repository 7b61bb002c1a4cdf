#include "runtime/Dialogs.h"
#include "runtime/ExtCtrls.h"
#include "runtime/StdCtrls.h"

#include <gtest/gtest.h>

#include <objbase.h>

TEST(Application, InitializeStartsComAsSingleThreadedApartment) {
    Application->Initialize();
    // A second initialisation in the same mode answers S_FALSE; another mode is refused.
    HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(again, S_FALSE);
    if (SUCCEEDED(again)) CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    wchar_t cls[64] = {};
    GetClassNameW(Application->Handle(), cls, 64);
    EXPECT_STREQ(cls, L"TApplication");
    EXPECT_FALSE(IsWindowVisible(Application->Handle()));
    // Its icon is the program's MAINICON, and the window answers WM_GETICON with it.
    EXPECT_NE(Application->Icon(), nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(Application->Handle(), WM_GETICON, ICON_BIG, 0)), Application->Icon());
    Application->SetTitle("Grivelle");
    EXPECT_EQ(Application->Title(), "Grivelle");
}

TEST(Dialogs, ErrorDialogIsAMessageFormWithIconTextAndOneOkButton) {
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(L"出错啦：something failed", mtError, 1u << mbOK));
    HWND h = form->Handle();
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    EXPECT_STREQ(cls, L"TMessageForm");
    EXPECT_EQ(form->WideText(), L"Error");
    int buttons = 0, labels = 0, images = 0;
    TButton* ok = nullptr;
    for (int i = 0; i < form->ControlCount(); ++i) {
        TControl* c = form->Controls(i);
        if (auto* b = dynamic_cast<TButton*>(c)) { ++buttons; ok = b; }
        if (auto* l = dynamic_cast<TLabel*>(c)) { ++labels; EXPECT_EQ(l->WideText(), L"出错啦：something failed"); }
        if (dynamic_cast<TImage*>(c)) ++images;
    }
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(labels, 1);
    EXPECT_EQ(images, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->WideText(), L"OK");
    EXPECT_EQ(ok->ModalResult(), mrOk);
    // Pressing the button ends the modal loop with its result.
    PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->ShowModal(), mrOk);
}

TEST(Dialogs, MessageDlgAnswersTheButtonPressed) {
    TTimer timer(nullptr);
    timer.SetInterval(50);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        for (int i = 0; i < Application->FormCount(); ++i)
            if (auto* f = dynamic_cast<TMessageForm*>(Application->Forms(i)))
                if (auto* no = dynamic_cast<TButton*>(f->FindComponent("No"))) no->Click();
    };
    EXPECT_EQ(MessageDlg("Continue?", mtConfirmation, (1u << mbYes) | (1u << mbNo)), mrNo);
}
