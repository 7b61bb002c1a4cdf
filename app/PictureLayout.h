// The arithmetic of the import: fitting and centring a picture in its frame, the grid of picture
// rows and columns, the sizes written to rows and columns, and Excel's numbers turned into integers.
#pragma once

#include <cstdint>

struct FittedSize {
    int w = 0;
    int h = 0;
};

struct CentringOffsets {
    int dy = 0;
    int dx = 0;
};

// Scales a picture of pw × ph into a frame of W × H keeping its proportions; the wider side
// (relative to the frame) touches the frame. Throws AppError on a zero size.
FittedSize FitPicture(int pw, int ph, int W, int H);

// Offsets that centre a w × h picture in a W × H frame.
CentringOffsets CenterPicture(FittedSize size, int W, int H);

// Rounds to the nearest integer, halves to the even neighbour. Throws AppError for NaN or a value
// outside the 32-bit range.
int RoundHalfEven(double value);

// The height written to a picture row and the width written to a used column.
int RowHeightFor(int sideHeight);
double ColumnWidthFor(int sideWidth);

// a + b, failing with the overflow error instead of wrapping.
int CheckedAdd(int a, int b);

// Walks the grid: rows 1 and 2 and column 1 stay empty; pictures go into every other row from row 3,
// perRow of them per row (a negative count works like its absolute value; 1 and -1 put every picture
// on a row of its own). perRow 0 fails with the division-by-zero error at the first picture.
class PictureGrid {
public:
    explicit PictureGrid(int perRow) : perRow_(perRow) {}

    struct Step {
        bool newRow = false;
        int row = 0;
        int column = 0;
    };

    // The place of picture i (0-based); call for i = 0, 1, 2, ... in turn.
    Step Next(int i);

private:
    int perRow_;
    int row_ = 1;
    int column_ = 2;
};

// Where picture k (1-based) of a grid with perRow per row lands, without walking the grid.
PictureGrid::Step PlaceOfPicture(int k, int perRow);
