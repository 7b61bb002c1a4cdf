#include "runtime/BarCtrls.h"

#include "runtime/Forms.h"
#include "runtime/Menus.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

const TEnumInfo StatusPanelBevelInfo{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};

namespace {
void LoadBarClasses() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)loaded;
}
} // namespace

// --- TStatusBar ------------------------------------------------------------------------------------------

const TClassInfo& TStatusBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TStatusBar, TWinControl>("TStatusBar")
        .Object<TStrings>("Panels", &TStatusBar::PanelLines, nullptr)
        .Bool("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
        .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
        .Bool("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)
        .Event("OnDrawPanel", &TStatusBar::OnDrawPanel)
        .Register();
    return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panelLines_(std::make_unique<TStringList>()) {
    LoadBarClasses();
    height_ = 19;
    width_ = 200;
    align_ = alBottom;
    panelLines_->OnChange = [this](TObject*) { readPanelLines(); };
}

TStatusBar::~TStatusBar() {
    panelLines_->OnChange = nullptr;
    DestroyHandle();
}

void TStatusBar::readPanelLines() {
    if (writingLines_) return;
    panels_.resize(std::size_t(panelLines_->Count()));
    for (int i = 0; i < panelLines_->Count(); ++i) {
        const std::string& line = panelLines_->Strings(i);
        std::size_t eq = line.rfind('=');
        panels_[std::size_t(i)].Text = WideFromAnsi(line.substr(0, eq));
        if (eq != std::string::npos) panels_[std::size_t(i)].Width = std::atoi(line.c_str() + eq + 1);
    }
    syncPanels();
}

void TStatusBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = STATUSCLASSNAMEW;
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (sizeGrip_) p.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
    TWinControl::CreateWnd();
    syncPanels();
}

TStatusPanel& TStatusBar::AddPanel(const std::wstring& text, int width, TStatusPanelBevel bevel, TAlignment alignment) {
    TStatusPanel panel;
    panel.Text = text;
    panel.Width = width;
    panel.Bevel = bevel;
    panel.Alignment = alignment;
    panels_.push_back(panel);
    writingLines_ = true;
    panelLines_->Add(AnsiFromWide(text) + "=" + std::to_string(width));
    writingLines_ = false;
    syncPanels();
    return panels_.back();
}

void TStatusBar::ClearPanels() {
    panelLines_->Clear();
}

void TStatusBar::PanelsChanged() { syncPanels(); }

void TStatusBar::syncPanels() {
    if (!handle_) return;
    SendMessageW(handle_, SB_SIMPLE, simplePanel_ || panels_.empty(), 0);
    std::wstring simple = WideFromAnsi(simpleText_);
    SendMessageW(handle_, SB_SETTEXTW, SB_SIMPLEID, LPARAM(simple.c_str()));
    std::vector<int> edges;
    int x = 0;
    for (const TStatusPanel& p : panels_) edges.push_back(x += std::max(0, p.Width));
    if (!edges.empty()) edges.back() = -1;
    SendMessageW(handle_, SB_SETPARTS, edges.size(), LPARAM(edges.data()));
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const TStatusPanel& p = panels_[i];
        WPARAM how = i | (p.Bevel == pbNone ? SBT_NOBORDERS : p.Bevel == pbRaised ? SBT_POPOUT : 0) |
                     (p.Style == psOwnerDraw ? SBT_OWNERDRAW : 0);
        SendMessageW(handle_, SB_SETTEXTW, how, LPARAM(p.Text.c_str()));
    }
    InvalidateRect(handle_, nullptr, TRUE);
}

void TStatusBar::SetSimplePanel(bool v) {
    simplePanel_ = v;
    syncPanels();
}

void TStatusBar::SetSimpleText(const std::string& s) {
    simpleText_ = s;
    syncPanels();
}

void TStatusBar::SetSizeGrip(bool v) {
    if (v == sizeGrip_) return;
    sizeGrip_ = v;
    if (handle_) RecreateWnd();
}

void TStatusBar::Dispatch(TMessage& m) {
    if (m.Msg == CN_DRAWITEM) {
        auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        if (OnDrawPanel && di && di->itemID < panels_.size()) OnDrawPanel(this, panels_[di->itemID], di->rcItem);
        m.Result = TRUE;
        return;
    }
    TWinControl::Dispatch(m);
}

// --- THeaderControl --------------------------------------------------------------------------------------

const TClassInfo& THeaderControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<THeaderControl, TWinControl>("THeaderControl")
        .Object<TStrings>("Sections", &THeaderControl::Sections, nullptr)
        .Integer("SectionWidth", &THeaderControl::SectionWidth, &THeaderControl::SetSectionWidth)
        .Register();
    return info;
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner), sections_(std::make_unique<TStringList>()) {
    LoadBarClasses();
    height_ = 20;
    width_ = 300;
    sections_->OnChange = [this](TObject*) { syncSections(); };
}

THeaderControl::~THeaderControl() {
    sections_->OnChange = nullptr;
    DestroyHandle();
}

void THeaderControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_HEADERW;
    p.Style |= HDS_BUTTONS | HDS_HOTTRACK | HDS_HORZ;
}

void THeaderControl::CreateWnd() {
    TWinControl::CreateWnd();
    syncSections();
}

void THeaderControl::SetSectionWidth(int w) {
    sectionWidth_ = std::max(0, w);
    syncSections();
}

void THeaderControl::syncSections() {
    if (!handle_) return;
    while (SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(handle_, HDM_DELETEITEM, 0, 0);
    for (int i = 0; i < sections_->Count(); ++i) {
        std::wstring text = WideFromAnsi(sections_->Strings(i));
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = text.data();
        item.cxy = sectionWidth_;
        item.fmt = HDF_STRING | HDF_LEFT;
        SendMessageW(handle_, HDM_INSERTITEMW, i, LPARAM(&item));
    }
}

// --- TToolBar --------------------------------------------------------------------------------------------

const TClassInfo& TToolBar::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TToolBar, TWinControl>("TToolBar")
        .Object<TStrings>("Buttons", &TToolBar::Buttons, nullptr)
        .Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
        .Object<TMainMenu>("Menu", &TToolBar::Menu, &TToolBar::SetMenu)
        .Event("OnCustomDraw", &TToolBar::OnCustomDraw)
        .Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton)
        .Register();
    return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner), buttons_(std::make_unique<TStringList>()) {
    LoadBarClasses();
    height_ = 26;
    width_ = 200;
    align_ = alTop;
    buttons_->OnChange = [this](TObject*) { syncButtons(); };
}

TToolBar::~TToolBar() {
    buttons_->OnChange = nullptr;
    DestroyHandle();
}

void TToolBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = TOOLBARCLASSNAMEW;
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_LIST;
    if (flat_) p.Style |= TBSTYLE_FLAT;
}

void TToolBar::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    syncButtons();
}

void TToolBar::SetFlat(bool v) {
    if (v == flat_) return;
    flat_ = v;
    if (handle_) RecreateWnd();
}

void TToolBar::SetMenu(TMainMenu* menu) {
    if (menu_) menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_) menu_->FreeNotification(this);
    syncButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == menu_) {
        menu_ = nullptr;
        syncButtons();
    }
}

// A menu button: its item's sub-menu below the button (the form gets the item messages), or its click.
void TToolBar::menuButtonClick(int button) {
    TMenuItem* item = menu_ ? menu_->Items()->Items(button) : nullptr;
    if (!item) return;
    if (!item->Count()) {
        item->Click();
        return;
    }
    item->Click();
    menu_->Handle();
    RECT r{};
    SendMessageW(handle_, TB_GETITEMRECT, WPARAM(button), LPARAM(&r));
    MapWindowPoints(handle_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    TCustomForm* form = GetParentForm(this);
    const HWND owner = form && form->HandleAllocated() ? form->Handle() : handle_;
    SendMessageW(handle_, TB_PRESSBUTTON, WPARAM(100 + button), TRUE);
    const UINT command = UINT(TrackPopupMenuEx(item->Handle(), TPM_LEFTALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, r.left,
                                               r.bottom, owner, nullptr));
    // The menu loop ran the program's messages: this tool bar may be gone, the item is looked up afresh.
    if (TMenuItem* chosen = command ? FindMenuItemByCommand(command) : nullptr) chosen->Click();
    if (IsWindow(owner) && HandleAllocated()) SendMessageW(handle_, TB_PRESSBUTTON, WPARAM(100 + button), FALSE);
}

void TToolBar::syncButtons() {
    if (!handle_) return;
    while (SendMessageW(handle_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(handle_, TB_DELETEBUTTON, 0, 0);
    std::vector<std::wstring> captions;
    if (menu_)
        for (int i = 0; i < menu_->Items()->Count(); ++i) captions.push_back(menu_->Items()->Items(i)->Caption());
    else
        for (int i = 0; i < buttons_->Count(); ++i) captions.push_back(WideFromAnsi(buttons_->Strings(i)));
    for (std::size_t i = 0; i < captions.size(); ++i) {
        std::wstring text = captions[i];
        text.push_back(L'\0');
        TBBUTTON b{};
        b.iBitmap = I_IMAGENONE;
        b.idCommand = 100 + i;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        b.iString = INT_PTR(SendMessageW(handle_, TB_ADDSTRINGW, 0, LPARAM(text.c_str())));
        SendMessageW(handle_, TB_ADDBUTTONSW, 1, LPARAM(&b));
    }
}

void TToolBar::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        const int button = int(LOWORD(m.WParam)) - 100;
        if (menu_) menuButtonClick(button);
        else if (OnButtonClick) OnButtonClick(this, button);
        return;
    }
    if (m.Msg == CN_NOTIFY) {
        auto* cd = reinterpret_cast<NMTBCUSTOMDRAW*>(m.LParam);
        m.Result = CDRF_DODEFAULT;
        if (cd->nmcd.hdr.code != UINT(NM_CUSTOMDRAW)) return;
        bool defaultDraw = true;
        if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
            if (OnCustomDraw) OnCustomDraw(this, cd->nmcd.hdc, cd->nmcd.rc, defaultDraw);
            // Every button is announced: the captions the control draws itself take the bar's font colour.
            m.Result = CDRF_NOTIFYITEMDRAW | (defaultDraw ? 0 : CDRF_SKIPDEFAULT);
        } else if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            if (OnCustomDrawButton)
                OnCustomDrawButton(this, int(cd->nmcd.dwItemSpec) - 100, cd->nmcd.hdc, cd->nmcd.rc,
                                   cd->nmcd.uItemState, defaultDraw);
            if (!(cd->nmcd.uItemState & CDIS_DISABLED)) cd->clrText = ColorToRGB(Font()->Color());
            m.Result = defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
        }
        return;
    }
    TWinControl::Dispatch(m);
}
