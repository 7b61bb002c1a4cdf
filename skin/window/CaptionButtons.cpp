// The caption buttons of a skinned title bar and the skinned system menu: creating and freeing the buttons,
// their state and placement with every title paint, the non-client mouse, the hover timer, the keyboard's
// system menu and the show state kept from WM_SYSCOMMAND.
#include "skin/window/WinSkinForm.h"

#include "runtime/ExtCtrls.h"
#include "runtime/Graphics.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/CaptionButtonRules.h"
#include "skin/window/SkinMenuPopup.h"
#include "skin/window/SystemMenuModel.h"
#include "skin/window/WinSysButton.h"
#include "skin/window/WinSkinMenu.h"

#include <algorithm>

namespace {

SystemVersionFacts RunningVersion() {
    const DWORD v = GetVersion();
    SystemVersionFacts facts;
    facts.win9x = (v & 0x80000000u) != 0;
    facts.nt = !facts.win9x;
    facts.major = LOBYTE(LOWORD(v));
    facts.minor = HIBYTE(LOWORD(v));
    return facts;
}

bool IsMdiChild(const TWinSkinForm& f) { return f.WindowKind == wkMdiChild; }

POINT ScreenPointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

CaptionWindowFacts CaptionFacts(const TWinSkinForm& f) {
    CaptionWindowFacts facts;
    facts.showState = f.ShowState;
    facts.active = f.Active;
    facts.captionBox = f.CaptionBoxes;
    facts.borderKind = f.BorderKind;
    facts.systemDialog = f.SystemDialog;
    facts.mdiChildMaximized = f.MdiChildMaximized();
    facts.hasMenuBar = f.MenuBar != nullptr;
    return facts;
}

// Visibility, enabled state and place of every button, as the title is painted.
void UpdateCaptionButtons(TWinSkinForm& f, int windowWidth) {
    const CaptionWindowFacts facts = CaptionFacts(f);
    const HWND window = f.Handle;
    const TAskButtonVisible ask = [window](int code, int action) {
        return static_cast<int>(SendMessageW(window, WM_SKIN_BUTTONVISIBLE, static_cast<WPARAM>(code), action));
    };
    CaptionPlacementFacts place;
    place.windowWidth = windowWidth;
    place.captionLeft = f.CaptionTextRect.left;
    place.captionRight = f.CaptionTextRect.right;
    place.rightBorder = f.Metrics.R;
    place.topBorder = f.Metrics.T;
    place.menuHeight = f.Metrics.M;
    TDataSkinObject* bar = f.SkinData ? f.SkinData->MenuBar.get() : nullptr;
    place.menuBarLeft = bar && bar->HasImage() ? bar->LeftWidth : 0;
    f.RightButtonsLeft = 0;
    for (TWinSysButton* button : f.CaptionButtons) {
        const TDataSkinSysButton& e = *button->Element;
        const CaptionButtonState s =
            UpdateButtonState(e.Visibility, e.Visibility1, e.Action, button->Enabled, facts, ask);
        button->Visible = s.visible;
        button->Enabled = s.enabled;
        const SIZE size = button->FrameSize();
        if (!button->Visible || size.cx <= 0 || size.cy <= 0) continue;
        const GeoRect r = PlaceButton(e.Align, e.XCoord, e.YCoord, size.cx, size.cy, place);
        button->Rect = {r.left, r.top, r.right, r.bottom};
        if (e.Align == 1) f.RightButtonsLeft = std::max(f.RightButtonsLeft, r.left);
    }
}

// The message's point in window coordinates, as the hit test converts it.
POINT WindowPointOf(const TWinSkinForm& f, LPARAM lParam) {
    POINT p = ScreenPointOf(lParam);
    ScreenToClient(f.Handle, &p);
    if (!(IsMdiChild(f) && f.ShowState == ssMaximized)) {
        p.x += f.Metrics.L;
        p.y += f.Metrics.T + f.Metrics.M;
    }
    return p;
}

TWinSysButton* CaptionButtonAt(const TWinSkinForm& f, POINT p) {
    std::vector<CaptionButtonHit> hits;
    hits.reserve(f.CaptionButtons.size());
    for (const TWinSysButton* b : f.CaptionButtons)
        hits.push_back({b->Visible && b->FrameSize().cx > 0, b->Action(),
                        {b->Rect.left, b->Rect.top, b->Rect.right, b->Rect.bottom}});
    const int index = ButtonAt(hits, p.x, p.y);
    return index < 0 ? nullptr : f.CaptionButtons[static_cast<std::size_t>(index)];
}

void StopHoverTimer(TWinSkinForm& f) {
    if (f.HoverTimer) f.HoverTimer->SetEnabled(false);
}

void RestoreWindow(TWinSkinForm& f) {
    f.ShowState = ssNormal;
    PostMessageW(f.Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void ToggleMaximize(TWinSkinForm& f) {
    if (f.ShowState == ssMaximized) return RestoreWindow(f);
    if (IsMdiChild(f) && SkinManager) SkinManager->SetMdiMaximized(true);
    f.ShowState = ssMaximized;
    PostMessageW(f.Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    f.CurrentObject = nullptr;
}

void ToggleMinimize(TWinSkinForm& f) {
    if (f.ShowState == ssMinimized) return RestoreWindow(f);
    f.ShowState = ssMinimized;
    if ((f.CaptionBoxes & cbSystemMenu) && !(f.CaptionBoxes & cbCaptionStyleWorkaround))
        SetWindowLongW(f.Handle, GWL_STYLE, GetWindowLongW(f.Handle, GWL_STYLE) | WS_SYSMENU);
    PostMessageW(f.Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void CloseWindow(TWinSkinForm& f, UINT message) {
    StopHoverTimer(f);
    if (message == WM_CLOSE)
        PostMessageW(f.Handle, WM_CLOSE, 0, 0);
    else
        PostMessageW(f.Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void SendToActiveMdiChild(TWinSkinForm& f, UINT command) {
    if (f.WindowKind != wkMdiFrame || !f.MdiClientWindow) return;
    const HWND child = reinterpret_cast<HWND>(SendMessageW(f.MdiClientWindow, WM_MDIGETACTIVE, 0, 0));
    if (child) SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

std::vector<SystemMenuSourceItem> ReadSystemMenu(HMENU menu) {
    std::vector<SystemMenuSourceItem> items;
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 255;
        if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            items.push_back({text, info.wID, info.fState, (info.fType & MFT_SEPARATOR) != 0});
    }
    return items;
}

// Builds the skinned system menu afresh and runs it at the screen point; then what was chosen acts on the
// window, if the window and this painter outlived the menu loop.
void OpenSystemMenu(TWinSkinForm& f, POINT screenPoint) {
    const HMENU systemMenu = GetSystemMenu(f.Handle, FALSE);
    SystemMenuWindowFacts facts;
    facts.showState = f.ShowState;
    facts.captionBox = f.CaptionBoxes;
    facts.hasSystemMenu = systemMenu != nullptr && (f.CaptionBoxes & cbSystemMenu);
    if (!f.SystemMenu) f.SystemMenu = std::make_shared<TSkinMenuPopup>();
    f.SystemMenu->Build(BuildSystemMenu(RunningVersion(), facts, ReadSystemMenu(systemMenu)), f.SkinData,
                        f.SkinData ? f.SkinData->MenuGlyphs.get() : nullptr);
    const std::shared_ptr<TSkinMenuPopup> popup = f.SystemMenu;
    const std::shared_ptr<bool> alive = f.AliveFlag();
    const HWND window = f.Handle;
    f.MenuTracking = true;
    const int chosen = TSkinMenuPopup::Track(popup, window, screenPoint.x, screenPoint.y);
    // The menu loop ran the program's messages: the window, and this painter with it, may be gone.
    if (!*alive) return;
    f.MenuTracking = false;
    if (chosen < 0 || !IsWindow(window) || f.SkinState == fsDetaching || f.SkinState == fsDestroyed) return;
    const SystemMenuChoice choice = ChooseSystemMenuItem(popup->Model(), popup->Model().items[chosen]);
    switch (choice.effect) {
    case TSystemMenuEffect::Restore: RestoreWindow(f); break;
    case TSystemMenuEffect::ToggleMaximize: ToggleMaximize(f); break;
    case TSystemMenuEffect::ToggleMinimize: ToggleMinimize(f); break;
    case TSystemMenuEffect::Close: CloseWindow(f, WM_CLOSE); break;
    case TSystemMenuEffect::SysCommand: PostMessageW(f.Handle, WM_SYSCOMMAND, choice.command, 0); break;
    case TSystemMenuEffect::None: break;
    }
}

// A second click within the double-click time while the icon button is pressed closes the window.
void SystemMenuAt(TWinSkinForm& f, POINT screenPoint) {
    const DWORD now = GetTickCount();
    if (now - f.LastSystemMenuClick > f.DoubleClickTime) {
        if (SkinManager) SkinManager->popupKind = 2;
        f.LastSystemMenuClick = now;
        OpenSystemMenu(f, screenPoint);
    } else if (f.CurrentObject) {
        CloseWindow(f, WM_CLOSE);
    }
}

void RunButtonAction(TWinSkinForm& f, TWinSysButton* button, POINT screenPoint) {
    const int action = button->Action();
    switch (ActionKindOf(action)) {
    case TButtonActionKind::Close: {
        const HMENU menu = GetSystemMenu(f.Handle, FALSE);
        if (CloseItemAssumed(RunningVersion()) || (menu && GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != UINT(-1)))
            CloseWindow(f, WM_SYSCOMMAND);
        break;
    }
    case TButtonActionKind::Maximize:
        if (button->Enabled) ToggleMaximize(f);
        break;
    case TButtonActionKind::Minimize:
        if (button->Enabled) ToggleMinimize(f);
        break;
    case TButtonActionKind::SystemMenu: SystemMenuAt(f, {screenPoint.x + 1, screenPoint.y + 1}); break;
    case TButtonActionKind::MdiMinimize: SendToActiveMdiChild(f, SC_MINIMIZE); break;
    case TButtonActionKind::MdiRestore: SendToActiveMdiChild(f, SC_RESTORE); break;
    case TButtonActionKind::MdiClose: SendToActiveMdiChild(f, SC_CLOSE); break;
    case TButtonActionKind::Custom:
        PostMessageW(f.Handle, WM_SKIN_BUTTONACTION, static_cast<WPARAM>(action), 0);
        break;
    }
}

// The mouse over a menu-bar item: hot under the mouse, opened by a press.
bool BarItemMouseMessage(TWinSkinForm& f, TMenuBtn& item, UINT msg) {
    switch (msg) {
    case WM_NCMOUSEMOVE:
        if (f.Active && !f.MenuTracking) item.MouseMove();
        return true;
    case WM_NCLBUTTONDOWN:
        if (!f.Active) SetForegroundWindow(f.Handle);
        OpenBarItem(f, item.Index);
        return true;
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
        return true;
    default: return false;
    }
}

} // namespace

void TWinSkinForm::CreateCaptionButtons() {
    FreeCaptionButtons();
    if (!SkinData) return;
    for (const auto& element : SkinData->SysButtons)
        if (element) CaptionButtons.push_back(new TWinSysButton(this, element.get()));
}

void TWinSkinForm::FreeCaptionButtons() {
    CurrentObject = nullptr;
    for (TWinSysButton* button : CaptionButtons) {
        button->Owner = nullptr;
        delete button;
    }
    CaptionButtons.clear();
}

void TWinSkinForm::DrawCaptionButtons(HDC titleDc) {
    RECT window;
    GetWindowRect(Handle, &window);
    UpdateCaptionButtons(*this, window.right - window.left);
    for (TWinSysButton* button : CaptionButtons) {
        if (!button->Visible || button->FrameSize().cx <= 0) continue;
        button->State = NCStateNormal;
        // The active MDI child's buttons sit in the menu bar, drawn in their first frame.
        if (button->Element->Visibility == VisibilityMenuBar)
            button->DrawTo(titleDc, 1);
        else
            button->DrawTo(titleDc, ButtonTitleFrame(Active, button->Enabled, button->Element->FrameCount));
    }
    // The first mouse move after a paint makes the button under the mouse hot again.
    CurrentObject = nullptr;
}

bool TWinSkinForm::CaptionMouseMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    const POINT at = WindowPointOf(*this, lParam);
    TWinSysButton* button = CaptionButtonAt(*this, at);
    if (!button && MenuBar)
        if (TMenuBtn* item = MenuBar->ItemAt(at)) return BarItemMouseMessage(*this, *item, msg);
    switch (msg) {
    case WM_NCMOUSEMOVE:
        if (!Active) return true;
        if (button) {
            // While a button is held down, no other button takes over: releasing there must not act.
            const bool held = CurrentObject && CurrentObject != button && CurrentObject->State == NCStatePressed &&
                              GetKeyState(VK_LBUTTON) < 0;
            if (!held) button->MouseMove();
            return true;
        }
        if (CurrentObject) {
            CurrentObject->MouseLeave();
            CurrentObject = nullptr;
        }
        return false;
    case WM_NCLBUTTONDOWN:
        if (button) {
            if (!Active) SetForegroundWindow(Handle);
            button->MouseDown();
            return true;
        }
        if (ShowState == ssMaximized && Active && wParam == HTCAPTION) {
            // A maximized window cannot be dragged by its caption.
            result = Default(msg, HTMENU, lParam);
            return true;
        }
        return false;
    case WM_NCLBUTTONUP:
        if (!button) return false;
        if (button == CurrentObject) {
            button->MouseUp();
            RunButtonAction(*this, button, ScreenPointOf(lParam));
        }
        return true;
    case WM_NCLBUTTONDBLCLK:
        if (button) {
            if (button->ShowsIcon())
                CloseWindow(*this, WM_SYSCOMMAND);
            else
                button->MouseDown(); // the second click of a quick pair: its release acts again
            return true;
        }
        if (ShowState != ssNormal) {
            RestoreWindow(*this);
            return true;
        }
        if (CaptionBoxes & cbMaximize) {
            ToggleMaximize(*this);
            return true;
        }
        return false;
    case WM_NCRBUTTONDOWN:
        if (wParam == HTCAPTION && !IsMdiChild(*this)) {
            SystemMenuAt(*this, ScreenPointOf(lParam));
            return true;
        }
        return false;
    default: return false;
    }
}

bool TWinSkinForm::CaptionSysCommand(WPARAM wParam, LPARAM lParam) {
    switch (SysCommandId(static_cast<unsigned>(wParam))) {
    case ScKeyMenu:
        if (OpenBarItemForKey(*this, static_cast<wchar_t>(lParam))) return true;
        // An MDI child's keys reach the frame's menu bar (its own system menu keeps Alt+Space and Alt+-).
        if (IsMdiChild(*this) && lParam != ' ' && lParam != '-')
            if (TWinSkinForm* frame = FramePainterOf(GetAncestor(Handle, GA_ROOT));
                frame && frame != this && OpenBarItemForKey(*frame, static_cast<wchar_t>(lParam)))
                return true;
        if (lParam == ' ' && !MenuTracking) {
            POINT origin{0, 0};
            ClientToScreen(Handle, &origin);
            if (SkinManager) SkinManager->popupKind = 2;
            OpenSystemMenu(*this, origin);
            return true;
        }
        break;
    case ScMinimize:
        ShowState = ssMinimized;
        if (IsMdiChild(*this)) SetCaptionStyle(true);
        break;
    case ScMaximize:
        ShowState = ssMaximized;
        // However the child is maximized (button, menu, keyboard), the other children let go of their regions.
        if (IsMdiChild(*this) && SkinManager) SkinManager->SetMdiMaximized(true);
        break;
    case ScRestore:
        ShowState = ssNormal;
        if (IsMdiChild(*this)) {
            SetCaptionStyle(false);
            if (SkinManager) SkinManager->SetMdiMaximized(false);
        }
        break;
    default: break;
    }
    return false;
}

void TWinSkinForm::TrackHover() {
    if (MenuTracking || !CurrentObject) return;
    POINT p;
    GetCursorPos(&p);
    RECT window;
    GetWindowRect(Handle, &window);
    p.x -= window.left;
    p.y -= window.top;
    if (!PtInRect(&CurrentObject->Rect, p)) {
        CurrentObject->MouseLeave();
        CurrentObject = nullptr;
    }
}

void TWinSkinForm::ForgetCurrentObject() { CurrentObject = nullptr; }

void TWinSkinForm::FreeSystemMenu() { SystemMenu.reset(); }
