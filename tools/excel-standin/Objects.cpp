#include "Objects.h"

#include "ImageDecoder.h"
#include "Server.h"
#include "SheetGeometry.h"
#include "WideText.h"

#include <cmath>
#include <cwctype>

namespace grv::standin {

namespace {

[[noreturn]] void fail(const std::wstring& description) { throw MemberFailure{description}; }

const wchar_t* const kObjectDefinedError = L"Application-defined or object-defined error";

std::wstring areaRef(const Area& area) {
    auto n = [](int v) { return std::to_wstring(v); };
    if (area.allColumns())
        return area.firstRow == area.lastRow ? L"Rows(" + n(area.firstRow) + L")"
                                             : L"Rows(" + n(area.firstRow) + L":" + n(area.lastRow) + L")";
    if (area.allRows())
        return area.firstColumn == area.lastColumn
                   ? L"Columns(" + n(area.firstColumn) + L")"
                   : L"Columns(" + n(area.firstColumn) + L":" + n(area.lastColumn) + L")";
    std::wstring ref = L"Cells(" + n(area.firstRow) + L"," + n(area.firstColumn) + L")";
    if (area.cellCount() > 1) ref += L":Cells(" + n(area.lastRow) + L"," + n(area.lastColumn) + L")";
    return ref;
}

// A column given as a number or as its letters ("B", "aa").
int columnIndex(const Args& args, size_t i) {
    if (V_VT(&args[i]) == VT_BSTR) {
        std::wstring text = args.text(i);
        bool letters = !text.empty() && text.size() <= 3;
        for (wchar_t ch : text) letters = letters && std::iswalpha(ch) && ch < 128;
        if (letters) {
            int column = 0;
            for (wchar_t ch : text) column = column * 26 + (std::towupper(ch) - L'A' + 1);
            return column;
        }
    }
    return args.integer(i);
}

CellValue cellValue(const Args& args, size_t i) {
    CellValue value;
    switch (V_VT(&args[i])) {
    case VT_EMPTY: case VT_NULL: break;
    case VT_BSTR:
        value.kind = CellValue::Kind::Text;
        value.text = toUtf8(args.text(i));
        break;
    case VT_BOOL:
        value.kind = CellValue::Kind::Boolean;
        value.boolean = args.boolean(i);
        break;
    default:
        value.kind = CellValue::Kind::Number;
        value.number = args.number(i);
    }
    return value;
}

// Range -----------------------------------------------------------------------------------------

class RangeObject : public DispatchObject {
public:
    RangeObject(std::shared_ptr<Sheet> sheet, Area area) : sheet_(std::move(sheet)), area_(area) {}
    const wchar_t* className() const override { return L"Range"; }
    std::wstring ref() const override { return areaRef(area_); }

protected:
    enum { Top, Left, RowHeight, ColumnWidth, Select, HorizontalAlignment };
    const std::vector<Member>& members() const override {
        static const std::vector<Member> table = {
            {L"Top", Top, true, false, false},
            {L"Left", Left, true, false, false},
            {L"RowHeight", RowHeight, true, true, false},
            {L"ColumnWidth", ColumnWidth, true, true, false},
            {L"Select", Select, false, false, true, 0, 1},
            {L"HorizontalAlignment", HorizontalAlignment, true, true, false},
        };
        return table;
    }

    void call(int id, CallKind kind, const Args& args, VARIANT& result) override {
        Sheet& sheet = *sheet_;
        switch (id) {
        case Top: return setNumber(result, sheet.rowTop(area_.firstRow));
        case Left: return setNumber(result, sheet.columnLeft(area_.firstColumn));
        case RowHeight:
            if (kind == CallKind::Get) {
                auto height = sheet.rowHeight(area_);
                return height ? setNumber(result, *height) : setNull(result);
            } else {
                double points = args.number(0);
                if (!(points >= 0 && points <= kMaxRowHeight)) failPut(L"RowHeight");
                return sheet.setRowHeight(area_, points);
            }
        case ColumnWidth:
            if (kind == CallKind::Get) {
                auto pixels = sheet.columnPixels(area_);
                return pixels ? setNumber(result, columnCharsFromPixels(*pixels)) : setNull(result);
            } else {
                double chars = args.number(0);
                if (!(chars >= 0 && chars <= kMaxColumnWidth)) failPut(L"ColumnWidth");
                return sheet.setColumnPixels(area_, columnPixelsFromChars(chars));
            }
        case Select:
            if (server().app.activeSheet() != sheet_.get()) fail(L"Select method of Range class failed");
            sheet.select(area_);
            return setBoolean(result, true);
        case HorizontalAlignment:
            if (kind == CallKind::Get) {
                auto alignment = sheet.alignment(area_);
                return alignment ? setInteger(result, *alignment) : setNull(result);
            } else {
                int value = args.integer(0);
                if (!isHorizontalAlignment(value)) failPut(L"HorizontalAlignment");
                return sheet.setAlignment(area_, value);
            }
        }
    }

private:
    std::shared_ptr<Sheet> sheet_;
    Area area_;
};

// Picture ---------------------------------------------------------------------------------------

class PictureObject : public DispatchObject {
public:
    PictureObject(std::shared_ptr<Sheet> sheet, std::shared_ptr<Picture> picture)
        : sheet_(std::move(sheet)), picture_(std::move(picture)) {}
    const wchar_t* className() const override { return L"Picture"; }
    std::wstring ref() const override { return fromUtf8(picture_->name); }

protected:
    enum { Width, Height, Top, Left };
    const std::vector<Member>& members() const override {
        static const std::vector<Member> table = {
            {L"Width", Width, true, true, false},
            {L"Height", Height, true, true, false},
            {L"Top", Top, true, true, false},
            {L"Left", Left, true, true, false},
        };
        return table;
    }

    void call(int id, CallKind kind, const Args& args, VARIANT& result) override {
        Picture& picture = *picture_;
        double* field = id == Width ? &picture.width : id == Height ? &picture.height : id == Top ? &picture.top : &picture.left;
        if (kind == CallKind::Get) return setNumber(result, *field);
        double value = args.number(0);
        if (id == Width || id == Height) {
            if (!(value >= 0 && std::isfinite(value))) failPut(id == Width ? L"Width" : L"Height");
            if (server().settings.lockAspect) {
                // Excel keeps an inserted picture's proportions when one side is set.
                double& other = id == Width ? picture.height : picture.width;
                if (*field > 0) other = other * value / *field;
            }
            *field = value;
        } else {
            if (!std::isfinite(value)) failPut(id == Top ? L"Top" : L"Left");
            *field = std::max(0.0, value);  // shapes cannot leave the sheet's top or left edge
        }
    }

private:
    std::shared_ptr<Sheet> sheet_;
    std::shared_ptr<Picture> picture_;
};

// Pictures --------------------------------------------------------------------------------------

class PicturesObject : public DispatchObject {
public:
    explicit PicturesObject(std::shared_ptr<Sheet> sheet) : sheet_(std::move(sheet)) {}
    const wchar_t* className() const override { return L"Pictures"; }
    std::wstring ref() const override { return fromUtf8(sheet_->name()); }

protected:
    enum { Insert };
    const std::vector<Member>& members() const override {
        static const std::vector<Member> table = {{L"Insert", Insert, false, false, true, 1, 2}};
        return table;
    }

    void call(int, CallKind, const Args& args, VARIANT& result) override {
        Server& s = server();
        long nth = ++s.inserts;
        std::wstring path = args.text(0);
        const wchar_t* failure = L"Unable to get the Insert property of the Pictures class";
        if (s.settings.failInsertAt > 0 && nth == s.settings.failInsertAt) fail(failure);
        auto image = decodeImage(path);
        if (!image) fail(failure);
        Picture picture;
        picture.file = toUtf8(path);
        picture.unixFile = unixPath(path);
        picture.pixelWidth = image->pixelWidth;
        picture.pixelHeight = image->pixelHeight;
        picture.dpiX = image->dpiX;
        picture.dpiY = image->dpiY;
        picture.width = naturalPoints(image->pixelWidth, image->dpiX);
        picture.height = naturalPoints(image->pixelHeight, image->dpiY);
        sheet_->insertPicture(std::move(picture));
        auto inserted = sheet_->pictures().back();
        s.previews[inserted.get()] = image->preview;
        setObject(result, new PictureObject(sheet_, inserted));
    }

private:
    std::shared_ptr<Sheet> sheet_;
};

// Worksheet -------------------------------------------------------------------------------------

class WorksheetObject : public DispatchObject {
public:
    WorksheetObject(std::shared_ptr<Workbook> book, int index) : book_(std::move(book)), index_(index) {}
    const wchar_t* className() const override { return L"Worksheet"; }
    std::wstring ref() const override { return fromUtf8(book_->name + "!" + sheet()->name()); }

protected:
    enum { Activate, Rows, Columns, Cells, Pictures };
    const std::vector<Member>& members() const override {
        static const std::vector<Member> table = {
            {L"Activate", Activate, false, false, true},
            {L"Rows", Rows, true, false, false, 1, 1},
            {L"Columns", Columns, true, false, false, 1, 1},
            {L"Cells", Cells, true, false, false, 2, 2},
            {L"Pictures", Pictures, true, false, false},
        };
        return table;
    }

    void call(int id, CallKind, const Args& args, VARIANT& result) override {
        switch (id) {
        case Activate: {
            Application& app = server().app;
            for (size_t i = 0; i < app.workbooks.size(); ++i)
                if (app.workbooks[i] == book_) app.activeWorkbook = static_cast<int>(i);
            book_->activeSheet = index_;
            return;
        }
        case Rows: {
            int row = args.integer(0);
            if (row < 1 || row > kRowCount) fail(kObjectDefinedError);
            return setObject(result, new RangeObject(sheet(), Area{row, 1, row, kColumnCount}));
        }
        case Columns: {
            int column = columnIndex(args, 0);
            if (column < 1 || column > kColumnCount) fail(kObjectDefinedError);
            return setObject(result, new RangeObject(sheet(), Area{1, column, kRowCount, column}));
        }
        case Cells: {
            int row = args.integer(0);
            int column = columnIndex(args, 1);
            if (row < 1 || row > kRowCount || column < 1 || column > kColumnCount) fail(kObjectDefinedError);
            return setObject(result, new RangeObject(sheet(), Area{row, column, row, column}));
        }
        case Pictures: return setObject(result, new PicturesObject(sheet()));
        }
    }

private:
    std::shared_ptr<Sheet> sheet() const { return book_->sheets[index_]; }
    std::shared_ptr<Workbook> book_;
    int index_;
};

// Workbooks -------------------------------------------------------------------------------------

class WorkbookObject : public DispatchObject {
public:
    explicit WorkbookObject(std::shared_ptr<Workbook> book) : book_(std::move(book)) {}
    const wchar_t* className() const override { return L"Workbook"; }
    std::wstring ref() const override { return fromUtf8(book_->name); }

protected:
    const std::vector<Member>& members() const override {
        static const std::vector<Member> table;
        return table;
    }
    void call(int, CallKind, const Args&, VARIANT&) override {}

private:
    std::shared_ptr<Workbook> book_;
};

class WorkbooksObject : public DispatchObject {
public:
    const wchar_t* className() const override { return L"Workbooks"; }

protected:
    enum { Add };
    const std::vector<Member>& members() const override {
        // The optional argument (a template) is accepted and ignored.
        static const std::vector<Member> table = {{L"Add", Add, false, false, true, 0, 1}};
        return table;
    }

    void call(int, CallKind, const Args&, VARIANT& result) override {
        Application& app = server().app;
        app.addWorkbook();
        setObject(result, new WorkbookObject(app.workbooks.back()));
    }
};

// Application -----------------------------------------------------------------------------------

class ApplicationObject : public DispatchObject {
public:
    const wchar_t* className() const override { return L"Application"; }

protected:
    enum { WorkBooks, WorkSheets, ActiveSheet, Selection, Visible, Quit };
    const std::vector<Member>& members() const override {
        static const std::vector<Member> table = {
            {L"Workbooks", WorkBooks, true, false, false},
            {L"Worksheets", WorkSheets, true, false, false, 1, 1},
            {L"ActiveSheet", ActiveSheet, true, false, false},
            {L"Selection", Selection, true, true, false},
            {L"Visible", Visible, true, true, false},
            {L"Quit", Quit, false, false, true},
        };
        return table;
    }

    void call(int id, CallKind kind, const Args& args, VARIANT& result) override {
        Server& s = server();
        Application& app = s.app;
        switch (id) {
        case WorkBooks: return setObject(result, new WorkbooksObject());
        case WorkSheets: {
            Workbook* book = app.active();
            if (!book) fail(L"Method 'Worksheets' of object '_Application' failed");
            int index = -1;
            if (V_VT(&args[0]) == VT_BSTR) {
                std::string name = toUtf8(args.text(0));
                for (size_t i = 0; i < book->sheets.size(); ++i)
                    if (_stricmp(book->sheets[i]->name().c_str(), name.c_str()) == 0) index = static_cast<int>(i);
            } else {
                index = args.integer(0) - 1;
            }
            if (index < 0 || index >= static_cast<int>(book->sheets.size())) throw ArgumentFailure{DISP_E_BADINDEX, 0};
            return setObject(result, new WorksheetObject(app.workbooks[app.activeWorkbook], index));
        }
        case ActiveSheet:
            if (!app.active()) return setNothing(result);
            return setObject(result, new WorksheetObject(app.workbooks[app.activeWorkbook], app.active()->activeSheet));
        case Selection: {
            Sheet* sheet = app.activeSheet();
            if (kind == CallKind::Get) {
                if (!sheet) return setNothing(result);
                return setObject(result, new RangeObject(app.active()->sheets[app.active()->activeSheet], sheet->selection()));
            }
            if (!sheet) failPut(L"Selection");
            CellValue value = cellValue(args, 0);
            if (sheet->selection().cellCount() > kColumnCount) failPut(L"Selection");
            return sheet->setValue(sheet->selection(), value);
        }
        case Visible:
            if (kind == CallKind::Get) return setBoolean(result, app.visible);
            return s.setVisible(args.boolean(0));
        case Quit: return s.quit();
        }
    }
};

}  // namespace

DispatchObject* newApplicationObject() { return new ApplicationObject(); }

}  // namespace grv::standin
