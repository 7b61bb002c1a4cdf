// The Excel stand-in's sheet model: column-width conversion, row and column positions, uniform
// values over ranges, alignment, pictures, and the snapshot's JSON.
#include "JpegResolution.h"
#include "JsonWriter.h"
#include "SheetGeometry.h"
#include "SheetModel.h"
#include "Snapshot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace grv::standin {
namespace {

TEST(StandinColumnWidth, CharactersToPixelsAsExcel) {
    struct { double chars; int pixels; double readBack; } cases[] = {
        {8.43, 64, 8.43}, {94 / 6.1 + 2.0, 127, 17.43}, {10, 75, 10}, {1, 12, 1}, {0.99, 12, 1},
        {0.5, 6, 0.5}, {0.04, 0, 0}, {0, 0, 0}, {-3, 0, 0}, {255, 1790, 255}, {8.5, 65, 8.57}};
    for (const auto& c : cases) {
        EXPECT_EQ(columnPixelsFromChars(c.chars), c.pixels) << c.chars;
        EXPECT_DOUBLE_EQ(columnCharsFromPixels(c.pixels), c.readBack) << c.chars;
    }
}

TEST(StandinColumnWidth, AWidthReadBackKeepsItsPixels) {
    for (int pixels = 0; pixels <= 1790; ++pixels)
        ASSERT_EQ(columnPixelsFromChars(columnCharsFromPixels(pixels)), pixels) << pixels;
}

TEST(StandinNaturalSize, PointsFromPixelsAndResolution) {
    EXPECT_DOUBLE_EQ(naturalPoints(640, 96), 480);
    EXPECT_DOUBLE_EQ(naturalPoints(300, 150), 144);
    EXPECT_DOUBLE_EQ(naturalPoints(200, 72), 200);
    EXPECT_DOUBLE_EQ(naturalPoints(96, 0), 72);  // no resolution: 96 dpi
    EXPECT_DOUBLE_EQ(naturalPoints(96, -5), 72);
    EXPECT_DOUBLE_EQ(naturalPoints(96, std::numeric_limits<double>::quiet_NaN()), 72);
}

constexpr Area row(int r) { return {r, 1, r, kColumnCount}; }
constexpr Area column(int c) { return {1, c, kRowCount, c}; }
constexpr Area cell(int r, int c) { return {r, c, r, c}; }

TEST(StandinSheet, TopsAndLeftsAreSumsOfWhatComesBefore) {
    Sheet sheet("Sheet1");
    EXPECT_EQ(sheet.rowTop(1), 0);
    EXPECT_EQ(sheet.rowTop(3), 30);
    EXPECT_EQ(sheet.columnLeft(2), 48);
    sheet.setRowHeight(row(3), 80);
    sheet.setRowHeight(row(5), 0);
    sheet.setColumnPixels(column(2), 127);
    EXPECT_EQ(sheet.rowTop(4), 110);
    EXPECT_EQ(sheet.rowTop(6), 125);
    EXPECT_EQ(sheet.rowTop(kRowCount), 15.0 * (kRowCount - 1) + 65 - 15);
    EXPECT_EQ(sheet.columnLeft(3), 143.25);
    EXPECT_EQ(sheet.columnLeft(kColumnCount), 48.0 * (kColumnCount - 1) + (127 - 64) * 0.75);
    // Back to the standard height: no longer a custom row.
    sheet.setRowHeight(row(3), 15);
    EXPECT_EQ(sheet.customRows().count(3), 0u);
}

TEST(StandinSheet, RangeSizesAreUniformOrNothing) {
    Sheet sheet("Sheet1");
    EXPECT_EQ(sheet.rowHeight(column(2)), 15.0);  // every row of a column: all standard
    EXPECT_EQ(sheet.columnPixels(row(4)), 64);
    sheet.setRowHeight(row(7), 20);
    EXPECT_EQ(sheet.rowHeight(column(2)), std::nullopt);
    EXPECT_EQ(sheet.rowHeight(cell(7, 3)), 20.0);
    EXPECT_EQ(sheet.rowHeight(Area{7, 1, 7, 1}), 20.0);
    // Sizing a whole column's rows changes the standard height and drops the custom rows.
    sheet.setRowHeight(column(2), 30);
    EXPECT_EQ(sheet.rowHeight(5), 30);
    EXPECT_EQ(sheet.rowHeight(7), 30);
    EXPECT_TRUE(sheet.customRows().empty());
    sheet.setColumnPixels(Area{1, 2, 1, 4}, 100);
    EXPECT_EQ(sheet.columnPixels(Area{1, 2, 9, 4}), 100);
    EXPECT_EQ(sheet.columnPixels(Area{1, 2, 1, 5}), std::nullopt);
}

TEST(StandinSheet, AlignmentNewestCoveringEntryWins) {
    Sheet sheet("Sheet1");
    EXPECT_EQ(sheet.alignment(4, 2), xlGeneral);
    EXPECT_EQ(sheet.alignment(row(4)), xlGeneral);
    sheet.setAlignment(cell(4, 2), xlCenter);
    EXPECT_EQ(sheet.alignment(4, 2), xlCenter);
    EXPECT_EQ(sheet.alignment(cell(4, 2)), xlCenter);
    EXPECT_EQ(sheet.alignment(row(4)), std::nullopt);  // mixed
    sheet.setAlignment(row(4), xlRight);
    EXPECT_EQ(sheet.alignment(4, 2), xlRight);
    EXPECT_EQ(sheet.alignment(row(4)), xlRight);
    EXPECT_EQ(sheet.alignments().size(), 1u);  // the covered cell entry is gone
    EXPECT_TRUE(isHorizontalAlignment(xlCenter));
    EXPECT_FALSE(isHorizontalAlignment(42));
}

TEST(StandinSheet, ValuesAndPictures) {
    Sheet sheet("Sheet1");
    CellValue text;
    text.kind = CellValue::Kind::Text;
    text.text = "photo";
    sheet.setValue(Area{4, 2, 4, 3}, text);
    ASSERT_NE(sheet.value(4, 3), nullptr);
    EXPECT_EQ(sheet.value(4, 3)->text, "photo");
    sheet.setValue(cell(4, 3), CellValue{});
    EXPECT_EQ(sheet.value(4, 3), nullptr);

    sheet.select(cell(3, 2));
    Picture& first = sheet.insertPicture(Picture{});
    EXPECT_EQ(first.name, "Picture 1");
    EXPECT_EQ(first.top, 30);
    EXPECT_EQ(first.left, 48);
    EXPECT_EQ(sheet.insertPicture(Picture{}).name, "Picture 2");
}

TEST(StandinApplication, WorkbooksAndTheActiveSheet) {
    Application app;
    EXPECT_EQ(app.activeSheet(), nullptr);
    app.addWorkbook();
    Workbook& second = app.addWorkbook();
    EXPECT_EQ(second.name, "Book2");
    EXPECT_EQ(app.activeWorkbook, 1);
    EXPECT_EQ(app.activeSheet(), second.sheets[0].get());
}

TEST(StandinJson, WritesEscapedTextAndShortestNumbers) {
    JsonWriter json;
    json.beginObject()
        .key("text").value("a \"b\" \\ c\n\x01 \xE7\x85\xA7")
        .key("n").beginArray().value(17.43).value(80).value(0.1).value(std::nan("")).value(-4108).endArray()
        .key("flags").beginArray().value(true).null().endArray()
        .key("empty").beginObject().endObject()
        .endObject();
    EXPECT_EQ(json.text(),
              "{\"text\":\"a \\\"b\\\" \\\\ c\\n\\u0001 \xE7\x85\xA7\",\"n\":[17.43,80,0.1,null,-4108],"
              "\"flags\":[true,null],\"empty\":{}}");
}

TEST(StandinSnapshot, ListsSizedRowsColumnsCellsAndPictures) {
    Application app;
    Sheet& sheet = *app.addWorkbook().sheets[0];
    sheet.setRowHeight(row(3), 80);
    sheet.setColumnPixels(column(2), 127);
    sheet.setAlignment(cell(4, 2), xlCenter);
    CellValue text;
    text.kind = CellValue::Kind::Text;
    text.text = "photo";
    sheet.setValue(cell(4, 2), text);
    Picture picture;
    picture.file = "C:\\p\\photo.jpg";
    picture.width = 94;
    picture.height = 47;
    sheet.insertPicture(picture);
    app.visible = true;
    std::string json = snapshotJson(app, "visible");
    for (const char* part : {
             R"("reason":"visible","visible":true,"quit_called":false,"active_workbook":0)",
             R"("rows":[{"row":3,"height":80,"top":30}])",
             R"("columns":[{"column":2,"width":17.43,"pixels":127,"points":95.25,"left":48}])",
             R"("cells":[{"row":4,"column":2,"value":"photo","horizontal_alignment":-4108}])",
             R"("name":"Picture 1","file":"C:\\p\\photo.jpg")",
             R"("left":0,"top":0,"width":94,"height":47)"})
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
}

TEST(StandinJpegResolution, OnlyJfifWithUnitsStatesOne) {
    auto head = [](unsigned char units, unsigned char x, unsigned char y) {
        return std::vector<unsigned char>{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, units, 0, x, 0, y};
    };
    auto states = [](const std::vector<unsigned char>& bytes) { return jpegStatesResolution(bytes.data(), bytes.size()); };
    EXPECT_TRUE(states(head(1, 72, 72)));
    EXPECT_TRUE(states(head(2, 28, 28)));
    EXPECT_FALSE(states(head(0, 1, 1)));  // aspect ratio only
    EXPECT_FALSE(states(head(1, 0, 72)));
    auto exif = head(1, 72, 72);
    exif[3] = 0xE1;
    EXPECT_FALSE(states(exif));
    auto shortHead = head(1, 72, 72);
    shortHead.resize(15);
    EXPECT_FALSE(states(shortHead));
}

}  // namespace
}  // namespace grv::standin
