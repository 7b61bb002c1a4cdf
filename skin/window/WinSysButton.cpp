#include "skin/window/WinSysButton.h"

#include "runtime/Graphics.h"
#include "skin/data/SkinElements.h"
#include "skin/window/CaptionButtonRules.h"
#include "skin/window/ElementBitmaps.h"
#include "skin/window/WinSkinForm.h"

TNCObject::~TNCObject() {
    if (Owner && Owner->CurrentObject == this) Owner->CurrentObject = nullptr;
}

void TNCObject::BecomeCurrent(int state) {
    Owner->CurrentObject = this;
    State = state;
    Paint();
}

void TNCObject::MouseDown() {
    if (Owner->CurrentObject && Owner->CurrentObject != this) Owner->CurrentObject->MouseLeave();
    if (Visible) BecomeCurrent(NCStatePressed);
}

void TNCObject::MouseUp() {
    if (!Visible) return;
    State = NCStateHot;
    Paint();
}

void TNCObject::MouseMove() {
    TNCObject* current = Owner->CurrentObject;
    if (current == this) return;
    if (current) current->MouseLeave();
    if (Visible) BecomeCurrent(NCStateHot);
}

void TNCObject::MouseLeave() {
    if (!Visible) return;
    if (Owner->CurrentObject == this) Owner->CurrentObject = nullptr;
    State = NCStateNormal;
    Paint();
}

int TWinSysButton::Action() const { return Element ? Element->Action : -1; }

bool TWinSysButton::ShowsIcon() const { return IsIconAction(Action()); }

SIZE TWinSysButton::FrameSize() const {
    TBitmap* strip = Element ? Element->Bitmap.get() : nullptr;
    if (strip && !strip->Empty()) return {FrameExtent(strip->Width(), Element->FrameCount), strip->Height()};
    if (ShowsIcon() && Owner->IconBitmap && !Owner->IconBitmap->Empty())
        return {Owner->IconBitmap->Width(), Owner->IconBitmap->Height()};
    return {0, 0};
}

void TWinSysButton::DrawTo(HDC dc, int frame) {
    if (!Element) return;
    if (ShowsIcon()) {
        const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
        if (Owner->SmallIcon)
            DrawIconEx(dc, Rect.left, Rect.top, Owner->SmallIcon, cx, cy, 0, nullptr, DI_NORMAL);
        else if (Owner->IconBitmap && !Owner->IconBitmap->Empty())
            DrawTransparent(dc, {Rect.left, Rect.top, Rect.left + cx, Rect.top + cy}, Owner->IconBitmap.get(),
                            0xFF00FF);
        return;
    }
    PaintStretchedFrame(dc, Rect, Element->Bitmap.get(), true, SafeFrameCount(Element->FrameCount), frame);
}

void TWinSysButton::Paint() {
    if (!Visible || !Element || !Owner->Handle) return;
    HDC dc = GetWindowDC(Owner->Handle);
    if (!dc) return;
    DrawTo(dc, ButtonStateFrame(State, Enabled, Element->FrameCount, Element->Visibility));
    ReleaseDC(Owner->Handle, dc);
}
