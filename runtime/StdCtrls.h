// Labels, edits, combo boxes and push buttons.
#pragma once

#include "runtime/Controls.h"
#include "runtime/Forms.h"

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

// --- Scrolling controls: the painters of scroll bars read BorderStyle, Kind, Min, Max, Position, PageSize ---

// bsNone or bsSingle (a sunken client edge) for the scrolling controls.
using TBorderStyle = TFormBorderStyle;
extern const TEnumInfo BorderStyleInfo;

// A list of texts over the system LISTBOX: vertical scroll bar when the items do not fit, horizontal one when
// ScrollWidth is wider than the client area.
class TCustomListBox : public TWinControl {
    GRV_CLASS(TCustomListBox)
public:
    explicit TCustomListBox(TComponent* owner);
    TStrings* Items() const { return items_.get(); }
    int ItemIndex() const;
    void SetItemIndex(int i);
    int TopIndex() const;
    void SetTopIndex(int i);
    int ScrollWidth() const { return scrollWidth_; }
    void SetScrollWidth(int w);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle b);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& m) override;

private:
    void syncItems();
    std::unique_ptr<TStringList> items_;
    int scrollWidth_ = 0;
    int savedIndex_ = -1;
    TBorderStyle borderStyle_ = bsSingle;
};

class TListBox : public TCustomListBox {
    GRV_CLASS(TListBox)
public:
    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const TEnumInfo ScrollStyleInfo;

// A multi-line edit whose text is its Lines.
class TCustomMemo : public TCustomEdit {
    GRV_CLASS(TCustomMemo)
public:
    explicit TCustomMemo(TComponent* owner);
    TStrings* Lines() const { return lines_.get(); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle b);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& m) override;

private:
    std::unique_ptr<TStringList> lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    bool syncing_ = false;
    TBorderStyle borderStyle_ = bsSingle;
};

class TMemo : public TCustomMemo {
    GRV_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

enum TScrollBarKind { sbHorizontal, sbVertical };
extern const TEnumInfo ScrollBarKindInfo;

// A scroll-bar control over the system SCROLLBAR; moves its own position on the scroll notifications that
// its parent reflects to it.
class TCustomScrollBar : public TWinControl {
    GRV_CLASS(TCustomScrollBar)
public:
    explicit TCustomScrollBar(TComponent* owner);
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind k);
    int Min() const { return min_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    int Max() const { return max_; }
    void SetMax(int v) { SetParams(position_, min_, v); }
    int Position() const { return position_; }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { largeChange_ = v; }
    void SetParams(int position, int min, int max);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void Dispatch(TMessage& m) override;

private:
    void apply();
    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0, smallChange_ = 1, largeChange_ = 1;
};

class TScrollBar : public TCustomScrollBar {
    GRV_CLASS(TScrollBar)
public:
    explicit TScrollBar(TComponent* owner) : TCustomScrollBar(owner) {}
};
