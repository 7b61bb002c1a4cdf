// The push-button painters, drawn from the skin's push-button element (5 frames: normal, pressed,
// disabled, hot, focused):
//   TSkinButton      plain push buttons: framework buttons and the bare "Button" windows of system dialogs;
//   TSkinBitButton   picture buttons: a glyph strip (or another graphic property) or an image-list picture
//                    beside the caption;
//   TSkinSpeedButton speed buttons (graphic controls without a window of their own);
//   TSkinMenuButton  buttons with a drop-down arrow.
// Every paint composes the whole button in an off-screen bitmap and copies it in one block transfer. The
// painter takes the left-button press (the system button never captures the mouse) and clicks at release.
#pragma once

#include "skin/controls/WinSubClass.h"

#include <memory>
#include <string>

class TBitmap;

class TSkinButton : public TSkinControl {
    GRV_CLASS(TSkinButton)
public:
    explicit TSkinButton(TComponent* owner);
    ~TSkinButton() override;
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void AttachWindow(HWND handle, TSkinData* skinData, TWinSkinForm* formSkin, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& r) override;

    std::unique_ptr<TBitmap> FBuffer;
    bool FTransparent = false;

protected:
    // Steps shared by the button painters: sizes the buffer, draws the background and (when showElement)
    // the element's frame, and selects the caption font and colour into the buffer.
    // Answers the buffer's DC, or null when the skin has no push-button element (nothing is drawn).
    HDC BeginFace(const RECT& r, int frame, bool showElement = true);
    // Puts the buffer's font back and copies the buffer to the target.
    void EndFace(HDC dc, const RECT& r);
    void DrawFocusBox(HDC buffer, RECT box);
    bool IsFocused() const;
    bool IsEnabled() const;
    std::wstring ReadCaption() const;

private:
    HGDIOBJ oldFont_ = nullptr;
};

class TSkinBitButton : public TSkinButton {
    GRV_CLASS(TSkinBitButton)
public:
    explicit TSkinBitButton(TComponent* owner);
    void DrawSkin(HDC dc, const RECT& r) override;

    // A published graphic property drawn instead of Glyph ("PngImage"), with no image list.
    std::string FGlyphProperty;

protected:
    // The glyph and caption of a picture or speed button, drawn into the buffer for the chosen frame.
    void DrawPictureAndCaption(HDC buffer, const RECT& r, int frame, bool speed, bool down);
};

class TSkinSpeedButton : public TSkinBitButton {
    GRV_CLASS(TSkinSpeedButton)
public:
    explicit TSkinSpeedButton(TComponent* owner);
    ~TSkinSpeedButton() override;
    // The speed button's attach: no window; the button (the owner) is the paint target.
    void AttachSpeedButton(TWinSkinForm* formSkin, TSkinData* skinData, TCanvas* canvas);
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void PaintWhole(HDC dc) override;
    void DrawSkin(HDC dc, const RECT& r) override;

    bool FPainting = false;
};

class TSkinMenuButton : public TSkinButton {
    GRV_CLASS(TSkinMenuButton)
public:
    explicit TSkinMenuButton(TComponent* owner);
    void DrawSkin(HDC dc, const RECT& r) override;
};
