// TProgressBar over the common-controls progress bar.
#pragma once

#include "runtime/Controls.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };
extern const TEnumInfo ProgressBarOrientationInfo;

class TProgressBar : public TWinControl {
    GRV_CLASS(TProgressBar)
public:
    explicit TProgressBar(TComponent* owner);
    ~TProgressBar() override;
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);
    int Step() const { return step_; }
    void SetStep(int v) { step_ = v; }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v);
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation o);
    void StepIt() { SetPosition(Position() + step_); }
    void StepBy(int delta) { SetPosition(Position() + delta); }

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
    bool smooth_ = false;
    TProgressBarOrientation orientation_ = pbHorizontal;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
extern const TEnumInfo ViewStyleInfo;

// A list view over SysListView32. Columns holds the column captions (each "caption=width" or a caption alone,
// 100 pixels wide); each line of Items is one row, its cells separated by ';'.
class TCustomListView : public TWinControl {
    GRV_CLASS(TCustomListView)
public:
    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;
    TStrings* Columns() const { return columns_.get(); }
    TStrings* Items() const { return items_.get(); }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle v);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int b);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    void sync();
    std::unique_ptr<TStringList> columns_, items_;
    TViewStyle viewStyle_ = vsReport;
    int borderStyle_ = 1; // bsSingle
};

class TListView : public TCustomListView {
    GRV_CLASS(TListView)
public:
    explicit TListView(TComponent* owner) : TCustomListView(owner) {}
};

// A tree view over SysTreeView32. Each line of Items is a node; its leading spaces give its depth. The
// nodes start expanded.
class TCustomTreeView : public TWinControl {
    GRV_CLASS(TCustomTreeView)
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;
    TStrings* Items() const { return items_.get(); }
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int b);
    void FullExpand();

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    void sync();
    std::unique_ptr<TStringList> items_;
    int borderStyle_ = 1; // bsSingle
};

class TTreeView : public TCustomTreeView {
    GRV_CLASS(TTreeView)
public:
    explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
};

// TTrackBar over the common-controls track bar. Painters read Orientation and TickMarks by name.
enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
extern const TEnumInfo TrackBarOrientationInfo;
extern const TEnumInfo TickMarkInfo;
extern const TEnumInfo TickStyleInfo;

class TTrackBar : public TWinControl {
    GRV_CLASS(TTrackBar)
public:
    explicit TTrackBar(TComponent* owner);
    ~TTrackBar() override;
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation o);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark t);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle t);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
    TTrackBarOrientation orientation_ = trHorizontal;
    TTickMark tickMarks_ = tmBottomRight;
    TTickStyle tickStyle_ = tsAuto;
};

// TUpDown over the common-controls up-down (two arrow buttons that step a position).
enum TUDOrientation { udVertical, udHorizontal };
extern const TEnumInfo UDOrientationInfo;

class TUpDown : public TWinControl {
    GRV_CLASS(TUpDown)
public:
    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);
    int Increment() const { return increment_; }
    void SetIncrement(int v);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool v);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation o);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
    bool wrap_ = false;
    TUDOrientation orientation_ = udVertical;
};

// TDateTimePicker over the common-controls date-time picker. Kind dtkTime or DateMode dmUpDown: no drop-down
// calendar (the painters read both by name).
enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };
extern const TEnumInfo DateTimeKindInfo;
extern const TEnumInfo DTDateModeInfo;

class TDateTimePicker : public TWinControl {
    GRV_CLASS(TDateTimePicker)
public:
    explicit TDateTimePicker(TComponent* owner);
    ~TDateTimePicker() override;
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind k);
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode m);

protected:
    void CreateParams(TCreateParams& p) override;

private:
    TDateTimeKind kind_ = dtkDate;
    TDTDateMode dateMode_ = dmComboBox;
};
