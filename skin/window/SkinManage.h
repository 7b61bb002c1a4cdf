// TSkinManage: the one skin manager of the program. Skin data components register with it and schedule
// the actions apply, remove and re-apply; it runs them from a timer on the main thread once the caller
// has returned to the message loop. Attaching painters to windows (the window hook, SkinWindow, the
// frame and menu painters) builds on this registration side.
#pragma once

#include <windows.h>

#include "skin/window/SkinMessages.h"

#include <memory>
#include <string>
#include <vector>

class TCustomForm;
class TSkinData;
class TTimer;
class TWinControl;

// What the manager asks of a frame painter: the window it serves, the skin data it paints with, freeing
// its caption buttons, detaching, and what a skin change and a maximized MDI child need. The frame painter
// (TWinSkinForm) implements it.
class TSkinFormPainter {
public:
    virtual ~TSkinFormPainter() = default;
    virtual HWND PaintedWindow() const = 0;
    virtual TSkinData* PainterSkinData() const = 0;
    virtual void FreeCaptionButtons() = 0;
    // onDestroy: the reduced detach used while the manager itself goes away.
    virtual void Detach(bool onDestroy) = 0;
    // 6: the window is gone and the painter is to be removed and freed.
    virtual int PainterSkinState() const { return 1; }
    // 0 ordinary, 1 MDI frame, 2 MDI child; show state 0 normal, 1 maximized, 2 minimized.
    virtual int PainterWindowKind() const { return 0; }
    virtual int PainterShowState() const { return 0; }
    virtual void PainterSetShowState(int) {}
    virtual bool PainterHoldsRegion() const { return false; }
    // Border sizes and caption buttons again from the skin (before PainterSkinChanged).
    virtual void RecomputeMetrics() {}
    virtual void PainterSkinChanged() {}
    virtual void PainterUpdateRegion() {}
    virtual void PainterSetCaptionStyle(bool) {}
    virtual void PainterDropRegion() {}
};

// What the manager asks of a popup-menu painter.
class TSkinPopupPainter {
public:
    virtual ~TSkinPopupPainter() = default;
    virtual HWND PaintedWindow() const = 0;
    // Called before the manager frees the painter of a menu window that is being destroyed.
    virtual void DetachPopup() {}
};

enum TSkinAction : int { saNone = 0, saApply = 1, saRemove = 2, saReapply = 3 };

// runState while the manager is being destroyed.
inline constexpr int RunStateDestroying = 4;

class TSkinManage {
public:
    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    void RegisterSkinData(TSkinData* skinData);
    void UnregisterSkinData(TSkinData* skinData);

    // Sets the pending action and the timer's interval. While no window has been activated yet
    // (runState 0) the timer stays off and apply / remove only switch `skinning` on / off.
    void Schedule(int action, int delayMs);

    // The timer tick: runs the pending action for pendingSkinData, then tells that component.
    void RunScheduled();

    // Every frame painter of pendingSkinData frees its caption buttons.
    void ReinitPainters();

    // Installs the main thread's window-creation hook (once).
    void InstallHook();

    // Attaches a frame painter (TWinSkinForm) to the window when it qualifies; returns whether one was attached.
    bool SkinWindow(HWND window);
    // A visible top-level form goes through SkinWindow.
    void SkinForm(TCustomForm* form);
    // The framework form of the window (from the list of open forms), else the framework control stored in
    // the window's ControlAtom property, else none.
    TWinControl* FindFrameworkObject(HWND window) const;
    // Whether the main skin data component lets the window be skinned (it may answer through QueryFormSkin).
    bool CanSkinWindow(HWND window, const std::string& className);
    // The registered component that serves the window, or none.
    TSkinData* SelectSkinData(HWND window) const;
    // A menu window ("#32768") that is created / destroyed: its popup painter is attached / freed.
    void AttachPopupMenu(HWND window);
    void DetachPopupMenu(HWND window);
    // An MDI child is (or no longer is) maximized: the MDI children's painters adjust caption and region.
    void SetMdiMaximized(bool state);

    // The first frame painter that serves the window, or none.
    TSkinFormPainter* FindFormPainter(HWND window) const;
    // Removes the window's painter from formPainters without freeing it (nothing while being destroyed).
    void ForgetWindow(HWND window);
    // Removes that painter from formPainters without freeing it: a frame painter being destroyed calls it,
    // so the list never holds a freed painter (a window handle may already name another window).
    void ForgetPainter(TSkinFormPainter* painter);
    // Drops painters that were forgotten (nothing while being destroyed).
    void PurgePainters();

    const std::vector<TSkinData*>& SkinDatas() const { return skinDatas; }
    bool TimerEnabled() const;
    int TimerInterval() const;

    // State, in the order the painters know it.
    std::unique_ptr<TTimer> timer;
    HHOOK hook = nullptr;
    std::vector<TSkinFormPainter*> formPainters;
    std::vector<TSkinPopupPainter*> popupPainters;
    std::vector<TSkinData*> skinDatas;
    bool skinning = false;
    bool applyingAll = false;
    int runState = 0;
    int popupKind = 0;
    bool fromMenuBar = false;
    bool mdiMaximized = false;
    HWND mdiClient = nullptr;
    TWinControl* mdiFrame = nullptr;
    int pendingAction = saNone;
    TSkinData* pendingSkinData = nullptr;
    TSkinData* mainSkinData = nullptr;

private:
    void RemoveAllPainters(bool onDestroy);
    // Set by the destructor alone: runState also counts the form components that loaded, and may reach
    // RunStateDestroying while the manager lives on.
    bool destroying_ = false;
    void DetachPainter(TSkinFormPainter* painter);
};

// The global manager: created by the first skin data component when it has loaded; freed at shutdown.
extern TSkinManage* SkinManager;

// Creates the global manager if there is none yet, and returns it.
TSkinManage* EnsureSkinManager();
// Frees the global manager (program end).
void FreeSkinManager();

// Whether the system belongs to the NT family.
extern bool IsNTPlatform;
