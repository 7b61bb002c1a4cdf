#include "ImageDecoder.h"

#include "JpegResolution.h"

#include <wincodec.h>

#include <algorithm>
#include <cmath>

namespace grv::standin {

namespace {

template <typename T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

// Pixels on the larger side: enough for the frames a job uses, small enough for a folder of thousands.
constexpr int kPreviewMax = 160;

bool isJpeg(IWICBitmapDecoder* decoder) {
    GUID format{};
    return SUCCEEDED(decoder->GetContainerFormat(&format)) && IsEqualGUID(format, GUID_ContainerFormatJpeg);
}

bool jpegFileStatesResolution(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    unsigned char head[32] = {};
    DWORD read = 0;
    ReadFile(file, head, sizeof head, &read, nullptr);
    CloseHandle(file);
    return jpegStatesResolution(head, read);
}

std::shared_ptr<Preview> makePreview(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, UINT width,
                                     UINT height) {
    double scale = std::min(1.0, static_cast<double>(kPreviewMax) / std::max(width, height));
    UINT w = std::max(1u, static_cast<UINT>(std::lround(width * scale)));
    UINT h = std::max(1u, static_cast<UINT>(std::lround(height * scale)));
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(converter.p, w, h, WICBitmapInterpolationModeFant)))
        return nullptr;
    auto preview = std::make_shared<Preview>();
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), static_cast<LONG>(w), -static_cast<LONG>(h), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    preview->bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!preview->bitmap) return nullptr;
    if (FAILED(scaler->CopyPixels(nullptr, w * 4, w * h * 4, static_cast<BYTE*>(bits)))) return nullptr;
    preview->width = static_cast<int>(w);
    preview->height = static_cast<int>(h);
    return preview;
}

}  // namespace

Preview::~Preview() {
    if (bitmap) DeleteObject(bitmap);
}

std::optional<DecodedImage> decodeImage(const std::wstring& path) {
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory))))
        return std::nullopt;
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  &decoder)))
        return std::nullopt;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, &frame))) return std::nullopt;
    UINT width = 0, height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0) return std::nullopt;

    DecodedImage image;
    image.pixelWidth = static_cast<int>(width);
    image.pixelHeight = static_cast<int>(height);
    double dpiX = 0, dpiY = 0;
    bool stated = SUCCEEDED(frame->GetResolution(&dpiX, &dpiY)) && dpiX > 0 && dpiY > 0;
    // A JFIF density without units is an aspect ratio, which WIC may pass on as a resolution.
    if (stated && isJpeg(decoder.p)) stated = jpegFileStatesResolution(path);
    if (stated) {
        image.dpiX = dpiX;
        image.dpiY = dpiY;
    }
    image.preview = makePreview(factory.p, frame.p, width, height);
    if (!image.preview) return std::nullopt;  // the data does not decode
    return image;
}

}  // namespace grv::standin
