// Walks the import job's automation operations A1 to A17 against the stand-in, as the job sends
// them, and checks every result and the call log they leave.
#include "StandinTestSupport.h"

#include <cmath>
#include <regex>

namespace grv::test {
namespace {

class JobOperations : public StandinTest {};

// The (object, member, kind) of every logged call, as "Object.Member:kind".
std::vector<std::string> calls(const std::vector<std::string>& lines) {
    static const std::regex fields(R"re("object":"(\w+)".*"member":"(\w+)".*"kind":"(\w+)")re");
    std::vector<std::string> out;
    for (const auto& line : lines) {
        std::smatch m;
        if (std::regex_search(line, m, fields)) out.push_back(m[1].str() + "." + m[2].str() + ":" + m[3].str());
    }
    return out;
}

TEST_F(JobOperations, A1ToA17GiveTheResultsTheJobReliesOn) {
    std::wstring snapshot = logPath_ + L".snapshot.json";
    setOption(L"GRV_STANDIN_SNAPSHOT", snapshot);

    // A1: a new, invisible instance.
    Object app = start();
    ASSERT_TRUE(app);
    CallResult visible = app.read(L"Visible");
    ASSERT_TRUE(visible.ok());
    EXPECT_EQ(visible.result.type(), VT_BOOL);
    EXPECT_EQ(V_BOOL(&visible.result.raw()), VARIANT_FALSE);

    // A2: WorkBooks -> Add.
    Object books = app.object(L"WorkBooks");
    ASSERT_TRUE(books);
    CallResult added = books.call(L"Add");
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(added.result.type(), VT_DISPATCH);

    // A3: WorkSheets(1) -> Activate.
    Object first = app.object(L"WorkSheets", {1});
    ASSERT_TRUE(first);
    ASSERT_TRUE(first.call(L"Activate").ok());

    // A4, A5, A6: tops and lefts in points with the default geometry.
    auto sheet = [&] { return app.object(L"ActiveSheet"); };
    CallResult top1 = sheet().object(L"Rows", {1}).read(L"Top");
    ASSERT_TRUE(top1.ok());
    EXPECT_EQ(top1.result.type(), VT_R8);
    EXPECT_EQ(top1.result.number(), 0);
    EXPECT_EQ(sheet().object(L"Rows", {3}).number(L"Top"), 30);
    EXPECT_EQ(sheet().object(L"Columns", {2}).number(L"Left"), 48);
    EXPECT_EQ(sheet().object(L"Columns", {3}).number(L"left"), 96);

    // A7: RowHeight as a 32-bit integer; A8: ColumnWidth as a double.
    ASSERT_TRUE(sheet().object(L"Rows", {3}).write(L"RowHeight", 80).ok());
    ASSERT_TRUE(sheet().object(L"Columns", {2}).write(L"ColumnWidth", 94 / 6.1 + 2.0).ok());
    EXPECT_EQ(sheet().object(L"Rows", {3}).number(L"RowHeight"), 80);
    EXPECT_EQ(sheet().object(L"Rows", {5}).number(L"Top"), 15 + 15 + 80 + 15);
    EXPECT_DOUBLE_EQ(sheet().object(L"Columns", {2}).number(L"ColumnWidth"), 17.43);
    EXPECT_DOUBLE_EQ(sheet().object(L"Columns", {3}).number(L"left"), 48 + 127 * 0.75);

    // A9, A10: the picture at its natural size (200 x 100 pixels at 72 dpi).
    CallResult inserted = sheet().object(L"Pictures").call(L"Insert", {picture("wide_72dpi.png")});
    ASSERT_TRUE(inserted.ok()) << std::string(inserted.description.begin(), inserted.description.end());
    Object pic(inserted.result.dispatch());
    ASSERT_TRUE(pic);
    EXPECT_NEAR(pic.number(L"Width"), 200, 0.05);
    EXPECT_NEAR(pic.number(L"Height"), 100, 0.05);
    EXPECT_EQ(std::lround(pic.number(L"Width")), 200);

    // A11, A12: size and position as 32-bit integers, lower-case "left" included.
    EXPECT_TRUE(pic.write(L"Width", 94).ok());
    EXPECT_TRUE(pic.write(L"Height", 47).ok());
    EXPECT_TRUE(pic.write(L"Top", 33 + 15).ok());
    EXPECT_TRUE(pic.write(L"left", 53).ok());
    EXPECT_EQ(pic.number(L"Width"), 94);
    EXPECT_EQ(pic.number(L"Height"), 47);
    EXPECT_EQ(pic.number(L"Top"), 48);
    EXPECT_EQ(pic.number(L"Left"), 53);

    // A13, A14, A15: select the cell below, centre it, write the caption through the application.
    ASSERT_TRUE(sheet().object(L"Cells", {4, 2}).call(L"Select").ok());
    ASSERT_TRUE(app.object(L"Selection").write(L"HorizontalAlignment", -4108).ok());
    EXPECT_EQ(app.object(L"Selection").number(L"HorizontalAlignment"), -4108);
    ASSERT_TRUE(app.write(L"Selection", L"wide_72dpi").ok());
    EXPECT_EQ(sheet().object(L"Cells", {4, 2}).number(L"HorizontalAlignment"), -4108);

    // A16: visible, with the workbook in the snapshot.
    ASSERT_TRUE(app.write(L"Visible", true).ok());
    std::string state = readFile(snapshot);
    EXPECT_NE(state.find(R"("reason":"visible")"), std::string::npos) << state;
    EXPECT_NE(state.find(R"({"row":4,"column":2,"value":"wide_72dpi","horizontal_alignment":-4108})"), std::string::npos) << state;
    EXPECT_NE(state.find(R"("left":53,"top":48,"width":94,"height":47)"), std::string::npos) << state;
    EXPECT_NE(state.find(R"({"row":3,"height":80,"top":30})"), std::string::npos) << state;
    EXPECT_NE(state.find(R"({"column":2,"width":17.43,"pixels":127,"points":95.25,"left":48})"), std::string::npos) << state;

    // A17: quit; with the last reference gone the process ends.
    ASSERT_TRUE(app.call(L"Quit").ok());
    EXPECT_NE(readFile(snapshot).find(R"("reason":"quit")"), std::string::npos);
    DWORD pid = serverPid();
    ASSERT_NE(pid, 0u);
    app.reset();
    books.reset();
    first.reset();
    pic.reset();
    added.result = Value();
    inserted.result = Value();
    EXPECT_TRUE(exitsWithin(pid, 10000));

    std::vector<std::string> expected = {
        "Application.Visible:get",
        "Application.Workbooks:get", "Workbooks.Add:method",
        "Application.Worksheets:get", "Worksheet.Activate:method",
        "Application.ActiveSheet:get", "Worksheet.Rows:get", "Range.Top:get",
        "Application.ActiveSheet:get", "Worksheet.Rows:get", "Range.Top:get",
        "Application.ActiveSheet:get", "Worksheet.Columns:get", "Range.Left:get",
        "Application.ActiveSheet:get", "Worksheet.Columns:get", "Range.Left:get",
        "Application.ActiveSheet:get", "Worksheet.Rows:get", "Range.RowHeight:put",
        "Application.ActiveSheet:get", "Worksheet.Columns:get", "Range.ColumnWidth:put",
    };
    std::vector<std::string> logged = calls(logLines());
    ASSERT_GE(logged.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(logged.begin(), logged.begin() + expected.size()), expected);

    // The write of A7 as the job sends it: a property put of one 32-bit integer, and "left" as spelled.
    std::string all;
    for (const auto& line : logLines()) all += line + "\n";
    EXPECT_NE(all.find(R"("member":"RowHeight","kind":"put","flags":4,"args":[80],"types":["VT_I4"],"result":null)"), std::string::npos);
    EXPECT_NE(all.find(R"("member":"Left","name":"left","kind":"put","flags":4,"args":[53])"), std::string::npos);
    EXPECT_NE(all.find(R"("member":"Quit","kind":"method","flags":1,"args":[],"types":[],"result":null)"), std::string::npos);
    DeleteFileW(snapshot.c_str());
}

}  // namespace
}  // namespace grv::test
