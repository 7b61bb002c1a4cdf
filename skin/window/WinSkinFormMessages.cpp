// The frame painter's window procedure (three stages), the framework form's handler, and the two
// non-client geometry messages.
#include "skin/window/WinSkinForm.h"

#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "runtime/Menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/WinSkinMenu.h"

#include <commctrl.h>

namespace {

bool IsSystemCommandId(WORD id) {
    switch (id) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW: case SC_PREVWINDOW:
    case SC_CLOSE: case SC_RESTORE:
        return true;
    default:
        return false;
    }
}

constexpr UINT WM_NCUAHDRAWCAPTION = 0xAE;

} // namespace

LRESULT TWinSkinForm::WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool rawWindow = Form == nullptr;
    const bool mdiChild = WindowKind == wkMdiChild;
    // Stage A: always.
    switch (msg) {
    case WM_NCPAINT:
        if (SkinState == fsAttached) return 0;
        break;
    case WM_ERASEBKGND: {
        Default(msg, wParam, lParam);
        if (rawWindow && SkinData && SkinData->FaceBrush) {
            RECT r{};
            GetClientRect(Handle, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, SkinData->FaceBrush);
        }
        return 1;
    }
    case WM_NCDESTROY: {
        SkinState = fsDetaching;
        DetachOnDestroy();
        const HWND window = Handle;
        const LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
        Unsubclass();
        SkinState = fsDestroyed;
        return result;
    }
    case WM_NCACTIVATE:
        // Before the window is skinned the system draws no caption of its own. A deactivation is never
        // refused (answering FALSE to it would keep the window active).
        if (SkinState == fsAttached && !mdiChild) return wParam ? 0 : TRUE;
        break;
    case WM_NCUAHDRAWCAPTION:
        return 0;
    case WM_INITMENUPOPUP:
        if (SkinManager) SkinManager->popupKind = HIWORD(lParam) ? 2 : 1;
        return Default(msg, wParam, lParam);
    case WM_CTLCOLORBTN: {
        const LRESULT result = Default(msg, wParam, lParam);
        if (!rawWindow) return result;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (SkinData) SetTextColor(reinterpret_cast<HDC>(wParam), ColorToRGB(SkinData->SkinColors.ButtonText));
        return result;
    }
    case WM_CTLCOLORSTATIC: {
        const LRESULT result = Default(msg, wParam, lParam);
        if (!rawWindow || !SkinData || !SkinData->FaceBrush) return result;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        SetTextColor(reinterpret_cast<HDC>(wParam), ColorToRGB(SkinData->SkinColors.WindowText));
        return reinterpret_cast<LRESULT>(SkinData->FaceBrush);
    }
    case WM_SKIN_ACTIVATE:
        Activate();
        return 0;
    case WM_SKIN_REBUILDSCROLL:
        RebuildScrollPainter(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_SKIN_QUERY:
        PostMessageW(Handle, WM_SKIN_DONE, 0, SkinMessageTag);
        return 1;
    default:
        break;
    }
    if (!SkinFrame) return Default(msg, wParam, lParam);
    if (Child && !mdiChild) return Default(msg, wParam, lParam);

    // Stage B.
    switch (msg) {
    case WM_SIZE: {
        const LRESULT result = Default(msg, wParam, lParam);
        ShowState = ShowStateFromSizeType(int(wParam), ShowState);
        if (ShowState == ssMinimized) return result;
        if (mdiChild && ((SkinManager && SkinManager->mdiMaximized) || ShowState != ssNormal)) return result;
        if (SkinState == fsSkinned || SkinState == fsReskinning) UpdateRegion();
        return result;
    }
    case WM_ACTIVATE:
        Active = LOWORD(wParam) != WA_INACTIVE;
        break;
    case WM_NCACTIVATE:
        Active = wParam != 0;
        break;
    case WM_GETMINMAXINFO: {
        const LRESULT result = Default(msg, wParam, lParam);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        if (GetWindowPlacement(Handle, &placement)) ShowState = ShowStateFromShowCommand(int(placement.showCmd));
        SetCaptionStyle(ShowState == ssMinimized || (mdiChild && ShowState == ssMaximized));
        return result;
    }
    case WM_WINDOWPOSCHANGED: {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        if (GetWindowPlacement(Handle, &placement)) ShowState = ShowStateFromShowCommand(int(placement.showCmd));
        return Default(msg, wParam, lParam);
    }
    case WM_COMMAND:
        if (lParam == 0 && IsSystemCommandId(LOWORD(wParam))) {
            PostMessageW(Handle, WM_SYSCOMMAND, LOWORD(wParam), 0);
            return 0;
        }
        return Default(msg, wParam, lParam);
    case WM_SYSCOMMAND: {
        const std::shared_ptr<bool> alive = alive_;
        if (CaptionSysCommand(wParam, lParam) || !*alive) return 0;
        return Default(msg, wParam, lParam);
    }
    case WM_SKIN_MENUHOVER: {
        POINT p{int(short(LOWORD(lParam))), int(short(HIWORD(lParam)))};
        RECT window{};
        GetWindowRect(Handle, &window);
        if (const TMenuBtn* item = MenuBar ? MenuBar->ItemAt({p.x - window.left, p.y - window.top}) : nullptr)
            OpenBarItem(*this, item->Index);
        return 0;
    }
    default:
        break;
    }
    if ((mdiChild && ShowState == ssMaximized) || SkinState == fsAttached) return Default(msg, wParam, lParam);

    // Stage C.
    switch (msg) {
    case WM_NCCALCSIZE:
        return CalcFrame(wParam, lParam);
    case WM_NCHITTEST:
        return HitTest(wParam, lParam);
    case WM_NCPAINT: {
        if (!(CaptionBoxes & cbCaptionStyleWorkaround)) {
            // The system then draws no caption buttons of its own.
            const LONG style = GetWindowLongW(Handle, GWL_STYLE);
            if (style & WS_SYSMENU) SetWindowLongW(Handle, GWL_STYLE, style & ~LONG(WS_SYSMENU));
        }
        if (SkinData && SkinData->PaintEnabled) {
            if ((mdiChild && ShowState == ssMaximized) || BorderKind == bkNone) return Default(msg, wParam, lParam);
            PaintFrame();
        }
        return 0;
    }
    case WM_NCACTIVATE: {
        Active = wParam != 0;
        if (HoverTimer) HoverTimer->SetEnabled(Active);
        if (!Active) ReleasePainterHover();
        if (WindowKind == wkMdiFrame && MdiClientWindow) SendMessageW(MdiClientWindow, WM_NCACTIVATE, wParam, 0);
        if (mdiChild) Default(msg, wParam, lParam);
        if (!(mdiChild && ShowState == ssMaximized)) PaintFrame();
        return 1;
    }
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: {
        LRESULT result = 0;
        if (CaptionMouseMessage(msg, wParam, lParam, result)) return result;
        return Default(msg, wParam, lParam);
    }
    case WM_SKIN_REPAINT:
        PaintFrame();
        return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        if (wParam == 0 && MenuBar && MenuBar->ItemMessage(msg, lParam)) return TRUE;
        return Default(msg, wParam, lParam);
    default:
        return Default(msg, wParam, lParam);
    }
}

void TWinSkinForm::FormMessage(TMessage& m) {
    auto passOn = [&] {
        if (FormHook && FormHook->previous) FormHook->previous(m);
        else if (Form) Form->WndProc(m);
    };
    switch (m.Msg) {
    case WM_SETTEXT: {
        if (!IsWindowVisible(Handle)) {
            passOn();
            return;
        }
        const std::shared_ptr<bool> alive = alive_;
        const std::shared_ptr<FormHookState> link = FormHook; // the handler chain outlives a freed painter
        const HWND window = Handle;
        if (WindowKind != wkMdiChild) {
            // The system's default handling draws its own caption over ours unless redrawing is off.
            SendMessageW(window, WM_SETREDRAW, FALSE, 0);
            passOn();
            if (IsWindow(window)) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
            if (!Unicode && *alive) Application->ProcessMessages();
        } else {
            passOn();
        }
        // Pumping may have closed the window or freed its form (and this painter with it).
        if (!*alive || !IsWindow(window) || SkinState == fsDestroyed) return;
        if (ShowState == ssMaximized && WindowKind == wkMdiChild) {
            if (SkinManager && SkinManager->mdiClient)
                PostMessageW(SkinManager->mdiClient, WM_SKIN_MDIREDRAW, WPARAM(window), 0);
        } else if (ShowState == ssMinimized) {
            PaintFrame();
        } else {
            FrameChanged();
        }
        return;
    }
    case WM_SKIN_CHANGED:
        SkinChanged();
        return;
    case CM_DIALOGCHAR: {
        // Alt+letter with the focus in a control: the form's own handling first, then the menu bar's items.
        const std::shared_ptr<bool> alive = alive_;
        passOn();
        if (!*alive || m.Result || !MenuBar) return;
        const bool altOnly = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
        const int index = altOnly ? BarItemForAccelerator(MenuBar->States(), wchar_t(m.WParam)) : -1;
        if (index < 0) return;
        const TMenuBtn* item = MenuBar->Item(index);
        RECT window{};
        GetWindowRect(Handle, &window);
        PostMessageW(Handle, WM_NCLBUTTONDOWN, HTMENU,
                     MAKELPARAM(window.left + item->Rect.left + 1, window.top + item->Rect.top + 1));
        m.Result = 1;
        return;
    }
    case CM_MENUCHANGED: {
        const bool painting = SkinData && SkinData->PaintEnabled;
        if (SkinData) SkinData->PaintEnabled = false;
        const std::shared_ptr<bool> alive = alive_;
        passOn();
        if (!*alive) return;
        if (SkinData) SkinData->PaintEnabled = painting;
        if (!GetMenu(Handle)) {
            // The form has no menu any more: the bar goes, and the client keeps its size.
            if (MenuBar && Form && !Form->Menu()) {
                FreeMenuBar(false);
                Metrics.M = 0;
                if (SkinState == fsSkinned) ResizeToClient(true);
            }
            return;
        }
        if (MenuBar && SkinData && SkinData->MenuUpdate) {
            MenuBar->SetMenuHandle(GetMenu(Handle));
            RebuildMenuBar();
        }
        SetMenu(Handle, nullptr);
        return;
    }
    case WM_SKIN_PAINTDC:
        if (m.LParam == SkinMessageTag) {
            if (m.WParam) PaintFrame(reinterpret_cast<HDC>(m.WParam));
            m.Result = SkinMessageTag;
            return;
        }
        break;
    case WM_SKIN_PING:
        m.Result = m.LParam == SkinMessageTag ? SkinMessageTag : 1;
        return;
    default:
        break;
    }
    passOn();
}

LRESULT TWinSkinForm::CalcFrame(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(WM_NCCALCSIZE, wParam, lParam);
    if (!wParam || !lParam) return 0;
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    const bool mdiChild = WindowKind == wkMdiChild;
    if ((mdiChild && ShowState != ssNormal) || BorderKind == bkNone) {
        params->rgrc[1] = params->rgrc[0];
        return WVR_VALIDRECTS;
    }
    if (!params->lppos) return result;
    const WINDOWPOS& p = *params->lppos;
    const TFrameRect client = ClientFromWindow({p.x, p.y, p.x + p.cx, p.y + p.cy}, Metrics);
    params->rgrc[0] = RECT{client.left, client.top, client.right, client.bottom};
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::HitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT code = Default(WM_NCHITTEST, wParam, lParam);
    if (code != HTNOWHERE && code != HTCAPTION) return code;
    POINT p{int(short(LOWORD(lParam))), int(short(HIWORD(lParam)))};
    ScreenToClient(Handle, &p);
    if (!(WindowKind == wkMdiChild && ShowState == ssMaximized)) {
        p.x += Metrics.L;
        p.y += Metrics.T + Metrics.M;
    }
    return RefineHitTest(int(code), p.y, Metrics);
}
