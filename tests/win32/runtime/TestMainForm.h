// A form shaped like the program's main window, streamed from the test resource TTESTMAINFORM.
#pragma once

#include "runtime/Buttons.h"
#include "runtime/ComCtrls.h"
#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "runtime/StdCtrls.h"

#include <string>
#include <vector>

extern std::vector<std::string> g_log;

// Stands in for the skin data component: a binary property read while streaming, then Loaded.
class TTestSkinData : public TComponent {
    GRV_CLASS(TTestSkinData)
public:
    explicit TTestSkinData(TComponent* owner) : TComponent(owner) {}
    bool Active = false;
    std::vector<uint8_t> Package;
    bool packageReadWhileLoading = false;
    void DefineProperties(TFiler& filer) override;
    void Loaded() override;
};

class TTestMainForm : public TForm {
    GRV_CLASS(TTestMainForm)
public:
    explicit TTestMainForm(TComponent* owner);
    TLabel* Label3 = nullptr;
    TEdit* picturePathEdit = nullptr;
    TBitBtn* findPictureButton = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* pictureTypeEdit = nullptr;
    TBitBtn* submitButton = nullptr;
    TBitBtn* quitButton = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TImage* Image1 = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* sideWidthEdit = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TEdit* sideHeightEdit = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label10 = nullptr;
    TEdit* columnAmountEdit = nullptr;
    TImage* Image2 = nullptr;
    TTestSkinData* SkinData1 = nullptr;

    int findClicks = 0, submitClicks = 0;
    void findPictureButtonClick(TObject* Sender);
    void submitButtonClick(TObject* Sender);
    void quitButtonClick(TObject* Sender);
    void Loaded() override;
};
