#include "runtime/ImgList.h"

const TClassInfo& TImageList::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TImageList, TComponent>("TImageList")
        .Integer("Width", &TImageList::Width, &TImageList::SetWidth)
        .Integer("Height", &TImageList::Height, &TImageList::SetHeight)
        .Object<TBitmap>("Bitmap", &TImageList::Bitmap, nullptr)
        .Register();
    return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner), bitmap_(std::make_unique<TBitmap>()) {
    // A strip given as a whole: its images, transparent where the bottom-left pixel's colour is.
    bitmap_->OnChange = [this](TObject*) {
        Clear();
        if (!bitmap_->Empty()) AddMasked(bitmap_.get(), bitmap_->Canvas()->Pixel(0, bitmap_->Height() - 1));
    };
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)loaded;
}

TImageList::~TImageList() {
    if (handle_) ImageList_Destroy(handle_);
}

void TImageList::recreate() {
    if (handle_) ImageList_Destroy(handle_);
    handle_ = nullptr;
}

void TImageList::SetWidth(int w) { if (w != width_ && w > 0) { width_ = w; recreate(); } }
void TImageList::SetHeight(int h) { if (h != height_ && h > 0) { height_ = h; recreate(); } }

HIMAGELIST TImageList::Handle() {
    if (!handle_) handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
    return handle_;
}

int TImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

int TImageList::Add(TBitmap* image, TBitmap* mask) {
    if (!image || image->Empty()) return -1;
    TBitmap copy;
    copy.Assign(*image);
    copy.SetPixelFormat(pf24bit);
    HBITMAP m = nullptr;
    if (mask && !mask->Empty()) {
        TBitmap mono;
        mono.Assign(*mask);
        mono.Mask(clWhite);
        m = mono.ReleaseHandle();
    }
    int index = ImageList_Add(Handle(), copy.Handle(), m);
    if (m) DeleteObject(m);
    return index;
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor) {
    if (!image || image->Empty()) return -1;
    TBitmap copy;
    copy.Assign(*image);
    copy.SetPixelFormat(pf24bit);
    HBITMAP m = copy.CreateMask(maskColor);
    // Masked pixels are black in the image so that drawing through the mask leaves the background.
    HDC dc = copy.Canvas()->Handle();
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(maskDc, m);
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, 0, 0, copy.Width(), copy.Height(), maskDc, 0, 0, 0x00220326);
    SelectObject(maskDc, old);
    DeleteDC(maskDc);
    // The image list cannot take a bitmap that sits in a DC: hand it a copy.
    TBitmap holder;
    holder.Assign(copy);
    int index = ImageList_Add(Handle(), holder.Handle(), m);
    DeleteObject(m);
    return index;
}

void TImageList::Delete(int index) { if (handle_) ImageList_Remove(handle_, index); }
void TImageList::Clear() { if (handle_) ImageList_Remove(handle_, -1); }

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
    if (!canvas || !handle_ || index < 0 || index >= Count()) return;
    ImageList_DrawEx(handle_, index, canvas->Handle(), x, y, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT | (enabled ? 0 : ILD_BLEND50));
}

bool TImageList::GetBitmap(int index, TBitmap* dest) {
    if (!dest || !handle_ || index < 0 || index >= Count()) return false;
    dest->SetPixelFormat(pf24bit);
    dest->SetSize(width_, height_);
    ImageList_Draw(handle_, index, dest->Canvas()->Handle(), 0, 0, ILD_NORMAL);
    return true;
}
