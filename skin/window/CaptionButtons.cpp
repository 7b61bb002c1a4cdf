// The caption buttons of a skinned title bar and the skinned system menu. No buttons are made yet: the
// title shows the caption text only, and non-client mouse input gets the system's default handling.
#include "skin/window/WinSkinForm.h"

void TWinSkinForm::CreateCaptionButtons() {}

void TWinSkinForm::FreeCaptionButtons() {
    CurrentObject = nullptr;
    CaptionButtons.clear();
}

void TWinSkinForm::DrawCaptionButtons(HDC) {}

bool TWinSkinForm::CaptionMouseMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void TWinSkinForm::CaptionSysCommand(WPARAM, LPARAM) {}

void TWinSkinForm::TrackHover() {}

void TWinSkinForm::ForgetCurrentObject() { CurrentObject = nullptr; }

void TWinSkinForm::FreeSystemMenu() { SystemMenu = nullptr; }
