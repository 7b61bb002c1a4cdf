#include "UiDriver.h"

#include <cwctype>

namespace ui {

namespace {

struct FindRequest {
    const std::wstring* className;
    const std::wstring* caption;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<FindRequest*>(param);
    if (!IsWindowVisible(window)) return TRUE;
    if (request->processId != 0) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != request->processId) return TRUE;
    }
    if (!request->className->empty() && ClassOf(window) != *request->className) return TRUE;
    if (!request->caption->empty() && TextOf(window) != *request->caption) return TRUE;
    request->found = window;
    return FALSE;
}

std::wstring Lower(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

} // namespace

HWND WaitForWindow(const std::wstring& className, const std::wstring& caption, DWORD processId, DWORD timeoutMs) {
    FindRequest request{&className, &caption, processId, nullptr};
    WaitUntil([&] {
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&request));
        return request.found != nullptr;
    }, timeoutMs);
    return request.found;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    // WM_GETTEXT rather than GetWindowText: it reads controls of other processes too.
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& classPart) {
    std::vector<HWND> matching;
    for (HWND child : Children(parent))
        if (Lower(ClassOf(child)).find(Lower(classPart)) != std::wstring::npos) matching.push_back(child);
    return matching;
}

HWND ChildWithText(HWND parent, const std::wstring& text) {
    for (HWND child : Children(parent))
        if (TextOf(child) == text) return child;
    return nullptr;
}

std::vector<HWND> TabOrder(HWND parent) {
    std::vector<HWND> order;
    for (HWND child : Children(parent))
        if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) order.push_back(child);
    return order;
}

void SetText(HWND control, const std::wstring& text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Press(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool SaveWindowBitmap(HWND window, const std::wstring& path) {
    RECT r;
    if (!GetWindowRect(window, &r)) return false;
    return SaveScreenBitmap(r, path);
}

bool SaveScreenBitmap(const RECT& r, const std::wstring& path) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib == nullptr) {
        ReleaseDC(nullptr, screen);
        return false;
    }
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((w * 3 + 3) / 4) * 4;
    const DWORD imageSize = stride * h;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageSize), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    info.bmiHeader.biSizeImage = imageSize;
    bool written = false;
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out != INVALID_HANDLE_VALUE) {
        DWORD n = 0;
        written = WriteFile(out, &file, sizeof file, &n, nullptr) &&
                  WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &n, nullptr) &&
                  WriteFile(out, bits, imageSize, &n, nullptr);
        CloseHandle(out);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    ReleaseDC(nullptr, screen);
    return written;
}

void MoveMouse(int x, int y) {
    SetCursorPos(x, y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE; // dx, dy 0: the system reports the new position to the window below
    SendInput(1, &move, sizeof move);
}

void ClickMouse(int x, int y) {
    MoveMouse(x, y);
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof clicks[0]);
}

void PressKey(WORD virtualKey) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
}

} // namespace ui
