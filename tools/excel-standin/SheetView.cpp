#include "SheetView.h"

#include "Server.h"
#include "SheetGeometry.h"
#include "WideText.h"

#include <string>

namespace grv::standin {

namespace {

constexpr wchar_t kClassName[] = L"GrvExcelStandinSheet";
constexpr int kHeaderWidth = 40;   // row numbers, pixels
constexpr int kHeaderHeight = 20;  // column letters, pixels

int toPixels(double points) { return static_cast<int>(points / kPointsPerPixel + 0.5); }

std::wstring columnName(int column) {
    std::wstring name;
    for (; column > 0; column = (column - 1) / 26) name.insert(name.begin(), static_cast<wchar_t>(L'A' + (column - 1) % 26));
    return name;
}

std::wstring cellText(const CellValue& value) {
    switch (value.kind) {
    case CellValue::Kind::Text: return fromUtf8(value.text);
    case CellValue::Kind::Number: {
        wchar_t text[64];
        swprintf(text, 64, L"%.15g", value.number);
        return text;
    }
    case CellValue::Kind::Boolean: return value.boolean ? L"TRUE" : L"FALSE";
    default: return L"";
    }
}

}  // namespace

SheetView::SheetView() {
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    window_ = CreateWindowExW(0, kClassName, L"Excel stand-in", WS_OVERLAPPEDWINDOW, 40, 40, 900, 640, nullptr, nullptr,
                              wc.hInstance, this);
    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

SheetView::~SheetView() {
    if (window_) DestroyWindow(window_);
}

void SheetView::show(bool visible) {
    if (!window_) return;
    ShowWindow(window_, visible ? SW_SHOWNORMAL : SW_HIDE);
    if (visible) refresh();
}

void SheetView::refresh() {
    if (!window_ || !IsWindowVisible(window_)) return;
    Workbook* book = server().app.active();
    std::wstring title = (book ? fromUtf8(book->name) + L" - " : std::wstring()) + L"Excel stand-in";
    SetWindowTextW(window_, title.c_str());
    InvalidateRect(window_, nullptr, TRUE);
}

LRESULT CALLBACK SheetView::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* view = reinterpret_cast<SheetView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        if (view) view->paint(dc, client);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_CLOSE: {
        // Closing the window is the user's quit: the process goes once no client holds it.
        Server& s = server();
        s.windowClosed = true;
        s.app.visible = false;
        ShowWindow(window, SW_HIDE);
        s.exitIfUnused();
        return 0;
    }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void SheetView::paint(HDC dc, const RECT& client) {
    Sheet* sheet = server().app.activeSheet();
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    HBRUSH headerBrush = CreateSolidBrush(RGB(0xE6, 0xE6, 0xE6));
    RECT top{0, 0, client.right, kHeaderHeight}, left{0, 0, kHeaderWidth, client.bottom};
    FillRect(dc, &top, headerBrush);
    FillRect(dc, &left, headerBrush);
    DeleteObject(headerBrush);
    if (!sheet) {
        SelectObject(dc, oldFont);
        return;
    }
    HPEN grid = CreatePen(PS_SOLID, 1, RGB(0xD4, 0xD4, 0xD4));
    HGDIOBJ oldPen = SelectObject(dc, grid);

    int lastColumn = 1, lastRow = 1;
    for (int c = 1; c <= kColumnCount; ++c) {
        int x = kHeaderWidth + toPixels(sheet->columnLeft(c));
        if (x > client.right) break;
        int right = kHeaderWidth + toPixels(sheet->columnLeft(c + 1));
        MoveToEx(dc, right, 0, nullptr);
        LineTo(dc, right, client.bottom);
        RECT label{x, 0, right, kHeaderHeight};
        std::wstring name = columnName(c);
        DrawTextW(dc, name.c_str(), -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        lastColumn = c;
    }
    for (int r = 1; r <= kRowCount; ++r) {
        int y = kHeaderHeight + toPixels(sheet->rowTop(r));
        if (y > client.bottom) break;
        int bottom = kHeaderHeight + toPixels(sheet->rowTop(r + 1));
        MoveToEx(dc, 0, bottom, nullptr);
        LineTo(dc, client.right, bottom);
        RECT label{0, y, kHeaderWidth, bottom};
        std::wstring number = std::to_wstring(r);
        DrawTextW(dc, number.c_str(), -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        lastRow = r;
    }

    for (const auto& [position, value] : sheet->cells()) {
        auto [r, c] = position;
        if (r > lastRow || c > lastColumn) continue;
        RECT cell{kHeaderWidth + toPixels(sheet->columnLeft(c)) + 2, kHeaderHeight + toPixels(sheet->rowTop(r)),
                  kHeaderWidth + toPixels(sheet->columnLeft(c + 1)) - 2, kHeaderHeight + toPixels(sheet->rowTop(r + 1))};
        int alignment = sheet->alignment(r, c);
        UINT format = DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX;
        format |= alignment == xlCenter ? DT_CENTER
                  : alignment == xlRight || (alignment == xlGeneral && value.kind == CellValue::Kind::Number) ? DT_RIGHT
                                                                                                            : DT_LEFT;
        std::wstring text = cellText(value);
        DrawTextW(dc, text.c_str(), -1, &cell, format);
    }

    HRGN clip = CreateRectRgn(kHeaderWidth, kHeaderHeight, client.right, client.bottom);
    SelectClipRgn(dc, clip);
    HDC memory = CreateCompatibleDC(dc);
    for (const auto& picture : sheet->pictures()) {
        auto found = server().previews.find(picture.get());
        if (found == server().previews.end() || !found->second) continue;
        const Preview& preview = *found->second;
        HGDIOBJ old = SelectObject(memory, preview.bitmap);
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, kHeaderWidth + toPixels(picture->left), kHeaderHeight + toPixels(picture->top),
                   toPixels(picture->width), toPixels(picture->height), memory, 0, 0, preview.width, preview.height,
                   blend);
        SelectObject(memory, old);
    }
    DeleteDC(memory);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);

    Area selection = sheet->selection();
    RECT frame{kHeaderWidth + toPixels(sheet->columnLeft(selection.firstColumn)) - 1,
               kHeaderHeight + toPixels(sheet->rowTop(selection.firstRow)) - 1,
               kHeaderWidth + toPixels(sheet->columnLeft(std::min(selection.lastColumn, lastColumn) + 1)) + 1,
               kHeaderHeight + toPixels(sheet->rowTop(std::min(selection.lastRow, lastRow) + 1)) + 1};
    HPEN accent = CreatePen(PS_SOLID, 2, RGB(0x21, 0x73, 0x46));
    SelectObject(dc, accent);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
    SelectObject(dc, oldPen);
    DeleteObject(accent);
    DeleteObject(grid);
    SelectObject(dc, oldFont);
}

}  // namespace grv::standin
