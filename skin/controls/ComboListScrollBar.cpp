// TComboxScrollBar: the vertical bar of a combo box's drop-down list, drawn into the list's frame, and the
// thumb drag that replaces the system's for it.
#include "skin/controls/SkinScrollbars.h"

#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/ScrollBarPaint.h"
#include "skin/data/WinSkinData.h"

const TClassInfo& TComboxScrollBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TComboxScrollBar, TSkinControl>("TComboxScrollBar").Register();
    return info;
}

TComboxScrollBar::TComboxScrollBar(TComponent* owner) : TSkinControl(owner) {
    FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

TComboxScrollBar::~TComboxScrollBar() = default;

bool TComboxScrollBar::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        // The list's frame is not left to the system, so the border is drawn here with the bar.
        PaintWhole(nullptr);
        m.Result = 0;
        return false;
    case WM_NCMOUSEMOVE:
        m.Result = 0;
        return false;
    case WM_NCLBUTTONDOWN:
        if (dragThumb(m)) {
            m.Result = 0;
            return false;
        }
        break;
    default: break;
    }
    return TSkinControl::BeforeMessage(m);
}

void TComboxScrollBar::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case LBCB_CARETON:
    case WM_NCLBUTTONDOWN: // after the system's own tracking of an arrow or the track
    case WM_MOUSEWHEEL:
        PaintWhole(nullptr);
        return;
    default: break;
    }
    TSkinControl::AfterMessage(m);
}

void TComboxScrollBar::drawBorder(HDC dc) {
    RECT r;
    if (!GetWindowRect(FHandle, &r)) return;
    OffsetRect(&r, -r.left, -r.top);
    const LONG style = GetWindowLongW(FHandle, GWL_STYLE), exStyle = GetWindowLongW(FHandle, GWL_EXSTYLE);
    if (exStyle & WS_EX_CLIENTEDGE) {
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    } else if (style & (WS_BORDER | WS_DLGFRAME)) {
        HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
        FrameRect(dc, &r, frame);
        DeleteObject(frame);
    }
}

void TComboxScrollBar::DrawSkin(HDC dc, const RECT&) {
    drawBorder(dc);
    if (!FSkinData) return;
    SCROLLBARINFO info{};
    if (!SkinGetScrollBarInfo(FHandle, OBJID_VSCROLL, info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
    RECT window;
    GetWindowRect(FHandle, &window);
    const RECT& bar = info.rcScrollBar;
    FLength = bar.bottom - bar.top;
    if (!FTracking || FHotPart != spThumb) {
        FThumbStart = info.xyThumbTop;
        FThumbEnd = info.xyThumbBottom;
    }
    ScrollBarLook look;
    look.vertical = true;
    look.length = FLength;
    look.breadth = bar.right - bar.left;
    look.arrowSize = FArrowSize;
    look.thumbStart = FThumbStart;
    look.thumbEnd = FThumbEnd;
    look.enabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
    look.hotPart = FHotPart;
    look.tracking = FTracking;
    PaintSkinScrollBar(dc, bar.left - window.left, bar.top - window.top, *FSkinData, look);
}

bool TComboxScrollBar::dragThumb(TMessage& m) {
    if (m.WParam != HTVSCROLL) return false;
    SCROLLBARINFO info{};
    if (!SkinGetScrollBarInfo(FHandle, OBJID_VSCROLL, info)) return false;
    const POINT down{short(LOWORD(m.LParam)), short(HIWORD(m.LParam))};
    const int along = down.y - info.rcScrollBar.top;
    if (along < info.xyThumbTop || along >= info.xyThumbBottom) return false;

    HWND list = FHandle;
    const bool hadCapture = GetCapture() == list;
    SetCapture(list);
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(list, SB_VERT, &si);
    ListThumbDrag drag;
    drag.barLength = info.rcScrollBar.bottom - info.rcScrollBar.top;
    drag.arrowSize = info.dxyLineButton;
    drag.thumbTop = info.xyThumbTop;
    drag.thumbBottom = info.xyThumbBottom;
    drag.range = {si.nMin, si.nMax, int(si.nPage), si.nPos};
    int position = si.nPos;
    FTracking = true;
    FHotPart = spThumb;
    FThumbStart = info.xyThumbTop;
    FThumbEnd = info.xyThumbBottom;
    PaintWhole(nullptr);

    // Our own loop: it waits for messages, and ends on button-up, on lost capture, when the list (or this
    // painter) goes away, and on WM_QUIT, which is posted again for the loop outside.
    std::shared_ptr<bool> alive = FAlive;
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
            SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
            if (*alive && IsWindow(list)) PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!*alive || !IsWindow(list) || GetCapture() != list) break;
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            POINT now;
            GetCursorPos(&now);
            const int delta = now.y - down.y;
            const int next = ListDragPosition(drag, delta);
            const ThumbExtent thumb = DraggedThumb(drag.thumbTop, drag.thumbBottom - drag.thumbTop, delta, drag.barLength,
                                                   drag.arrowSize);
            FThumbStart = thumb.start;
            FThumbEnd = thumb.end;
            if (next != position) {
                position = next;
                SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
                if (!*alive || !IsWindow(list)) break;
            }
            PaintWhole(nullptr);
        }
    }
    if (!*alive) {
        if (GetCapture() == list) ReleaseCapture();
        return true;
    }
    FTracking = false;
    FHotPart = spNone;
    if (IsWindow(list)) {
        if (GetCapture() == list && !hadCapture) ReleaseCapture();
        PaintWhole(nullptr);
    }
    return true;
}
