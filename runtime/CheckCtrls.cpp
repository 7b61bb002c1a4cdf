#include "runtime/CheckCtrls.h"

#include <algorithm>

const TEnumInfo CheckBoxStateInfo{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};

// --- TCustomCheckBox -------------------------------------------------------------------------------------

const TClassInfo& TCustomCheckBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomCheckBox, TButtonControl>("TCustomCheckBox")
        .Enum("Alignment", AlignmentInfo, &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment)
        .Bool("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed)
        .Enum("State", CheckBoxStateInfo, &TCustomCheckBox::State, &TCustomCheckBox::SetState)
        .Bool("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked)
        .Register();
    return info;
}

const TClassInfo& TCheckBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCheckBox, TCustomCheckBox>("TCheckBox").Register();
    return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
    width_ = 97;
    height_ = 17;
    tabStop_ = true;
}

TCustomCheckBox::~TCustomCheckBox() { DestroyHandle(); }

void TCustomCheckBox::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.SysClassName = L"BUTTON";
    p.Style |= allowGrayed_ ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
    if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessageW(handle_, BM_SETCHECK, WPARAM(state_), 0);
}

void TCustomCheckBox::DestroyWnd() {
    if (handle_) state_ = TCheckBoxState(SendMessageW(handle_, BM_GETCHECK, 0, 0));
    TButtonControl::DestroyWnd();
}

TCheckBoxState TCustomCheckBox::State() const {
    if (handle_) return TCheckBoxState(std::clamp<LRESULT>(SendMessageW(handle_, BM_GETCHECK, 0, 0), 0, 2));
    return state_;
}

void TCustomCheckBox::SetState(TCheckBoxState s) {
    state_ = s;
    if (handle_) SendMessageW(handle_, BM_SETCHECK, WPARAM(s), 0);
}

void TCustomCheckBox::SetAllowGrayed(bool v) {
    if (v == allowGrayed_) return;
    allowGrayed_ = v;
    if (!v && state_ == cbGrayed) SetState(cbUnchecked);
    if (handle_) RecreateWnd();
}

void TCustomCheckBox::SetAlignment(TAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    if (handle_) RecreateWnd();
}

void TCustomCheckBox::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        return;
    }
    TButtonControl::Dispatch(m);
}

// --- TRadioButton ----------------------------------------------------------------------------------------

const TClassInfo& TRadioButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TRadioButton, TButtonControl>("TRadioButton")
        .Enum("Alignment", AlignmentInfo, &TRadioButton::Alignment, &TRadioButton::SetAlignment)
        .Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
        .Register();
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    width_ = 113;
    height_ = 17;
    tabStop_ = true;
}

TRadioButton::~TRadioButton() { DestroyHandle(); }

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.SysClassName = L"BUTTON";
    p.Style |= BS_RADIOBUTTON; // the framework keeps the group's single check itself
    if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessageW(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::DestroyWnd() {
    if (handle_) checked_ = SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    TButtonControl::DestroyWnd();
}

bool TRadioButton::Checked() const {
    if (handle_) return SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked_;
}

std::vector<TRadioButton*> TRadioButton::siblings() const {
    std::vector<TRadioButton*> list;
    if (!parent_) return list;
    for (int i = 0; i < parent_->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TRadioButton*>(parent_->Controls(i))) list.push_back(r);
    return list;
}

void TRadioButton::SetChecked(bool v) {
    bool was = Checked();
    checked_ = v;
    if (handle_) SendMessageW(handle_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!v || was) return;
    for (TRadioButton* r : siblings())
        if (r != this) r->SetChecked(false);
    if (!(ComponentState() & csLoading)) Click();
}

void TRadioButton::SetAlignment(TAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    if (handle_) RecreateWnd();
}

void TRadioButton::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED) {
            if (Checked()) Click();
            else SetChecked(true);
        }
        return;
    case CM_DIALOGKEY: {
        WORD key = WORD(m.WParam);
        bool back = key == VK_LEFT || key == VK_UP, ahead = key == VK_RIGHT || key == VK_DOWN;
        if (!(back || ahead) || !Focused()) break;
        std::vector<TRadioButton*> group = siblings();
        auto at = std::find(group.begin(), group.end(), this);
        int n = int(group.size()), i = int(at - group.begin());
        for (int step = 1; step < n; ++step) {
            TRadioButton* next = group[std::size_t(((back ? i - step : i + step) % n + n) % n)];
            if (!next->CanFocus()) continue;
            next->SetFocus();
            next->SetChecked(true);
            break;
        }
        m.Result = 1;
        return;
    }
    default: break;
    }
    TButtonControl::Dispatch(m);
}

// --- TCustomGroupBox -------------------------------------------------------------------------------------

const TClassInfo& TCustomGroupBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomGroupBox, TCustomControl>("TCustomGroupBox").Register();
    return info;
}

const TClassInfo& TGroupBox::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TGroupBox, TCustomGroupBox>("TGroupBox").Register();
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    width_ = 185;
    height_ = 105;
    parentColor_ = true; // no colour of its own: the labels inside take the parent's
}

TCustomGroupBox::~TCustomGroupBox() { DestroyHandle(); }

void TCustomGroupBox::Paint() {
    TCanvas& c = *Canvas();
    HDC dc = c.Handle();
    RECT r = ClientRect();
    HBRUSH face = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(dc, &r, face);
    DeleteObject(face);
    std::wstring caption = WideText();
    SIZE line{};
    GetTextExtentPoint32W(dc, L"0", 1, &line);
    RECT frame{r.left, r.top + line.cy / 2, r.right, r.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;
    SetBkColor(dc, ColorToRGB(Color()));
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    RECT text{r.left + 8, r.top, r.right, r.bottom};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_EXPANDTABS);
}

// --- Radio and check groups ------------------------------------------------------------------------------

namespace {
// Lays out one button per item in `columns` columns inside the group's frame.
template <class Button> void ArrangeButtons(TCustomGroupBox& group, const std::vector<Button*>& buttons, int columns) {
    if (buttons.empty()) return;
    columns = std::max(1, columns);
    int rows = (int(buttons.size()) + columns - 1) / columns;
    const int top = 18, margin = 8;
    int columnWidth = std::max(1, (group.Width() - 2 * margin) / columns);
    int rowHeight = std::max(17, (group.Height() - top - 6) / std::max(1, rows));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        int col = int(i) / rows, row = int(i) % rows;
        buttons[i]->SetBounds(margin + col * columnWidth, top + row * rowHeight + (rowHeight - 17) / 2,
                              columnWidth - 4, 17);
    }
}
} // namespace

const TClassInfo& TCustomRadioGroup::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomRadioGroup, TCustomGroupBox>("TCustomRadioGroup")
        .Object<TStrings>("Items", &TCustomRadioGroup::Items, nullptr)
        .Integer("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns)
        .Integer("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex)
        .Register();
    return info;
}

const TClassInfo& TRadioGroup::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TRadioGroup, TCustomRadioGroup>("TRadioGroup").Register();
    return info;
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), items_(std::make_unique<TStringList>()) {
    items_->OnChange = [this](TObject*) { rebuild(); };
}

TCustomRadioGroup::~TCustomRadioGroup() {
    items_->OnChange = nullptr;
    DestroyHandle();
}

void TCustomRadioGroup::rebuild() {
    for (TRadioButton* b : buttons_) delete b;
    buttons_.clear();
    for (int i = 0; i < items_->Count(); ++i) {
        auto* b = new TRadioButton(this);
        b->SetCaption(items_->Strings(i));
        b->SetParent(this);
        b->OnClick = [this, i](TObject*) {
            itemIndex_ = i;
            Click();
        };
        buttons_.push_back(b);
    }
    arrange();
    if (itemIndex_ >= 0 && itemIndex_ < int(buttons_.size())) buttons_[itemIndex_]->SetChecked(true);
}

void TCustomRadioGroup::arrange() { ArrangeButtons(*this, buttons_, columns_); }

int TCustomRadioGroup::ItemIndex() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->Checked()) return int(i);
    return buttons_.empty() ? itemIndex_ : -1;
}

void TCustomRadioGroup::SetItemIndex(int i) {
    itemIndex_ = i;
    if (i >= 0 && i < int(buttons_.size())) buttons_[i]->SetChecked(true);
    else
        for (TRadioButton* b : buttons_) b->SetChecked(false);
}

void TCustomRadioGroup::SetColumns(int n) {
    columns_ = std::max(1, n);
    arrange();
}

void TCustomRadioGroup::SetBounds(int l, int t, int w, int h) {
    TCustomGroupBox::SetBounds(l, t, w, h);
    arrange();
}

const TClassInfo& TCheckGroup::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCheckGroup, TCustomGroupBox>("TCheckGroup")
        .Object<TStrings>("Items", &TCheckGroup::Items, nullptr)
        .Integer("Columns", &TCheckGroup::Columns, &TCheckGroup::SetColumns)
        .Register();
    return info;
}

TCheckGroup::TCheckGroup(TComponent* owner) : TCustomGroupBox(owner), items_(std::make_unique<TStringList>()) {
    items_->OnChange = [this](TObject*) { rebuild(); };
}

TCheckGroup::~TCheckGroup() {
    items_->OnChange = nullptr;
    DestroyHandle();
}

void TCheckGroup::rebuild() {
    for (TCheckBox* b : buttons_) delete b;
    buttons_.clear();
    for (int i = 0; i < items_->Count(); ++i) {
        auto* b = new TCheckBox(this);
        b->SetCaption(items_->Strings(i));
        b->SetParent(this);
        buttons_.push_back(b);
    }
    arrange();
}

void TCheckGroup::arrange() { ArrangeButtons(*this, buttons_, columns_); }

void TCheckGroup::SetColumns(int n) {
    columns_ = std::max(1, n);
    arrange();
}

void TCheckGroup::SetBounds(int l, int t, int w, int h) {
    TCustomGroupBox::SetBounds(l, t, w, h);
    arrange();
}
