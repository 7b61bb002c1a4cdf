// The wildcard search of a folder with the wide API, so that names the system's code page cannot
// write still work, and the ANSI forms of names and texts used for ordering and captions.
#pragma once

#include <string>

#include "sort.h"

// Lists folder + pattern: ordinary files and folders whose names match, skipping hidden and system
// entries and the "." and ".." of a folder, in the order the system returns them.
NameList ScanFolder(const std::wstring& folderWithBackslash, const std::wstring& pattern);

// The text in the system's ANSI code page (unwritable characters become "?").
std::string AnsiForm(const std::wstring& text);

// The caption of a picture name for a picture type, counted as in the ANSI code page.
std::wstring PictureCaptionOf(const std::wstring& name, const std::wstring& pictureType);
