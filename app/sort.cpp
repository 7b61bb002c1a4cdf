#include "sort.h"

#include <algorithm>

#include "AppError.h"
#include "Compare.h"

void ThrowListIndexError(long long index) {
    throw AppError("List index out of bounds (" + std::to_string(index) + ")");
}

void WideString::QuickSort(int low, int high) {
    if (list_ == nullptr) ThrowListIndexError(low);
    const long long size = static_cast<long long>(list_->size());
    if (low < 0 || low >= size) ThrowListIndexError(low);
    if (high <= low) return;
    if (high >= size) ThrowListIndexError(high);

    // Different names never compare equal, so every correct sort gives one and the same order. Each
    // name's natural-order key is made once; the library's introsort then orders the keys in
    // O(n log n) without deep recursion, and the items are put back in that order. Two different wide
    // names can share an ANSI form (characters the code page cannot write); the wide form then breaks
    // the tie so that the order does not depend on the order of the scan.
    const size_t first = static_cast<size_t>(low), count = static_cast<size_t>(high - low + 1);
    const NameList& items = *list_;
    std::vector<std::string> keys(count);
    std::vector<size_t> order(count);
    for (size_t i = 0; i < count; ++i) {
        keys[i] = NaturalSortKey(items[first + i].ansi);
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : items[first + a].wide < items[first + b].wide;
    });
    // Built aside first, so that a failure on the way leaves the list as it was.
    NameList sorted;
    sorted.reserve(count);
    for (size_t index : order) sorted.push_back(items[first + index]);
    std::move(sorted.begin(), sorted.end(), list_->begin() + low);
}
