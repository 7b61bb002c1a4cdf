// The media player's painter. The player draws its own row of transport buttons; TSkinMP lays an overlay
// over it, TWMediaPlayer: a panel window with the player's parent and bounds that draws the buttons with
// the skin's push-button element and the 27 glyph bitmaps of the program's resources, and passes the
// mouse on to the player, which keeps doing the work (a press and a release over the same button plays,
// pauses, stops ...). The overlay carries the skin's DisableTag, so the engine never skins it itself.
// The decisions (visible buttons, widths, hit test, frames, glyphs) are in MediaPlayerLayout.h.
#pragma once

#include "runtime/ExtCtrls.h"
#include "skin/controls/MediaPlayerLayout.h"
#include "skin/controls/WinSubClass.h"

#include <array>
#include <memory>

class TSkinMP;
class TWinSkinForm;

class TWMediaPlayer : public TCustomPanel {
    GRV_CLASS(TWMediaPlayer)
public:
    explicit TWMediaPlayer(TComponent* owner);
    ~TWMediaPlayer() override;
    // Takes the player's place: its parent and bounds, the skin's DisableTag.
    void Setup(TControl* player, TSkinMP* ownerSkin, TSkinData* skinData);
    // Back over the player (bounds, and on top of its siblings), showing when the player shows.
    void PlaceOverPlayer();
    void Notification(TComponent* component, TOperation operation) override;

    struct TMediaButton {
        TMediaButtonFlags Flags;
        std::array<std::unique_ptr<TBitmap>, 3> Glyphs; // enabled, disabled, coloured
        std::unique_ptr<TBitmap> Tinted;                // the enabled glyph in the skin's button text colour
    };
    std::array<TMediaButton, MediaButtonCount> FButtons;
    TControl* FPlayer = nullptr;
    TSkinMP* FOwnerSkin = nullptr;
    TSkinData* FSkinData = nullptr;
    int FVisibleCount = 0;
    int FButtonWidth = 0;
    bool FPressed = false;
    std::uint8_t FDownButton = NoMediaButton;
    std::uint8_t FHitButton = NoMediaButton;

protected:
    void Paint() override;
    void Dispatch(TMessage& m) override;

private:
    void readButtons();
    // The enabled glyphs take the skin's button text colour (near-black glyphs vanish on a dark face).
    void tintEnabledGlyphs();
    COLORREF tint_ = CLR_INVALID;
    int hitTest(int x, int y) const;
    std::unique_ptr<TBitmap> buffer_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class TSkinMP : public TSkinControl {
    GRV_CLASS(TSkinMP)
public:
    explicit TSkinMP(TComponent* owner) : TSkinControl(owner) {}
    ~TSkinMP() override;
    void AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) override;
    void AfterMessage(TMessage& m) override;
    void Unskin() override;
    void SkinChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

    TWMediaPlayer* FOverlay = nullptr;
};
