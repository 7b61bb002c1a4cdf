#include "TestMainForm.h"

std::vector<std::string> g_log;

const TClassInfo& TTestSkinData::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTestSkinData, TComponent>("TTestSkinData")
        .Bool("Active", &TTestSkinData::Active, &TTestSkinData::Active)
        .Register();
    return info;
}

void TTestSkinData::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "SkinStream",
        [this](TStream& s) {
            uint32_t n = s.ReadUInt32LE();
            if (n > s.Size() - s.Position()) throw EReadError("SkinStream cut short");
            Package.resize(n);
            s.ReadBuffer(Package.data(), n);
            packageReadWhileLoading = (ComponentState() & csLoading) != 0;
            g_log.push_back("SkinStream read");
        },
        [this](TStream& s) {
            s.WriteUInt32LE(uint32_t(Package.size()));
            s.WriteBuffer(Package.data(), int64_t(Package.size()));
        },
        true);
}

void TTestSkinData::Loaded() {
    TComponent::Loaded();
    g_log.push_back("loaded " + Name());
}

const TClassInfo& TTestMainForm::StaticClassInfo() {
    static const TClassInfo& info = TClassBuilder<TTestMainForm, TForm>("TTestMainForm")
        .Field("Label3", &TTestMainForm::Label3)
        .Field("picturePathEdit", &TTestMainForm::picturePathEdit)
        .Field("findPictureButton", &TTestMainForm::findPictureButton)
        .Field("Label4", &TTestMainForm::Label4)
        .Field("pictureTypeEdit", &TTestMainForm::pictureTypeEdit)
        .Field("submitButton", &TTestMainForm::submitButton)
        .Field("quitButton", &TTestMainForm::quitButton)
        .Field("ProgressBar1", &TTestMainForm::ProgressBar1)
        .Field("Image1", &TTestMainForm::Image1)
        .Field("Label5", &TTestMainForm::Label5)
        .Field("sideWidthEdit", &TTestMainForm::sideWidthEdit)
        .Field("Label8", &TTestMainForm::Label8)
        .Field("Label9", &TTestMainForm::Label9)
        .Field("sideHeightEdit", &TTestMainForm::sideHeightEdit)
        .Field("Label6", &TTestMainForm::Label6)
        .Field("Label7", &TTestMainForm::Label7)
        .Field("Label10", &TTestMainForm::Label10)
        .Field("columnAmountEdit", &TTestMainForm::columnAmountEdit)
        .Field("Image2", &TTestMainForm::Image2)
        .Field("SkinData1", &TTestMainForm::SkinData1)
        .Method("findPictureButtonClick", &TTestMainForm::findPictureButtonClick)
        .Method("quitButtonClick", &TTestMainForm::quitButtonClick)
        .Method("submitButtonClick", &TTestMainForm::submitButtonClick)
        .Register();
    return info;
}

TTestMainForm::TTestMainForm(TComponent* owner) : TForm(owner) { ReadFromResource(); }

void TTestMainForm::findPictureButtonClick(TObject*) { ++findClicks; }
void TTestMainForm::submitButtonClick(TObject*) { ++submitClicks; }
void TTestMainForm::quitButtonClick(TObject*) { Close(); }

void TTestMainForm::Loaded() {
    TForm::Loaded();
    g_log.push_back("loaded " + Name());
}
