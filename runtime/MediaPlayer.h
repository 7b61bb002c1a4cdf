// TMediaPlayer: a row of transport buttons over a device of the system's media control interface (MCI).
// FileName names the file Open opens (the device type follows from its extension); Play, Pause (again:
// resume), Stop, Next (to the end), Previous (to the start), Step, Back, StartRecording and Eject send the
// matching command strings. Calls on a device that is not open, and commands the device refuses, raise
// EMCIDeviceError.
//
// The control draws its buttons itself: the visible ones (VisibleButtons) side by side, each the client
// width divided by their number, with the glyph bitmaps "EN_MPPLAY", "DI_MPPLAY", "CL_MPPLAY", ... of the
// program's resources (enabled, disabled, coloured). A press and a release over the same enabled button
// click it: OnClick hears the button first and may cancel the default action, which calls the matching
// method (its errors are kept in Error/ErrorMessage rather than raised). When playing ends, OnNotify.
#pragma once

#include "runtime/Controls.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
constexpr int MPButtonCount = 9;
using TButtonSet = uint32_t; // bit i: member i of TMPBtnType
constexpr TButtonSet AllMPButtons = (1u << MPButtonCount) - 1;
extern const TEnumInfo MPBtnTypeInfo;

enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };
extern const TEnumInfo MPModesInfo;

class EMCIDeviceError : public Exception { using Exception::Exception; };

using TMPBtnClickEvent = std::function<void(TObject* Sender, TMPBtnType Button, bool& DoDefault)>;

class TMediaPlayer : public TCustomControl {
    GRV_CLASS(TMediaPlayer)
public:
    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    std::string FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    TButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TButtonSet s);
    TButtonSet EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(TButtonSet s);
    TButtonSet ColoredButtons() const { return colored_; }
    void SetColoredButtons(TButtonSet s);

    void Open();
    void Close();
    void Play();
    void Pause();
    void Stop();
    void Next();
    void Previous();
    void Step();
    void Back();
    void StartRecording();
    void Eject();
    bool DeviceOpen() const { return !alias_.empty(); }
    TMPModes Mode() const;
    // Where the device is and how long its medium is, in milliseconds (-1: no open device).
    int Position() const;
    int Length() const;
    // How the last play or record that asked for notification ended (MCI_NOTIFY_SUCCESSFUL, ..._FAILURE;
    // 0: none yet).
    unsigned NotifyValue() const { return notifyValue_; }
    // The last MCI error code (0: none) and its text.
    unsigned Error() const { return error_; }
    std::string ErrorMessage() const;

    // The visible button whose span [start, start + width] holds x (the first, where two touch), or -1.
    int ButtonAt(int x) const;
    // Clicks a button as a press and release over it would (OnClick, then the default action).
    void ClickButton(TMPBtnType button);

    TMPBtnClickEvent OnClick; // hides TControl::OnClick: a player's click names its button
    TNotifyEvent OnNotify;

protected:
    void Paint() override;
    void Dispatch(TMessage& m) override;

private:
    std::wstring command(const std::wstring& verb, const std::wstring& rest = L"", bool notify = false);
    int buttonWidth() const;
    void loadGlyphs();
    std::string fileName_;
    TButtonSet visible_ = AllMPButtons, enabled_ = AllMPButtons, colored_ = AllMPButtons;
    std::wstring alias_;
    unsigned error_ = 0;
    unsigned notifyValue_ = 0;
    int status(const wchar_t* item) const;
    int downButton_ = -1;
    bool pressed_ = false;
    // Per button: enabled, disabled and coloured glyph (empty when the program has no such resource).
    std::array<std::array<std::unique_ptr<TBitmap>, 3>, MPButtonCount> glyphs_;
};
