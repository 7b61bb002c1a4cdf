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
