#include "GetPicture.h"

#include "FolderScan.h"
#include "SettingsText.h"

void PictureList::Scan(const std::wstring& folderText, const std::wstring& typeText) {
    picturePath = TrimText(folderText) + L"\\";
    pictureType = TrimText(typeText);
    pictureFiles = ScanFolder(picturePath, pictureType);
    pictureAmount = static_cast<int>(pictureFiles.size());
    WideString sorter;
    sorter.SetList(&pictureFiles);
    sorter.QuickSort(0, pictureAmount - 1);
}
