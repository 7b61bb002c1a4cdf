// The classification rules: every row of the built-in table, of the Skin3rd mapping and of the window
// table, their option gates and the order rules.
#include "skin/window/ControlRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using K = TPainterKind;
constexpr std::uint32_t AllOptions = 0x3FFFFF;

TSkinFacts Skin(std::uint32_t options = AllOptions, bool tabs = true) {
    TSkinFacts s;
    s.SkinControls = options;
    s.MainMenuOption = (options & 1u) != 0;
    s.HasTabs = tabs;
    return s;
}

std::uint32_t Without(int member) { return AllOptions & ~(1u << member); }

TControlFacts Control(std::string className, std::vector<std::string> ancestry = {}) {
    TControlFacts c;
    c.ClassName = className;
    ancestry.insert(ancestry.begin(), className);
    c.Families = FamiliesOf(ancestry);
    c.Windowed = true;
    return c;
}

// "TSkinButton" or "TSkinTab/2" (mode) or "TSkinObjImage#2" (image kind) per attach, steps by name.
std::string Describe(const std::vector<TRuleAction>& actions) {
    std::string s;
    for (const TRuleAction& a : actions) {
        if (!s.empty()) s += " ";
        switch (a.Step) {
        case TRuleStep::Attach:
        case TRuleStep::AttachEachChild: {
            if (a.Step == TRuleStep::AttachEachChild) s += "each:";
            s += PainterClassName(a.Painter.Kind);
            if (a.Painter.Recolour) s += "+r";
            if (a.Painter.TabMode) s += "/" + std::to_string(a.Painter.TabMode);
            if (a.Painter.ImageKind) s += "#" + std::to_string(a.Painter.ImageKind);
            if (a.Painter.SingleBar) s += "(single)";
            if (!a.Painter.GlyphProperty.empty()) s += "(" + a.Painter.GlyphProperty + ")";
            if (a.Painter.Attach == TAttachMode::Scrollbars) s += "@bars";
            if (a.Painter.Attach == TAttachMode::Window) s += "@window";
            if (a.Painter.Attach == TAttachMode::SpeedButton) s += "@speed";
            if (a.Painter.Attach == TAttachMode::ScControl) s += "@sc";
            break;
        }
        case TRuleStep::SkinChildControls: s += "children"; break;
        case TRuleStep::ClassifyEachChild: s += "classify-children"; break;
        case TRuleStep::SkinOwnedComponents: s += "owned"; break;
        case TRuleStep::SetProperty: s += a.Name + "=" + a.Value; break;
        case TRuleStep::OwnerDrawMenuItem: s += "menu-item"; break;
        case TRuleStep::RecolourBands: s += "bands"; break;
        case TRuleStep::ToolBarHandlers: s += "toolbar-handlers"; break;
        case TRuleStep::OwnerDrawToolBarMenu: s += "toolbar-menu"; break;
        case TRuleStep::EmbedScrollbars: s += "embed"; break;
        }
    }
    return s;
}

struct RowCase {
    const char* name;
    TControlFacts control;
    int row;
    std::string actions;
    int gate; // the option whose absence lets the row pass (-1: none), with Tabs for tab rows
    bool tabs;
};

TControlFacts With(TControlFacts c, void (*set)(TControlFacts&)) {
    set(c);
    return c;
}

std::vector<RowCase> Rows() {
    return {
        {"tab control", Control("TPageControl", {"TCustomTabControl"}), 1, "TSkinTab/2", rcTab, true},
        {"tabbed member, plain", With(Control("TTabControl", {"TCustomTabControl"}), [](TControlFacts& c) { c.TabStyle = 0; }),
         1, "TSkinTab", rcTab, true},
        {"tabbed member, buttons", With(Control("TTabControl", {"TCustomTabControl"}), [](TControlFacts& c) { c.TabStyle = 1; }),
         1, "TSkinTabBtn", rcTab, true},
        {"menu carrier", Control("TMyMenuBar", {"TCustomMenuBar"}), 2, "menu-item", rcMainMenu, false},
        {"cool bar", Control("TCoolBar"), 3, "bands", rcToolbar, false},
        {"TTabSet", Control("TTabSet"), 4, "TSkinTab31", rcTab, true},
        {"tab sheet", Control("TTabSheet"), 5, "TSkinTabSheet", rcTab, true},
        {"TTabbedNotebook", Control("TTabbedNotebook"), 6, "TSkinTab", rcTab, true},
        {"TMVCPanel", Control("TMvcPanel"), 7, "children", -1, false},
        {"tab set, tsTabs", With(Control("TMyTabSet", {"TTabSet"}), [](TControlFacts& c) { c.StyleText = "tsTabs"; }),
         8, "TSkinTab", rcTab, true},
        {"tab set, other style", With(Control("TMyTabSet", {"TTabSet"}), [](TControlFacts& c) { c.StyleText = "tsSoftTabs"; }),
         8, "TSkinTabBtn", rcTab, true},
        {"header", Control("THeaderControl"), 9, "TSkinHeader", rcPanel, false},
        {"check box", Control("TCheckBox", {"TCustomCheckBox"}), 10, "TSkinCheckBox", rcCheckBox, false},
        {"track bar", Control("TTrackBar"), 11, "TSkinTrackBar", rcTrackBar, false},
        {"TUpDown", Control("TUpDown"), 12, "TSkinUpDown", rcSpin, false},
        {"TSpinButton", Control("TSpinButton"), 12, "TSkinUpDown", rcSpin, false},
        {"TMediaPlayer", Control("TMediaPlayer"), 13, "TSkinMP", rcButton, false},
        {"radio group", Control("TRadioGroup", {"TCustomRadioGroup", "TCustomGroupBox"}), 14,
         "each:TSkinRadioButton TSkinGroupBox+r", rcRadioButton, false},
        {"TDBNavigator", Control("TDBNavigator"), 15, "TSkinBox+r classify-children", rcPanel, false},
        {"TRzCheckBox", Control("TRzCheckBox"), 16, "TSkinObjImage+r#1", rcCheckBox, false},
        {"TRzDBRadioButton", Control("TRzDBRadioButton"), 17, "TSkinObjImage+r#2", rcRadioButton, false},
        {"TcxCheckBox", Control("TcxCheckBox"), 18, "TSkinObjImage+r#3", rcCheckBox, false},
        {"group box", Control("TGroupBox", {"TCustomGroupBox"}), 19, "children TSkinGroupBox", rcPanel, false},
        {"radio button", Control("TRadioButton"), 20, "TSkinRadioButton", rcRadioButton, false},
        {"tool bar", Control("TToolBar"), 21, "Flat=True toolbar-handlers TSkinBox toolbar-menu", rcToolbar, false},
        {"status bar", Control("TStatusBar"), 22, "TSkinStatusBar", rcStatusBar, false},
        {"progress bar", Control("TProgressBar"), 23, "TSkinProgress", rcProgress, false},
        {"scroll bar control", Control("TScrollBar", {"TCustomScrollBar"}), 24, "TSkinScControl@sc", rcScrollbar, false},
        {"TTntComboBox", Control("TTntComboBox"), 25, "TSkinComBox", rcCombo, false},
        {"combo box", Control("TComboBox", {"TCustomComboBox"}), 26, "TSkinComBox", rcCombo, false},
        {"date picker", Control("TDateTimePicker"), 27, "TSkinDateTime", rcEdit, false},
        {"date picker, up-down", With(Control("TDateTimePicker"), [](TControlFacts& c) { c.DateMode = 1; }), 27,
         "TSkinEdit", rcEdit, false},
        {"time picker", With(Control("TDateTimePicker"), [](TControlFacts& c) { c.PickerKind = 1; }), 27, "TSkinEdit",
         rcEdit, false},
        {"TRichEdit", Control("TRichEdit"), 28, "TSkinScrollbar@bars", rcScrollbar, false},
        {"TDXDBMemo", Control("TdxDBMemo"), 29, "TSkinScrollbar@bars", rcScrollbar, false},
        {"bit button", Control("TBitBtn", {"TButton"}), 30, "TSkinBitButton", -1, false},
        {"speed button", Control("TSpeedButton"), 31, "TSkinSpeedButton@speed", rcSpeedButton, false},
        {"panel", Control("TPanel", {"TCustomPanel"}), 32, "children TSkinBox+r", rcPanel, false},
        {"TdxDBGrid", Control("TdxDBGrid"), 33, "TSkinScrollbar@bars", rcScrollbar, false},
        {"list view", Control("TListView", {"TCustomListView"}), 34, "TSkinListView@bars", rcScrollbar, false},
        {"list box", Control("TListBox", {"TCustomListBox"}), 35, "TSkinScrollbar@bars", rcScrollbar, false},
        {"grid", Control("TStringGrid", {"TCustomGrid"}), 35, "TSkinScrollbar@bars", rcScrollbar, false},
        {"window scroll bars", With(Control("TMyView"), [](TControlFacts& c) { c.Style = 0x00200000; }), 36,
         "TSkinScrollbar@bars", rcScrollbar, false},
        {"memo", Control("TMemo", {"TCustomMemo", "TCustomEdit"}), 36, "TSkinScrollbar@bars", rcScrollbar, false},
        {"push button", Control("TButton"), 37, "TSkinButton", rcButton, false},
        {"menu button", Control("TMenuButton", {"TButton"}), 37, "TSkinButton", rcButton, false},
        {"edit", Control("TEdit", {"TCustomEdit"}), 38, "TSkinEdit", rcEdit, false},
        {"TDCEdit, one button", With(Control("TDCEdit"), [](TControlFacts& c) { c.NumButtons = 1; }), 39,
         "TSkinComBox", rcCombo, false},
        {"TDCDBEdit, no button", With(Control("TDCDBEdit"), [](TControlFacts& c) { c.NumButtons = 0; }), 39,
         "TSkinEdit@window", rcEdit, false},
        {"frame", Control("TFrame1", {"TCustomFrame"}), 40, "owned", -1, false},
        {"form", Control("TForm2", {"TForm", "TCustomForm"}), 41, "TSkinBox+r owned", -1, false},
    };
}

TEST(ControlRules, EveryRowOfTheBuiltInTable) {
    for (const RowCase& c : Rows()) {
        SCOPED_TRACE(c.name);
        const TControlDecision d = ClassifyControlRules(c.control, Skin());
        EXPECT_EQ(d.Row, c.row);
        EXPECT_EQ(Describe(d.Actions), c.actions);
        EXPECT_FALSE(d.ByThirdParty);
    }
}

TEST(ControlRules, AFailedGateLetsTheLaterRowsTry) {
    for (const RowCase& c : Rows()) {
        if (c.gate < 0) continue;
        SCOPED_TRACE(c.name);
        const TControlDecision off = ClassifyControlRules(c.control, Skin(Without(c.gate)));
        if (c.row == 39) {
            EXPECT_TRUE(off.Actions.empty()) << "row 39 is exclusive: a failed option gives nothing";
            continue;
        }
        EXPECT_NE(off.Row, c.row) << "the option gate did not close the row";
        if (c.tabs) {
            EXPECT_NE(ClassifyControlRules(c.control, Skin(AllOptions, false)).Row, c.row) << "no Tabs";
        }
    }
    // Where a failed gate lands: a radio group is a group box (row 19), a memo an edit (row 38).
    const TControlFacts radioGroup = Control("TRadioGroup", {"TCustomRadioGroup", "TCustomGroupBox"});
    EXPECT_EQ(ClassifyControlRules(radioGroup, Skin(Without(rcRadioButton))).Row, 19);
    EXPECT_EQ(ClassifyControlRules(Control("TMemo", {"TCustomMemo", "TCustomEdit"}), Skin(Without(rcScrollbar))).Row, 38);
    EXPECT_EQ(ClassifyControlRules(Control("TButton"), Skin(Without(rcButton))).Row, 0);
}

TEST(ControlRules, OrderRules) {
    // A bit button without xcBitBtn stays unskinned even with xcButton on: no later row is tried.
    const TControlDecision bit = ClassifyControlRules(Control("TBitBtn", {"TButton"}), Skin(Without(rcBitBtn)));
    EXPECT_EQ(bit.Row, 30);
    EXPECT_TRUE(bit.Actions.empty());
    // Rows 39 to 41 are exclusive: a TDCEdit with another button count reaches no frame or form row.
    TControlFacts dc = Control("TDCEdit", {"TCustomForm"});
    dc.NumButtons = 2;
    EXPECT_EQ(ClassifyControlRules(dc, Skin()).Row, 39);
    EXPECT_TRUE(ClassifyControlRules(dc, Skin()).Actions.empty());
    dc.NumButtons = 1;
    EXPECT_TRUE(ClassifyControlRules(dc, Skin(Without(rcCombo))).Actions.empty());
    // Never-skinned classes stop before the table, any letter case.
    for (const char* name : {"TDBComboBoxEh", "TfrDesignerPage", "TFRPBOX"}) {
        const TControlDecision d = ClassifyControlRules(Control(name, {"TCustomComboBox"}), Skin());
        EXPECT_TRUE(d.Excluded) << name;
        EXPECT_TRUE(d.Actions.empty()) << name;
    }
    // A Skin3rd line comes before the exclusions and the table.
    TSkinFacts skin = Skin();
    skin.Skin3rd = {"TButton=checkbox"};
    EXPECT_EQ(Describe(ClassifyControlRules(Control("TButton"), skin).Actions), "TSkinCheckBox");
}

TEST(ControlRules, FirstRulesAndDisabledGroups) {
    const TSkinFacts skin = Skin();
    TControlFacts c = Control("TRadioGroup", {"TCustomRadioGroup"});
    EXPECT_EQ(PreliminaryVerdict(c, skin), TPreVerdict::Continue);
    c.Tag = skin.DisableTag;
    EXPECT_EQ(PreliminaryVerdict(c, skin), TPreVerdict::DisableGroupChildren);
    c.Tag = 0;
    c.Skinned = true;
    EXPECT_EQ(PreliminaryVerdict(c, skin), TPreVerdict::Stop);
    c.Skinned = false;
    c.HasParent = false;
    EXPECT_EQ(PreliminaryVerdict(c, skin), TPreVerdict::Stop);

    struct {
        const char* name;
        bool windowed, children, passes;
    } groups[] = {{"TRadioGroup", true, true, true},       {"TMyCHECKGROUPBox", true, true, true},
                  {"TRadioGroup", true, false, false},     {"TRadioGroup", false, true, false},
                  {"TGroupBox", true, true, false}};
    for (const auto& g : groups) {
        TControlFacts f = Control(g.name);
        f.Windowed = g.windowed;
        f.HasChildren = g.children;
        EXPECT_EQ(PassesDisableTag(f), g.passes) << g.name << " " << g.windowed << g.children;
    }
}

TEST(ControlRules, ScrollingControls) {
    TControlFacts plain = Control("TMyView");
    EXPECT_FALSE(IsScrollingControl(plain));
    plain.Style = 0x00100000;
    EXPECT_TRUE(IsScrollingControl(plain));
    plain.Windowed = false;
    EXPECT_FALSE(IsScrollingControl(plain));
    for (const char* root : {"TCustomListBox", "TCustomListView", "TCustomTreeView", "TCustomGrid", "TCustomMemo"})
        EXPECT_TRUE(IsScrollingControl(Control("TX", {root}))) << root;
    EXPECT_EQ(EmbeddedChildPainter(Control("TScrollBar", {"TCustomScrollBar"})).Kind, K::ScControl);
    EXPECT_EQ(EmbeddedChildPainter(Control("TListBox", {"TCustomListBox"})).Kind, K::Scrollbar);
    EXPECT_EQ(EmbeddedChildPainter(Control("TEdit", {"TCustomEdit"})).Kind, K::None);
}

TEST(ControlRules, Skin3rdLookUp) {
    const std::vector<std::string> lines = {" TSpace=button", "TCombo=edit", "TComboboxex=combobox",
                                            "tcomboboxex=edit", "TLong=" + std::string(60, 'x'), "TWhole=Nil"};
    EXPECT_EQ(ThirdPartyKind(lines, "TCOMBOBOXEX"), "combobox"); // any letter case, the first line wins
    EXPECT_EQ(ThirdPartyKind(lines, "tComboBoxEx"), "combobox");
    EXPECT_EQ(ThirdPartyKind(lines, "TCOMBO"), "edit");          // "tcombo=" stands at the start of one line only
    EXPECT_EQ(ThirdPartyKind(lines, "TCOMBOB"), std::nullopt);
    EXPECT_EQ(ThirdPartyKind(lines, "TSPACE"), std::nullopt);    // the key must stand at the very start
    EXPECT_EQ(ThirdPartyKind(lines, "TLONG")->size(), 50u);
    EXPECT_EQ(ThirdPartyKind(lines, "TWHOLE"), "nil");
}

TEST(ControlRules, Skin3rdKinds) {
    struct {
        const char* kind;
        const char* className;
        std::string actions;
        int gate;
    } kinds[] = {
        {"combobox", "TX", "TSkinComBox", rcCombo},
        {"edit", "TX", "TSkinEdit", rcEdit},
        {"radiobutton", "TX", "TSkinRadioButton", rcRadioButton},
        {"panel", "TX", "Transparent=True TSkinBox+r", rcPanel},
        {"trackbar", "TX", "Transparent=True TSkinTrackBar", rcButton},
        {"button", "TX", "TSkinButton", rcButton},
        {"datetimepicker", "TX", "TSkinDateTime", rcCombo},
        {"mediaplayer", "TX", "TSkinMP", rcButton},
        {"bitbtn", "TX", "TSkinBitButton", rcButton},
        {"bitbtn", "TcxButton", "TSkinMenuButton", rcButton},
        {"pngbitbtn", "TX", "TSkinBitButton(PngImage)", rcButton},
        {"menubtn", "TX", "TSkinMenuButton", rcButton},
        {"speedbutton", "TX", "TSkinSpeedButton@speed", rcSpeedButton},
        {"tab", "TX", "TSkinTab", rcTab},
        {"progress", "TX", "TSkinProgress", rcProgress},
        {"scrollbar", "TX", "TSkinScrollbar@bars children", rcScrollbar},
        {"singlescrollbar", "TX", "TSkinScrollbar(single)@bars", rcScrollbar},
        {"embedscrollbar", "TX", "embed", rcScrollbar},
        {"container", "TX", "children", -1},
        {"groupbox", "TX", "TSkinGroupBox+r", rcGroupBox},
        {"advpagecontrol", "TX", "TSkinAdvPage+r/4", rcTab},
        {"radiogroup", "TX", "each:TSkinRadioButton TSkinGroupBox+r", rcGroupBox},
        {"radiogroup", "TRzRadioGroup", "each:TSkinObjImage+r#2 TSkinGroupBox+r", rcGroupBox},
        {"checkgroup", "TX", "each:TSkinCheckBox TSkinGroupBox+r", rcPanel},
        {"checkgroup", "TRzCheckGroup", "each:TSkinObjImage+r#1 TSkinGroupBox+r", rcPanel},
        {"checkbox", "TX", "TSkinCheckBox", rcCheckBox},
        {"nil", "TX", "", -1},
        {"unknownkind", "TX", "", -1},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(std::string(k.kind) + " " + k.className);
        TSkinFacts skin = Skin();
        skin.Skin3rd = {std::string(k.className) + "=" + k.kind};
        TControlFacts c = Control(k.className, {"TButton"});
        c.HasBorder = true;
        c.KindText = "cxbkDropDownButton";
        const TControlDecision d = ClassifyControlRules(c, skin);
        EXPECT_TRUE(d.ByThirdParty); // a line found stops every built-in rule, whatever it gave
        EXPECT_EQ(d.Row, 0);
        EXPECT_EQ(Describe(d.Actions), k.actions);
        if (k.gate >= 0) {
            skin.SkinControls = Without(k.gate);
            EXPECT_EQ(Describe(ClassifyControlRules(c, skin).Actions), "") << "gate";
        }
    }
    TSkinFacts skin = Skin();
    // A borderless edit, a tab kind without a "Tabs" element, a plain cxButton, the groups' inner options.
    EXPECT_TRUE(ThirdPartyActions("edit", "TX", Control("TX"), skin).empty());
    EXPECT_TRUE(ThirdPartyActions("tab", "TX", Control("TX"), Skin(AllOptions, false)).empty());
    EXPECT_EQ(Describe(ThirdPartyActions("bitbtn", "TCXBUTTON", Control("TcxButton"), skin)), "TSkinBitButton");
    EXPECT_EQ(Describe(ThirdPartyActions("radiogroup", "TX", Control("TX"), Skin(Without(rcRadioButton)))),
              "TSkinGroupBox+r");
    EXPECT_EQ(Describe(ThirdPartyActions("checkgroup", "TX", Control("TX"), Skin(Without(rcGroupBox)))),
              "each:TSkinCheckBox");
    // A kind cut to 50 characters matches nothing; the control stays unskinned.
    skin.Skin3rd = {"TButton=button" + std::string(60, ' ')};
    const TControlDecision cut = ClassifyControlRules(Control("TButton"), skin);
    EXPECT_TRUE(cut.ByThirdParty);
    EXPECT_TRUE(cut.Actions.empty());
}

TEST(ControlRules, ClassifyWindowRows) {
    struct {
        const char* className;
        std::uint32_t style;
        bool firstChild;
        int row;
        K kind;
    } rows[] = {
        {"Button", 0x0 /*BS_PUSHBUTTON*/, false, 1, K::Button},
        {"Button", 0x1 /*BS_DEFPUSHBUTTON*/, false, 1, K::Button},
        {"Button", 0x2 /*BS_CHECKBOX*/, false, 1, K::CheckBox},
        {"Button", 0x3 /*BS_AUTOCHECKBOX*/, false, 1, K::CheckBox},
        {"Button", 0x4 /*BS_RADIOBUTTON*/, false, 1, K::RadioButton},
        {"Button", 0x5 /*BS_3STATE*/, false, 1, K::CheckBox},
        {"Button", 0x6 /*BS_AUTO3STATE*/, false, 1, K::CheckBox},
        {"Button", 0x7 /*BS_GROUPBOX*/, false, 1, K::None},
        {"Button", 0x8 /*BS_USERBUTTON*/, false, 1, K::Button},
        {"Button", 0x9 /*BS_AUTORADIOBUTTON*/, false, 1, K::RadioButton},
        {"Button", 0xB /*BS_OWNERDRAW*/, false, 0, K::None},
        {"BUTTON", 0x80 /*BS_BITMAP*/, false, 1, K::None},
        {"Button", 0x81, false, 1, K::None},
        {"ComboBox", 0x2 /*CBS_DROPDOWN*/, false, 2, K::ComBox},
        {"ComboBox", 0x3 /*CBS_DROPDOWNLIST*/, false, 2, K::ComBox},
        {"ComboBox", 0x1 /*CBS_SIMPLE*/, false, 2, K::None},
        {"ComboBoxEx32", 0, true, 3, K::ComBox},
        {"ComboBoxEx32", 0, false, 0, K::None},
        {"ScrollBar", 0x10 /*SBS_SIZEGRIP*/, false, 4, K::Sizer},
        {"ScrollBar", 0x10000, false, 0, K::None},
        {"SysTreeView32", 0, false, 5, K::None},
        {"#32770", 0, false, 6, K::BoxH},
        {"#32770", 0x10000, false, 0, K::None},
        {"TPanel", 0, false, 7, K::None},
        {"TTntPanel.UnicodeClass", 0, false, 7, K::None},
        {"TTntSilentPaintPanel.UnicodeClass", 0, false, 7, K::None},
        {"TCheckBox", 0, false, 8, K::CheckBox},
        {"TComboBox", 0, false, 9, K::ComBox},
        {"TButton", 0, false, 10, K::Button},
        {"TProgressBar", 0, false, 11, K::Progress},
        {"TSilentPaintPanel", 0, false, 12, K::None},
        {"SysTabControl32", 0, false, 13, K::Tab},
        {"SysTabControl32", 0x2000, false, 0, K::None},
        {"ToolbarWindow32", 0, false, 14, K::BoxH},
        {"Edit", 0, false, 15, K::Edit},
        {"Static", 0, false, 0, K::None},
        {"TBitBtn", 0, false, 0, K::None},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.className) + " style " + std::to_string(r.style));
        const TWindowDecision d = ClassifyWindowRules({r.className, r.style, r.firstChild}, Skin());
        EXPECT_EQ(d.Row, r.row);
        EXPECT_EQ(d.Kind, r.kind);
    }
    const TWindowDecision dialog = ClassifyWindowRules({"#32770", 0, false}, Skin());
    EXPECT_TRUE(dialog.SkinChildWindowsFirst);
    const TWindowDecision panel = ClassifyWindowRules({"TPanel", 0, false}, Skin());
    EXPECT_TRUE(panel.SkinChildWindowsFirst && panel.RecolourFrameworkControl);
    EXPECT_TRUE(ClassifyWindowRules({"ComboBoxEx32", 0, true}, Skin()).OnFirstChild);
    // Only the first 100 characters of a class name are read.
    EXPECT_EQ(ClassifyWindowRules({"Edit" + std::string(100, 'x'), 0, false}, Skin()).Row, 0);
}

TEST(ControlRules, ClassifyWindowGates) {
    struct {
        const char* className;
        std::uint32_t style;
        int gate;
        int rowWithout; // the row still reported without the option (row 1 decides alone)
    } gates[] = {
        {"Button", 0, rcButton, 1},   {"Button", 3, rcCheckBox, 1},     {"Button", 9, rcRadioButton, 1},
        {"ComboBox", 2, rcCombo, 0},  {"ComboBoxEx32", 0, rcCombo, 0},  {"TCheckBox", 0, rcCheckBox, 0},
        {"TComboBox", 0, rcCombo, 0}, {"TButton", 0, rcButton, 0},      {"SysTabControl32", 0, rcTab, 0},
        {"Edit", 0, rcEdit, 0},
    };
    for (const auto& g : gates) {
        const TWindowDecision d = ClassifyWindowRules({g.className, g.style, true}, Skin(Without(g.gate)));
        EXPECT_EQ(d.Kind, K::None) << g.className;
        EXPECT_EQ(d.Row, g.rowWithout) << g.className;
    }
    // The progress bar has no option gate.
    EXPECT_EQ(ClassifyWindowRules({"TProgressBar", 0, false}, Skin(0)).Kind, K::Progress);
}

TEST(ControlRules, FamiliesFromTheAncestry) {
    const TControlFamilies bit = FamiliesOf({"TBitBtn", "TButton", "TButtonControl", "TWinControl", "TControl"});
    EXPECT_EQ(bit, FamilyBit(cfBitBtn) | FamilyBit(cfButton));
    EXPECT_EQ(FamiliesOf({"tcustompanel"}), FamilyBit(cfPanel)); // any letter case
    EXPECT_EQ(FamiliesOf({"TWinControl", "TControl"}), 0u);
}

} // namespace
