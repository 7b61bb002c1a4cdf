#include "runtime/Spin.h"

#include "runtime/SysUtils.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

const TClassInfo& TSpinEdit::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TSpinEdit, TCustomEdit>("TSpinEdit")
        .Integer("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement)
        .Integer("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue)
        .Integer("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue)
        .Integer("Value", &TSpinEdit::Value, &TSpinEdit::SetValue)
        .Register();
    return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)loaded;
    text_ = L"0";
}

int TSpinEdit::Clamp(int v) const { return maxValue_ > minValue_ ? std::clamp(v, minValue_, maxValue_) : v; }

int TSpinEdit::Value() const {
    const std::wstring text = WideText();
    wchar_t* end = nullptr;
    const long v = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || end == text.c_str()) return minValue_;
    return Clamp(int(v));
}

void TSpinEdit::SetValue(int v) {
    value_ = (ComponentState() & csLoading) ? v : Clamp(v);
    SetWideText(std::to_wstring(value_));
    if (upDown_) SendMessageW(upDown_, UDM_SETPOS32, 0, value_);
}

void TSpinEdit::SetMinValue(int v) {
    minValue_ = v;
    SyncUpDown();
}

void TSpinEdit::SetMaxValue(int v) {
    maxValue_ = v;
    SyncUpDown();
}

void TSpinEdit::SetIncrement(int v) {
    increment_ = v;
    SyncUpDown();
}

void TSpinEdit::SyncUpDown() {
    if (!upDown_) return;
    // Without a range of its own the up-down steps over every int.
    const int lo = maxValue_ > minValue_ ? minValue_ : INT_MIN / 2;
    const int hi = maxValue_ > minValue_ ? maxValue_ : INT_MAX / 2;
    SendMessageW(upDown_, UDM_SETRANGE32, WPARAM(lo), LPARAM(hi));
    UDACCEL accel{0, UINT(std::max(increment_, 1))};
    SendMessageW(upDown_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    SendMessageW(upDown_, UDM_SETPOS32, 0, Value());
}

void TSpinEdit::PlaceUpDown() {
    if (!upDown_) return;
    RECT client{};
    GetClientRect(handle_, &client);
    const int width = std::min<int>(GetSystemMetrics(SM_CXVSCROLL) - 1, client.right);
    SetWindowPos(upDown_, nullptr, client.right - width, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(handle_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width));
}

void TSpinEdit::CreateWnd() {
    TCustomEdit::CreateWnd();
    upDown_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                              0, 0, 0, 0, handle_, nullptr, MainInstance(), nullptr);
    if (!upDown_) return;
    SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(handle_), 0);
    PlaceUpDown();
    SyncUpDown();
}

void TSpinEdit::DestroyWnd() {
    upDown_ = nullptr; // a child: it goes with the edit's window
    TCustomEdit::DestroyWnd();
}

void TSpinEdit::Dispatch(TMessage& m) {
    TCustomEdit::Dispatch(m);
    if (m.Msg == WM_SIZE) PlaceUpDown();
}
