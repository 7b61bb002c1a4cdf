#include "FolderScan.h"

#include <windows.h>

#include <vector>

#include "PictureCaption.h"
#include "runtime/SysUtils.h"

std::string AnsiForm(const std::wstring& text) { return AnsiFromWide(text); }

NameList ScanFolder(const std::wstring& folderWithBackslash, const std::wstring& pattern) {
    NameList names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folderWithBackslash + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        names.push_back({AnsiForm(name), name});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::wstring PictureCaptionOf(const std::wstring& name, const std::wstring& pictureType) {
    // The ANSI length of each character (a surrogate pair is one character).
    std::vector<int> charBytes;
    std::vector<size_t> charEnds;
    for (size_t i = 0; i < name.size();) {
        const size_t units = IS_HIGH_SURROGATE(name[i]) && i + 1 < name.size() && IS_LOW_SURROGATE(name[i + 1]) ? 2 : 1;
        charBytes.push_back(static_cast<int>(AnsiForm(name.substr(i, units)).size()));
        i += units;
        charEnds.push_back(i);
    }
    const int keep = CaptionCharacters(charBytes, static_cast<int>(AnsiForm(pictureType).size()));
    return keep == 0 ? std::wstring() : name.substr(0, charEnds[static_cast<size_t>(keep) - 1]);
}
