// The popup-menu painter and the skinned item drawing on a real menu loop: the border comes from the skin's
// menu background, the items are drawn by the item drawing, repaints replace the background instead of
// piling it up, and the current popup is forgotten with its painter.
#include "MenuTestSupport.h"

#include "skin/window/MenuItemPaint.h"
#include "skin/window/SkinMenuPopup.h"
#include "skin/window/WinSkinPopMenu.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Attaches a popup painter to every menu window this thread creates while it lives.
class PopupPainterHook {
public:
    PopupPainterHook() {
        self_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, Proc, nullptr, GetCurrentThreadId());
    }
    ~PopupPainterHook() {
        UnhookWindowsHookEx(hook_);
        self_ = nullptr;
    }
    std::vector<std::unique_ptr<TWinSkinPopMenu>> painters;

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp) {
        if (code == HCBT_CREATEWND && self_) {
            wchar_t name[32] = {};
            GetClassNameW(reinterpret_cast<HWND>(wp), name, 32);
            if (std::wstring(name) == L"#32768") {
                self_->painters.push_back(std::make_unique<TWinSkinPopMenu>());
                self_->painters.back()->Attach(reinterpret_cast<HWND>(wp), StoredSkin());
            }
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline PopupPainterHook* self_ = nullptr;
    HHOOK hook_ = nullptr;
};

SkinMenuModel SampleModel() {
    SkinMenuModel m;
    auto add = [&](const wchar_t* caption, int tag, bool enabled = true, bool checked = false) {
        SkinMenuItem item;
        item.caption = caption;
        item.tag = tag;
        item.enabled = enabled;
        item.checked = checked;
        m.items.push_back(item);
    };
    add(L"&Alpha\tCtrl+A", 1);
    add(L"-", 2);
    add(L"Beta", 3, true, true);
    add(L"Gamma", 4, false);
    return m;
}

TEST(PopupMenuPainter, SkinnedBorderAndItemsAndABackgroundReplacedOnEveryPaint) {
    TSkinData* skin = StoredSkin();
    ASSERT_TRUE(skin->MenuBackground && skin->MenuBackground->HasImage());
    ASSERT_TRUE(skin->MenuItem && skin->MenuItem->HasImage());
    PlainOwner owner;
    PopupPainterHook hook;
    auto popup = std::make_shared<TSkinMenuPopup>();
    popup->Build(SampleModel(), skin, nullptr);

    bool queried = false, currentWhileOpen = false;
    COLORREF border = CLR_INVALID, expectedBorder = CLR_INVALID;
    int before = 0, after = 0, mismatches = -1;
    DuringMenu([&] { TSkinMenuPopup::Track(popup, owner.handle, 200, 200); },
               [&](HWND menu) {
                   if (!menu) return EndMenu(), void();
                   queried = SendMessageW(menu, WM_SKIN_QUERY, 0, 0) == 1;
                   currentWhileOpen = CurrentPopup() != nullptr;
                   before = GdiObjectsInUse();
                   for (int i = 0; i < 40; ++i)
                       RedrawWindow(menu, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                   after = GdiObjectsInUse();
                   HDC dc = GetWindowDC(menu);
                   border = GetPixel(dc, 1, 1);
                   ReleaseDC(menu, dc);
                   if (TBitmap* background = CurrentPopupBackground())
                       expectedBorder = ColorToRGB(background->Canvas()->Pixel(1, 1));
                   // The first item on the screen is what the item drawing makes of it.
                   RECT item;
                   GetMenuItemRect(nullptr, popup->Handle(), 0, &item); // a popup's own window (Wine maps owner-relative)
                   const int w = item.right - item.left, h = item.bottom - item.top;
                   HDC screen = GetDC(nullptr);
                   HDC memory = CreateCompatibleDC(screen);
                   HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
                   HGDIOBJ old = SelectObject(memory, bitmap);
                   POINT client{0, 0};
                   ClientToScreen(menu, &client);
                   MenuItemDrawFacts facts;
                   facts.caption = L"&Alpha\tCtrl+A";
                   const RECT local{item.left - client.x, item.top - client.y, item.right - client.x,
                                    item.bottom - client.y};
                   SetViewportOrgEx(memory, -local.left, -local.top, nullptr);
                   DrawMenuItem(skin, memory, local, facts);
                   SetViewportOrgEx(memory, 0, 0, nullptr);
                   mismatches = 0;
                   for (int y = 0; y < h; y += 3)
                       for (int x = 0; x < w; x += 3)
                           mismatches += GetPixel(memory, x, y) != GetPixel(screen, item.left + x, item.top + y);
                   SelectObject(memory, old);
                   DeleteObject(bitmap);
                   DeleteDC(memory);
                   ReleaseDC(nullptr, screen);
                   EndMenu();
               });
    EXPECT_TRUE(queried) << "the menu window answers that it is skinned";
    EXPECT_TRUE(currentWhileOpen);
    EXPECT_EQ(CurrentPopup(), nullptr) << "forgotten when the menu window went away";
    EXPECT_EQ(after, before) << "40 frame paints";
    EXPECT_NE(border, CLR_INVALID);
    EXPECT_EQ(border, expectedBorder);
    EXPECT_EQ(mismatches, 0) << "the first item as drawn on the screen";
}

TEST(PopupMenuPainter, FreeingThePainterForgetsTheCurrentPopup) {
    PlainOwner owner;
    PopupPainterHook hook;
    auto popup = std::make_shared<TSkinMenuPopup>();
    popup->Build(SampleModel(), StoredSkin(), nullptr);
    bool current = false, forgotten = false;
    DuringMenu([&] { TSkinMenuPopup::Track(popup, owner.handle, 200, 200); },
               [&](HWND) {
                   current = CurrentPopup() != nullptr;
                   hook.painters.clear(); // freed while its menu is still open
                   forgotten = CurrentPopup() == nullptr;
                   EndMenu();
               });
    EXPECT_TRUE(current);
    EXPECT_TRUE(forgotten);
}

TEST(PopupMenuPainter, GdiObjectsStayFlatOverMenuCycles) {
    PlainOwner owner;
    PopupPainterHook hook;
    auto popup = std::make_shared<TSkinMenuPopup>();
    popup->Build(SampleModel(), StoredSkin(), nullptr);
    auto cycle = [&] {
        DuringMenu([&] { TSkinMenuPopup::Track(popup, owner.handle, 200, 200); }, [](HWND) { EndMenu(); }, 60);
        hook.painters.clear();
    };
    cycle();
    const int before = GdiObjectsInUse();
    for (int i = 0; i < 25; ++i) cycle();
    EXPECT_LE(GdiObjectsInUse() - before, 2) << before;
}

} // namespace
