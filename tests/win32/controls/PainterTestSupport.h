// Helpers of the control-painter tests: the stored skin, a form skinner for a test form, message pumping,
// real mouse input and pixels read back from the screen.
#pragma once

#include <windows.h>

#include "runtime/Forms.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/WinSkinForm.h"
#include "SkinTestSupport.h"
#include "../ScreenPixel.h"

#include <memory>

// Handles messages the way the program's loop does (keys reach the framework's dialog handling).
inline void Pump(int ms) {
    const DWORD end = GetTickCount() + DWORD(ms);
    do {
        Application->ProcessMessages();
        Sleep(5);
    } while (GetTickCount() < end);
}

// Pumps until the condition holds or the time is up (Wine delivers input and paints late under load).
template <class F> bool Eventually(F condition, int ms = 4000) {
    const DWORD end = GetTickCount() + DWORD(ms);
    for (;;) {
        Pump(20);
        if (condition()) return true;
        if (GetTickCount() > end) return false;
    }
}

inline void MouseTo(int x, int y) {
    SetCursorPos(x, y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = (x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = (y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

inline void MouseButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

inline void Key(WORD vk, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof in);
}

// The stored skin on a skin data component, and a form skinner (not attached to its window) whose
// Painters list and canvas the painters use.
struct SkinnedFormFixture {
    StreamedSkinData skin{"    Active = False\n", StoredSkinPackage()};
    TForm* form = nullptr;
    std::unique_ptr<TWinSkinForm> skinner;

    TSkinData* Data() const { return skin.data; }
    std::unique_ptr<TWinSkinForm> MakeSkinner(TCustomForm* form) {
        auto skinner =
            std::make_unique<TWinSkinForm>(nullptr, form ? form->Handle() : nullptr, form ? form->ClassName() : "");
        skinner->SkinData = skin.data;
        return skinner;
    }
    // Shows the form with the skin on every control, the focus on `focus` and the mouse out of the way.
    void ShowSkinned(TWinControl* focus = nullptr) {
        form->Show();
        skinner = MakeSkinner(form);
        skinner->SkinFormControls(form);
        if (focus) focus->SetFocus();
        MouseTo(5, 5);
        Pump(150);
    }
    void DropForm() {
        if (skinner) skinner->FreePainters();
        skinner.reset();
        delete form;
        form = nullptr;
    }
};

// A form made in code at a fixed place on the screen.
inline TForm* NewForm(int left, int top, int width, int height) {
    auto* form = new TForm(nullptr);
    form->SetBounds(left, top, width, height);
    form->SetBorderStyle(bsNone);
    return form;
}
