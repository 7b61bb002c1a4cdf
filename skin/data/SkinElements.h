// Skin element records: one per skinned part of the user interface, each an image strip of FrameCount
// state frames with unscaled margins, a few flags and text colours. The skin data component owns them;
// the element builder fills them from a loaded skin.
#pragma once

#include "runtime/Graphics.h"
#include "skin/data/SkinColor.h"

#include <memory>
#include <string>

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name = {});
    virtual ~TDataSkinObject();
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    // The four margins: not stretched when the element is drawn at another size.
    int LeftWidth = 0;
    int TopHeight = 0;
    int RightWidth = 0;
    int BottomHeight = 0;
    std::unique_ptr<TBitmap> Bitmap; // FrameCount state images of equal size; never null
    int Trans = 0;                   // non-zero: magenta pixels are transparent
    int Tile = 0;                    // 0 stretch the middle, 1 tile it
    std::string Name;
    int FrameCount = 0;
    int Style = 0;
    int NormalColour = -1; // indices into the skin's Palette, -1 none
    int MouseOverColour = -1;
    int PressedColour = -1;
    TSkinColor NormalColour2 = clBtnText; // explicit text colours
    TSkinColor MouseOverColour2 = clBtnText;
    TSkinColor PressedColour2 = clBtnText;

    struct TMargins {
        int Left, Top, Right, Bottom;
    };
    TMargins Margins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }
    void SetMargins(const TMargins& m);

    // Whether the record has a non-empty image.
    bool HasImage() const;
};

// A record with a second image: the tab border, the up-down glyphs, the combo button's mirror.
class TDataSkinBorder : public TDataSkinObject {
public:
    explicit TDataSkinBorder(std::string name = {});
    ~TDataSkinBorder() override;
    std::unique_ptr<TBitmap> Bitmap2;
};

// The caption: Bitmap is the text background, LeftWidth the text shift, TopHeight the vertical text
// shift, RightWidth the right clip.
class TDataSkinTitle : public TDataSkinObject {
public:
    explicit TDataSkinTitle(std::string name = {}) : TDataSkinObject(std::move(name)) {}
    int TextAlignment = 0;
    int TextBackground = 0;
    int FontHeight = 14;
    int TextBackLeft = 0;
    int TextBackRight = 0;
    TSkinColor ActiveTextColor = NoColor;
    TSkinColor InactiveTextColor = NoColor;
};

// The push button, with the check box and radio button strips.
class TDataSkinButton : public TDataSkinObject {
public:
    explicit TDataSkinButton(std::string name = {});
    ~TDataSkinButton() override;
    std::unique_ptr<TBitmap> CheckBitmap;
    std::unique_ptr<TBitmap> RadioBitmap;
    int RadioFrameCount = 0;
    int CheckFrameCount = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// One caption button; Action 7, 8 and 9 are the three MDI child buttons.
class TDataSkinSysButton : public TDataSkinObject {
public:
    explicit TDataSkinSysButton(std::string name = {}) : TDataSkinObject(std::move(name)) {}
    int Action = 0;
    int Align = 0;
    int XCoord = 0;
    int YCoord = 0;
    int CombineOp = -1;
    int Visibility = 0;
    int Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
public:
    explicit TDataSkinBoxLabel(std::string name = {}) : TDataSkinObject(std::move(name)) {}
    int BackgroundLeftShift = 0;
    int BackgroundRightShift = 0;
    int BackgroundAlignment = 0;
};
