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
