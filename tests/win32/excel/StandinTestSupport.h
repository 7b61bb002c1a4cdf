// Shared set-up for the stand-in tests: COM on the test thread, a private log per test, options
// passed to the server through the environment it inherits, and the test pictures.
#pragma once

#include "LateBound.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace grv::test {

inline std::wstring widen(const std::string& text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring out(size > 0 ? size - 1 : 0, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), size);
    return out;
}

// A host path as Wine's Z: drive sees it.
inline std::wstring hostPath(const std::string& unixPath) {
    std::wstring out = L"Z:" + widen(unixPath);
    for (auto& ch : out)
        if (ch == L'/') ch = L'\\';
    return out;
}

inline std::wstring picture(const char* name) {
    return hostPath(std::string(GRV_SOURCE_DIR) + "/tests/win32/excel/data/" + name);
}

inline std::string readFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string data;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) data.append(buffer, read);
    CloseHandle(file);
    return data;
}

constexpr HRESULT kCallFailed = static_cast<HRESULT>(0x800706BE);         // RPC_S_CALL_FAILED
constexpr HRESULT kServerUnavailable = static_cast<HRESULT>(0x800706BA);  // RPC_S_SERVER_UNAVAILABLE

class StandinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    static void TearDownTestSuite() { CoUninitialize(); }

    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        logPath_ = std::wstring(temp) + L"standin-" + widen(info->name()) + L"-" + std::to_wstring(GetCurrentProcessId()) + L".jsonl";
        DeleteFileW(logPath_.c_str());
        for (const wchar_t* name : kOptions) SetEnvironmentVariableW(name, nullptr);
        setOption(L"GRV_STANDIN_LOG", logPath_);
    }

    void TearDown() override {
        for (const wchar_t* name : kOptions) SetEnvironmentVariableW(name, nullptr);
        DeleteFileW(logPath_.c_str());
    }

    // Options reach the server through the environment of the client that starts it.
    void setOption(const wchar_t* name, const std::wstring& value) { SetEnvironmentVariableW(name, value.c_str()); }

    Object start() {
        HRESULT hr;
        Object app = Object::create(L"Excel.Application", &hr);
        EXPECT_EQ(hr, S_OK) << "is the stand-in registered (fixture excel_standin)?";
        return app;
    }

    // A started application with a workbook whose first sheet is active.
    Object startWithSheet() {
        Object app = start();
        if (!app) return app;
        Object books = app.object(L"WorkBooks");
        EXPECT_TRUE(books.call(L"Add").ok());
        Object first = app.object(L"WorkSheets", {1});
        EXPECT_TRUE(first.call(L"Activate").ok());
        return app;
    }

    std::vector<std::string> logLines() const {
        std::vector<std::string> lines;
        std::string text = readFile(logPath_);
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    // The server's process id, from the log.
    DWORD serverPid() const {
        for (const auto& line : logLines()) {
            size_t at = line.find("\"pid\":");
            if (at != std::string::npos) return static_cast<DWORD>(std::stoul(line.substr(at + 6)));
        }
        return 0;
    }

    // Whether process `pid` ends within `ms`.
    static bool exitsWithin(DWORD pid, DWORD ms) {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (!process) return true;  // already gone
        bool ended = WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
        CloseHandle(process);
        return ended;
    }

    std::wstring logPath_;

private:
    static constexpr const wchar_t* kOptions[] = {
        L"GRV_STANDIN_LOG", L"GRV_STANDIN_SNAPSHOT", L"GRV_STANDIN_REFUSE_PUT", L"GRV_STANDIN_FAIL_INSERT",
        L"GRV_STANDIN_EXIT_AT_CALL", L"GRV_STANDIN_DELAY_MS", L"GRV_STANDIN_LOCK_ASPECT",
        L"GRV_STANDIN_NO_LINGER"};
};

}  // namespace grv::test
