// The state behind the stand-in's automation objects: workbooks, their sheets, row heights, column
// widths, cell values and alignment, the selection and the pictures. Plain data, no COM.
#pragma once

#include "SheetGeometry.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace grv::standin {

// A rectangle of cells, 1-based and inclusive.
struct Area {
    int firstRow = 1, firstColumn = 1, lastRow = 1, lastColumn = 1;
    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool covers(const Area& other) const {
        return contains(other.firstRow, other.firstColumn) && contains(other.lastRow, other.lastColumn);
    }
    bool overlaps(const Area& other) const {
        return firstRow <= other.lastRow && other.firstRow <= lastRow && firstColumn <= other.lastColumn &&
               other.firstColumn <= lastColumn;
    }
    long long cellCount() const {
        return static_cast<long long>(lastRow - firstRow + 1) * (lastColumn - firstColumn + 1);
    }
    bool allRows() const;     // spans every row of the sheet
    bool allColumns() const;  // spans every column of the sheet
};

struct CellValue {
    enum class Kind { Empty, Text, Number, Boolean } kind = Kind::Empty;
    std::string text;  // UTF-8
    double number = 0;
    bool boolean = false;
};

// Excel's XlHAlign constants.
enum HorizontalAlignment : int {
    xlGeneral = 1,
    xlLeft = -4131,
    xlCenter = -4108,
    xlRight = -4152,
    xlFill = 5,
    xlJustify = -4130,
    xlCenterAcrossSelection = 7,
    xlDistributed = -4117,
};
bool isHorizontalAlignment(int value);

struct Picture {
    int number = 0;            // "Picture <number>"
    std::string name;
    std::string file;          // as the client gave it (UTF-8)
    std::string unixFile;      // the same file on the host, when known
    int pixelWidth = 0, pixelHeight = 0;
    double dpiX = 96, dpiY = 96;
    double left = 0, top = 0, width = 0, height = 0;  // points
};

class Sheet {
public:
    explicit Sheet(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }

    double rowHeight(int row) const;
    double rowTop(int row) const;  // points from the sheet's top to the top of `row`
    int columnPixels(int column) const;
    double columnPoints(int column) const;
    double columnLeft(int column) const;  // points from the sheet's left to the left of `column`

    // The height of every row of `area`, or nothing when they differ.
    std::optional<double> rowHeight(const Area& area) const;
    std::optional<int> columnPixels(const Area& area) const;
    void setRowHeight(const Area& area, double points);
    void setColumnPixels(const Area& area, int pixels);

    int alignment(int row, int column) const;
    std::optional<int> alignment(const Area& area) const;
    void setAlignment(const Area& area, int value);

    const CellValue* value(int row, int column) const;
    void setValue(const Area& area, const CellValue& value);

    const Area& selection() const { return selection_; }
    void select(const Area& area) { selection_ = area; }

    Picture& insertPicture(Picture picture);  // numbers, names and places it at the active cell
    std::vector<std::shared_ptr<Picture>>& pictures() { return pictures_; }
    const std::vector<std::shared_ptr<Picture>>& pictures() const { return pictures_; }

    double standardRowHeight() const { return standardRowHeight_; }
    int standardColumnPixels() const { return standardColumnPixels_; }
    const std::map<int, double>& customRows() const { return rowHeights_; }
    const std::map<int, int>& customColumns() const { return columnPixels_; }
    const std::map<std::pair<int, int>, CellValue>& cells() const { return cells_; }
    // Alignment applied to areas, oldest first; a later entry wins where they overlap.
    const std::vector<std::pair<Area, int>>& alignments() const { return alignments_; }

private:
    std::string name_;
    double standardRowHeight_ = kDefaultRowHeight;
    int standardColumnPixels_ = kDefaultColumnPixels;
    std::map<int, double> rowHeights_;  // rows that differ from the standard height
    std::map<int, int> columnPixels_;   // columns that differ from the standard width
    std::map<std::pair<int, int>, CellValue> cells_;
    std::vector<std::pair<Area, int>> alignments_;
    Area selection_;
    std::vector<std::shared_ptr<Picture>> pictures_;
    int nextPictureNumber_ = 1;

public:
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;
};

struct Workbook {
    std::string name;
    std::vector<std::shared_ptr<Sheet>> sheets;
    int activeSheet = 0;
};

struct Application {
    bool visible = false;
    bool quitCalled = false;
    std::vector<std::shared_ptr<Workbook>> workbooks;
    int activeWorkbook = -1;
    int nextBookNumber = 1;

    Workbook& addWorkbook();  // "BookN" with one sheet "Sheet1", becomes the active workbook
    Workbook* active() { return activeWorkbook < 0 ? nullptr : workbooks[activeWorkbook].get(); }
    Sheet* activeSheet();
};

}  // namespace grv::standin
