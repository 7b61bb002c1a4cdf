// Objects drawn in a window's non-client area: TNCObject (state 1 normal, 2 pressed, 3 hot; at most one
// object of a window is current, the one hot or pressed) and the caption button TWinSysButton.
#pragma once

#include <windows.h>

class TDataSkinSysButton;
class TWinSkinForm;

class TNCObject {
public:
    explicit TNCObject(TWinSkinForm* owner) : Owner(owner) {}
    virtual ~TNCObject();
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseMove();
    virtual void MouseLeave();
    virtual void Paint() {}

    TWinSkinForm* Owner;
    RECT Rect{}; // window coordinates
    bool Visible = true;
    int State = 1;
    bool Enabled = true;

private:
    void BecomeCurrent(int state);
};

class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm* owner, TDataSkinSysButton* element) : TNCObject(owner), Element(element) {}

    void Paint() override;
    // Draws the button into a composition of the title (window coordinates) with frame `frame`.
    void DrawTo(HDC dc, int frame);
    int Action() const;
    bool ShowsIcon() const;
    // The size of one frame: the element's frame, or the window's icon bitmap for an icon button without one.
    SIZE FrameSize() const;

    TDataSkinSysButton* Element; // the skin's element (owned by the skin data)
};
