#include "PictureLayout.h"

#include <cmath>
#include <limits>

#include "AppError.h"

namespace {

int ToInt32(long long value) {
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw AppError(kIntegerOverflow);
    return static_cast<int>(value);
}

// a / b in extended precision, failing as the floating-point unit reports it.
long double Ratio(int a, int b) {
    if (b == 0) throw AppError(a == 0 ? kInvalidFloatOperation : kFloatDivisionByZero);
    return static_cast<long double>(a) / static_cast<long double>(b);
}

int Div(long long a, long long b) {
    if (b == 0) throw AppError(kDivisionByZero);
    return ToInt32(a / b);
}

} // namespace

FittedSize FitPicture(int pw, int ph, int W, int H) {
    const long double frame = Ratio(W, H);
    const long double picture = Ratio(pw, ph);
    // Products are exact in 64 bits; only a result outside 32 bits is an error.
    if (frame < picture) return {W, Div(static_cast<long long>(ph) * W, pw)};
    return {Div(static_cast<long long>(pw) * H, ph), H};
}

CentringOffsets CenterPicture(FittedSize size, int W, int H) {
    return {H / 2 - size.h / 2, W / 2 - size.w / 2};
}

int RoundHalfEven(double value) {
    if (!std::isfinite(value)) throw AppError(kInvalidFloatOperation);
    // Round-to-nearest-even, independent of the current rounding mode.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        throw AppError(kInvalidFloatOperation);
    return static_cast<int>(whole);
}

int RowHeightFor(int sideHeight) { return ToInt32(static_cast<long long>(sideHeight) + 4); }

double ColumnWidthFor(int sideWidth) {
    return static_cast<double>(static_cast<long double>(sideWidth) / 6.1L + 2.0L);
}

int CheckedAdd(int a, int b) { return ToInt32(static_cast<long long>(a) + b); }

PictureGrid::Step PictureGrid::Next(int i) {
    if (perRow_ == 0) throw AppError(kDivisionByZero);
    // The first picture of a row: (i + 1) mod perRow = 1 for two or more per row; with one per row
    // every picture is the first of its row. The remainder keeps the sign of the (positive) dividend.
    const bool newRow = i % perRow_ == 0;
    if (newRow) {
        row_ = CheckedAdd(row_, 2);
        column_ = 2;
    } else {
        column_ = CheckedAdd(column_, 1);
    }
    return {newRow, row_, column_};
}

PictureGrid::Step PlaceOfPicture(int k, int perRow) {
    if (perRow == 0) throw AppError(kDivisionByZero);
    const long long m = perRow < 0 ? -static_cast<long long>(perRow) : perRow;
    const long long index = k - 1;
    return {index % m == 0, ToInt32(1 + 2 * (1 + index / m)), ToInt32(2 + index % m)};
}
