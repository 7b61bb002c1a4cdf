// The picture list of one import: the folder, the picture type, and the matching names in natural order.
#pragma once

#include <string>

#include "sort.h"

class PictureList {
public:
    PictureList() = default;

    // Fills every field from the texts of the folder and picture-type boxes and sorts the names.
    // A folder without a matching file fails with the list's index error.
    void Scan(const std::wstring& folderText, const std::wstring& typeText);

    NameList pictureFiles;       // the bare file names, in natural order after Scan
    std::wstring picturePath;    // the folder, with "\" appended
    std::wstring pictureType;    // the file pattern, such as "*.jpg"
    int pictureAmount = 0;       // the number of names found
};
