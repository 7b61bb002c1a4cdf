#include "MdiWindow.h"

#include <string>

namespace {

constexpr wchar_t FrameClass[] = L"GalleryMdiFrame";
constexpr wchar_t ChildClass[] = L"GalleryMdiChild";

HMENU WindowMenuOf(HMENU bar) { return GetSubMenu(bar, 1); }

HMENU BuildMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, IDM_MDI_NEW, L"&New child\tCtrl+N");
    AppendMenuW(file, MF_STRING, IDM_MDI_CLOSE_CHILD, L"&Close child");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, IDM_MDI_CLOSE, L"E&xit");
    HMENU window = CreatePopupMenu();
    AppendMenuW(window, MF_STRING, IDM_MDI_CASCADE, L"&Cascade");
    AppendMenuW(window, MF_STRING, IDM_MDI_TILE, L"&Tile");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(window), L"&Window");
    return bar;
}

HWND NewChild(HWND client) {
    static int count = 0;
    const int step = 28 * (count % 6);
    const std::wstring title = L"Document " + std::to_wstring(++count);
    MDICREATESTRUCTW create{};
    create.szClass = ChildClass;
    create.szTitle = title.c_str();
    create.hOwner = GetModuleHandleW(nullptr);
    create.x = 8 + step;
    create.y = 8 + step;
    create.cx = 260;
    create.cy = 170;
    create.style = WS_OVERLAPPEDWINDOW;
    return reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        RECT r;
        GetClientRect(window, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, title, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(window, &ps);
        return 0;
    }
    return DefMDIChildProcW(window, msg, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND client = MdiClientOf(window);
    switch (msg) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT ccs{};
        ccs.hWindowMenu = WindowMenuOf(GetMenu(window));
        ccs.idFirstChild = IDM_MDI_FIRST_CHILD;
        client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, window,
                                 nullptr, GetModuleHandleW(nullptr), &ccs);
        return 0;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDM_MDI_NEW: NewChild(client); return 0;
        case IDM_MDI_CLOSE_CHILD:
            if (HWND active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)))
                SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(active), 0);
            return 0;
        case IDM_MDI_CLOSE: DestroyWindow(window); return 0;
        case IDM_MDI_CASCADE: SendMessageW(client, WM_MDICASCADE, 0, 0); return 0;
        case IDM_MDI_TILE: SendMessageW(client, WM_MDITILE, MDITILE_VERTICAL, 0); return 0;
        default: break;
        }
        break;
    default: break;
    }
    return DefFrameProcW(window, client, msg, wParam, lParam);
}

} // namespace

HWND MdiClientOf(HWND frame) { return FindWindowExW(frame, nullptr, L"MDIClient", nullptr); }

HWND ShowMdiWindow(HWND owner) {
    static const bool registered = [] {
        WNDCLASSW frame{};
        frame.lpfnWndProc = FrameProc;
        frame.hInstance = GetModuleHandleW(nullptr);
        frame.hCursor = LoadCursor(nullptr, IDC_ARROW);
        frame.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
        frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        frame.lpszClassName = FrameClass;
        WNDCLASSW child = frame;
        child.style = CS_HREDRAW | CS_VREDRAW;
        child.lpfnWndProc = ChildProc;
        child.lpszClassName = ChildClass;
        return RegisterClassW(&frame) && RegisterClassW(&child);
    }();
    if (!registered) return nullptr;
    HWND frame = CreateWindowExW(0, FrameClass, L"MDI window", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 460, 40, 520,
                                 380, owner, BuildMenu(), GetModuleHandleW(nullptr), nullptr);
    ShowWindow(frame, SW_SHOW);
    // The children once the client has its size.
    for (int i = 0; i < 3; ++i) NewChild(MdiClientOf(frame));
    return frame;
}
