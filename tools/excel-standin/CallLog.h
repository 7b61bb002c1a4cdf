// The call log: one JSON object per line, appended and flushed at once so that a reader sees every
// call even when the process is killed right after it.
#pragma once

#include <windows.h>

#include <string>

namespace grv::standin {

class CallLog {
public:
    CallLog() = default;
    ~CallLog();
    void open(const std::wstring& path);  // empty: no log
    bool enabled() const { return file_ != INVALID_HANDLE_VALUE; }
    void write(const std::string& line);  // one JSON object, without the newline

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace grv::standin
