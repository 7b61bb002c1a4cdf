#include "Snapshot.h"

#include "JsonWriter.h"
#include "SheetGeometry.h"

#include <set>

namespace grv::standin {

namespace {

void writeValue(JsonWriter& json, const CellValue& value) {
    switch (value.kind) {
    case CellValue::Kind::Empty: json.null(); break;
    case CellValue::Kind::Text: json.value(value.text); break;
    case CellValue::Kind::Number: json.value(value.number); break;
    case CellValue::Kind::Boolean: json.value(value.boolean); break;
    }
}

void writeArea(JsonWriter& json, const Area& area) {
    json.beginObject()
        .key("row").value(area.firstRow)
        .key("column").value(area.firstColumn)
        .key("rows").value(area.lastRow - area.firstRow + 1)
        .key("columns").value(area.lastColumn - area.firstColumn + 1)
        .endObject();
}

void writeSheet(JsonWriter& json, const Sheet& sheet, bool active) {
    json.beginObject().key("name").value(sheet.name()).key("active").value(active);
    json.key("default_row_height").value(sheet.standardRowHeight());
    json.key("default_column_width").value(columnCharsFromPixels(sheet.standardColumnPixels()));

    json.key("rows").beginArray();
    for (const auto& [row, height] : sheet.customRows())
        json.beginObject().key("row").value(row).key("height").value(height).key("top").value(sheet.rowTop(row)).endObject();
    json.endArray();

    json.key("columns").beginArray();
    for (const auto& [column, pixels] : sheet.customColumns())
        json.beginObject()
            .key("column").value(column)
            .key("width").value(columnCharsFromPixels(pixels))
            .key("pixels").value(pixels)
            .key("points").value(pixels * kPointsPerPixel)
            .key("left").value(sheet.columnLeft(column))
            .endObject();
    json.endArray();

    // Cells with a value, and single cells given an alignment of their own.
    std::set<std::pair<int, int>> listed;
    for (const auto& entry : sheet.cells()) listed.insert(entry.first);
    for (const auto& [area, alignment] : sheet.alignments())
        if (area.cellCount() == 1) listed.insert({area.firstRow, area.firstColumn});
    json.key("cells").beginArray();
    for (const auto& [row, column] : listed) {
        json.beginObject().key("row").value(row).key("column").value(column).key("value");
        if (const CellValue* value = sheet.value(row, column)) writeValue(json, *value);
        else json.null();
        json.key("horizontal_alignment").value(sheet.alignment(row, column)).endObject();
    }
    json.endArray();

    json.key("alignment_areas").beginArray();
    for (const auto& [area, alignment] : sheet.alignments()) {
        if (area.cellCount() == 1) continue;
        json.beginObject().key("area");
        writeArea(json, area);
        json.key("horizontal_alignment").value(alignment).endObject();
    }
    json.endArray();

    json.key("selection");
    writeArea(json, sheet.selection());

    json.key("pictures").beginArray();
    for (const auto& picture : sheet.pictures())
        json.beginObject()
            .key("name").value(picture->name)
            .key("file").value(picture->file)
            .key("unix_file").value(picture->unixFile)
            .key("pixel_width").value(picture->pixelWidth)
            .key("pixel_height").value(picture->pixelHeight)
            .key("dpi_x").value(picture->dpiX)
            .key("dpi_y").value(picture->dpiY)
            .key("left").value(picture->left)
            .key("top").value(picture->top)
            .key("width").value(picture->width)
            .key("height").value(picture->height)
            .endObject();
    json.endArray();
    json.endObject();
}

}  // namespace

std::string snapshotJson(const Application& app, std::string_view reason) {
    JsonWriter json;
    json.beginObject()
        .key("reason").value(reason)
        .key("visible").value(app.visible)
        .key("quit_called").value(app.quitCalled)
        .key("active_workbook").value(app.activeWorkbook);
    json.key("workbooks").beginArray();
    for (const auto& book : app.workbooks) {
        json.beginObject().key("name").value(book->name).key("sheets").beginArray();
        for (size_t i = 0; i < book->sheets.size(); ++i)
            writeSheet(json, *book->sheets[i], static_cast<int>(i) == book->activeSheet);
        json.endArray().endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

}  // namespace grv::standin
