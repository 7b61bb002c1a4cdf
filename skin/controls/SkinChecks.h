// Check-box and radio-button painters: the box (or circle) from the skin's check and radio strips. For
// framework controls the painter draws the whole control (box, background, caption, focus); for bare
// "Button" windows it draws only the box over the system's painting. FNoMouseDown is the full-paint flag.
#pragma once

#include "skin/controls/ChoiceFrames.h"
#include "skin/controls/WinSubClass.h"

class TBitmap;

class TSkinChoiceButton : public TSkinControl {
    GRV_CLASS(TSkinChoiceButton)
public:
    explicit TSkinChoiceButton(TComponent* owner) : TSkinControl(owner) {}
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;
    void ReleaseHover() override;

    bool FTransparent = false; // the parent's background shows behind the control

protected:
    virtual TBitmap* Strip() const = 0;
    virtual int StripFrames() const = 0;
    virtual int Frame(const TChoiceFacts& facts, int frameCount) const = 0;
    virtual TCheckMark Mark() const = 0;
    virtual int LeftTextRightInset() const { return 0; }

private:
    void TrackHot(const TMessage& m);
    bool HasStrip() const;
};

class TSkinCheckBox : public TSkinChoiceButton {
    GRV_CLASS(TSkinCheckBox)
public:
    explicit TSkinCheckBox(TComponent* owner) : TSkinChoiceButton(owner) {}
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void AfterMessage(TMessage& m) override;
    int FCheckState = 0; // 0 unknown, else 1 + the last BM_SETCHECK wParam

protected:
    TBitmap* Strip() const override;
    int StripFrames() const override;
    int Frame(const TChoiceFacts& facts, int frameCount) const override { return CheckBoxFrame(facts, frameCount); }
    TCheckMark Mark() const override;
};

class TSkinRadioButton : public TSkinChoiceButton {
    GRV_CLASS(TSkinRadioButton)
public:
    explicit TSkinRadioButton(TComponent* owner) : TSkinChoiceButton(owner) {}

protected:
    TBitmap* Strip() const override;
    int StripFrames() const override;
    int Frame(const TChoiceFacts& facts, int frameCount) const override { return RadioButtonFrame(facts, frameCount); }
    TCheckMark Mark() const override;
    int LeftTextRightInset() const override { return 1; }
};
