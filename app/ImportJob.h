// The import: reads the settings from the main window, lists the pictures, and places them in a new
// Excel workbook, following the work on the window's progress bar. Runs on the main thread.
#pragma once

#include <memory>
#include <string>

#include "GetPicture.h"

// What the job needs of the main window.
class ImportWindow {
public:
    virtual ~ImportWindow() = default;
    virtual std::wstring FolderText() = 0;
    virtual std::wstring PictureTypeText() = 0;
    virtual std::wstring SideWidthText() = 0;
    virtual std::wstring SideHeightText() = 0;
    virtual std::wstring ColumnAmountText() = 0;
    virtual void ShowProgress(bool visible) = 0;
    virtual void SetProgressMax(int max) = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual int ProgressPosition() = 0;
    // The modal error dialog.
    virtual void ShowError(const std::wstring& text) = 0;
};

class ImportJob {
public:
    explicit ImportJob(ImportWindow& window) : window_(window) {}

    // The whole job. Errors before Excel starts (no matching file, a number field that is not a whole
    // number) leave it at once, without a message; errors while Excel is driven are shown.
    void DoImport();
    void ReadSettings();

    int pictureAmount = 0;
    std::unique_ptr<PictureList> pictureList;
    int sideWidth = 0;
    int sideHeight = 0;
    int columnAmount = 0;

private:
    ImportWindow& window_;
};

// "出错啦：" followed by the error's message.
std::wstring ErrorDialogText(const std::exception& error);
