#include "RawDialog.h"

#include <commctrl.h>

#include <map>
#include <string>

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

// Enough lines in the bare list box, list view and drop-down combo box for their scroll bars to show.
void FillScrollingControls(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_RAW_LISTBOX), view = GetDlgItem(dialog, IDC_RAW_LISTVIEW);
    HWND combo = GetDlgItem(dialog, IDC_RAW_COMBO);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, 400, 0);
    for (int c = 0; c < 4; ++c) {
        std::wstring title = L"Column " + std::to_wstring(c + 1);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 90;
        column.pszText = title.data();
        SendMessageW(view, LVM_INSERTCOLUMNW, WPARAM(c), reinterpret_cast<LPARAM>(&column));
    }
    for (int i = 0; i < 40; ++i) {
        std::wstring text = L"Line " + std::to_wstring(i + 1) + L" of the raw controls, long enough to scroll";
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        for (HWND c : {combo, GetDlgItem(dialog, IDC_RAW_COMBO_DROPDOWN), GetDlgItem(dialog, IDC_RAW_COMBO_SIMPLE)})
            SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = text.data();
        SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(dialog, IDC_RAW_COMBO_DROPDOWN, CB_SETCURSEL, 1, 0);
    SendDlgItemMessageW(dialog, IDC_RAW_TRACKBAR, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendDlgItemMessageW(dialog, IDC_RAW_TRACKBAR, TBM_SETPOS, TRUE, 3);
    SendDlgItemMessageW(dialog, IDC_RAW_TRACKBAR_VERTICAL, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendDlgItemMessageW(dialog, IDC_RAW_UPDOWN, UDM_SETRANGE32, 0, 100);
    SendDlgItemMessageW(dialog, IDC_RAW_UPDOWN, UDM_SETPOS32, 0, 7);
}

// Tabs, header sections and status panels for the bare common controls.
void FillBars(HWND dialog) {
    const wchar_t* tabs[] = {L"First", L"Second", L"Third"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(tabs[i]);
        SendDlgItemMessageW(dialog, IDC_RAW_TABS, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    const wchar_t* sections[] = {L"Name", L"Size", L"Date"};
    for (int i = 0; i < 3; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<wchar_t*>(sections[i]);
        item.cxy = 80;
        item.fmt = HDF_STRING | HDF_LEFT;
        SendDlgItemMessageW(dialog, IDC_RAW_HEADER, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    int edges[] = {120, 200, -1};
    SendDlgItemMessageW(dialog, IDC_RAW_STATUS, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    SendDlgItemMessageW(dialog, IDC_RAW_STATUS, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Raw status bar"));
    SendDlgItemMessageW(dialog, IDC_RAW_STATUS, SB_SETTEXTW, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>(L"Raised"));
}

INT_PTR CALLBACK RawDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        SendDlgItemMessageW(dialog, IDC_RAW_PICTURE, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(PictureBitmap()));
        FillScrollingControls(dialog);
        FillBars(dialog);
        // the skin's checked and indeterminate boxes next to the unchecked ones
        CheckDlgButton(dialog, IDC_RAW_AUTOCHECK, BST_CHECKED);
        CheckDlgButton(dialog, IDC_RAW_3STATE, BST_INDETERMINATE);
        CheckDlgButton(dialog, IDC_RAW_AUTORADIO, BST_CHECKED);
        return TRUE;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        HBRUSH brush = CreateSolidBrush(RGB(0xF0, 0xE0, 0x90));
        FillRect(item->hDC, &item->rcItem, brush);
        DeleteObject(brush);
        SetBkMode(item->hDC, TRANSPARENT);
        SetTextColor(item->hDC, RGB(0x40, 0x30, 0x00)); // its own face, its own ink: a skin may set another
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
    // The template names SysListView32, track bars, up-downs, a date picker, a tab control, a header and a
    // status bar.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                     ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_RAWBUTTONS), owner,
                                     RawDialogProc, 0);
    if (dialog) ShowWindow(dialog, SW_SHOW);
    return dialog;
}

int RawDialogClicks(int id) { return Clicks()[id]; }
