// Skinned window frames under Wine: which windows the skin manager skins, the frame's metrics, hit test,
// region and pixels, switching the skin off and on, and the faults of subclassing and detaching.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "../GdiObjects.h"
#include "SkinTestSupport.h"
#include "runtime/Forms.h"
#include "runtime/StdCtrls.h"
#include "skin/window/ElementBitmaps.h"
#include "skin/window/WinSkinForm.h"

namespace {

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

// The stored skin in a skin data component that has loaded: the manager exists, its hook is installed and
// skinning is on, as in the program.
TSkinData& Skin() {
    static StreamedSkinData streamed("    Active = True\n", StoredSkinPackage());
    return *streamed.data;
}

TFrameMetrics ExpectedMetrics() {
    TSkinData& d = Skin();
    return {d.BorderLeft->Bitmap->Width() / d.BorderLeft->FrameCount,
            d.BorderTop->Bitmap->Height() / d.BorderTop->FrameCount,
            d.BorderRight->Bitmap->Width() / d.BorderRight->FrameCount,
            d.BorderBottom->Bitmap->Height() / d.BorderBottom->FrameCount, 0};
}

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

SIZE NonClientSize(HWND window) {
    RECT w{}, c{};
    GetWindowRect(window, &w);
    GetClientRect(window, &c);
    return {(w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom};
}

std::unique_ptr<TForm> ShownForm(TFormBorderStyle border = bsSingle, int clientWidth = 396, int clientHeight = 224) {
    Skin();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(border);
    form->SetBounds(120, 100, 300, 200);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    form->SetCaption("Frame test");
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump(250);
    return form;
}

bool Skinned(HWND window) { return FramePainterOf(window) != nullptr && SendMessageW(window, WM_SKIN_QUERY, 0, 0) == 1; }

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

WNDPROC g_previous = nullptr;
int g_theirs = 0;
LRESULT CALLBACK LaterSubclass(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_USER + 7) ++g_theirs;
    return CallWindowProcW(g_previous, h, msg, w, l);
}

// A dialog from an in-memory template: WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, plus `extra`.
HWND RawDialog(DWORD extra) {
    struct {
        DLGTEMPLATE t;
        WORD menu, windowClass, title;
    } tpl{};
    tpl.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | extra;
    tpl.t.cx = 160;
    tpl.t.cy = 80;
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.t, nullptr, NoDialogProc, 0);
    SetWindowTextW(dialog, L"Raw dialog");
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    Pump(250);
    return dialog;
}

TEST(Frame, FrameworkFormKeepsItsClientUnderTheSkinBorders) {
    auto form = ShownForm();
    const HWND window = form->Handle();
    ASSERT_TRUE(Skinned(window));
    const TFrameMetrics m = ExpectedMetrics();
    EXPECT_EQ(ClientSize(window).cx, 396);
    EXPECT_EQ(ClientSize(window).cy, 224);
    const SIZE nc = NonClientSize(window);
    EXPECT_EQ(nc.cx, m.L + m.R);
    EXPECT_EQ(nc.cy, m.T + m.M + m.B);
    // The client's origin sits inside the left and top borders.
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT w{};
    GetWindowRect(window, &w);
    EXPECT_EQ(origin.x - w.left, m.L);
    EXPECT_EQ(origin.y - w.top, m.T + m.M);
}

TEST(Frame, WhichWindowsAreSkinned) {
    Skin();
    HWND plain = RawDialog(0);
    EXPECT_TRUE(Skinned(plain)) << "a dialog is skinned at its first activation";
    HWND foreground = RawDialog(DS_SETFOREGROUND);
    EXPECT_FALSE(Skinned(foreground)) << "DS_SETFOREGROUND";
    EXPECT_FALSE(SkinManager->SkinWindow(foreground));
    DestroyWindow(plain);
    DestroyWindow(foreground);

    auto tagged = std::make_unique<TForm>(nullptr);
    tagged->SetTag(99);
    tagged->SetBounds(100, 100, 200, 120);
    tagged->Show();
    SetForegroundWindow(tagged->Handle());
    Pump(200);
    EXPECT_FALSE(Skinned(tagged->Handle())) << "Tag 99";

    // A zero-size framework window.
    auto empty = std::make_unique<TForm>(nullptr);
    empty->SetBorderStyle(bsNone);
    empty->SetBounds(10, 10, 0, 0);
    empty->Show();
    EXPECT_FALSE(SkinManager->SkinWindow(empty->Handle()));

    // A raw window whose instance is another module: neither framework window nor dialog.
    WNDCLASSW wc{};
    wc.style = CS_GLOBALCLASS; // creatable with another module's instance
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FrameTestForeign";
    RegisterClassW(&wc);
    HWND foreign = CreateWindowExW(0, L"FrameTestForeign", L"Foreign", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200,
                                   120, nullptr, nullptr, GetModuleHandleW(L"user32.dll"), nullptr);
    ASSERT_NE(foreign, nullptr);
    EXPECT_FALSE(SkinManager->SkinWindow(foreign));
    EXPECT_FALSE(Skinned(foreign));
    DestroyWindow(foreign);
}

TEST(Frame, HitTestAtCaptionBordersAndCorners) {
    auto form = ShownForm(bsSizeable, 300, 160);
    const HWND window = form->Handle();
    ASSERT_TRUE(Skinned(window));
    const TFrameMetrics m = ExpectedMetrics();
    RECT w{};
    GetWindowRect(window, &w);
    auto hit = [&](int x, int y) {
        return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(w.left + x, w.top + y));
    };
    const int W = w.right - w.left, H = w.bottom - w.top;
    EXPECT_EQ(hit(W / 2, m.T / 2), HTCAPTION);
    EXPECT_EQ(hit(W / 3, m.T - 1), HTCAPTION);
    EXPECT_EQ(hit(W / 2, m.T + 20), HTCLIENT);
    EXPECT_EQ(hit(1, H / 2), HTLEFT);
    EXPECT_EQ(hit(W - 2, H / 2), HTRIGHT);
    EXPECT_EQ(hit(W / 2, H - 2), HTBOTTOM);
    EXPECT_EQ(hit(W - 2, H - 2), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(1, H - 2), HTBOTTOMLEFT);
}

TEST(Frame, RegionCutsTheCorners) {
    auto form = ShownForm();
    const HWND window = form->Handle();
    ASSERT_TRUE(Skinned(window));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    RECT w{};
    GetWindowRect(window, &w);
    const int W = w.right - w.left, H = w.bottom - w.top;
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, W - 1, 0));
    EXPECT_TRUE(PtInRegion(region, W / 2, 1));
    EXPECT_TRUE(PtInRegion(region, W / 2, H / 2));
    EXPECT_TRUE(PtInRegion(region, 0, H / 2));
    DeleteObject(region);
}

// Pixels of the frame read back from the screen against the same elements drawn by the renderers.
TEST(Frame, FramePixelsAreTheSkinElements) {
    auto form = ShownForm();
    const HWND window = form->Handle();
    ASSERT_TRUE(Skinned(window));
    SetForegroundWindow(window);
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    Pump(200);
    TSkinData& d = Skin();
    const TFrameMetrics m = ExpectedMetrics();
    RECT w{};
    GetWindowRect(window, &w);
    const int W = w.right - w.left, H = w.bottom - w.top;

    HDC screen = GetDC(nullptr);
    HDC shot = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP shotBitmap = CreateDib32(W, H, &bits);
    HGDIOBJ old = SelectObject(shot, shotBitmap);
    BitBlt(shot, 0, 0, W, H, screen, w.left, w.top, SRCCOPY);
    GdiFlush();
    ReleaseDC(nullptr, screen);
    auto shotPixel = [&](int x, int y) { return static_cast<const DWORD*>(bits)[y * W + x] & 0xFFFFFF; };

    auto compare = [&](const TDataSkinBorder& e, RECT part, bool vertical, int x0, int x1, int y0, int y1) {
        auto drawn = BuildElementBitmap(RECT{0, 0, part.right - part.left, part.bottom - part.top}, e.Bitmap.get(),
                                        GeoMargins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}, vertical,
                                        e.Tile != 1, e.FrameCount, 1);
        ASSERT_TRUE(drawn);
        int differing = 0, compared = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const COLORREF c = GetPixel(drawn->Canvas()->Handle(), x - part.left, y - part.top);
                const DWORD rgb = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
                ++compared;
                differing += rgb != shotPixel(x, y);
            }
        EXPECT_GT(compared, 0);
        EXPECT_EQ(differing, 0) << e.Name;
    };
    // Away from the corners, which the region cuts and the caption covers.
    compare(*d.BorderLeft, {0, 0, m.L, H}, false, 0, m.L, m.T + 10, H - m.B - 10);
    compare(*d.BorderRight, {W - m.R, 0, W, H}, false, W - m.R, W, m.T + 10, H - m.B - 10);
    compare(*d.BorderBottom, {m.L, H - m.B, W - m.R, H}, true, m.L + 10, W - m.R - 10, H - m.B, H);
    SelectObject(shot, old);
    DeleteObject(shotBitmap);
    DeleteDC(shot);
}

TEST(Frame, SkinOffAndOnKeepsTheClient) {
    auto form = ShownForm();
    const HWND window = form->Handle();
    ASSERT_TRUE(Skinned(window));
    const SIZE systemNonClient = [&] {
        RECT r{0, 0, 396, 224};
        AdjustWindowRectEx(&r, DWORD(GetWindowLongW(window, GWL_STYLE)) | WS_SYSMENU, FALSE,
                           DWORD(GetWindowLongW(window, GWL_EXSTYLE)));
        return SIZE{(r.right - r.left) - 396, (r.bottom - r.top) - 224};
    }();
    Skin().SetActive(false);
    Pump(700);
    EXPECT_FALSE(Skinned(window));
    EXPECT_EQ(ClientSize(window).cx, 396);
    EXPECT_EQ(ClientSize(window).cy, 224);
    EXPECT_EQ(NonClientSize(window).cx, systemNonClient.cx);
    EXPECT_EQ(NonClientSize(window).cy, systemNonClient.cy);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR) << "no region left";
    DeleteObject(region);

    Skin().SetActive(true);
    Pump(700);
    EXPECT_TRUE(Skinned(window));
    EXPECT_EQ(ClientSize(window).cx, 396);
    EXPECT_EQ(ClientSize(window).cy, 224);
    const TFrameMetrics m = ExpectedMetrics();
    EXPECT_EQ(NonClientSize(window).cx, m.L + m.R);
}

// Text on a skinned surface is drawn in the skin's text colour, never in the system's: the form's font (and
// the labels that take it) while skinned, and the static texts of a dialog; skin off gives the form back.
TEST(Frame, TextTakesTheSkinsTextColour) {
    auto form = ShownForm();
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    auto* own = new TLabel(form.get());
    own->SetParent(form.get());
    own->Font()->SetColor(clRed);
    const TColor skinText = Skin().SkinColors.WindowText;
    ASSERT_NE(skinText, clWindowText);
    EXPECT_EQ(form->Font()->Color(), skinText);
    EXPECT_EQ(label->Font()->Color(), skinText);
    EXPECT_EQ(own->Font()->Color(), clRed) << "a colour of its own stays";

    Skin().SetActive(false);
    Pump(700);
    EXPECT_EQ(form->Font()->Color(), clWindowText);
    EXPECT_EQ(label->Font()->Color(), clWindowText);
    Skin().SetActive(true);
    Pump(700);
    EXPECT_EQ(label->Font()->Color(), skinText);

    HWND dialog = RawDialog(0);
    ASSERT_TRUE(Skinned(dialog));
    HWND text = CreateWindowExW(0, L"Static", L"Message", WS_CHILD | WS_VISIBLE, 4, 4, 100, 16, dialog, nullptr,
                                nullptr, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageW(dialog, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(text));
    EXPECT_EQ(GetTextColor(dc), ColorToRGB(skinText));
    DeleteDC(dc);
    DestroyWindow(dialog);
}

// A deactivation is never refused, even before the window is skinned.
TEST(Frame, DeactivationIsNeverRefused) {
    Skin();
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FrameTestRaw";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, L"FrameTestRaw", L"Raw", WS_OVERLAPPEDWINDOW, 50, 50, 200, 120, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    auto painter = std::make_unique<TWinSkinForm>(nullptr, window, "FrameTestRaw");
    painter->AttachToWindow(&Skin());
    ASSERT_EQ(painter->SkinState, fsAttached);
    EXPECT_NE(SendMessageW(window, WM_NCACTIVATE, FALSE, 0), 0);
    painter.reset();
    DestroyWindow(window);
}

// A window subclassed after the frame painter keeps its procedure when the painter lets go; a form handler
// installed after the painter's stays in place too, and both still see their messages.
TEST(Frame, LaterSubclassesSurviveDetach) {
    auto form = ShownForm();
    const HWND window = form->Handle();
    ASSERT_TRUE(Skinned(window));
    g_previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    g_theirs = 0;
    const WNDPROC later = LaterSubclass;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(later));
    int formSaw = 0;
    TWndMethod before = form->WindowProc;
    form->WindowProc = [&formSaw, before](TMessage& m) {
        if (m.Msg == WM_USER + 7) ++formSaw;
        before(m);
    };

    Skin().SetActive(false);
    Pump(700);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(later));
    EXPECT_EQ(SendMessageW(window, WM_SKIN_QUERY, 0, 0), 0) << "the painter no longer answers";
    SendMessageW(window, WM_USER + 7, 0, 0);
    EXPECT_EQ(g_theirs, 1);
    EXPECT_EQ(formSaw, 1);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    form->WindowProc = before;
    Skin().SetActive(true);
    Pump(700);
}

// A painter that goes (its form freed, its raw window destroyed) leaves the manager's list.
TEST(Frame, PaintersLeaveTheManagersListWhenTheyGo) {
    Skin();
    const size_t before = SkinManager->formPainters.size();
    {
        auto form = ShownForm();
        ASSERT_TRUE(Skinned(form->Handle()));
        EXPECT_EQ(SkinManager->formPainters.size(), before + 1);
    }
    EXPECT_EQ(SkinManager->formPainters.size(), before);

    HWND dialog = RawDialog(0);
    ASSERT_TRUE(Skinned(dialog));
    EXPECT_EQ(SkinManager->formPainters.size(), before + 1);
    DestroyWindow(dialog);
    SkinManager->PurgePainters();
    EXPECT_EQ(SkinManager->formPainters.size(), before);
}

TEST(Frame, MinimizedWindowHasNoInvertedClient) {
    auto form = ShownForm(bsSizeable, 300, 160);
    const HWND window = form->Handle();
    ASSERT_TRUE(Skinned(window));
    ShowWindow(window, SW_MINIMIZE);
    Pump(200);
    RECT c{};
    GetClientRect(window, &c);
    EXPECT_GE(c.right, 0);
    EXPECT_GE(c.bottom, 0);
    ShowWindow(window, SW_RESTORE);
    Pump(200);
    EXPECT_EQ(ClientSize(window).cx, 300);
    EXPECT_EQ(ClientSize(window).cy, 160);
}

// Attaching and detaching the frame many times holds no GDI object on to the next round.
TEST(Frame, AttachAndDetachLeakNoGdiObjects) {
    auto form = ShownForm();
    const HWND window = form->Handle();
    ASSERT_TRUE(Skinned(window));
    auto cycle = [&] {
        auto* painter = FramePainterOf(window);
        ASSERT_NE(painter, nullptr);
        SkinManager->ForgetPainter(painter);
        painter->Detach(false);
        delete painter;
        ASSERT_TRUE(SkinManager->SkinWindow(window));
        Pump(30);
        ASSERT_TRUE(Skinned(window));
        SendMessageW(window, WM_NCPAINT, 1, 0);
    };
    cycle();
    cycle();
    const int before = GdiObjectsInUse();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 150; ++i) cycle();
    EXPECT_EQ(GdiObjectsInUse(), before);
    EXPECT_EQ(ClientSize(window).cx, 396);
    EXPECT_EQ(ClientSize(window).cy, 224);
}

} // namespace
