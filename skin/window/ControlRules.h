// Which painter a control or a child window gets: the classification rules of the frame painter as pure
// functions over plain records of facts. The Windows side (ControlClassification.cpp) gathers the facts,
// asks these functions, and carries out the steps they answer; it decides nothing itself.
//
// Control families. Rows of the built-in table that name a family test the control's class ancestry
// against these framework classes (a control belongs to a family when its class is the root class named
// here or inherits from it). Roots marked "-" have no class in the framework yet; the painter issues that
// add the class use the name given here.
//
//   family                  root classes                                   row
//   tab control             TCustomTabControl (tabbed member: TTabControl;  1
//                           its "Style" ordinal 0 is the plain tab style)
//   menu carrier            TCustomMenuBar -                               2
//   cool bar                TCoolBar -                                     3
//   tab sheet               TTabSheet                                      5
//   tab set                 TTabSet (only with a published "Style")        8
//   header                  THeaderControl                                 9
//   check box               TCustomCheckBox                               10
//   track bar               TTrackBar                                     11
//   radio group             TCustomRadioGroup                             14
//   group box               TCustomGroupBox                               19
//   radio button            TRadioButton                                  20
//   tool bar                TToolBar                                      21
//   status bar              TStatusBar                                    22
//   progress bar            TProgressBar                                  23
//   scrolling container     TCustomScrollBar (scroll-bar controls)        24
//   combo box               TCustomComboBox                               26
//   date-time picker        TDateTimePicker ("DateMode" ordinal 1 up-down, 27
//                           "Kind" ordinal 1 time: no drop-down calendar)
//   bit button              TBitBtn                                       30
//   speed button            TSpeedButton                                  31
//   panel                   TCustomPanel                                  32
//   list view               TCustomListView                               34
//   further scrolling       TCustomListBox; TCustomTreeView, TCustomGrid  35
//   push button             TButton (also TMenuButton, which a Skin3rd     37
//                           line "TMenuButton=menubtn" gives TSkinMenuButton)
//   edit                    TCustomEdit                                   38
//   frame                   TCustomFrame -                                40
//   form                    TCustomForm                                   41
//   scrolling (IsScrollingControl): TCustomListBox, TCustomListView, TCustomTreeView, TCustomGrid,
//                           TCustomMemo
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One kind per painter class the rules can create.
enum class TPainterKind : int {
    None,
    Button,       // TSkinButton
    BitButton,    // TSkinBitButton
    SpeedButton,  // TSkinSpeedButton
    MenuButton,   // TSkinMenuButton
    CheckBox,     // TSkinCheckBox
    RadioButton,  // TSkinRadioButton
    GroupBox,     // TSkinGroupBox
    Box,          // TSkinBox
    BoxH,         // TSkinBoxH
    Tab,          // TSkinTab
    TabBtn,       // TSkinTabBtn
    Tab31,        // TSkinTab31
    TabSheet,     // TSkinTabSheet
    AdvPage,      // TSkinAdvPage
    Header,       // TSkinHeader
    StatusBar,    // TSkinStatusBar
    TrackBar,     // TSkinTrackBar
    UpDown,       // TSkinUpDown
    MediaPlayer,  // TSkinMP
    ObjImage,     // TSkinObjImage
    Progress,     // TSkinProgress
    ScControl,    // TSkinScControl
    ComBox,       // TSkinComBox
    Edit,         // TSkinEdit
    DateTime,     // TSkinDateTime
    Scrollbar,    // TSkinScrollbar
    ListView,     // TSkinListView
    Sizer,        // TSkinSizer
};
// The painter class name of a kind ("TSkinButton"); "" for None.
const char* PainterClassName(TPainterKind kind);

// How a painter is attached.
enum class TAttachMode : int { Control, Window, Scrollbars, SpeedButton, ScControl };

// A painter to create, with the settings written into it before it is attached.
struct TPainterChoice {
    TPainterKind Kind = TPainterKind::None;
    bool Recolour = false;
    TAttachMode Attach = TAttachMode::Control;
    int TabMode = 0;           // 2: a tab-family member other than the tabbed class; 4: advanced page
    bool SingleBar = false;    // "singlescrollbar"
    int ImageKind = 0;         // TSkinObjImage: 1 check box, 2 radio button, 3 check box of the "TCX" family
    std::string GlyphProperty; // TSkinBitButton: "PngImage" for "pngbitbtn"
    bool operator==(const TPainterChoice&) const = default;
};

enum class TRuleStep : int {
    Attach,               // the painter on the control itself
    AttachEachChild,      // the painter on every child control
    SkinChildControls,    // classify every child control (this control as parent component)
    ClassifyEachChild,    // classify every non-null child control with no parent component
    SkinOwnedComponents,  // classify the controls this control owns
    SetProperty,          // set Name to Value through the run-time property access
    OwnerDrawMenuItem,    // the control's own menu item and its sub-items drawn by the skinned menus
    RecolourBands,        // every band gets the skin's ButtonFace colour
    ToolBarHandlers,      // unassigned custom-draw events point at the form skinner's tool-bar handlers
    OwnerDrawToolBarMenu, // when the tool bar has a menu: its top items (and sub-items) owner-drawn
    EmbedScrollbars,      // per child: a scrolling container TSkinScControl, else a scrolling control TSkinScrollbar
};

struct TRuleAction {
    TRuleStep Step = TRuleStep::Attach;
    TPainterChoice Painter;   // Attach, AttachEachChild
    std::string Name, Value; // SetProperty
    bool operator==(const TRuleAction&) const = default;
};

// Families a control can belong to (bit i = member i).
enum TControlFamily : int {
    cfTabControl, cfTabbedMember, cfMenuCarrier, cfCoolBar, cfTabSheet, cfTabSet, cfHeader, cfCheckBox,
    cfTrackBar, cfRadioGroup, cfGroupBox, cfRadioButton, cfToolBar, cfStatusBar, cfProgressBar,
    cfScrollingContainer, cfComboBox, cfDateTimePicker, cfBitBtn, cfSpeedButton, cfPanel, cfListView,
    cfListBox, cfTreeOrGrid, cfButton, cfEdit, cfFrame, cfForm, cfMemo,
};
using TControlFamilies = std::uint64_t;
constexpr TControlFamilies FamilyBit(TControlFamily f) { return TControlFamilies{1} << f; }
// The families of a class from its ancestry (its own class name first, then each parent's).
TControlFamilies FamiliesOf(const std::vector<std::string>& ancestry);

// What the rules read about one control.
struct TControlFacts {
    std::string ClassName;     // as the class reports it; the rules upper-case it
    TControlFamilies Families = 0;
    bool Windowed = false;
    std::uint32_t Style = 0;   // GWL_STYLE of its window
    bool HasBorder = false;    // window rectangle and client rectangle differ in width or height
    bool HasChildren = false;  // it has child controls
    int Tag = 0;
    bool HasParent = true;
    bool Skinned = false;      // it answers WM_SKIN_QUERY with 1 or a painter already serves it
    // Published properties (missing: -1 or empty)
    int TabStyle = -1;                 // "Style" ordinal of the tabbed tab-control member
    std::optional<std::string> StyleText; // "Style" as text (row 8)
    int DateMode = -1, PickerKind = -1; // a date-time picker's "DateMode" and "Kind" ordinals
    int NumButtons = -1;
    std::string KindText;              // "Kind" as text
};

// What the rules read about the skin data component and the form skinner.
struct TSkinFacts {
    int DisableTag = 99;
    std::uint32_t SkinControls = 0; // bit i = TSkinControlType member i
    bool MainMenuOption = false;    // xcMainMenu as the form skinner keeps it
    bool HasTabs = false;           // the skin has a "Tabs" element
    std::vector<std::string> Skin3rd;
};

// Members of TSkinControlType the rules test (their ordinals).
enum : int {
    rcMainMenu = 0, rcToolbar = 3, rcCombo = 5, rcCheckBox = 6, rcRadioButton = 7, rcProgress = 8,
    rcScrollbar = 9, rcEdit = 10, rcButton = 11, rcBitBtn = 12, rcSpeedButton = 13, rcSpin = 14, rcPanel = 15,
    rcGroupBox = 16, rcStatusBar = 17, rcTab = 18, rcTrackBar = 19,
};

// The first two rules: a control whose Tag is the DisableTag passes it to its children when it is a radio
// or check group and gets nothing; a control without parent, or skinned already, gets nothing.
enum class TPreVerdict : int { Continue, Stop, DisableGroupChildren };
TPreVerdict PreliminaryVerdict(const TControlFacts& control, const TSkinFacts& skin);

// Whether DisableGroupChildren passes the DisableTag on: windowed, with children, and a class name that
// contains "radiogroup" or "checkgroup" in any letter case.
bool PassesDisableTag(const TControlFacts& control);

// The control belongs to a scrolling family, or is windowed with WS_HSCROLL or WS_VSCROLL.
bool IsScrollingControl(const TControlFacts& control);

// The Skin3rd kind for a class: the text after the first "=" (at most 50 characters) of the first line
// that starts with the lower-cased class name and "=", lower-cased; none when no line does.
std::optional<std::string> ThirdPartyKind(const std::vector<std::string>& skin3rd, std::string_view className);

struct TControlDecision {
    std::vector<TRuleAction> Actions;
    int Row = 0;               // the built-in row that decided (1..41), 0 otherwise
    bool ByThirdParty = false; // a Skin3rd line decided (whatever it gave)
    bool Excluded = false;     // one of the classes that are never skinned
};

// Rules 5 to 7 for a control that passed the first rules and the OnSkinControl event: the Skin3rd
// mapping, the never-skinned classes, then the built-in table.
TControlDecision ClassifyControlRules(const TControlFacts& control, const TSkinFacts& skin);

// The actions of one Skin3rd kind (the mapping table); `upperClass` is the control's upper-cased class.
std::vector<TRuleAction> ThirdPartyActions(const std::string& kind, const std::string& upperClass,
                                           const TControlFacts& control, const TSkinFacts& skin);

// For "embedscrollbar": the painter of one child control.
TPainterChoice EmbeddedChildPainter(const TControlFacts& child);

// What the rules read about a child window of a raw window.
struct TWindowFacts {
    std::string ClassName; // the window class name (any case; at most 100 characters are read)
    std::uint32_t Style = 0;
    bool HasFirstChild = false;
};

struct TWindowDecision {
    TPainterKind Kind = TPainterKind::None;
    bool OnFirstChild = false;       // the painter serves the window's first child (combo box ex)
    bool SkinChildWindowsFirst = false;
    bool RecolourFrameworkControl = false; // a framework control behind the window gets ButtonFace
    int Row = 0;                     // 1..15, 0 when no row matched
};
TWindowDecision ClassifyWindowRules(const TWindowFacts& window, const TSkinFacts& skin);
