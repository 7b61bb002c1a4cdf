// Helpers of the scroll-bar tests: the stored skin, painters attached to framework controls, message pumping,
// real mouse and keyboard input, presses whose system loop is driven from a timer, pixels read back, and the
// process's GDI object count.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/ComCtrls.h"
#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "runtime/FormReader.h"
#include "runtime/StdCtrls.h"
#include "skin/controls/ScrollBarGeometry.h"
#include "skin/controls/ScrollBarPaint.h"
#include "skin/controls/SkinScrollbars.h"
#include "skin/data/WinSkinData.h"
#include "GdiObjects.h"

// The stored skin, decoded once for the whole test program.
TSkinData& StoredSkin();

// A scroll-bar painter (a list-view painter when asked) owned by the control and attached to it.
TSkinScrollbar* AttachScrollPainter(TWinControl* control, bool listView = false);

// Dispatches this thread's messages for about `ms` milliseconds.
void Pump(int ms);
// The exit code of the last WM_QUIT that Pump took from the queue (-1: none since the last call).
int TakeQuitCode();

// Presses the left button at `at` (screen) with real input; the loop that the press starts is driven from a
// timer: `tick` runs every 20 ms inside it and answers true when the button may go up now.
void RunInsideLoop(POINT at, const std::function<bool()>& tick);

// A click at `at`; with `dragY` the cursor moves that far down (up when negative) before the release.
void ClickWithLoop(POINT at, int dragY = 0);

// Presses and releases a key with real input, then pumps.
void SendKey(WORD key);

// The screen's pixels inside the rectangle, row by row (0x00RRGGBB).
std::vector<COLORREF> ScreenPixels(const RECT& r);

// What the skin draws for the bar in the covered window's current state, pixel for pixel.
std::vector<COLORREF> ExpectedBarPixels(HWND covered, const TWScrollbar& bar);

