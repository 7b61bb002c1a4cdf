// Reads a picture file through Windows Imaging Components: its size, its resolution and a small
// preview for the stand-in's window. Decoding the preview reads the whole image.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace grv::standin {

struct Preview {
    HBITMAP bitmap = nullptr;  // 32-bit premultiplied BGRA DIB section
    int width = 0, height = 0;
    ~Preview();
};

struct DecodedImage {
    int pixelWidth = 0, pixelHeight = 0;
    double dpiX = 96, dpiY = 96;
    std::shared_ptr<Preview> preview;
};

// Nothing when the file cannot be read or is not a picture WIC knows.
std::optional<DecodedImage> decodeImage(const std::wstring& path);

}  // namespace grv::standin
