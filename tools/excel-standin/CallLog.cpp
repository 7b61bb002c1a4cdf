#include "CallLog.h"

namespace grv::standin {

CallLog::~CallLog() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

void CallLog::open(const std::wstring& path) {
    if (path.empty()) return;
    file_ = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void CallLog::write(const std::string& line) {
    if (file_ == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace grv::standin
