// Tab painters: TSkinTab draws tab controls and page controls completely (the tab row from the skin's tab
// image on any of the four sides, pictures, texts, close boxes, the page frame); TSkinTabBtn draws button-
// style tab rows with the push-button element; TSkinTab31 draws tab sets (tabs hanging below their row);
// TSkinTabSheet gives pages the skin's face colour; TSkinAdvPage hands tab images to controls that take
// them through two bitmap properties.
#pragma once

#include "skin/controls/BarLayout.h"
#include "skin/controls/TabLayout.h"
#include "skin/controls/WinSubClass.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

class TBitmap;

// Draws a picture and a text in `box` by the shared rule (BarLayout's PlaceItem): the text in transparent
// mode, in clBtnShadow when the painter's control is disabled, single line with an ellipsis.
void DrawItemPictureText(TSkinControl& painter, HDC dc, const RECT& box, TItemAlignment alignment,
                         const std::wstring& text, int imageIndex, HIMAGELIST images);

class TSkinTab : public TSkinControl {
    GRV_CLASS(TSkinTab)
public:
    explicit TSkinTab(TComponent* owner);
    ~TSkinTab() override;
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) override;
    void SkinChanged() override;
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;

    std::vector<GeoRect> FCloseRects; // where each tab's close box was drawn, in window coordinates
    TTabSide FTabSide = TTabSide::Top;
    std::unique_ptr<TBitmap> FTabImage, FPaneImage, FStrip;
    TSkinControl* FUpDown = nullptr; // the arrows' painter, once made (owned by the form skinner; never used)
    bool FCloseBoxes = false;
    bool FUnicodeText = false;
    int FTabMode = 0;        // 2: a member of the tab-control family other than the plain tab control
    bool FHangingTabs = false; // tab sets: the tab image flipped, tabs hanging below the row

protected:
    virtual void PrepareImages();
    // The scroll arrows' painter; answers whether the arrows show.
    bool FindScrollArrows();
    bool CloseClickedTab(const TMessage& m);
};

class TSkinTabBtn : public TSkinControl {
    GRV_CLASS(TSkinTabBtn)
public:
    explicit TSkinTabBtn(TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;
};

class TSkinTab31 : public TSkinTab {
    GRV_CLASS(TSkinTab31)
public:
    explicit TSkinTab31(TComponent* owner);
    // Tab sets are painted by window handle, on the control's own window.
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
};

class TSkinTabSheet : public TSkinControl {
    GRV_CLASS(TSkinTabSheet)
public:
    explicit TSkinTabSheet(TComponent* owner) : TSkinControl(owner) {}
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;
};

class TSkinAdvPage : public TSkinControl {
    GRV_CLASS(TSkinAdvPage)
public:
    explicit TSkinAdvPage(TComponent* owner) : TSkinControl(owner) {}
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void SkinChanged() override;
    void Unskin() override;
    void DrawSkin(HDC dc, const RECT& r) override;
    int FTabMode = 0;
    TSkinControl* FUpDown = nullptr;

private:
    void AssignTabPictures(bool empty);
};
