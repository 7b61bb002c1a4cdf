// Caption buttons and the skinned system menu of a skinned window, driven by real mouse and keyboard input.
#include "CaptionTestSupport.h"

#include "skin/window/CaptionButtonRules.h"
#include "skin/window/SkinMenuPopup.h"
#include "skin/window/WinSkinPopMenu.h"

#include <gtest/gtest.h>

namespace {

constexpr int PinAction = 40; // the stored skin's custom button, shown to windows that answer code 1000

TEST(CaptionButtons, HoverPressReleaseRunsTheActionThroughStates1323) {
    SkinnedWindow w;
    ASSERT_NE(w.painter, nullptr);
    TWinSysButton* pin = w.Button(PinAction);
    ASSERT_NE(pin, nullptr) << "the window answers WM_SKIN_BUTTONVISIBLE for code 1000";
    EXPECT_EQ(w.Button(41), nullptr) << "code 1001 is answered 0";
    const int cx = (pin->Rect.right - pin->Rect.left) / 2, cy = (pin->Rect.bottom - pin->Rect.top) / 2;
    EXPECT_EQ(pin->State, NCStateNormal);

    MouseTo(w.On(pin));
    Pump(200);
    EXPECT_EQ(pin->State, NCStateHot);
    EXPECT_EQ(w.Painter()->CurrentObject, pin);
    EXPECT_EQ(w.ScreenPixel(pin, cx, cy), StripPixel(pin, 3, cx, cy)) << "the hot frame is drawn";

    MouseButton(true);
    Pump(200);
    EXPECT_EQ(pin->State, NCStatePressed);
    EXPECT_EQ(w.ScreenPixel(pin, cx, cy), StripPixel(pin, 2, cx, cy)) << "the pressed frame is drawn";
    EXPECT_TRUE(Log().buttonActions.empty()) << "nothing happens on the press";

    MouseButton(false);
    Pump(200);
    EXPECT_EQ(pin->State, NCStateHot);
    ASSERT_EQ(Log().buttonActions.size(), 1u);
    EXPECT_EQ(Log().buttonActions[0], WPARAM(PinAction));

    // Leaving into the client area: the hover timer puts the button back to normal.
    MouseTo(w.InClient());
    Pump(700);
    EXPECT_EQ(pin->State, NCStateNormal);
    EXPECT_EQ(w.Painter()->CurrentObject, nullptr);
    EXPECT_EQ(w.ScreenPixel(pin, cx, cy), StripPixel(pin, 1, cx, cy));
}

TEST(CaptionButtons, PressOnOneReleaseOnAnotherOrElsewhereDoesNothing) {
    SkinnedWindow w;
    TWinSysButton* close = w.Button(0);
    TWinSysButton* minimize = w.Button(2);
    ASSERT_TRUE(close && minimize);

    MouseTo(w.On(minimize));
    Pump(150);
    MouseButton(true);
    Pump(150);
    MouseTo(w.On(close));
    Pump(150);
    MouseButton(false);
    Pump(300);
    EXPECT_TRUE(IsWindow(w.handle)) << "the close button did not act";
    EXPECT_FALSE(IsIconic(w.handle)) << "the minimize button did not act";

    MouseTo(w.On(close));
    Pump(150);
    MouseButton(true);
    Pump(150);
    MouseTo(w.InClient());
    Pump(150);
    MouseButton(false);
    Pump(400);
    EXPECT_TRUE(IsWindow(w.handle));
    EXPECT_TRUE(Log().sysCommands.empty());

    // Pressed and released on the same button: the close button closes.
    MouseTo(w.On(close));
    Pump(150);
    MouseButton(true);
    Pump(100);
    MouseButton(false);
    Pump(400);
    EXPECT_FALSE(IsWindow(w.handle));
}

TEST(CaptionButtons, MaximizeWithoutMaximizeBoxIsDrawnDisabledAndDoesNothing) {
    SkinnedWindow w(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    TWinSysButton* maximize = w.Button(1);
    ASSERT_NE(maximize, nullptr);
    EXPECT_FALSE(maximize->Enabled);
    const int cx = (maximize->Rect.right - maximize->Rect.left) / 2, cy = 6;
    MouseTo(w.On(maximize));
    Pump(150);
    MouseButton(true);
    Pump(150);
    // Three frames: a disabled button shows the first whatever its state.
    EXPECT_EQ(w.ScreenPixel(maximize, cx, cy), StripPixel(maximize, 1, cx, cy));
    MouseButton(false);
    Pump(400);
    EXPECT_FALSE(IsZoomed(w.handle));
    EXPECT_TRUE(Log().sysCommands.empty());
    TWinSysButton* minimize = w.Button(2);
    ASSERT_NE(minimize, nullptr);
    EXPECT_TRUE(minimize->Enabled);
}

TEST(CaptionButtons, TwoClicksOnTheIconWithinTheDoubleClickTimeClose) {
    SkinnedWindow w;
    TWinSysButton* icon = w.Button(3);
    ASSERT_NE(icon, nullptr);
    w.Painter()->DoubleClickTime = 10000;
    bool menuSkinned = false;
    DuringMenu(
        [&] {
            MouseTo(w.On(icon));
            Pump(100);
            MouseButton(true);
            MouseButton(false);
            Pump(1200);
        },
        [&](HWND menu) {
            menuSkinned = menu && SendMessageW(menu, WM_SKIN_QUERY, 0, 0) == 1;
            EndMenu();
        });
    EXPECT_TRUE(menuSkinned) << "the first click opens the skinned system menu";
    ASSERT_TRUE(IsWindow(w.handle));
    // The second click presses the icon again within the double-click time: the window closes.
    MouseTo(w.On(icon));
    Pump(100);
    MouseButton(true);
    MouseButton(false);
    Pump(600);
    EXPECT_FALSE(IsWindow(w.handle));

    // After the double-click time a click opens the menu again instead.
    SkinnedWindow late;
    late.Painter()->DoubleClickTime = 0;
    for (int i = 0; i < 2; ++i) {
        bool opened = false;
        DuringMenu(
            [&] {
                MouseTo(late.On(late.Button(3)));
                Pump(100);
                MouseButton(true);
                MouseButton(false);
                Pump(1000);
            },
            [&](HWND menu) {
                opened = menu != nullptr;
                EndMenu();
            });
        EXPECT_TRUE(opened) << i;
        EXPECT_TRUE(IsWindow(late.handle)) << i;
    }
    // A double-click on the icon closes at once.
    const POINT p = late.On(late.Button(3));
    SendMessageW(late.handle, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(p.x, p.y));
    Pump(300);
    EXPECT_FALSE(IsWindow(late.handle));
}

TEST(CaptionButtons, DoubleClickOnTheCaptionMaximizesAndRestores) {
    SkinnedWindow w;
    const POINT p = w.OnCaption();
    SendMessageW(w.handle, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(p.x, p.y));
    Pump(300);
    EXPECT_TRUE(IsZoomed(w.handle));
    EXPECT_EQ(w.Painter()->ShowState, ssMaximized);
    const POINT q = w.OnCaption();
    SendMessageW(w.handle, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(q.x, q.y));
    Pump(300);
    EXPECT_FALSE(IsZoomed(w.handle));
    EXPECT_EQ(w.Painter()->ShowState, ssNormal);
}

// Opens the system menu with Alt+Space, finds the item with that command and clicks it.
void ChooseFromSystemMenu(SkinnedWindow& w, unsigned command, bool* skinned = nullptr) {
    DuringMenu(
        [&] {
            SetForegroundWindow(w.handle);
            Keys({{VK_MENU, true}, {VK_SPACE, true}, {VK_SPACE, false}, {VK_MENU, false}});
            Pump(1500);
        },
        [&](HWND menuWindow) {
            if (skinned) *skinned = menuWindow && SendMessageW(menuWindow, WM_SKIN_QUERY, 0, 0) == 1;
            TWinSkinForm* p = w.Painter();
            if (!menuWindow || !p || !p->SystemMenu) {
                EndMenu();
                return;
            }
            const auto& items = p->SystemMenu->Model().items;
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (items[i].tag != static_cast<int>(command)) continue;
                RECT r;
                GetMenuItemRect(w.handle, p->SystemMenu->Handle(), static_cast<UINT>(i), &r);
                MouseTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                MouseButton(true);
                MouseButton(false);
                return;
            }
            EndMenu();
        });
    Pump(300);
}

TEST(SystemMenu, AltSpaceOpensItAndItsItemsActOnTheWindow) {
    SkinnedWindow w;
    bool skinned = false;
    ChooseFromSystemMenu(w, SC_MAXIMIZE, &skinned);
    EXPECT_TRUE(skinned);
    EXPECT_TRUE(IsZoomed(w.handle));
    ChooseFromSystemMenu(w, SC_RESTORE);
    EXPECT_FALSE(IsZoomed(w.handle));
    ChooseFromSystemMenu(w, SC_MINIMIZE);
    EXPECT_TRUE(IsIconic(w.handle));
    ShowWindow(w.handle, SW_RESTORE);
    Pump(300);
    ChooseFromSystemMenu(w, SC_CLOSE);
    EXPECT_FALSE(IsWindow(w.handle));
}

TEST(SystemMenu, MirrorsTheWindowsMenuWithGlyphsAndStates) {
    SkinnedWindow w;
    std::vector<SkinMenuItem> items;
    std::vector<UINT> states;
    COLORREF border = CLR_INVALID, expectedBorder = CLR_INVALID;
    DuringMenu([&] { SendMessageW(w.handle, WM_SYSCOMMAND, SC_KEYMENU, ' '); },
               [&](HWND menuWindow) {
                   TWinSkinForm* p = w.Painter();
                   if (p && p->SystemMenu) {
                       items = p->SystemMenu->Model().items;
                       for (std::size_t i = 0; i < items.size(); ++i)
                           states.push_back(GetMenuState(p->SystemMenu->Handle(), UINT(i), MF_BYPOSITION));
                   }
                   if (menuWindow && CurrentPopupBackground()) {
                       HDC dc = GetWindowDC(menuWindow);
                       border = GetPixel(dc, 1, 1);
                       ReleaseDC(menuWindow, dc);
                       expectedBorder = ColorToRGB(CurrentPopupBackground()->Canvas()->Pixel(1, 1));
                   }
                   EndMenu();
               });
    const HMENU system = GetSystemMenu(w.handle, FALSE);
    ASSERT_EQ(items.size(), static_cast<std::size_t>(GetMenuItemCount(system)));
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        const UINT id = GetMenuItemID(system, int(i));
        EXPECT_EQ(items[i].tag, id == UINT(-1) ? 0 : int(id));
        EXPECT_NE(states[i] & MF_OWNERDRAW, 0u);
        if (items[i].tag == SC_RESTORE) {
            EXPECT_FALSE(items[i].enabled) << "a normal window cannot be restored";
            EXPECT_EQ(items[i].imageIndex, 0);
        }
        if (items[i].tag == SC_CLOSE) {
            EXPECT_EQ(items[i].imageIndex, 3);
        }
    }
    EXPECT_NE(border, CLR_INVALID) << "the popup painted its skinned border";
    EXPECT_EQ(border, expectedBorder);
    EXPECT_EQ(CurrentPopup(), nullptr) << "the current popup is forgotten with its painter";
}

TEST(SystemMenu, WindowDestroyedInsideTheMenuLoop) {
    auto w = std::make_unique<SkinnedWindow>();
    const HWND handle = w->handle;
    DuringMenu([&] { SendMessageW(handle, WM_SYSCOMMAND, SC_KEYMENU, ' '); },
               [&](HWND) {
                   DestroyWindow(handle);
                   if (SkinManager) SkinManager->PurgePainters(); // the painter is freed while its loop runs
                   EndMenu();
               });
    EXPECT_FALSE(IsWindow(handle));
    Pump(100);
}

TEST(PopupMenus, AContextMenuIsSkinnedOnlyWithPopupMenusOn) {
    SkinnedWindow w;
    TSkinData* skin = StoredSkin();
    const TSkinControlTypes saved = skin->SkinControls;
    struct {
        TSkinControlTypes controls;
        bool skinned;
    } cases[] = {{saved | SetBit(xcPopupMenu), true}, {saved & ~SetBit(xcPopupMenu), false}};
    for (const auto& c : cases) {
        skin->SkinControls = c.controls;
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, L"One");
        bool skinned = !c.skinned;
        DuringMenu(
            [&] {
                const POINT p = w.InClient();
                // Announced to nobody: the skin manager takes it for a popup (context) menu.
                TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, p.x, p.y, 0, w.handle, nullptr);
            },
            [&](HWND menuWindow) {
                skinned = menuWindow && SendMessageW(menuWindow, WM_SKIN_QUERY, 0, 0) == 1;
                EndMenu();
            });
        DestroyMenu(menu);
        EXPECT_EQ(skinned, c.skinned) << c.controls;
    }
    // The system menu needs its own member.
    skin->SkinControls = saved & ~SetBit(xcSystemMenu);
    bool skinned = true;
    DuringMenu([&] { SendMessageW(w.handle, WM_SYSCOMMAND, SC_KEYMENU, ' '); },
               [&](HWND menuWindow) {
                   skinned = menuWindow && SendMessageW(menuWindow, WM_SKIN_QUERY, 0, 0) == 1;
                   EndMenu();
               });
    EXPECT_FALSE(skinned);
    skin->SkinControls = saved;
}

TEST(CaptionButtons, GdiObjectsStayFlatOverHoverAndMenuCycles) {
    SkinnedWindow w;
    TWinSysButton* close = w.Button(0);
    ASSERT_NE(close, nullptr);
    auto hover = [&] {
        const POINT on = w.On(close), off = w.OnCaption();
        SendMessageW(w.handle, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(on.x, on.y));
        SendMessageW(w.handle, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(off.x, off.y));
    };
    auto menu = [&] {
        DuringMenu([&] { SendMessageW(w.handle, WM_SYSCOMMAND, SC_KEYMENU, ' '); },
                   [&](HWND menuWindow) {
                       // Every frame paint composes the background again: it must replace the old one.
                       for (int i = 0; menuWindow && i < 20; ++i)
                           RedrawWindow(menuWindow, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                       EndMenu();
                   },
                   100);
    };
    hover();
    menu();
    Pump(100);
    const int before = GdiObjectsInUse();
    for (int i = 0; i < 200; ++i) hover();
    for (int i = 0; i < 15; ++i) menu();
    Pump(100);
    const int after = GdiObjectsInUse();
    EXPECT_LE(after - before, 3) << before << " -> " << after;
}

} // namespace
