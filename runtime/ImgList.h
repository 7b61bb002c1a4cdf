// TImageList over the common-controls image list: images of one size with masks.
#pragma once

#include <memory>

#include "runtime/Graphics.h"

#include <commctrl.h>

class TImageList : public TComponent {
    GRV_CLASS(TImageList)
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;
    int Width() const { return width_; }
    void SetWidth(int w);
    int Height() const { return height_; }
    void SetHeight(int h);
    int Count() const;
    HIMAGELIST Handle();
    // Adds the images of `image` (a strip of Width-wide images); `mask` may be null. Answers the first index.
    int Add(TBitmap* image, TBitmap* mask);
    // Adds with a mask made from `maskColor`.
    int AddMasked(TBitmap* image, TColor maskColor);
    void Delete(int index);
    void Clear();
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
    // A strip of Width-wide images loaded at once (a form description's "Bitmap.Data"): it replaces the
    // images, the colour of its bottom-left pixel transparent.
    TBitmap* Bitmap() const { return bitmap_.get(); }
    bool GetBitmap(int index, TBitmap* dest);

private:
    void recreate();
    HIMAGELIST handle_ = nullptr;
    int width_ = 16, height_ = 16;
    std::unique_ptr<TBitmap> bitmap_;
};
