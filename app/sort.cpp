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

    // Different names never compare equal, so every correct sort gives one and the same order. Each
    // name's natural-order key is made once; the library's introsort then orders the keys in
    // O(n log n) without deep recursion, and the items are put back in that order. Two different wide
    // names can share an ANSI form (characters the code page cannot write); the wide form then breaks
    // the tie so that the order does not depend on the order of the scan.
    std::vector<std::pair<std::string, size_t>> keyed;
    keyed.reserve(static_cast<size_t>(high - low + 1));
    for (int i = low; i <= high; ++i) keyed.emplace_back(NaturalSortKey((*list_)[static_cast<size_t>(i)].ansi), static_cast<size_t>(i));
    const NameList& items = *list_;
    std::sort(keyed.begin(), keyed.end(), [&items](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : items[a.second].wide < items[b.second].wide;
    });
    // Built aside first, so that a failure on the way leaves the list as it was.
    NameList sorted;
    sorted.reserve(keyed.size());
    for (const auto& entry : keyed) sorted.push_back(items[entry.second]);
    std::move(sorted.begin(), sorted.end(), list_->begin() + low);
}
