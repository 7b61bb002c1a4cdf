// TBitBtn: a push button with a glyph, owner-drawn by the framework while no skin draws it.
#pragma once

#include "runtime/StdCtrls.h"

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
    // Where the glyph and the caption go in `client` (the button's face, without its border).
    void CalcLayout(const RECT& client, HDC dc, POINT& glyphPos, RECT& textRect);

protected:
    void CreateParams(TCreateParams& p) override;
    void Dispatch(TMessage& m) override;
    void DrawItem(const DRAWITEMSTRUCT& di);

private:
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1, margin_ = -1, spacing_ = 4;
    TButtonLayout layout_ = blGlyphLeft;
    TBitBtnKind kind_ = bkCustom;
    bool isFocused_ = false;
};
