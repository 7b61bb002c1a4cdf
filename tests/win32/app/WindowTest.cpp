// Grivelle.exe as a user meets it, read from the running program through its windows: the defaults
// and the tab order, the error dialog of a failing import, the silent end of an import that fails
// before Excel, and the two ways to close the window.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "../GdiObjects.h"
#include "../ScreenPixel.h"
#include "../SoakBudget.h"
#include "StandinLog.h"
#include "TestFiles.h"
#include "UiDriver.h"

namespace {

std::wstring GrivellePath() {
    std::wstring path = L"Z:";
    for (const char* c = GRIVELLE_EXE; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

class Grivelle : public ::testing::Test {
protected:
    void SetUp() override {
        log_ = TempPath(L"grv_app_window.jsonl");
        DeleteFileW(log_.c_str());
        SetEnvironmentVariableW(L"GRV_STANDIN_LOG", log_.c_str());  // inherited by Grivelle, then by the server
        folder_ = TempPath(L"grv_app_window");
        CreateDirectoryW(folder_.c_str(), nullptr);
        ASSERT_TRUE(WriteBmp(folder_ + L"\\a.jpg", 40, 20));
        ASSERT_TRUE(WriteBmp(folder_ + L"\\b.jpg", 20, 40));

        STARTUPINFOW startup{sizeof startup};
        std::wstring command = L"\"" + GrivellePath() + L"\"";
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
            << GetLastError();
        main_ = ui::WaitForWindow(L"TMainForm", L"Grivelle", process_.dwProcessId, 30000);
        ASSERT_NE(main_, nullptr) << "no main window";
    }
    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 5000);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        CloseStandins(log_);
        SetEnvironmentVariableW(L"GRV_STANDIN_LOG", nullptr);
    }

    HWND Control(const wchar_t* cls, size_t index) {
        const auto list = ui::ChildrenOfClass(main_, cls);
        return index < list.size() ? list[index] : nullptr;
    }
    bool ServerStarted() { return GetFileAttributesW(log_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    HWND ErrorDialog(DWORD timeoutMs) { return ui::WaitForWindow(L"TMessageForm", L"Error", process_.dwProcessId, timeoutMs); }
    bool Exited(DWORD timeoutMs) { return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0; }

    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    std::wstring log_, folder_;
};

TEST_F(Grivelle, ShowsItsDefaultsInTabOrder) {
    // The windowed controls with their classes and texts (labels and images are drawn by the form).
    std::vector<std::pair<std::wstring, std::wstring>> seen;
    for (HWND child : ui::Children(main_)) seen.emplace_back(ui::ClassOf(child), ui::TextOf(child));
    std::sort(seen.begin(), seen.end());
    std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L"TEdit", L""}, {L"TBitBtn", L"打开"}, {L"TComboBox", L"*.jpg"}, {L"TBitBtn", L"导入"}, {L"TBitBtn", L"退出"},
        {L"TProgressBar", L""}, {L"TEdit", L"94"}, {L"TEdit", L"76"}, {L"TEdit", L"4"},
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(seen, expected);
    // The order Tab visits them in, from the folder edit (the progress bar is no tab stop).
    HWND first = Control(L"TEdit", 0);
    ASSERT_EQ(ui::TextOf(first), L"");
    std::vector<HWND> tabs;
    for (HWND at = first; at != nullptr && tabs.size() < 12;) {
        tabs.push_back(at);
        at = GetNextDlgTabItem(main_, at, FALSE);
        if (at == first) break;
    }
    std::vector<std::wstring> tabTexts;
    for (HWND h : tabs) tabTexts.push_back(ui::ClassOf(h) + L":" + ui::TextOf(h));
    EXPECT_EQ(tabTexts, (std::vector<std::wstring>{L"TEdit:", L"TBitBtn:打开", L"TComboBox:*.jpg", L"TBitBtn:导入", L"TBitBtn:退出",
                                                    L"TEdit:94", L"TEdit:76", L"TEdit:4"}));

    HWND combo = Control(L"TComboBox", 0);
    std::vector<std::wstring> items;
    for (LRESULT i = 0, n = SendMessageW(combo, CB_GETCOUNT, 0, 0); i < n; ++i) {
        wchar_t item[64] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        items.push_back(item);
    }
    EXPECT_EQ(items, (std::vector<std::wstring>{L"*.jpg", L"*.gif", L"*.png", L"*.bmp"}));
    EXPECT_FALSE(IsWindowVisible(Control(L"TProgressBar", 0)));

    RECT client;
    GetClientRect(main_, &client);
    EXPECT_EQ(client.right, 396);
    EXPECT_EQ(client.bottom, 224);
    const LONG style = GetWindowLongW(main_, GWL_STYLE);
    // The skinned frame takes WS_SYSMENU out of the style while it paints its own caption buttons.
    const bool skinned = SendMessageW(main_, 0x3523 /* WM_SKIN_QUERY */, 0, 0) == 1;
    EXPECT_TRUE(skinned);
    EXPECT_TRUE(skinned || (style & WS_SYSMENU));
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    RECT edit;
    GetWindowRect(Control(L"TEdit", 0), &edit);
    MapWindowPoints(HWND_DESKTOP, main_, reinterpret_cast<POINT*>(&edit), 2);
    EXPECT_EQ(edit.left, 80);
    EXPECT_EQ(edit.top, 66);
    EXPECT_EQ(edit.right - edit.left, 250);
}

TEST_F(Grivelle, NoPicturesPerRowShowsTheErrorDialogThenQuitsExcel) {
    ui::SetText(Control(L"TEdit", 0), folder_);
    ui::SetText(Control(L"TEdit", 3), L"0");
    ui::Press(ui::ChildWithText(main_, L"导入"));
    HWND dialog = ErrorDialog(30000);
    ASSERT_NE(dialog, nullptr) << "no error dialog";
    EXPECT_TRUE(IsWindowVisible(Control(L"TProgressBar", 0)));  // the job waits for the dialog
    Sleep(300);
    ui::SaveWindowBitmap(dialog, TempPath(L"grv_app_error_dialog.bmp"));  // for a person to look at
    // The icon (8 pixels in from the client's corner) lies on the dialog's own background: its transparent
    // corner shows the skin's face, the colour beside it.
    POINT icon{8, 8};
    ClientToScreen(dialog, &icon);
    EXPECT_EQ(ScreenPixel(icon.x, icon.y), ScreenPixel(icon.x - 3, icon.y));
    HWND ok = ui::ChildWithText(dialog, L"OK");
    ASSERT_NE(ok, nullptr);
    ui::Press(ok);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindowVisible(Control(L"TProgressBar", 0)); }, 30000));
    // The server writes its log as it answers: wait for the last call to arrive.
    std::vector<LoggedCall> calls;
    ui::WaitUntil([&] {
        calls = ReadStandinLog(log_);
        return !calls.empty() && calls.back().member == "Visible";
    }, 10000);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].member, "Quit");
    EXPECT_EQ(calls.back().member, "Visible");
    EXPECT_EQ(calls.back().args, "[true]");
}

TEST_F(Grivelle, ErrorsBeforeExcelStartNoServerAndShowNothing) {
    ui::SetText(Control(L"TEdit", 0), folder_ + L"\\nothing-here");
    ui::Press(ui::ChildWithText(main_, L"导入"));
    Sleep(1500);
    ui::SetText(Control(L"TEdit", 0), folder_);
    ui::SetText(Control(L"TEdit", 1), L"9x");
    ui::Press(ui::ChildWithText(main_, L"导入"));
    Sleep(1500);
    EXPECT_EQ(ErrorDialog(500), nullptr);
    EXPECT_FALSE(ServerStarted());
    EXPECT_FALSE(IsWindowVisible(Control(L"TProgressBar", 0)));
    EXPECT_FALSE(Exited(0));
}

// The folder browser (the system dialog, found by its class and owner process): Cancel leaves the typed
// folder alone; OK on a file-system folder (the browser's default, the desktop) replaces it.
TEST_F(Grivelle, TheFolderBrowserReplacesTheFolderOnlyWhenAFolderIsChosen) {
    HWND folderEdit = Control(L"TEdit", 0);
    ui::SetText(folderEdit, L"typed by hand");
    for (const int button : {IDCANCEL, IDOK}) {
        ui::Press(ui::ChildWithText(main_, L"打开"));
        HWND browser = ui::WaitForWindow(L"#32770", L"", process_.dwProcessId, 15000);
        ASSERT_NE(browser, nullptr) << "no folder browser";
        EXPECT_TRUE(ui::WaitUntil([&] { return ui::ChildWithText(browser, L"选择图片所在的文件夹：") != nullptr; }, 5000));
        Sleep(500);
        ui::Press(GetDlgItem(browser, button));
        ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(browser); }, 15000));
        Sleep(300);
        if (button == IDCANCEL) {
            EXPECT_EQ(ui::TextOf(folderEdit), L"typed by hand");
        } else {
            const std::wstring chosen = ui::TextOf(folderEdit);
            EXPECT_NE(chosen, L"typed by hand");
            EXPECT_NE(GetFileAttributesW(chosen.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << "not a folder";
        }
    }
}

// The progress bar repaints once per picture; three imports of a large folder end with the same count.
TEST_F(Grivelle, RepeatedImportsOfManyPicturesLeaveNoGdiObjectsBehind) {
    for (int i = 0; i < 60; ++i) ASSERT_TRUE(WriteBmp(folder_ + L"\\p" + std::to_wstring(i) + L".jpg", 30 + i % 7 * 10, 30));
    HANDLE watched = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_.dwProcessId);
    ASSERT_NE(watched, nullptr);
    ui::SetText(Control(L"TEdit", 0), folder_);
    std::vector<int> counts;
    for (size_t run = 1; run <= 3; ++run) {
        ui::Press(ui::ChildWithText(main_, L"导入"));
        const auto shown = [&] {
            size_t done = 0;
            for (const auto& call : ReadStandinLog(log_)) done += call.member == "Visible" && call.args == "[true]";
            return done == run && !IsWindowVisible(Control(L"TProgressBar", 0));
        };
        ASSERT_TRUE(ui::WaitUntil(shown, 120000)) << "import " << run << " did not end";
        counts.push_back(SettledGdiObjectsInUseBy(watched));
    }
    CloseHandle(watched);
    ASSERT_GT(counts[0], 0);
    EXPECT_EQ(counts, std::vector<int>(3, counts[0]));
}

// The error dialog and the folder browser opened and closed again and again: each comes up skinned every
// time, and the program's GDI objects end where they stood after a few cycles (the first cycles fill caches
// of the system and the framework: icons, fonts, the shell's image lists).
TEST_F(Grivelle, ErrorDialogAndFolderBrowserCyclesLeaveNoGdiObjectsBehind) {
    HANDLE watched = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_.dwProcessId);
    ASSERT_NE(watched, nullptr);
    ui::SetText(Control(L"TEdit", 0), folder_);
    ui::SetText(Control(L"TEdit", 3), L"0");
    const auto errorCycle = [&] {
        ui::Press(ui::ChildWithText(main_, L"导入"));
        HWND dialog = ErrorDialog(30000);
        if (!dialog) return false;
        EXPECT_EQ(SendMessageW(dialog, 0x3523 /* WM_SKIN_QUERY */, 0, 0), 1);
        ui::Press(ui::ChildWithText(dialog, L"OK"));
        return ui::WaitUntil([&] { return !IsWindow(dialog) && !IsWindowVisible(Control(L"TProgressBar", 0)); }, 30000);
    };
    const auto browserCycle = [&] {
        ui::Press(ui::ChildWithText(main_, L"打开"));
        HWND browser = ui::WaitForWindow(L"#32770", L"", process_.dwProcessId, 15000);
        if (!browser) return false;
        EXPECT_EQ(SendMessageW(browser, 0x3523 /* WM_SKIN_QUERY */, 0, 0), 1);
        ui::Press(GetDlgItem(browser, IDCANCEL));
        return ui::WaitUntil([&] { return !IsWindow(browser); }, 15000);
    };
    for (const auto& [what, cycle] : {std::pair{"error dialog", std::function<bool()>(errorCycle)},
                                      std::pair{"folder browser", std::function<bool()>(browserCycle)}}) {
        SCOPED_TRACE(what);
        SoakBudget budget(500, 30000);
        constexpr int kWarmUp = 10;
        int done = 0, first = 0;
        for (; budget.More(done); ++done) {
            ASSERT_TRUE(cycle()) << "cycle " << done;
            if (done == kWarmUp - 1) first = SettledGdiObjectsInUseBy(watched);
        }
        budget.Report(done);
        EXPECT_EQ(SettledGdiObjectsInUseBy(watched), first);
        EXPECT_FALSE(Exited(0));
    }
    CloseHandle(watched);
}

TEST_F(Grivelle, TheQuitButtonEndsTheProgram) {
    ui::Press(ui::ChildWithText(main_, L"退出"));
    EXPECT_TRUE(Exited(15000));
}

TEST_F(Grivelle, TheCloseBoxEndsTheProgram) {
    PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(Exited(15000));
}

} // namespace
