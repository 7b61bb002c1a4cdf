#include "runtime/MediaPlayer.h"

#include <mmsystem.h>
#include <windowsx.h>

namespace {

const wchar_t* const GlyphStates[3] = {L"EN", L"DI", L"CL"};
const wchar_t* const GlyphButtons[MPButtonCount] = {L"MPPLAY", L"MPPAUSE", L"MPSTOP",   L"MPNEXT", L"MPPREV",
                                                    L"MPSTEP", L"MPBACK",  L"MPRECORD", L"MPEJECT"};
enum { GlyphEnabled, GlyphDisabled, GlyphColoured };
constexpr TColor GlyphKey = 0x008080; // olive

bool Has(TButtonSet set, int button) { return (set >> button) & 1u; }

int nextAlias = 0;

} // namespace

const TEnumInfo MPBtnTypeInfo{"TMPBtnType", {"btPlay", "btPause", "btStop", "btNext", "btPrev", "btStep", "btBack",
                                             "btRecord", "btEject"}};
const TEnumInfo MPModesInfo{"TMPModes", {"mpNotReady", "mpStopped", "mpPlaying", "mpRecording", "mpSeeking",
                                         "mpPaused", "mpOpen"}};

const TClassInfo& TMediaPlayer::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMediaPlayer, TCustomControl>("TMediaPlayer")
        .Set("ColoredButtons", MPBtnTypeInfo, &TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons)
        .Set("EnabledButtons", MPBtnTypeInfo, &TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons)
        .String("FileName", &TMediaPlayer::FileName, &TMediaPlayer::SetFileName)
        .Set("VisibleButtons", MPBtnTypeInfo, &TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons)
        .Event("OnClick", &TMediaPlayer::OnClick)
        .Event("OnNotify", &TMediaPlayer::OnNotify)
        .Register();
    return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {
    width_ = 253;
    height_ = 30;
    loadGlyphs();
}

TMediaPlayer::~TMediaPlayer() {
    if (DeviceOpen()) mciSendStringW((L"close " + alias_).c_str(), nullptr, 0, nullptr);
    DestroyHandle();
}

void TMediaPlayer::loadGlyphs() {
    for (int b = 0; b < MPButtonCount; ++b)
        for (int s = 0; s < 3; ++s) {
            auto glyph = std::make_unique<TBitmap>();
            const std::wstring name = std::wstring(GlyphStates[s]) + L"_" + GlyphButtons[b];
            if (glyph->LoadFromResourceName(MainInstance(), name.c_str())) {
                glyph->SetTransparentColor(GlyphKey);
                glyph->SetTransparent(true);
            }
            glyphs_[b][s] = std::move(glyph);
        }
}

void TMediaPlayer::SetVisibleButtons(TButtonSet s) {
    visible_ = s & AllMPButtons;
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TButtonSet s) {
    enabled_ = s & AllMPButtons;
    Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet s) {
    colored_ = s & AllMPButtons;
    Invalidate();
}

// --- The device -------------------------------------------------------------------------------------------

std::wstring TMediaPlayer::command(const std::wstring& verb, const std::wstring& rest, bool notify) {
    if (!DeviceOpen()) throw EMCIDeviceError("The media player has no open device");
    std::wstring text = verb + L" " + alias_;
    if (!rest.empty()) text += L" " + rest;
    if (notify) text += L" notify";
    wchar_t answer[128] = {};
    error_ = mciSendStringW(text.c_str(), answer, 128, notify ? Handle() : nullptr);
    if (error_) throw EMCIDeviceError(ErrorMessage());
    return answer;
}

std::string TMediaPlayer::ErrorMessage() const {
    if (!error_) return "The specified command was carried out.";
    wchar_t text[256] = {};
    if (!mciGetErrorStringW(error_, text, 256)) return "MCI error " + std::to_string(error_);
    return AnsiFromWide(text);
}

void TMediaPlayer::Open() {
    Close();
    const std::wstring alias = L"grvmp" + std::to_wstring(++nextAlias);
    const std::wstring text = L"open \"" + WideFromAnsi(fileName_) + L"\" alias " + alias;
    error_ = mciSendStringW(text.c_str(), nullptr, 0, nullptr);
    if (error_) throw EMCIDeviceError(ErrorMessage());
    alias_ = alias;
    mciSendStringW((L"set " + alias_ + L" time format milliseconds").c_str(), nullptr, 0, nullptr);
    Invalidate();
}

void TMediaPlayer::Close() {
    if (!DeviceOpen()) return;
    mciSendStringW((L"close " + alias_).c_str(), nullptr, 0, nullptr);
    alias_.clear();
    Invalidate();
}

void TMediaPlayer::Play() {
    // At the end (a play that ran out), play again from the start.
    if (Length() > 0 && Position() >= Length()) command(L"seek", L"to start");
    command(L"play", L"", true);
}

void TMediaPlayer::Pause() {
    if (Mode() == mpPaused) command(L"resume");
    else command(L"pause");
}

void TMediaPlayer::Stop() {
    command(L"stop");
    command(L"seek", L"to start");
}

void TMediaPlayer::Next() { command(L"seek", L"to end"); }
void TMediaPlayer::Previous() { command(L"seek", L"to start"); }
void TMediaPlayer::Step() { command(L"step", L"by 1"); }
void TMediaPlayer::Back() { command(L"step", L"reverse by 1"); }
void TMediaPlayer::StartRecording() { command(L"record", L"", true); }
void TMediaPlayer::Eject() { command(L"set", L"door open"); }

TMPModes TMediaPlayer::Mode() const {
    if (!DeviceOpen()) return mpNotReady;
    wchar_t answer[64] = {};
    if (mciSendStringW((L"status " + alias_ + L" mode").c_str(), answer, 64, nullptr)) return mpNotReady;
    const std::wstring mode = answer;
    if (mode == L"stopped") return mpStopped;
    if (mode == L"playing") return mpPlaying;
    if (mode == L"recording") return mpRecording;
    if (mode == L"seeking") return mpSeeking;
    if (mode == L"paused") return mpPaused;
    if (mode == L"open") return mpOpen;
    return mpNotReady;
}

int TMediaPlayer::status(const wchar_t* item) const {
    if (!DeviceOpen()) return -1;
    wchar_t answer[64] = {};
    if (mciSendStringW((L"status " + alias_ + L" " + item).c_str(), answer, 64, nullptr)) return -1;
    return _wtoi(answer);
}

int TMediaPlayer::Position() const { return status(L"position"); }
int TMediaPlayer::Length() const { return status(L"length"); }

void TMediaPlayer::ClickButton(TMPBtnType button) {
    bool doDefault = true;
    if (OnClick) OnClick(this, button, doDefault);
    if (!doDefault || !DeviceOpen()) return;
    try {
        switch (button) {
        case btPlay: Play(); break;
        case btPause: Pause(); break;
        case btStop: Stop(); break;
        case btNext: Next(); break;
        case btPrev: Previous(); break;
        case btStep: Step(); break;
        case btBack: Back(); break;
        case btRecord: StartRecording(); break;
        case btEject: Eject(); break;
        }
    } catch (const EMCIDeviceError&) {
        // kept in Error(): a button the device cannot serve does nothing
    }
    Invalidate();
}

// --- Buttons and mouse ---------------------------------------------------------------------------------------

int TMediaPlayer::buttonWidth() const {
    int count = 0;
    for (int b = 0; b < MPButtonCount; ++b) count += Has(visible_, b);
    return count ? ClientWidth() / count : 0;
}

int TMediaPlayer::ButtonAt(int x) const {
    const int w = buttonWidth();
    int start = 0;
    for (int b = 0; b < MPButtonCount && w > 0; ++b) {
        if (!Has(visible_, b)) continue;
        if (x >= start && x <= start + w) return b;
        start += w;
    }
    return -1;
}

void TMediaPlayer::Dispatch(TMessage& m) {
    const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    const bool inside = x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight();
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int b = inside ? ButtonAt(x) : -1;
        if (b >= 0 && Enabled() && Has(enabled_, b)) {
            downButton_ = b;
            pressed_ = true;
            SetCapture(Handle());
            Invalidate();
        }
        break;
    }
    case WM_MOUSEMOVE:
        if (downButton_ >= 0 && pressed_ != (inside && ButtonAt(x) == downButton_)) {
            pressed_ = !pressed_;
            Invalidate();
        }
        break;
    case WM_LBUTTONUP: {
        const int down = downButton_;
        downButton_ = -1;
        pressed_ = false;
        if (GetCapture() == handle_) ReleaseCapture();
        if (down >= 0) Invalidate();
        TCustomControl::Dispatch(m);
        if (down >= 0 && inside && ButtonAt(x) == down) ClickButton(TMPBtnType(down)); // may free the control
        return;
    }
    case MM_MCINOTIFY:
        notifyValue_ = unsigned(m.WParam);
        Invalidate();
        if (OnNotify) OnNotify(this);
        return;
    default: break;
    }
    TCustomControl::Dispatch(m);
}

void TMediaPlayer::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    const RECT client = ClientRect();
    canvas->FillRect(client);
    const int w = buttonWidth();
    int x = 0;
    for (int b = 0; b < MPButtonCount && w > 0; ++b) {
        if (!Has(visible_, b)) continue;
        RECT r{x, 0, x + w, client.bottom};
        const bool down = pressed_ && downButton_ == b;
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
        const bool on = Enabled() && Has(enabled_, b);
        TBitmap* glyph = glyphs_[b][on ? (Has(colored_, b) ? GlyphColoured : GlyphEnabled) : GlyphDisabled].get();
        if (!glyph->Empty())
            canvas->Draw(x + (w - glyph->Width()) / 2 + down, (client.bottom - glyph->Height()) / 2 + down, glyph);
        x += w;
    }
}
