#include "runtime/TabCtrls.h"

#include <commctrl.h>

#include <algorithm>

const TEnumInfo TabStyleInfo{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
const TEnumInfo TabPositionInfo{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};

// --- TTabRow ---------------------------------------------------------------------------------------------

const TClassInfo& TTabRow::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTabRow, TWinControl>("TTabRow")
        .Enum("Style", TabStyleInfo, &TTabRow::Style, &TTabRow::SetStyle)
        .Enum("TabPosition", TabPositionInfo, &TTabRow::TabPosition, &TTabRow::SetTabPosition)
        .Bool("MultiLine", &TTabRow::MultiLine, &TTabRow::SetMultiLine)
        .Object<TImageList>("Images", &TTabRow::Images, &TTabRow::SetImages)
        .Event("OnChange", &TTabRow::OnChange)
        .Register();
    return info;
}

TTabRow::TTabRow(TComponent* owner) : TWinControl(owner), tabs_(std::make_unique<TStringList>()) {
    tabs_->OnChange = [this](TObject*) {
        if (tabIndex_ < 0 && tabs_->Count() > 0) tabIndex_ = 0;
        SyncTabs();
    };
    width_ = 289;
    height_ = 193;
    tabStop_ = true;
    parentColor_ = true;
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)loaded;
}

TTabRow::~TTabRow() {
    tabs_->OnChange = nullptr;
    DestroyHandle();
}

std::vector<std::pair<std::wstring, int>> TTabRow::TabItems() const {
    std::vector<std::pair<std::wstring, int>> items;
    for (int i = 0; i < tabs_->Count(); ++i) items.emplace_back(WideFromAnsi(tabs_->Strings(i)), i);
    return items;
}

void TTabRow::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_TABCONTROLW;
    p.Style |= WS_CLIPCHILDREN;
    if (style_ == tsButtons) p.Style |= TCS_BUTTONS;
    if (style_ == tsFlatButtons) p.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
    if (multiLine_) p.Style |= TCS_MULTILINE;
    switch (tabPosition_) {
    case tpTop: break;
    case tpBottom: p.Style |= TCS_BOTTOM; break;
    case tpLeft: p.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: p.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    }
}

void TTabRow::CreateWnd() {
    TWinControl::CreateWnd();
    if (images_) SendMessageW(handle_, TCM_SETIMAGELIST, 0, LPARAM(images_->Handle()));
    SyncTabs();
}

void TTabRow::SyncTabs() {
    if (!handle_) return;
    SendMessageW(handle_, TCM_DELETEALLITEMS, 0, 0);
    auto items = TabItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = items[i].first.data();
        item.iImage = items[i].second;
        SendMessageW(handle_, TCM_INSERTITEMW, i, LPARAM(&item));
    }
    if (tabIndex_ >= int(items.size())) tabIndex_ = int(items.size()) - 1;
    SendMessageW(handle_, TCM_SETCURSEL, WPARAM(tabIndex_), 0);
}

int TTabRow::TabIndex() const {
    return handle_ ? int(SendMessageW(handle_, TCM_GETCURSEL, 0, 0)) : tabIndex_;
}

void TTabRow::SetTabIndex(int i) {
    if (i == tabIndex_) return;
    tabIndex_ = i;
    if (handle_) SendMessageW(handle_, TCM_SETCURSEL, WPARAM(i), 0);
    Changed();
}

void TTabRow::Changed() {
    if (OnChange) OnChange(this);
}

RECT TTabRow::DisplayRect() {
    RECT r{0, 0, width_, height_};
    if (HandleAllocated()) {
        GetClientRect(handle_, &r);
        SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, LPARAM(&r));
    }
    return r;
}

void TTabRow::SetStyle(TTabStyle s) {
    if (s == style_) return;
    style_ = s;
    if (handle_) RecreateWnd();
}

void TTabRow::SetTabPosition(TTabPosition p) {
    if (p == tabPosition_) return;
    tabPosition_ = p;
    if (handle_) RecreateWnd();
}

void TTabRow::SetMultiLine(bool v) {
    if (v == multiLine_) return;
    multiLine_ = v;
    if (handle_) RecreateWnd();
}

void TTabRow::SetImages(TImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    if (handle_) SendMessageW(handle_, TCM_SETIMAGELIST, 0, LPARAM(images_ ? images_->Handle() : nullptr));
}

void TTabRow::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) SetImages(nullptr);
}

void TTabRow::Dispatch(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        if (hdr && hdr->code == UINT(TCN_SELCHANGE)) {
            tabIndex_ = int(SendMessageW(handle_, TCM_GETCURSEL, 0, 0));
            Changed();
        }
        m.Result = 0;
        return;
    }
    TWinControl::Dispatch(m);
}

// --- The tab-control family and TTabSet ------------------------------------------------------------------

const TClassInfo& TCustomTabControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomTabControl, TTabRow>("TCustomTabControl").Register();
    return info;
}

const TClassInfo& TTabControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTabControl, TCustomTabControl>("TTabControl")
        .Object<TStrings>("Tabs", &TTabControl::Tabs, nullptr)
        .Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
        .Register();
    return info;
}

const TClassInfo& TTabSet::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTabSet, TTabRow>("TTabSet")
        .Object<TStrings>("Tabs", &TTabSet::Tabs, nullptr)
        .Integer("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex)
        .Register();
    return info;
}

TTabSet::TTabSet(TComponent* owner) : TTabRow(owner) {
    height_ = 21;
    SetTabPosition(tpBottom);
}

// --- TTabSheet -------------------------------------------------------------------------------------------

const TClassInfo& TTabSheet::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTabSheet, TCustomControl>("TTabSheet")
        .Object<TPageControl>("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl)
        .Integer("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex)
        .Register();
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
    visible_ = false;
    parentColor_ = true; // pages (and the labels on them) in the colour of the form around the tabs
}

TTabSheet::~TTabSheet() {
    if (pageControl_) pageControl_->removePage(this);
    pageControl_ = nullptr;
    DestroyHandle();
}

void TTabSheet::SetPageControl(TPageControl* pc) {
    if (pc == pageControl_) return;
    if (pageControl_) pageControl_->removePage(this);
    pageControl_ = pc;
    TCustomControl::SetParent(pc);
    if (pc) pc->insertPage(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
    if (auto* pc = dynamic_cast<TPageControl*>(parent)) {
        SetPageControl(pc);
        return;
    }
    if (pageControl_) pageControl_->removePage(this);
    pageControl_ = nullptr;
    TCustomControl::SetParent(parent);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    for (int i = 0; i < pageControl_->PageCount(); ++i)
        if (pageControl_->Pages(i) == this) return i;
    return -1;
}

void TTabSheet::SetImageIndex(int i) {
    imageIndex_ = i;
    if (pageControl_) pageControl_->SyncTabs();
}

void TTabSheet::SetWideText(const std::wstring& text) {
    TCustomControl::SetWideText(text);
    if (pageControl_) pageControl_->SyncTabs();
}

void TTabSheet::Paint() {
    RECT r = ClientRect();
    HBRUSH b = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(Canvas()->Handle(), &r, b);
    DeleteObject(b);
}

// --- TPageControl ----------------------------------------------------------------------------------------

const TClassInfo& TPageControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TPageControl, TCustomTabControl>("TPageControl")
        .Object<TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
        .Bool("HideCloseBoxes", &TPageControl::HideCloseBoxes, &TPageControl::SetHideCloseBoxes)
        .Register();
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    for (TTabSheet* p : pages_) p->pageControl_ = nullptr;
    pages_.clear();
}

std::vector<std::pair<std::wstring, int>> TPageControl::TabItems() const {
    std::vector<std::pair<std::wstring, int>> items;
    for (TTabSheet* p : pages_) items.emplace_back(p->WideText(), p->ImageIndex());
    return items;
}

void TPageControl::insertPage(TTabSheet* page) {
    pages_.push_back(page);
    if (tabIndex_ < 0) tabIndex_ = 0;
    SyncTabs();
    showActive();
}

void TPageControl::removePage(TTabSheet* page) {
    auto at = std::find(pages_.begin(), pages_.end(), page);
    if (at == pages_.end()) return;
    int index = int(at - pages_.begin());
    pages_.erase(at);
    if (index < tabIndex_ || tabIndex_ >= PageCount()) --tabIndex_;
    if (tabIndex_ < 0 && !pages_.empty()) tabIndex_ = 0;
    SyncTabs();
    showActive();
}

void TPageControl::CreateWnd() {
    TCustomTabControl::CreateWnd();
    showActive();
}

void TPageControl::showActive() {
    if (handle_) SendMessageW(handle_, TCM_SETCURSEL, WPARAM(tabIndex_), 0);
    RECT r = DisplayRect();
    for (int i = 0; i < PageCount(); ++i) {
        TTabSheet* p = pages_[std::size_t(i)];
        p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        if (i != tabIndex_) p->SetVisible(false);
    }
    if (TTabSheet* active = ActivePage()) {
        active->SetVisible(true);
        active->BringToFront();
    }
}

void TPageControl::SetActivePage(TTabSheet* page) {
    auto at = std::find(pages_.begin(), pages_.end(), page);
    if (at != pages_.end()) SetActivePageIndex(int(at - pages_.begin()));
}

void TPageControl::SetActivePageIndex(int i) {
    if (i < 0 || i >= PageCount() || i == tabIndex_) return;
    SetTabIndex(i);
}

void TPageControl::Changed() {
    showActive();
    TCustomTabControl::Changed();
}

void TPageControl::SelectNextPage(bool forward) {
    int n = PageCount();
    if (n < 2) return;
    SetActivePageIndex(((tabIndex_ + (forward ? 1 : -1)) % n + n) % n);
}

void TPageControl::SetBounds(int l, int t, int w, int h) {
    TCustomTabControl::SetBounds(l, t, w, h);
    showActive();
}

void TPageControl::Dispatch(TMessage& m) {
    if (m.Msg == CM_DIALOGKEY && m.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && handle_) {
        HWND focus = GetFocus();
        if (focus == handle_ || IsChild(handle_, focus)) {
            SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
            m.Result = 1;
            return;
        }
    }
    TCustomTabControl::Dispatch(m);
}
