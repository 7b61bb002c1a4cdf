// TSpinEdit: a single-line edit for whole numbers with an up-down child inside its right edge (the arrows
// and the Up/Down keys step the value).
#pragma once

#include "runtime/StdCtrls.h"

class TSpinEdit : public TCustomEdit {
    GRV_CLASS(TSpinEdit)
public:
    explicit TSpinEdit(TComponent* owner);
    int MinValue() const { return minValue_; }
    void SetMinValue(int v);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int v);
    int Increment() const { return increment_; }
    void SetIncrement(int v);
    // The number shown, kept within MinValue..MaxValue (when MaxValue > MinValue); MinValue when not a number.
    int Value() const;
    void SetValue(int v);
    HWND UpDownHandle() const { return upDown_; }

protected:
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& m) override;

private:
    int Clamp(int v) const;
    void SyncUpDown();
    void PlaceUpDown();
    int minValue_ = 0, maxValue_ = 0, increment_ = 1, value_ = 0;
    HWND upDown_ = nullptr;
};
