#include "runtime/ExtCtrls.h"

#include <map>

const TClassInfo& TImage::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TImage, TGraphicControl>("TImage")
        .Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize)
        .Bool("Center", &TImage::Center, &TImage::SetCenter)
        .Object<TPicture>("Picture", &TImage::Picture, nullptr)
        .Bool("Stretch", &TImage::Stretch, &TImage::SetStretch)
        .Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent)
        .Register();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
    width_ = 105;
    height_ = 105;
    picture_->OnChange = [this](TObject*) {
        if (autoSize_ && !picture_->Bitmap()->Empty()) SetBounds(left_, top_, picture_->Width(), picture_->Height());
        Invalidate();
    };
}

void TImage::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    if (v && !picture_->Bitmap()->Empty()) SetBounds(left_, top_, picture_->Width(), picture_->Height());
}

void TImage::Paint() {
    TBitmap* bmp = picture_->Bitmap();
    if (bmp->Empty()) return;
    RECT r;
    if (stretch_) {
        r = ClientRect();
    } else {
        int x = center_ ? (width_ - bmp->Width()) / 2 : 0;
        int y = center_ ? (height_ - bmp->Height()) / 2 : 0;
        r = RECT{x, y, x + bmp->Width(), y + bmp->Height()};
    }
    // Not through the bitmap's Transparent: changing it would invalidate the image again while it paints.
    Canvas()->StretchDraw(r, bmp, transparent_);
}

// --- TCustomPanel ---------------------------------------------------------------------------------------

const TEnumInfo BevelCutInfo{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};

const TClassInfo& TCustomPanel::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomPanel, TCustomControl>("TCustomPanel")
        .Enum("BevelInner", BevelCutInfo, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner)
        .Enum("BevelOuter", BevelCutInfo, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
        .Integer("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
        .Bool("ParentBackground", &TCustomPanel::ParentBackground, &TCustomPanel::SetParentBackground)
        .Register();
    return info;
}

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TPanel, TCustomPanel>("TPanel").Register();
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    width_ = 185;
    height_ = 41;
    parentBackground_ = true;
}

TCustomPanel::~TCustomPanel() { DestroyHandle(); }

void TCustomPanel::Paint() {
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    // With ParentBackground the panel shows its parent's colour rather than its own.
    TColor fill = ParentBackground() && Parent() ? Parent()->Color() : Color();
    HBRUSH b = CreateSolidBrush(ColorToRGB(fill));
    FillRect(dc, &r, b);
    DeleteObject(b);
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        for (int i = 0; i < bevelWidth_; ++i) {
            if (cut != bvSpace) DrawEdge(dc, &r, cut == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
            InflateRect(&r, -1, -1);
        }
    };
    bevel(bevelOuter_);
    bevel(bevelInner_);
    std::wstring text = WideText();
    if (!text.empty()) {
        HGDIOBJ old = SelectObject(dc, Font()->Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
    }
}

// --- TTimer ------------------------------------------------------------------------------------------------

namespace {
std::map<UINT_PTR, TTimer*>& timers() {
    static std::map<UINT_PTR, TTimer*> map;
    return map;
}
} // namespace

const TClassInfo& TTimer::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTimer, TComponent>("TTimer")
        .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
        .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
        .Event("OnTimer", &TTimer::OnTimer)
        .Register();
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    enabled_ = false;
    update();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    update();
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    update();
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    update();
}

void TTimer::update() {
    if (id_) {
        KillTimer(nullptr, id_);
        timers().erase(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ > 0 && !(ComponentState() & csLoading)) {
        id_ = SetTimer(nullptr, 0, interval_, TimerProc);
        if (!id_) throw EOutOfResources("Not enough timers available");
        timers()[id_] = this;
    }
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = timers().find(id);
    if (it == timers().end()) return;
    try {
        if (it->second->OnTimer) it->second->OnTimer(it->second);
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        // nothing may leave a timer callback
    }
}
