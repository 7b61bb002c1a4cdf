#include "ImportJob.h"

#include <windows.h>

#include <optional>

#include "ExcelApplication.h"
#include "FolderScan.h"
#include "PictureLayout.h"
#include "SettingsText.h"
#include "runtime/SysUtils.h"

std::wstring ErrorDialogText(const std::exception& error) { return L"出错啦：" + WideFromAnsi(error.what()); }

void ImportJob::ReadSettings() {
    pictureList = std::make_unique<PictureList>();
    pictureList->Scan(window_.FolderText(), window_.PictureTypeText());
    pictureAmount = pictureList->pictureAmount;
    sideWidth = WholeNumber(TrimText(window_.SideWidthText()));
    sideHeight = WholeNumber(TrimText(window_.SideHeightText()));
    columnAmount = WholeNumber(TrimText(window_.ColumnAmountText()));
}

void ImportJob::DoImport() {
    ReadSettings();
    window_.ShowProgress(true);
    window_.SetProgressMax(pictureAmount);
    window_.SetProgressPosition(0);

    ExcelApplication excel;
    std::optional<ExcelPicture> picture;
    bool failed = false;
    try {
        excel = ExcelApplication::Create();
        excel.AddWorkbook();
        excel.ActivateFirstSheet();
        PictureGrid grid(columnAmount);
        int rowTop = RoundHalfEven(excel.RowTop(1) + 3);
        int columnLeft = 0;
        const int rowHeight = RowHeightFor(sideHeight);
        const double columnWidth = ColumnWidthFor(sideWidth);
        for (int i = 0; i < pictureAmount; ++i) {
            const PictureGrid::Step place = grid.Next(i);
            if (place.newRow) {
                rowTop = RoundHalfEven(excel.RowTop(place.row) + 3);
                columnLeft = RoundHalfEven(excel.SecondColumnLeft() + 5);
                excel.SetRowHeight(place.row, rowHeight);
            } else {
                columnLeft = RoundHalfEven(excel.ColumnLeft(place.column) + 5);
                excel.SetColumnWidth(place.column, columnWidth);
            }
            excel.SetRowHeight(place.row, rowHeight);
            excel.SetColumnWidth(place.column, columnWidth);

            const PictureName& name = pictureList->pictureFiles[static_cast<size_t>(i)];
            picture.reset();
            picture.emplace(excel.InsertPicture(pictureList->picturePath + name.wide));
            const int pictureWidth = RoundHalfEven(picture->Width());  // Width is read before Height
            const int pictureHeight = RoundHalfEven(picture->Height());
            const FittedSize size = FitPicture(pictureWidth, pictureHeight, sideWidth, sideHeight);
            picture->SetWidth(size.w);
            picture->SetHeight(size.h);
            const CentringOffsets offsets = CenterPicture(size, sideWidth, sideHeight);
            picture->SetTop(CheckedAdd(rowTop, offsets.dy));
            picture->SetLeft(CheckedAdd(columnLeft, offsets.dx));

            excel.SelectCell(CheckedAdd(place.row, 1), place.column);
            excel.CentreSelection();
            excel.WriteSelection(PictureCaptionOf(name.wide, pictureList->pictureType));
            window_.SetProgressPosition(window_.ProgressPosition() + 1);
        }
    } catch (const std::exception& error) {
        failed = true;
        window_.ShowError(ErrorDialogText(error));
        // The error has been shown; a server that no longer answers must not stop the clean-up.
        if (excel) {
            try {
                excel.Quit();
            } catch (const std::exception&) {
            }
        }
    }
    picture.reset();
    window_.ShowProgress(false);
    if (excel) {
        try {
            excel.Show();
        } catch (const std::exception& error) {
            // A workbook that cannot be shown after a good run would be left invisible: say so and close it.
            if (!failed) {
                window_.ShowError(ErrorDialogText(error));
                try {
                    excel.Quit();
                } catch (const std::exception&) {
                }
            }
        }
        excel.Release();
    }
}
