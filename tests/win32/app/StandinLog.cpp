#include "StandinLog.h"

#include <windows.h>


namespace {

std::string Field(const std::string& line, const char* key) {
    // "key":"text" or "key":value (a number, an array or an object up to its closing bracket).
    const std::string quoted = std::string("\"") + key + "\":";
    const size_t at = line.find(quoted);
    if (at == std::string::npos) return {};
    size_t i = at + quoted.size();
    if (line[i] == '"') {
        std::string text;
        for (++i; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            text += line[i];
        }
        return text;
    }
    int depth = 0;
    const size_t start = i;
    bool inString = false;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
            continue;
        }
        if (c == '"') inString = true;
        else if (c == '[' || c == '{') ++depth;
        else if (c == ']' || c == '}') {
            if (depth == 0) break;
            if (--depth == 0) { ++i; break; }
        } else if (c == ',' && depth == 0) break;
    }
    return line.substr(start, i - start);
}

} // namespace

std::string LoggedCall::Summary() const {
    // Ranges and pictures are told apart by their reference; sheets and collections need none here.
    const bool showRef = !ref.empty() && (object == "Range" || object == "Picture");
    return object + (showRef ? "[" + ref + "]" : "") + "." + (name.empty() ? member : name) + " " + kind + " " +
           std::to_string(flags) + " " + args;
}

std::vector<LoggedCall> ReadStandinLog(const std::wstring& path) {
    std::vector<LoggedCall> calls;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return calls;
    std::string all;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) all.append(buffer, n);
    CloseHandle(file);
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        const std::string line = all.substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        LoggedCall call;
        call.line = line;
        call.object = Field(line, "object");
        call.ref = Field(line, "ref");
        call.member = Field(line, "member");
        call.name = Field(line, "name");
        call.kind = Field(line, "kind");
        call.args = Field(line, "args");
        call.types = Field(line, "types");
        call.error = Field(line, "error");
        const std::string pid = Field(line, "pid");
        call.pid = pid.empty() ? 0 : std::stoul(pid);
        const std::string flags = Field(line, "flags");
        call.flags = flags.empty() ? 0 : std::stoi(flags);
        calls.push_back(call);
    }
    return calls;
}

void CloseStandins(const std::wstring& logPath) {
    std::vector<unsigned long> pids;
    for (const auto& call : ReadStandinLog(logPath))
        if (call.pid != 0 && (pids.empty() || pids.back() != call.pid)) pids.push_back(call.pid);
    for (unsigned long pid : pids) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (process == nullptr) continue;
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
        }
        CloseHandle(process);
    }
}
