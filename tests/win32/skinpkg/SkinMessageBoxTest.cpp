// On Windows the skin reader's message is a task-modal message box with the wide text.
#include "skin/data/SkinNotifier.h"
#include "skin/data/SkinRead.h"
#include "tools/skinpack/LzhEncoder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

struct Seen {
    int boxes = 0;
    std::wstring text, caption;
    LONG style = 0;
};
Seen seen;
HHOOK hook = nullptr;

// GRV_SKINPKG_HOLD_MS keeps the box up for a while (to look at it); otherwise it is closed at once.
UINT HoldMilliseconds() {
    const char* hold = std::getenv("GRV_SKINPKG_HOLD_MS");
    return hold ? static_cast<UINT>(std::atoi(hold)) : 0;
}

// The box's text is the static control with text (its id differs between Windows and Wine).
BOOL CALLBACK ReadText(HWND child, LPARAM) {
    wchar_t className[32] = {}, text[256] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Static") == 0 && GetWindowTextW(child, text, 256) > 0) {
        seen.text = text;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK CloseBox(HWND box, UINT, UINT_PTR id, DWORD) {
    KillTimer(box, id);
    EnumChildWindows(box, ReadText, 0);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t className[64] = {};
        GetClassNameW(window, className, 64);
        if (std::wstring(className) == L"#32770") {
            ++seen.boxes;
            wchar_t buffer[256] = {};
            GetWindowTextW(window, buffer, 256);
            seen.caption = buffer;
            seen.style = GetWindowLongW(window, GWL_STYLE);
            SetTimer(window, 1, HoldMilliseconds() + 1, CloseBox);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

class MessageBoxWatch : public ::testing::Test {
protected:
    void SetUp() override {
        seen = Seen{};
        hook = SetWindowsHookExW(WH_CBT, Watch, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
    }
    void TearDown() override { UnhookWindowsHookEx(hook); }
};

} // namespace

TEST_F(MessageBoxWatch, UnknownFormatShowsTheMessageBoxByDefault) {
    std::vector<std::uint8_t> package(96, 0);
    package[0] = 0x10, package[1] = 0x27; // 10000
    TSkinReader reader;
    EXPECT_FALSE(reader.LoadPackage(LzhCompress(package)));
    EXPECT_EQ(seen.boxes, 1);
    EXPECT_EQ(seen.text, L"此文件版本不同\r请升级新版本 !");
    EXPECT_FALSE(seen.caption.empty());
}

TEST_F(MessageBoxWatch, AReplacedNotifierShowsNoBox) {
    std::string caught;
    const SkinNotifier previous = SetSkinNotifier([&](const std::string& text) { caught = text; });
    TSkinReader reader;
    EXPECT_FALSE(reader.LoadPackage({}));
    SetSkinNotifier(previous);
    EXPECT_EQ(seen.boxes, 0);
    EXPECT_EQ(caught, TSkinReader::UnknownFormatMessage);
}
