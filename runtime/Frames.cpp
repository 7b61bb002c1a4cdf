#include "runtime/Frames.h"

const TClassInfo& TCustomFrame::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TCustomFrame, TCustomControl>("TCustomFrame").Register();
    return info;
}

const TClassInfo& TFrame::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TFrame, TCustomFrame>("TFrame").Register();
    return info;
}

TCustomFrame::TCustomFrame(TComponent* owner) : TCustomControl(owner) {
    width_ = 320;
    height_ = 240;
    parentColor_ = true; // a fragment of the form it is placed on: its background follows that form's
}

TCustomFrame::~TCustomFrame() { DestroyHandle(); }

void TCustomFrame::Paint() {
    RECT r = ClientRect();
    HBRUSH b = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(Canvas()->Handle(), &r, b);
    DeleteObject(b);
}
