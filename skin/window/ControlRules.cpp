#include "skin/window/ControlRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <utility>

namespace {

std::string Upper(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = char(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = char(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

bool OneOf(const std::string& u, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return u == n; });
}

bool Has(const TSkinFacts& skin, int member) { return (skin.SkinControls >> member) & 1u; }
bool In(const TControlFacts& c, TControlFamily f) { return (c.Families & FamilyBit(f)) != 0; }

TPainterChoice Painter(TPainterKind kind, bool recolour = false, TAttachMode attach = TAttachMode::Control) {
    TPainterChoice p;
    p.Kind = kind;
    p.Recolour = recolour;
    p.Attach = attach;
    return p;
}

TRuleAction Attach(TPainterChoice p) { return TRuleAction{TRuleStep::Attach, std::move(p), {}, {}}; }
TRuleAction AttachEachChild(TPainterChoice p) { return TRuleAction{TRuleStep::AttachEachChild, std::move(p), {}, {}}; }
TRuleAction Step(TRuleStep step) { return TRuleAction{step, {}, {}, {}}; }
TRuleAction SetProperty(std::string name, std::string value) {
    return TRuleAction{TRuleStep::SetProperty, {}, std::move(name), std::move(value)};
}

TPainterChoice Scrollbars(bool singleBar = false) {
    TPainterChoice p = Painter(TPainterKind::Scrollbar, false, TAttachMode::Scrollbars);
    p.SingleBar = singleBar;
    return p;
}

TPainterChoice ObjImage(int imageKind) {
    TPainterChoice p = Painter(TPainterKind::ObjImage, true);
    p.ImageKind = imageKind;
    return p;
}

const std::pair<TControlFamily, const char*> FamilyRoots[] = {
    {cfTabControl, "TCustomTabControl"}, {cfTabbedMember, "TTabControl"}, {cfMenuCarrier, "TCustomMenuBar"},
    {cfCoolBar, "TCoolBar"}, {cfTabSheet, "TTabSheet"}, {cfTabSet, "TTabSet"}, {cfHeader, "THeaderControl"},
    {cfCheckBox, "TCustomCheckBox"}, {cfTrackBar, "TTrackBar"}, {cfRadioGroup, "TCustomRadioGroup"},
    {cfGroupBox, "TCustomGroupBox"}, {cfRadioButton, "TRadioButton"}, {cfToolBar, "TToolBar"},
    {cfStatusBar, "TStatusBar"}, {cfProgressBar, "TProgressBar"}, {cfScrollingContainer, "TCustomScrollBar"},
    {cfComboBox, "TCustomComboBox"}, {cfDateTimePicker, "TDateTimePicker"}, {cfBitBtn, "TBitBtn"},
    {cfSpeedButton, "TSpeedButton"}, {cfPanel, "TCustomPanel"}, {cfListView, "TCustomListView"},
    {cfListBox, "TCustomListBox"}, {cfTreeOrGrid, "TCustomTreeView"}, {cfTreeOrGrid, "TCustomGrid"},
    {cfButton, "TButton"}, {cfEdit, "TCustomEdit"}, {cfFrame, "TCustomFrame"}, {cfForm, "TCustomForm"},
    {cfMemo, "TCustomMemo"},
};

} // namespace

const char* PainterClassName(TPainterKind kind) {
    static const char* const names[] = {
        "",            "TSkinButton",   "TSkinBitButton",   "TSkinSpeedButton", "TSkinMenuButton", "TSkinCheckBox",
        "TSkinRadioButton", "TSkinGroupBox", "TSkinBox",     "TSkinBoxH",       "TSkinTab",        "TSkinTabBtn",
        "TSkinTab31",  "TSkinTabSheet", "TSkinAdvPage",     "TSkinHeader",      "TSkinStatusBar",  "TSkinTrackBar",
        "TSkinUpDown", "TSkinMP",       "TSkinObjImage",    "TSkinProgress",    "TSkinScControl",  "TSkinComBox",
        "TSkinEdit",   "TSkinDateTime", "TSkinScrollbar",   "TSkinListView",    "TSkinSizer",
    };
    const auto i = static_cast<std::size_t>(kind);
    return i < std::size(names) ? names[i] : "";
}

TControlFamilies FamiliesOf(const std::vector<std::string>& ancestry) {
    TControlFamilies families = 0;
    for (const std::string& cls : ancestry) {
        const std::string u = Upper(cls);
        for (const auto& [family, root] : FamilyRoots)
            if (u == Upper(root)) families |= FamilyBit(family);
    }
    return families;
}

TPreVerdict PreliminaryVerdict(const TControlFacts& control, const TSkinFacts& skin) {
    if (control.Tag == skin.DisableTag) return TPreVerdict::DisableGroupChildren;
    if (!control.HasParent || control.Skinned) return TPreVerdict::Stop;
    return TPreVerdict::Continue;
}

bool PassesDisableTag(const TControlFacts& control) {
    if (!control.Windowed || !control.HasChildren) return false;
    const std::string l = Lower(control.ClassName);
    return l.find("radiogroup") != std::string::npos || l.find("checkgroup") != std::string::npos;
}

bool IsScrollingControl(const TControlFacts& control) {
    constexpr std::uint32_t scrollBars = 0x00100000 | 0x00200000; // WS_HSCROLL | WS_VSCROLL
    if (control.Windowed && (control.Style & scrollBars)) return true;
    constexpr TControlFamilies scrolling = FamilyBit(cfListBox) | FamilyBit(cfListView) |
                                           FamilyBit(cfTreeOrGrid) | FamilyBit(cfMemo);
    return (control.Families & scrolling) != 0;
}

std::optional<std::string> ThirdPartyKind(const std::vector<std::string>& skin3rd, std::string_view className) {
    const std::string key = Lower(className) + "=";
    for (const std::string& line : skin3rd) {
        const std::string l = Lower(line);
        if (l.compare(0, key.size(), key) != 0) continue;
        return l.substr(key.size(), 50);
    }
    return std::nullopt;
}

std::vector<TRuleAction> ThirdPartyActions(const std::string& kind, const std::string& upperClass,
                                           const TControlFacts& control, const TSkinFacts& skin) {
    using K = TPainterKind;
    const bool rz = upperClass.find("TRZ") != std::string::npos;
    // Each kind's row is tried in turn; a row whose gate fails lets the later rows be compared (none of
    // which can match the same word), so a failed gate attaches nothing.
    if (kind == "combobox" && Has(skin, rcCombo)) return {Attach(Painter(K::ComBox))};
    if (kind == "edit" && Has(skin, rcEdit)) {
        if (control.HasBorder) return {Attach(Painter(K::Edit))};
        return {};
    }
    if (kind == "radiobutton" && Has(skin, rcRadioButton)) return {Attach(Painter(K::RadioButton))};
    if (kind == "panel" && Has(skin, rcPanel))
        return {SetProperty("Transparent", "True"), Attach(Painter(K::Box, true))};
    if (kind == "trackbar" && Has(skin, rcButton))
        return {SetProperty("Transparent", "True"), Attach(Painter(K::TrackBar))};
    if (kind == "button" && Has(skin, rcButton)) return {Attach(Painter(K::Button))};
    if (kind == "datetimepicker" && Has(skin, rcCombo)) return {Attach(Painter(K::DateTime))};
    if (kind == "mediaplayer" && Has(skin, rcButton)) return {Attach(Painter(K::MediaPlayer))};
    if (kind == "bitbtn" && Has(skin, rcButton)) {
        if (upperClass == "TCXBUTTON" && control.KindText == "cxbkDropDownButton")
            return {Attach(Painter(K::MenuButton))};
        return {Attach(Painter(K::BitButton))};
    }
    if (kind == "pngbitbtn" && Has(skin, rcButton)) {
        TPainterChoice p = Painter(K::BitButton);
        p.GlyphProperty = "PngImage";
        return {Attach(p)};
    }
    if (kind == "menubtn" && Has(skin, rcButton)) return {Attach(Painter(K::MenuButton))};
    if (kind == "speedbutton" && Has(skin, rcSpeedButton))
        return {Attach(Painter(K::SpeedButton, false, TAttachMode::SpeedButton))};
    if (kind == "tab" && Has(skin, rcTab) && skin.HasTabs) return {Attach(Painter(K::Tab))};
    if (kind == "progress" && Has(skin, rcProgress)) return {Attach(Painter(K::Progress))};
    if (kind == "scrollbar" && Has(skin, rcScrollbar))
        return {Attach(Scrollbars()), Step(TRuleStep::SkinChildControls)};
    if (kind == "singlescrollbar" && Has(skin, rcScrollbar)) return {Attach(Scrollbars(true))};
    if (kind == "embedscrollbar" && Has(skin, rcScrollbar)) return {Step(TRuleStep::EmbedScrollbars)};
    if (kind == "container") return {Step(TRuleStep::SkinChildControls)};
    if (kind == "groupbox" && Has(skin, rcGroupBox)) return {Attach(Painter(K::GroupBox, true))};
    if (kind == "advpagecontrol" && Has(skin, rcTab)) {
        TPainterChoice p = Painter(K::AdvPage, true);
        p.TabMode = 4;
        return {Attach(p)};
    }
    if ((kind == "radiogroup" && Has(skin, rcGroupBox)) || (kind == "checkgroup" && Has(skin, rcPanel))) {
        const bool radio = kind == "radiogroup";
        std::vector<TRuleAction> actions;
        if (Has(skin, rcRadioButton))
            actions.push_back(AttachEachChild(rz ? ObjImage(radio ? 2 : 1)
                                                 : Painter(radio ? K::RadioButton : K::CheckBox)));
        if (Has(skin, rcGroupBox)) actions.push_back(Attach(Painter(K::GroupBox, true)));
        return actions;
    }
    if (kind == "checkbox" && Has(skin, rcCheckBox)) return {Attach(Painter(K::CheckBox))};
    return {}; // "nil", a kind of no row, or a gate that failed
}

namespace {

// The built-in table. Answers the row that decided (0: none) and its actions.
int BuiltInRow(const TControlFacts& c, const std::string& u, const TSkinFacts& skin, std::vector<TRuleAction>& out) {
    using K = TPainterKind;
    const bool tabs = Has(skin, rcTab) && skin.HasTabs;
    auto decide = [&out](int row, std::vector<TRuleAction> actions) {
        out = std::move(actions);
        return row;
    };
    if (In(c, cfTabControl) && tabs) {
        if (In(c, cfTabbedMember)) {
            out = {Attach(Painter(c.TabStyle > 0 ? K::TabBtn : K::Tab))};
        } else {
            TPainterChoice p = Painter(K::Tab);
            p.TabMode = 2;
            out = {Attach(p)};
        }
        return 1;
    }
    if (In(c, cfMenuCarrier) && skin.MainMenuOption) return decide(2, {Step(TRuleStep::OwnerDrawMenuItem)});
    if (In(c, cfCoolBar) && Has(skin, rcToolbar)) return decide(3, {Step(TRuleStep::RecolourBands)});
    if (u == "TTABSET" && tabs) return decide(4, {Attach(Painter(K::Tab31))});
    if (In(c, cfTabSheet) && tabs) return decide(5, {Attach(Painter(K::TabSheet))});
    if (u == "TTABBEDNOTEBOOK" && tabs) return decide(6, {Attach(Painter(K::Tab))});
    if (u == "TMVCPANEL") return decide(7, {Step(TRuleStep::SkinChildControls)});
    if (In(c, cfTabSet) && c.StyleText && tabs)
        return decide(8, {Attach(Painter(*c.StyleText == "tsTabs" ? K::Tab : K::TabBtn))});
    if (In(c, cfHeader) && Has(skin, rcPanel)) return decide(9, {Attach(Painter(K::Header))});
    if (In(c, cfCheckBox) && Has(skin, rcCheckBox)) return decide(10, {Attach(Painter(K::CheckBox))});
    if (In(c, cfTrackBar) && Has(skin, rcTrackBar)) return decide(11, {Attach(Painter(K::TrackBar))});
    if (OneOf(u, {"TUPDOWN", "TSPINBUTTON"}) && Has(skin, rcSpin)) return decide(12, {Attach(Painter(K::UpDown))});
    if (u == "TMEDIAPLAYER" && Has(skin, rcButton)) return decide(13, {Attach(Painter(K::MediaPlayer))});
    if (In(c, cfRadioGroup) && Has(skin, rcRadioButton))
        return decide(14, {AttachEachChild(Painter(K::RadioButton)), Attach(Painter(K::GroupBox, true))});
    if (u == "TDBNAVIGATOR" && Has(skin, rcPanel))
        return decide(15, {Attach(Painter(K::Box, true)), Step(TRuleStep::ClassifyEachChild)});
    if (OneOf(u, {"TRZDBCHECKBOX", "TRZCHECKBOX"}) && Has(skin, rcCheckBox)) return decide(16, {Attach(ObjImage(1))});
    if (OneOf(u, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}) && Has(skin, rcRadioButton))
        return decide(17, {Attach(ObjImage(2))});
    if (OneOf(u, {"TCXDBCHECKBOX", "TCXCHECKBOX"}) && Has(skin, rcCheckBox)) return decide(18, {Attach(ObjImage(3))});
    if (In(c, cfGroupBox) && Has(skin, rcPanel))
        return decide(19, {Step(TRuleStep::SkinChildControls), Attach(Painter(K::GroupBox))});
    if (In(c, cfRadioButton) && Has(skin, rcRadioButton)) return decide(20, {Attach(Painter(K::RadioButton))});
    if (In(c, cfToolBar) && Has(skin, rcToolbar))
        return decide(21, {SetProperty("Flat", "True"), Step(TRuleStep::ToolBarHandlers), Attach(Painter(K::Box)),
                           Step(TRuleStep::OwnerDrawToolBarMenu)});
    if (In(c, cfStatusBar) && Has(skin, rcStatusBar)) return decide(22, {Attach(Painter(K::StatusBar))});
    if (In(c, cfProgressBar) && Has(skin, rcProgress)) return decide(23, {Attach(Painter(K::Progress))});
    if (In(c, cfScrollingContainer) && Has(skin, rcScrollbar))
        return decide(24, {Attach(Painter(K::ScControl, false, TAttachMode::ScControl))});
    if (u == "TTNTCOMBOBOX" && Has(skin, rcCombo)) return decide(25, {Attach(Painter(K::ComBox))});
    if (In(c, cfComboBox) && Has(skin, rcCombo)) return decide(26, {Attach(Painter(K::ComBox))});
    if (In(c, cfDateTimePicker) && Has(skin, rcEdit)) {
        const bool noCalendar = c.DateMode == 1 || c.PickerKind == 1;
        return decide(27, {Attach(Painter(noCalendar ? K::Edit : K::DateTime))});
    }
    if (u == "TRICHEDIT" && Has(skin, rcScrollbar)) return decide(28, {Attach(Scrollbars())});
    if (OneOf(u, {"TWWDBRICHEDIT", "TDXDBMEMO"}) && Has(skin, rcScrollbar)) return decide(29, {Attach(Scrollbars())});
    if (In(c, cfBitBtn)) {
        // Without its option a bit button stays unskinned: no later row (push button) is tried.
        if (Has(skin, rcBitBtn)) out = {Attach(Painter(K::BitButton))};
        else out.clear();
        return 30;
    }
    if (In(c, cfSpeedButton) && Has(skin, rcSpeedButton))
        return decide(31, {Attach(Painter(K::SpeedButton, false, TAttachMode::SpeedButton))});
    if (In(c, cfPanel) && Has(skin, rcPanel))
        return decide(32, {Step(TRuleStep::SkinChildControls), Attach(Painter(K::Box, true))});
    if (OneOf(u, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && Has(skin, rcScrollbar))
        return decide(33, {Attach(Scrollbars())});
    if (In(c, cfListView) && Has(skin, rcScrollbar))
        return decide(34, {Attach(Painter(K::ListView, false, TAttachMode::Scrollbars))});
    if ((In(c, cfListBox) || In(c, cfTreeOrGrid)) && Has(skin, rcScrollbar)) return decide(35, {Attach(Scrollbars())});
    if (IsScrollingControl(c) && Has(skin, rcScrollbar)) return decide(36, {Attach(Scrollbars())});
    if (In(c, cfButton) && Has(skin, rcButton)) return decide(37, {Attach(Painter(K::Button))});
    if (In(c, cfEdit) && Has(skin, rcEdit)) return decide(38, {Attach(Painter(K::Edit))});
    if (OneOf(u, {"TDCEDIT", "TDCDBEDIT"})) {
        if (c.NumButtons == 1 && Has(skin, rcCombo)) out = {Attach(Painter(K::ComBox))};
        else if (c.NumButtons == 0 && Has(skin, rcEdit)) out = {Attach(Painter(K::Edit, false, TAttachMode::Window))};
        else out.clear();
        return 39;
    }
    if (In(c, cfFrame)) return decide(40, {Step(TRuleStep::SkinOwnedComponents)});
    if (In(c, cfForm)) return decide(41, {Attach(Painter(K::Box, true)), Step(TRuleStep::SkinOwnedComponents)});
    return 0;
}

} // namespace

TControlDecision ClassifyControlRules(const TControlFacts& control, const TSkinFacts& skin) {
    TControlDecision d;
    const std::string u = Upper(control.ClassName);
    if (std::optional<std::string> kind = ThirdPartyKind(skin.Skin3rd, u)) {
        d.ByThirdParty = true;
        d.Actions = ThirdPartyActions(*kind, u, control, skin);
        return d;
    }
    if (OneOf(u, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"})) {
        d.Excluded = true;
        return d;
    }
    d.Row = BuiltInRow(control, u, skin, d.Actions);
    return d;
}

TPainterChoice EmbeddedChildPainter(const TControlFacts& child) {
    if (In(child, cfScrollingContainer)) return Painter(TPainterKind::ScControl, false, TAttachMode::ScControl);
    if (IsScrollingControl(child)) return Scrollbars();
    return {};
}

TWindowDecision ClassifyWindowRules(const TWindowFacts& window, const TSkinFacts& skin) {
    using K = TPainterKind;
    TWindowDecision d;
    const std::string name = Lower(std::string_view(window.ClassName).substr(0, 100));
    const std::uint32_t s = window.Style;
    constexpr std::uint32_t tabStop = 0x00010000;
    auto result = [&](int row, K kind) {
        d.Row = row;
        d.Kind = kind;
        return d;
    };
    if (name == "button" && (s & 0xB) != 0xB) {
        // The button type's sub-tests decide alone.
        if ((s & 7) == 7 || (s & 0x80)) return result(1, K::None);
        if ((s & 3) == 3 || (s & 2) || (s & 5) == 5) return result(1, Has(skin, rcCheckBox) ? K::CheckBox : K::None);
        if ((s & 9) == 9 || (s & 4)) return result(1, Has(skin, rcRadioButton) ? K::RadioButton : K::None);
        return result(1, Has(skin, rcButton) ? K::Button : K::None);
    }
    if (name == "combobox" && Has(skin, rcCombo)) return result(2, (s & 3) == 1 ? K::None : K::ComBox);
    if (name == "comboboxex32" && Has(skin, rcCombo) && window.HasFirstChild) {
        d.OnFirstChild = true;
        return result(3, K::ComBox);
    }
    if (name == "scrollbar" && !(s & tabStop)) return result(4, K::Sizer);
    if (name == "systreeview32") return result(5, K::None);
    if (name == "#32770" && !(s & tabStop)) {
        d.SkinChildWindowsFirst = true;
        return result(6, K::BoxH);
    }
    if (name == "tpanel" || name == "ttntpanel.unicodeclass" || name == "ttntsilentpaintpanel.unicodeclass") {
        d.SkinChildWindowsFirst = true;
        d.RecolourFrameworkControl = true;
        return result(7, K::None);
    }
    if (name == "tcheckbox" && Has(skin, rcCheckBox)) return result(8, K::CheckBox);
    if (name == "tcombobox" && Has(skin, rcCombo)) return result(9, K::ComBox);
    if (name == "tbutton" && Has(skin, rcButton)) return result(10, K::Button);
    if (name == "tprogressbar") return result(11, K::Progress);
    if (name == "tsilentpaintpanel") {
        d.RecolourFrameworkControl = true;
        return result(12, K::None);
    }
    if (name == "systabcontrol32" && Has(skin, rcTab) && !(s & 0x2000)) return result(13, K::Tab);
    if (name == "toolbarwindow32") return result(14, K::BoxH);
    if (name == "edit" && Has(skin, rcEdit)) return result(15, K::Edit);
    return d;
}
