#include "sort.h"

#include <algorithm>

#include "AppError.h"
#include "Compare.h"

void ThrowListIndexError(long long index) {
    throw AppError("List index out of bounds (" + std::to_string(index) + ")");
}

void WideString::QuickSort(int low, int high) {
    if (list_ == nullptr) ThrowListIndexError(low);
    const long long count = static_cast<long long>(list_->size());
    if (low < 0 || low >= count) ThrowListIndexError(low);
    if (high <= low) return;
    if (high >= count) ThrowListIndexError(high);

    // Different names never compare equal, so every correct sort gives one and the same order;
    // the library's introsort does it in O(n log n) without deep recursion. Two different wide
    // names can share an ANSI form (characters the code page cannot write); the wide form then
    // breaks the tie so that the order does not depend on the order of the scan.
    std::sort(list_->begin() + low, list_->begin() + high + 1, [](const PictureName& a, const PictureName& b) {
        const int order = CompareNames(a.ansi, b.ansi);
        return order != 0 ? order < 0 : a.wide < b.wide;
    });
}
