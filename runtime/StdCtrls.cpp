#include "runtime/StdCtrls.h"

#include "runtime/Forms.h"

#include <cwctype>

const TEnumInfo AlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumInfo ComboBoxStyleInfo{"TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};

// --- TCustomLabel ------------------------------------------------------------------------------------------

const TClassInfo& TCustomLabel::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomLabel, TGraphicControl>("TCustomLabel")
        .Enum("Alignment", AlignmentInfo, &TCustomLabel::Alignment, &TCustomLabel::SetAlignment)
        .Bool("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize)
        .Bool("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar)
        .Bool("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent)
        .Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap)
        .Register();
    return info;
}

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TLabel, TCustomLabel>("TLabel").Register();
    return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    width_ = 65;
    height_ = 17;
    parentColor_ = true;
}

void TCustomLabel::SetTransparent(bool v) { if (v != transparent_) { transparent_ = v; Invalidate(); } }
void TCustomLabel::SetAutoSize(bool v) { if (v != autoSize_) { autoSize_ = v; AdjustBounds(); } }
void TCustomLabel::SetWordWrap(bool v) { if (v != wordWrap_) { wordWrap_ = v; AdjustBounds(); Invalidate(); } }
void TCustomLabel::SetAlignment(TAlignment a) { if (a != alignment_) { alignment_ = a; Invalidate(); } }
void TCustomLabel::SetShowAccelChar(bool v) { if (v != showAccelChar_) { showAccelChar_ = v; AdjustBounds(); Invalidate(); } }

UINT TCustomLabel::TextFlags() const {
    UINT f = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | (showAccelChar_ ? 0 : DT_NOPREFIX);
    if (alignment_ == taRightJustify) f |= DT_RIGHT;
    else if (alignment_ == taCenter) f |= DT_CENTER;
    return f;
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || (ComponentState() & csLoading)) return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    std::wstring text = WideText();
    if (text.empty()) text = L" ";
    RECT r{0, 0, wordWrap_ ? width_ : 0, 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &r, TextFlags() | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    int l = left_;
    if (alignment_ == taRightJustify) l = left_ + width_ - r.right;
    SetBounds(l, top_, r.right, r.bottom);
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::Dispatch(TMessage& m) {
    if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
        return;
    }
    if (m.Msg == CM_DIALOGCHAR) return; // labels have no focus to give
    TGraphicControl::Dispatch(m);
}

void TCustomLabel::Paint() {
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    if (!transparent_) {
        HBRUSH b = CreateSolidBrush(ColorToRGB(Color()));
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    std::wstring text = WideText();
    if (!Enabled()) {
        OffsetRect(&r, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), int(text.size()), &r, TextFlags());
        OffsetRect(&r, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, ColorToRGB(Font()->Color()));
    }
    DrawTextW(dc, text.c_str(), int(text.size()), &r, TextFlags());
    SelectObject(dc, old);
}

// --- TCustomEdit -------------------------------------------------------------------------------------------

const TClassInfo& TCustomEdit::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomEdit, TWinControl>("TCustomEdit")
        .String("Text", &TCustomEdit::Text, &TCustomEdit::SetText)
        .Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
        .Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
        .Event("OnChange", &TCustomEdit::OnChange)
        .Register();
    return info;
}

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TEdit, TCustomEdit>("TEdit").Register();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    width_ = 121;
    height_ = 21;
    color_ = clWindow;
    tabStop_ = true;
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"EDIT";
    p.Style |= ES_AUTOHSCROLL | ES_LEFT | (readOnly_ ? ES_READONLY : 0);
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageW(handle_, EM_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SetMaxLength(int v) {
    maxLength_ = v < 0 ? 0 : v;
    if (handle_) SendMessageW(handle_, EM_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    if (handle_) SendMessageW(handle_, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SelectAll() {
    if (handle_) SendMessageW(handle_, EM_SETSEL, 0, -1);
}

void TCustomEdit::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == EN_CHANGE && !(ComponentState() & csLoading)) {
            Perform(CM_TEXTCHANGED);
            if (OnChange) OnChange(this);
        }
        return;
    }
    TWinControl::Dispatch(m);
}

// --- TCustomComboBox ---------------------------------------------------------------------------------------

const TClassInfo& TCustomComboBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomComboBox, TWinControl>("TCustomComboBox")
        .Enum("Style", ComboBoxStyleInfo, &TCustomComboBox::Style, &TCustomComboBox::SetStyle)
        .Integer("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount)
        .Integer("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight)
        .Object<TStrings>("Items", &TCustomComboBox::Items, nullptr)
        .Integer("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex)
        .String("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText)
        .Event("OnChange", &TCustomComboBox::OnChange)
        .Event("OnDropDown", &TCustomComboBox::OnDropDown)
        .Event("OnCloseUp", &TCustomComboBox::OnCloseUp)
        .Register();
    return info;
}

const TClassInfo& TComboBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TComboBox, TCustomComboBox>("TComboBox").Register();
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStringList>()) {
    width_ = 145;
    height_ = 21;
    color_ = clWindow;
    tabStop_ = true;
    items_->OnChange = [this](TObject*) { syncItems(); };
}

void TCustomComboBox::syncItems() {
    if (!handle_) return;
    std::wstring text = WideText();
    SendMessageW(handle_, CB_RESETCONTENT, 0, 0);
    for (const auto& s : items_->Items()) SendMessageW(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromAnsi(s).c_str()));
    if (style_ != csDropDownList) SetWindowTextW(handle_, text.c_str());
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = L"COMBOBOX";
    static const DWORD styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                   CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
    p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS | styles[style_];
    if (style_ != csSimple) p.Height = height_ + itemHeight_ * dropDownCount_ + 2;
}

void TCustomComboBox::CreateWnd() {
    std::wstring text = text_;
    TWinControl::CreateWnd();
    SendMessageW(handle_, CB_SETITEMHEIGHT, 0, itemHeight_);
    syncItems();
    if (savedIndex_ >= 0 && savedIndex_ < items_->Count()) SendMessageW(handle_, CB_SETCURSEL, WPARAM(savedIndex_), 0);
    else if (style_ != csDropDownList) SetWindowTextW(handle_, text.c_str());
    updateBoundsFromWindow();
}

void TCustomComboBox::DestroyWnd() {
    savedIndex_ = ItemIndex();
    TWinControl::DestroyWnd();
}

void TCustomComboBox::SetBounds(int l, int t, int w, int h) {
    if (!handle_ || style_ == csSimple) return TWinControl::SetBounds(l, t, w, h);
    // The window of a drop-down combo box includes its list: keep the list's height below the edit.
    SetWindowPos(handle_, nullptr, l, t, w, h + itemHeight_ * dropDownCount_ + 2, SWP_NOZORDER | SWP_NOACTIVATE);
    updateBoundsFromWindow();
}

void TCustomComboBox::SetStyle(TComboBoxStyle s) {
    if (s == style_) return;
    style_ = s;
    RecreateWnd();
}

void TCustomComboBox::SetItemHeight(int h) {
    itemHeight_ = h;
    if (handle_) SendMessageW(handle_, CB_SETITEMHEIGHT, 0, h);
}

int TCustomComboBox::ItemIndex() const {
    if (!handle_) return savedIndex_;
    return int(SendMessageW(handle_, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int i) {
    if (ComponentState() & csLoading) { // the items may come later in the description
        savedIndex_ = i;
        return;
    }
    if (i < -1 || i >= items_->Count()) i = -1;
    savedIndex_ = i;
    if (handle_) SendMessageW(handle_, CB_SETCURSEL, WPARAM(i), 0);
    else if (i >= 0) text_ = WideFromAnsi(items_->Strings(i));
}

bool TCustomComboBox::DroppedDown() const { return handle_ && SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0); }

HWND TCustomComboBox::EditHandle() const {
    if (!handle_ || style_ == csDropDownList) return nullptr;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(handle_, &info) ? info.hwndItem : nullptr;
}

void TCustomComboBox::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        switch (HIWORD(m.WParam)) {
        case CBN_EDITCHANGE:
            if (OnChange) OnChange(this);
            break;
        case CBN_SELCHANGE:
            Click();
            if (OnChange) OnChange(this);
            break;
        case CBN_DROPDOWN:
            if (OnDropDown) OnDropDown(this);
            break;
        case CBN_CLOSEUP:
            if (OnCloseUp) OnCloseUp(this);
            break;
        case CBN_SETFOCUS:
            // The focus sits in the edit inside: tell the form that this control has it.
            for (TControl* top = this; top; top = top->Parent())
                if (!top->Parent() && top != this) top->Perform(CM_FOCUSCHANGED, 1, reinterpret_cast<LPARAM>(this));
            break;
        default: break;
        }
        return;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        SetTextColor(dc, ColorToRGB(font_->Color()));
        SetBkColor(dc, ColorToRGB(color_));
        m.Result = reinterpret_cast<LRESULT>(ColorBrush());
        return;
    }
    default: break;
    }
    TWinControl::Dispatch(m);
}

// --- TButton -----------------------------------------------------------------------------------------------

const TClassInfo& TButtonControl::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TButtonControl, TWinControl>("TButtonControl").Register();
    return info;
}

const TClassInfo& TButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TButton, TButtonControl>("TButton")
        .Bool("Cancel", &TButton::Cancel, &TButton::SetCancel)
        .Bool("Default", &TButton::Default, &TButton::SetDefault)
        .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
        .Register();
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    width_ = 75;
    height_ = 25;
    tabStop_ = true;
}

void TButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.SysClassName = L"BUTTON";
    p.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
    default_ = v;
    if (handle_) SendMessageW(handle_, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this); form && modalResult_ != mrNone) form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

void TButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        return;
    case CM_DIALOGKEY: {
        // Return presses the focused button, or the default one while no button has the focus.
        bool anyButtonFocused = dynamic_cast<TButton*>(FindControl(GetFocus())) != nullptr;
        bool active = Focused() || (default_ && !anyButtonFocused);
        if (((m.WParam == VK_RETURN && active) || (m.WParam == VK_ESCAPE && cancel_)) && CanFocus()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    case CM_DIALOGCHAR:
        if (wchar_t a = AcceleratorOf(WideText()); a && a == wchar_t(std::towupper(wchar_t(m.WParam))) && CanFocus()) {
            Click();
            m.Result = 1;
        }
        return;
    default: break;
    }
    TButtonControl::Dispatch(m);
}
