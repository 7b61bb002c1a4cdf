// Check boxes and radio buttons drawn by the skin: every state's box read back from the screen.
#include "ChoiceTestSupport.h"

#include "runtime/CheckCtrls.h"
#include "skin/controls/SkinChecks.h"

#include <gtest/gtest.h>

namespace {
struct Fixture {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TCanvas canvas;
    Fixture() {
        ParkMouse(); // a box under the cursor would show its hot frame
        form->SetBounds(40, 40, 520, 420);
        form->Show();
    }
};

// Compares the box drawn at `box` (window coordinates) with frame `frame` of the strip, key pixels skipped.
::testing::AssertionResult BoxShowsFrame(const ScreenPixels& shot, RECT box, TBitmap& strip, int frames, int frame) {
    const int fw = strip.Width() / frames, fh = strip.Height();
    ScreenPixels source = Render(strip.Width(), fh, [&](HDC dc) {
        BitBlt(dc, 0, 0, strip.Width(), fh, strip.Canvas()->Handle(), 0, 0, SRCCOPY);
    });
    int compared = 0;
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw; ++x) {
            std::uint32_t want = source.At((frame - 1) * fw + x, y);
            if (want == 0xFF00FF) continue;
            std::uint32_t got = shot.At(box.left + x, box.top + y);
            if (got != want)
                return ::testing::AssertionFailure() << "frame " << frame << " pixel (" << x << "," << y << ") is "
                                                     << std::hex << got << ", want " << want;
            ++compared;
        }
    return compared > 20 ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "nothing compared";
}

RECT BoxRect(HWND button, int boxW, int boxH, bool leftText, int rightInset) {
    RECT r;
    GetWindowRect(button, &r);
    POINT origin{r.left, r.top};
    RECT formR;
    GetWindowRect(GetAncestor(button, GA_ROOT), &formR);
    int w = r.right - r.left, h = r.bottom - r.top;
    int top = (h - boxH) / 2;
    int left = leftText ? w - rightInset - boxW : 0;
    return {origin.x - formR.left + left, origin.y - formR.top + top, 0, 0};
}
} // namespace

TEST(SkinChecks, EveryStateShowsItsFrame) {
    Fixture f;
    TSkinData& skin = StoredSkin();
    TBitmap& checks = *skin.Buttons->CheckBitmap;
    TBitmap& radios = *skin.Buttons->RadioBitmap;
    const int checkFrames = skin.Buttons->CheckFrameCount, radioFrames = skin.Buttons->RadioFrameCount;
    ASSERT_EQ(checkFrames, 12);
    ASSERT_EQ(radioFrames, 8);
    struct Case {
        bool radio;
        TCheckMark mark;
        bool disabled, leftText, pressed;
    } cases[] = {
        {false, TCheckMark::Unchecked, false, false, false}, {false, TCheckMark::Checked, false, false, false},
        {false, TCheckMark::Indeterminate, false, false, false}, {false, TCheckMark::Unchecked, true, false, false},
        {false, TCheckMark::Checked, true, true, false},     {false, TCheckMark::Indeterminate, true, false, false},
        {false, TCheckMark::Checked, false, false, true},    {true, TCheckMark::Unchecked, false, false, false},
        {true, TCheckMark::Checked, false, true, false},     {true, TCheckMark::Unchecked, true, false, false},
        {true, TCheckMark::Checked, true, false, false},     {true, TCheckMark::Checked, false, false, true},
    };
    std::vector<TButtonControl*> buttons;
    int y = 8;
    for (const Case& c : cases) {
        TButtonControl* b;
        if (c.radio) {
            auto* r = new TRadioButton(f.form.get());
            r->SetAlignment(c.leftText ? taLeftJustify : taRightJustify);
            b = r;
        } else {
            auto* k = new TCheckBox(f.form.get());
            k->SetAllowGrayed(true);
            k->SetAlignment(c.leftText ? taLeftJustify : taRightJustify);
            b = k;
        }
        b->SetBounds(10, y, 160, 20);
        b->SetCaption(c.radio ? "radio" : "check");
        b->SetParent(f.form.get());
        y += 26;
        if (auto* k = dynamic_cast<TCheckBox*>(b)) k->SetState(TCheckBoxState(int(c.mark)));
        else SendMessageW(b->Handle(), BM_SETCHECK, c.mark == TCheckMark::Checked, 0);
        b->SetEnabled(!c.disabled);
        TSkinControl* p = c.radio ? static_cast<TSkinControl*>(new TSkinRadioButton(b)) : new TSkinCheckBox(b);
        p->AttachControl(nullptr, &skin, false, &f.canvas);
        EXPECT_EQ(p->FNoMouseDown, 1);
        if (c.pressed) SendMessageW(b->Handle(), BM_SETSTATE, TRUE, 0);
        buttons.push_back(b);
    }
    Pump();
    ScreenPixels shot = ReadWindowPixels(f.form->Handle());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::Message() << "case " << i);
        TChoiceFacts facts{c.mark, c.disabled, false, c.pressed};
        TBitmap& strip = c.radio ? radios : checks;
        int frames = c.radio ? radioFrames : checkFrames;
        int frame = c.radio ? RadioButtonFrame(facts, frames) : CheckBoxFrame(facts, frames);
        RECT box = BoxRect(buttons[i]->Handle(), strip.Width() / frames, strip.Height(), c.leftText, c.radio ? 1 : 0);
        EXPECT_TRUE(BoxShowsFrame(shot, box, strip, frames, frame));
    }
}

TEST(SkinChecks, TheMouseOverABoxShowsItsHotFrameAndTheSystemControlStillClicks) {
    Fixture f;
    TSkinData& skin = StoredSkin();
    auto* box = new TCheckBox(f.form.get());
    box->SetBounds(20, 20, 160, 20);
    box->SetCaption("hot");
    box->SetParent(f.form.get());
    (new TSkinCheckBox(box))->AttachControl(nullptr, &skin, false, &f.canvas);
    Pump();
    MoveMouse(f.form->Handle(), 100, 100);
    MoveMouse(box->Handle(), 40, 10);
    Pump();
    TBitmap& strip = *skin.Buttons->CheckBitmap;
    RECT r = BoxRect(box->Handle(), 13, 13, false, 0);
    EXPECT_TRUE(BoxShowsFrame(ReadWindowPixels(f.form->Handle()), r, strip, 12, 2));
    Click(box->Handle(), 40, 10);
    EXPECT_TRUE(box->Checked());
    MoveMouse(f.form->Handle(), 300, 300); // leaving: checked, normal
    Pump();
    EXPECT_TRUE(BoxShowsFrame(ReadWindowPixels(f.form->Handle()), r, strip, 12, 5));
    box->SetFocus();
    PressKeys({VK_SPACE});
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(BoxShowsFrame(ReadWindowPixels(f.form->Handle()), r, strip, 12, 1));
}

TEST(SkinChecks, RawButtonsGetTheBoxOverTheSystemDrawing) {
    Fixture f;
    TSkinData& skin = StoredSkin();
    TComponent owner(nullptr);
    struct Raw {
        DWORD style;
        bool radio, checked;
    } raws[] = {{BS_AUTOCHECKBOX, false, true}, {BS_AUTORADIOBUTTON, true, true}, {BS_CHECKBOX | BS_LEFTTEXT, false, false}};
    std::vector<HWND> windows;
    int y = 10;
    for (const Raw& r : raws) {
        HWND w = CreateWindowExW(0, L"BUTTON", L"raw", WS_CHILD | WS_VISIBLE | r.style, 10, y, 150, 20,
                                 f.form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        y += 30;
        SendMessageW(w, BM_SETCHECK, r.checked, 0);
        TSkinControl* p = r.radio ? static_cast<TSkinControl*>(new TSkinRadioButton(&owner)) : new TSkinCheckBox(&owner);
        p->AttachWindow(w, &skin, nullptr, &f.canvas);
        EXPECT_EQ(p->FNoMouseDown, 0);
        EXPECT_EQ(SendMessageW(w, WM_SKIN_QUERY, 0, 0), 1);
        windows.push_back(w);
    }
    Pump();
    ScreenPixels shot = ReadWindowPixels(f.form->Handle());
    for (std::size_t i = 0; i < std::size(raws); ++i) {
        SCOPED_TRACE(i);
        const Raw& r = raws[i];
        TBitmap& strip = r.radio ? *skin.Buttons->RadioBitmap : *skin.Buttons->CheckBitmap;
        int frames = r.radio ? 8 : 12;
        TChoiceFacts facts{r.checked ? TCheckMark::Checked : TCheckMark::Unchecked};
        int frame = r.radio ? RadioButtonFrame(facts, frames) : CheckBoxFrame(facts, frames);
        RECT box = BoxRect(windows[i], 13, 13, (r.style & BS_LEFTTEXT) != 0, 0);
        EXPECT_TRUE(BoxShowsFrame(shot, box, strip, frames, frame));
    }
    for (HWND w : windows) DestroyWindow(w);
}

TEST(SkinChecks, WithoutTheBitmapsTheSystemDrawsAlone) {
    Fixture f;
    auto* box = new TCheckBox(f.form.get());
    box->SetBounds(20, 20, 160, 20);
    box->SetParent(f.form.get());
    auto* painter = new TSkinCheckBox(box);
    painter->AttachControl(nullptr, &SkinWithoutChoiceBitmaps(), false, &f.canvas);
    EXPECT_EQ(painter->FNoMouseDown, 0);
    box->SetChecked(true);
    Pump();
    EXPECT_EQ(painter->FNoMouseDown, 0);
    EXPECT_TRUE(box->Checked());
}
