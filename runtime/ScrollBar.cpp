#include "runtime/StdCtrls.h"

#include <algorithm>

const TEnumInfo ScrollBarKindInfo{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

const TClassInfo& TCustomScrollBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomScrollBar, TWinControl>("TCustomScrollBar")
        .Enum("Kind", ScrollBarKindInfo, &TCustomScrollBar::Kind, &TCustomScrollBar::SetKind)
        .Integer("LargeChange", &TCustomScrollBar::LargeChange, &TCustomScrollBar::SetLargeChange)
        .Integer("Max", &TCustomScrollBar::Max, &TCustomScrollBar::SetMax)
        .Integer("Min", &TCustomScrollBar::Min, &TCustomScrollBar::SetMin)
        .Integer("PageSize", &TCustomScrollBar::PageSize, &TCustomScrollBar::SetPageSize)
        .Integer("Position", &TCustomScrollBar::Position, &TCustomScrollBar::SetPosition)
        .Integer("SmallChange", &TCustomScrollBar::SmallChange, &TCustomScrollBar::SetSmallChange)
        .Event("OnChange", &TCustomScrollBar::OnChange)
        .Register();
    return info;
}

const TClassInfo& TScrollBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TScrollBar, TCustomScrollBar>("TScrollBar").Register();
    return info;
}

TCustomScrollBar::TCustomScrollBar(TComponent* owner) : TWinControl(owner) {
    width_ = 121;
    height_ = GetSystemMetrics(SM_CYHSCROLL);
    tabStop_ = true;
}

void TCustomScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"SCROLLBAR";
    p.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TCustomScrollBar::CreateWnd() {
    TWinControl::CreateWnd();
    apply();
}

void TCustomScrollBar::apply() {
    if (!handle_) return;
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, min_, max_, UINT(pageSize_), position_, 0};
    SetScrollInfo(handle_, SB_CTL, &si, TRUE);
}

void TCustomScrollBar::SetKind(TScrollBarKind k) {
    if (k == kind_) return;
    kind_ = k;
    if (!(ComponentState() & csLoading)) SetBounds(left_, top_, height_, width_);
    RecreateWnd();
}

void TCustomScrollBar::SetPageSize(int v) {
    pageSize_ = std::max(0, v);
    apply();
}

void TCustomScrollBar::SetParams(int position, int min, int max) {
    if (!(ComponentState() & csLoading)) {
        max = std::max(max, min);
        position = std::clamp(position, min, std::max(min, max - std::max(pageSize_ - 1, 0)));
    }
    const bool moved = position != position_;
    min_ = min;
    max_ = max;
    position_ = position;
    apply();
    if (moved && OnChange && !(ComponentState() & csLoading)) OnChange(this);
}

void TCustomScrollBar::Dispatch(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        int p = position_;
        switch (LOWORD(m.WParam)) {
        case SB_LINEUP: p -= smallChange_; break;
        case SB_LINEDOWN: p += smallChange_; break;
        case SB_PAGEUP: p -= largeChange_; break;
        case SB_PAGEDOWN: p += largeChange_; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            if (GetScrollInfo(handle_, SB_CTL, &si)) p = si.nTrackPos;
            break;
        }
        case SB_TOP: p = min_; break;
        case SB_BOTTOM: p = max_; break;
        default: break;
        }
        SetPosition(p);
        m.Result = 0;
        return;
    }
    TWinControl::Dispatch(m);
}
