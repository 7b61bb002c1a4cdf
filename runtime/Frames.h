// A frame: a form fragment placed inside a form; it owns the components made on it.
#pragma once

#include "runtime/Controls.h"

class TCustomFrame : public TCustomControl {
    GRV_CLASS(TCustomFrame)
public:
    explicit TCustomFrame(TComponent* owner);
    ~TCustomFrame() override;

protected:
    void Paint() override;
};

class TFrame : public TCustomFrame {
    GRV_CLASS(TFrame)
public:
    explicit TFrame(TComponent* owner) : TCustomFrame(owner) {}
};
