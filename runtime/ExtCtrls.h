// TImage (a bitmap painted by its parent), TPanel and TTimer.
#pragma once

#include "runtime/Controls.h"

class TImage : public TGraphicControl {
    GRV_CLASS(TImage)
public:
    explicit TImage(TComponent* owner);
    TPicture* Picture() const { return picture_.get(); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) { stretch_ = v; Invalidate(); }
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; Invalidate(); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

protected:
    void Paint() override;

private:
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false, center_ = false, transparent_ = false, autoSize_ = false;
};

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
extern const TEnumInfo BevelCutInfo;

// A panel: a windowed container with bevels and a centred caption.
class TCustomPanel : public TCustomControl {
    GRV_CLASS(TCustomPanel)
public:
    explicit TCustomPanel(TComponent* owner);
    ~TCustomPanel() override;
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut b) { bevelOuter_ = b; Invalidate(); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut b) { bevelInner_ = b; Invalidate(); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w) { bevelWidth_ = w < 1 ? 1 : w; Invalidate(); }

protected:
    void Paint() override;

private:
    TBevelCut bevelOuter_ = bvRaised, bevelInner_ = bvNone;
    int bevelWidth_ = 1;
};

class TPanel : public TCustomPanel {
    GRV_CLASS(TPanel)
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

// Calls OnTimer every Interval milliseconds while Enabled, from the message loop of the thread that made it.
class TTimer : public TComponent {
    GRV_CLASS(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    TNotifyEvent OnTimer;
    void Loaded() override;

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    void update();
    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
};

// A container whose children may reach past its client area: window scroll bars appear when they do, and
// scrolling (bars, wheel) moves the children.
class TScrollBox : public TWinControl {
    GRV_CLASS(TScrollBox)
public:
    explicit TScrollBox(TComponent* owner);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int b);
    // Fits the scroll ranges to the children (call after adding or moving children at run time).
    void UpdateScrollRange();
    POINT ScrollOffset() const { return offset_; }
    void Loaded() override;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void Dispatch(TMessage& m) override;

private:
    void scrollBy(int dx, int dy);
    void scrollTo(int bar, int position);
    int borderStyle_ = 1; // bsSingle
    POINT offset_{0, 0};
    bool updating_ = false;
};
