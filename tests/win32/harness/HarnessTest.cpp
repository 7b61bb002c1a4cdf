// Proves the Wine harness: a display we can draw on and read back, thread-local CBT hooks,
// custom non-client painting, and the Chinese ANSI code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../ScreenPixel.h"

namespace {

std::vector<std::pair<int, std::wstring>> g_cbtEvents;

LRESULT CALLBACK cbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND || code == HCBT_ACTIVATE) {
        wchar_t cls[64] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 64);
        g_cbtEvents.emplace_back(code, cls);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

constexpr COLORREF kFrameColour = RGB(0x12, 0x9A, 0x34);

LRESULT CALLBACK frameProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCPAINT) {
        HDC dc = GetWindowDC(wnd);
        RECT window, client;
        GetWindowRect(wnd, &window);
        GetClientRect(wnd, &client);
        POINT origin{0, 0};
        ClientToScreen(wnd, &origin);
        OffsetRect(&client, origin.x - window.left, origin.y - window.top);
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        RECT all{0, 0, window.right - window.left, window.bottom - window.top};
        HBRUSH brush = CreateSolidBrush(kFrameColour);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(wnd, dc);
        return 0;
    }
    if (msg == WM_NCACTIVATE) return TRUE;
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

void pumpMessages() {
    MSG msg;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

} // namespace

TEST(WineHarness, AnsiCodePageIsChinese) { EXPECT_EQ(GetACP(), 936u); }

TEST(WineHarness, CbtHookSeesCreationAndActivation) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = frameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"GrvHarnessFrame";
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    ASSERT_TRUE(RegisterClassW(&wc));

    HHOOK hook = SetWindowsHookExW(WH_CBT, cbtProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    HWND wnd = CreateWindowExW(0, L"GrvHarnessFrame", L"harness", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                               nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(wnd, nullptr);
    ShowWindow(wnd, SW_SHOW);
    SetForegroundWindow(wnd);
    pumpMessages();
    UnhookWindowsHookEx(hook);

    auto seen = [](int code) {
        for (const auto& [c, cls] : g_cbtEvents)
            if (c == code && cls == L"GrvHarnessFrame") return true;
        return false;
    };
    EXPECT_TRUE(seen(HCBT_CREATEWND));
    EXPECT_TRUE(seen(HCBT_ACTIVATE));

    // The frame we painted on WM_NCPAINT is on screen: read a pixel of the top border back.
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    pumpMessages();
    RECT window;
    GetWindowRect(wnd, &window);
    EXPECT_EQ(ScreenPixel(window.left + 50, window.top + 2), kFrameColour);
    DestroyWindow(wnd);
}
