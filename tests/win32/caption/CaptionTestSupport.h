// A raw top-level window skinned with the stored skin, its caption buttons found by action, with what the
// window received recorded.
#pragma once

#include "MenuTestSupport.h"
#include "../ScreenPixel.h"

#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSysButton.h"

// What the test window received.
struct Received {
    std::vector<WPARAM> buttonActions;
    std::vector<UINT> sysCommands;
    bool destroyed = false;
};

// The window procedure behind the frame painter: records, and shows the button with visibility code 1000.
inline Received& Log() {
    static Received log;
    return log;
}

inline LRESULT CALLBACK TestWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
    case WM_SKIN_BUTTONACTION: Log().buttonActions.push_back(wp); return 0;
    case WM_SKIN_BUTTONVISIBLE: return wp == 1000 ? 1 : 0;
    case WM_SYSCOMMAND: Log().sysCommands.push_back(static_cast<UINT>(wp & 0xFFF0)); break;
    case WM_DESTROY: Log().destroyed = true; break;
    default: break;
    }
    return DefWindowProcW(w, m, wp, lp);
}


class SkinnedWindow {
public:
    explicit SkinnedWindow(DWORD style = WS_OVERLAPPEDWINDOW, int width = 400, int height = 260) {
        StoredSkin();
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = TestWindowProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
            wc.lpszClassName = L"GrvCaptionTest";
            return RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        Log() = {};
        handle = CreateWindowExW(0, L"GrvCaptionTest", L"Caption buttons", style, 100, 100, width, height, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(handle, SW_SHOW);
        SetForegroundWindow(handle);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 3000) {
            Pump(20);
            painter = FramePainterOf(handle);
            if (painter && painter->SkinState == fsSkinned && painter->Active) break;
        }
        Pump(150);
    }
    ~SkinnedWindow() {
        if (IsWindow(handle)) DestroyWindow(handle);
        Pump(50);
    }
    SkinnedWindow(const SkinnedWindow&) = delete;
    SkinnedWindow& operator=(const SkinnedWindow&) = delete;

    // The painter again (it may have been replaced or gone).
    TWinSkinForm* Painter() const { return IsWindow(handle) ? FramePainterOf(handle) : nullptr; }

    TWinSysButton* Button(int action) const {
        TWinSkinForm* p = Painter();
        if (!p) return nullptr;
        for (TWinSysButton* b : p->CaptionButtons)
            if (b->Action() == action && b->Visible) return b;
        return nullptr;
    }
    // A screen point inside the button.
    POINT On(const TWinSysButton* b) const {
        RECT w;
        GetWindowRect(handle, &w);
        return {w.left + (b->Rect.left + b->Rect.right) / 2, w.top + (b->Rect.top + b->Rect.bottom) / 2};
    }
    // A screen point on the empty caption, between the icon and the right-aligned buttons.
    POINT OnCaption() const {
        RECT w;
        GetWindowRect(handle, &w);
        return {w.left + (w.right - w.left) / 2, w.top + 8};
    }
    POINT InClient() const {
        RECT w;
        GetWindowRect(handle, &w);
        return {(w.left + w.right) / 2, (w.top + w.bottom) / 2};
    }
    // The screen's pixel at the button's point `dx`, `dy` from its top-left.
    COLORREF ScreenPixel(const TWinSysButton* b, int dx, int dy) const {
        RECT w;
        GetWindowRect(handle, &w);
        return ::ScreenPixel(w.left + b->Rect.left + dx, w.top + b->Rect.top + dy);
    }

    HWND handle = nullptr;
    TWinSkinForm* painter = nullptr;
};

// The pixel of frame `frame` (from 1) of the button's strip at `dx`, `dy`.
inline COLORREF StripPixel(const TWinSysButton* b, int frame, int dx, int dy) {
    TBitmap* strip = b->Element->Bitmap.get();
    const int fw = strip->Width() / (b->Element->FrameCount < 1 ? 1 : b->Element->FrameCount);
    return ColorToRGB(strip->Canvas()->Pixel(fw * (frame - 1) + dx, dy));
}

