// The one stand-in process: its workbook state, options, call log, and Excel's lifetime rules.
#pragma once

#include "CallLog.h"
#include "ImageDecoder.h"
#include "Settings.h"
#include "SheetModel.h"

#include <windows.h>

#include <map>
#include <memory>

namespace grv::standin {

class SheetView;

struct Server {
    Application app;
    Settings settings;
    CallLog log;
    long calls = 0;    // Invoke calls received
    long inserts = 0;  // Pictures.Insert calls received
    DWORD mainThread = 0;
    SheetView* view = nullptr;
    std::map<const Picture*, std::shared_ptr<Preview>> previews;  // for the window

    // Lifetime: every automation object counts while it lives.
    long objects = 0;
    long locks = 0;
    bool everServed = false;
    bool windowClosed = false;

    void objectCreated();
    void objectReleased();
    void lock(bool on);
    // Ends the process's message loop when Excel would go: no client reference left and either
    // never shown, told to quit, or its window closed.
    void exitIfUnused();

    void setVisible(bool visible);
    void quit();
    void changed();  // repaint the window, if shown
    void writeSnapshot(const char* reason);
};

Server& server();

}  // namespace grv::standin
