// The automation operations of the import, A1 to A17: chains of late-bound calls that always start at
// the application object and fetch the active sheet anew. Member names are exactly these, including
// the lower-case "left".
#pragma once

#include <string>

#include "OleDispatch.h"

class ExcelPicture {
public:
    explicit ExcelPicture(OleObject picture) : picture_(std::move(picture)) {}
    double Width() const;                      // A10
    double Height() const;                     // A10
    void SetWidth(int width) const;            // A11
    void SetHeight(int height) const;          // A11
    void SetTop(int top) const;                // A12
    void SetLeft(int left) const;              // A12
    void Release() { picture_.Release(); }

private:
    OleObject picture_;
};

class ExcelApplication {
public:
    static ExcelApplication Create();                       // A1
    void AddWorkbook() const;                               // A2
    void ActivateFirstSheet() const;                        // A3
    double RowTop(int row) const;                           // A4
    double SecondColumnLeft() const;                        // A5
    double ColumnLeft(int column) const;                    // A6
    void SetRowHeight(int row, int height) const;           // A7
    void SetColumnWidth(int column, double width) const;    // A8
    ExcelPicture InsertPicture(const std::wstring& path) const;  // A9
    void SelectCell(int row, int column) const;             // A13
    void CentreSelection() const;                           // A14
    void WriteSelection(const std::wstring& text) const;    // A15
    void Show() const;                                      // A16
    void Quit() const;                                      // A17

    explicit operator bool() const { return static_cast<bool>(app_); }
    void Release() { app_.Release(); }

private:
    OleObject ActiveSheet() const { return app_.GetObject(L"ActiveSheet"); }

    OleObject app_;
};
