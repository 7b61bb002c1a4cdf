// A window procedure bound to one painter: a few bytes of executable code that call the painter's router
// with the window's message. The instance outlives its painter when needed: a painter that is freed while
// a message of its window is still being handled, or whose window procedure has been replaced on top of
// it since, leaves the instance behind as a plain forwarder to the previous procedure; the instance frees
// itself once it is neither installed nor running.
#pragma once

#include <windows.h>

class TSkinControl;

struct TProcInstance;

// A new instance routing the messages of `window` to `painter`; `previous` is what unknown or forwarded
// messages go to.
TProcInstance* CreateProcInstance(TSkinControl* painter, HWND window);
WNDPROC ProcInstanceCode(TProcInstance* instance);
void SetProcInstancePrevious(TProcInstance* instance, WNDPROC previous, bool unicode);
// The painter lets go: the window procedure is put back when it is still this instance, and the instance
// is freed as soon as no message of it is running; otherwise it stays as a forwarder.
void ReleaseProcInstance(TProcInstance* instance, HWND window);
