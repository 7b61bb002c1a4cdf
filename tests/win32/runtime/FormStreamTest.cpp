#include "TestMainForm.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

namespace {
std::wstring className(HWND h) {
    wchar_t buf[128] = {};
    GetClassNameW(h, buf, 128);
    return buf;
}
} // namespace

TEST(FormStream, MainFormTreePropertiesEventsAndLoadedOrder) {
    g_log.clear();
    std::unique_ptr<TTestMainForm> form(new TTestMainForm(nullptr));
    EXPECT_EQ(form->Name(), "MainForm");
    EXPECT_EQ(form->Caption(), "Grivelle");
    EXPECT_EQ(form->BorderStyle(), bsSingle);
    EXPECT_EQ(*GetSetProp(form.get(), "BorderIcons"), "[biSystemMenu]");
    EXPECT_EQ(form->ClientWidth(), 396);
    EXPECT_EQ(form->ClientHeight(), 224);
    EXPECT_EQ(form->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(form->Font()->Height(), -11);
    EXPECT_EQ(form->Font()->Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(form->picturePathEdit->Font()->Name(), "MS Sans Serif"); // children take the form's font
    // Every published field is bound, in creation order of the description.
    const char* order[] = {"Image2", "Label3", "Label4", "Image1", "Label5", "Label8", "Label9", "Label6", "Label7", "Label10",
                           "picturePathEdit", "findPictureButton", "pictureTypeEdit", "submitButton", "quitButton",
                           "sideWidthEdit", "sideHeightEdit", "columnAmountEdit", "ProgressBar1", "SkinData1"};
    ASSERT_EQ(form->ComponentCount(), 20);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(form->Components(i)->Name(), order[i]);
    ASSERT_TRUE(form->Label3 && form->picturePathEdit && form->findPictureButton && form->pictureTypeEdit && form->submitButton &&
                form->quitButton && form->ProgressBar1 && form->Image1 && form->Image2 && form->SkinData1 && form->Label10);
    EXPECT_EQ(form->Label3->Caption(), AnsiFromWide(L"位置："));
    EXPECT_EQ(*GetWidePropValue(form->Label10, "Caption"), L"（每行图片数）");
    EXPECT_TRUE(form->Label3->Transparent());
    EXPECT_FALSE(form->Label10->AutoSize());
    EXPECT_EQ(form->Label10->Width(), 97);
    EXPECT_EQ(form->findPictureButton->Parent(), form.get());
    EXPECT_EQ(form->pictureTypeEdit->Text(), "*.jpg");
    EXPECT_EQ(form->pictureTypeEdit->Items()->Count(), 4);
    EXPECT_EQ(form->pictureTypeEdit->Items()->Strings(3), "*.bmp");
    EXPECT_EQ(form->sideWidthEdit->Text(), "94");
    EXPECT_EQ(form->sideHeightEdit->Text(), "76");
    EXPECT_EQ(form->columnAmountEdit->Text(), "4");
    EXPECT_FALSE(form->ProgressBar1->Visible());
    EXPECT_TRUE(form->ProgressBar1->Smooth());
    EXPECT_EQ(*GetSetProp(form->ProgressBar1, "Anchors"), "[akLeft,akRight,akBottom]");
    EXPECT_EQ(form->Image1->Align(), alTop);
    EXPECT_EQ(form->Image1->Picture()->Width(), 402);
    EXPECT_EQ(form->Image2->Picture()->Height(), 200);
    EXPECT_EQ(form->quitButton->Glyph()->Width(), 20);
    EXPECT_EQ(form->findPictureButton->Glyph()->Height(), 16);
    EXPECT_TRUE(form->SkinData1->Active);
    EXPECT_EQ(form->SkinData1->Package, (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_TRUE(form->SkinData1->packageReadWhileLoading);
    // The binary property is read during streaming; Loaded comes after the whole form, the form first.
    EXPECT_EQ(g_log, (std::vector<std::string>{"SkinStream read", "loaded MainForm", "loaded SkinData1"}));
    // Events are bound to the form's published methods.
    form->submitButton->Click();
    form->findPictureButton->Click();
    EXPECT_EQ(form->submitClicks, 1);
    EXPECT_EQ(form->findClicks, 1);
    // Tab order: folder, open, type, import, quit, progress bar, width, height, columns.
    std::vector<TWinControl*> tabs;
    form->GetTabOrderList(tabs);
    std::vector<TWinControl*> expected{form->picturePathEdit, form->findPictureButton, form->pictureTypeEdit, form->submitButton,
                                       form->quitButton, form->ProgressBar1, form->sideWidthEdit, form->sideHeightEdit,
                                       form->columnAmountEdit};
    EXPECT_EQ(tabs, expected);
    EXPECT_EQ(form->sideWidthEdit->TabOrder(), 6);
}

TEST(FormStream, WindowsCarryFrameworkClassNamesAndLeadBackToTheirObjects) {
    std::unique_ptr<TTestMainForm> form(new TTestMainForm(nullptr));
    HWND h = form->Handle();
    EXPECT_EQ(className(h), L"TTestMainForm");
    wchar_t expectedName[64];
    swprintf(expectedName, 64, L"ControlOfs%.8X%.8X", unsigned(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr))),
             unsigned(GetCurrentThreadId()));
    EXPECT_EQ(ControlAtomName(), expectedName);
    struct Case {
        TWinControl* control;
        const wchar_t* cls;
    } cases[] = {{form.get(), L"TTestMainForm"}, {form->picturePathEdit, L"TEdit"}, {form->pictureTypeEdit, L"TComboBox"},
                 {form->submitButton, L"TBitBtn"}, {form->ProgressBar1, L"TProgressBar"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(AnsiFromWide(c.cls));
        HWND w = c.control->Handle();
        ASSERT_TRUE(IsWindow(w));
        EXPECT_EQ(className(w), c.cls);
        EXPECT_TRUE(IsWindowUnicode(w));
        EXPECT_EQ(FindControl(w), c.control);
        EXPECT_EQ(GetPropW(w, expectedName), reinterpret_cast<HANDLE>(c.control));
        EXPECT_EQ(c.control->ClassName(), AnsiFromWide(c.cls));
    }
    // Class families the engine classifies by.
    EXPECT_TRUE(form->submitButton->InheritsFrom("TButton"));
    EXPECT_TRUE(form->pictureTypeEdit->InheritsFrom("TCustomComboBox"));
    EXPECT_TRUE(form->picturePathEdit->InheritsFrom("TCustomEdit"));
    EXPECT_TRUE(form->InheritsFrom("TCustomForm"));
    // The superclassed windows keep their system behaviour.
    EXPECT_EQ(SendMessageW(form->pictureTypeEdit->Handle(), CB_GETCOUNT, 0, 0), 4);
    wchar_t text[32] = {};
    GetWindowTextW(form->pictureTypeEdit->Handle(), text, 32);
    EXPECT_STREQ(text, L"*.jpg");
    GetWindowTextW(form->submitButton->Handle(), text, 32);
    EXPECT_STREQ(text, L"导入");
    EXPECT_TRUE(GetWindowLongW(form->ProgressBar1->Handle(), GWL_STYLE) & PBS_SMOOTH);
    EXPECT_FALSE(IsWindowVisible(form->ProgressBar1->Handle()));
    // The form's window: fixed border, system menu only, client area as designed.
    LONG style = GetWindowLongW(h, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(client.right, 396);
    EXPECT_EQ(client.bottom, 224);
    EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
    EXPECT_EQ(FindControl(nullptr), nullptr);
    // The open forms are listed by the application.
    bool listed = false;
    for (int i = 0; i < Application->FormCount(); ++i) listed |= Application->Forms(i) == form.get();
    EXPECT_TRUE(listed);
}

TEST(FormStream, FreeingTheFormFreesComponentsAndClearsReferences) {
    auto* form = new TTestMainForm(nullptr);
    HWND edit = form->picturePathEdit->Handle();
    // A component elsewhere holding a reference to one of the form's controls.
    struct Holder : TComponent {
        using TComponent::TComponent;
        TComponent* ref = nullptr;
        void Notification(TComponent* c, TOperation op) override {
            TComponent::Notification(c, op);
            if (op == opRemove && c == ref) ref = nullptr;
        }
    } holder(nullptr);
    holder.ref = form->submitButton;
    form->submitButton->FreeNotification(&holder);
    delete form->quitButton;
    EXPECT_EQ(form->quitButton, nullptr); // the form's field is cleared
    EXPECT_EQ(form->ComponentCount(), 19);
    delete form;
    EXPECT_EQ(holder.ref, nullptr);
    EXPECT_FALSE(IsWindow(edit));
    for (int i = 0; i < Application->FormCount(); ++i) EXPECT_NE(Application->Forms(i), form);
}

TEST(FormStream, BadDescriptionsFailCleanly) {
    TForm form(nullptr);
    EXPECT_THROW(form.ReadFromResource(L"NOSUCHFORM"), EReadError);
    EXPECT_THROW(form.ReadFromText("object F: TForm\n object x: TNoSuchControl\n end\nend"), EClassNotFound);
    EXPECT_THROW(form.ReadFromText("object F: TForm\n object e: TEdit\n  Text = 12\n end\nend"), EReadError);
}
