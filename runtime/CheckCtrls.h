// Check boxes, radio buttons and the group controls that hold them: group boxes, radio groups and check
// groups. Thin classes over the system BUTTON class that publish what the skin painters read (State,
// Checked, Alignment, Caption, Font).
#pragma once

#include "runtime/StdCtrls.h"

#include <memory>
#include <vector>

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
extern const TEnumInfo CheckBoxStateInfo;

// The caption's side: taLeftJustify puts the caption left of the box.
class TCustomCheckBox : public TButtonControl {
    GRV_CLASS(TCustomCheckBox)
public:
    explicit TCustomCheckBox(TComponent* owner);
    ~TCustomCheckBox() override;
    TCheckBoxState State() const;
    void SetState(TCheckBoxState s);
    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& m) override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    GRV_CLASS(TCheckBox)
public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

// A radio button; checking one unchecks the radio buttons beside it (same parent). The arrow keys move the
// check and the focus to the previous or next one, as in dialogs.
class TRadioButton : public TButtonControl {
    GRV_CLASS(TRadioButton)
public:
    explicit TRadioButton(TComponent* owner);
    ~TRadioButton() override;
    bool Checked() const;
    void SetChecked(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& m) override;

private:
    std::vector<TRadioButton*> siblings() const;
    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

// A framed container with a caption in its top edge, painted by the framework.
class TCustomGroupBox : public TCustomControl {
    GRV_CLASS(TCustomGroupBox)
public:
    explicit TCustomGroupBox(TComponent* owner);
    ~TCustomGroupBox() override;

protected:
    void Paint() override;
};

class TGroupBox : public TCustomGroupBox {
    GRV_CLASS(TGroupBox)
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

// A group box that makes one button per line of Items, in Columns columns.

class TCustomRadioGroup : public TCustomGroupBox {
    GRV_CLASS(TCustomRadioGroup)
public:
    explicit TCustomRadioGroup(TComponent* owner);
    ~TCustomRadioGroup() override;
    TStrings* Items() const { return items_.get(); }
    int ItemIndex() const;
    void SetItemIndex(int i);
    int Columns() const { return columns_; }
    void SetColumns(int n);
    TRadioButton* Buttons(int i) const { return i >= 0 && i < int(buttons_.size()) ? buttons_[i] : nullptr; }
    void SetBounds(int left, int top, int width, int height) override;

private:
    void rebuild();
    void arrange();
    std::unique_ptr<TStringList> items_;
    std::vector<TRadioButton*> buttons_;
    int columns_ = 1;
    int itemIndex_ = -1;
};

class TRadioGroup : public TCustomRadioGroup {
    GRV_CLASS(TRadioGroup)
public:
    explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
};

// A group box with one check box per line of Items.
class TCheckGroup : public TCustomGroupBox {
    GRV_CLASS(TCheckGroup)
public:
    explicit TCheckGroup(TComponent* owner);
    ~TCheckGroup() override;
    TStrings* Items() const { return items_.get(); }
    int Columns() const { return columns_; }
    void SetColumns(int n);
    TCheckBox* Buttons(int i) const { return i >= 0 && i < int(buttons_.size()) ? buttons_[i] : nullptr; }
    void SetBounds(int left, int top, int width, int height) override;

private:
    void rebuild();
    void arrange();
    std::unique_ptr<TStringList> items_;
    std::vector<TCheckBox*> buttons_;
    int columns_ = 1;
};
