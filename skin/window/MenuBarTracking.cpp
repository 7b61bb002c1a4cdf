// Opening the skinned menu bar's items: the item's command, its sub-menu tracked with the skinned item
// drawing, and the message-filter hook that lets the arrow keys and the mouse move on to the next bar item
// while a sub-menu is open. Only one bar menu is tracked at a time in the program.
#include "skin/window/WinSkinMenu.h"

#include "skin/window/CaptionButtonRules.h"
#include "skin/window/WinSkinForm.h"

namespace {

struct TrackingState {
    HHOOK hook = nullptr;
    TWinSkinForm* form = nullptr;
    HMENU barSubMenu = nullptr;
    int openIndex = -1;
    int nextIndex = -1; // the bar item to open once the open one has closed
    POINT lastMouse{};
    bool firstKeySent = false;
    bool rightToLeft = false;
};
TrackingState Tracking;

int HilitedPosition(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_HILITE) return i;
    return -1;
}

// Where the selection is in the open menus: the deepest highlighted item, found from the bar item's menu.
OpenMenuFacts SelectionFacts() {
    OpenMenuFacts facts;
    facts.rightToLeft = false; // the keys were swapped already for a right-to-left bar
    HMENU menu = Tracking.barSubMenu;
    for (int depth = 0; menu && depth < 16; ++depth) {
        const int position = HilitedPosition(menu);
        if (position < 0) break;
        facts.itemSelected = true;
        facts.selectedInBarSubMenu = menu == Tracking.barSubMenu;
        const HMENU sub = GetSubMenu(menu, position);
        facts.selectedHasSubMenu = sub != nullptr;
        if (!sub || HilitedPosition(sub) < 0) break;
        menu = sub;
    }
    return facts;
}

// Closes the open sub-menu; the bar item `index` opens once the menu loop has returned.
LRESULT SwitchTo(int index) {
    if (index < 0 || index == Tracking.openIndex) return 0;
    Tracking.nextIndex = index;
    EndMenu();
    return 1;
}

LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (msg && Tracking.rightToLeft && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT))
        msg->wParam = msg->wParam == VK_LEFT ? VK_RIGHT : VK_LEFT;
    const LRESULT chained = CallNextHookEx(Tracking.hook, code, wParam, lParam);
    if (chained || code != MSGF_MENU || !msg || !Tracking.form || !Tracking.form->MenuBar) return chained;
    TWinSkinMenu& bar = *Tracking.form->MenuBar;
    if (!Tracking.firstKeySent) {
        Tracking.firstKeySent = true;
        PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    switch (msg->message) {
    case WM_KEYDOWN:
        if (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) {
            const BarKeyMove move = BarKeyDecision(msg->wParam == VK_LEFT ? 'L' : 'R', SelectionFacts());
            if (move == BarKeyMove::None) return 0;
            return SwitchTo(NeighbourBarItem(bar.States(), Tracking.openIndex, move == BarKeyMove::Next ? +1 : -1));
        }
        return 0;
    case WM_MOUSEMOVE: {
        if (msg->pt.x == Tracking.lastMouse.x && msg->pt.y == Tracking.lastMouse.y) return 0;
        Tracking.lastMouse = msg->pt;
        RECT window{};
        GetWindowRect(Tracking.form->Handle, &window);
        const TMenuBtn* item = bar.ItemAt({msg->pt.x - window.left, msg->pt.y - window.top});
        return item && item->Enabled ? SwitchTo(item->Index) : 0;
    }
    default: return 0;
    }
}

// Tracks one bar item's sub-menu; answers the bar item to open next, or -1.
int TrackBarItem(TWinSkinForm& form, int index) {
    TWinSkinMenu* bar = form.MenuBar;
    TMenuBtn* item = bar ? bar->Item(index) : nullptr;
    if (!item || !item->Visible) return -1;
    const HWND window = form.Handle;
    // The item's own click runs before its sub-menu opens. A raw window's drop-down item has no command of
    // its own (its id may be anything, even IDOK): only framework items and plain commands are sent.
    if (!item->SubMenu || item->Item) PostMessageW(window, WM_COMMAND, item->Command, 0);
    if (!item->SubMenu) return -1;

    Tracking.form = &form;
    Tracking.openIndex = index;
    Tracking.nextIndex = -1;
    Tracking.barSubMenu = item->SubMenu;
    Tracking.rightToLeft = bar->RightToLeft();
    bar->PrepareSubMenu(item->SubMenu);
    form.MenuTracking = true;
    if (form.CurrentObject && form.CurrentObject != item) form.CurrentObject->MouseLeave();
    form.CurrentObject = item;
    item->State = NCStatePressed;
    item->Paint();
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    const POINT at{windowRect.left + (Tracking.rightToLeft ? item->Rect.right : item->Rect.left),
                   windowRect.top + item->Rect.bottom};
    if (SkinManager) {
        SkinManager->popupKind = 1;
        SkinManager->fromMenuBar = true;
    }
    Tracking.firstKeySent = false;
    GetCursorPos(&Tracking.lastMouse);
    Tracking.hook = SetWindowsHookExW(WH_MSGFILTER, MenuFilterHook, nullptr, GetCurrentThreadId());
    const std::shared_ptr<bool> alive = form.AliveFlag();
    const HMENU subMenu = item->SubMenu;
    if (item->Enabled)
        TrackPopupMenu(subMenu, TPM_NONOTIFY | TPM_RIGHTBUTTON | (Tracking.rightToLeft ? TPM_RIGHTALIGN : 0), at.x,
                       at.y, 0, window, nullptr);
    if (Tracking.hook) UnhookWindowsHookEx(Tracking.hook);
    Tracking.hook = nullptr;
    const int next = Tracking.nextIndex;
    Tracking = TrackingState{};
    // The menu loop ran the program's messages: the window, the painter and the bar may all be gone.
    if (!*alive || !IsWindow(window)) return -1;
    form.MenuTracking = false;
    if (form.MenuBar)
        if (TMenuBtn* still = form.MenuBar->Item(index)) {
            still->State = NCStateNormal;
            if (form.CurrentObject == still) form.CurrentObject = nullptr;
            still->Paint();
        }
    return next;
}

} // namespace

void OpenBarItem(TWinSkinForm& form, int index) {
    if (Tracking.form) return; // one bar menu at a time
    const std::shared_ptr<bool> alive = form.AliveFlag();
    for (int tries = 0; index >= 0 && tries < 1000 && *alive; ++tries) index = TrackBarItem(form, index);
}

bool OpenBarItemForKey(TWinSkinForm& form, wchar_t key) {
    if (!form.MenuBar || form.MenuTracking || Tracking.form || key == L' ' || key == L'-' || GetCapture()) return false;
    const std::vector<BarItemState> states = form.MenuBar->States();
    int index = -1;
    if (key == 0) {
        for (std::size_t i = 0; i < states.size() && index < 0; ++i)
            if (states[i].visible && states[i].enabled && !states[i].caption.empty()) index = int(i);
    } else {
        index = BarItemForAccelerator(states, key);
    }
    if (index < 0) return false;
    OpenBarItem(form, index);
    return true;
}

bool BarMenuOpen() { return Tracking.form != nullptr; }

void ForgetBarTracking(const TWinSkinForm& form) {
    if (Tracking.form != &form) return;
    Tracking.form = nullptr;
    EndMenu();
}
