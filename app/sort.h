// The sorter of the picture names: it holds a reference to a name list and sorts it in place in the
// natural order of Compare.h. Despite its name it is not a string type.
#pragma once

#include <string>
#include <vector>

// One file name in two forms: the ANSI form (the system's code page) decides the order, the wide
// form names the file, so that names the code page cannot write still reach the file system.
struct PictureName {
    std::string ansi;
    std::wstring wide;
};

using NameList = std::vector<PictureName>;

class WideString {
public:
    WideString() = default;

    // The list is not owned: the sorter neither creates nor frees it.
    void SetList(NameList* list) { list_ = list; }

    // Sorts items low..high (0-based, both inclusive). Item low is read first, so an empty list
    // fails with the list's index error even for QuickSort(0, -1).
    void QuickSort(int low, int high);

private:
    NameList* list_ = nullptr;
};

// The list's index error ("List index out of bounds (5)").
[[noreturn]] void ThrowListIndexError(long long index);
