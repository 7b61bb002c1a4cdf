// Which frame of the skin's check-box or radio-button strip shows a button's state. Frames count from 1.
// A 12-frame check strip (and an 8-frame radio strip) holds groups of four per state: normal, hot, pressed,
// disabled; any other count uses the four-frame layout: unchecked, checked, unchecked disabled, checked
// disabled (the indeterminate state shares the last).
#pragma once

enum class TCheckMark { Unchecked, Checked, Indeterminate };

struct TChoiceFacts {
    TCheckMark mark = TCheckMark::Unchecked;
    bool disabled = false;
    bool hot = false;     // the mouse is over the button
    bool pressed = false; // the button is held down
};

// The check box's frame in a strip of `frameCount` frames; always within 1..max(frameCount, 1).
int CheckBoxFrame(const TChoiceFacts& facts, int frameCount);
// The radio button's frame (an indeterminate radio button shows as unchecked).
int RadioButtonFrame(const TChoiceFacts& facts, int frameCount);

// The mark a framework check box's `State` enumeration name gives ("cbUnchecked", "cbChecked", "cbGrayed"),
// looked for case-insensitively in this order: "uncheck", "check", "gray". False when none is found.
bool CheckMarkFromStateName(const char* stateName, TCheckMark& mark);
