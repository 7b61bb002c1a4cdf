#include "runtime/StdCtrls.h"

const TEnumInfo BorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};

const TClassInfo& TCustomListBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomListBox, TWinControl>("TCustomListBox")
        .Enum("BorderStyle", BorderStyleInfo, &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle)
        .Object<TStrings>("Items", &TCustomListBox::Items, nullptr)
        .Integer("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex)
        .Integer("ScrollWidth", &TCustomListBox::ScrollWidth, &TCustomListBox::SetScrollWidth)
        .Register();
    return info;
}

const TClassInfo& TListBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TListBox, TCustomListBox>("TListBox").Register();
    return info;
}

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStringList>()) {
    width_ = 121;
    height_ = 97;
    color_ = clWindow;
    tabStop_ = true;
    items_->OnChange = [this](TObject*) { syncItems(); };
}

void TCustomListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"LISTBOX";
    p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
    if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
    TWinControl::CreateWnd();
    syncItems();
    if (savedIndex_ >= 0 && savedIndex_ < items_->Count()) SendMessageW(handle_, LB_SETCURSEL, WPARAM(savedIndex_), 0);
}

void TCustomListBox::DestroyWnd() {
    savedIndex_ = ItemIndex();
    TWinControl::DestroyWnd();
}

void TCustomListBox::syncItems() {
    if (!handle_) return;
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(handle_, LB_RESETCONTENT, 0, 0);
    for (const auto& s : items_->Items()) SendMessageW(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromAnsi(s).c_str()));
    SendMessageW(handle_, LB_SETHORIZONTALEXTENT, WPARAM(scrollWidth_), 0);
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(handle_, nullptr, TRUE);
}

int TCustomListBox::ItemIndex() const {
    if (!handle_) return savedIndex_;
    return int(SendMessageW(handle_, LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int i) {
    savedIndex_ = i;
    if (handle_) SendMessageW(handle_, LB_SETCURSEL, WPARAM(i), 0);
}

int TCustomListBox::TopIndex() const { return handle_ ? int(SendMessageW(handle_, LB_GETTOPINDEX, 0, 0)) : 0; }

void TCustomListBox::SetTopIndex(int i) {
    if (handle_) SendMessageW(handle_, LB_SETTOPINDEX, WPARAM(i), 0);
}

void TCustomListBox::SetScrollWidth(int w) {
    scrollWidth_ = w < 0 ? 0 : w;
    if (handle_) SendMessageW(handle_, LB_SETHORIZONTALEXTENT, WPARAM(scrollWidth_), 0);
}

void TCustomListBox::SetBorderStyle(TBorderStyle b) {
    if (b == borderStyle_) return;
    borderStyle_ = b;
    RecreateWnd();
}

void TCustomListBox::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == LBN_SELCHANGE) Click();
        return;
    }
    TWinControl::Dispatch(m);
}
