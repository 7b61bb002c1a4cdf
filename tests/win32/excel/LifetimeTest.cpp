// The server's lifetime follows Excel's: gone with the last reference unless it was made visible;
// once visible it stays, until Quit or its window is closed; every creation is a new process.
#include "StandinTestSupport.h"

namespace grv::test {
namespace {

class Lifetime : public StandinTest {};

TEST_F(Lifetime, NeverVisibleEndsWithTheLastRelease) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    DWORD pid = serverPid();
    ASSERT_NE(pid, 0u);
    app.reset();
    EXPECT_TRUE(exitsWithin(pid, 10000));
}

TEST_F(Lifetime, VisibleStaysUntilItsWindowIsClosed) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    ASSERT_TRUE(app.write(L"Visible", true).ok());
    DWORD pid = serverPid();
    app.reset();
    EXPECT_FALSE(exitsWithin(pid, 1500));  // still there for the user
    HWND window = nullptr;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"GrvExcelStandinSheet", nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) window = w;
    }
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(exitsWithin(pid, 10000));
}

TEST_F(Lifetime, QuitEndsAVisibleServerWithTheLastRelease) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    ASSERT_TRUE(app.write(L"Visible", true).ok());
    ASSERT_TRUE(app.call(L"Quit").ok());
    // The job's error path makes it visible after the quit: that keeps nothing alive.
    ASSERT_TRUE(app.write(L"Visible", true).ok());
    DWORD pid = serverPid();
    app.reset();
    EXPECT_TRUE(exitsWithin(pid, 10000));
}

TEST_F(Lifetime, NoLingerEndsAVisibleServerWithTheLastRelease) {
    setOption(L"GRV_STANDIN_NO_LINGER", L"1");
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    ASSERT_TRUE(app.write(L"Visible", true).ok());
    DWORD pid = serverPid();
    app.reset();
    EXPECT_TRUE(exitsWithin(pid, 10000));
}

TEST_F(Lifetime, EveryCreationIsANewInstance) {
    Object first = start();
    Object second = start();
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first.object(L"WorkBooks").call(L"Add").ok());
    // The second instance has no workbook of the first.
    CallResult sheet = second.read(L"ActiveSheet");
    ASSERT_TRUE(sheet.ok());
    EXPECT_EQ(sheet.result.dispatch(), nullptr);
    std::set<std::string> pids;
    for (const auto& line : logLines()) pids.insert(line.substr(0, line.find(',')));
    EXPECT_EQ(pids.size(), 2u);
}

}  // namespace
}  // namespace grv::test
