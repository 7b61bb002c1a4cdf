// The framework's check, radio, tab and bar classes without any skin: what a user can do with them.
#include "runtime/BarCtrls.h"
#include "runtime/CheckCtrls.h"
#include "runtime/Forms.h"
#include "runtime/Frames.h"
#include "runtime/StdCtrls.h"
#include "runtime/TabCtrls.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<TForm> MakeForm() {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 420, 320);
    return form;
}

void Pump(int ms = 50) {
    DWORD end = GetTickCount() + DWORD(ms);
    do Application->ProcessMessages();
    while (GetTickCount() < end);
}

// Holds the control key down (as the keyboard state the framework reads) for the lifetime of the object.
struct HeldKeys {
    BYTE saved[256]{};
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved);
        BYTE now[256];
        std::copy(std::begin(saved), std::end(saved), now);
        for (int k : keys) now[k] = 0x80;
        SetKeyboardState(now);
    }
    ~HeldKeys() { SetKeyboardState(saved); }
};
} // namespace

TEST(FrameworkChoices, RadioButtonsKeepOneCheckAndArrowKeysMoveIt) {
    auto form = MakeForm();
    auto* group = new TRadioGroup(form.get());
    group->SetParent(form.get());
    group->SetBounds(10, 10, 200, 120);
    for (const char* s : {"one", "two", "three"}) group->Items()->Add(s);
    group->SetItemIndex(0);
    form->Show();
    Pump();
    EXPECT_EQ(group->ItemIndex(), 0);
    group->Buttons(0)->SetFocus();
    group->Buttons(0)->Perform(CN_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(GetFocus(), group->Buttons(1)->Handle());
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_FALSE(group->Buttons(0)->Checked());
    group->Buttons(1)->Perform(CN_KEYDOWN, VK_UP, 0);
    group->Buttons(0)->Perform(CN_KEYDOWN, VK_UP, 0); // wraps to the last
    EXPECT_EQ(group->ItemIndex(), 2);
    // a click through the system control checks the button and unchecks the others
    SendMessageW(group->Buttons(1)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(SendMessageW(group->Buttons(2)->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(FrameworkChoices, CheckBoxStatePublishedByName) {
    auto form = MakeForm();
    auto* box = new TCheckBox(form.get());
    box->SetParent(form.get());
    box->SetAllowGrayed(true);
    box->SetState(cbGrayed);
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(GetEnumProp(box, "State").value_or(""), "cbGrayed");
    SendMessageW(box->Handle(), BM_CLICK, 0, 0); // grayed -> unchecked for a three-state box
    EXPECT_NE(box->State(), cbGrayed);
    EXPECT_TRUE(SetPropValue(box, "Checked", "True"));
    EXPECT_EQ(GetEnumProp(box, "Checked").value_or(""), "True");
    box->SetAlignment(taLeftJustify);
    EXPECT_TRUE(GetWindowLongW(box->Handle(), GWL_STYLE) & BS_LEFTTEXT);
    EXPECT_EQ(box->State(), cbChecked); // kept over the recreated window
}

TEST(FrameworkChoices, PageControlSwitchesByCtrlTabAndSurvivesFreedPages) {
    auto form = MakeForm();
    auto* pages = new TPageControl(form.get());
    pages->SetParent(form.get());
    pages->SetBounds(10, 10, 300, 200);
    TTabSheet* sheet[3];
    for (int i = 0; i < 3; ++i) {
        sheet[i] = new TTabSheet(form.get());
        sheet[i]->SetCaption("page " + std::to_string(i));
        sheet[i]->SetPageControl(pages);
    }
    form->Show();
    Pump();
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(pages->ActivePage(), sheet[0]);
    EXPECT_TRUE(IsWindowVisible(sheet[0]->Handle()));
    pages->SetFocus();
    {
        HeldKeys ctrl{VK_CONTROL};
        pages->Perform(CN_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(pages->ActivePage(), sheet[1]);
        HeldKeys shift{VK_CONTROL, VK_SHIFT};
        pages->Perform(CN_KEYDOWN, VK_TAB, 0);
        pages->Perform(CN_KEYDOWN, VK_TAB, 0);
        EXPECT_EQ(pages->ActivePage(), sheet[2]);
    }
    EXPECT_TRUE(IsWindowVisible(sheet[2]->Handle()));
    EXPECT_FALSE(IsWindowVisible(sheet[0]->Handle()));
    delete sheet[2]; // the active, last page
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheet[1]);
    EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    delete sheet[0];
    EXPECT_EQ(pages->ActivePage(), sheet[1]);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
}

TEST(FrameworkChoices, StatusBarPanelsAndHeaderSections) {
    auto form = MakeForm();
    auto* bar = new TStatusBar(form.get());
    bar->SetParent(form.get());
    bar->AddPanel(L"Ready", 100);
    bar->AddPanel(L"", 80, pbRaised);
    form->Show();
    EXPECT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
    auto* header = new THeaderControl(form.get());
    header->SetParent(form.get());
    header->Sections()->Add("Name");
    header->Sections()->Add("Size");
    EXPECT_EQ(SendMessageW(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
}

// Containers without a colour of their own (frames, group boxes, page controls and their pages) follow the
// form's colour, so that a label on them is drawn on the form's background when the form is recoloured.
TEST(FrameworkChoices, ContainersAndTheirLabelsFollowTheFormsColour) {
    auto form = MakeForm();
    auto* frame = new TFrame(form.get());
    frame->SetParent(form.get());
    auto* group = new TGroupBox(form.get());
    group->SetParent(frame);
    auto* pages = new TPageControl(form.get());
    pages->SetParent(form.get());
    auto* sheet = new TTabSheet(form.get());
    sheet->SetPageControl(pages);
    TControl* holders[] = {frame, group, sheet};
    std::vector<TLabel*> labels;
    for (TControl* holder : holders) {
        auto* label = new TLabel(form.get());
        label->SetParent(static_cast<TWinControl*>(holder));
        labels.push_back(label);
    }
    const TColor face = TColor(0xF9F2EC);
    form->SetColor(face);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(holders[i]->Color(), face);
        EXPECT_EQ(labels[i]->Color(), face);
    }
    // a colour of its own stays
    auto* own = new TGroupBox(form.get());
    own->SetColor(clWindow);
    own->SetParent(form.get());
    form->SetColor(clBtnFace);
    EXPECT_EQ(own->Color(), clWindow);
    EXPECT_EQ(labels[2]->Color(), clBtnFace);
}
