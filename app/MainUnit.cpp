#include "MainUnit.h"

#include <shlobj.h>

#include "PicImportProgress.h"

TMainForm* MainForm = nullptr;

const TClassInfo& TMainForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMainForm, TForm>("TMainForm")
        .Field("Label3", &TMainForm::Label3)
        .Field("picturePathEdit", &TMainForm::picturePathEdit)
        .Field("findPictureButton", &TMainForm::findPictureButton)
        .Field("Label4", &TMainForm::Label4)
        .Field("pictureTypeEdit", &TMainForm::pictureTypeEdit)
        .Field("submitButton", &TMainForm::submitButton)
        .Field("quitButton", &TMainForm::quitButton)
        .Field("ProgressBar1", &TMainForm::ProgressBar1)
        .Field("Image1", &TMainForm::Image1)
        .Field("Label5", &TMainForm::Label5)
        .Field("sideWidthEdit", &TMainForm::sideWidthEdit)
        .Field("Label8", &TMainForm::Label8)
        .Field("Label9", &TMainForm::Label9)
        .Field("sideHeightEdit", &TMainForm::sideHeightEdit)
        .Field("Label6", &TMainForm::Label6)
        .Field("Label7", &TMainForm::Label7)
        .Field("Label10", &TMainForm::Label10)
        .Field("columnAmountEdit", &TMainForm::columnAmountEdit)
        .Field("Image2", &TMainForm::Image2)
        .Field("SkinData1", &TMainForm::SkinData1)
        .Method("findPictureButtonClick", &TMainForm::findPictureButtonClick)
        .Method("quitButtonClick", &TMainForm::quitButtonClick)
        .Method("submitButtonClick", &TMainForm::submitButtonClick)
        .Register();
    return info;
}

TMainForm::TMainForm(TComponent* owner) : TForm(owner) { ReadFromResource(); }

void TMainForm::findPictureButtonClick(TObject*) {
    const std::wstring folder = SelectFolder(Handle());
    if (!folder.empty()) picturePathEdit->SetWideText(folder);
}

void TMainForm::quitButtonClick(TObject*) { Close(); }

void TMainForm::submitButtonClick(TObject*) {
    // One job at a time: while Excel is driven the main thread still handles some messages.
    if (ImportProgress::Running()) return;
    ProgressBar1->SetPosition(0);
    ImportProgress* job = new ImportProgress(true);
    job->SetPriority(tpLower);
    job->Resume();
}

std::wstring SelectFolder(HWND owner) {
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = L"选择图片所在的文件夹：";
    info.ulFlags = 0;
    info.lpfn = nullptr;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (chosen == nullptr) return {};  // cancelled
    wchar_t path[MAX_PATH] = {};
    const BOOL isFolder = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    return isFolder ? std::wstring(path) : std::wstring();
}
