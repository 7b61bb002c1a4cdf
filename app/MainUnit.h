// The main window: folder, picture type, frame size and pictures per row, and the three buttons.
#pragma once

#include <string>

#include "runtime/Buttons.h"
#include "runtime/ComCtrls.h"
#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "runtime/StdCtrls.h"
#include "skin/data/WinSkinData.h"

class TMainForm : public TForm {
    GRV_CLASS(TMainForm)
public:
    // Streams the window from its stored description (the TMAINFORM resource).
    explicit TMainForm(TComponent* owner);

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
    TSkinData* SkinData1 = nullptr;

    void findPictureButtonClick(TObject* Sender);
    void quitButtonClick(TObject* Sender);
    void submitButtonClick(TObject* Sender);
};

extern TMainForm* MainForm;

// Shows the system's folder browser owned by `owner`; returns the chosen folder, or an empty text when
// the browser was cancelled or the chosen item is not a folder of the file system.
std::wstring SelectFolder(HWND owner);
