#include "runtime/Threads.h"

#include "runtime/Forms.h"

#include <deque>
#include <mutex>

namespace {
struct SyncRequest {
    const std::function<void()>* routine;
    HANDLE done;
    std::exception_ptr error;
};

std::mutex queueLock;
std::deque<SyncRequest*> queue;

const DWORD mainThread = GetCurrentThreadId(); // static initialisation runs on the main thread
} // namespace

void WakeMainThread(); // Forms.cpp

DWORD MainThreadID() { return mainThread; }

bool CheckSynchronize() {
    if (GetCurrentThreadId() != mainThread) return false;
    bool any = false;
    for (;;) {
        SyncRequest* r;
        {
            std::lock_guard<std::mutex> lock(queueLock);
            if (queue.empty()) break;
            r = queue.front();
            queue.pop_front();
        }
        any = true;
        try {
            (*r->routine)();
        } catch (...) {
            r->error = std::current_exception();
        }
        SetEvent(r->done);
    }
    return any;
}

void TThread::Synchronize(TThread*, const std::function<void()>& routine) {
    if (GetCurrentThreadId() == mainThread) {
        routine();
        return;
    }
    SyncRequest r{&routine, CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
    if (!r.done) throw EThread("Cannot create a synchronisation event");
    {
        std::lock_guard<std::mutex> lock(queueLock);
        queue.push_back(&r);
    }
    WakeMainThread();
    WaitForSingleObject(r.done, INFINITE);
    CloseHandle(r.done);
    if (r.error) std::rethrow_exception(r.error);
}

TThread::TThread(bool createSuspended) {
    Application->Handle(); // the main thread's message target exists before any thread can ask for it
    handle_ = CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &id_);
    if (!handle_) throw EThread("Thread creation error: " + std::to_string(GetLastError()));
    suspended_ = true;
    if (!createSuspended) Resume();
}

TThread::~TThread() {
    if (!finished_ && !suspended_ && GetCurrentThreadId() != id_) {
        Terminate();
        WaitFor();
    }
    if (handle_) CloseHandle(handle_);
}

DWORD WINAPI TThread::ThreadProc(LPVOID p) {
    auto* self = static_cast<TThread*>(p);
    try {
        self->Execute();
    } catch (...) {
        self->fatal_ = std::current_exception();
    }
    bool freeIt = self->freeOnTerminate_;
    DWORD result = self->returnValue_;
    if (self->OnTerminate) {
        try {
            Synchronize(self, [self] { self->OnTerminate(self); });
        } catch (...) {
        }
    }
    self->finished_ = true;
    if (freeIt) delete self;
    return result;
}

void TThread::Resume() {
    if (!suspended_) return;
    if (ResumeThread(handle_) != DWORD(-1)) suspended_ = false;
}

void TThread::Suspend() {
    if (suspended_) return;
    if (SuspendThread(handle_) != DWORD(-1)) suspended_ = true;
}

DWORD TThread::WaitFor() {
    if (GetCurrentThreadId() == mainThread) {
        while (MsgWaitForMultipleObjects(1, &handle_, FALSE, INFINITE, QS_SENDMESSAGE | QS_POSTMESSAGE) == WAIT_OBJECT_0 + 1) {
            CheckSynchronize();
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_SENDMESSAGE)) {
            }
        }
    } else {
        WaitForSingleObject(handle_, INFINITE);
    }
    DWORD code = 0;
    GetExitCodeThread(handle_, &code);
    return code;
}

namespace {
const int priorities[] = {THREAD_PRIORITY_IDLE, THREAD_PRIORITY_LOWEST, THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
                          THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST, THREAD_PRIORITY_TIME_CRITICAL};
} // namespace

TThreadPriority TThread::Priority() const {
    int p = GetThreadPriority(handle_);
    for (int i = 0; i < 7; ++i)
        if (priorities[i] == p) return TThreadPriority(i);
    return tpNormal;
}

void TThread::SetPriority(TThreadPriority p) { SetThreadPriority(handle_, priorities[p]); }
