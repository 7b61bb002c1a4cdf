#include "RawDialog.h"

#include <map>

namespace {

std::map<int, int>& Clicks() {
    static std::map<int, int> clicks;
    return clicks;
}

HBITMAP PictureBitmap() {
    static HBITMAP bitmap = [] {
        HDC screen = GetDC(nullptr);
        HBITMAP b = CreateCompatibleBitmap(screen, 16, 12);
        HDC dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, b);
        RECT r{0, 0, 16, 12};
        HBRUSH green = CreateSolidBrush(RGB(0x20, 0x90, 0x40));
        FillRect(dc, &r, green);
        DeleteObject(green);
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return b;
    }();
    return bitmap;
}

INT_PTR CALLBACK RawDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SendDlgItemMessageW(dialog, IDC_RAW_PICTURE, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(PictureBitmap()));
        return TRUE;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        HBRUSH brush = CreateSolidBrush(RGB(0xF0, 0xE0, 0x90));
        FillRect(item->hDC, &item->rcItem, brush);
        DeleteObject(brush);
        SetBkMode(item->hDC, TRANSPARENT);
        DrawTextW(item->hDC, L"Owner-drawn", -1, &item->rcItem, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return TRUE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) ++Clicks()[LOWORD(wParam)];
        if (LOWORD(wParam) == IDCANCEL) DestroyWindow(dialog);
        return TRUE;
    case WM_CLOSE: DestroyWindow(dialog); return TRUE;
    default: return FALSE;
    }
}

} // namespace

HWND ShowRawButtonDialog(HWND owner) {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_RAWBUTTONS), owner,
                                     RawDialogProc, 0);
    if (dialog) ShowWindow(dialog, SW_SHOW);
    return dialog;
}

int RawDialogClicks(int id) { return Clicks()[id]; }
