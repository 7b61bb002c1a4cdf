// Failures reach the client as Excel's dispatch reports them: the HRESULTs for names, argument
// counts and types, DISP_E_EXCEPTION with its description, injected faults, and RPC failures when
// the server dies.
#include "StandinTestSupport.h"

namespace grv::test {
namespace {

constexpr const wchar_t* kInsertFailure = L"Unable to get the Insert property of the Pictures class";

class Errors : public StandinTest {};

TEST_F(Errors, NamesMatchWithoutRegardToCase) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    Object sheet = app.object(L"activesheet");
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet.object(L"COLUMNS", {2}).number(L"left"), 48);
    EXPECT_TRUE(sheet.object(L"rows", {2}).write(L"ROWHEIGHT", 20).ok());
    EXPECT_EQ(sheet.object(L"Rows", {2}).number(L"rowHeight"), 20);
    CallResult unknown = sheet.read(L"Lefty");
    EXPECT_EQ(unknown.hr, DISP_E_UNKNOWNNAME);
    app.call(L"Quit");
}

TEST_F(Errors, DispatchErrorsAreExcels) {
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    Object sheet = app.object(L"ActiveSheet");
    Object row = sheet.object(L"Rows", {3});
    Object pictures = sheet.object(L"Pictures");
    struct Case {
        const char* what;
        CallResult result;
        HRESULT hr;
        const wchar_t* description;
        UINT argError;
    } cases[] = {
        {"unknown member", app.read(L"Frobnicate"), DISP_E_UNKNOWNNAME, nullptr, ~0u},
        {"Rows without index", sheet.readAt(L"Rows", {}), DISP_E_BADPARAMCOUNT, nullptr, ~0u},
        {"Cells with one index", sheet.readAt(L"Cells", {1}), DISP_E_BADPARAMCOUNT, nullptr, ~0u},
        {"Quit with an argument", app.call(L"Quit", {1}), DISP_E_BADPARAMCOUNT, nullptr, ~0u},
        {"Rows(text)", sheet.readAt(L"Rows", {L"third"}), DISP_E_TYPEMISMATCH, nullptr, 0},
        {"Cells(1, 2.5e12)", sheet.readAt(L"Cells", {1, 2.5e12}), DISP_E_OVERFLOW, nullptr, 0},
        {"Cells(text, 1)", sheet.readAt(L"Cells", {L"x", 1}), DISP_E_TYPEMISMATCH, nullptr, 1},
        {"RowHeight = text", row.write(L"RowHeight", L"tall"), DISP_E_TYPEMISMATCH, nullptr, 0},
        {"RowHeight = 410", row.write(L"RowHeight", 410), DISP_E_EXCEPTION,
         L"Unable to set the RowHeight property of the Range class", ~0u},
        {"ColumnWidth = -1", row.write(L"ColumnWidth", -1), DISP_E_EXCEPTION,
         L"Unable to set the ColumnWidth property of the Range class", ~0u},
        {"HorizontalAlignment = 42", row.write(L"HorizontalAlignment", 42), DISP_E_EXCEPTION,
         L"Unable to set the HorizontalAlignment property of the Range class", ~0u},
        {"Top is read-only", row.write(L"Top", 5), DISP_E_MEMBERNOTFOUND, nullptr, ~0u},
        {"Select read as a property", row.invoke(L"Select", DISPATCH_PROPERTYGET), DISP_E_MEMBERNOTFOUND, nullptr, ~0u},
        {"Rows(0)", sheet.readAt(L"Rows", {0}), DISP_E_EXCEPTION, L"Application-defined or object-defined error", ~0u},
        {"WorkSheets(2)", app.readAt(L"WorkSheets", {2}), DISP_E_BADINDEX, nullptr, ~0u},
        {"Insert(text file)", pictures.call(L"Insert", {picture("not_a_picture.jpg")}), DISP_E_EXCEPTION, kInsertFailure, ~0u},
        {"Insert(truncated)", pictures.call(L"Insert", {picture("truncated.png")}), DISP_E_EXCEPTION, kInsertFailure, ~0u},
        {"Insert(missing)", pictures.call(L"Insert", {picture("no_such_file.jpg")}), DISP_E_EXCEPTION, kInsertFailure, ~0u},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result.hr, c.hr) << c.what;
        if (c.description) {
            EXPECT_EQ(c.result.description, c.description) << c.what;
        }
        if (c.argError != ~0u) {
            EXPECT_EQ(c.result.argError, c.argError) << c.what;
        }
    }
    // A put without the named argument DISPID_PROPERTYPUT is not a put.
    DISPID id;
    LPOLESTR name = const_cast<LPOLESTR>(L"RowHeight");
    ASSERT_EQ(row.get()->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
    Value value(20);
    DISPPARAMS params{&value.raw(), nullptr, 1, 0};
    EXPECT_EQ(row.get()->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr),
              DISP_E_PARAMNOTFOUND);
    // Failures leave the sheet as it was.
    EXPECT_EQ(sheet.object(L"Rows", {3}).number(L"RowHeight"), 15);
    app.call(L"Quit");
}

TEST_F(Errors, NothingBeforeAWorkbookExists) {
    Object app = start();
    ASSERT_TRUE(app);
    CallResult sheet = app.read(L"ActiveSheet");
    ASSERT_TRUE(sheet.ok());
    EXPECT_EQ(sheet.result.type(), VT_DISPATCH);
    EXPECT_EQ(sheet.result.dispatch(), nullptr);
    EXPECT_EQ(app.readAt(L"WorkSheets", {1}).hr, DISP_E_EXCEPTION);
    EXPECT_EQ(app.write(L"Selection", L"text").hr, DISP_E_EXCEPTION);
    app.call(L"Quit");
}

class Faults : public StandinTest {};

TEST_F(Faults, RefusedPutsReportExcelsText) {
    setOption(L"GRV_STANDIN_REFUSE_PUT", L"Range.RowHeight, picture.width");
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    Object sheet = app.object(L"ActiveSheet");
    CallResult refused = sheet.object(L"Rows", {3}).write(L"RowHeight", 80);
    EXPECT_EQ(refused.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(refused.description, L"Unable to set the RowHeight property of the Range class");
    EXPECT_TRUE(sheet.object(L"Columns", {2}).write(L"ColumnWidth", 10.0).ok());
    Object pic(sheet.object(L"Pictures").call(L"Insert", {picture("small.gif")}).result.dispatch());
    ASSERT_TRUE(pic);
    CallResult width = pic.write(L"Width", 10);
    EXPECT_EQ(width.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(width.description, L"Unable to set the Width property of the Picture class");
    EXPECT_TRUE(pic.write(L"Height", 10).ok());
    app.call(L"Quit");
}

TEST_F(Faults, TheNthInsertFails) {
    setOption(L"GRV_STANDIN_FAIL_INSERT", L"2");
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    Object pictures = app.object(L"ActiveSheet").object(L"Pictures");
    EXPECT_TRUE(pictures.call(L"Insert", {picture("small.gif")}).ok());
    CallResult second = pictures.call(L"Insert", {picture("small.gif")});
    EXPECT_EQ(second.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(second.description, kInsertFailure);
    EXPECT_TRUE(pictures.call(L"Insert", {picture("small.gif")}).ok());
    app.call(L"Quit");
}

TEST_F(Faults, SlowAnswersStillArrive) {
    setOption(L"GRV_STANDIN_DELAY_MS", L"150");
    Object app = startWithSheet();
    ASSERT_TRUE(app);
    EXPECT_EQ(app.object(L"ActiveSheet").object(L"Columns", {2}).number(L"Left"), 48);
    app.call(L"Quit");
}

TEST_F(Faults, AServerThatDiesGivesRpcFailures) {
    setOption(L"GRV_STANDIN_EXIT_AT_CALL", L"3");
    Object app = start();
    ASSERT_TRUE(app);
    Object books = app.object(L"WorkBooks");  // call 1
    ASSERT_TRUE(books);
    EXPECT_TRUE(books.call(L"Add").ok());     // call 2
    DWORD pid = serverPid();
    EXPECT_EQ(app.read(L"ActiveSheet").hr, kCallFailed);  // call 3: dies while answering
    EXPECT_TRUE(exitsWithin(pid, 10000));
    EXPECT_EQ(app.read(L"ActiveSheet").hr, kServerUnavailable);
    std::vector<std::string> lines = logLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[2].find(R"("member":"ActiveSheet","kind":"get","flags":3,"args":[],"types":[],"exit":true)"),
              std::string::npos) << lines[2];
}

}  // namespace
}  // namespace grv::test
