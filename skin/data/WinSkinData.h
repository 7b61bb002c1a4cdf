// TSkinData: the skin data component on the main window. It carries the skinning settings, holds the
// skin as a compressed package in its stored property "SkinStream", turns that package into element
// records while the form streams in, and starts and stops skinning through the skin manager.
#pragma once

#include "runtime/Classes.h"
#include "skin/data/DefaultSkin3rd.h"
#include "skin/data/SkinColorTable.h"
#include "skin/data/SkinElements.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TControl;
class TFont;
class TImageList;
class TQuickIni;
class TSkinReader;

enum TSkinControlType : int {
    xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
    xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
    xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport
};
using TSkinControlTypes = std::uint32_t; // bit i = member i
inline constexpr TSkinControlTypes DefaultSkinControls = 0x1FFFFB;

enum TSkinOption : int {
    xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
    xoMDIChildBorder, xoMenuBG, xoFormScrollbar
};
using TSkinOptions = std::uint32_t;
inline constexpr TSkinOptions DefaultSkinOptions = 72; // xoPreview, xoToolbarBK

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

constexpr std::uint32_t SetBit(int member) { return 1u << member; }
constexpr bool InSet(std::uint32_t set, int member) { return (set >> member) & 1u; }

using TOnFormSkin = std::function<void(TObject* Sender, const std::string& aName, bool& DoSkin)>;
using TOnSkinForm = std::function<void(TObject* Sender, HWND ahwnd, const std::string& aName)>;
using TOnSkinControl = std::function<void(TComponent* Sender, class TSkinData* SkinData, TControl* Form,
                                          TControl* Control, const std::string& ControlClass,
                                          TComponent*& SkinnedControl)>;

// Streamed by class name once registered: StaticClassInfo() registers it (a form with a published
// TSkinData field does so when its own class information is built).
class TSkinData : public TComponent {
    GRV_CLASS(TSkinData)
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    // --- Published properties, in their stored order -------------------------------------------------
    bool Active() const { return active_; }
    void SetActive(bool value);
    int DisableTag = 99;
    TSkinControlTypes SkinControls = DefaultSkinControls;
    TSkinOptions Options = DefaultSkinOptions;
    TStrings* Skin3rd() const { return skin3rd_.get(); }
    void SetSkin3rd(TStrings* value); // copies the list
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& path);
    std::string SkinStore() const; // "(Good)" at design time with a stored package, else "(none)"
    void SetSkinStore(const std::string&) {}
    TSkinFormType SkinFormtype() const { return skinFormtype_; }
    void SetSkinFormtype(TSkinFormType value) { skinFormtype_ = value; }
    std::string Version() const;
    void SetVersion(const std::string&) {}
    bool MenuUpdate = true;
    bool MenuMerge = false;
    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;
    TOnSkinForm OnBeforeSkinForm;
    TOnSkinForm OnAfterSkinForm;

    // --- Loading -------------------------------------------------------------------------------------
    void DefineProperties(TFiler& filer) override;
    void Loaded() override;
    // Decodes the package stream into element records; false (and IsEmpty) when it cannot be read.
    bool LoadSkin();
    // Replaces the package with the bytes of a skin file already in memory (a program's own resource, a
    // copy of the stored skin), loads it and re-applies it as SkinFile does; the skin file name is cleared.
    void LoadPackage(const std::vector<std::uint8_t>& bytes);
    void ApplySkinChange();
    // The skin manager asks whether a window of that class may be skinned.
    void QueryFormSkin(HWND window, const std::string& className, bool& doSkin);
    // Raised by the skin manager after a scheduled action has run.
    void SkinChanged();

    // The compressed package: the content of "SkinStream".
    TMemoryStream& PackageStream() { return *package_; }
    const TMemoryStream& PackageStream() const { return *package_; }
    bool IsEmpty = true;
    bool PaintEnabled = true;
    HWND QueryWindow = nullptr;
    int MaxTrackWidth = 0;
    int MaxTrackHeight = 0;

    std::unique_ptr<TBitmap> AppIcon;
    std::unique_ptr<TFont> CaptionFont;
    std::unique_ptr<TImageList> MenuGlyphs;

    // --- Element slots (an empty slot: the painter draws that part the system's way) -----------------
    std::unique_ptr<TDataSkinBorder> BorderLeft, BorderRight, BorderTop, BorderBottom;
    std::unique_ptr<TDataSkinTitle> Title;
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
    std::unique_ptr<TDataSkinButton> Buttons;
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk, MenuBar, GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges, TabPane, ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge, ExtraImages, HeaderBar, MenuItem, MenuBackground;
    std::unique_ptr<TDataSkinObject> ScrollBar, HorzScroll, VertScroll, HorzScrollThumb, VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackThumbHorz, TrackThumbVert, TrackThumbLeft, TrackThumbRight,
        TrackThumbUp, TrackThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;
    std::unique_ptr<TDataSkinObject> Track, TrackVert;
    std::unique_ptr<TDataSkinObject> ComboArrow, ToolbarBack;

    // --- Colours --------------------------------------------------------------------------------------
    TSkinColors SkinColors;
    std::vector<TSkinColor> Palette;
    TCustomColors CustomColors{};
    HBRUSH FaceBrush = nullptr;
    std::string SkinName;
    // The top border's colour a third into its first frame, else ButtonFace; stored at every load.
    TSkinColor BorderColor() const;
    TSkinColor StoredBorderColor = clBtnFace;

    // Builds every record from the parsed definition of the current load (needs the package reader).
    void BuildElements(const TQuickIni& ini, const TSkinReader& reader);

private:
    void ReplacePackage(const std::vector<std::uint8_t>& bytes);
    void ReadSkinStream(TStream& stream);
    void WriteSkinStream(TStream& stream);
    bool Designing() const { return ComponentState() & csDesigning; }
    bool Streaming() const { return ComponentState() & (csLoading | csReading); }
    void BuildAppIcon();
    void RebuildCaptionFont();

    bool active_ = false;
    std::unique_ptr<TStrings> skin3rd_;
    std::string skinFile_;
    TSkinFormType skinFormtype_ = sfMainform;
    std::unique_ptr<TMemoryStream> package_;
};

// --- Entry points that older systems lack, looked up in user32 when the unit starts -----------------
bool HasGetScrollBarInfo();
// False when the entry point is missing or the call fails.
bool SkinGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info);
// Asks for WM_MOUSELEAVE for the window; nothing when the entry point is missing.
void SkinTrackMouseLeave(HWND window);
// The other two entry points, for the painters (nullptr when missing).
using TGetComboBoxInfoProc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
using TDisableProcessWindowsGhostingProc = void(WINAPI*)();
TGetComboBoxInfoProc SkinGetComboBoxInfoProc();
TDisableProcessWindowsGhostingProc SkinDisableProcessWindowsGhostingProc();
