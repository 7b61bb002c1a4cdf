// Skinned push buttons read back from the screen: the frame of each state (normal, hot and pressed by real
// mouse input, focused, disabled), clicks by mouse, space and Enter, focus moving with Tab, picture
// buttons with hostile glyph counts, and GDI objects over many cycles.
#include <gtest/gtest.h>

#include "PainterTestSupport.h"
#include "runtime/Buttons.h"
#include "runtime/StdCtrls.h"
#include "skin/controls/ButtonLayout.h"
#include "skin/controls/SkinButtons.h"
#include "skin/window/ElementBitmaps.h"
#include "../GdiObjects.h"

#include <vector>

namespace {

// A button class outside the framework's rules: a glyph and a glyph count taken as stored, mapped to
// the picture-button painter by a Skin3rd line.
class TRawGlyphButton : public TButton {
    GRV_CLASS(TRawGlyphButton)
public:
    explicit TRawGlyphButton(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {}
    TBitmap* Glyph() const { return glyph_.get(); }
    int NumGlyphs = 1;

private:
    std::unique_ptr<TBitmap> glyph_;
};

const TClassInfo& TRawGlyphButton::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TRawGlyphButton, TButton>("TRawGlyphButton")
        .Object<TBitmap>("Glyph", &TRawGlyphButton::Glyph, nullptr)
        .Integer("NumGlyphs", &TRawGlyphButton::NumGlyphs, &TRawGlyphButton::NumGlyphs)
        .Register();
    return info;
}

class ButtonPaint : public ::testing::Test, public SkinnedFormFixture {
protected:
    void SetUp() override {
        form = NewForm(200, 200, 420, 160);
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(8, 100, 100, 21);
        button = AddButton<TButton>(8, 8, "Button");
        next = AddButton<TButton>(100, 8, "Next");
        disabled = AddButton<TButton>(192, 8, "Off");
        disabled->SetEnabled(false);
        bit = AddButton<TBitBtn>(284, 8, "Bit");
        button->OnClick = [this](TObject*) { ++clicks; };
        ShowSkinned(edit);
    }
    void TearDown() override { DropForm(); }
    template <class T> T* AddButton(int left, int top, const char* caption) {
        auto* b = new T(form);
        b->SetParent(form);
        b->SetBounds(left, top, 84, 26);
        b->SetCaption(caption);
        return b;
    }

    // The element frame as the nine-part rule makes it at the button's size.
    std::unique_ptr<TBitmap> Frame(int frame) {
        const TDataSkinButton& e = *Data()->Buttons;
        return BuildElementBitmap(RECT{0, 0, 84, 26}, e.Bitmap.get(),
                                  GeoMargins{e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}, false,
                                  e.Tile == 1, 5, frame);
    }
    // Where the frames differ and no caption or focus mark is drawn: the border pieces.
    std::vector<POINT> Probes() { return {{2, 2}, {42, 1}, {81, 13}, {42, 24}, {1, 13}}; }

    // Whether the button on screen shows the frame at every probe (key-coloured probes skipped).
    ::testing::AssertionResult Shows(TControl* control, int frame) {
        std::unique_ptr<TBitmap> expected = Frame(frame);
        const POINT origin = control->ClientToScreen(POINT{0, 0});
        int compared = 0;
        for (POINT p : Probes()) {
            const COLORREF want = ColorToRGB(expected->Canvas()->Pixel(p.x, p.y));
            if (want == RGB(255, 0, 255)) continue;
            const COLORREF got = ScreenPixel(origin.x + p.x, origin.y + p.y);
            if (got != want)
                return ::testing::AssertionFailure() << "frame " << frame << " at (" << p.x << "," << p.y << "): screen "
                                                     << std::hex << got << ", element " << want;
            ++compared;
        }
        if (!compared) return ::testing::AssertionFailure() << "no probe to compare";
        return ::testing::AssertionSuccess();
    }
    POINT Centre(TControl* c) { return c->ClientToScreen(POINT{c->Width() / 2, c->Height() / 2}); }

    TEdit* edit = nullptr;
    TButton* button = nullptr;
    TButton* next = nullptr;
    TButton* disabled = nullptr;
    TBitBtn* bit = nullptr;
    int clicks = 0;
};

TEST_F(ButtonPaint, TheFramesDifferWhereTheTestLooks) {
    // Otherwise the state tests below could not tell the frames apart.
    for (int a = 1; a <= 5; ++a)
        for (int b = a + 1; b <= 5; ++b) {
            bool differ = false;
            std::unique_ptr<TBitmap> fa = Frame(a), fb = Frame(b);
            for (POINT p : Probes()) differ |= fa->Canvas()->Pixel(p.x, p.y) != fb->Canvas()->Pixel(p.x, p.y);
            EXPECT_TRUE(differ) << a << " " << b;
        }
}

TEST_F(ButtonPaint, EveryStateShowsItsFrame) {
    EXPECT_TRUE(Eventually([&] { return bool(Shows(button, bfNormal)); })) << Shows(button, bfNormal);
    EXPECT_TRUE(Eventually([&] { return bool(Shows(disabled, bfDisabled)); })) << Shows(disabled, bfDisabled);
    EXPECT_TRUE(Eventually([&] { return bool(Shows(bit, bfNormal)); })) << Shows(bit, bfNormal);

    const POINT c = Centre(button);
    MouseTo(c.x, c.y);
    EXPECT_TRUE(Eventually([&] { return bool(Shows(button, bfHot)); })) << Shows(button, bfHot);
    MouseButton(true);
    EXPECT_TRUE(Eventually([&] { return bool(Shows(button, bfPressed)); })) << Shows(button, bfPressed);
    EXPECT_EQ(clicks, 0);
    MouseButton(false);
    EXPECT_TRUE(Eventually([&] { return clicks == 1; }));
    EXPECT_TRUE(button->Focused());
    EXPECT_TRUE(Eventually([&] { return bool(Shows(button, bfHot)); })) << Shows(button, bfHot);
    MouseTo(5, 5);
    EXPECT_TRUE(Eventually([&] { return bool(Shows(button, bfFocused)); })) << Shows(button, bfFocused);

    // The disabled frame wins over hot.
    const POINT d = Centre(disabled);
    MouseTo(d.x, d.y);
    EXPECT_TRUE(Eventually([&] { return bool(Shows(disabled, bfDisabled)); })) << Shows(disabled, bfDisabled);
    MouseTo(5, 5);
    Pump(100);
}

TEST_F(ButtonPaint, KeysStillPressAndFocusMovesWithTab) {
    button->SetFocus();
    EXPECT_TRUE(Eventually([&] { return bool(Shows(button, bfFocused)); })) << Shows(button, bfFocused);
    Key(VK_SPACE, true);
    EXPECT_TRUE(Eventually([&] { return bool(Shows(button, bfPressed)); })) << Shows(button, bfPressed);
    Key(VK_SPACE, false);
    EXPECT_TRUE(Eventually([&] { return clicks == 1; }));
    Key(VK_RETURN, true);
    Key(VK_RETURN, false);
    EXPECT_TRUE(Eventually([&] { return clicks == 2; }));
    Key(VK_TAB, true);
    Key(VK_TAB, false);
    EXPECT_TRUE(Eventually([&] { return next->Focused(); }));
    EXPECT_TRUE(Eventually([&] { return bool(Shows(next, bfFocused)); })) << Shows(next, bfFocused); // the system never paints its own face over the skin
    EXPECT_TRUE(Eventually([&] { return bool(Shows(button, bfNormal)); })) << Shows(button, bfNormal);
}

TEST_F(ButtonPaint, GlyphCountsFromAStoredFormNeverDivideByZero) {
    Data()->Skin3rd()->Add("TRawGlyphButton=bitbtn");
    for (int count : {0, -3, 1000}) {
        auto* b = AddButton<TRawGlyphButton>(8, 50, "Glyphs");
        b->Glyph()->SetSize(16, 16);
        b->NumGlyphs = count;
        skinner->SkinFormControls(form);
        b->Repaint();
        Pump(100);
        EXPECT_TRUE(Eventually([&] { return bool(Shows(b, bfNormal)); })) << Shows(b, bfNormal) << count;
        delete b;
    }
}

TEST_F(ButtonPaint, GdiObjectsStayFlatOverHoverPressAndSwitching) {
    const POINT c = Centre(button);
    auto cycle = [&] {
        const int before = clicks;
        MouseTo(c.x, c.y);
        Pump(40);
        MouseButton(true);
        Pump(40);
        MouseButton(false);
        Eventually([&] { return clicks == before + 1; });
        MouseTo(5, 5);
        Pump(40);
        SendMessageW(button->Handle(), WM_SKIN_SWITCH, 0, 0);
        button->Repaint();
        SendMessageW(button->Handle(), WM_SKIN_SWITCH, 1, 0);
        bit->Repaint();
    };
    cycle(); // first use may make lasting objects (fonts, brushes of the system)
    const int before = GdiObjectsInUse();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 30; ++i) cycle();
    EXPECT_EQ(GdiObjectsInUse(), before);
    EXPECT_EQ(clicks, 31);
}

} // namespace
