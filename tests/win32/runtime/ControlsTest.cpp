#include "runtime/Buttons.h"
#include "runtime/ComCtrls.h"
#include "runtime/ExtCtrls.h"
#include "runtime/Forms.h"
#include "runtime/StdCtrls.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<TForm> makeForm() {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 300, 200);
    return form;
}

class TThrowingPainter : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override { throw Exception("paint failed"); }
};
} // namespace

TEST(Controls, WindowProcChainSeesAndSwallowsMessages) {
    auto form = makeForm();
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    HWND h = edit->Handle();
    std::vector<UINT> seen;
    TWndMethod saved = edit->WindowProc;
    edit->WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_SETTEXT && std::wstring(reinterpret_cast<const wchar_t*>(m.LParam)) == L"blocked") {
            m.Result = TRUE; // swallowed: the edit never sees it
            return;
        }
        saved(m);
    };
    SetWindowTextW(h, L"hello");
    EXPECT_EQ(edit->Caption(), "hello");
    SetWindowTextW(h, L"blocked");
    EXPECT_EQ(edit->Caption(), "hello");
    EXPECT_EQ(std::count(seen.begin(), seen.end(), UINT(WM_SETTEXT)), 2);
    // Framework notifications travel the same chain.
    seen.clear();
    edit->SetEnabled(false);
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_ENABLEDCHANGED), seen.end());
    EXPECT_FALSE(IsWindowEnabled(h));
    edit->SetVisible(false);
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_VISIBLECHANGED), seen.end());
    EXPECT_EQ(edit->Perform(WM_GETTEXTLENGTH), 5);
    edit->WindowProc = saved;
}

TEST(Controls, GraphicChildrenArePaintedAndClickedThroughTheirParent) {
    auto form = makeForm();
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetBounds(10, 10, 50, 20);
    int clicks = 0;
    label->OnClick = [&](TObject*) { ++clicks; };
    std::vector<UINT> seen;
    TWndMethod saved = label->WindowProc;
    label->WindowProc = [&](TMessage& m) { seen.push_back(m.Msg); saved(m); };
    HWND h = form->Handle();
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(16, 16));
    EXPECT_EQ(clicks, 1);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100)); // not on the label
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(clicks, 1);
    form->Show();
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_PAINT)), seen.end());
}

TEST(Controls, ATransparentImagePaintsWithoutAskingForAnotherPaint) {
    auto form = makeForm();
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetBounds(0, 0, 16, 16);
    image->Picture()->Bitmap()->SetSize(16, 16);
    image->SetTransparent(true); // the bitmap itself is not transparent
    form->Show();
    HWND h = form->Handle();
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    RECT left{};
    EXPECT_FALSE(GetUpdateRect(h, &left, FALSE));
    EXPECT_FALSE(image->Picture()->Bitmap()->Transparent());
}

TEST(Controls, APainterThatThrowsLeavesTheDcAsItFoundIt) {
    auto form = makeForm();
    auto* painter = new TThrowingPainter(form.get());
    painter->SetParent(form.get());
    painter->HandleNeeded();
    HDC dc = CreateCompatibleDC(nullptr);
    int level = SaveDC(dc);
    RestoreDC(dc, level);
    EXPECT_THROW(painter->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc)), Exception);
    EXPECT_FALSE(painter->Canvas()->HandleAllocated());
    EXPECT_EQ(SaveDC(dc), level); // no state left saved on the DC
    DeleteDC(dc);
}

TEST(Controls, PropertiesByNameOnControls) {
    auto form = makeForm();
    auto* button = new TBitBtn(form.get());
    button->SetParent(form.get());
    EXPECT_TRUE(SetPropValue(button, "Caption", "Go"));
    EXPECT_EQ(*GetPropValue(button, "Caption"), "Go");
    EXPECT_EQ(*GetWidePropValue(button, "Caption"), L"Go");
    EXPECT_TRUE(SetPropValue(button, "Layout", "blGlyphTop"));
    EXPECT_EQ(button->Layout(), blGlyphTop);
    EXPECT_EQ(*GetOrdProp(button, "Margin"), -1);
    EXPECT_EQ(*GetOrdProp(button, "Spacing"), 4);
    EXPECT_EQ(GetObjectProp(button, "Glyph", &TBitmap::StaticClassInfo()), button->Glyph());
    EXPECT_EQ(GetObjectProp(button, "Glyph", &TFont::StaticClassInfo()), nullptr);
    EXPECT_FALSE(GetPropInfo(button, "ParentBackground"));
    EXPECT_FALSE(SetPropValue(button, "ParentBackground", "False"));
    EXPECT_FALSE(GetPropValue(button, "Flat"));
    // Where it applies, ParentBackground switches by its enumeration name, as skinning does it.
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    EXPECT_EQ(LowerCase(*GetEnumProp(panel, "ParentBackground")), "true");
    EXPECT_TRUE(SetEnumProp(panel, "ParentBackground", "False"));
    EXPECT_FALSE(panel->ParentBackground());
    EXPECT_EQ(*GetPropValue(form.get(), "Color"), "clBtnFace");
    EXPECT_TRUE(SetPropValue(button, "Font.Name", "Tahoma"));
    EXPECT_EQ(button->Font()->Name(), "Tahoma");
    EXPECT_FALSE(button->ParentFont());
    auto* bar = new TProgressBar(form.get());
    bar->SetParent(form.get());
    EXPECT_TRUE(SetPropValue(bar, "Max", "50"));
    EXPECT_TRUE(SetPropValue(bar, "Position", "20"));
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 20);
    bar->SetPosition(80); // beyond Max: clamped
    EXPECT_EQ(bar->Position(), 50);
}

TEST(Controls, AnchorsAndAlignmentFollowTheParent) {
    auto form = makeForm();
    form->SetBorderStyle(bsSizeable);
    form->HandleNeeded();
    int cw = form->ClientWidth(), ch = form->ClientHeight();
    auto* image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetHeight(30);
    image->SetAlign(alTop);
    EXPECT_EQ(image->Width(), cw);
    auto* bar = new TProgressBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(0, ch - 20, cw, 20);
    bar->SetAnchors((1u << akLeft) | (1u << akRight) | (1u << akBottom));
    form->SetBounds(form->Left(), form->Top(), form->Width() + 40, form->Height() + 30);
    EXPECT_EQ(image->Width(), cw + 40);
    EXPECT_EQ(bar->Width(), cw + 40);
    EXPECT_EQ(bar->Top(), ch + 30 - 20);
}

TEST(Controls, TabKeyMovesFocusInTabOrder) {
    auto form = makeForm();
    auto* a = new TEdit(form.get());
    a->SetParent(form.get());
    auto* b = new TButton(form.get());
    b->SetParent(form.get());
    b->SetTop(40);
    auto* c = new TEdit(form.get());
    c->SetParent(form.get());
    c->SetTop(80);
    c->SetTabOrder(0);
    form->Show();
    Application->ProcessMessages();
    c->SetFocus();
    EXPECT_EQ(form->ActiveControl(), c);
    c->Perform(CN_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), a->Handle());
    EXPECT_EQ(form->ActiveControl(), a);
    a->Perform(CN_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), b->Handle());
    EXPECT_EQ(form->FindNextControl(b, true, true), c);
}

TEST(Controls, OnKeyDownHearsControlAndShift) {
    auto form = makeForm();
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    TShiftState heard = 0;
    edit->OnKeyDown = [&](TObject*, WORD&, TShiftState shift) { heard = shift; };
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE pressed[256];
    std::copy(std::begin(keys), std::end(keys), pressed);
    pressed[VK_CONTROL] = pressed[VK_SHIFT] = 0x80;
    SetKeyboardState(pressed);
    edit->Perform(CN_KEYDOWN, 'A', 0);
    SetKeyboardState(keys);
    EXPECT_EQ(heard, (1u << ssCtrl) | (1u << ssShift));
}

TEST(Controls, OwnedPainterSeesTheWindowGoAndRestoresWindowProcWhenTheControlIsFreed) {
    struct Painter : TComponent {
        TControl* control;
        TWndMethod old;
        bool* sawDestroy;
        bool* restored;
        Painter(TControl* c, bool* d, bool* r) : TComponent(c), control(c), sawDestroy(d), restored(r) {
            old = c->WindowProc;
            c->WindowProc = [this](TMessage& m) {
                if (m.Msg == WM_NCDESTROY) *sawDestroy = true;
                old(m);
            };
        }
        ~Painter() override {
            control->WindowProc = old; // the control's members still exist while its owned components go
            *restored = true;
        }
    };
    auto form = makeForm();
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->HandleNeeded();
    bool sawDestroy = false, restored = false;
    new Painter(edit, &sawDestroy, &restored);
    delete edit;
    EXPECT_TRUE(sawDestroy);
    EXPECT_TRUE(restored);
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_EQ(form->ComponentCount(), 0);
}

TEST(Controls, ReturnPressesTheFocusedButtonElseTheDefaultOne) {
    auto form = makeForm();
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    auto* ok = new TButton(form.get());
    ok->SetParent(form.get());
    ok->SetTop(40);
    ok->SetDefault(true);
    auto* other = new TButton(form.get());
    other->SetParent(form.get());
    other->SetTop(80);
    int okClicks = 0, otherClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    other->OnClick = [&](TObject*) { ++otherClicks; };
    form->Show();
    Application->ProcessMessages();
    edit->SetFocus();
    EXPECT_EQ(edit->Perform(CN_KEYDOWN, VK_RETURN, 0), 1);
    EXPECT_EQ(okClicks, 1);
    other->SetFocus();
    other->Perform(CN_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(otherClicks, 1);
    EXPECT_EQ(okClicks, 1);
}

TEST(Controls, ComboBoxItemIndexStreamedBeforeItems) {
    TForm form(nullptr);
    form.ReadFromText("object F: TForm\n object c: TComboBox\n  Style = csDropDownList\n  ItemIndex = 2\n"
                      "  Items.Strings = ('a' 'b' 'c')\n end\nend");
    auto* combo = dynamic_cast<TComboBox*>(form.FindComponent("c"));
    ASSERT_NE(combo, nullptr);
    combo->HandleNeeded();
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "c");
}

TEST(Controls, MouseEnterAndLeaveReachGraphicChildren) {
    auto form = makeForm();
    auto* label = new TLabel(form.get());
    label->SetParent(form.get());
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 50, 20);
    std::vector<UINT> seen;
    TWndMethod saved = label->WindowProc;
    label->WindowProc = [&](TMessage& m) { seen.push_back(m.Msg); saved(m); };
    HWND h = form->Handle();
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(150, 150));
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_MOUSEENTER), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_MOUSELEAVE), seen.end());
    EXPECT_LT(std::find(seen.begin(), seen.end(), CM_MOUSEENTER), std::find(seen.begin(), seen.end(), CM_MOUSELEAVE));
    label->WindowProc = saved;
}

TEST(Controls, ReleaseFreesAFormFromItsOwnClickHandler) {
    auto* form = new TForm(nullptr);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->OnClick = [form](TObject*) { form->Release(); };
    form->Show();
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    auto listed = [form] {
        for (int i = 0; i < Application->FormCount(); ++i)
            if (Application->Forms(i) == form) return true;
        return false;
    };
    EXPECT_TRUE(listed()); // not yet: the click is still being handled
    Application->ProcessMessages();
    EXPECT_FALSE(listed());
}

TEST(Controls, AHandlerMayPutTheOldWindowProcBackWhileItRuns) {
    auto form = makeForm();
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    TWndMethod old = edit->WindowProc;
    int calls = 0;
    edit->WindowProc = [edit, old, &calls](TMessage& m) {
        ++calls;
        edit->WindowProc = old; // detaches itself in the middle of a message
        old(m);
    };
    SetWindowTextW(edit->Handle(), L"x");
    SetWindowTextW(edit->Handle(), L"y");
    EXPECT_GE(calls, 1);
    EXPECT_EQ(edit->Caption(), "y");
}

TEST(Controls, AltAndTheAcceleratorPressTheButton) {
    auto form = makeForm();
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    button->SetTop(40);
    button->SetCaption("&Open");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    form->Show();
    EXPECT_EQ(edit->Perform(CN_SYSCHAR, 'o', 0), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->Perform(CN_SYSCHAR, 'x', 0), 0);
    EXPECT_EQ(clicks, 1);
}

TEST(Controls, ScrollingControlsStreamTheirContentIntoTheirWindows) {
    TForm form(nullptr);
    form.ReadFromText("object F: TForm\n"
                      " object l: TListBox\n  Left = 8\n  Top = 8\n  Height = 60\n  ScrollWidth = 300\n"
                      "  Items.Strings = ('one' 'two' 'three')\n end\n"
                      " object m: TMemo\n  Left = 150\n  ScrollBars = ssVertical\n  Lines.Strings = ('first' 'second')\n end\n"
                      " object s: TScrollBar\n  Top = 120\n  Max = 50\n  PageSize = 10\n  LargeChange = 10\n  Position = 5\n end\n"
                      " object b: TScrollBox\n  Top = 150\n  Width = 100\n  Height = 60\n"
                      "  object p: TPanel\n   Left = 0\n   Top = 0\n   Width = 300\n   Height = 200\n  end\n end\n"
                      "end\n");
    form.SetBounds(100, 100, 400, 300);
    form.Show();
    auto* list = dynamic_cast<TListBox*>(form.FindComponent("l"));
    auto* memo = dynamic_cast<TMemo*>(form.FindComponent("m"));
    auto* bar = dynamic_cast<TScrollBar*>(form.FindComponent("s"));
    auto* box = dynamic_cast<TScrollBox*>(form.FindComponent("b"));
    ASSERT_TRUE(list && memo && bar && box);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(memo->Text(), "first\r\nsecond");
    EXPECT_TRUE(GetWindowLongW(memo->Handle(), GWL_STYLE) & WS_VSCROLL);
    // Typing (a replaced selection) changes the lines; a multi-line edit reports no change for WM_SETTEXT.
    SendMessageW(memo->Handle(), EM_SETSEL, 0x7FFF, 0x7FFF);
    SendMessageW(memo->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\nthird"));
    EXPECT_EQ(memo->Lines()->Count(), 3);
    // The form reflects the bar's notification to it; the position moves by a page.
    SendMessageW(form.Handle(), WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar->Handle()));
    EXPECT_EQ(bar->Position(), 15);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 15);
    // The scroll box's content is larger than the box: both bars, and scrolling moves the content.
    EXPECT_TRUE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_HSCROLL);
    auto* panel = dynamic_cast<TPanel*>(form.FindComponent("p"));
    SendMessageW(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(panel->Top(), -8);
    SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(panel->Top() + panel->Height(), box->ClientHeight());
}
