// The skin gallery's windows: the main form (the skin data component and the switches) and one page per
// control family, each streamed from its own form description (resources "PAGE_<NAME>", made from the
// files in pages/).
#pragma once

#include "runtime/Buttons.h"
#include "runtime/Forms.h"
#include "runtime/StdCtrls.h"
#include "skin/data/WinSkinData.h"

#include <string>
#include <vector>

class TGalleryForm : public TForm {
    GRV_CLASS(TGalleryForm)
public:
    explicit TGalleryForm(TComponent* owner);

    TSkinData* SkinData1 = nullptr;
    TButton* skinSwitchButton = nullptr;
    TButton* rawDialogButton = nullptr;
    TButton* storedSkinButton = nullptr;
    TButton* secondSkinButton = nullptr;
    TButton* skinFileButton = nullptr;
    TButton* mdiButton = nullptr;
    TLabel* skinLabel = nullptr;

    void skinSwitchButtonClick(TObject* Sender);
    void rawDialogButtonClick(TObject* Sender);
    void storedSkinButtonClick(TObject* Sender);
    void secondSkinButtonClick(TObject* Sender);
    void skinFileButtonClick(TObject* Sender);
    void mdiButtonClick(TObject* Sender);
    // Loads a skin file while the windows are open; false (the current skin stays) when it cannot be read.
    bool LoadSkinFile(const std::wstring& path);
    // Shows the skin state on the switch and the label.
    void ShowSkinState();
    HWND RawDialog = nullptr;
    HWND MdiWindow = nullptr;

private:
    // Switches to a package held in memory and turns skinning on.
    void UsePackage(const std::vector<std::uint8_t>& package, const std::string& name);
    std::vector<std::uint8_t> storedPackage_, secondPackage_;
    std::string skinName_ = "stored skin";
};

// One family page.
class TGalleryPage : public TForm {
    GRV_CLASS(TGalleryPage)
public:
    TGalleryPage(TComponent* owner, const std::wstring& resourceName);
    explicit TGalleryPage(TComponent* owner) : TForm(owner) {}
    // A menu item chosen: the page's "menuStatus" label names it.
    void menuItemClick(TObject* Sender);
};

// A picture button whose picture is its "PngImage" property (skinned through the "pngbitbtn" kind).
class TPngBitBtn : public TBitBtn {
    GRV_CLASS(TPngBitBtn)
public:
    explicit TPngBitBtn(TComponent* owner);
    ~TPngBitBtn() override;
    TBitmap* PngImage() const { return png_.get(); }

private:
    std::unique_ptr<TBitmap> png_;
};

// The media player page: a one-second tone written to the temporary folder, opened by its players;
// the page's PlayerStatus label follows what they do. Nothing for a page without players.
void PrepareMediaPlayers(TCustomForm* page);

// The names of the page resources in the program ("PAGE_BUTTONS", ...), in resource order.
std::vector<std::wstring> GalleryPageNames();
