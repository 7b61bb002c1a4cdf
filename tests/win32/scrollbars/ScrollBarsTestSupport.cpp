#include "ScrollBarsTestSupport.h"

#include "SkinTestSupport.h"

TSkinData& StoredSkin() {
    static StreamedSkinData* skin = new StreamedSkinData("", StoredSkinPackage());
    return *skin->data;
}

TSkinScrollbar* AttachScrollPainter(TWinControl* control, bool listView) {
    TSkinScrollbar* painter = listView ? new TSkinListView(control) : new TSkinScrollbar(control);
    painter->AttachScrollbars(control, &StoredSkin(), nullptr, nullptr);
    return painter;
}

int quitCode = -1;

int TakeQuitCode() {
    const int code = quitCode;
    quitCode = -1;
    return code;
}

void Pump(int ms) {
    const DWORD end = GetTickCount() + DWORD(ms);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) quitCode = int(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (LONG(end - GetTickCount()) > 0);
}

namespace {

void MouseButton(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

std::function<bool()>* currentTick = nullptr;
bool released = false;

void CALLBACK LoopTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (released || !currentTick) return;
    if ((*currentTick)()) {
        KillTimer(nullptr, id);
        released = true;
        MouseButton(MOUSEEVENTF_LEFTUP);
    }
}

} // namespace

void RunInsideLoop(POINT at, const std::function<bool()>& tick) {
    std::function<bool()> copy = tick;
    currentTick = &copy;
    released = false;
    SetCursorPos(at.x, at.y);
    Pump(30);
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, LoopTimer);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    // The press starts the loop inside the dispatch of the button-down; the timer ends it.
    const DWORD give_up = GetTickCount() + 5000;
    while (!released && LONG(give_up - GetTickCount()) > 0) Pump(20);
    if (!released) {
        KillTimer(nullptr, timer);
        MouseButton(MOUSEEVENTF_LEFTUP);
        released = true;
        ADD_FAILURE() << "the press was never released from inside its loop";
    }
    Pump(100);
    currentTick = nullptr;
}

void ClickWithLoop(POINT at, int dragY) {
    int ticks = 0;
    RunInsideLoop(at, [&] {
        ++ticks;
        if (dragY && ticks == 1) {
            SetCursorPos(at.x, at.y + dragY / 2);
            return false;
        }
        if (dragY && ticks == 2) {
            SetCursorPos(at.x, at.y + dragY);
            return false;
        }
        return true;
    });
}

void SendKey(WORD key) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
    Pump(50);
}

std::vector<COLORREF> ScreenPixels(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<COLORREF> out;
    if (w <= 0 || h <= 0) return out;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits);
    out.assign(p, p + size_t(w) * size_t(h));
    for (COLORREF& c : out) c &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return out;
}

std::vector<COLORREF> ExpectedBarPixels(HWND covered, const TWScrollbar& bar) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(covered, bar.FKind == 0 ? OBJID_HSCROLL : OBJID_VSCROLL, &info);
    const RECT& r = info.rcScrollBar;
    const int w = r.right - r.left, h = r.bottom - r.top;
    ScrollBarLook look;
    look.vertical = bar.FAxis == 1;
    look.length = look.vertical ? h : w;
    look.breadth = look.vertical ? w : h;
    look.arrowSize = GetSystemMetrics(SM_CXHSCROLL);
    look.thumbStart = info.xyThumbTop;
    look.thumbEnd = info.xyThumbBottom;
    look.enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    look.hotPart = bar.FHotPart;
    look.tracking = bar.FTracking;
    // Drawn onto a copy of the screen, then read back the same way.
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bmp);
    PaintSkinScrollBar(mem, 0, 0, StoredSkin(), look);
    std::vector<COLORREF> out(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out[size_t(y) * size_t(w) + size_t(x)] = GetPixel(mem, x, y) & 0xFFFFFF;
    // GetPixel answers in COLORREF order (red low); the screen read answers 0x00RRGGBB.
    for (COLORREF& c : out) c = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return out;
}
