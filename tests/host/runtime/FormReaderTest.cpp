#include "runtime/FormReader.h"

#include "TestClasses.h"

#include <gtest/gtest.h>

namespace {
const char* const kForm = R"(object Dialog: TTestForm
  Tag = 3
  object panel: TTestWidget
    Width = 200
    Color = clWindow
    object okButton: TTestWidget
      Caption = '确定' + #33
      Hint = 'it''s ok'
      Style = tsButtons
      Options = [toOne, toThree]
      Flat = True
      Item.Size = -11
      Buddy = inner
      Lines.Strings = (
        '*.jpg'
        '*.gif')
      OnClick = okButtonClick
      OnMeasure = measure
      Blob = {0102 0A0b}
    end
  end
  object inner: TTestWidget
    Color = $00FF00FF
  end
end
)";
} // namespace

TEST(FormReader, BuildsTreeWithPropertiesEventsAndLoadedOrder) {
    g_events.clear();
    auto* form = new TTestForm(nullptr);
    ReadComponentFromText(form, kForm);
    EXPECT_EQ(form->Name(), "Dialog");
    EXPECT_EQ(form->Tag(), 3);
    ASSERT_EQ(form->ComponentCount(), 3); // reading order: panel, okButton, inner
    ASSERT_NE(form->panel, nullptr);
    ASSERT_NE(form->okButton, nullptr);
    ASSERT_NE(form->inner, nullptr);
    EXPECT_EQ(form->Components(1), form->okButton);
    EXPECT_EQ(form->okButton->Owner(), form);
    EXPECT_EQ(form->okButton->Container, form->panel);
    EXPECT_EQ(form->panel->Container, form);
    EXPECT_EQ(form->panel->Width, 200);
    EXPECT_EQ(form->panel->Color, 0xFF000005u);
    EXPECT_EQ(form->inner->Color, 0xFF00FFu);
    TTestWidget* ok = form->okButton;
    EXPECT_EQ(ok->Caption, "确定!");
    EXPECT_EQ(ok->Hint, L"it's ok");
    EXPECT_EQ(ok->Style, tsButtons);
    EXPECT_EQ(ok->Options, 5u);
    EXPECT_TRUE(ok->Flat);
    EXPECT_EQ(ok->Item.Size, -11);
    EXPECT_EQ(ok->Buddy, form->inner);
    EXPECT_EQ(ok->Lines.Count(), 2);
    EXPECT_EQ(ok->Lines[1], "*.gif");
    EXPECT_EQ(ok->Blob, (std::vector<uint8_t>{1, 2, 10, 11}));
    EXPECT_EQ(ok->blobReadWhileLoading, 1);
    ok->OnClick(ok);
    EXPECT_EQ(form->clicks, 1);
    for (int i = 0; i < form->ComponentCount(); ++i)
        EXPECT_EQ(form->Components(i)->ComponentState() & (csLoading | csReading), 0u);
    // The binary property is read while streaming; Loaded runs after everything, root first.
    EXPECT_EQ(g_events, (std::vector<std::string>{"blob okButton", "loaded Dialog", "loaded panel", "loaded okButton",
                                                  "loaded inner", "click okButton"}));
    // Freeing the form frees its components, and the reference held by okButton is cleared first.
    g_events.clear();
    delete form;
    EXPECT_EQ(g_events.size(), 3u);
}

TEST(FormReader, ErrorsNameTheComponentAndLine) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"object D: TTestForm\n object x: TNoSuch\n end\nend", "Class TNoSuch not found (line 2)"},
        {"object D: TTestForm\n object x: TTestWidget\n  Bogus = 1\n end\nend", "Error reading x.Bogus (line 3): Property Bogus does not exist"},
        {"object D: TTestForm\n object x: TTestWidget\n  Width = 'a'\n end\nend", "integer expected"},
        {"object D: TTestForm\n object x: TTestWidget\n  Style = tsNone\n end\nend", "TTestStyle expected"},
        {"object D: TTestForm\n object x: TTestWidget\n  Options = [toOne, toNine]\n end\nend", "Invalid set member toNine"},
        {"object D: TTestForm\n object x: TTestWidget\n  OnClick = missing\n end\nend", "Method missing is not a published method"},
        {"object D: TTestForm\n object x: TTestWidget\n  OnClick = measure\n end\nend", "does not fit event OnClick"},
        {"object D: TTestForm\n object x: TTestWidget\n  Buddy = ghost\n end\nend", "component ghost not found"},
        {"object D: TTestForm\n object x: TTestWidget\n  Blob = 'text'\n end\nend", "binary data expected"},
        {"object D: TTestForm\n object okButton: TTestForm\n end\nend", "Field okButton of TTestForm is a TTestWidget"},
        {"object D: TTestWidget\nend", "not TTestForm"},
        {"object D: TTestForm\n object x: TTestWidget\n object x: TTestWidget\n end\n end\nend", "already exists"},
        {"object D: TTestForm\n Tag = 'unterminated\nend", "line 2: unterminated string"},
        {"object D: TTestForm\n Tag = {0A1}\nend", "odd number of digits"},
        {"object D: TTestForm\n Tag = 1\n", "'end' expected"},
        {"object D: TTestForm\nend\nend", "text after the last 'end'"},
        {"object D: TTestForm\n Tag = #99999\nend", "bad character code"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TTestForm form(nullptr);
        try {
            ReadComponentFromText(&form, c.text);
            ADD_FAILURE() << "no error";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        for (int i = 0; i < form.ComponentCount(); ++i)
            EXPECT_EQ(form.Components(i)->ComponentState() & csLoading, 0u);
    }
}

TEST(FormReader, ParsesValueForms) {
    TFormObject o = ParseFormDescription(
        "\xEF\xBB\xBFinherited F: TX\n  A = -12\n  B = $FF\n  C = 1.5e2\n  D = 'a'#13#$263A'b'\n  E = []\n"
        "  F.G = x.y\n  H = (1 'two' [c])\n  I = {}\nend");
    EXPECT_TRUE(o.inherited);
    ASSERT_EQ(o.props.size(), 8u);
    EXPECT_EQ(o.props[0].value.integer, -12);
    EXPECT_EQ(o.props[1].value.integer, 255);
    EXPECT_EQ(o.props[2].value.kind, TFormValue::Float);
    EXPECT_DOUBLE_EQ(o.props[2].value.real, 150.0);
    EXPECT_EQ(o.props[3].value.text, L"a\r\x263A" L"b");
    EXPECT_TRUE(o.props[4].value.set.empty());
    EXPECT_EQ(o.props[5].name, "F.G");
    EXPECT_EQ(o.props[5].value.ident, "x.y");
    ASSERT_EQ(o.props[6].value.list.size(), 3u);
    EXPECT_EQ(o.props[6].value.list[2].kind, TFormValue::Set);
    EXPECT_EQ(o.props[7].value.kind, TFormValue::Binary);
    EXPECT_EQ(o.props[7].line, 9);
}

TEST(FormReader, DeepNestingIsRefused) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "object a: TX\n";
    for (int i = 0; i < 100; ++i) text += "end\n";
    EXPECT_THROW(ParseFormDescription(text), EReadError);
    std::string list = "object a: TX\n A = " + std::string(100, '(') + std::string(100, ')') + "\nend";
    EXPECT_THROW(ParseFormDescription(list), EReadError);
}
