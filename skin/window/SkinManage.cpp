#include "skin/window/SkinManage.h"

#include "runtime/Controls.h"
#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinWindowRules.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinPopMenu.h"

#include <algorithm>
#include <memory>

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

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    if (!window || !GetClassNameA(window, name, int(sizeof name))) return {};
    return name;
}

void CbtAct(TSkinManage& manager, int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    switch (code) {
    case HCBT_CREATEWND: {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        const std::string className = ClassNameOf(window);
        if (className == "ScrollBar" && (cs->style & SBS_SIZEGRIP))
            if (auto* parent = dynamic_cast<TWinSkinForm*>(manager.FindFormPainter(cs->hwndParent)))
                parent->ClassifyWindow(window);
        if (!(cs->style & WS_CHILD) && className == "#32768") manager.AttachPopupMenu(window);
        if (cs->dwExStyle & WS_EX_MDICHILD) manager.SkinWindow(window);
        break;
    }
    case HCBT_DESTROYWND:
        manager.DetachPopupMenu(window);
        break;
    case HCBT_ACTIVATE:
        if (manager.runState == 0) manager.runState = 1;
        manager.SkinWindow(window);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage* manager = SkinManager;
    if (code >= 0 && manager) {
        // No exception may cross the system's call of the hook.
        try {
            CbtAct(*manager, code, wParam, lParam);
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
    case saReapply: {
        PurgePainters();
        std::vector<TSkinFormPainter*> changed;
        for (TSkinFormPainter* painter : formPainters) {
            if (painter->PainterSkinData() != skinData) continue;
            painter->FreeCaptionButtons();
            painter->RecomputeMetrics();
            changed.push_back(painter);
            if (onlyItsForm) break;
        }
        for (TSkinFormPainter* painter : changed)
            if (std::find(formPainters.begin(), formPainters.end(), painter) != formPainters.end())
                painter->PainterSkinChanged();
        break;
    }
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

TWinControl* TSkinManage::FindFrameworkObject(HWND window) const {
    if (!window) return nullptr;
    for (int i = 0; i < Application->FormCount(); ++i) {
        TCustomForm* form = Application->Forms(i);
        if (form && form->HandleAllocated() && form->Handle() == window) return form;
    }
    return FindControl(window);
}

bool TSkinManage::CanSkinWindow(HWND window, const std::string& className) {
    const DWORD style = DWORD(GetWindowLongW(window, GWL_STYLE));
    bool answer = CanSkinWindowBeforeQuery(mainSkinData != nullptr,
                                           mainSkinData && InSet(mainSkinData->Options, xoPreview), className, style);
    if (mainSkinData) mainSkinData->QueryFormSkin(window, className, answer);
    return answer;
}

TSkinData* TSkinManage::SelectSkinData(HWND window) const {
    std::vector<TSkinDataFacts> facts;
    facts.reserve(skinDatas.size());
    for (TSkinData* data : skinDatas) {
        auto* owner = dynamic_cast<TWinControl*>(data->Owner());
        const bool ownerIsWindow = owner && owner->HandleAllocated() && owner->Handle() == window;
        facts.push_back({int(data->SkinFormtype()), ownerIsWindow});
    }
    const int index = SelectSkinDataIndex(facts, ClassNameOf(window));
    return index < 0 ? nullptr : skinDatas[size_t(index)];
}

bool TSkinManage::SkinWindow(HWND window) {
    if (!skinning || !window) return false;
    PurgePainters();
    if (SendMessageW(window, WM_SKIN_QUERY, 0, 0) == 1 || FindFormPainter(window)) return false;
    TWinControl* object = FindFrameworkObject(window);
    TSkinWindowFacts facts;
    facts.applyingAll = applyingAll;
    facts.style = DWORD(GetWindowLongW(window, GWL_STYLE));
    facts.exStyle = DWORD(GetWindowLongW(window, GWL_EXSTYLE));
    if (facts.style & WS_CHILD) facts.parentClassName = ClassNameOf(GetParent(window));
    facts.hasFrameworkObject = object != nullptr;
    facts.frameworkTag = object ? object->Tag() : 0;
    facts.sameModule = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == g_moduleInstance;
    facts.className = ClassNameOf(window);
    RECT r{};
    GetWindowRect(window, &r);
    facts.width = r.right - r.left;
    facts.height = r.bottom - r.top;
    if (SkinWindowRefusal(facts) != 0) return false;
    if (!CanSkinWindow(window, facts.className)) return false;
    TSkinData* skinData = SelectSkinData(window);
    if (!skinData || skinData->IsEmpty) return false;

    auto* form = dynamic_cast<TCustomForm*>(object);
    auto* painter = new TWinSkinForm(form, window, facts.className);
    formPainters.push_back(painter);
    if (form) painter->AttachForm(skinData, form);
    else painter->AttachToWindow(skinData);
    PostMessageW(window, WM_SKIN_ACTIVATE, 0, SkinActivateTag);
    return true;
}

void TSkinManage::AttachPopupMenu(HWND window) {
    if (!skinning || !window) return;
    if (SendMessageW(window, WM_SKIN_QUERY, 0, 0) == 1) return;
    for (TSkinPopupPainter* popup : popupPainters)
        if (popup->PaintedWindow() == window) return;
    TSkinData* skinData = SelectSkinData(window);
    if (!skinData || skinData->IsEmpty || !PopupKindAllowed(popupKind, skinData->SkinControls)) return;
    auto popup = std::make_unique<TWinSkinPopMenu>();
    popup->Attach(window, skinData);
    if (!popup->PaintedWindow()) return;
    popup->menuBarMark = fromMenuBar;
    popupPainters.push_back(popup.release());
}

void TSkinManage::DetachPopupMenu(HWND window) {
    auto it = std::find_if(popupPainters.begin(), popupPainters.end(),
                           [window](TSkinPopupPainter* p) { return p->PaintedWindow() == window; });
    if (it != popupPainters.end()) {
        TSkinPopupPainter* popup = *it;
        popupPainters.erase(it);
        popup->DetachPopup();
        delete popup;
    }
    if (popupPainters.empty()) {
        fromMenuBar = false;
        popupKind = 0;
    }
}

void TSkinManage::SetMdiMaximized(bool state) {
    if (state == mdiMaximized) return;
    mdiMaximized = state;
    if (mainSkinData && InSet(mainSkinData->Options, xoMDIChildBorder)) return;
    const std::vector<TSkinFormPainter*> painters = formPainters;
    for (TSkinFormPainter* painter : painters) {
        if (painter->PainterWindowKind() != 2) continue;
        if (state) {
            if (painter->PainterHoldsRegion()) painter->PainterDropRegion();
            painter->PainterSetCaptionStyle(true);
        } else if (painter->PainterShowState() == 1) {
            painter->PainterSetCaptionStyle(true);
        } else {
            painter->PainterSetShowState(0);
            painter->PainterUpdateRegion();
            painter->PainterSetCaptionStyle(false);
            if (!painter->PainterHoldsRegion())
                SetWindowPos(painter->PaintedWindow(), nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
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
    // Painters remove themselves (ForgetPainter) when they are freed, so every entry is alive; a painter
    // whose window is gone (skin state 6) is removed and freed here.
    for (size_t i = formPainters.size(); i-- > 0;) {
        if (i >= formPainters.size()) continue;
        TSkinFormPainter* painter = formPainters[i];
        if (painter->PainterSkinState() != 6) continue;
        formPainters.erase(formPainters.begin() + std::ptrdiff_t(i));
        delete painter;
    }
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
