// Small component classes with one published property of every kind, for the host tests.
#pragma once

#include "runtime/Classes.h"
#include "runtime/Color.h"

#include <string>
#include <vector>

extern std::vector<std::string> g_events; // what happened, in order

enum TTestStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTestOption { toOne, toTwo, toThree };
extern const TEnumInfo TestStyleInfo;
extern const TEnumInfo TestOptionInfo;

class TTestItem : public TPersistent {
    GRV_CLASS(TTestItem)
public:
    int Size = 8;
    std::string Face = "Sans";
};

class TTestWidget : public TComponent {
    GRV_CLASS(TTestWidget)
public:
    explicit TTestWidget(TComponent* owner);
    ~TTestWidget() override;

    int Width = 0;
    TTestStyle Style = tsTabs;
    uint32_t Options = 0;
    bool Flat = false;
    std::string Caption;
    std::wstring Hint;
    TColor Color = 0xFF00000F;
    TTestWidget* Buddy = nullptr;
    TTestItem Item;
    TStringList Lines;
    TNotifyEvent OnClick;
    std::function<void(TObject*, int&)> OnMeasure;
    TComponent* Container = nullptr;
    std::vector<uint8_t> Blob;
    int blobReadWhileLoading = -1;

    void SetBuddy(TTestWidget* b);
    void Loaded() override;
    void SetParentComponent(TComponent* parent) override { Container = parent; }
    void DefineProperties(TFiler& filer) override;

protected:
    void Notification(TComponent* c, TOperation op) override;
};

class TTestForm : public TComponent {
    GRV_CLASS(TTestForm)
public:
    explicit TTestForm(TComponent* owner) : TComponent(owner) {}
    TTestWidget* okButton = nullptr;
    TTestWidget* panel = nullptr;
    TTestWidget* inner = nullptr;
    int clicks = 0;
    void okButtonClick(TObject* sender);
    void measure(TObject* sender, int& size);
    void Loaded() override;
};
