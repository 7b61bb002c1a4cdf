#include "GalleryForm.h"

#include "MdiWindow.h"
#include "RawDialog.h"
#include "ToneWave.h"
#include "runtime/MediaPlayer.h"
#include "runtime/Menus.h"

#include <commdlg.h>
#include <mmsystem.h>

namespace {
std::vector<std::uint8_t> ResourceBytes(const wchar_t* name) {
    HRSRC found = FindResourceW(MainInstance(), name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = found ? LoadResource(MainInstance(), found) : nullptr;
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    return bytes ? std::vector<std::uint8_t>(bytes, bytes + SizeofResource(MainInstance(), found)) : std::vector<std::uint8_t>{};
}
} // namespace

const TClassInfo& TGalleryForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TGalleryForm, TForm>("TGalleryForm")
        .Field("SkinData1", &TGalleryForm::SkinData1)
        .Field("skinSwitchButton", &TGalleryForm::skinSwitchButton)
        .Field("rawDialogButton", &TGalleryForm::rawDialogButton)
        .Field("storedSkinButton", &TGalleryForm::storedSkinButton)
        .Field("secondSkinButton", &TGalleryForm::secondSkinButton)
        .Field("skinFileButton", &TGalleryForm::skinFileButton)
        .Field("skinLabel", &TGalleryForm::skinLabel)
        .Field("mdiButton", &TGalleryForm::mdiButton)
        .Method("skinSwitchButtonClick", &TGalleryForm::skinSwitchButtonClick)
        .Method("rawDialogButtonClick", &TGalleryForm::rawDialogButtonClick)
        .Method("storedSkinButtonClick", &TGalleryForm::storedSkinButtonClick)
        .Method("secondSkinButtonClick", &TGalleryForm::secondSkinButtonClick)
        .Method("skinFileButtonClick", &TGalleryForm::skinFileButtonClick)
        .Method("mdiButtonClick", &TGalleryForm::mdiButtonClick)
        .Register();
    return info;
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
    TPngBitBtn::StaticClassInfo();
    TGalleryPage::StaticClassInfo();
    ReadFromResource();
    storedPackage_ = SkinData1->PackageStream().Bytes();
    secondPackage_ = ResourceBytes(L"SKIN_SECOND");
    secondSkinButton->SetEnabled(!secondPackage_.empty());
}

void TGalleryForm::UsePackage(const std::vector<std::uint8_t>& package, const std::string& name) {
    SkinData1->LoadPackage(package);
    skinName_ = SkinData1->SkinName.empty() ? name : SkinData1->SkinName + " (" + name + ")";
    SkinData1->SetActive(true);
    ShowSkinState();
}

void TGalleryForm::storedSkinButtonClick(TObject*) { UsePackage(storedPackage_, "stored skin"); }

void TGalleryForm::secondSkinButtonClick(TObject*) { UsePackage(secondPackage_, "second skin"); }

void TGalleryForm::skinFileButtonClick(TObject*) {
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = L"Skin files (*.skn)\0*.skn\0All files\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&dialog) && !LoadSkinFile(file))
        MessageBoxW(Handle(), L"The skin file cannot be read; the current skin stays.", L"Skin gallery", MB_ICONWARNING);
}

bool TGalleryForm::LoadSkinFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    SkinData1->SetSkinFile(AnsiFromWide(path));
    skinName_ = SkinData1->SkinFile();
    SkinData1->SetActive(true);
    ShowSkinState();
    return true;
}

void TGalleryForm::skinSwitchButtonClick(TObject*) {
    if (SkinData1) SkinData1->SetActive(!SkinData1->Active());
    ShowSkinState();
}

void TGalleryForm::rawDialogButtonClick(TObject*) {
    if (!RawDialog || !IsWindow(RawDialog)) RawDialog = ShowRawButtonDialog(Handle());
}

void TGalleryForm::mdiButtonClick(TObject*) {
    if (!MdiWindow || !IsWindow(MdiWindow)) MdiWindow = ShowMdiWindow(Handle());
}

void TGalleryForm::ShowSkinState() {
    const bool on = SkinData1 && SkinData1->Active();
    skinSwitchButton->SetCaption(on ? "Skin off" : "Skin on");
    std::string text = on ? "Skinned: " : "Unskinned";
    if (on) text += SkinData1->IsEmpty ? skinName_ + " (nothing to draw: the system draws)" : skinName_;
    skinLabel->SetCaption(text);
}

const TClassInfo& TGalleryPage::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TGalleryPage, TForm>("TGalleryPage")
        .Method("menuItemClick", &TGalleryPage::menuItemClick)
        .Register();
    return info;
}

void TGalleryPage::menuItemClick(TObject* Sender) {
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    auto* status = dynamic_cast<TControl*>(FindComponent("menuStatus"));
    if (!item || !status) return;
    std::wstring caption;
    for (std::size_t i = 0; i < item->Caption().size(); ++i)
        if (item->Caption()[i] != L'&' || (i + 1 < item->Caption().size() && item->Caption()[++i] == L'&'))
            caption += item->Caption()[i];
    status->SetWideText(L"Chosen: " + caption);
}

TGalleryPage::TGalleryPage(TComponent* owner, const std::wstring& resourceName) : TForm(owner) {
    ReadFromResource(resourceName);
}

const TClassInfo& TPngBitBtn::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TPngBitBtn, TBitBtn>("TPngBitBtn")
        .Object<TBitmap>("PngImage", &TPngBitBtn::PngImage, nullptr)
        .Register();
    return info;
}

TPngBitBtn::TPngBitBtn(TComponent* owner) : TBitBtn(owner), png_(std::make_unique<TBitmap>()) {
    png_->OnChange = [this](TObject*) { Invalidate(); };
}

TPngBitBtn::~TPngBitBtn() { DestroyHandle(); }

namespace {
// The tone file of this run (one per process: a gallery still closing may hold its own open), deleted
// when the program ends, after the players have closed it.
std::wstring ToneFile() {
    static const std::wstring path = [] {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        std::wstring file = std::wstring(folder) + L"GrivelleGalleryTone" + std::to_wstring(GetCurrentProcessId()) + L".wav";
        const std::vector<std::uint8_t> bytes = ToneWave(1000, 660);
        {
            TFileStream out(AnsiFromWide(file), fmCreate);
            out.Write(bytes.data(), std::int64_t(bytes.size()));
        }
        Application->AddExitProc([file] { DeleteFileW(file.c_str()); });
        return file;
    }();
    return path;
}
} // namespace

void PrepareMediaPlayers(TCustomForm* page) {
    auto* status = dynamic_cast<TLabel*>(page->FindComponent("PlayerStatus"));
    auto show = [status](const std::string& text) {
        if (status) status->SetCaption(text);
    };
    for (const char* name : {"MainPlayer", "PlayStopPlayer"}) {
        auto* player = dynamic_cast<TMediaPlayer*>(page->FindComponent(name));
        if (!player) continue;
        player->OnClick = [show, name](TObject*, TMPBtnType button, bool&) {
            show(std::string(name) + ": " + MPBtnTypeInfo.Names[button]);
        };
        player->OnNotify = [show, name, player](TObject*) {
            show(std::string(name) + (player->NotifyValue() == MCI_NOTIFY_SUCCESSFUL
                                          ? ": played to the end"
                                          : ": the device could not play it (no sound output here?)"));
        };
        try {
            player->SetFileName(AnsiFromWide(ToneFile()));
            player->Open();
            show("A one-second tone, ready to play");
        } catch (const std::exception& error) {
            show(std::string("The tone cannot be opened: ") + error.what());
        }
    }
}

namespace {
BOOL CALLBACK AddPageName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) {
    if (!IS_INTRESOURCE(name) && wcsncmp(name, L"PAGE_", 5) == 0)
        reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(name);
    return TRUE;
}
} // namespace

std::vector<std::wstring> GalleryPageNames() {
    std::vector<std::wstring> names;
    EnumResourceNamesW(MainInstance(), MAKEINTRESOURCEW(10) /* RT_RCDATA */, AddPageName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}
