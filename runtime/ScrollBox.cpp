#include "runtime/ExtCtrls.h"
#include "runtime/StdCtrls.h"

#include <algorithm>
#include <vector>

const TClassInfo& TScrollBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TScrollBox, TWinControl>("TScrollBox")
        .Enum("BorderStyle", BorderStyleInfo, &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle)
        .Register();
    return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
    width_ = 185;
    height_ = 41;
    color_ = clBtnFace;
}

void TScrollBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
    if (borderStyle_) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd() {
    TWinControl::CreateWnd();
    offset_ = {0, 0};
    UpdateScrollRange();
}

void TScrollBox::Loaded() {
    TWinControl::Loaded();
    UpdateScrollRange();
}

void TScrollBox::SetBorderStyle(int b) {
    if (b == borderStyle_) return;
    borderStyle_ = b;
    RecreateWnd();
}

void TScrollBox::UpdateScrollRange() {
    if (!handle_ || updating_) return;
    updating_ = true;
    // The children's extent in unscrolled coordinates.
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        right = std::max(right, c->Left() + c->Width() + int(offset_.x));
        bottom = std::max(bottom, c->Top() + c->Height() + int(offset_.y));
    }
    // Twice: showing one bar narrows the client area for the other.
    for (int pass = 0; pass < 2; ++pass) {
        RECT client;
        GetClientRect(handle_, &client);
        SCROLLINFO h{sizeof h, SIF_RANGE | SIF_PAGE, 0, right > client.right ? right - 1 : 0, UINT(client.right), 0, 0};
        SCROLLINFO v{sizeof v, SIF_RANGE | SIF_PAGE, 0, bottom > client.bottom ? bottom - 1 : 0, UINT(client.bottom), 0, 0};
        SetScrollInfo(handle_, SB_HORZ, &h, TRUE);
        SetScrollInfo(handle_, SB_VERT, &v, TRUE);
    }
    // Keep the offset inside the new ranges.
    RECT client;
    GetClientRect(handle_, &client);
    const int maxX = std::max(0, right - int(client.right)), maxY = std::max(0, bottom - int(client.bottom));
    scrollBy(std::min(int(offset_.x), maxX) - offset_.x, std::min(int(offset_.y), maxY) - offset_.y);
    updating_ = false;
}

void TScrollBox::scrollBy(int dx, int dy) {
    if (!dx && !dy) return;
    offset_.x += dx;
    offset_.y += dy;
    ScrollWindowEx(handle_, -dx, -dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    // Windowed children follow through WM_MOVE; graphic children are moved here.
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!dynamic_cast<TWinControl*>(c)) c->SetBounds(c->Left() - dx, c->Top() - dy, c->Width(), c->Height());
    }
    SetScrollPos(handle_, SB_HORZ, offset_.x, TRUE);
    SetScrollPos(handle_, SB_VERT, offset_.y, TRUE);
}

void TScrollBox::scrollTo(int bar, int position) {
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(handle_, bar, &si);
    const int last = std::max(si.nMin, si.nMax - std::max(int(si.nPage) - 1, 0));
    position = std::clamp(position, si.nMin, last);
    if (bar == SB_HORZ) scrollBy(position - offset_.x, 0);
    else scrollBy(0, position - offset_.y);
}

void TScrollBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!m.LParam) {
            const int bar = m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
            SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
            GetScrollInfo(handle_, bar, &si);
            const int line = 8, page = std::max(int(si.nPage), line);
            switch (LOWORD(m.WParam)) {
            case SB_LINEUP: scrollTo(bar, si.nPos - line); break;
            case SB_LINEDOWN: scrollTo(bar, si.nPos + line); break;
            case SB_PAGEUP: scrollTo(bar, si.nPos - page); break;
            case SB_PAGEDOWN: scrollTo(bar, si.nPos + page); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: scrollTo(bar, si.nTrackPos); break;
            case SB_TOP: scrollTo(bar, si.nMin); break;
            case SB_BOTTOM: scrollTo(bar, si.nMax); break;
            default: break;
            }
            m.Result = 0;
            return;
        }
        break;
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA;
        scrollTo(SB_VERT, offset_.y - notches * 3 * 8);
        m.Result = 0;
        return;
    }
    case WM_SIZE:
        TWinControl::Dispatch(m);
        UpdateScrollRange();
        return;
    case WM_ERASEBKGND: {
        // The window class has no brush of its own: the box's colour shows between its children.
        RECT r = ClientRect();
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, ColorBrush());
        m.Result = 1;
        return;
    }
    default: break;
    }
    TWinControl::Dispatch(m);
}
