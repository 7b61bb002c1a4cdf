#include "GalleryForm.h"

#include "RawDialog.h"

const TClassInfo& TGalleryForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TGalleryForm, TForm>("TGalleryForm")
        .Field("SkinData1", &TGalleryForm::SkinData1)
        .Field("skinSwitchButton", &TGalleryForm::skinSwitchButton)
        .Field("rawDialogButton", &TGalleryForm::rawDialogButton)
        .Field("skinLabel", &TGalleryForm::skinLabel)
        .Method("skinSwitchButtonClick", &TGalleryForm::skinSwitchButtonClick)
        .Method("rawDialogButtonClick", &TGalleryForm::rawDialogButtonClick)
        .Register();
    return info;
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
    TPngBitBtn::StaticClassInfo();
    TGalleryPage::StaticClassInfo();
    ReadFromResource();
}

void TGalleryForm::skinSwitchButtonClick(TObject*) {
    if (SkinData1) SkinData1->SetActive(!SkinData1->Active());
    ShowSkinState();
}

void TGalleryForm::rawDialogButtonClick(TObject*) {
    if (!RawDialog || !IsWindow(RawDialog)) RawDialog = ShowRawButtonDialog(Handle());
}

void TGalleryForm::ShowSkinState() {
    const bool on = SkinData1 && SkinData1->Active();
    skinSwitchButton->SetCaption(on ? "Skin off" : "Skin on");
    std::string text = on ? "Skinned: " : "Unskinned";
    if (on) text += SkinData1->SkinFile().empty() ? "stored skin" : SkinData1->SkinFile();
    skinLabel->SetCaption(text);
}

const TClassInfo& TGalleryPage::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TGalleryPage, TForm>("TGalleryPage").Register();
    return info;
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
