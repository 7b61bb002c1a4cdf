#include "skin/data/SkinElements.h"

TDataSkinObject::TDataSkinObject(std::string name) : Bitmap(std::make_unique<TBitmap>()), Name(std::move(name)) {}
TDataSkinObject::~TDataSkinObject() = default;

void TDataSkinObject::SetMargins(const TMargins& m) {
    LeftWidth = m.Left;
    TopHeight = m.Top;
    RightWidth = m.Right;
    BottomHeight = m.Bottom;
}

bool TDataSkinObject::HasImage() const { return Bitmap && !Bitmap->Empty(); }

TDataSkinBorder::TDataSkinBorder(std::string name)
    : TDataSkinObject(std::move(name)), Bitmap2(std::make_unique<TBitmap>()) {}
TDataSkinBorder::~TDataSkinBorder() = default;

TDataSkinButton::TDataSkinButton(std::string name)
    : TDataSkinObject(std::move(name)), CheckBitmap(std::make_unique<TBitmap>()),
      RadioBitmap(std::make_unique<TBitmap>()) {}
TDataSkinButton::~TDataSkinButton() = default;
