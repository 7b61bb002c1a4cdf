// Classifying a window's controls: the Windows side of ControlRules. It gathers each control's facts,
// asks the rules, and carries out what they answer, creating painters through CreatePainter
// (skin/controls/PainterFactory.h). The entry points SkinFormControls and SkinChildWindows, and the
// painter-list operations, are members of TWinSkinForm; the steps between them are here.
#pragma once

#include <windows.h>

#include "skin/window/ControlRules.h"

class TComponent;
class TControl;
class TSkinControl;
class TWinSkinForm;

// The facts the rules read, taken from the skin data and the form skinner.
TSkinFacts SkinFactsOf(const TWinSkinForm& skinner);
// The facts of one control (its window handle is not created here).
TControlFacts ControlFactsOf(const TWinSkinForm& skinner, TControl* control);

void SkinOwnedComponents(TWinSkinForm& skinner, TComponent* component);
void SkinChildControls(TWinSkinForm& skinner, TControl* control);
void ClassifyControl(TWinSkinForm& skinner, TControl* control, TComponent* parentComponent);
bool IsTabOrderSkipped(const TWinSkinForm& skinner, TControl* control);
bool IsControlSkinned(const TWinSkinForm& skinner, TControl* control);
void DisableGroupChildren(const TWinSkinForm& skinner, TControl* control);
bool IsScrollingControl(TControl* control);
// The painter that serves the window handle, or none.
TSkinControl* FindWindowPainter(const TWinSkinForm& skinner, HWND handle);
