#include "skin/window/WinSkinForm.h"

#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "runtime/Graphics.h"

const TClassInfo& TWinSkinForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TWinSkinForm, TComponent>("TWinSkinForm").Register();
    return info;
}

TWinSkinForm::TWinSkinForm(TComponent* owner, HWND window, const std::string& className)
    : TComponent(owner), Handle(window), WindowClass(className.substr(0, 100)) {}

TWinSkinForm::~TWinSkinForm() {
    if (SkinManager) SkinManager->ForgetPainter(this);
}

void TWinSkinForm::AttachForm(TSkinData*, TCustomForm*) {}
void TWinSkinForm::AttachToWindow(TSkinData*) {}
void TWinSkinForm::ComputeMetrics() {}
void TWinSkinForm::Activate() {}
void TWinSkinForm::ResizeToClient(bool) {}
void TWinSkinForm::Detach(bool) {}
void TWinSkinForm::DetachOnDestroy() {}
void TWinSkinForm::SkinChanged() {}
void TWinSkinForm::SetCaptionStyle(bool) {}
void TWinSkinForm::FrameChanged() {}
void TWinSkinForm::DropRegion() {}
void TWinSkinForm::PaintFrame(HDC) {}
void TWinSkinForm::DrawCaption(HDC, int, int) {}
void TWinSkinForm::UpdateRegion() {}
LRESULT TWinSkinForm::WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) { return Default(msg, wParam, lParam); }
void TWinSkinForm::FormMessage(TMessage&) {}
LRESULT TWinSkinForm::CalcFrame(WPARAM, LPARAM) { return 0; }
LRESULT TWinSkinForm::HitTest(WPARAM, LPARAM) { return 0; }
LRESULT TWinSkinForm::Default(UINT, WPARAM, LPARAM) { return 0; }

TWinSkinForm* FramePainterOf(HWND) { return nullptr; }
