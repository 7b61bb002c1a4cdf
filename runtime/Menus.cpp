#include "runtime/Menus.h"

#include "runtime/Forms.h"
#include "runtime/Graphics.h"
#include "runtime/ImgList.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Command ids live below the system's own (0xF000 and up); a freed item's id is not used again soon.
std::unordered_map<UINT, TMenuItem*>& CommandTable() {
    static std::unordered_map<UINT, TMenuItem*> table;
    return table;
}

UINT NewCommand(TMenuItem* item) {
    static UINT next = 100;
    auto& table = CommandTable();
    for (int tries = 0; tries < 0xE000; ++tries) {
        const UINT id = next;
        next = next >= 0xEFFF ? 100 : next + 1;
        if (table.emplace(id, item).second) return id;
    }
    return 0;
}

const char* KeyName(unsigned key) {
    switch (key) {
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_END: return "End";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
    default: return nullptr;
    }
}

} // namespace

std::wstring ShortCutToText(TShortCut shortcut) {
    const unsigned key = shortcut & 0xFF;
    std::wstring name;
    if (const char* special = KeyName(key)) name.assign(special, special + std::char_traits<char>::length(special));
    else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) name = std::wstring(1, wchar_t(key));
    else if (key >= VK_F1 && key <= VK_F24) name = L"F" + std::to_wstring(key - VK_F1 + 1);
    else return L"";
    std::wstring text;
    if (shortcut & scShift) text += L"Shift+";
    if (shortcut & scCtrl) text += L"Ctrl+";
    if (shortcut & scAlt) text += L"Alt+";
    return text + name;
}

TMenuItem* FindMenuItemByCommand(UINT command) {
    const auto found = CommandTable().find(command);
    return found == CommandTable().end() ? nullptr : found->second;
}

// --- TMenuItem ------------------------------------------------------------------------------------------------

const TClassInfo& TMenuItem::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMenuItem, TComponent>("TMenuItem")
        .WideString("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
        .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
        .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
        .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
        .Integer("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
        .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
        .Bool("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
        .Integer("ShortCut", [](const TMenuItem& m) { return int(m.ShortCut()); }, &TMenuItem::SetShortCut)
        .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
        .Event("OnClick", &TMenuItem::OnClick)
        .Event("OnDrawItem", &TMenuItem::OnDrawItem)
        .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
        .Register();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NewCommand(this)) {}

TMenuItem::~TMenuItem() {
    CommandTable().erase(command_);
    for (TMenuItem* item : std::vector<TMenuItem*>(items_)) {
        item->parent_ = nullptr;
        if (!item->Owner()) delete item;
    }
    items_.clear();
    if (parent_) parent_->Remove(this);
}

template <class T> void TMenuItem::Assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
}

void TMenuItem::SetCaption(const std::wstring& caption) { Assign(caption_, caption); }

void TMenuItem::SetShortCut(int shortcut) { Assign(shortcut_, TShortCut(shortcut)); }

void TMenuItem::SetChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    // A radio item checked unchecks the others of its group under the same parent.
    if (on && radioItem_ && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
    Changed();
}

void TMenuItem::SetRadioItem(bool on) { Assign(radioItem_, on); }

void TMenuItem::SetEnabled(bool on) { Assign(enabled_, on); }

void TMenuItem::SetVisible(bool on) { Assign(visible_, on); }

void TMenuItem::SetDefault(bool on) { Assign(default_, on); }

void TMenuItem::SetImageIndex(int index) { Assign(imageIndex_, index); }

TMenuItem* TMenuItem::Items(int index) const {
    return index >= 0 && index < Count() ? items_[std::size_t(index)] : nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
    if (!item || item == this || item->parent_ == this) return;
    if (item->parent_) item->parent_->Remove(item);
    item->parent_ = this;
    items_.push_back(item);
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end()) return;
    items_.erase(found);
    item->parent_ = nullptr;
    Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
    else if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_) return parent_->menu_;
    return parent_;
}

void TMenuItem::Changed() {
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::Click() {
    if (!enabled_) return;
    if (radioItem_) SetChecked(true);
    if (OnClick) OnClick(this);
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw) {
    if (!visible_) return;
    std::wstring text = caption_;
    const std::wstring shortcut = ShortCutToText(shortcut_);
    if (!shortcut.empty()) text += L"\t" + shortcut;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_STRING;
    info.fType = IsLine() ? MFT_SEPARATOR : 0;
    if (ownerDraw || OnDrawItem) info.fType |= MFT_OWNERDRAW;
    if (radioItem_) info.fType |= MFT_RADIOCHECK;
    info.fState = (enabled_ ? 0 : MFS_GRAYED) | (checked_ ? MFS_CHECKED : 0) | (default_ ? MFS_DEFAULT : 0);
    info.wID = command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    info.dwTypeData = text.data();
    if (!items_.empty()) {
        handle_ = CreatePopupMenu();
        for (TMenuItem* item : items_) item->AppendTo(handle_, ownerDraw);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = handle_;
    }
    InsertMenuItemW(menu, UINT(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::ForgetHandles() {
    handle_ = nullptr;
    for (TMenuItem* item : items_) item->ForgetHandles();
}

void TMenuItem::DrawItem(TCanvas* canvas, const RECT& rect, bool selected) {
    if (OnDrawItem) {
        OnDrawItem(this, canvas, rect, selected);
        return;
    }
    HDC dc = canvas->Handle();
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (IsLine()) {
        RECT line{rect.left, rect.top + 4, rect.right, rect.bottom};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!enabled_ ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT text{rect.left + 20, rect.top, rect.right - 8, rect.bottom};
    DrawTextW(dc, caption_.c_str(), int(caption_.size()), &text, DT_SINGLELINE | DT_VCENTER);
    const std::wstring shortcut = ShortCutToText(shortcut_);
    DrawTextW(dc, shortcut.c_str(), int(shortcut.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    if (checked_) {
        RECT mark{rect.left + 4, rect.top, rect.left + 18, rect.bottom};
        DrawTextW(dc, radioItem_ ? L"\x25CF" : L"\x2713", 1, &mark, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
    if (IsLine()) {
        width = 10;
        height = 8;
    } else {
        HDC dc = canvas->Handle();
        std::wstring text = caption_;
        const std::wstring shortcut = ShortCutToText(shortcut_);
        if (!shortcut.empty()) text += L"\t" + shortcut;
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
        width = r.right + 28;
        height = std::max<int>(r.bottom + 4, GetSystemMetrics(SM_CYMENUCHECK) + 2);
    }
    if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

// --- TMenu ----------------------------------------------------------------------------------------------------

const TClassInfo& TMenu::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMenu, TComponent>("TMenu")
        .Object<TImageList>("Images", &TMenu::Images, &TMenu::SetImages)
        .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
        .Event("OnChange", &TMenu::OnChange)
        .Register();
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
    DestroyingComponent();
    items_->menu_ = nullptr;
    delete items_;
    if (handle_) DestroyMenu(handle_);
}

HMENU TMenu::Handle() {
    if (!handle_ && !building_) {
        building_ = true;
        handle_ = CreateHandle();
        for (TMenuItem* item : items_->items_) item->AppendTo(handle_, ownerDraw_);
        building_ = false;
    }
    return handle_;
}

void TMenu::DestroyHandle() {
    if (!handle_) return;
    items_->ForgetHandles();
    DestroyMenu(handle_);
    handle_ = nullptr;
}

void TMenu::SetImages(TImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    MenuChanged();
}

void TMenu::SetOwnerDraw(bool on) {
    if (ownerDraw_ == on) return;
    ownerDraw_ = on;
    MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

TMenuItem* TMenu::FindItem(UINT command) const {
    TMenuItem* item = FindMenuItemByCommand(command);
    return item && item->GetParentMenu() == this ? item : nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindItem(command);
    if (!item) return false;
    item->Click();
    return true;
}

bool TMenu::MenuItemMessage(UINT message, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        TMenuItem* item = m && m->CtlType == ODT_MENU ? FindItem(m->itemID) : nullptr;
        if (!item) return false;
        TCanvas canvas;
        HDC dc = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        canvas.SetHandle(dc);
        int width = 0, height = 0;
        item->MeasureItem(&canvas, width, height);
        canvas.SetHandle(nullptr);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        m->itemWidth = UINT(std::max(0, width));
        m->itemHeight = UINT(std::max(0, height));
        return true;
    }
    if (message == WM_DRAWITEM) {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        TMenuItem* item = d && d->CtlType == ODT_MENU ? FindItem(d->itemID) : nullptr;
        if (!item) return false;
        TCanvas canvas;
        const int saved = SaveDC(d->hDC);
        canvas.SetHandle(d->hDC);
        item->DrawItem(&canvas, d->rcItem, (d->itemState & ODS_SELECTED) != 0);
        canvas.SetHandle(nullptr);
        RestoreDC(d->hDC, saved);
        return true;
    }
    return false;
}

void TMenu::MenuChanged() {
    if (building_) return;
    DestroyHandle();
    if (OnChange) OnChange(this);
}

// --- TMainMenu, TPopupMenu ------------------------------------------------------------------------------------

const TClassInfo& TMainMenu::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMainMenu, TMenu>("TMainMenu").Register();
    return info;
}

HMENU TMainMenu::CreateHandle() { return CreateMenu(); }

void TMainMenu::MenuChanged() {
    TMenu::MenuChanged();
    if (form_ && (ComponentState() & csLoading) == 0) form_->MenuChanged();
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TPopupMenu, TMenu>("TPopupMenu")
        .Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
        .Event("OnPopup", &TPopupMenu::OnPopup)
        .Register();
    return info;
}

HMENU TPopupMenu::CreateHandle() { return CreatePopupMenu(); }

void TPopupMenu::Popup(int x, int y, HWND owner) {
    if (OnPopup) OnPopup(this);
    if (!owner) owner = GetActiveWindow();
    const HMENU menu = Handle();
    if (!menu || !owner) return;
    const UINT command = UINT(TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, owner, nullptr));
    // The menu loop ran the program's messages: this menu may be gone, the item is looked up afresh.
    if (TMenuItem* item = command ? FindMenuItemByCommand(command) : nullptr) item->Click();
}
