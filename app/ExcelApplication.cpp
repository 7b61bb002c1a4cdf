#include "ExcelApplication.h"

namespace {
constexpr int kCentred = -4108; // Excel's constant for centred alignment
}

double ExcelPicture::Width() const { return picture_.Get(L"Width").AsDouble(); }
double ExcelPicture::Height() const { return picture_.Get(L"Height").AsDouble(); }
void ExcelPicture::SetWidth(int width) const { picture_.Put(L"Width", OleVariant(width)); }
void ExcelPicture::SetHeight(int height) const { picture_.Put(L"Height", OleVariant(height)); }
void ExcelPicture::SetTop(int top) const { picture_.Put(L"Top", OleVariant(top)); }
void ExcelPicture::SetLeft(int left) const { picture_.Put(L"left", OleVariant(left)); }

ExcelApplication ExcelApplication::Create() {
    ExcelApplication excel;
    excel.app_ = OleObject::Create(L"Excel.Application");
    return excel;
}

void ExcelApplication::AddWorkbook() const { app_.GetObject(L"WorkBooks").Call(L"Add"); }

void ExcelApplication::ActivateFirstSheet() const { app_.GetIndexed(L"WorkSheets", {1}).Call(L"Activate"); }

double ExcelApplication::RowTop(int row) const {
    return ActiveSheet().GetIndexed(L"Rows", {row}).Get(L"Top").AsDouble();
}

double ExcelApplication::SecondColumnLeft() const {
    return ActiveSheet().GetIndexed(L"Columns", {2}).Get(L"Left").AsDouble();
}

double ExcelApplication::ColumnLeft(int column) const {
    return ActiveSheet().GetIndexed(L"Columns", {column}).Get(L"left").AsDouble();
}

void ExcelApplication::SetRowHeight(int row, int height) const {
    ActiveSheet().GetIndexed(L"Rows", {row}).Put(L"RowHeight", OleVariant(height));
}

void ExcelApplication::SetColumnWidth(int column, double width) const {
    ActiveSheet().GetIndexed(L"Columns", {column}).Put(L"ColumnWidth", OleVariant(width));
}

ExcelPicture ExcelApplication::InsertPicture(const std::wstring& path) const {
    const OleVariant file(path);
    return ExcelPicture(ObjectOf(ActiveSheet().GetObject(L"Pictures").Call(L"Insert", {&file}), L"Insert"));
}

void ExcelApplication::SelectCell(int row, int column) const {
    ActiveSheet().GetIndexed(L"Cells", {row, column}).Call(L"Select");
}

void ExcelApplication::CentreSelection() const {
    app_.GetObject(L"Selection").Put(L"HorizontalAlignment", OleVariant(kCentred));
}

void ExcelApplication::WriteSelection(const std::wstring& text) const { app_.Put(L"Selection", OleVariant(text)); }

void ExcelApplication::Show() const { app_.Put(L"Visible", OleVariant(true)); }

void ExcelApplication::Quit() const { app_.Call(L"Quit"); }
