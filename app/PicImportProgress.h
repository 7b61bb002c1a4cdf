// The import job's thread: it only hands DoImport to the main thread and waits for it, then frees itself.
#pragma once

#include "ImportJob.h"
#include "runtime/Threads.h"

class ImportProgress : public TThread {
public:
    // Constructed suspended by the main window; names the thread for debuggers and frees itself at the end.
    explicit ImportProgress(bool createSuspended);
    ~ImportProgress() override;

    void NameThread();
    // The whole job, on the main thread; reads the main window's settings.
    void DoImport();
    void ReadSettings();

    // Whether a job has been started and has not ended yet.
    static bool Running();

protected:
    void Execute() override;

private:
    class MainWindow;
    std::unique_ptr<MainWindow> window_;
    ImportJob job_;
};
