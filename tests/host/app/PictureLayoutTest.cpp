// Fitting, centring, the grid of pictures, the sizes written to Excel and the rounding of its numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "AppError.h"
#include "PictureCaption.h"
#include "PictureLayout.h"

namespace {

TEST(FitAndCentre, ExamplesInTheDefaultFrame) {
    struct Case {
        int pw, ph, w, h, dy, dx;
    } cases[] = {
        {200, 100, 94, 47, 15, 0},   // wider than the frame: full width
        {100, 200, 38, 76, 0, 28},   // taller: full height
        {188, 152, 94, 76, 0, 0},    // the frame's proportions: full height, computed width
        {47, 38, 94, 76, 0, 0},      // smaller pictures are enlarged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.pw) + "x" + std::to_string(c.ph));
        const FittedSize size = FitPicture(c.pw, c.ph, 94, 76);
        EXPECT_EQ(size.w, c.w);
        EXPECT_EQ(size.h, c.h);
        const CentringOffsets off = CenterPicture(size, 94, 76);
        EXPECT_EQ(off.dy, c.dy);
        EXPECT_EQ(off.dx, c.dx);
    }
    // 95 × 77 is relatively taller than 94 × 76 (1.2338 < 1.2368): h = 76, w = 95 * 76 div 77 = 93.
    EXPECT_EQ(FitPicture(95, 77, 94, 76).w, 93);
    // Truncation toward zero in the centring: 47 - 93 div 2 = 47 - 46.
    EXPECT_EQ(CenterPicture({93, 76}, 94, 76).dx, 1);
}

TEST(FitAndCentre, ZeroSizesFailWithTheArithmeticError) {
    auto message = [](auto f) {
        try {
            f();
        } catch (const AppError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([] { FitPicture(200, 100, 94, 0); }), kFloatDivisionByZero);
    EXPECT_EQ(message([] { FitPicture(200, 100, 0, 0); }), kInvalidFloatOperation);
    EXPECT_EQ(message([] { FitPicture(200, 0, 94, 76); }), kFloatDivisionByZero);
    EXPECT_EQ(message([] { FitPicture(0, 100, 94, 76).w; }), "no error");  // a zero-width picture fits as 0 × 76
    EXPECT_EQ(message([] { FitPicture(0, 100, -94, 76); }), kDivisionByZero);
}

struct GridCase {
    int perRow, picture, row, column;
};

TEST(Grid, PlacesPicturesInEveryOtherRow) {
    const GridCase cases[] = {
        {4, 1, 3, 2}, {4, 4, 3, 5}, {4, 5, 5, 2}, {4, 9, 7, 2},
        {1, 1, 3, 2}, {1, 4, 9, 2}, {1, 5, 11, 2}, {1, 9, 19, 2},
        {-1, 1, 3, 2}, {-1, 4, 9, 2},
        {-3, 1, 3, 2}, {-3, 4, 5, 2}, {-3, 5, 5, 3}, {-3, 9, 7, 4},
        {3, 3, 3, 4}, {3, 9, 7, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("per row " + std::to_string(c.perRow) + ", picture " + std::to_string(c.picture));
        PictureGrid grid(c.perRow);
        PictureGrid::Step step;
        for (int i = 0; i < c.picture; ++i) step = grid.Next(i);
        EXPECT_EQ(step.row, c.row);
        EXPECT_EQ(step.column, c.column);
        EXPECT_EQ(step.newRow, c.column == 2);
        const PictureGrid::Step direct = PlaceOfPicture(c.picture, c.perRow);
        EXPECT_EQ(direct.row, c.row);
        EXPECT_EQ(direct.column, c.column);
    }
}

TEST(Grid, NoPicturesPerRowIsADivisionByZero) {
    PictureGrid grid(0);
    try {
        grid.Next(0);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), kDivisionByZero);
    }
}

TEST(Sizes, RowHeightAndColumnWidthOfTheDefaults) {
    EXPECT_EQ(RowHeightFor(76), 80);
    EXPECT_DOUBLE_EQ(ColumnWidthFor(94), 17.40983606557377);
    EXPECT_THROW(RowHeightFor(std::numeric_limits<int>::max()), AppError);
    EXPECT_THROW(CheckedAdd(std::numeric_limits<int>::max(), 1), AppError);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {80.0, 80}, {15.75, 16}, {-7.25, -7},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
    EXPECT_THROW(RoundHalfEven(std::nan("")), AppError);
    EXPECT_THROW(RoundHalfEven(3e9), AppError);
    EXPECT_THROW(RoundHalfEven(-3e9), AppError);
}

TEST(Caption, DropsTheTypesLengthLessOneWithoutSplittingCharacters) {
    const std::vector<int> photo(9, 1);                 // photo.jpg
    EXPECT_EQ(CaptionCharacters(photo, 5), 5);          // *.jpg: "photo"
    EXPECT_EQ(CaptionCharacters(photo, 3), 7);          // *.*: "photo.j"
    EXPECT_EQ(CaptionCharacters({2, 2, 1, 1, 1, 1, 1}, 5), 3);  // 图片3.jpg: "图片3"
    EXPECT_EQ(CaptionCharacters({2, 2, 1, 1, 1, 1}, 6), 1);     // 图片.jpg with *.jpeg: 3 bytes keep 图 only
    EXPECT_EQ(CaptionCharacters({1, 1}, 5), 0);         // shorter than the type: empty
}

} // namespace
