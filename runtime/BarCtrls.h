// Bars over the common controls: a status bar with panels and a size grip, a header with sections, and a
// tool bar with text buttons. They publish what the bar painters read (SimplePanel, SimpleText, SizeGrip,
// the panels' texts, bevels and alignments, OnDrawPanel, Flat and the custom-draw events).
#pragma once

#include "runtime/Controls.h"
#include "runtime/StdCtrls.h"

#include <memory>
#include <vector>

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };
extern const TEnumInfo StatusPanelBevelInfo;

struct TStatusPanel {
    std::wstring Text;
    int Width = 50;
    TStatusPanelBevel Bevel = pbLowered;
    TAlignment Alignment = taLeftJustify;
    TStatusPanelStyle Style = psText;
    TBiDiMode BiDiMode = bdLeftToRight;
};

class TStatusBar;
using TDrawPanelEvent = std::function<void(TStatusBar* bar, TStatusPanel& panel, const RECT& rect)>;

// A status bar. Its panels are the lines of Panels, "text=width" (the last panel takes the rest of the bar);
// bevels, alignments and styles are set on Panels(i) from code.
class TStatusBar : public TWinControl {
    GRV_CLASS(TStatusBar)
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;
    TStrings* PanelLines() const { return panelLines_.get(); }
    int PanelCount() const { return int(panels_.size()); }
    TStatusPanel& Panels(int i) { return panels_.at(std::size_t(i)); }
    TStatusPanel& AddPanel(const std::wstring& text, int width, TStatusPanelBevel bevel = pbLowered,
                           TAlignment alignment = taLeftJustify);
    void PanelsChanged(); // after changing a panel
    void ClearPanels();
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    std::string SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& s);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void Dispatch(TMessage& m) override;

private:
    void syncPanels();
    void readPanelLines();
    std::unique_ptr<TStringList> panelLines_;
    bool writingLines_ = false;
    std::vector<TStatusPanel> panels_;
    bool simplePanel_ = false, sizeGrip_ = true;
    std::string simpleText_;
};

// A header with one section per line of Sections, each SectionWidth wide.
class THeaderControl : public TWinControl {
    GRV_CLASS(THeaderControl)
public:
    explicit THeaderControl(TComponent* owner);
    ~THeaderControl() override;
    TStrings* Sections() const { return sections_.get(); }
    int SectionWidth() const { return sectionWidth_; }
    void SetSectionWidth(int w);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    void syncSections();
    std::unique_ptr<TStringList> sections_;
    int sectionWidth_ = 100;
};

class TToolBar;
using TToolBarDrawEvent = std::function<void(TToolBar* bar, HDC dc, const RECT& rect, bool& defaultDraw)>;
using TToolBarButtonDrawEvent = std::function<void(TToolBar* bar, int button, HDC dc, const RECT& rect,
                                                   UINT state, bool& defaultDraw)>;

class TMainMenu;

// A tool bar with one text button per line of Buttons, aligned to its parent's top. With a Menu, its buttons
// are the menu's top items instead, and a button opens its item's sub-menu below it.
class TToolBar : public TWinControl {
    GRV_CLASS(TToolBar)
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;
    TStrings* Buttons() const { return buttons_.get(); }
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    TToolBarDrawEvent OnCustomDraw;
    TToolBarButtonDrawEvent OnCustomDrawButton;
    std::function<void(TToolBar* bar, int button)> OnButtonClick;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void Dispatch(TMessage& m) override;

private:
    void syncButtons();
    void menuButtonClick(int button);
    void Notification(TComponent* component, TOperation operation) override;
    std::unique_ptr<TStringList> buttons_;
    bool flat_ = false;
    TMainMenu* menu_ = nullptr;
};
