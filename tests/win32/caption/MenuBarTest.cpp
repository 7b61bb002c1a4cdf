// The skinned menu bar on a framework form: opened by mouse, Alt+letter and F10, walked with the arrow keys
// inside the system's menu loop (driven from timers), clicks reaching the items, menu changes picked up,
// the window destroyed with its menu open, and GDI objects over many openings.
#include "MenuTestSupport.h"

#include "runtime/BarCtrls.h"
#include "runtime/Forms.h"
#include "runtime/StdCtrls.h"
#include "runtime/Menus.h"
#include "skin/window/CaptionButtonRules.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinMenu.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr UINT MN_GETHMENU_ = 0x01E1;

const char* const MenuFormText = R"(object MenuTestForm: TForm
  Left = 120
  Top = 120
  BorderStyle = bsSizeable
  Caption = 'Menu bar'
  ClientHeight = 180
  ClientWidth = 360
  Menu = MainMenu1
  PopupMenu = PopupMenu1
  object Entry: TEdit
    Left = 8
    Top = 40
    Width = 120
    Height = 21
    TabOrder = 0
  end
  object Tools: TToolBar
    Left = 0
    Top = 0
    Width = 360
    Height = 26
    Menu = ToolMenu
  end
  object ToolMenu: TMainMenu
    object ToolsMenu: TMenuItem
      Caption = '&Tools'
      object ToolsOptions: TMenuItem
        Caption = '&Options'
      end
    end
  end
  object MainMenu1: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object FileOpen: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
      end
      object FileLine: TMenuItem
        Caption = '-'
      end
      object FileRecent: TMenuItem
        Caption = '&Recent'
        object Recent1: TMenuItem
          Caption = 'One'
        end
      end
    end
    object EditMenu: TMenuItem
      Caption = '&Edit'
      object EditCopy: TMenuItem
        Caption = '&Copy'
      end
    end
    object HelpMenu: TMenuItem
      Caption = '&Help'
      object HelpContents: TMenuItem
        Caption = '&Contents'
      end
    end
    object AboutItem: TMenuItem
      Caption = '&About'
    end
  end
  object PopupMenu1: TPopupMenu
    object PopupRefresh: TMenuItem
      Caption = '&Refresh'
    end
  end
end
)";

// A framework form with a main menu, skinned by the stored skin.
class MenuForm {
public:
    MenuForm() {
        StoredSkin();
        form = new TForm(Application);
        form->ReadFromText(MenuFormText);
        form->Show();
        SetForegroundWindow(form->Handle());
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 3000) {
            Pump(20);
            TWinSkinForm* p = Painter();
            if (p && p->SkinState == fsSkinned && p->Active && p->MenuBar) break;
        }
        Pump(200);
    }
    ~MenuForm() {
        delete form;
        Pump(50);
    }
    MenuForm(const MenuForm&) = delete;
    MenuForm& operator=(const MenuForm&) = delete;

    HWND Handle() const { return form->Handle(); }
    TWinSkinForm* Painter() const { return FramePainterOf(form->Handle()); }
    TMenuItem* Item(const char* name) const { return dynamic_cast<TMenuItem*>(form->FindComponent(name)); }
    TMenu* Menu(const char* name) const { return dynamic_cast<TMenu*>(form->FindComponent(name)); }
    // A screen point inside bar item `index`.
    POINT OnBarItem(int index) const {
        const TMenuBtn* item = Painter()->MenuBar->Item(index);
        RECT w;
        GetWindowRect(Handle(), &w);
        return {w.left + (item->Rect.left + item->Rect.right) / 2, w.top + (item->Rect.top + item->Rect.bottom) / 2};
    }

    TForm* form = nullptr;
};

// The menu shown by the open menu window, or none.
HMENU OpenMenu(HWND menuWindow) {
    return menuWindow ? reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU_, 0, 0)) : nullptr;
}

// Steps run one after another from timers while a menu loop runs (each gets the open menu window).
std::vector<std::function<void(HWND)>>* Steps = nullptr;
std::size_t NextStep = 0;

void CALLBACK StepTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = nullptr;
    for (HWND w = FindWindowW(L"#32768", nullptr); w; w = FindWindowExW(nullptr, w, L"#32768", nullptr))
        if (IsWindowVisible(w)) menu = w; // the last one found: the deepest open menu under Wine
    if (!Steps || NextStep >= Steps->size()) {
        KillTimer(nullptr, id);
        return;
    }
    (*Steps)[NextStep++](menu);
}

void RunSteps(const std::function<void()>& open, std::vector<std::function<void(HWND)>> steps) {
    Steps = &steps;
    NextStep = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 400, StepTimer);
    open();
    // The loop may end before the last step (it closed the menu): the rest run here.
    const DWORD start = GetTickCount();
    while (NextStep < steps.size() && GetTickCount() - start < 5000) Pump(20);
    KillTimer(nullptr, timer);
    Steps = nullptr;
}

void Click(POINT p) {
    MouseTo(p);
    Pump(100);
    MouseButton(true);
    MouseButton(false);
}

TEST(MenuBar, TheFormsMenuIsDrawnInTheFrameAndTheSystemHasNone) {
    MenuForm f;
    TWinSkinForm* p = f.Painter();
    ASSERT_NE(p, nullptr);
    ASSERT_NE(p->MenuBar, nullptr);
    EXPECT_EQ(GetMenu(f.Handle()), nullptr) << "the system draws no bar of its own";
    EXPECT_EQ(p->Metrics.M, GetSystemMetrics(SM_CYMENU));
    ASSERT_EQ(p->MenuBar->ItemCount(), 4);
    EXPECT_EQ(p->MenuBar->Item(0)->Caption, L"&File");
    EXPECT_EQ(p->MenuBar->Item(1)->SubMenu, f.Item("EditMenu")->Handle());
    EXPECT_EQ(p->MenuBar->Item(3)->SubMenu, nullptr);
    EXPECT_EQ(f.form->ClientHeight(), 180) << "the client keeps its size under the skinned bar";

    // Hot under the mouse: the item is framed in the skin's ButtonHilight colour.
    MouseTo(f.OnBarItem(1));
    ASSERT_TRUE([&] {
        for (int i = 0; i < 100; ++i) {
            Pump(20);
            if (p->MenuBar->Item(1)->State == NCStateHot) return true;
        }
        return false;
    }());
    Pump(150);
    RECT w;
    GetWindowRect(f.Handle(), &w);
    const RECT r = p->MenuBar->Item(1)->Rect;
    HDC screen = GetDC(nullptr);
    const COLORREF frame = GetPixel(screen, w.left + (r.left + r.right) / 2, w.top + r.top);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(frame, ColorToRGB(StoredSkin()->SkinColors.ButtonHilight));
    MouseTo({w.right + 40, w.bottom + 40});
    Pump(400);
}

TEST(MenuBar, OpensByMouseAndAltLetterAndTheArrowKeysMoveBetweenBarMenus) {
    MenuForm f;
    const HMENU file = f.Item("FileMenu")->Handle();
    const HMENU edit = f.Item("EditMenu")->Handle();
    const HMENU help = f.Item("HelpMenu")->Handle();
    HMENU byMouse = nullptr, afterRight = nullptr, afterSecondRight = nullptr, afterLeft = nullptr;
    bool skinned = false;
    RunSteps([&] { Click(f.OnBarItem(0)); },
             {[&](HWND menu) {
                  byMouse = OpenMenu(menu);
                  skinned = menu && SendMessageW(menu, WM_SKIN_QUERY, 0, 0) == 1;
                  Keys({{VK_RIGHT, true}, {VK_RIGHT, false}});
              },
              [&](HWND menu) {
                  afterRight = OpenMenu(menu);
                  Keys({{VK_RIGHT, true}, {VK_RIGHT, false}});
              },
              [&](HWND menu) {
                  afterSecondRight = OpenMenu(menu);
                  Keys({{VK_LEFT, true}, {VK_LEFT, false}});
              },
              [&](HWND menu) {
                  afterLeft = OpenMenu(menu);
                  EndMenu();
              }});
    EXPECT_EQ(byMouse, file);
    EXPECT_TRUE(skinned) << "the drop-down wears the skin";
    EXPECT_EQ(afterRight, edit);
    EXPECT_EQ(afterSecondRight, help);
    EXPECT_EQ(afterLeft, edit);

    // Alt+letter with the focus in an edit: through the program's loop and the framework's dialog keys.
    auto* entry = dynamic_cast<TWinControl*>(f.form->FindComponent("Entry"));
    ASSERT_NE(entry, nullptr);
    entry->SetFocus();
    HMENU fromEdit = nullptr;
    RunSteps([&] {
        SetForegroundWindow(f.Handle());
        Keys({{VK_MENU, true}, {'E', true}, {'E', false}, {VK_MENU, false}});
        for (int i = 0; i < 50 && !fromEdit; ++i) {
            Application->ProcessMessages();
            Sleep(10);
        }
    },
             {[&](HWND menu) {
                 fromEdit = OpenMenu(menu);
                 EndMenu();
             }});
    EXPECT_EQ(fromEdit, edit) << "Alt+E opens the bar item with accelerator E";

    HMENU byF10 = nullptr;
    RunSteps([&] { Keys({{VK_F10, true}, {VK_F10, false}}); },
             {[&](HWND menu) {
                 byF10 = OpenMenu(menu);
                 EndMenu();
             }});
    EXPECT_EQ(byF10, file) << "F10 opens the first bar item";

    // Left on the first bar menu wraps to the last bar item: About has no sub-menu, so it runs its click.
    int about = 0;
    f.Item("AboutItem")->OnClick = [&](TObject*) { ++about; };
    RunSteps([&] { SendMessageW(f.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0); },
             {[&](HWND) { Keys({{VK_LEFT, true}, {VK_LEFT, false}}); }, [&](HWND menu) {
                  if (menu) EndMenu();
              }});
    Pump(300);
    EXPECT_EQ(about, 1);
    EXPECT_FALSE(BarMenuOpen());
}

TEST(MenuBar, ChosenItemsAndBarItemsWithoutSubMenuRunTheirClick) {
    MenuForm f;
    int opened = 0, about = 0;
    f.Item("FileOpen")->OnClick = [&](TObject*) { ++opened; };
    f.Item("AboutItem")->OnClick = [&](TObject*) { ++about; };
    const HMENU file = f.Item("FileMenu")->Handle();
    RunSteps([&] { SendMessageW(f.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'); },
             {[&](HWND) {
                 RECT r{};
                 GetMenuItemRect(nullptr, file, 0, &r);
                 Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
             }});
    Pump(300);
    EXPECT_EQ(opened, 1);

    bool popupOpen = true;
    Click(f.OnBarItem(3));
    Pump(400);
    HWND menu = FindWindowW(L"#32768", nullptr);
    popupOpen = menu && IsWindowVisible(menu);
    EXPECT_EQ(about, 1);
    EXPECT_FALSE(popupOpen) << "a bar item without sub-items opens nothing";
}

TEST(MenuBar, MenuChangesArePickedUpWhileMenuUpdateIsOn) {
    MenuForm f;
    TSkinData* skin = StoredSkin();
    auto* extra = new TMenuItem(f.form);
    extra->SetCaption(L"&Window");
    f.Menu("MainMenu1")->Items()->Add(extra);
    Pump(100);
    TWinSkinForm* p = f.Painter();
    ASSERT_EQ(p->MenuBar->ItemCount(), 5);
    EXPECT_EQ(p->MenuBar->Item(4)->Caption, L"&Window");
    EXPECT_EQ(GetMenu(f.Handle()), nullptr);

    skin->MenuUpdate = false;
    f.Item("EditMenu")->SetCaption(L"&Change");
    Pump(100);
    EXPECT_EQ(p->MenuBar->Item(1)->Caption, L"&Edit") << "without MenuUpdate the bar keeps what it had";
    EXPECT_EQ(GetMenu(f.Handle()), nullptr) << "the system still draws no bar";
    skin->MenuUpdate = true;

    delete f.Menu("MainMenu1");
    Pump(200);
    p = f.Painter();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->MenuBar, nullptr) << "a form without a menu has no bar";
    EXPECT_EQ(p->Metrics.M, 0);
    EXPECT_EQ(f.form->ClientHeight(), 180);
}

TEST(MenuBar, AFormsContextMenuIsOwnerDrawnByTheSkin) {
    MenuForm f;
    TMenu* popup = f.Menu("PopupMenu1");
    ASSERT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(bool(f.Item("PopupRefresh")->OnDrawItem));
    EXPECT_NE(GetMenuState(popup->Handle(), 0, MF_BYPOSITION) & MF_OWNERDRAW, 0u);
    // Skinning switched off: the menu gets the system's look back, and the form its menu bar.
    StoredSkin()->SetActive(false);
    for (int i = 0; i < 100 && f.Painter(); ++i) Pump(20);
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_FALSE(bool(f.Item("PopupRefresh")->OnDrawItem));
    EXPECT_EQ(GetMenu(f.Handle()), f.Menu("MainMenu1")->Handle());
    EXPECT_EQ(f.form->ClientHeight(), 180);
    StoredSkin()->SetActive(true);
    Pump(300);
}

TEST(MenuBar, AToolBarsMenuIsSkinnedAndOpensBelowItsButton) {
    MenuForm f;
    auto* bar = dynamic_cast<TToolBar*>(f.form->FindComponent("Tools"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bool(bar->OnCustomDrawButton)) << "the skin draws the tool bar's buttons";
    EXPECT_TRUE(bool(f.Item("ToolsOptions")->OnDrawItem)) << "and its menu's items";
    int options = 0;
    f.Item("ToolsOptions")->OnClick = [&](TObject*) { ++options; };
    RECT button{};
    SendMessageW(bar->Handle(), TB_GETITEMRECT, 0, LPARAM(&button));
    MapWindowPoints(bar->Handle(), nullptr, reinterpret_cast<POINT*>(&button), 2);
    HMENU opened = nullptr;
    RECT menuRect{};
    RunSteps([&] { Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2}); },
             {[&](HWND menu) {
                 opened = OpenMenu(menu);
                 if (menu) GetWindowRect(menu, &menuRect);
                 RECT r{};
                 GetMenuItemRect(nullptr, f.Item("ToolsMenu")->Handle(), 0, &r); // found in its own window
                 Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
             }});
    Pump(300);
    EXPECT_EQ(opened, f.Item("ToolsMenu")->Handle());
    EXPECT_GE(menuRect.top, button.bottom - 1) << "below the button";
    EXPECT_EQ(options, 1);
}

TEST(MenuBar, DestroyingTheFormWithItsMenuOpenEndsTheLoopSafely) {
    auto f = std::make_unique<MenuForm>();
    const HWND handle = f->Handle();
    RunSteps([&] { SendMessageW(handle, WM_SYSCOMMAND, SC_KEYMENU, 'f'); },
             {[&](HWND) {
                 f.reset();
                 EndMenu();
             }});
    Pump(200);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(BarMenuOpen()) << "the filter hook and the tracking state are gone";
}

TEST(MenuBar, GdiObjectsStayFlatOverManyMenuOpenings) {
    MenuForm f;
    auto openAndClose = [&] {
        RunSteps([&] { SendMessageW(f.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'); }, {[&](HWND) { EndMenu(); }});
    };
    for (int i = 0; i < 3; ++i) openAndClose();
    Pump(200);
    const int before = GdiObjectsInUse();
    for (int i = 0; i < 25; ++i) openAndClose();
    Pump(200);
    EXPECT_EQ(GdiObjectsInUse(), before);
}

} // namespace
