// The stand-in's options, read from the environment it inherits from the client that started it.
#pragma once

#include <string>
#include <vector>

namespace grv::standin {

struct Settings {
    std::wstring logPath;       // GRV_STANDIN_LOG
    std::wstring snapshotPath;  // GRV_STANDIN_SNAPSHOT
    struct Refusal {
        std::wstring className;  // empty: any class
        std::wstring member;
    };
    std::vector<Refusal> refusedPuts;  // GRV_STANDIN_REFUSE_PUT
    long failInsertAt = 0;             // GRV_STANDIN_FAIL_INSERT
    long exitAtCall = 0;               // GRV_STANDIN_EXIT_AT_CALL
    unsigned delayMs = 0;              // GRV_STANDIN_DELAY_MS
    bool lockAspect = false;           // GRV_STANDIN_LOCK_ASPECT
    bool noLinger = false;             // GRV_STANDIN_NO_LINGER

    static Settings fromEnvironment();
    bool refusesPut(const std::wstring& className, const std::wstring& member) const;
};

}  // namespace grv::standin
