// Buttons with pictures: TBitBtn (a push button with a glyph or an image-list picture, owner-drawn by the
// framework while no skin draws it), TSpeedButton (a graphic control: flat, latching in groups) and
// TMenuButton (a push button with a drop-down arrow).
#pragma once

#include "runtime/StdCtrls.h"

class TImageList;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
extern const TEnumInfo ButtonLayoutInfo, BitBtnKindInfo;

class TBitBtn : public TButton {
    GRV_CLASS(TBitBtn)
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;
    TBitmap* Glyph() const { return glyph_.get(); }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    int Margin() const { return margin_; }
    void SetMargin(int m);
    int Spacing() const { return spacing_; }
    void SetSpacing(int s);
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind k) { kind_ = k; }
    // A picture from an image list, drawn when there is no glyph (DisabledIndex while disabled, if set).
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int i);
    // Where the glyph and the caption go in `client` (the button's face, without its border).
    void CalcLayout(const RECT& client, HDC dc, POINT& glyphPos, RECT& textRect);
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void Dispatch(TMessage& m) override;
    void DrawItem(const DRAWITEMSTRUCT& di);

private:
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1, margin_ = -1, spacing_ = 4;
    TButtonLayout layout_ = blGlyphLeft;
    TBitBtnKind kind_ = bkCustom;
    TImageList* images_ = nullptr;
    int imageIndex_ = -1, disabledIndex_ = -1;
    bool isFocused_ = false;
    SIZE pictureSize() const;
};

// A graphic button: it has no window of its own. With a GroupIndex it latches (Down) and releases the other
// buttons of its group on the same parent; AllowAllUp lets the last one be released too.
class TSpeedButton : public TGraphicControl {
    GRV_CLASS(TSpeedButton)
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int g);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v) { allowAllUp_ = v; }
    TBitmap* Glyph() const { return glyph_.get(); }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    int Margin() const { return margin_; }
    void SetMargin(int m);
    int Spacing() const { return spacing_; }
    void SetSpacing(int s);
    void Click() override;

protected:
    void Paint() override;
    void Dispatch(TMessage& m) override;

private:
    std::unique_ptr<TBitmap> glyph_;
    bool flat_ = false, down_ = false, allowAllUp_ = false;
    bool hot_ = false, pressed_ = false;
    int groupIndex_ = 0, numGlyphs_ = 1, margin_ = -1, spacing_ = 4;
    TButtonLayout layout_ = blGlyphLeft;
};

// A push button with a drop-down arrow at its right edge; OnClick opens whatever the program drops down.
class TMenuButton : public TButton {
    GRV_CLASS(TMenuButton)
public:
    explicit TMenuButton(TComponent* owner);

protected:
    void Dispatch(TMessage& m) override;
};

// Where a glyph of `glyph` size and `text` go on a button face `client` (framework drawing of the picture
// buttons): the group of glyph, spacing and text centred when margin is -1, else placed from the margin.
void CalcButtonLayout(const RECT& client, HDC dc, const std::wstring& text, SIZE glyph, TButtonLayout layout,
                      int margin, int spacing, POINT& glyphPos, RECT& textRect);
// Draws glyph number `index` (from 0) of a strip of `count` glyphs at `at`, its bottom-left colour
// transparent.
void DrawGlyph(HDC dc, TBitmap* strip, int count, int index, POINT at);
