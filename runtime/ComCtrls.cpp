#include "runtime/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

const TEnumInfo ProgressBarOrientationInfo{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};

const TClassInfo& TProgressBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TProgressBar, TWinControl>("TProgressBar")
        .Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin)
        .Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax)
        .Enum("Orientation", ProgressBarOrientationInfo, &TProgressBar::Orientation, &TProgressBar::SetOrientation)
        .Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
        .Bool("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
        .Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep)
        .Register();
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    width_ = 150;
    height_ = 16;
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)loaded;
}

TProgressBar::~TProgressBar() { DestroyHandle(); }

void TProgressBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = PROGRESS_CLASSW;
    if (smooth_) p.Style |= PBS_SMOOTH;
    if (orientation_ == pbVertical) p.Style |= PBS_VERTICAL;
}

void TProgressBar::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(handle_, PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    SendMessageW(handle_, PBM_SETSTEP, WPARAM(step_), 0);
    SendMessageW(handle_, PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetMin(int v) {
    min_ = v;
    if (handle_) SendMessageW(handle_, PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    if (handle_) SendMessageW(handle_, PBM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

int TProgressBar::Position() const {
    if (handle_) return int(SendMessageW(handle_, PBM_GETPOS, 0, 0));
    return position_;
}

void TProgressBar::SetPosition(int v) {
    position_ = (ComponentState() & csLoading) ? v : std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (handle_) SendMessageW(handle_, PBM_SETPOS, WPARAM(position_), 0);
}

void TProgressBar::SetSmooth(bool v) {
    if (v == smooth_) return;
    smooth_ = v;
    RecreateWnd();
}

void TProgressBar::SetOrientation(TProgressBarOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    RecreateWnd();
}

namespace {

void LoadCommonControls(DWORD classes) {
    INITCOMMONCONTROLSEX icc{sizeof icc, classes};
    InitCommonControlsEx(&icc);
}

} // namespace

// --- TTrackBar ------------------------------------------------------------------------------------------------

const TEnumInfo TrackBarOrientationInfo{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
const TEnumInfo TickMarkInfo{"TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"}};
const TEnumInfo TickStyleInfo{"TTickStyle", {"tsNone", "tsAuto", "tsManual"}};

const TClassInfo& TTrackBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTrackBar, TWinControl>("TTrackBar")
        .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
        .Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax)
        .Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin)
        .Enum("Orientation", TrackBarOrientationInfo, &TTrackBar::Orientation, &TTrackBar::SetOrientation)
        .Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
        .Enum("TickMarks", TickMarkInfo, &TTrackBar::TickMarks, &TTrackBar::SetTickMarks)
        .Enum("TickStyle", TickStyleInfo, &TTrackBar::TickStyle, &TTrackBar::SetTickStyle)
        .Register();
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    width_ = 150;
    height_ = 45;
    tabStop_ = true;
    LoadCommonControls(ICC_BAR_CLASSES);
}

TTrackBar::~TTrackBar() { DestroyHandle(); }

void TTrackBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = TRACKBAR_CLASSW;
    if (orientation_ == trVertical) p.Style |= TBS_VERT;
    static const DWORD marks[] = {TBS_BOTTOM, TBS_TOP, TBS_BOTH}; // TBS_RIGHT = TBS_BOTTOM, TBS_LEFT = TBS_TOP
    p.Style |= marks[tickMarks_];
    if (tickStyle_ == tsNone) p.Style |= TBS_NOTICKS;
    else if (tickStyle_ == tsAuto) p.Style |= TBS_AUTOTICKS;
}

void TTrackBar::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(handle_, TBM_SETRANGEMIN, FALSE, min_);
    SendMessageW(handle_, TBM_SETRANGEMAX, FALSE, max_);
    SendMessageW(handle_, TBM_SETTICFREQ, WPARAM(frequency_), 0);
    SendMessageW(handle_, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetMin(int v) {
    min_ = v;
    if (handle_) SendMessageW(handle_, TBM_SETRANGEMIN, TRUE, min_);
}

void TTrackBar::SetMax(int v) {
    max_ = v;
    if (handle_) SendMessageW(handle_, TBM_SETRANGEMAX, TRUE, max_);
}

int TTrackBar::Position() const {
    if (handle_) return int(SendMessageW(handle_, TBM_GETPOS, 0, 0));
    return position_;
}

void TTrackBar::SetPosition(int v) {
    position_ = (ComponentState() & csLoading) ? v : std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (handle_) SendMessageW(handle_, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetFrequency(int v) {
    frequency_ = v;
    if (handle_) SendMessageW(handle_, TBM_SETTICFREQ, WPARAM(frequency_), 0);
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    if (!(ComponentState() & csLoading) && !(ComponentState() & csReading)) SetBounds(left_, top_, height_, width_);
    RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark t) {
    if (t == tickMarks_) return;
    tickMarks_ = t;
    RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle t) {
    if (t == tickStyle_) return;
    tickStyle_ = t;
    RecreateWnd();
}

// --- TUpDown ------------------------------------------------------------------------------------------------

const TEnumInfo UDOrientationInfo{"TUDOrientation", {"udVertical", "udHorizontal"}};

const TClassInfo& TUpDown::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TUpDown, TWinControl>("TUpDown")
        .Integer("Increment", &TUpDown::Increment, &TUpDown::SetIncrement)
        .Integer("Max", &TUpDown::Max, &TUpDown::SetMax)
        .Integer("Min", &TUpDown::Min, &TUpDown::SetMin)
        .Enum("Orientation", UDOrientationInfo, &TUpDown::Orientation, &TUpDown::SetOrientation)
        .Integer("Position", &TUpDown::Position, &TUpDown::SetPosition)
        .Bool("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap)
        .Register();
    return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    width_ = 16;
    height_ = 24;
    tabStop_ = false;
    LoadCommonControls(ICC_UPDOWN_CLASS);
}

TUpDown::~TUpDown() { DestroyHandle(); }

void TUpDown::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = UPDOWN_CLASSW;
    p.Style |= UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (orientation_ == udHorizontal) p.Style |= UDS_HORZ;
    if (wrap_) p.Style |= UDS_WRAP;
}

void TUpDown::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(handle_, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
    UDACCEL accel{0, UINT(increment_)};
    SendMessageW(handle_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageW(handle_, UDM_SETPOS32, 0, position_);
}

void TUpDown::SetMin(int v) {
    min_ = v;
    if (handle_) SendMessageW(handle_, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

void TUpDown::SetMax(int v) {
    max_ = v;
    if (handle_) SendMessageW(handle_, UDM_SETRANGE32, WPARAM(min_), LPARAM(max_));
}

int TUpDown::Position() const {
    if (handle_) return int(SendMessageW(handle_, UDM_GETPOS32, 0, 0));
    return position_;
}

void TUpDown::SetPosition(int v) {
    position_ = (ComponentState() & csLoading) ? v : std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (handle_) SendMessageW(handle_, UDM_SETPOS32, 0, position_);
}

void TUpDown::SetIncrement(int v) {
    increment_ = v;
    if (!handle_) return;
    UDACCEL accel{0, UINT(increment_)};
    SendMessageW(handle_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetWrap(bool v) {
    if (v == wrap_) return;
    wrap_ = v;
    RecreateWnd();
}

void TUpDown::SetOrientation(TUDOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    RecreateWnd();
}

// --- TDateTimePicker ----------------------------------------------------------------------------------------

const TEnumInfo DateTimeKindInfo{"TDateTimeKind", {"dtkDate", "dtkTime"}};
const TEnumInfo DTDateModeInfo{"TDTDateMode", {"dmComboBox", "dmUpDown"}};

const TClassInfo& TDateTimePicker::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TDateTimePicker, TWinControl>("TDateTimePicker")
        .Enum("DateMode", DTDateModeInfo, &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode)
        .Enum("Kind", DateTimeKindInfo, &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
        .Register();
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
    width_ = 186;
    height_ = 21;
    tabStop_ = true;
    color_ = clWindow;
    LoadCommonControls(ICC_DATE_CLASSES);
}

TDateTimePicker::~TDateTimePicker() { DestroyHandle(); }

void TDateTimePicker::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = DATETIMEPICK_CLASSW;
    if (kind_ == dtkTime) p.Style |= DTS_TIMEFORMAT;
    else if (dateMode_ == dmUpDown) p.Style |= DTS_UPDOWN;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::SetKind(TDateTimeKind k) {
    if (k == kind_) return;
    kind_ = k;
    RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode m) {
    if (m == dateMode_) return;
    dateMode_ = m;
    RecreateWnd();
}
