// The one place where painters are made: the classification asks for a painter kind with its settings
// and gets a painter attached in the way the kind wants, or null for a kind that is not built (nothing is
// attached then). Each painter family adds its kinds to CreatePainter.
#pragma once

#include <windows.h>

#include "skin/window/ControlRules.h"

class TCanvas;
class TControl;
class TSkinControl;
class TSkinData;
class TWinSkinForm;

struct TPainterTarget {
    TControl* Control = nullptr; // the framework control painted (the painter's owner), or none
    HWND Handle = nullptr;       // the window painted by handle (window-mode attach)
    TWinSkinForm* FormSkin = nullptr;
    TSkinData* SkinData = nullptr;
    TCanvas* Canvas = nullptr;
};

TSkinControl* CreatePainter(const TPainterChoice& choice, const TPainterTarget& target);
