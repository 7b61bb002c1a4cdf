// TBitmap (a DIB section) and TPicture.
#include "runtime/Graphics.h"

#include <cstring>

namespace {
int bitsOf(TPixelFormat f) { return f == pf1bit ? 1 : f == pf32bit ? 32 : 24; }
} // namespace

// The canvas of a bitmap: a memory DC with the bitmap selected, made on demand.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* owner) : owner_(owner) {}
    ~TBitmapCanvas() override { FreeDc(); }
    void FreeDc() {
        HDC dc = HandleAllocated() ? TCanvas::Handle() : nullptr;
        if (!dc) return;
        SetHandle(nullptr);
        if (oldBitmap_) SelectObject(dc, oldBitmap_);
        oldBitmap_ = nullptr;
        DeleteDC(dc);
    }

protected:
    void CreateHandle() override {
        HDC dc = CreateCompatibleDC(nullptr);
        if (!dc) return;
        if (owner_->handle_) oldBitmap_ = SelectObject(dc, owner_->handle_);
        SetHandle(dc);
    }

private:
    TBitmap* owner_;
    HGDIOBJ oldBitmap_ = nullptr;
};

const TClassInfo& TBitmap::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TBitmap, TGraphicsObject>("TBitmap")
        .Integer("Width", &TBitmap::Width, &TBitmap::SetWidth)
        .Integer("Height", &TBitmap::Height, &TBitmap::SetHeight)
        .Bool("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent)
        .Color("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor)
        .Register();
    return info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    canvas_.reset();
    freeImage();
}

void TBitmap::freeImage() {
    if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->FreeDc();
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = stride_ = 0;
}

void TBitmap::create(int w, int h, TPixelFormat f) {
    freeImage();
    format_ = (f == pf1bit || f == pf32bit) ? f : pf24bit;
    if (w <= 0 || h <= 0) return;
    if (w > kMaxBitmapSide || h > kMaxBitmapSide || int64_t(w) * h > kMaxBitmapPixels)
        throw EOutOfResources("Bitmap too large");
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[2];
    } bi{};
    bi.h.biSize = sizeof(BITMAPINFOHEADER);
    bi.h.biWidth = w;
    bi.h.biHeight = -h; // top-down: ScanLine(y) is row y from the top
    bi.h.biPlanes = 1;
    bi.h.biBitCount = WORD(bitsOf(format_));
    bi.h.biCompression = BI_RGB;
    if (format_ == pf1bit) {
        bi.h.biClrUsed = 2;
        bi.colors[1] = RGBQUAD{255, 255, 255, 0};
    }
    void* bits = nullptr;
    handle_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle_) throw EOutOfResources("Out of system resources (bitmap)");
    bits_ = static_cast<uint8_t*>(bits);
    width_ = w;
    height_ = h;
    stride_ = ((w * bitsOf(format_) + 31) / 32) * 4;
    std::memset(bits_, 0, size_t(stride_) * size_t(h));
}

void TBitmap::SetSize(int w, int h) {
    if (w == width_ && h == height_) return;
    TPixelImage old = ToPixels();
    TPixelFormat f = format_;
    create(w, h, f);
    if (!old.Empty() && !Empty()) {
        TPixelImage now = ToPixels();
        for (int y = 0; y < std::min(h, old.Height); ++y)
            for (int x = 0; x < std::min(w, old.Width); ++x) now.Pixels[size_t(y) * w + x] = old.At(x, y);
        LoadFromPixels(now, f);
    }
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat f) {
    f = (f == pf1bit || f == pf32bit) ? f : pf24bit;
    if (f == format_) return;
    TPixelImage old = ToPixels();
    if (old.Empty()) {
        format_ = f;
        return;
    }
    LoadFromPixels(old, f);
    Changed();
}

void* TBitmap::ScanLine(int y) {
    if (!bits_ || y < 0 || y >= height_) return nullptr;
    GdiFlush();
    return bits_ + size_t(y) * size_t(stride_);
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TBitmapCanvas>(this);
    return canvas_.get();
}

TPixelImage TBitmap::ToPixels() const {
    TPixelImage img;
    if (Empty()) return img;
    GdiFlush();
    img.Width = width_;
    img.Height = height_;
    img.SourceBitCount = bitsOf(format_);
    img.HasAlpha = format_ == pf32bit;
    img.Pixels.resize(size_t(width_) * size_t(height_));
    for (int y = 0; y < height_; ++y) {
        const uint8_t* row = bits_ + size_t(y) * stride_;
        for (int x = 0; x < width_; ++x) {
            uint32_t p;
            if (format_ == pf1bit) p = ((row[x / 8] >> (7 - x % 8)) & 1) ? 0xFFFFFFFFu : 0xFF000000u;
            else if (format_ == pf24bit) p = 0xFF000000u | (uint32_t(row[3 * x + 2]) << 16) | (uint32_t(row[3 * x + 1]) << 8) | row[3 * x];
            else std::memcpy(&p, row + 4 * x, 4);
            img.Pixels[size_t(y) * width_ + x] = p;
        }
    }
    return img;
}

void TBitmap::LoadFromPixels(const TPixelImage& image, TPixelFormat format) {
    create(image.Width, image.Height, format);
    if (Empty()) return;
    for (int y = 0; y < height_; ++y) {
        uint8_t* row = bits_ + size_t(y) * stride_;
        for (int x = 0; x < width_; ++x) {
            uint32_t p = image.At(x, y);
            if (format_ == pf1bit) {
                unsigned luma = ((p >> 16 & 0xFF) * 30 + (p >> 8 & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
                if (luma >= 128) row[x / 8] |= uint8_t(0x80 >> (x % 8));
            } else if (format_ == pf24bit) {
                row[3 * x] = uint8_t(p);
                row[3 * x + 1] = uint8_t(p >> 8);
                row[3 * x + 2] = uint8_t(p >> 16);
            } else {
                std::memcpy(row + 4 * x, &p, 4);
            }
        }
    }
}

void TBitmap::SetHandle(HBITMAP bitmap) {
    if (bitmap && bitmap == handle_) return; // its own DIB section: freeing it first would lose the pixels
    if (!bitmap) {
        freeImage();
        Changed();
        return;
    }
    BITMAP bm{};
    if (!GetObjectW(bitmap, sizeof bm, &bm)) return;
    TPixelFormat f = bm.bmBitsPixel == 32 ? pf32bit : pf24bit;
    create(bm.bmWidth, bm.bmHeight, f);
    if (!Empty()) {
        BITMAPINFOHEADER bi{};
        bi.biSize = sizeof bi;
        bi.biWidth = width_;
        bi.biHeight = -height_;
        bi.biPlanes = 1;
        bi.biBitCount = WORD(bitsOf(f));
        bi.biCompression = BI_RGB;
        HDC dc = GetDC(nullptr);
        GetDIBits(dc, bitmap, 0, UINT(height_), bits_, reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
    }
    DeleteObject(bitmap);
    Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
    if (canvas_) static_cast<TBitmapCanvas*>(canvas_.get())->FreeDc();
    HBITMAP h = handle_;
    handle_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = stride_ = 0;
    return h;
}

void TBitmap::SetTransparent(bool v) {
    if (v != transparent_) {
        transparent_ = v;
        Changed();
    }
}

TColor TBitmap::TransparentColor() const {
    if (mode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
    if (Empty()) return clDefault;
    GdiFlush();
    const uint8_t* bottomLeft = bits_ + size_t(height_ - 1) * size_t(stride_);
    if (format_ == pf1bit) return (bottomLeft[0] & 0x80) ? clWhite : clBlack;
    return ColorFromRGB(bottomLeft[2], bottomLeft[1], bottomLeft[0]);
}

void TBitmap::SetTransparentColor(TColor c) {
    transparentColor_ = c;
    mode_ = c == clDefault ? tmAuto : tmFixed;
    Changed();
}

HBITMAP TBitmap::CreateMask(TColor color) const {
    if (Empty()) return nullptr;
    COLORREF key = ColorToRGB(color);
    TPixelImage img = ToPixels();
    int rowBytes = ((width_ + 15) / 16) * 2; // monochrome DDB rows are word-aligned
    std::vector<uint8_t> data(size_t(rowBytes) * height_, 0);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            uint32_t p = img.At(x, y);
            COLORREF c = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            if (c == key) data[size_t(y) * rowBytes + x / 8] |= uint8_t(0x80 >> (x % 8));
        }
    return CreateBitmap(width_, height_, 1, 1, data.data());
}

void TBitmap::Mask(TColor color) {
    if (Empty()) return;
    COLORREF key = ColorToRGB(color);
    TPixelImage img = ToPixels();
    for (auto& p : img.Pixels) p = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) == key ? 0xFFFFFFFFu : 0xFF000000u;
    LoadFromPixels(img, pf1bit);
    Changed();
}

bool TBitmap::LoadFromBytes(const uint8_t* data, size_t size) {
    TPixelImage img;
    bool ok = DecodeBmpFile(data, size, img);
    if (ok) LoadFromPixels(img, img.SourceBitCount == 32 ? pf32bit : pf24bit);
    else freeImage();
    Changed();
    return ok;
}

bool TBitmap::LoadFromStream(TStream& stream) {
    int64_t remaining = stream.Size() - stream.Position();
    if (remaining <= 0 || remaining > (int64_t(1) << 30)) {
        freeImage();
        Changed();
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(remaining));
    stream.ReadBuffer(bytes.data(), remaining);
    return LoadFromBytes(bytes.data(), bytes.size());
}

void TBitmap::SaveToStream(TStream& stream) {
    auto bytes = EncodeBmpFile(ToPixels(), format_ == pf32bit ? 32 : 24);
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}

bool TBitmap::LoadFromResourceName(HINSTANCE instance, const wchar_t* name) {
    HRSRC res = FindResourceW(instance, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    HGLOBAL mem = res ? LoadResource(instance, res) : nullptr;
    const uint8_t* data = mem ? static_cast<const uint8_t*>(LockResource(mem)) : nullptr;
    TPixelImage img;
    bool ok = data && DecodeDib(data, SizeofResource(instance, res), img);
    if (ok) LoadFromPixels(img, img.SourceBitCount == 32 ? pf32bit : pf24bit);
    else freeImage();
    Changed();
    return ok;
}

void TBitmap::Assign(const TPersistent& source) {
    auto b = dynamic_cast<const TBitmap*>(&source);
    if (!b) return TPersistent::Assign(source);
    if (b == this) return;
    TPixelImage img = b->ToPixels();
    if (img.Empty()) {
        freeImage();
        format_ = b->format_;
    } else {
        LoadFromPixels(img, b->format_);
    }
    transparent_ = b->transparent_;
    transparentColor_ = b->transparentColor_;
    mode_ = b->mode_;
    Changed();
}

void TBitmap::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            uint32_t size = s.ReadUInt32LE();
            if (int64_t(size) > s.Size() - s.Position()) throw EReadError("Bitmap data cut short");
            std::vector<uint8_t> bytes(size);
            s.ReadBuffer(bytes.data(), size);
            LoadFromBytes(bytes.data(), bytes.size());
        },
        [this](TStream& s) {
            TMemoryStream m;
            SaveToStream(m);
            s.WriteUInt32LE(uint32_t(m.Size()));
            m.SaveToStream(s);
        },
        !Empty());
}

// --- TPicture ----------------------------------------------------------------------------------------------

const TClassInfo& TPicture::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TPicture, TPersistent>("TPicture")
        .Object<TBitmap>("Bitmap", [](const TPicture& p) { return p.bitmap_.get(); }, nullptr)
        .Register();
    return info;
}

TPicture::TPicture() : bitmap_(std::make_unique<TBitmap>()) {
    bitmap_->OnChange = [this](TObject*) { if (OnChange) OnChange(this); };
}

void TPicture::Assign(const TPersistent& source) {
    if (auto p = dynamic_cast<const TPicture*>(&source)) bitmap_->Assign(*p->bitmap_);
    else if (auto b = dynamic_cast<const TBitmap*>(&source)) bitmap_->Assign(*b);
    else TPersistent::Assign(source);
}

void TPicture::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            uint8_t len = 0;
            s.ReadBuffer(&len, 1);
            std::string cls(len, '\0');
            s.ReadBuffer(cls.data(), len);
            if (!SameText(cls, "TBitmap")) throw EReadError("Unsupported picture class " + cls);
            struct Once : TFiler {
                TStream& stream;
                explicit Once(TStream& st) : stream(st) {}
                void DefineBinaryProperty(const std::string&, std::function<void(TStream&)> read, std::function<void(TStream&)>, bool) override { read(stream); }
                void DefineListProperty(const std::string&, std::function<void(const std::vector<std::string>&)>, std::function<std::vector<std::string>()>, bool) override {}
            } inner(s);
            bitmap_->DefineProperties(inner);
        },
        [this](TStream& s) {
            uint8_t len = 7;
            s.WriteBuffer(&len, 1);
            s.WriteBuffer("TBitmap", 7);
            struct Once : TFiler {
                TStream& stream;
                explicit Once(TStream& st) : stream(st) {}
                void DefineBinaryProperty(const std::string&, std::function<void(TStream&)>, std::function<void(TStream&)> write, bool) override { write(stream); }
                void DefineListProperty(const std::string&, std::function<void(const std::vector<std::string>&)>, std::function<std::vector<std::string>()>, bool) override {}
            } inner(s);
            bitmap_->DefineProperties(inner);
        },
        !bitmap_->Empty());
}
