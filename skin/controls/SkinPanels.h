// Painters of containers and bars: group boxes (rounded frame and caption), panels (recoloured only), bars
// that erase to the face colour, status bars (panels, texts, size grip), headers (with the section under the
// mouse highlighted; also the header of list views), size grips, and controls that take glyph pictures.
#pragma once

#include "skin/controls/WinSubClass.h"
#include "skin/window/ElementGeometry.h"

#include <vector>

class TSkinGroupBox : public TSkinControl {
    GRV_CLASS(TSkinGroupBox)
public:
    explicit TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;
};

// Panels: recoloured with the skin's face colour; their messages are not taken over.
class TSkinBox : public TSkinControl {
    GRV_CLASS(TSkinBox)
public:
    explicit TSkinBox(TComponent* owner) : TSkinControl(owner) {}
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void Unskin() override;
    void AfterMessage(TMessage&) override {}
};

class TSkinBoxH : public TSkinControl {
    GRV_CLASS(TSkinBoxH)
public:
    explicit TSkinBoxH(TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(TMessage& m) override;
};

class TSkinStatusBar : public TSkinControl {
    GRV_CLASS(TSkinStatusBar)
public:
    explicit TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;
};

class TSkinHeader : public TSkinControl {
    GRV_CLASS(TSkinHeader)
public:
    explicit TSkinHeader(TComponent* owner) : TSkinControl(owner) {}
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;
    void ReleaseHover() override;

    std::vector<GeoRect> FSectionRects; // each section narrowed by 3 on both sides, from the last paint
    int FHotSection = -1;
};

// Controls that draw their check or radio pictures from glyph properties get pictures cut from the skin.
class TSkinObjImage : public TSkinControl {
    GRV_CLASS(TSkinObjImage)
public:
    explicit TSkinObjImage(TComponent* owner) : TSkinControl(owner) {}
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void Unskin() override;
    void SkinChanged() override;
    int FGlyphMode = 0; // 1 check box, 2 radio button, 3 check box with a Properties.Glyph

private:
    void RenderGlyphs();
};
