#include "skin/controls/PainterFactory.h"

#include "runtime/Controls.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinEdits.h"
#include "skin/controls/SkinMediaPlayer.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScrollbars.h"
#include "skin/controls/SkinChecks.h"
#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinTabs.h"
#include "skin/window/WinSkinForm.h"

namespace {

// A new painter of the kind with its settings written in, or null for a kind not built.
TSkinControl* Make(const TPainterChoice& choice, TComponent* owner) {
    switch (choice.Kind) {
    case TPainterKind::Button: return new TSkinButton(owner);
    case TPainterKind::BitButton: {
        auto* p = new TSkinBitButton(owner);
        p->FGlyphProperty = choice.GlyphProperty;
        return p;
    }
    case TPainterKind::SpeedButton: return new TSkinSpeedButton(owner);
    case TPainterKind::MenuButton: return new TSkinMenuButton(owner);
    case TPainterKind::Edit: return new TSkinEdit(owner);
    case TPainterKind::ComBox: return new TSkinComBox(owner);
    case TPainterKind::DateTime: return new TSkinDateTime(owner);
    case TPainterKind::Progress: return new TSkinProgress(owner);
    case TPainterKind::TrackBar: return new TSkinTrackBar(owner);
    case TPainterKind::UpDown: return new TSkinUpDown(owner);
    case TPainterKind::MediaPlayer: return new TSkinMP(owner);
    case TPainterKind::Scrollbar: {
        auto* p = new TSkinScrollbar(owner);
        p->FSingleBar = choice.SingleBar ? 1 : 0;
        return p;
    }
    case TPainterKind::ListView: return new TSkinListView(owner);
    case TPainterKind::ScControl: return new TSkinScControl(owner);
    case TPainterKind::Sizer: return new TSkinSizer(owner);
    case TPainterKind::CheckBox: return new TSkinCheckBox(owner);
    case TPainterKind::RadioButton: return new TSkinRadioButton(owner);
    case TPainterKind::GroupBox: return new TSkinGroupBox(owner);
    case TPainterKind::Box: return new TSkinBox(owner);
    case TPainterKind::BoxH: return new TSkinBoxH(owner);
    case TPainterKind::Tab: {
        auto* p = new TSkinTab(owner);
        p->FTabMode = choice.TabMode;
        return p;
    }
    case TPainterKind::TabBtn: return new TSkinTabBtn(owner);
    case TPainterKind::Tab31: return new TSkinTab31(owner);
    case TPainterKind::TabSheet: return new TSkinTabSheet(owner);
    case TPainterKind::AdvPage: {
        auto* p = new TSkinAdvPage(owner);
        p->FTabMode = choice.TabMode;
        return p;
    }
    case TPainterKind::Header: return new TSkinHeader(owner);
    case TPainterKind::StatusBar: return new TSkinStatusBar(owner);
    case TPainterKind::ObjImage: {
        auto* p = new TSkinObjImage(owner);
        p->FGlyphMode = choice.ImageKind;
        return p;
    }
    default: return nullptr; // painter families add their kinds here
    }
}

} // namespace

TSkinControl* CreatePainter(const TPainterChoice& choice, const TPainterTarget& target) {
    // A framework control owns its painter; a window painted by handle leaves it to the form skinner.
    TComponent* owner = target.Control ? static_cast<TComponent*>(target.Control) : target.FormSkin;
    TSkinControl* painter = Make(choice, owner);
    if (!painter) return nullptr;
    painter->FKind = choice.Kind;
    painter->FRecolour = choice.Recolour;
    switch (choice.Attach) {
    case TAttachMode::Window:
        painter->AttachWindow(target.Handle, target.SkinData, target.FormSkin, target.Canvas);
        break;
    case TAttachMode::SpeedButton:
        if (auto* speed = dynamic_cast<TSkinSpeedButton*>(painter))
            speed->AttachSpeedButton(target.FormSkin, target.SkinData, target.Canvas);
        break;
    case TAttachMode::Scrollbars:
        if (auto* scroll = dynamic_cast<TSkinScrollbar*>(painter))
            scroll->AttachScrollbars(target.Control, target.SkinData, target.FormSkin, target.Canvas);
        break;
    case TAttachMode::ScControl:
        if (auto* bar = dynamic_cast<TSkinScControl*>(painter))
            bar->AttachScControl(target.Control, target.SkinData, target.FormSkin, target.Canvas);
        break;
    default: painter->AttachControl(target.FormSkin, target.SkinData, choice.Recolour, target.Canvas); break;
    }
    return painter;
}
