#include "skin/window/SkinManage.h"

#include "runtime/Controls.h"
#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "skin/data/WinSkinData.h"

#include <algorithm>

TSkinManage* SkinManager = nullptr;
bool IsNTPlatform = true;

namespace {

// The program's module instance: SkinWindow skins windows of other modules only when they are dialogs.
HINSTANCE g_moduleInstance = nullptr;

// Set when the unit starts, on the main thread.
struct UnitStart {
    UnitStart() {
        g_moduleInstance = GetModuleHandleW(nullptr);
        OSVERSIONINFOW version{};
        version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (GetVersionExW(&version)) IsNTPlatform = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
    }
    ~UnitStart() { FreeSkinManager(); }
} g_unitStart;

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* manager = SkinManager;
    if (code >= 0 && manager && code == HCBT_ACTIVATE) {
        if (manager->runState == 0) manager->runState = 1;
        // No exception may cross the system's call of the hook.
        try {
            manager->SkinWindow(reinterpret_cast<HWND>(wParam));
        } catch (const std::exception& e) {
            ShowException(e);
        } catch (...) {
        }
    }
    return CallNextHookEx(manager ? manager->hook : nullptr, code, wParam, lParam);
}

} // namespace

TSkinManage::TSkinManage() : timer(std::make_unique<TTimer>(nullptr)) {
    timer->SetEnabled(false);
    timer->SetInterval(100);
    timer->OnTimer = [this](TObject*) { RunScheduled(); };
}

TSkinManage::~TSkinManage() {
    destroying_ = true;
    runState = RunStateDestroying;
    skinning = false;
    timer.reset();
    RemoveAllPainters(true);
    for (TSkinPopupPainter* popup : popupPainters) delete popup;
    popupPainters.clear();
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
}

void TSkinManage::RegisterSkinData(TSkinData* skinData) {
    if (!skinData) return;
    skinDatas.push_back(skinData);
    if (!mainSkinData && skinData->SkinFormtype() == sfMainform) mainSkinData = skinData;
}

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
    auto it = std::find(skinDatas.begin(), skinDatas.end(), skinData);
    if (it != skinDatas.end()) skinDatas.erase(it);
    // A component that goes away must not be served later by a timer tick or a window.
    if (pendingSkinData == skinData) pendingSkinData = nullptr;
    if (mainSkinData == skinData) mainSkinData = nullptr;
}

void TSkinManage::Schedule(int action, int delayMs) {
    pendingAction = action;
    timer->SetInterval(delayMs > 0 ? static_cast<unsigned>(delayMs) : 0u);
    if (runState != 0) {
        timer->SetEnabled(true);
        return;
    }
    if (action == saApply) skinning = true;
    else if (action == saRemove) skinning = false;
}

bool TSkinManage::TimerEnabled() const { return timer && timer->Enabled(); }
int TSkinManage::TimerInterval() const { return timer ? static_cast<int>(timer->Interval()) : 0; }

void TSkinManage::RunScheduled() {
    timer->SetEnabled(false);
    TSkinData* skinData = pendingSkinData;
    if (!skinData) return;
    const bool onlyItsForm = skinData->SkinFormtype() == sfOnlyThisForm;
    switch (pendingAction) {
    case saApply:
        skinning = true;
        applyingAll = true;
        if (onlyItsForm) {
            for (int i = Application->FormCount() - 1; i >= 0; --i)
                if (Application->Forms(i) == skinData->Owner()) {
                    SkinForm(Application->Forms(i));
                    break;
                }
        } else {
            PurgePainters();
            for (int i = Application->FormCount() - 1; i >= 0; --i) SkinForm(Application->Forms(i));
        }
        applyingAll = false;
        break;
    case saRemove:
        skinning = false;
        PurgePainters();
        if (onlyItsForm) {
            for (auto it = formPainters.rbegin(); it != formPainters.rend(); ++it) {
                if ((*it)->PainterSkinData() != skinData) continue;
                TSkinFormPainter* painter = *it;
                formPainters.erase(std::next(it).base());
                DetachPainter(painter);
                break;
            }
        } else {
            RemoveAllPainters(false);
        }
        break;
    case saReapply:
        PurgePainters();
        for (TSkinFormPainter* painter : formPainters) {
            if (painter->PainterSkinData() != skinData) continue;
            painter->FreeCaptionButtons();
            if (onlyItsForm) break;
        }
        break;
    default:
        break;
    }
    skinData->SkinChanged();
    if (pendingSkinData == skinData) pendingSkinData = nullptr;
}

void TSkinManage::SkinForm(TCustomForm* form) {
    if (!form || !form->Visible()) return;
    if (GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CHILD) return;
    SkinWindow(form->Handle());
}

void TSkinManage::ReinitPainters() {
    for (TSkinFormPainter* painter : formPainters)
        if (painter->PainterSkinData() == pendingSkinData) painter->FreeCaptionButtons();
}

void TSkinManage::InstallHook() {
    if (!hook) hook = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
}

bool TSkinManage::SkinWindow(HWND) {
    // No frame painter exists yet to attach.
    return false;
}

TSkinFormPainter* TSkinManage::FindFormPainter(HWND window) const {
    for (TSkinFormPainter* painter : formPainters)
        if (painter->PaintedWindow() == window) return painter;
    return nullptr;
}

void TSkinManage::ForgetWindow(HWND window) {
    if (destroying_) return;
    auto it = std::find_if(formPainters.begin(), formPainters.end(),
                           [window](TSkinFormPainter* p) { return p->PaintedWindow() == window; });
    if (it != formPainters.end()) formPainters.erase(it);
}

void TSkinManage::ForgetPainter(TSkinFormPainter* painter) {
    if (destroying_) return;
    formPainters.erase(std::remove(formPainters.begin(), formPainters.end(), painter), formPainters.end());
}

void TSkinManage::PurgePainters() {
    if (destroying_) return;
    // Painters remove themselves through ForgetWindow when they go; what is left here is alive.
}

void TSkinManage::DetachPainter(TSkinFormPainter* painter) {
    const HWND window = painter->PaintedWindow();
    painter->Detach(false);
    if (IsWindow(window)) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    }
    delete painter;
}

void TSkinManage::RemoveAllPainters(bool onDestroy) {
    while (!formPainters.empty()) {
        TSkinFormPainter* painter = formPainters.front();
        formPainters.erase(formPainters.begin());
        if (onDestroy) {
            painter->Detach(true);
            delete painter;
        } else {
            DetachPainter(painter);
        }
    }
}

TSkinManage* EnsureSkinManager() {
    if (!SkinManager) {
        SkinManager = new TSkinManage();
        // Freed when the program ends, after its forms and before COM is released.
        Application->AddExitProc(FreeSkinManager);
    }
    return SkinManager;
}

void FreeSkinManager() {
    delete SkinManager;
    SkinManager = nullptr;
}
