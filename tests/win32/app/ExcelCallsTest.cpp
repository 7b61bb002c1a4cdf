// The automation calls A1 to A17 as the stand-in for Excel receives them: member names, dispatch
// flags, argument order and types, and the errors that come back.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <string>

#include "ExcelApplication.h"
#include "StandinLog.h"

namespace {

std::wstring TempPath(const wchar_t* name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + name;
}

class ExcelCalls : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        log_ = TempPath(L"grv_app_calls.jsonl");
        DeleteFileW(log_.c_str());
        SetEnvironmentVariableW(L"GRV_STANDIN_LOG", log_.c_str());
        SetEnvironmentVariableW(L"GRV_STANDIN_EXIT_AT_CALL", nullptr);
        SetEnvironmentVariableW(L"GRV_STANDIN_FAIL_INSERT", nullptr);
    }
    void TearDown() override {
        CloseStandins(log_);
        SetEnvironmentVariableW(L"GRV_STANDIN_LOG", nullptr);
        SetEnvironmentVariableW(L"GRV_STANDIN_EXIT_AT_CALL", nullptr);
        SetEnvironmentVariableW(L"GRV_STANDIN_FAIL_INSERT", nullptr);
        CoUninitialize();
    }
    std::wstring log_;
};

std::wstring SamplePicture() {
    // A 4 × 2 pixel 24-bit BMP without a resolution: 3 × 1.5 points at 96 dpi.
    const std::wstring path = TempPath(L"grv_app_sample.bmp");
    unsigned char bmp[54 + 4 * 3 * 2] = {'B', 'M'};
    *reinterpret_cast<DWORD*>(bmp + 2) = sizeof bmp;
    *reinterpret_cast<DWORD*>(bmp + 10) = 54;
    BITMAPINFOHEADER h{sizeof(BITMAPINFOHEADER), 4, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    memcpy(bmp + 14, &h, sizeof h);
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n;
    WriteFile(f, bmp, sizeof bmp, &n, nullptr);
    CloseHandle(f);
    return path;
}

TEST_F(ExcelCalls, EachOperationGoesOutAsTabled) {
    const std::wstring picturePath = SamplePicture();
    {
        ExcelApplication excel = ExcelApplication::Create();
        excel.AddWorkbook();
        excel.ActivateFirstSheet();
        EXPECT_DOUBLE_EQ(excel.RowTop(3), 30.0);
        EXPECT_DOUBLE_EQ(excel.SecondColumnLeft(), 48.0);
        EXPECT_DOUBLE_EQ(excel.ColumnLeft(3), 96.0);
        excel.SetRowHeight(3, 80);
        excel.SetColumnWidth(2, 17.40983606557377);
        ExcelPicture picture = excel.InsertPicture(picturePath);
        EXPECT_DOUBLE_EQ(picture.Width(), 3.0);
        EXPECT_DOUBLE_EQ(picture.Height(), 1.5);
        picture.SetWidth(94);
        picture.SetHeight(47);
        picture.SetTop(48);
        picture.SetLeft(53);
        excel.SelectCell(4, 2);
        excel.CentreSelection();
        excel.WriteSelection(L"图片3");
        excel.Quit();
    }
    const auto calls = ReadStandinLog(log_);
    std::vector<std::string> seen;
    for (const auto& c : calls) seen.push_back(c.Summary());
    const std::vector<std::string> expected = {
        "Application.WorkBooks get 3 []",
        "Workbooks.Add method 1 []",
        "Application.WorkSheets get 2 [1]",
        "Worksheet.Activate method 1 []",
        "Application.ActiveSheet get 3 []",
        "Worksheet.Rows get 2 [3]",
        "Range[Rows(3)].Top get 3 []",
        "Application.ActiveSheet get 3 []",
        "Worksheet.Columns get 2 [2]",
        "Range[Columns(2)].Left get 3 []",
        "Application.ActiveSheet get 3 []",
        "Worksheet.Columns get 2 [3]",
        "Range[Columns(3)].left get 3 []",
        "Application.ActiveSheet get 3 []",
        "Worksheet.Rows get 2 [3]",
        "Range[Rows(3)].RowHeight put 4 [80]",
        "Application.ActiveSheet get 3 []",
        "Worksheet.Columns get 2 [2]",
        "Range[Columns(2)].ColumnWidth put 4 [17.40983606557377]",
        "Application.ActiveSheet get 3 []",
        "Worksheet.Pictures get 3 []",
        "Pictures.Insert method 1 [\"" + std::string("C:\\\\") + "]",  // path checked below
        "Picture[Picture 1].Width get 3 []",
        "Picture[Picture 1].Height get 3 []",
        "Picture[Picture 1].Width put 4 [94]",
        "Picture[Picture 1].Height put 4 [47]",
        "Picture[Picture 1].Top put 4 [48]",
        "Picture[Picture 1].left put 4 [53]",
        "Application.ActiveSheet get 3 []",
        "Worksheet.Cells get 2 [4,2]",
        "Range[Cells(4,2)].Select method 1 []",
        "Application.Selection get 3 []",
        "Range[Cells(4,2)].HorizontalAlignment put 4 [-4108]",
        "Application.Selection put 4 [\"图片3\"]",
        "Application.Quit method 1 []",
    };
    ASSERT_EQ(seen.size(), expected.size()) << ::testing::PrintToString(seen);
    for (size_t i = 0; i < seen.size(); ++i) {
        if (expected[i].rfind("Pictures.Insert", 0) == 0) {
            EXPECT_EQ(seen[i].rfind("Pictures.Insert method 1 [\"", 0), 0u) << seen[i];
            EXPECT_NE(seen[i].find("grv_app_sample.bmp"), std::string::npos) << seen[i];
            continue;
        }
        EXPECT_EQ(seen[i], expected[i]) << "call " << i;
    }
    // Value types: integers as VT_I4, the column width as a double, texts as strings.
    for (const auto& c : calls) {
        const bool integers = c.member == "RowHeight" || c.member == "Rows" || c.member == "Cells" ||
                              (c.object == "Picture" && c.kind == "put") || c.member == "HorizontalAlignment";
        if (integers) {
            EXPECT_NE(c.types.find("VT_I4"), std::string::npos) << c.line;
        }
        if (c.member == "ColumnWidth") {
            EXPECT_EQ(c.types, "[\"VT_R8\"]") << c.line;
        }
        if (c.member == "Insert" || (c.member == "Selection" && c.kind == "put")) {
            EXPECT_EQ(c.types, "[\"VT_BSTR\"]") << c.line;
        }
        if (c.member == "Visible") {
            EXPECT_EQ(c.types, "[\"VT_BOOL\"]") << c.line;
        }
    }
}

TEST_F(ExcelCalls, ARefusedPictureCarriesTheServersDescription) {
    SetEnvironmentVariableW(L"GRV_STANDIN_FAIL_INSERT", L"1");
    ExcelApplication excel = ExcelApplication::Create();
    excel.AddWorkbook();
    excel.ActivateFirstSheet();
    try {
        excel.InsertPicture(SamplePicture());
        FAIL() << "no error";
    } catch (const OleError& e) {
        EXPECT_STREQ(e.what(), "Unable to get the Insert property of the Pictures class");
    }
    excel.Quit();
}

TEST_F(ExcelCalls, AServerThatDiesGivesTheSystemsText) {
    SetEnvironmentVariableW(L"GRV_STANDIN_EXIT_AT_CALL", L"3");
    ExcelApplication excel = ExcelApplication::Create();
    excel.AddWorkbook();  // calls 1 and 2
    try {
        excel.ActivateFirstSheet();  // call 3: the server exits before answering
        FAIL() << "no error";
    } catch (const OleError& e) {
        EXPECT_EQ(static_cast<unsigned long>(e.code()), 0x800706BEul);
        EXPECT_STRNE(e.what(), "");
        EXPECT_EQ(std::string(e.what()).find("OLE error"), std::string::npos) << e.what();
    }
    try {
        excel.Quit();
        FAIL() << "no error";
    } catch (const OleError& e) {
        EXPECT_EQ(static_cast<unsigned long>(e.code()), 0x800706BAul);
    }
}

TEST_F(ExcelCalls, NoWorkbookMeansNoActiveSheetAndAnErrorNotACrash) {
    ExcelApplication excel = ExcelApplication::Create();
    EXPECT_THROW(excel.RowTop(1), OleError);
    excel.Quit();
}

} // namespace
