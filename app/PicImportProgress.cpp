#include "PicImportProgress.h"

#include <atomic>

#include "MainUnit.h"
#include "NameThread.h"
#include "runtime/Dialogs.h"

namespace {
std::atomic<int> g_running{0};  // the job object may be freed on its own thread
}

// The job's view of the main window.
class ImportProgress::MainWindow : public ImportWindow {
public:
    std::wstring FolderText() override { return MainForm->picturePathEdit->WideText(); }
    std::wstring PictureTypeText() override { return MainForm->pictureTypeEdit->WideText(); }
    std::wstring SideWidthText() override { return MainForm->sideWidthEdit->WideText(); }
    std::wstring SideHeightText() override { return MainForm->sideHeightEdit->WideText(); }
    std::wstring ColumnAmountText() override { return MainForm->columnAmountEdit->WideText(); }
    void ShowProgress(bool visible) override { MainForm->ProgressBar1->SetVisible(visible); }
    void SetProgressMax(int max) override { MainForm->ProgressBar1->SetMax(max); }
    void SetProgressPosition(int position) override { MainForm->ProgressBar1->SetPosition(position); }
    int ProgressPosition() override { return MainForm->ProgressBar1->Position(); }
    void ShowError(const std::wstring& text) override { MessageDlgW(text, mtError, 1u << mbOK, 0); }
};

ImportProgress::ImportProgress(bool createSuspended)
    : TThread(createSuspended), window_(std::make_unique<MainWindow>()), job_(*window_) {
    ++g_running;
    NameThread();
    SetFreeOnTerminate(true);
}

ImportProgress::~ImportProgress() { --g_running; }

bool ImportProgress::Running() { return g_running > 0; }

void ImportProgress::NameThread() { NameCurrentThread("ImportProgress"); }

void ImportProgress::Execute() {
    Synchronize([this] { DoImport(); });
}

void ImportProgress::DoImport() { job_.DoImport(); }

void ImportProgress::ReadSettings() { job_.ReadSettings(); }
