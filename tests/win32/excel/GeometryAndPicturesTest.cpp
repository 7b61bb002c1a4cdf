// Excel's default geometry through automation: row tops and column lefts after sizing, the
// column-width conversion, and pictures at their natural size for each file type.
#include "StandinTestSupport.h"

namespace grv::test {
namespace {

class Geometry : public StandinTest {};

TEST_F(Geometry, RowTopsAndColumnLeftsAreTheSumsBeforeThem) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    auto sheet = [&] { return app.object(L"ActiveSheet"); };
    ASSERT_TRUE(sheet().object(L"Rows", {3}).write(L"RowHeight", 80).ok());
    ASSERT_TRUE(sheet().object(L"Rows", {5}).write(L"RowHeight", 40.5).ok());
    ASSERT_TRUE(sheet().object(L"Columns", {2}).write(L"ColumnWidth", 17.40983606557377).ok());
    ASSERT_TRUE(sheet().object(L"Columns", {4}).write(L"ColumnWidth", 3).ok());

    struct { int row; double top; } rows[] = {{1, 0}, {2, 15}, {3, 30}, {4, 110}, {5, 125}, {6, 165.5}, {10, 225.5}};
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(sheet().object(L"Rows", {r.row}).number(L"Top"), r.top) << "row " << r.row;
    // Columns: 64, 127, 64, 26 pixels, then 64 each; 0.75 pt per pixel.
    struct { int column; double left; } columns[] = {{1, 0}, {2, 48}, {3, 143.25}, {4, 191.25}, {5, 210.75}, {6, 258.75}};
    for (const auto& c : columns)
        EXPECT_DOUBLE_EQ(sheet().object(L"Columns", {c.column}).number(L"left"), c.left) << "column " << c.column;
    // A cell's top and left are its row's and its column's; a column may be named by its letters.
    EXPECT_DOUBLE_EQ(sheet().object(L"Cells", {4, 3}).number(L"Top"), 110);
    EXPECT_DOUBLE_EQ(sheet().object(L"Cells", {4, 3}).number(L"Left"), 143.25);
    EXPECT_DOUBLE_EQ(sheet().object(L"Columns", {L"C"}).number(L"Left"), 143.25);
    // Untouched rows and columns keep Excel's defaults.
    EXPECT_EQ(sheet().object(L"Rows", {7}).number(L"RowHeight"), 15);
    EXPECT_DOUBLE_EQ(sheet().object(L"Columns", {7}).number(L"ColumnWidth"), 8.43);
    app.call(L"Quit");
}

TEST_F(Geometry, ColumnWidthBecomesWholePixelsAsExcelDoes) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    // chars written -> pixels (Truncate(chars x 7 + 5 + 0.5); below 1: x 12) -> chars read back
    struct { double chars; int pixels; double readBack; } cases[] = {
        {8.43, 64, 8.43}, {17.40983606557377, 127, 17.43}, {10, 75, 10}, {1, 12, 1},
        {0.5, 6, 0.5}, {0, 0, 0}, {255, 1790, 255}, {2.0 + 30 / 6.1, 53, 6.86}};
    for (const auto& c : cases) {
        Object sheet = app.object(L"ActiveSheet");
        ASSERT_TRUE(sheet.object(L"Columns", {1}).write(L"ColumnWidth", c.chars).ok()) << c.chars;
        EXPECT_DOUBLE_EQ(sheet.object(L"Columns", {1}).number(L"ColumnWidth"), c.readBack) << c.chars;
        EXPECT_DOUBLE_EQ(sheet.object(L"Columns", {2}).number(L"Left"), c.pixels * 0.75) << c.chars;
    }
    app.call(L"Quit");
}

class Pictures : public StandinTest {};

TEST_F(Pictures, InsertPlacesEachTypeAtItsNaturalSize) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    // points = pixels x 72 / dpi, 96 dpi where the file states none
    struct { const char* file; double width, height; } cases[] = {
        {"wide_72dpi.png", 200, 100},     {"tall_nodpi.png", 30, 60},  {"tall_nodpi.jpg", 75, 150},
        {"photo_150dpi.jpg", 144, 72},    {"small.gif", 30, 22.5},     {"square_144dpi.bmp", 32, 24},
        {"nodpi.bmp", 48, 36}};
    for (const auto& c : cases) {
        CallResult inserted = app.object(L"ActiveSheet").object(L"Pictures").call(L"Insert", {picture(c.file)});
        ASSERT_TRUE(inserted.ok()) << c.file;
        Object pic(inserted.result.dispatch());
        EXPECT_NEAR(pic.number(L"Width"), c.width, 0.05) << c.file;
        EXPECT_NEAR(pic.number(L"Height"), c.height, 0.05) << c.file;
    }
    app.call(L"Quit");
}

TEST_F(Pictures, InsertPutsThePictureAtTheActiveCell) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    ASSERT_TRUE(app.object(L"ActiveSheet").object(L"Cells", {3, 2}).call(L"Select").ok());
    CallResult inserted = app.object(L"ActiveSheet").object(L"Pictures").call(L"Insert", {picture("small.gif")});
    ASSERT_TRUE(inserted.ok());
    Object pic(inserted.result.dispatch());
    EXPECT_EQ(pic.number(L"Top"), 30);
    EXPECT_EQ(pic.number(L"Left"), 48);
    app.call(L"Quit");
}

TEST_F(Pictures, LockedAspectKeepsProportionsWhenAsked) {
    setOption(L"GRV_STANDIN_LOCK_ASPECT", L"1");
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    CallResult inserted = app.object(L"ActiveSheet").object(L"Pictures").call(L"Insert", {picture("wide_72dpi.png")});
    ASSERT_TRUE(inserted.ok());
    Object pic(inserted.result.dispatch());
    ASSERT_TRUE(pic.write(L"Width", 94).ok());
    EXPECT_NEAR(pic.number(L"Height"), 47, 0.01);
    ASSERT_TRUE(pic.write(L"Height", 40).ok());
    EXPECT_NEAR(pic.number(L"Width"), 80, 0.01);
    app.call(L"Quit");
}

}  // namespace
}  // namespace grv::test
