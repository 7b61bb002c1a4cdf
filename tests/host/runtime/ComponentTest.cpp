#include "TestClasses.h"

#include <gtest/gtest.h>

TEST(Component, OwnerKeepsOwnedComponentsInOrderAndFreesThem) {
    g_events.clear();
    auto* form = new TTestForm(nullptr);
    auto* a = new TTestWidget(form);
    a->SetName("a");
    auto* b = new TTestWidget(form);
    b->SetName("b");
    ASSERT_EQ(form->ComponentCount(), 2);
    EXPECT_EQ(form->Components(0), a);
    EXPECT_EQ(form->Components(1), b);
    EXPECT_EQ(form->Components(2), nullptr);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(form->FindComponent("B"), b);
    delete form;
    EXPECT_EQ(g_events, (std::vector<std::string>{"free b", "free a"}));
}

TEST(Component, FreeingClearsReferencesAndFields) {
    auto* form = new TTestForm(nullptr);
    auto* ok = new TTestWidget(form);
    ok->SetName("okButton");
    form->okButton = ok;
    auto* other = new TTestForm(nullptr); // a component of another owner holding a reference
    auto* watcher = new TTestWidget(other);
    watcher->SetBuddy(ok);
    auto* sibling = new TTestWidget(form);
    sibling->SetBuddy(ok);
    delete ok;
    EXPECT_EQ(form->okButton, nullptr);
    EXPECT_EQ(watcher->Buddy, nullptr);
    EXPECT_EQ(sibling->Buddy, nullptr);
    EXPECT_EQ(form->ComponentCount(), 1);
    delete form;
    delete other;
}

TEST(Component, WatcherFreedFirstLeavesNoDanglingNotification) {
    auto* target = new TTestWidget(nullptr);
    auto* watcher = new TTestWidget(nullptr);
    watcher->SetBuddy(target);
    delete watcher;
    delete target; // must not notify the freed watcher (ASan would catch it)
}

TEST(Component, NamesAreCheckedAndUniqueAmongSiblings) {
    TTestForm form(nullptr);
    auto* a = new TTestWidget(&form);
    a->SetName("a");
    auto* b = new TTestWidget(&form);
    EXPECT_THROW(b->SetName("A"), EConvertError);
    EXPECT_THROW(b->SetName("1x"), EConvertError);
    EXPECT_THROW(b->SetName("a b"), EConvertError);
    EXPECT_NO_THROW(b->SetName("_b1"));
    EXPECT_EQ(b->Name(), "_b1");
}

TEST(Component, ClassInfoAndRegistry) {
    TTestWidget w(nullptr);
    EXPECT_EQ(w.ClassName(), "TTestWidget");
    EXPECT_TRUE(w.InheritsFrom("TComponent"));
    EXPECT_TRUE(w.InheritsFrom("tpersistent"));
    EXPECT_TRUE(w.InheritsFrom(TObject::StaticClassInfo()));
    EXPECT_FALSE(w.InheritsFrom("TTestForm"));
    const TClassInfo* cls = FindClass("ttestwidget");
    ASSERT_NE(cls, nullptr);
    TTestForm owner(nullptr);
    TComponent* made = cls->Create(&owner);
    EXPECT_EQ(made->ClassName(), "TTestWidget");
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
    TStringList::StaticClassInfo();
    EXPECT_FALSE(FindClass("TStrings")->Create); // not a component: cannot be streamed in
}
