#include "TestClasses.h"

#include <gtest/gtest.h>

// Every kind round-trips through its text form, and through the typed accessors.
TEST(Property, TextRoundTripForEveryKind) {
    TTestWidget w(nullptr);
    struct Case {
        const char* name;
        const char* text;
        const char* expected;
    } cases[] = {
        {"Width", "-17", "-17"},
        {"Width", "$10", "16"},
        {"Width", "wdAuto", "-1"},
        {"Style", "tsFlatButtons", "tsFlatButtons"},
        {"Style", "TSBUTTONS", "tsButtons"},
        {"Options", "[toOne, toThree]", "[toOne,toThree]"},
        {"Options", "[]", "[]"},
        {"Flat", "True", "True"},
        {"Flat", "false", "False"},
        {"Caption", "Hello 世界", "Hello 世界"},
        {"Hint", "提示", "提示"},
        {"Color", "clBtnFace", "clBtnFace"},
        {"Color", "$00123456", "$00123456"},
        {"Color", "255", "clRed"},
        {"Item.Size", "12", "12"},
        {"Item.Face", "Serif", "Serif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " = " + c.text);
        EXPECT_TRUE(SetPropValue(&w, c.name, c.text));
        EXPECT_EQ(GetPropValue(&w, c.name).value_or("<none>"), c.expected);
    }
    EXPECT_EQ(w.Item.Size, 12);
    EXPECT_EQ(w.Hint, L"提示");
    EXPECT_EQ(*GetWidePropValue(&w, "Caption"), L"Hello 世界");
}

TEST(Property, TypedAccess) {
    TTestWidget w(nullptr), buddy(nullptr);
    EXPECT_TRUE(SetOrdProp(&w, "Width", 5));
    EXPECT_EQ(*GetOrdProp(&w, "Width"), 5);
    EXPECT_TRUE(SetEnumProp(&w, "Style", "tsButtons"));
    EXPECT_EQ(w.Style, tsButtons);
    EXPECT_EQ(*GetEnumProp(&w, "Flat"), "False");
    EXPECT_TRUE(SetSetProp(&w, "Options", "[toTwo]"));
    EXPECT_EQ(w.Options, 2u);
    EXPECT_TRUE(SetStrProp(&w, "Caption", "x"));
    EXPECT_EQ(*GetStrProp(&w, "caption"), "x");
    EXPECT_TRUE(SetWideStrProp(&w, "Hint", L"h"));
    EXPECT_EQ(*GetWideStrProp(&w, "Hint"), L"h");
    EXPECT_TRUE(SetObjectProp(&w, "Buddy", &buddy));
    EXPECT_EQ(GetObjectProp(&w, "Buddy"), &buddy);
    EXPECT_EQ(GetObjectProp(&w, "Buddy", &TTestWidget::StaticClassInfo()), &buddy);
    EXPECT_EQ(GetObjectProp(&w, "Buddy", &TTestForm::StaticClassInfo()), nullptr);
    EXPECT_TRUE(SetObjectProp(&w, "Buddy", nullptr));
    EXPECT_EQ(w.Buddy, nullptr);
    EXPECT_EQ(*PropType(&w, "OnClick"), TTypeKind::Method);
    auto props = w.ClassInfo().AllProps();
    ASSERT_GE(props.size(), 3u);
    EXPECT_EQ(props[0]->Name, "Name"); // ancestors' first, in declared order
    EXPECT_EQ(props[1]->Name, "Tag");
    EXPECT_EQ(props[2]->Name, "Width");
}

TEST(Property, MissingOrMismatchedAnswersNotThere) {
    TTestWidget w(nullptr);
    TTestForm form(nullptr);
    EXPECT_FALSE(IsPublishedProp(&w, "ParentBackground"));
    EXPECT_EQ(GetPropInfo(nullptr, "Width"), nullptr);
    EXPECT_FALSE(GetOrdProp(&w, "Missing"));
    EXPECT_FALSE(GetOrdProp(&w, "Caption"));     // a string is not ordinal
    EXPECT_FALSE(GetEnumProp(&w, "Width"));
    EXPECT_FALSE(GetStrProp(&w, "Hint"));        // wide, not 8-bit
    EXPECT_FALSE(GetWideStrProp(&w, "Caption"));
    EXPECT_FALSE(GetPropValue(&w, "Item"));      // objects have no text form
    EXPECT_FALSE(GetPropValue(&w, "Item.Missing"));
    EXPECT_FALSE(GetPropValue(&w, "Width.Size"));
    EXPECT_FALSE(SetPropValue(&w, "Missing", "1"));
    EXPECT_FALSE(SetPropValue(&w, "Width", "12abc"));
    EXPECT_FALSE(SetPropValue(&w, "Width", ""));
    EXPECT_FALSE(SetPropValue(&w, "Style", "tsNoSuch"));
    EXPECT_FALSE(SetPropValue(&w, "Flat", "yes"));
    EXPECT_FALSE(SetPropValue(&w, "Options", "[toOne,toNine]"));
    EXPECT_FALSE(SetPropValue(&w, "Options", "[toOne"));
    EXPECT_FALSE(SetPropValue(&w, "Color", "clNoSuch"));
    EXPECT_FALSE(SetOrdProp(&w, "Style", 7));    // out of the enumeration
    EXPECT_FALSE(SetOrdProp(&w, "Options", 8));  // bit beyond the set
    EXPECT_FALSE(SetObjectProp(&w, "Buddy", &form)); // wrong class
    EXPECT_FALSE(SetObjectProp(&w, "Item", nullptr)); // read-only
    EXPECT_FALSE(BindEvent(&w, "OnClick", &form, "noSuchMethod"));
    EXPECT_FALSE(BindEvent(&w, "OnClick", &form, "measure")); // signature differs
    EXPECT_EQ(w.Width, 0);
    EXPECT_EQ(w.Style, tsTabs);
}

TEST(Property, EventsBindToPublishedMethods) {
    TTestForm form(nullptr);
    auto* w = new TTestWidget(&form);
    w->SetName("okButton");
    EXPECT_FALSE(IsEventAssigned(w, "OnClick"));
    ASSERT_TRUE(BindEvent(w, "OnClick", &form, "okButtonClick"));
    EXPECT_TRUE(IsEventAssigned(w, "OnClick"));
    w->OnClick(w);
    EXPECT_EQ(form.clicks, 1);
    ASSERT_TRUE(BindEvent(w, "OnMeasure", &form, "measure"));
    int size = 0;
    w->OnMeasure(w, size);
    EXPECT_EQ(size, 42);
}

TEST(Property, ColoursAreIntegerTyped) {
    TTestWidget w(nullptr);
    EXPECT_TRUE(IsIntegerKind(*PropType(&w, "Color")));
    EXPECT_TRUE(IsIntegerKind(*PropType(&w, "Width")));
    EXPECT_FALSE(IsIntegerKind(*PropType(&w, "Style")));
    EXPECT_EQ(*GetOrdProp(&w, "Color"), 0xFF00000F);
    EXPECT_TRUE(SetOrdProp(&w, "Color", 0x123456));
    EXPECT_EQ(w.Color, 0x123456u);
}
