// Classifying a skinned window's controls and keeping its list of control painters (Painters).
// Nothing is classified yet: every entry point leaves the window's controls to the system's drawing.
#include "skin/window/WinSkinForm.h"

void TWinSkinForm::SkinFormControls(TCustomForm*) {}

void TWinSkinForm::SkinChildWindows(HWND) {}

void TWinSkinForm::ClassifyWindow(HWND) {}

void TWinSkinForm::RebuildScrollPainter(HWND) {}

void TWinSkinForm::ReloadPainters() {}

void TWinSkinForm::ReleasePainterHover() {}

void TWinSkinForm::FreePainters() { Painters.clear(); }
