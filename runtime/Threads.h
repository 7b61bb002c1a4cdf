// TThread: a thread created suspended, with a priority, resumed, optionally freed when its body ends, and
// able to run a routine on the main thread and wait for it (Synchronize). The main thread picks such
// routines up from its message loop.
#pragma once

#include <windows.h>

#include "runtime/SysUtils.h"

#include <atomic>
#include <exception>
#include <functional>

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread {
public:
    explicit TThread(bool createSuspended);
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Resume();
    void Suspend();
    void Terminate() { terminated_ = true; }
    // Waits for the body to end (handling Synchronize requests meanwhile when called on the main thread);
    // returns ReturnValue. Not for a FreeOnTerminate thread.
    DWORD WaitFor();

    TThreadPriority Priority() const;
    void SetPriority(TThreadPriority p);
    bool FreeOnTerminate() const { return freeOnTerminate_; }
    void SetFreeOnTerminate(bool v) { freeOnTerminate_ = v; }
    bool Suspended() const { return suspended_; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    HANDLE Handle() const { return handle_; }
    DWORD ThreadID() const { return id_; }
    DWORD ReturnValue() const { return returnValue_; }
    // The exception that ended Execute, if any.
    std::exception_ptr FatalException() const { return fatal_; }

    std::function<void(TThread* Sender)> OnTerminate; // runs on the main thread

    // Runs `routine` on the main thread and waits for it; an exception it raises is raised here.
    static void Synchronize(TThread* thread, const std::function<void()>& routine);
    void Synchronize(const std::function<void()>& routine) { Synchronize(this, routine); }

protected:
    virtual void Execute() = 0;
    void SetReturnValue(DWORD v) { returnValue_ = v; }

private:
    static DWORD WINAPI ThreadProc(LPVOID self);
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
    std::atomic<bool> terminated_{false}, finished_{false};
    bool suspended_ = false, freeOnTerminate_ = false;
    DWORD returnValue_ = 0;
    std::exception_ptr fatal_;
};

// The id of the main (user-interface) thread: the thread that first used the framework.
DWORD MainThreadID();
// Runs the routines that threads have handed to the main thread; the message loop calls it. Answers
// whether any ran.
bool CheckSynchronize();
