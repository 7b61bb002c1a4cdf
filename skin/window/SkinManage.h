// TSkinManage: the one skin manager of the program. Skin data components register with it and schedule
// the actions apply, remove and re-apply; it runs them from a timer on the main thread once the caller
// has returned to the message loop. Attaching painters to windows (the window hook, SkinWindow, the
// frame and menu painters) builds on this registration side.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

class TCustomForm;
class TSkinData;
class TTimer;
class TWinControl;

// What the manager asks of a frame painter: the window it serves, the skin data it paints with, freeing
// its caption buttons, detaching. The frame painter implements it.
class TSkinFormPainter {
public:
    virtual ~TSkinFormPainter() = default;
    virtual HWND PaintedWindow() const = 0;
    virtual TSkinData* PainterSkinData() const = 0;
    virtual void FreeCaptionButtons() = 0;
    // onDestroy: the reduced detach used while the manager itself goes away.
    virtual void Detach(bool onDestroy) = 0;
};

// What the manager asks of a popup-menu painter.
class TSkinPopupPainter {
public:
    virtual ~TSkinPopupPainter() = default;
    virtual HWND PaintedWindow() const = 0;
};

// The private messages of the skinning engine that the manager sends and posts.
inline constexpr UINT WM_SKIN_QUERY = 0x3523;
inline constexpr UINT WM_SKIN_ACTIVATE = 0x3503;

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

    // Attaches a frame painter to the window and returns whether one was attached. Frame painters come
    // with the window-skinning work; until then no window is attached and the answer is false.
    bool SkinWindow(HWND window);
    // A visible top-level form goes through SkinWindow.
    void SkinForm(TCustomForm* form);

    // The first frame painter that serves the window, or none.
    TSkinFormPainter* FindFormPainter(HWND window) const;
    // Removes the window's painter from formPainters without freeing it (nothing while being destroyed).
    void ForgetWindow(HWND window);
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
