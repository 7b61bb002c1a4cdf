#include "skin/controls/PainterFactory.h"

#include "runtime/Controls.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinChecks.h"
#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinTabs.h"
#include "skin/window/WinSkinForm.h"

namespace {

// A new painter of the kind with its settings written in, or null for a kind not built.
TSkinControl* Make(const TPainterSpec& spec, TComponent* owner) {
    switch (spec.Kind) {
    case TPainterKind::Button: return new TSkinButton(owner);
    case TPainterKind::BitButton: {
        auto* p = new TSkinBitButton(owner);
        p->FGlyphProperty = spec.GlyphProperty;
        return p;
    }
    case TPainterKind::SpeedButton: return new TSkinSpeedButton(owner);
    case TPainterKind::MenuButton: return new TSkinMenuButton(owner);
    case TPainterKind::CheckBox: return new TSkinCheckBox(owner);
    case TPainterKind::RadioButton: return new TSkinRadioButton(owner);
    case TPainterKind::GroupBox: return new TSkinGroupBox(owner);
    case TPainterKind::Box: return new TSkinBox(owner);
    case TPainterKind::BoxH: return new TSkinBoxH(owner);
    case TPainterKind::Tab: {
        auto* p = new TSkinTab(owner);
        p->FTabMode = spec.TabMode;
        return p;
    }
    case TPainterKind::TabBtn: return new TSkinTabBtn(owner);
    case TPainterKind::Tab31: return new TSkinTab31(owner);
    case TPainterKind::TabSheet: return new TSkinTabSheet(owner);
    case TPainterKind::AdvPage: {
        auto* p = new TSkinAdvPage(owner);
        p->FTabMode = spec.TabMode;
        return p;
    }
    case TPainterKind::Header: return new TSkinHeader(owner);
    case TPainterKind::StatusBar: return new TSkinStatusBar(owner);
    case TPainterKind::ObjImage: {
        auto* p = new TSkinObjImage(owner);
        p->FGlyphMode = spec.ImageKind;
        return p;
    }
    default: return nullptr; // painter families add their kinds here
    }
}

} // namespace

TSkinControl* CreatePainter(const TPainterSpec& spec, const TPainterTarget& target) {
    // A framework control owns its painter; a window painted by handle leaves it to the form skinner.
    TComponent* owner = target.Control ? static_cast<TComponent*>(target.Control) : target.FormSkin;
    TSkinControl* painter = Make(spec, owner);
    if (!painter) return nullptr;
    painter->FKind = spec.Kind;
    painter->FRecolour = spec.Recolour;
    switch (spec.Attach) {
    case TAttachMode::Window:
        painter->AttachWindow(target.Handle, target.SkinData, target.FormSkin, target.Canvas);
        break;
    case TAttachMode::SpeedButton:
        if (auto* speed = dynamic_cast<TSkinSpeedButton*>(painter))
            speed->AttachSpeedButton(target.FormSkin, target.SkinData, target.Canvas);
        break;
    default: painter->AttachControl(target.FormSkin, target.SkinData, spec.Recolour, target.Canvas); break;
    }
    return painter;
}
