// A small import job, step for step as the job drives Excel (five pictures, frame 94 x 76, four per
// row), leaves the stand-in visible; its snapshot is then turned into an .xlsx and checked by
// check_job_xlsx.py (ctest: excel_standin_job_xlsx).
#include "StandinTestSupport.h"

#include <cmath>

namespace grv::test {
namespace {

class SmallJob : public StandinTest {};

int rounded(double value) { return static_cast<int>(std::nearbyint(value)); }  // halves to even

TEST_F(SmallJob, LeavesAVisibleWorkbookAndItsSnapshot) {
    const std::wstring snapshot = hostPath(GRV_EXCEL_TEST_OUTPUT "/small_job_snapshot.json");
    DeleteFileW(snapshot.c_str());
    setOption(L"GRV_STANDIN_SNAPSHOT", snapshot);
    const int W = 94, H = 76, perRow = 4;
    const char* names[] = {"wide_72dpi.png", "tall_nodpi.jpg", "photo_150dpi.jpg", "small.gif", "nodpi.bmp"};

    Object app = start();
    ASSERT_TRUE(app);
    ASSERT_TRUE(app.object(L"WorkBooks").call(L"Add").ok());
    ASSERT_TRUE(app.object(L"WorkSheets", {1}).call(L"Activate").ok());
    auto sheet = [&] { return app.object(L"ActiveSheet"); };
    int row = 1, column = 2;
    int rowTop = rounded(sheet().object(L"Rows", {row}).number(L"Top") + 3);
    int columnLeft = 0;
    for (int i = 0; i < 5; ++i) {
        if ((i + 1) % perRow == 1) {
            row += 2;
            rowTop = rounded(sheet().object(L"Rows", {row}).number(L"Top") + 3);
            columnLeft = rounded(sheet().object(L"Columns", {2}).number(L"Left") + 5);
            ASSERT_TRUE(sheet().object(L"Rows", {row}).write(L"RowHeight", H + 4).ok());
            column = 2;
        } else {
            ++column;
            columnLeft = rounded(sheet().object(L"Columns", {column}).number(L"left") + 5);
            ASSERT_TRUE(sheet().object(L"Columns", {column}).write(L"ColumnWidth", W / 6.1 + 2.0).ok());
        }
        ASSERT_TRUE(sheet().object(L"Rows", {row}).write(L"RowHeight", H + 4).ok());
        ASSERT_TRUE(sheet().object(L"Columns", {column}).write(L"ColumnWidth", W / 6.1 + 2.0).ok());
        CallResult inserted = sheet().object(L"Pictures").call(L"Insert", {picture(names[i])});
        ASSERT_TRUE(inserted.ok()) << names[i];
        Object pic(inserted.result.dispatch());
        int pw = rounded(pic.number(L"Width")), ph = rounded(pic.number(L"Height"));
        int w, h;
        if (static_cast<long double>(W) / H < static_cast<long double>(pw) / ph) {
            w = W;
            h = ph * W / pw;
        } else {
            h = H;
            w = pw * H / ph;
        }
        ASSERT_TRUE(pic.write(L"Width", w).ok());
        ASSERT_TRUE(pic.write(L"Height", h).ok());
        ASSERT_TRUE(pic.write(L"Top", rowTop + (H / 2 - h / 2)).ok());
        ASSERT_TRUE(pic.write(L"left", columnLeft + (W / 2 - w / 2)).ok());
        ASSERT_TRUE(sheet().object(L"Cells", {row + 1, column}).call(L"Select").ok());
        ASSERT_TRUE(app.object(L"Selection").write(L"HorizontalAlignment", -4108).ok());
        std::string name = names[i];
        ASSERT_TRUE(app.write(L"Selection", widen(name.substr(0, name.rfind('.')))).ok());
    }
    ASSERT_TRUE(app.write(L"Visible", true).ok());
    DWORD pid = serverPid();
    app.reset();

    std::string state = readFile(snapshot);
    EXPECT_NE(state.find(R"("reason":"visible")"), std::string::npos);
    EXPECT_NE(state.find(R"({"row":6,"column":2,"value":"nodpi","horizontal_alignment":-4108})"), std::string::npos) << state;

    // GRV_EXCEL_TEST_HOLD_MS keeps the window up for a look (a screenshot) before it is closed.
    wchar_t hold[16] = {};
    if (GetEnvironmentVariableW(L"GRV_EXCEL_TEST_HOLD_MS", hold, 16) > 0) Sleep(static_cast<DWORD>(_wtoi(hold)));

    // The user closes the window; the snapshot stays as the job left it.
    HWND window = nullptr;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"GrvExcelStandinSheet", nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) window = w;
    }
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(exitsWithin(pid, 10000));
    EXPECT_EQ(readFile(snapshot), state);
}

}  // namespace
}  // namespace grv::test
