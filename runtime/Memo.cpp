#include "runtime/StdCtrls.h"

const TEnumInfo ScrollStyleInfo{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};

const TClassInfo& TCustomMemo::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomMemo, TCustomEdit>("TCustomMemo")
        .Enum("BorderStyle", BorderStyleInfo, &TCustomMemo::BorderStyle, &TCustomMemo::SetBorderStyle)
        .Object<TStrings>("Lines", &TCustomMemo::Lines, nullptr)
        .Enum("ScrollBars", ScrollStyleInfo, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars)
        .Bool("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)
        .Register();
    return info;
}

const TClassInfo& TMemo::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TMemo, TCustomMemo>("TMemo").Register();
    return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TStringList>()) {
    width_ = 185;
    height_ = 89;
    lines_->OnChange = [this](TObject*) {
        if (syncing_) return;
        syncing_ = true;
        std::string text = lines_->Text();
        if (text.size() >= 2) text.resize(text.size() - 2); // no line break after the last line
        SetText(text);
        syncing_ = false;
    };
}

void TCustomMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style &= ~DWORD(ES_AUTOHSCROLL);
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.Style |= WS_HSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
    if (!wordWrap_ || (p.Style & WS_HSCROLL)) p.Style |= ES_AUTOHSCROLL;
    if (borderStyle_ == bsNone) p.ExStyle &= ~DWORD(WS_EX_CLIENTEDGE);
}

void TCustomMemo::CreateWnd() {
    TCustomEdit::CreateWnd();
    std::string text = lines_->Text();
    if (text.size() >= 2) text.resize(text.size() - 2);
    SetWindowTextW(handle_, WideFromAnsi(text).c_str());
}

void TCustomMemo::DestroyWnd() {
    syncing_ = true;
    lines_->SetText(Text());
    syncing_ = false;
    TCustomEdit::DestroyWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle s) {
    if (s == scrollBars_) return;
    scrollBars_ = s;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    RecreateWnd();
}

void TCustomMemo::SetBorderStyle(TBorderStyle b) {
    if (b == borderStyle_) return;
    borderStyle_ = b;
    RecreateWnd();
}

void TCustomMemo::Dispatch(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == EN_CHANGE && !syncing_ && !(ComponentState() & csLoading)) {
        syncing_ = true;
        lines_->SetText(Text());
        syncing_ = false;
    }
    TCustomEdit::Dispatch(m);
}
