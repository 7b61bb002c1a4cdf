#include "skin/controls/SkinMediaPlayer.h"

#include "runtime/Graphics.h"
#include "skin/controls/ButtonLayout.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/WinSkinForm.h"

#include <windowsx.h>

namespace {

const wchar_t* const GlyphStates[3] = {L"EN", L"DI", L"CL"};
const wchar_t* const GlyphButtons[MediaButtonCount] = {L"MPPLAY", L"MPPAUSE", L"MPSTOP",   L"MPNEXT", L"MPPREV",
                                                       L"MPSTEP", L"MPBACK",  L"MPRECORD", L"MPEJECT"};
constexpr TColor GlyphKey = 0x008080; // olive

int GlyphIndex(TMediaGlyph g) {
    switch (g) {
    case TMediaGlyph::Disabled: return 1;
    case TMediaGlyph::Coloured: return 2;
    default: return 0;
    }
}

RECT Win(const GeoRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

} // namespace

// --- TWMediaPlayer -----------------------------------------------------------------------------------------

const TClassInfo& TWMediaPlayer::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TWMediaPlayer, TCustomPanel>("TWMediaPlayer").Register();
    return info;
}

TWMediaPlayer::TWMediaPlayer(TComponent* owner) : TCustomPanel(owner), buffer_(std::make_unique<TBitmap>()) {
    buffer_->SetPixelFormat(pf32bit);
    SetParentBackground(false);
    for (int b = 0; b < MediaButtonCount; ++b)
        for (int s = 0; s < 3; ++s) {
            auto glyph = std::make_unique<TBitmap>();
            const std::wstring name = std::wstring(GlyphStates[s]) + L"_" + GlyphButtons[b];
            if (glyph->LoadFromResourceName(MainInstance(), name.c_str())) { // missing: an empty glyph
                glyph->SetTransparentColor(GlyphKey);
                glyph->SetTransparent(true);
            }
            FButtons[b].Glyphs[s] = std::move(glyph);
        }
}

TWMediaPlayer::~TWMediaPlayer() {
    *alive_ = false;
    DestroyHandle();
}

void TWMediaPlayer::Setup(TControl* player, TSkinMP* ownerSkin, TSkinData* skinData) {
    FPlayer = player;
    FOwnerSkin = ownerSkin;
    FSkinData = skinData;
    if (player) player->FreeNotification(this);
    if (ownerSkin) ownerSkin->FreeNotification(this);
    if (skinData) {
        SetTag(skinData->DisableTag);
        SetColor(skinData->SkinColors.ButtonFace);
    }
    if (!player) return;
    SetBounds(player->Left(), player->Top(), player->Width(), player->Height());
    SetVisible(player->Visible());
    SetParent(player->Parent());
    PlaceOverPlayer();
}

void TWMediaPlayer::PlaceOverPlayer() {
    if (!FPlayer) return;
    SetBounds(FPlayer->Left(), FPlayer->Top(), FPlayer->Width(), FPlayer->Height());
    SetVisible(FPlayer->Visible());
    if (HandleAllocated()) SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TWMediaPlayer::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FPlayer) FPlayer = nullptr;
    if (component == FOwnerSkin) FOwnerSkin = nullptr;
}

void TWMediaPlayer::readButtons() {
    auto set = [this](const char* name) { return FPlayer ? GetSetProp(FPlayer, name).value_or("") : std::string(); };
    const TMediaButtons buttons = MediaButtonsFromSets(set("VisibleButtons"), set("EnabledButtons"), set("ColoredButtons"));
    const bool playerEnabled = FPlayer && FPlayer->Enabled();
    for (int b = 0; b < MediaButtonCount; ++b) {
        FButtons[b].Flags = buttons[b];
        FButtons[b].Flags.Enabled &= playerEnabled;
    }
}

void TWMediaPlayer::tintEnabledGlyphs() {
    const COLORREF text = ColorToRGB(FSkinData ? FSkinData->SkinColors.ButtonText : clBtnText);
    if (text == tint_) return;
    tint_ = text;
    for (TMediaButton& button : FButtons) {
        const TBitmap* glyph = button.Glyphs[0].get();
        button.Tinted = std::make_unique<TBitmap>();
        if (glyph->Empty()) continue;
        button.Tinted->Assign(*glyph);
        TCanvas* canvas = button.Tinted->Canvas();
        for (int y = 0; y < glyph->Height(); ++y)
            for (int x = 0; x < glyph->Width(); ++x)
                if (canvas->Pixel(x, y) != GlyphKey) canvas->SetPixel(x, y, text);
        button.Tinted->SetTransparentColor(GlyphKey);
        button.Tinted->SetTransparent(true);
    }
}

int TWMediaPlayer::hitTest(int x, int y) const {
    if (y < 0 || y >= ClientHeight()) return NoMediaButton;
    TMediaButtons flags;
    for (int b = 0; b < MediaButtonCount; ++b) flags[b] = FButtons[b].Flags;
    return MediaButtonAt(flags, FButtonWidth, x);
}

void TWMediaPlayer::Paint() {
    readButtons();
    tintEnabledGlyphs();
    TMediaButtons flags;
    for (int b = 0; b < MediaButtonCount; ++b) flags[b] = FButtons[b].Flags;
    FVisibleCount = VisibleMediaButtons(flags);
    HDC dc = Canvas()->Handle();
    const RECT client = ClientRect();
    const TColor face = FSkinData ? FSkinData->SkinColors.ButtonFace : clBtnFace;
    if (FVisibleCount == 0) {
        TSkinControl::FillColour(dc, client, face);
        return;
    }
    FButtonWidth = MediaButtonWidth(client.right, FVisibleCount);
    if (buffer_->Width() != client.right || buffer_->Height() != client.bottom)
        buffer_->SetSize(client.right, client.bottom);
    TCanvas* canvas = buffer_->Canvas();
    HDC buffer = canvas->Handle();
    TSkinControl::FillColour(buffer, client, face);
    canvas->Brush()->SetColor(face);
    const TDataSkinButton* element = FSkinData ? FSkinData->Buttons.get() : nullptr;
    const bool skinned = element && element->HasImage();
    for (const TMediaButtonPlace& place : MediaButtonPlaces(flags, FButtonWidth, client.bottom)) {
        const TMediaButton& button = FButtons[place.Button];
        const int frame = MediaButtonFrame(button.Flags.Enabled, FPressed, FDownButton == place.Button);
        RECT r = Win(place.Rect);
        if (skinned)
            TSkinControl::DrawElement(buffer, r, element->FrameCount > 0 ? element->FrameCount : ButtonFrameCount,
                                      frame, element);
        else
            DrawFrameControl(buffer, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (frame == 2 ? DFCS_PUSHED : 0));
        const TMediaGlyph choice = MediaGlyphChoice(button.Flags);
        TBitmap* glyph = choice == TMediaGlyph::Enabled ? button.Tinted.get() : button.Glyphs[GlyphIndex(choice)].get();
        if (glyph->Empty()) continue;
        const GeoPoint at = MediaGlyphOrigin(place.Rect, glyph->Width(), glyph->Height(), frame);
        canvas->Draw(at.x, at.y, glyph);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
}

void TWMediaPlayer::Dispatch(TMessage& m) {
    const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    const std::shared_ptr<bool> alive = alive_;
    switch (m.Msg) {
    case WM_ERASEBKGND: m.Result = 1; return; // Paint covers every pixel
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        FPressed = true;
        TCustomPanel::Dispatch(m);
        if (FPlayer) FPlayer->Perform(WM_LBUTTONDOWN, m.WParam, m.LParam); // the player's own press handling
        if (!*alive) return;
        // The player took the mouse: the overlay keeps it, so that the release comes back here wherever it is.
        ReleaseCapture();
        SetCapture(Handle());
        FHitButton = std::uint8_t(hitTest(x, y));
        FDownButton = FHitButton;
        Invalidate();
        return;
    case WM_LBUTTONUP: {
        FPressed = false;
        if (GetCapture() == handle_) ReleaseCapture();
        TCustomPanel::Dispatch(m);
        if (!*alive) return;
        const int hit = hitTest(x, y);
        const int down = FDownButton;
        FHitButton = FDownButton = std::uint8_t(hit);
        Invalidate();
        if (hit != NoMediaButton && hit == down && FPlayer) FPlayer->Perform(WM_LBUTTONUP, m.WParam, m.LParam); // acts
        return;
    }
    default: TCustomPanel::Dispatch(m); return;
    }
}

// --- TSkinMP ---------------------------------------------------------------------------------------------------

const TClassInfo& TSkinMP::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSkinMP, TSkinControl>("TSkinMP").Register();
    return info;
}

TSkinMP::~TSkinMP() { delete FOverlay; } // the player went without its window being destroyed first

void TSkinMP::AttachControl(TWinSkinForm* formSkin, TSkinData* skinData, bool recolour, TCanvas* canvas) {
    if (FAttached) return;
    TSkinControl::AttachControl(formSkin, skinData, recolour, canvas);
    if (!FAttached || !FControl || !FControl->Parent()) return;
    FOverlay = new TWMediaPlayer(formSkin ? static_cast<TComponent*>(formSkin) : this);
    FOverlay->FreeNotification(this);
    FOverlay->Setup(FControl, this, skinData);
}

void TSkinMP::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED:
        if (FOverlay) FOverlay->PlaceOverPlayer();
        break;
    case WM_PAINT: // the player repainted (its buttons or their states changed): so does the overlay
    case CM_ENABLEDCHANGED:
        if (FOverlay) FOverlay->Invalidate();
        break;
    default: TSkinControl::AfterMessage(m); break;
    }
}

void TSkinMP::Unskin() {
    TSkinControl::Unskin();
    if (FLifeState == lsDestroyed) return; // the windows are going down together: the overlay goes with its parent
    delete FOverlay;
    FOverlay = nullptr;
}

void TSkinMP::SkinChanged() {
    if (FOverlay && FSkinData) FOverlay->SetColor(FSkinData->SkinColors.ButtonFace);
    if (FOverlay) FOverlay->Invalidate();
}

void TSkinMP::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == opRemove && component == FOverlay) FOverlay = nullptr;
}
