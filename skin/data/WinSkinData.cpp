#include "skin/data/WinSkinData.h"

#include "skin/data/SkinBitmapOps.h"
#include "runtime/ImgList.h"
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"
#include "skin/window/SkinManage.h"

#include <algorithm>

namespace {

constexpr int ScheduleDelayMs = 250;
const char* const EngineVersion = "Grivelle skin engine 1.0";

const TEnumInfo SkinControlTypeInfo{
    "TSkinControlType",
    {"xcMainMenu", "xcPopupMenu", "xcMenuItem", "xcToolbar", "xcControlbar", "xcCombo", "xcCheckBox",
     "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn", "xcSpeedButton", "xcSpin",
     "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab", "xcTrackBar", "xcSystemMenu", "xcFastReport"}};
const TEnumInfo SkinOptionInfo{
    "TSkinOption",
    {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround", "xoNoFocusRect",
     "xoToolbarBK", "xoMDIChildBorder", "xoMenuBG", "xoFormScrollbar"}};
const TEnumInfo SkinFormTypeInfo{"TSkinFormType", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}};

// --- user32 entry points that older systems lack ------------------------------------------------------

using TGetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TTrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

struct TUser32Entries {
    HMODULE library = nullptr;
    TGetScrollBarInfoProc getScrollBarInfo = nullptr;
    TTrackMouseEventProc trackMouseEvent = nullptr;
    TGetComboBoxInfoProc getComboBoxInfo = nullptr;
    TDisableProcessWindowsGhostingProc disableGhosting = nullptr;

    TUser32Entries() {
        library = LoadLibraryW(L"user32.dll");
        if (!library) return;
        getScrollBarInfo = reinterpret_cast<TGetScrollBarInfoProc>(
            reinterpret_cast<void*>(GetProcAddress(library, "GetScrollBarInfo")));
        trackMouseEvent = reinterpret_cast<TTrackMouseEventProc>(
            reinterpret_cast<void*>(GetProcAddress(library, "TrackMouseEvent")));
        getComboBoxInfo = reinterpret_cast<TGetComboBoxInfoProc>(
            reinterpret_cast<void*>(GetProcAddress(library, "GetComboBoxInfo")));
        disableGhosting = reinterpret_cast<TDisableProcessWindowsGhostingProc>(
            reinterpret_cast<void*>(GetProcAddress(library, "DisableProcessWindowsGhosting")));
    }
    ~TUser32Entries() {
        if (library) FreeLibrary(library);
    }
};

const TUser32Entries& User32() {
    static const TUser32Entries entries;
    return entries;
}
// Looked up when the unit starts.
const TUser32Entries& g_user32AtStart = User32();

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    const std::wstring wide = WideFromAnsi(path);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart < (1LL << 30);
    if (ok) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD done = 0;
        ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
                               done == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

// Registered for streaming by class name.
[[maybe_unused]] const TClassInfo& g_skinDataClass = TSkinData::StaticClassInfo();

} // namespace

bool HasGetScrollBarInfo() { return User32().getScrollBarInfo != nullptr; }

bool SkinGetScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info) {
    if (!User32().getScrollBarInfo) return false;
    info.cbSize = sizeof(SCROLLBARINFO);
    return User32().getScrollBarInfo(window, objectId, &info) != FALSE;
}

void SkinTrackMouseLeave(HWND window) {
    if (!User32().trackMouseEvent) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = 16;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    track.dwHoverTime = HOVER_DEFAULT;
    User32().trackMouseEvent(&track);
}

TGetComboBoxInfoProc SkinGetComboBoxInfoProc() { return User32().getComboBoxInfo; }
TDisableProcessWindowsGhostingProc SkinDisableProcessWindowsGhostingProc() { return User32().disableGhosting; }

// --- TSkinData ----------------------------------------------------------------------------------------

const TClassInfo& TSkinData::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TSkinData, TComponent>("TSkinData")
            .Bool("Active", &TSkinData::Active, &TSkinData::SetActive)
            .Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::DisableTag)
            .Set("SkinControls", SkinControlTypeInfo, &TSkinData::SkinControls, &TSkinData::SkinControls)
            .Set("Options", SkinOptionInfo, &TSkinData::Options, &TSkinData::Options)
            .Object<TStrings>("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd)
            .String("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
            .String("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
            .Enum("SkinFormtype", SkinFormTypeInfo, &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype)
            .String("Version", &TSkinData::Version, &TSkinData::SetVersion)
            .Bool("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::MenuUpdate)
            .Bool("MenuMerge", &TSkinData::MenuMerge, &TSkinData::MenuMerge)
            .Event("OnFormSkin", &TSkinData::OnFormSkin)
            .Event("OnSkinChanged", &TSkinData::OnSkinChanged)
            .Event("OnSkinControl", &TSkinData::OnSkinControl)
            .Event("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm)
            .Event("OnAfterSkinForm", &TSkinData::OnAfterSkinForm)
            .Register();
    return info;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), skin3rd_(std::make_unique<TStringList>()), package_(std::make_unique<TMemoryStream>()) {
    AppIcon = NewSkinBitmap();
    ConvertTo24(*AppIcon);
    for (const char* line : DefaultSkin3rd) skin3rd_->Add(line);
    Buttons = std::make_unique<TDataSkinButton>("Buttons");
    BorderLeft = std::make_unique<TDataSkinBorder>("Left");
    BorderRight = std::make_unique<TDataSkinBorder>("Right");
    BorderTop = std::make_unique<TDataSkinBorder>("Top");
    BorderBottom = std::make_unique<TDataSkinBorder>("Bottom");
    Title = std::make_unique<TDataSkinTitle>("Title");
    MenuGlyphs = LoadMenuGlyphs();
    MaxTrackWidth = GetSystemMetrics(SM_CXMAXIMIZED);
    MaxTrackHeight = GetSystemMetrics(SM_CYMAXIMIZED);
}

TSkinData::~TSkinData() {
    MenuGlyphs.reset();
    skin3rd_.reset();
    if (SkinManager) SkinManager->UnregisterSkinData(this);
    package_.reset();
    AppIcon.reset();
    CaptionFont.reset();
    BorderLeft.reset();
    BorderRight.reset();
    BorderTop.reset();
    BorderBottom.reset();
    SysButtons.clear();
    Buttons.reset();
    Title.reset();
    if (FaceBrush) DeleteObject(FaceBrush);
    FaceBrush = nullptr;
    // Every other slot goes with its unique_ptr.
}

void TSkinData::SetSkin3rd(TStrings* value) {
    if (value && value != skin3rd_.get()) skin3rd_->Assign(*value);
}

std::string TSkinData::SkinStore() const {
    return Designing() && package_->Size() > 0 ? "(Good)" : "(none)";
}

std::string TSkinData::Version() const { return EngineVersion; }

void TSkinData::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "SkinStream", [this](TStream& stream) { ReadSkinStream(stream); },
        [this](TStream& stream) { WriteSkinStream(stream); }, true);
}

void TSkinData::ReadSkinStream(TStream& stream) {
    const std::uint32_t count = stream.ReadUInt32LE();
    if (count == 0) return;
    // A count larger than what is stored reads the bytes that are there.
    const std::int64_t available = std::max<std::int64_t>(0, stream.Size() - stream.Position());
    const std::int64_t size = std::min<std::int64_t>(count, available);
    package_->SetSize(size);
    package_->SetPosition(0);
    if (size > 0) stream.ReadBuffer(package_->Memory(), size);
    package_->SetPosition(0);
    if (!Designing()) LoadSkin();
}

void TSkinData::WriteSkinStream(TStream& stream) {
    const std::int64_t size = package_->Size();
    stream.WriteUInt32LE(static_cast<std::uint32_t>(size));
    if (size > 0) stream.WriteBuffer(package_->Memory(), size);
}

bool TSkinData::LoadSkin() {
    IsEmpty = true;
    if (Designing()) return false;
    TSkinReader reader;
    if (!reader.LoadPackage(package_->Bytes())) return false;
    TQuickIni ini;
    std::vector<std::uint8_t> definition;
    std::string definitionName;
    reader.FindEntry(".ini", definition, definitionName);
    ini.LoadFromStream(&definition, 0);
    BuildElements(ini, reader);
    return true;
}

void TSkinData::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (Designing() || Streaming()) return;
    TSkinManage* manager = SkinManager;
    if (!manager) return; // Loaded has not run: it acts on the flag when it does
    switch (skinFormtype_) {
    case sfMainform:
        if (value && IsEmpty) return;
        manager->pendingSkinData = this;
        if (value) {
            manager->Schedule(saApply, ScheduleDelayMs);
            manager->runState = 1;
        } else {
            manager->Schedule(saRemove, ScheduleDelayMs);
        }
        break;
    case sfOnlyThisForm:
        manager->pendingSkinData = this;
        if (value && IsEmpty) return;
        manager->Schedule(value ? saApply : saRemove, ScheduleDelayMs);
        break;
    default:
        break;
    }
}

void TSkinData::SetSkinFile(const std::string& path) {
    IsEmpty = true;
    skinFile_ = path;
    if (Designing()) {
        if (!path.empty()) package_->Clear();
        return;
    }
    std::vector<std::uint8_t> bytes;
    if (path.empty() || !ReadWholeFile(path, bytes)) return;
    ReplacePackage(bytes);
}

void TSkinData::LoadPackage(const std::vector<std::uint8_t>& bytes) {
    skinFile_.clear();
    IsEmpty = true;
    if (Designing()) return;
    ReplacePackage(bytes);
}

void TSkinData::ReplacePackage(const std::vector<std::uint8_t>& bytes) {
    package_->Clear();
    if (!bytes.empty()) package_->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    package_->SetPosition(0);
    LoadSkin();
    ApplySkinChange();
}

void TSkinData::ApplySkinChange() {
    if (Designing() || Streaming()) return;
    if (!SkinManager) Loaded();
    TSkinManage* manager = SkinManager;
    if (!manager) return;
    manager->pendingSkinData = this;
    manager->ReinitPainters();
    if (manager->runState == 1) manager->Schedule(saReapply, ScheduleDelayMs);
}

void TSkinData::QueryFormSkin(HWND window, const std::string& className, bool& doSkin) {
    QueryWindow = window;
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return;
    }
    if (className == "SysMonthCal32") doSkin = false;
    if (InSet(SkinControls, xcFastReport) && className.rfind("Tfr", 0) == 0) doSkin = false;
}

void TSkinData::SkinChanged() {
    if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (Designing()) return;
    if (!HasGetScrollBarInfo()) SkinControls &= ~SetBit(xcScrollbar);
    TSkinManage* manager = EnsureSkinManager();
    const auto& registered = manager->SkinDatas();
    if (std::find(registered.begin(), registered.end(), this) == registered.end()) manager->RegisterSkinData(this);
    RebuildCaptionFont();
    if (skinFormtype_ != sfMainform) {
        manager->skinning = true;
        ++manager->runState;
        if (active_) {
            if (HWND window = OwnerFormWindow(Owner())) manager->SkinWindow(window);
        }
        return;
    }
    manager->InstallHook();
    if (active_) {
        if (IsEmpty) active_ = false;
        else manager->Schedule(saApply, ScheduleDelayMs);
    }
    if (InSet(SkinControls, xcMainMenu)) SkinControls &= ~SetBit(xcMenuItem);
    else SkinControls &= ~SetBit(xcSystemMenu);
    BuildAppIcon();
}

void TSkinData::RebuildCaptionFont() {
    CaptionFont.reset();
    CaptionFont = NewSkinFont();
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = 340;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0))
        SetFontHandle(*CaptionFont, CreateFontIndirectA(&metrics.lfCaptionFont));
}

void TSkinData::BuildAppIcon() {
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    HWND window = ApplicationIconWindow();
    if (!window) return;
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    // A window that was never given an icon of its own shows its class's.
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
    if (!icon) return;
    auto bitmap = NewSkinBitmap();
    MakeBitmap24(*bitmap, width, height, clMagenta);
    auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE));
    DrawIconEx(BitmapDC(*bitmap), 0, 0, copy ? copy : icon, width, height, 0, nullptr, DI_NORMAL);
    if (copy) DestroyIcon(copy);
    SetBitmapTransparent(*bitmap, clMagenta);
    AppIcon = std::move(bitmap);
}

TSkinColor TSkinData::BorderColor() const {
    if (BorderTop && BorderTop->HasImage()) {
        const int frames = std::max(1, BorderTop->FrameCount);
        const int x = BitmapWidth(*BorderTop->Bitmap) / 3;
        const int y = BitmapHeight(*BorderTop->Bitmap) / frames / 3;
        return BitmapPixel(*BorderTop->Bitmap, x, y);
    }
    return SkinColors.ButtonFace;
}
