#include "skin/window/WinSkinMenu.h"

#include "runtime/Graphics.h"
#include "runtime/Menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/CaptionButtonRules.h"
#include "skin/window/ElementBitmaps.h"
#include "skin/window/MenuItemPaint.h"
#include "skin/window/WinSkinForm.h"

#include <algorithm>

namespace {

constexpr int MenuBarFrames = 2;
constexpr std::size_t MaxItemText = 80;

struct MenuEntry {
    std::wstring text;
    UINT id = 0;
    UINT state = 0;
    HMENU subMenu = nullptr;
};

MenuEntry ReadEntry(HMENU menu, int position) {
    wchar_t text[MaxItemText + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = UINT(MaxItemText);
    MenuEntry e;
    if (!GetMenuItemInfoW(menu, UINT(position), TRUE, &info)) return e;
    if (!(info.fType & MFT_OWNERDRAW)) e.text = text;
    e.id = info.wID;
    e.state = info.fState;
    e.subMenu = info.hSubMenu;
    return e;
}

COLORREF SkinColour(const TSkinData* skin, TSkinColor TSkinColors::*member) {
    return ColorToRGB(skin->SkinColors.*member);
}

bool HasBarElement(const TSkinData* skin) { return skin && skin->MenuBar && skin->MenuBar->HasImage(); }

} // namespace

// --- TMenuBtn -------------------------------------------------------------------------------------------------

void TMenuBtn::MouseMove() {
    if (Enabled) TNCObject::MouseMove();
}

void TMenuBtn::Paint() {
    if (!Owner || !Owner->Handle) return;
    HDC dc = GetWindowDC(Owner->Handle);
    if (!dc) return;
    Bar->PaintItem(dc, *this);
    ReleaseDC(Owner->Handle, dc);
}

// --- TWinSkinMenu ---------------------------------------------------------------------------------------------

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* form, TSkinData* skinData) : Form(form), SkinData(skinData) {}

TWinSkinMenu::~TWinSkinMenu() = default;

bool TWinSkinMenu::RightToLeft() const { return Form && Form->RightToLeft; }

TMenuBtn* TWinSkinMenu::Item(int index) const {
    return index >= 0 && index < ItemCount() ? Items[std::size_t(index)].get() : nullptr;
}

void TWinSkinMenu::Build() { ReadItems(false); }

void TWinSkinMenu::Rebuild() {
    ReadItems(true);
    Layout();
}

void TWinSkinMenu::ReadItems(bool frameworkForEmptyOnly) {
    if (const HMENU own = GetMenu(Form->Handle)) menu_ = own;
    if (!menu_ || !IsMenu(menu_)) return;
    if (Form->Form && !FrameworkMenu) return;
    if (Form->CurrentObject && dynamic_cast<TMenuBtn*>(Form->CurrentObject)) Form->CurrentObject = nullptr;
    Items.clear();
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        const MenuEntry e = ReadEntry(menu_, i);
        auto button = std::make_unique<TMenuBtn>(Form, this, i);
        button->Visible = true;
        button->Caption = e.text;
        button->Enabled = (e.state & (MFS_GRAYED | MFS_DISABLED)) == 0;
        button->Command = e.id;
        button->SubMenu = e.subMenu;
        if (FrameworkMenu && (!frameworkForEmptyOnly || e.text.empty()))
            if (TMenuItem* item = FrameworkMenu->FindItem(e.id)) {
                button->Item = item;
                button->Caption = item->Caption();
                button->Enabled = item->Enabled();
                button->SubMenu = item->Handle();
            }
        Items.push_back(std::move(button));
    }
    SetMenu(Form->Handle, nullptr);
}

void TWinSkinMenu::GiveMenuBack() {
    if (Form->CurrentObject && dynamic_cast<TMenuBtn*>(Form->CurrentObject)) Form->CurrentObject = nullptr;
    Items.clear();
    if (menu_ && IsMenu(menu_) && IsWindow(Form->Handle) && !GetMenu(Form->Handle)) SetMenu(Form->Handle, menu_);
}

RECT TWinSkinMenu::CurrentBarRect() const {
    RECT window{};
    GetWindowRect(Form->Handle, &window);
    const TFrameMetrics& m = Form->Metrics;
    return {m.L, m.T, (window.right - window.left) - m.R, m.T + m.M};
}

void TWinSkinMenu::Layout() {
    RECT bar = barRect_;
    if (bar.right <= bar.left) bar = CurrentBarRect();
    MenuBarFacts facts;
    facts.barWidth = bar.right - bar.left;
    facts.barHeight = bar.bottom - bar.top;
    facts.hasElement = HasBarElement(SkinData);
    if (facts.hasElement) {
        facts.elementLeft = SkinData->MenuBar->LeftWidth;
        facts.elementRight = SkinData->MenuBar->RightWidth;
    }
    facts.rightToLeft = RightToLeft();
    if (facts.rightToLeft && Form->MdiChildMaximized())
        for (const TWinSysButton* button : Form->CaptionButtons)
            if (button->Visible && button->Element->Visibility == VisibilityMenuBar && button->Rect.right > button->Rect.left)
                facts.mdiButtonsLeft = facts.mdiButtonsLeft < 0 ? button->Rect.left - bar.left
                                                                : std::min<int>(facts.mdiButtonsLeft, button->Rect.left - bar.left);
    std::vector<MenuBarItemFacts> items;
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, MenuFont());
    for (const auto& item : Items) {
        RECT r{0, 0, 0, 0};
        if (!item->Caption.empty())
            DrawTextW(dc, item->Caption.c_str(), int(item->Caption.size()), &r, DT_CALCRECT | DT_SINGLELINE);
        items.push_back({item->Visible, r.right - r.left});
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const std::vector<GeoRect> rects = LayoutMenuBar(facts, items);
    for (std::size_t i = 0; i < Items.size(); ++i) {
        const GeoRect& r = rects[i];
        Items[i]->Rect = r.HasArea() ? RECT{bar.left + r.left, bar.top + r.top, bar.left + r.right, bar.top + r.bottom}
                                     : RECT{0, 0, 0, 0};
    }
}

void TWinSkinMenu::DrawItem(HDC dc, const TMenuBtn& item, POINT barOrigin) {
    if (!item.Visible || item.Rect.right <= item.Rect.left) return;
    const RECT r{item.Rect.left - barOrigin.x, item.Rect.top - barOrigin.y, item.Rect.right - barOrigin.x,
                 item.Rect.bottom - barOrigin.y};
    if (item.State == NCStateHot || item.State == NCStatePressed) {
        HBRUSH frame = CreateSolidBrush(SkinColour(SkinData, &TSkinColors::ButtonHilight));
        FrameRect(dc, &r, frame);
        DeleteObject(frame);
    }
    const HGDIOBJ oldFont = SelectObject(dc, MenuFont());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(
        dc, item.Enabled ? SkinColour(SkinData, &TSkinColors::MenuBarText) : GetSysColor(COLOR_BTNSHADOW));
    RECT text = r;
    DrawTextW(dc, item.Caption.c_str(), int(item.Caption.size()), &text,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | (RightToLeft() ? DT_RTLREADING : 0));
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

void TWinSkinMenu::Paint(HDC dc, const RECT& barRect) {
    const int w = barRect.right - barRect.left, h = barRect.bottom - barRect.top;
    if (w <= 0 || h <= 0 || !SkinData) return;
    painting_ = true;
    barRect_ = barRect;
    if (SkinManager && Form->MdiChildMaximized()) SkinManager->SetMdiMaximized(true);
    if (!background_) background_ = std::make_unique<TBitmap>();
    background_->SetPixelFormat(pf32bit);
    background_->SetSize(w, h);
    HDC back = background_->Canvas()->Handle();
    const RECT local{0, 0, w, h};
    if (HasBarElement(SkinData)) {
        const TDataSkinObject& e = *SkinData->MenuBar;
        const int frame = Form->Active ? 1 : 2;
        const GeoMargins margins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
        if (e.Tile == 1)
            PaintElement(back, local, e.Bitmap.get(), true, false, false, MenuBarFrames, frame, margins);
        else
            PaintThreeSlice(back, local, ImageOf(e.Bitmap.get()), true, false, MenuBarFrames, frame,
                            GeoMargins{e.LeftWidth, 0, e.RightWidth, 0});
    } else {
        HBRUSH fill = CreateSolidBrush(SkinColour(SkinData, &TSkinColors::Menubar));
        FillRect(back, &local, fill);
        DeleteObject(fill);
    }
    Layout();
    if (!Form->MenuTracking)
        for (const auto& item : Items) item->State = NCStateNormal;
    // The composition: the background, then every item over it.
    TBitmap& scratch = ScratchBitmap(w, h);
    HDC target = scratch.Canvas()->Handle();
    BitBlt(target, 0, 0, w, h, back, 0, 0, SRCCOPY);
    for (const auto& item : Items) DrawItem(target, *item, {barRect.left, barRect.top});
    BitBlt(dc, barRect.left, barRect.top, w, h, target, 0, 0, SRCCOPY);
    painting_ = false;
}

void TWinSkinMenu::PaintItem(HDC windowDc, const TMenuBtn& item) {
    if (painting_ || !background_ || background_->Empty() || item.Rect.right <= item.Rect.left) return;
    const int w = item.Rect.right - item.Rect.left, h = item.Rect.bottom - item.Rect.top;
    TBitmap& scratch = ScratchBitmap(w, h);
    HDC target = scratch.Canvas()->Handle();
    BitBlt(target, 0, 0, w, h, background_->Canvas()->Handle(), item.Rect.left - barRect_.left,
           item.Rect.top - barRect_.top, SRCCOPY);
    DrawItem(target, item, {item.Rect.left, item.Rect.top});
    BitBlt(windowDc, item.Rect.left, item.Rect.top, w, h, target, 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT p) const {
    std::vector<GeoRect> rects;
    std::vector<std::wstring> captions;
    for (const auto& item : Items) {
        rects.push_back({item->Rect.left, item->Rect.top, item->Rect.right, item->Rect.bottom});
        captions.push_back(item->Visible ? item->Caption : std::wstring());
    }
    return Item(MenuBarItemAt(rects, captions, p.x, p.y));
}

std::vector<BarItemState> TWinSkinMenu::States() const {
    std::vector<BarItemState> states;
    for (const auto& item : Items) states.push_back({item->Caption, item->Visible, item->Enabled});
    return states;
}

// --- The sub-menus' items -------------------------------------------------------------------------------------

void TWinSkinMenu::PrepareSubMenu(HMENU menu) {
    std::vector<HMENU> pending{menu};
    for (std::size_t n = 0; n < pending.size() && n < 256; ++n) {
        const HMENU m = pending[n];
        const int count = GetMenuItemCount(m);
        for (int i = 0; i < count; ++i) {
            wchar_t text[MaxItemText + 1] = {};
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_ID | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = UINT(MaxItemText);
            if (!GetMenuItemInfoW(m, UINT(i), TRUE, &info)) continue;
            if (info.hSubMenu) pending.push_back(info.hSubMenu);
            if (info.fType & MFT_OWNERDRAW) continue; // drawn by its owner already, or prepared before
            KeptItem kept{text, (info.fType & MFT_SEPARATOR) != 0};
            const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const auto& k) { return k.first == info.wID; });
            if (found != kept_.end()) found->second = kept;
            else kept_.emplace_back(info.wID, kept);
            info.fMask = MIIM_FTYPE;
            info.fType |= MFT_OWNERDRAW;
            SetMenuItemInfoW(m, UINT(i), TRUE, &info);
        }
    }
}

const TWinSkinMenu::KeptItem* TWinSkinMenu::KeptItemOf(UINT id) const {
    const auto found = std::find_if(kept_.begin(), kept_.end(), [&](const auto& k) { return k.first == id; });
    return found == kept_.end() ? nullptr : &found->second;
}

bool TWinSkinMenu::ItemMessage(UINT message, LPARAM lParam) {
    UINT id = 0;
    HMENU menu = nullptr;
    if (message == WM_MEASUREITEM) id = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemID;
    else if (message == WM_DRAWITEM) {
        const auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        id = d->itemID;
        menu = reinterpret_cast<HMENU>(d->hwndItem);
    } else return false;

    MenuItemDrawFacts facts;
    TMenuItem* item = FrameworkMenu ? FrameworkMenu->FindItem(id) : nullptr;
    if (item) {
        facts.caption = item->Caption();
        facts.shortcut = ShortCutToText(item->ShortCut());
        facts.enabled = item->Enabled();
        facts.checked = item->Checked();
        facts.radio = item->RadioItem();
        facts.defaultItem = item->Default();
        facts.imageIndex = item->ImageIndex();
        facts.images = FrameworkMenu->Images();
    } else if (const KeptItem* kept = KeptItemOf(id)) {
        facts.caption = kept->separator ? L"-" : kept->text;
        if (menu) {
            const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
            if (state != UINT(-1)) {
                facts.enabled = (state & (MF_GRAYED | MF_DISABLED)) == 0;
                facts.checked = (state & MF_CHECKED) != 0;
                facts.defaultItem = (state & MFS_DEFAULT) != 0;
            }
        }
    } else {
        return false;
    }
    facts.rightToLeft = RightToLeft();
    if (message == WM_MEASUREITEM) {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        HDC dc = GetDC(Form->Handle);
        const MenuItemSize size = item ? MeasureBarMenuItem(SkinData, dc, facts)
                                       : MeasureSystemMenuItem(SkinData, dc, facts.caption == L"-" ? L"" : facts.caption,
                                                               (GetVersion() & 0x80000000u) != 0);
        ReleaseDC(Form->Handle, dc);
        m->itemWidth = UINT(size.width);
        m->itemHeight = UINT(size.height);
        return true;
    }
    const auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    facts.selected = (d->itemState & ODS_SELECTED) != 0 && facts.enabled;
    DrawMenuItem(SkinData, d->hDC, d->rcItem, facts);
    return true;
}
