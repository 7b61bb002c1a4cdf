// The decisions about caption buttons, over plain facts of the window: whether a button shows and is
// enabled, where it sits, which frame of its strip it shows, what its action is, which button is under a
// point. The frame painter gathers the facts, draws and acts.
#pragma once

#include "skin/window/ElementGeometry.h"
#include "skin/window/FrameRules.h"

#include <functional>
#include <vector>

// Button states of non-client objects.
inline constexpr int NCStateNormal = 1;
inline constexpr int NCStatePressed = 2;
inline constexpr int NCStateHot = 3;

// The visibility code of buttons that the menu bar of an MDI frame draws.
inline constexpr int VisibilityMenuBar = 100;

struct CaptionWindowFacts {
    int showState = ssNormal;
    bool active = true;
    int captionBox = 0;
    int borderKind = bkSingle;
    bool systemDialog = false;
    // An MDI frame whose active MDI child is maximized.
    bool mdiChildMaximized = false;
    bool hasMenuBar = false;
};

// Asked for codes 1000..2000: the window's answer to WM_SKIN_BUTTONVISIBLE (code, action).
using TAskButtonVisible = std::function<int(int code, int action)>;

// Whether one visibility code holds: `second` picks the rule of the element's second code.
bool VisibilityCodeHolds(int code, bool second, int action, const CaptionWindowFacts& facts,
                         const TAskButtonVisible& ask);

struct CaptionButtonState {
    bool visible = true;
    bool enabled = true;
    friend bool operator==(const CaptionButtonState&, const CaptionButtonState&) = default;
};

// Both codes must hold, then the action corrects the result. `enabled` is the button's flag so far
// (only the maximize and minimize actions decide it).
CaptionButtonState UpdateButtonState(int visibility, int visibility1, int action, bool enabled,
                                     const CaptionWindowFacts& facts, const TAskButtonVisible& ask);

// What clicking a button does.
enum class TButtonActionKind { Close, Maximize, Minimize, SystemMenu, MdiMinimize, MdiRestore, MdiClose, Custom };
TButtonActionKind ActionKindOf(int action);
// Buttons that show the window's icon instead of their bitmap.
bool IsIconAction(int action);

// A frame count from a skin file as a frame number's upper bound: at least 1 (see FrameExtent).
int SafeFrameCount(int frameCount);

struct CaptionPlacementFacts {
    int windowWidth = 0;
    int captionLeft = 0;  // caption-text rectangle of the title
    int captionRight = 0;
    int rightBorder = 0;  // R
    int topBorder = 0;    // T
    int menuHeight = 0;   // M
    int menuBarLeft = 0;  // left margin of the skin's menu-bar element (0 without one)
};

// The button's rectangle in window coordinates; (0, 0, w, h) for an unknown alignment.
GeoRect PlaceButton(int align, int xcoord, int ycoord, int buttonWidth, int buttonHeight,
                    const CaptionPlacementFacts& facts);

// The frame shown by a state change (1 normal, 2 pressed, 3 hot), kept within the strip.
int ButtonStateFrame(int state, bool enabled, int frameCount, int visibility);
// The frame drawn with the title: 1, or 4 when there are at least 4 frames and the window is inactive or
// the button disabled.
int ButtonTitleFrame(bool windowActive, bool enabled, int frameCount);

// What ButtonAt looks at of a button.
struct CaptionButtonHit {
    bool visible = false;
    int action = 0;
    GeoRect rect;
};
// The index of the first visible button with a non-negative action whose rectangle holds the point; -1.
int ButtonAt(const std::vector<CaptionButtonHit>& buttons, int x, int y);
