// The import job against the stand-in for Excel, with a stand-in window: the exact calls for a small
// folder, the error path, and the errors that end the job before Excel is started.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "GetPicture.h"
#include "ImportJob.h"
#include "StandinLog.h"
#include "TestFiles.h"

namespace {

std::wstring TempDir(const wchar_t* name) { return TempPath(name); }

class FakeWindow : public ImportWindow {
public:
    std::wstring folder, type = L"*.bmp", width = L"94", height = L"76", perRow = L"4";
    std::vector<std::string> events;
    std::vector<std::wstring> errors;
    bool progressVisible = false;
    int position = 0;

    std::wstring FolderText() override { return folder; }
    std::wstring PictureTypeText() override { return type; }
    std::wstring SideWidthText() override { return width; }
    std::wstring SideHeightText() override { return height; }
    std::wstring ColumnAmountText() override { return perRow; }
    void ShowProgress(bool visible) override {
        progressVisible = visible;
        events.push_back(visible ? "show" : "hide");
    }
    void SetProgressMax(int max) override { events.push_back("max " + std::to_string(max)); }
    void SetProgressPosition(int p) override {
        position = p;
        events.push_back("position " + std::to_string(p));
    }
    int ProgressPosition() override { return position; }
    void ShowError(const std::wstring& text) override {
        errors.push_back(text);
        events.push_back("error");
    }
};

class ImportJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        folder_ = TempDir(L"grv_app_job");
        CreateDirectoryW(folder_.c_str(), nullptr);
        log_ = TempDir(L"grv_app_job.jsonl");
        DeleteFileW(log_.c_str());
        SetEnvironmentVariableW(L"GRV_STANDIN_LOG", log_.c_str());
        window_.folder = L"  " + folder_ + L" ";
    }
    void TearDown() override {
        CloseStandins(log_);
        for (const wchar_t* var : {L"GRV_STANDIN_LOG", L"GRV_STANDIN_EXIT_AT_CALL", L"GRV_STANDIN_FAIL_INSERT", L"GRV_STANDIN_REFUSE_PUT"})
            SetEnvironmentVariableW(var, nullptr);
        CoUninitialize();
    }
    // Five pictures whose natural order is _x, b, Bee, img2, img10, plus a hidden one.
    void MakeFolder() {
        WriteBmp(folder_ + L"\\img10.bmp", 200, 100);
        WriteBmp(folder_ + L"\\img2.bmp", 100, 200);
        WriteBmp(folder_ + L"\\b.bmp", 80, 80);
        WriteBmp(folder_ + L"\\Bee.bmp", 120, 60);
        WriteBmp(folder_ + L"\\_x.bmp", 60, 120);
        ASSERT_TRUE(WriteBmp(folder_ + L"\\hidden.bmp", 10, 10, FILE_ATTRIBUTE_HIDDEN));
    }
    std::vector<std::string> Calls() {
        std::vector<std::string> seen;
        for (const auto& c : ReadStandinLog(log_)) seen.push_back(c.Summary() + (c.error.empty() ? "" : " ERROR"));
        return seen;
    }

    std::wstring folder_, log_;
    FakeWindow window_;
};

// What the job sends for one picture, given its place and the values it computes.
void AppendPicture(std::vector<std::string>& out, bool newRow, int row, int column, const std::string& file,
                   int w, int h, int top, int left, const std::string& caption) {
    const std::string r = std::to_string(row), c = std::to_string(column);
    if (newRow) {
        out.insert(out.end(), {"Application.ActiveSheet get 3 []", "Worksheet.Rows get 2 [" + r + "]", "Range[Rows(" + r + ")].Top get 3 []",
                               "Application.ActiveSheet get 3 []", "Worksheet.Columns get 2 [2]", "Range[Columns(2)].Left get 3 []",
                               "Application.ActiveSheet get 3 []", "Worksheet.Rows get 2 [" + r + "]", "Range[Rows(" + r + ")].RowHeight put 4 [80]"});
    } else {
        out.insert(out.end(), {"Application.ActiveSheet get 3 []", "Worksheet.Columns get 2 [" + c + "]", "Range[Columns(" + c + ")].left get 3 []",
                               "Application.ActiveSheet get 3 []", "Worksheet.Columns get 2 [" + c + "]",
                               "Range[Columns(" + c + ")].ColumnWidth put 4 [17.40983606557377]"});
    }
    const std::string below = std::to_string(row + 1);
    out.insert(out.end(), {
        "Application.ActiveSheet get 3 []", "Worksheet.Rows get 2 [" + r + "]", "Range[Rows(" + r + ")].RowHeight put 4 [80]",
        "Application.ActiveSheet get 3 []", "Worksheet.Columns get 2 [" + c + "]", "Range[Columns(" + c + ")].ColumnWidth put 4 [17.40983606557377]",
        "Application.ActiveSheet get 3 []", "Worksheet.Pictures get 3 []", "Pictures.Insert method 1 [" + file + "]",
        "Picture.Width get 3 []", "Picture.Height get 3 []",
        "Picture.Width put 4 [" + std::to_string(w) + "]", "Picture.Height put 4 [" + std::to_string(h) + "]",
        "Picture.Top put 4 [" + std::to_string(top) + "]", "Picture.left put 4 [" + std::to_string(left) + "]",
        "Application.ActiveSheet get 3 []", "Worksheet.Cells get 2 [" + below + "," + c + "]", "Range[Cells(" + below + "," + c + ")].Select method 1 []",
        "Application.Selection get 3 []", "Range[Cells(" + below + "," + c + ")].HorizontalAlignment put 4 [-4108]",
        "Application.Selection put 4 [\"" + caption + "\"]",
    });
}

std::vector<std::string> WithoutPictureRefs(std::vector<std::string> calls) {
    for (auto& c : calls) {
        const size_t at = c.find("Picture[");
        if (at == 0) c.erase(7, c.find(']') - 6);
        const size_t insert = c.find("Pictures.Insert method 1 [\"");
        if (insert == 0) {  // keep the file name only
            const size_t slash = c.rfind("\\\\");
            c = "Pictures.Insert method 1 [" + c.substr(slash + 2, c.size() - slash - 4) + "]";
        }
    }
    return calls;
}

TEST_F(ImportJobTest, PlacesASmallFolderWithTheExactCalls) {
    MakeFolder();
    ImportJob job(window_);
    job.DoImport();

    // Sizes in points: 4 pixels are 3 points. Row 3's top is 30 and row 5's is 30 + 80 + 15; column 2's
    // left is 48 and each used column is 127 pixels (95.25 points) wide.
    std::vector<std::string> expected = {
        "Application.WorkBooks get 3 []", "Workbooks.Add method 1 []",
        "Application.WorkSheets get 2 [1]", "Worksheet.Activate method 1 []",
        "Application.ActiveSheet get 3 []", "Worksheet.Rows get 2 [1]", "Range[Rows(1)].Top get 3 []",
    };
    // _x: 45 × 90 pt → 38 × 76, dy 0, dx 47 - 19 = 28; row top 33, column left 53.
    AppendPicture(expected, true, 3, 2, "_x.bmp", 38, 76, 33, 81, "_x");
    // b: 60 × 60 → 76 × 76 (frame 94/76 is wider): dx 47 - 38 = 9; column 3 left 143.25 + 5 → 148.
    AppendPicture(expected, false, 3, 3, "b.bmp", 76, 76, 33, 157, "b");
    // Bee: 90 × 45 → 94 × 47, dy 38 - 23 = 15; column 4 left 238.5 + 5 → 244 (half to even).
    AppendPicture(expected, false, 3, 4, "Bee.bmp", 94, 47, 48, 244, "Bee");
    // img2: 75 × 150 → 38 × 76; column 5 left 333.75 + 5 → 339.
    AppendPicture(expected, false, 3, 5, "img2.bmp", 38, 76, 33, 367, "img2");
    // img10: 150 × 75 → 94 × 47, new row 5 (top 125 + 3), column 2.
    AppendPicture(expected, true, 5, 2, "img10.bmp", 94, 47, 143, 53, "img10");
    expected.insert(expected.end(), {"Application.Visible put 4 [true]"});

    const auto seen = WithoutPictureRefs(Calls());
    ASSERT_EQ(seen.size(), expected.size()) << ::testing::PrintToString(seen);
    for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], expected[i]) << "call " << i;

    EXPECT_TRUE(window_.errors.empty());
    EXPECT_EQ(window_.events, (std::vector<std::string>{"show", "max 5", "position 0", "position 1", "position 2", "position 3",
                                                        "position 4", "position 5", "hide"}));
    EXPECT_EQ(job.pictureAmount, 5);
}

TEST_F(ImportJobTest, NoPicturesPerRowShowsTheDivisionByZeroAfterTheWorkbookExists) {
    MakeFolder();
    window_.perRow = L"0";
    ImportJob job(window_);
    job.DoImport();
    ASSERT_EQ(window_.errors.size(), 1u);
    EXPECT_EQ(window_.errors[0], L"出错啦：Division by zero");
    const auto seen = Calls();
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Application.WorkBooks get 3 []", "Workbooks.Add method 1 []", "Application.WorkSheets get 2 [1]",
                        "Worksheet.Activate method 1 []", "Application.ActiveSheet get 3 []", "Worksheet.Rows get 2 [1]",
                        "Range[Rows(1)].Top get 3 []", "Application.Quit method 1 []", "Application.Visible put 4 [true]"}));
    EXPECT_EQ(window_.events.back(), "hide");
}

TEST_F(ImportJobTest, AFileTheServerRefusesEndsWithItsMessageAndQuit) {
    MakeFolder();
    SetEnvironmentVariableW(L"GRV_STANDIN_FAIL_INSERT", L"2");
    ImportJob job(window_);
    job.DoImport();
    ASSERT_EQ(window_.errors.size(), 1u);
    EXPECT_EQ(window_.errors[0], L"出错啦：Unable to get the Insert property of the Pictures class");
    const auto seen = Calls();
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[seen.size() - 2], "Application.Quit method 1 []");
    EXPECT_EQ(seen.back(), "Application.Visible put 4 [true]");
    EXPECT_EQ(window_.position, 1);  // the first picture stays placed
    EXPECT_EQ(window_.events.back(), "hide");
}

TEST_F(ImportJobTest, AServerThatDiesMidJobShowsTheFailureAndHidesTheProgressBar) {
    MakeFolder();
    SetEnvironmentVariableW(L"GRV_STANDIN_EXIT_AT_CALL", L"40");
    ImportJob job(window_);
    job.DoImport();
    ASSERT_EQ(window_.errors.size(), 1u);
    EXPECT_EQ(window_.errors[0].rfind(L"出错啦：", 0), 0u);
    EXPECT_GT(window_.errors[0].size(), 4u);
    EXPECT_FALSE(window_.progressVisible);
    EXPECT_EQ(window_.events.back(), "hide");
}

TEST_F(ImportJobTest, ErrorsBeforeExcelStartNoServerAndShowNothing) {
    struct Case {
        const wchar_t *type, *width, *height, *perRow;
    } cases[] = {
        {L"*.png", L"94", L"76", L"4"},  // no matching file
        {L"*.bmp", L"9x", L"76", L"4"},
        {L"*.bmp", L"94", L"", L"4"},
        {L"*.bmp", L"94", L"76", L"4.5"},
    };
    MakeFolder();
    for (const auto& c : cases) {
        FakeWindow window;
        window.folder = folder_;
        window.type = c.type;
        window.width = c.width;
        window.height = c.height;
        window.perRow = c.perRow;
        ImportJob job(window);
        EXPECT_ANY_THROW(job.DoImport());
        EXPECT_TRUE(window.events.empty());
    }
    EXPECT_EQ(GetFileAttributesW(log_.c_str()), INVALID_FILE_ATTRIBUTES) << "a server was started";
}

TEST(PictureListScan, ListsFoldersNamedLikePicturesAndSkipsHiddenAndSystemFiles) {
    const std::wstring folder = TempDir(L"grv_app_scan");
    CreateDirectoryW(folder.c_str(), nullptr);
    WriteBmp(folder + L"\\a.jpg", 4, 4);
    ASSERT_TRUE(WriteBmp(folder + L"\\hidden.jpg", 4, 4, FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(WriteBmp(folder + L"\\system.jpg", 4, 4, FILE_ATTRIBUTE_SYSTEM));
    CreateDirectoryW((folder + L"\\x.jpg").c_str(), nullptr);
    WriteBmp(folder + L"\\\u56fe\u724710.jpg", 4, 4);  // 图片10
    WriteBmp(folder + L"\\\u56fe\u72472.jpg", 4, 4);   // 图片2
    WriteBmp(folder + L"\\\u0416.jpg", 4, 4);          // Cyrillic Zhe: exists in GBK
    WriteBmp(folder + L"\\other.png", 4, 4);
    PictureList list;
    list.Scan(L" " + folder + L"\t", L" *.jpg ");
    EXPECT_EQ(list.picturePath, folder + L"\\");
    EXPECT_EQ(list.pictureType, L"*.jpg");
    std::vector<std::wstring> names;
    for (const auto& n : list.pictureFiles) names.push_back(n.wide);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a.jpg", L"x.jpg", L"\u0416.jpg", L"\u56fe\u72472.jpg", L"\u56fe\u724710.jpg"}));
    EXPECT_EQ(list.pictureAmount, 5);
    EXPECT_EQ(list.pictureFiles[3].ansi, "\xCD\xBC\xC6\xAC" "2.jpg");
}

} // namespace
