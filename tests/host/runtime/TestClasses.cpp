#include "TestClasses.h"

std::vector<std::string> g_events;

const TEnumInfo TestStyleInfo{"TTestStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
const TEnumInfo TestOptionInfo{"TTestOption", {"toOne", "toTwo", "toThree"}};

const TClassInfo& TTestItem::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTestItem, TPersistent>("TTestItem")
        .Integer("Size", &TTestItem::Size, &TTestItem::Size)
        .String("Face", &TTestItem::Face, &TTestItem::Face)
        .Register();
    return info;
}

const TClassInfo& TTestWidget::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTestWidget, TComponent>("TTestWidget")
        .Integer("Width", &TTestWidget::Width, &TTestWidget::Width)
        .Idents({{"wdAuto", -1}})
        .Enum("Style", TestStyleInfo, &TTestWidget::Style, &TTestWidget::Style)
        .Set("Options", TestOptionInfo, &TTestWidget::Options, &TTestWidget::Options)
        .Bool("Flat", &TTestWidget::Flat, &TTestWidget::Flat)
        .String("Caption", &TTestWidget::Caption, &TTestWidget::Caption)
        .WideString("Hint", &TTestWidget::Hint, &TTestWidget::Hint)
        .Color("Color", &TTestWidget::Color, &TTestWidget::Color)
        .Object<TTestWidget>("Buddy", &TTestWidget::Buddy, &TTestWidget::SetBuddy)
        .Object<TTestItem>("Item", [](const TTestWidget& w) { return const_cast<TTestItem*>(&w.Item); }, nullptr)
        .Object<TStrings>("Lines", [](const TTestWidget& w) { return const_cast<TStringList*>(&w.Lines); }, nullptr)
        .Event("OnClick", &TTestWidget::OnClick)
        .Event("OnMeasure", &TTestWidget::OnMeasure)
        .Register();
    return info;
}

TTestWidget::TTestWidget(TComponent* owner) : TComponent(owner) {}
TTestWidget::~TTestWidget() { g_events.push_back("free " + Name()); }

void TTestWidget::SetBuddy(TTestWidget* b) {
    Buddy = b;
    if (b) b->FreeNotification(this);
}

void TTestWidget::Notification(TComponent* c, TOperation op) {
    TComponent::Notification(c, op);
    if (op == opRemove && c == Buddy) Buddy = nullptr;
}

void TTestWidget::Loaded() {
    TComponent::Loaded();
    g_events.push_back("loaded " + Name());
}

void TTestWidget::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Blob",
        [this](TStream& s) {
            Blob.resize(size_t(s.Size()));
            s.ReadBuffer(Blob.data(), s.Size());
            blobReadWhileLoading = (ComponentState() & csLoading) ? 1 : 0;
            g_events.push_back("blob " + Name());
        },
        [this](TStream& s) { s.WriteBuffer(Blob.data(), int64_t(Blob.size())); }, !Blob.empty());
}

const TClassInfo& TTestForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTestForm, TComponent>("TTestForm")
        .Field("okButton", &TTestForm::okButton)
        .Field("panel", &TTestForm::panel)
        .Field("inner", &TTestForm::inner)
        .Method("okButtonClick", &TTestForm::okButtonClick)
        .Method("measure", &TTestForm::measure)
        .Register();
    return info;
}

void TTestForm::okButtonClick(TObject* sender) {
    ++clicks;
    g_events.push_back("click " + static_cast<TComponent*>(sender)->Name());
}

void TTestForm::measure(TObject*, int& size) { size = 42; }

void TTestForm::Loaded() {
    TComponent::Loaded();
    g_events.push_back("loaded " + Name());
}
