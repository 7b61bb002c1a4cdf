// Runs one import through Grivelle's window as a user would: finds the window by its caption, types
// the folder into the first edit, presses "导入", and waits for the job's end (the file the Excel
// stand-in writes when the workbook is made visible). Saves screenshots of the window on the way.
// Optionally it then opens the folder browser with "打开" and captures it (then cancels it), and runs a
// second import with 0 pictures per row and captures the error dialog (then closes it).
//
//   GrivelleDriver.exe --folder DIR --done FILE [--type PATTERN] [--shot-busy BMP] [--shot BMP] [--timeout MS]
//                      [--shot-browser BMP] [--shot-error BMP] [--shot-hot BMP] [--shot-sysmenu BMP]
// --shot-hot: the window with the mouse over its close button; --shot-sysmenu: the window with its system
// menu opened from the icon (then closed again with Escape). The buttons are found where the stored skin
// places them (its [ButtonClose] and [ButtonIcon] sections).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "UiDriver.h"

namespace {

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int Fail(const char* what) {
    std::fprintf(stderr, "GrivelleDriver: %s\n", what);
    return 1;
}

void ReportSizes(const char* what, HWND window) {
    RECT w{}, c{};
    GetWindowRect(window, &w);
    GetClientRect(window, &c);
    std::printf("GrivelleDriver: %s window %ldx%ld client %ldx%ld\n", what, w.right - w.left, w.bottom - w.top, c.right,
                c.bottom);
}

// Waits for the window to be shown and painted, then captures it.
bool Capture(HWND window, const std::wstring& path) {
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME | RDW_UPDATENOW);
    Sleep(700);
    return ui::SaveWindowBitmap(window, path);
}

struct DialogSearch {
    const std::wstring* className;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND w, LPARAM data) {
    auto* s = reinterpret_cast<DialogSearch*>(data);
    if (!IsWindowVisible(w) || ui::ClassOf(w) != *s->className) return TRUE;
    s->found = w;
    return FALSE;
}

// A visible top-level window of this class on the main window's thread (dialogs it opens).
HWND WaitForDialog(HWND main, const std::wstring& className, DWORD timeoutMs) {
    DialogSearch search{&className, nullptr};
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    ui::WaitUntil(
        [&] {
            search.found = nullptr;
            EnumThreadWindows(thread, MatchDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring folder, done, type, shotBusy, shot, shotBrowser, shotError, shotHot, shotSysMenu;
    DWORD timeout = 120000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring key = argv[i], value = argv[i + 1];
        if (key == L"--folder") folder = value;
        else if (key == L"--done") done = value;
        else if (key == L"--type") type = value;
        else if (key == L"--shot-busy") shotBusy = value;
        else if (key == L"--shot") shot = value;
        else if (key == L"--shot-browser") shotBrowser = value;
        else if (key == L"--shot-error") shotError = value;
        else if (key == L"--shot-hot") shotHot = value;
        else if (key == L"--shot-sysmenu") shotSysMenu = value;
        else if (key == L"--timeout") timeout = static_cast<DWORD>(std::wcstoul(value.c_str(), nullptr, 10));
    }
    if (folder.empty() || done.empty()) return Fail("usage: --folder DIR --done FILE [--type P] [--shot-busy BMP] [--shot BMP]");

    HWND main = ui::WaitForWindow(L"", L"Grivelle", 0, 60000);
    if (main == nullptr) return Fail("no window \"Grivelle\"");
    SetForegroundWindow(main);

    const auto edits = ui::ChildrenOfClass(main, L"Edit");
    if (edits.empty()) return Fail("no edit in the window");
    ui::SetText(edits.front(), folder);  // the folder edit comes first
    if (!type.empty()) {
        const auto combos = ui::ChildrenOfClass(main, L"ComboBox");
        if (combos.empty()) return Fail("no picture type box");
        ui::SetText(combos.front(), type);
    }
    HWND submit = ui::ChildWithText(main, L"导入");
    if (submit == nullptr) return Fail("no button \"导入\"");
    Sleep(300);
    DeleteFileW(done.c_str());
    ui::Press(submit);

    if (!shotBusy.empty()) {
        const auto bars = ui::ChildrenOfClass(main, L"progress");
        // Half-way through: the bar is shown and its position has reached half of its maximum.
        const auto halfWay = [&] {
            if (bars.empty() || !IsWindowVisible(bars.front())) return false;
            const LRESULT max = SendMessageW(bars.front(), PBM_GETRANGE, FALSE, 0);
            const LRESULT position = SendMessageW(bars.front(), PBM_GETPOS, 0, 0);
            return max > 0 && position * 2 >= max;
        };
        if (ui::WaitUntil(halfWay, 60000)) {
            Sleep(200);
            ui::SaveWindowBitmap(main, shotBusy);
        }
    }
    if (!ui::WaitUntil([&] { return FileExists(done); }, timeout)) return Fail("the import did not end in time");
    Sleep(1000);
    if (!shot.empty()) {
        SetForegroundWindow(main);
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME | RDW_UPDATENOW);
        Sleep(500);
        if (!ui::SaveWindowBitmap(main, shot)) return Fail("could not capture the window");
    }
    if (!shotHot.empty() || !shotSysMenu.empty()) {
        SetForegroundWindow(main);
        Sleep(300);
    }
    RECT frame;
    GetWindowRect(main, &frame);
    if (!shotHot.empty()) {
        // [ButtonClose]: right-aligned 25 pixels from the window's right edge, 19 x 21.
        ui::MoveMouse(frame.right - 25 + 9, frame.top + 10);
        Sleep(600);
        if (!ui::SaveWindowBitmap(main, shotHot)) return Fail("could not capture the window");
        ui::MoveMouse(frame.left + 100, frame.bottom + 40);
        Sleep(400);
    }
    if (!shotSysMenu.empty()) {
        // [ButtonIcon]: at (5, 2) of the window.
        ui::ClickMouse(frame.left + 5 + 8, frame.top + 2 + 8);
        HWND menu = nullptr;
        ui::WaitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) != nullptr && IsWindowVisible(menu); }, 5000);
        if (menu == nullptr) return Fail("the system menu did not open from the icon");
        Sleep(600);
        RECT shotRect = frame, menuRect;
        GetWindowRect(menu, &menuRect);
        UnionRect(&shotRect, &frame, &menuRect);
        InflateRect(&shotRect, 4, 4);
        const bool saved = ui::SaveScreenBitmap(shotRect, shotSysMenu);
        ui::PressKey(VK_ESCAPE);
        Sleep(300);
        if (!saved) return Fail("could not capture the system menu");
    }
    std::printf("GrivelleDriver: import done\n");
    ReportSizes("main", main);

    if (!shotBrowser.empty()) {
        HWND open = ui::ChildWithText(main, L"打开");
        if (open == nullptr) return Fail("no button \"打开\"");
        ui::Press(open);
        HWND browser = WaitForDialog(main, L"#32770", 20000);
        if (browser == nullptr) return Fail("the folder browser did not open");
        Sleep(500);
        ReportSizes("browser", browser);
        if (!Capture(browser, shotBrowser)) return Fail("could not capture the folder browser");
        PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
        if (!ui::WaitUntil([&] { return !IsWindow(browser); }, 10000)) return Fail("the folder browser stayed open");
    }
    if (!shotError.empty()) {
        HWND perRow = nullptr;
        for (HWND edit : ui::ChildrenOfClass(main, L"Edit"))
            if (ui::TextOf(edit) == L"4") perRow = edit;
        if (perRow == nullptr) return Fail("no pictures-per-row box showing 4");
        ui::SetText(perRow, L"0");
        // The failed import leaves its own snapshot when Excel is told to quit: the first one is kept.
        const std::wstring kept = done + L".kept";
        CopyFileW(done.c_str(), kept.c_str(), FALSE);
        DeleteFileW(done.c_str());
        Sleep(300);
        ui::Press(ui::ChildWithText(main, L"导入"));
        HWND error = WaitForDialog(main, L"TMessageForm", timeout);
        if (error == nullptr) return Fail("no error dialog after an import with 0 per row");
        Sleep(500);
        ReportSizes("error", error);
        if (!Capture(error, shotError)) return Fail("could not capture the error dialog");
        PostMessageW(error, WM_CLOSE, 0, 0);
        if (!ui::WaitUntil([&] { return !IsWindow(error); }, 10000)) return Fail("the error dialog stayed open");
        ui::SetText(perRow, L"4");
        ui::WaitUntil([&] { return FileExists(done); }, 10000);
        Sleep(300);
        CopyFileW(kept.c_str(), done.c_str(), FALSE);
        DeleteFileW(kept.c_str());
    }
    return 0;
}
