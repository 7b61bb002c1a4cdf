// Labels, edits, combo boxes and push buttons.
#pragma once

#include "runtime/Controls.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
extern const TEnumInfo AlignmentInfo;

class TCustomLabel : public TGraphicControl {
    GRV_CLASS(TCustomLabel)
public:
    explicit TCustomLabel(TComponent* owner);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    void AdjustBounds(); // fits the size to the text when AutoSize is on
    void Loaded() override;

protected:
    void Paint() override;
    void Dispatch(TMessage& m) override;
    UINT TextFlags() const;

private:
    bool transparent_ = false, autoSize_ = true, wordWrap_ = false, showAccelChar_ = true;
    TAlignment alignment_ = taLeftJustify;
};

class TLabel : public TCustomLabel {
    GRV_CLASS(TLabel)
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

class TCustomEdit : public TWinControl {
    GRV_CLASS(TCustomEdit)
public:
    explicit TCustomEdit(TComponent* owner);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    void SelectAll();
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void Dispatch(TMessage& m) override;

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
    GRV_CLASS(TEdit)
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
extern const TEnumInfo ComboBoxStyleInfo;

class TCustomComboBox : public TWinControl {
    GRV_CLASS(TCustomComboBox)
public:
    explicit TCustomComboBox(TComponent* owner);
    TStrings* Items() const { return items_.get(); }
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h);
    int ItemIndex() const;
    void SetItemIndex(int i);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { dropDownCount_ = n; }
    bool DroppedDown() const;
    HWND EditHandle() const;  // the edit inside a drop-down combo box, or nullptr
    void SetBounds(int left, int top, int width, int height) override;
    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& m) override;

private:
    void syncItems();
    std::unique_ptr<TStringList> items_;
    TComboBoxStyle style_ = csDropDown;
    int itemHeight_ = 13;
    int dropDownCount_ = 8;
    int savedIndex_ = -1;
};

class TComboBox : public TCustomComboBox {
    GRV_CLASS(TComboBox)
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

class TButtonControl : public TWinControl {
    GRV_CLASS(TButtonControl)
public:
    explicit TButtonControl(TComponent* owner) : TWinControl(owner) {}
};

// A push button over the system BUTTON class.
class TButton : public TButtonControl {
    GRV_CLASS(TButton)
public:
    explicit TButton(TComponent* owner);
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    void Click() override;

protected:
    void CreateParams(TCreateParams& p) override;
    void Dispatch(TMessage& m) override;

private:
    bool default_ = false, cancel_ = false;
    int modalResult_ = 0;
};

// The accelerator character of a caption ("&Open" gives 'O'), or 0.
wchar_t AcceleratorOf(const std::wstring& caption);
