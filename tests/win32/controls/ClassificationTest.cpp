// Classification on real windows: a framework form's controls and the bare buttons of a dialog get the
// painters the rules name (kinds whose painters are built), once.
#include <gtest/gtest.h>

#include "PainterTestSupport.h"
#include "RawDialog.h"
#include "runtime/Buttons.h"
#include "runtime/ExtCtrls.h"
#include "runtime/StdCtrls.h"
#include "skin/controls/SkinButtons.h"
#include "skin/window/ControlClassification.h"

namespace {

TPainterKind KindOf(const TWinSkinForm& skinner, TControl* control) {
    for (TSkinControl* p : skinner.Painters)
        if (p->FControl == control) return p->FKind;
    return TPainterKind::None;
}

template <class T> T* Add(TWinControl* parent, int left, int top, const char* caption) {
    auto* c = new T(parent->Owner() ? parent->Owner() : parent);
    c->SetParent(parent);
    c->SetBounds(left, top, 80, 25);
    c->SetCaption(caption);
    return c;
}

class Classification : public ::testing::Test, public SkinnedFormFixture {
protected:
    void SetUp() override {
        form = NewForm(500, 400, 400, 200);
        button = Add<TButton>(form, 8, 8, "Button");
        bit = Add<TBitBtn>(form, 96, 8, "Bit");
        speed = Add<TSpeedButton>(form, 184, 8, "Speed");
        menu = Add<TMenuButton>(form, 272, 8, "Menu");
        label = Add<TLabel>(form, 8, 40, "Label");
        panel = Add<TPanel>(form, 8, 70, "");
        panel->SetBounds(8, 70, 200, 60);
        inner = Add<TButton>(panel, 4, 4, "Inner");
        inner->SetParent(panel);
        off = Add<TButton>(form, 272, 40, "Tagged");
        off->SetTag(Data()->DisableTag);
        Data()->Skin3rd()->Add("TMenuButton=menubtn");
        form->Show();
        skinner = MakeSkinner(form);
    }
    void TearDown() override { DropForm(); }
    TButton* button = nullptr;
    TBitBtn* bit = nullptr;
    TSpeedButton* speed = nullptr;
    TMenuButton* menu = nullptr;
    TLabel* label = nullptr;
    TPanel* panel = nullptr;
    TButton* inner = nullptr;
    TButton* off = nullptr;
};

TEST_F(Classification, FormControlsGetTheirPaintersOnce) {
    skinner->SkinFormControls(form);
    EXPECT_EQ(KindOf(*skinner, button), TPainterKind::Button);
    EXPECT_EQ(KindOf(*skinner, bit), TPainterKind::BitButton);
    EXPECT_EQ(KindOf(*skinner, speed), TPainterKind::SpeedButton);
    EXPECT_EQ(KindOf(*skinner, menu), TPainterKind::MenuButton);
    EXPECT_EQ(KindOf(*skinner, inner), TPainterKind::Button); // through the panel's children
    EXPECT_EQ(KindOf(*skinner, label), TPainterKind::None);
    EXPECT_EQ(KindOf(*skinner, off), TPainterKind::None); // Tag = DisableTag
    EXPECT_EQ(button->Perform(WM_SKIN_QUERY), 1);
    const size_t count = skinner->Painters.size();
    skinner->SkinFormControls(form);
    EXPECT_EQ(skinner->Painters.size(), count);
    // Freeing the painters gives every control back its own handling.
    skinner->FreePainters();
    EXPECT_TRUE(skinner->Painters.empty());
    EXPECT_EQ(button->Perform(WM_SKIN_QUERY), 0);
    EXPECT_EQ(speed->Perform(WM_SKIN_QUERY), 0);
}

TEST_F(Classification, BitButtonsWithoutTheirOptionStayUnskinned) {
    Data()->SkinControls &= ~SetBit(xcBitBtn);
    skinner->SkinFormControls(form);
    EXPECT_EQ(KindOf(*skinner, bit), TPainterKind::None);
    EXPECT_EQ(KindOf(*skinner, button), TPainterKind::Button);
}

TEST_F(Classification, TheSkinControlEventDecidesFirst) {
    TSkinButton* given = nullptr;
    Data()->OnSkinControl = [&](TComponent*, TSkinData*, TControl*, TControl* control, const std::string& cls,
                                TComponent*& skinned) {
        if (control == button) {
            EXPECT_EQ(cls, "TBUTTON");
            given = new TSkinMenuButton(button);
            skinned = given;
        }
    };
    skinner->SkinFormControls(form);
    ASSERT_NE(given, nullptr);
    EXPECT_EQ(given->FLifeState, lsAttached);
    EXPECT_EQ(std::count(skinner->Painters.begin(), skinner->Painters.end(), given), 1);
    EXPECT_EQ(KindOf(*skinner, bit), TPainterKind::BitButton);
}

TEST(RawDialogClassification, EachWindowGetsThePainterOfTheTable) {
    SkinnedFormFixture fixture;
    HWND dialog = ShowRawButtonDialog(nullptr);
    ASSERT_NE(dialog, nullptr);
    TWinSkinForm skinner(nullptr, dialog, "#32770");
    skinner.SkinData = fixture.Data();
    skinner.SkinChildWindows(dialog);
    struct {
        int id;
        TPainterKind kind;
    } expected[] = {
        {IDC_RAW_PUSH, TPainterKind::Button},       {IDC_RAW_DEFAULT, TPainterKind::Button},
        {IDC_RAW_DISABLED, TPainterKind::Button},   {IDC_RAW_TWOLINES, TPainterKind::Button},
        {IDCANCEL, TPainterKind::Button},           {IDC_RAW_CHECK, TPainterKind::CheckBox},
        {IDC_RAW_AUTOCHECK, TPainterKind::CheckBox}, {IDC_RAW_3STATE, TPainterKind::CheckBox},
        {IDC_RAW_RADIO, TPainterKind::RadioButton},  {IDC_RAW_AUTORADIO, TPainterKind::RadioButton},
        {IDC_RAW_GROUP, TPainterKind::None},         {IDC_RAW_OWNERDRAW, TPainterKind::None},
        {IDC_RAW_PICTURE, TPainterKind::None},      {IDC_RAW_TABS, TPainterKind::Tab},
        {IDC_RAW_HEADER, TPainterKind::None},       {IDC_RAW_STATUS, TPainterKind::None},
        // By handle only combo boxes other than simple ones are skinned; bare range controls keep their look.
        {IDC_RAW_TRACKBAR, TPainterKind::None},      {IDC_RAW_TRACKBAR_VERTICAL, TPainterKind::None},
        {IDC_RAW_UPDOWN, TPainterKind::None},        {IDC_RAW_DATETIME, TPainterKind::None},
        {IDC_RAW_COMBO, TPainterKind::ComBox},       {IDC_RAW_COMBO_DROPDOWN, TPainterKind::ComBox},
        {IDC_RAW_COMBO_SIMPLE, TPainterKind::None},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        HWND item = GetDlgItem(dialog, e.id);
        TSkinControl* painter = FindWindowPainter(skinner, item);
        if (e.kind != TPainterKind::None) {
            ASSERT_NE(painter, nullptr);
            EXPECT_EQ(SendMessageW(item, WM_SKIN_QUERY, 0, 0), 1);
        }
        // A kind whose painter is not built yet attaches nothing; a built one is the kind of the table.
        if (painter) {
            EXPECT_EQ(painter->FKind, e.kind);
        }
        if (e.kind == TPainterKind::None) {
            EXPECT_EQ(painter, nullptr);
        }
    }
    const size_t count = skinner.Painters.size();
    skinner.SkinChildWindows(dialog);
    EXPECT_EQ(skinner.Painters.size(), count);

    // A click on a bare button comes to the dialog as WM_COMMAND with the button's identifier.
    HWND push = GetDlgItem(dialog, IDC_RAW_PUSH);
    const int before = RawDialogClicks(IDC_RAW_PUSH);
    SendMessageW(push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(push, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    Pump(50);
    EXPECT_EQ(RawDialogClicks(IDC_RAW_PUSH), before + 1);
    skinner.FreePainters();
    EXPECT_EQ(SendMessageW(push, WM_SKIN_QUERY, 0, 0), 0);
    DestroyWindow(dialog);
}

} // namespace
