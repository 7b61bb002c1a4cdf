#include "SheetModel.h"

#include "SheetGeometry.h"

#include <algorithm>

namespace grv::standin {

bool Area::allRows() const { return firstRow == 1 && lastRow == kRowCount; }
bool Area::allColumns() const { return firstColumn == 1 && lastColumn == kColumnCount; }

bool isHorizontalAlignment(int value) {
    switch (value) {
    case xlGeneral: case xlLeft: case xlCenter: case xlRight: case xlFill: case xlJustify:
    case xlCenterAcrossSelection: case xlDistributed:
        return true;
    default:
        return false;
    }
}

// Sheet geometry ---------------------------------------------------------------------------------

double Sheet::rowHeight(int row) const {
    auto it = rowHeights_.find(row);
    return it == rowHeights_.end() ? standardRowHeight_ : it->second;
}

double Sheet::rowTop(int row) const {
    double top = standardRowHeight_ * (row - 1);
    for (auto it = rowHeights_.begin(); it != rowHeights_.end() && it->first < row; ++it)
        top += it->second - standardRowHeight_;
    return top;
}

int Sheet::columnPixels(int column) const {
    auto it = columnPixels_.find(column);
    return it == columnPixels_.end() ? standardColumnPixels_ : it->second;
}

double Sheet::columnPoints(int column) const { return columnPixels(column) * kPointsPerPixel; }

double Sheet::columnLeft(int column) const {
    long long pixels = static_cast<long long>(standardColumnPixels_) * (column - 1);
    for (auto it = columnPixels_.begin(); it != columnPixels_.end() && it->first < column; ++it)
        pixels += it->second - standardColumnPixels_;
    return pixels * kPointsPerPixel;
}

namespace {

// The common value of `standard` and the custom entries of `custom` in [first, last], or nothing.
template <typename T>
std::optional<T> uniform(const std::map<int, T>& custom, T standard, int first, int last) {
    std::optional<T> common;
    long long customCount = 0;
    for (auto it = custom.lower_bound(first); it != custom.end() && it->first <= last; ++it) {
        if (common && *common != it->second) return std::nullopt;
        common = it->second;
        ++customCount;
    }
    if (customCount < static_cast<long long>(last) - first + 1) {
        if (common && *common != standard) return std::nullopt;
        common = standard;
    }
    return common;
}

template <typename T>
void assign(std::map<int, T>& custom, T& standard, int first, int last, bool everything, T value) {
    if (everything) {
        standard = value;
        custom.clear();
        return;
    }
    for (int i = first; i <= last; ++i) {
        if (value == standard) custom.erase(i);
        else custom[i] = value;
    }
}

}  // namespace

std::optional<double> Sheet::rowHeight(const Area& area) const {
    return uniform(rowHeights_, standardRowHeight_, area.firstRow, area.lastRow);
}

std::optional<int> Sheet::columnPixels(const Area& area) const {
    return uniform(columnPixels_, standardColumnPixels_, area.firstColumn, area.lastColumn);
}

void Sheet::setRowHeight(const Area& area, double points) {
    assign(rowHeights_, standardRowHeight_, area.firstRow, area.lastRow, area.allRows(), points);
}

void Sheet::setColumnPixels(const Area& area, int pixels) {
    assign(columnPixels_, standardColumnPixels_, area.firstColumn, area.lastColumn, area.allColumns(), pixels);
}

// Alignment and values ---------------------------------------------------------------------------

int Sheet::alignment(int row, int column) const {
    for (auto it = alignments_.rbegin(); it != alignments_.rend(); ++it)
        if (it->first.contains(row, column)) return it->second;
    return xlGeneral;
}

std::optional<int> Sheet::alignment(const Area& area) const {
    // Uniform when the newest entry that touches the area covers all of it; none touching: general.
    for (auto it = alignments_.rbegin(); it != alignments_.rend(); ++it) {
        if (!it->first.overlaps(area)) continue;
        if (it->first.covers(area)) return it->second;
        return std::nullopt;
    }
    return xlGeneral;
}

void Sheet::setAlignment(const Area& area, int value) {
    // Entries wholly covered by the new one can never show again.
    std::erase_if(alignments_, [&](const auto& entry) { return area.covers(entry.first); });
    alignments_.emplace_back(area, value);
}

const CellValue* Sheet::value(int row, int column) const {
    auto it = cells_.find({row, column});
    return it == cells_.end() ? nullptr : &it->second;
}

void Sheet::setValue(const Area& area, const CellValue& value) {
    for (int r = area.firstRow; r <= area.lastRow; ++r)
        for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
            if (value.kind == CellValue::Kind::Empty) cells_.erase({r, c});
            else cells_[{r, c}] = value;
        }
}

// Pictures ---------------------------------------------------------------------------------------

Picture& Sheet::insertPicture(Picture picture) {
    picture.number = nextPictureNumber_++;
    picture.name = "Picture " + std::to_string(picture.number);
    picture.left = columnLeft(selection_.firstColumn);
    picture.top = rowTop(selection_.firstRow);
    pictures_.push_back(std::make_shared<Picture>(std::move(picture)));
    return *pictures_.back();
}

// Application ------------------------------------------------------------------------------------

Workbook& Application::addWorkbook() {
    auto book = std::make_shared<Workbook>();
    book->name = "Book" + std::to_string(nextBookNumber++);
    book->sheets.push_back(std::make_shared<Sheet>("Sheet1"));
    workbooks.push_back(book);
    activeWorkbook = static_cast<int>(workbooks.size()) - 1;
    return *book;
}

Sheet* Application::activeSheet() {
    Workbook* book = active();
    return book ? book->sheets[book->activeSheet].get() : nullptr;
}

}  // namespace grv::standin
