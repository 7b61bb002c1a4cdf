// The MDI client of a skinned MDI frame: its scroll bars, the frame's menu bar kept in step with the MDI
// children's menus, the maximized-child flag, and the frame repainted for a maximized child's caption.
#include "skin/window/WinSkinForm.h"

#include "runtime/Forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/WinSkinMenu.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR MdiClientSubclassId = 0x534B4D43; // "SKMC"

bool ActiveChildMaximized(HWND client) {
    BOOL maximized = FALSE;
    const HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    return child && maximized;
}

} // namespace

LRESULT CALLBACK TWinSkinForm::MdiClientProc(HWND client, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
    auto* self = reinterpret_cast<TWinSkinForm*>(data);
    if (!self) return DefSubclassProc(client, msg, wParam, lParam);
    const bool frame = self->SkinFrame;
    switch (msg) {
    case WM_NCCALCSIZE:
        if (frame && !(self->SkinData && InSet(self->SkinData->Options, xoMDIScrollbar))) {
            const LONG style = GetWindowLongW(client, GWL_STYLE);
            if (style & (WS_HSCROLL | WS_VSCROLL)) SetWindowLongW(client, GWL_STYLE, style & LONG(0xFFCFFFFF));
        }
        break;
    case WM_MDICREATE:
        if (self->SkinData) self->SkinData->MenuUpdate = false;
        break;
    case WM_MDIDESTROY: {
        const std::shared_ptr<bool> alive = self->AliveFlag();
        const LRESULT result = DefSubclassProc(client, msg, wParam, lParam);
        if (!*alive || !frame) return result;
        if (SkinManager) SkinManager->SetMdiMaximized(ActiveChildMaximized(client));
        if (!SendMessageW(client, WM_MDIGETACTIVE, 0, 0) && self->MenuBar) {
            if (self->SkinData) self->SkinData->MenuUpdate = self->MenuUpdateAtAttach;
            self->RebuildMenuBar();
        }
        return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (frame && SkinManager && SkinManager->mdiMaximized) SkinManager->SetMdiMaximized(false);
        break;
    case WM_MDISETMENU: {
        const std::shared_ptr<bool> alive = self->AliveFlag();
        const LRESULT result = DefSubclassProc(client, msg, wParam, lParam);
        if (!*alive || !frame) return result;
        if (wParam && self->MenuBar) {
            if (const HMENU menu = GetMenu(self->Handle)) self->MenuBar->SetMenuHandle(menu);
            self->RebuildMenuBar();
        }
        SetMenu(self->Handle, nullptr);
        return result;
    }
    case WM_SKIN_MDIREDRAW:
        RedrawWindow(self->Handle, nullptr, nullptr, 0x585);
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefSubclassProc(client, msg, wParam, lParam);
        RemoveWindowSubclass(client, MdiClientProc, MdiClientSubclassId);
        if (self->MdiClientWindow == client) self->MdiClientSubclassed = false;
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(client, msg, wParam, lParam);
}

void TWinSkinForm::SubclassMdiClient() {
    if (!MdiClientWindow || MdiClientSubclassed) return;
    MdiClientSubclassed =
        SetWindowSubclass(MdiClientWindow, MdiClientProc, MdiClientSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    if (SkinManager) {
        SkinManager->mdiClient = MdiClientWindow;
        SkinManager->mdiFrame = Form;
    }
    MenuUpdateAtAttach = SkinData ? SkinData->MenuUpdate : true;
}

void TWinSkinForm::UnsubclassMdiClient() {
    if (!MdiClientSubclassed) return;
    MdiClientSubclassed = false;
    if (IsWindow(MdiClientWindow)) RemoveWindowSubclass(MdiClientWindow, MdiClientProc, MdiClientSubclassId);
    if (SkinManager && SkinManager->mdiClient == MdiClientWindow) {
        SkinManager->mdiClient = nullptr;
        SkinManager->mdiFrame = nullptr;
    }
}

bool TWinSkinForm::MdiChildMaximized() const {
    return WindowKind == wkMdiFrame && MdiClientWindow && IsWindow(MdiClientWindow) &&
           ActiveChildMaximized(MdiClientWindow);
}
