// Classification of a window's controls (the frame painter's part) and its painter list.
#include "skin/window/ControlClassification.h"

#include "runtime/Controls.h"
#include "runtime/Forms.h"
#include "skin/controls/PainterFactory.h"
#include "skin/controls/SkinScrollbars.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/SkinMenuHandlers.h"
#include "skin/window/ToolBarSkin.h"

#include <algorithm>
#include <vector>

namespace {

TControl* ControlOf(TComponent* c) { return dynamic_cast<TControl*>(c); }

std::vector<std::string> Ancestry(const TObject* object) {
    std::vector<std::string> names;
    for (const TClassInfo* c = &object->ClassInfo(); c; c = c->Parent) names.push_back(c->Name);
    return names;
}

TPainterTarget TargetFor(TWinSkinForm& skinner, TControl* control, HWND handle) {
    TPainterTarget t;
    t.Control = control;
    t.Handle = handle;
    t.FormSkin = &skinner;
    t.SkinData = skinner.SkinData;
    t.Canvas = skinner.ControlCanvas.get();
    return t;
}

void Recolour(TWinSkinForm& skinner, TControl* control) {
    if (control && skinner.SkinData) control->SetColor(skinner.SkinData->SkinColors.ButtonFace);
}

void AttachTo(TWinSkinForm& skinner, TControl* control, const TPainterChoice& choice) {
    if (!control || choice.Kind == TPainterKind::None) return;
    HWND handle = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(control); w && choice.Attach == TAttachMode::Window) {
        handle = w->Handle();
        if (FindWindowPainter(skinner, handle)) return;
    }
    CreatePainter(choice, TargetFor(skinner, control, handle));
}

std::vector<TControl*> ChildControls(TControl* control) {
    std::vector<TControl*> children;
    if (auto* w = dynamic_cast<TWinControl*>(control))
        for (int i = 0; i < w->ControlCount(); ++i) children.push_back(w->Controls(i));
    return children;
}

void CarryOut(TWinSkinForm& skinner, TControl* control, const std::vector<TRuleAction>& actions) {
    for (const TRuleAction& a : actions) {
        switch (a.Step) {
        case TRuleStep::Attach: AttachTo(skinner, control, a.Painter); break;
        case TRuleStep::AttachEachChild:
            for (TControl* child : ChildControls(control))
                if (!IsControlSkinned(skinner, child)) AttachTo(skinner, child, a.Painter);
            break;
        case TRuleStep::SkinChildControls: SkinChildControls(skinner, control); break;
        case TRuleStep::ClassifyEachChild:
            for (TControl* child : ChildControls(control))
                if (child) ClassifyControl(skinner, child, nullptr);
            break;
        case TRuleStep::SkinOwnedComponents: SkinOwnedComponents(skinner, control); break;
        case TRuleStep::SetProperty: SetPropValue(control, a.Name, a.Value); break; // missing: left as it is
        case TRuleStep::EmbedScrollbars:
            for (TControl* child : ChildControls(control))
                if (!IsControlSkinned(skinner, child))
                    AttachTo(skinner, child, EmbeddedChildPainter(ControlFactsOf(skinner, child)));
            break;
        case TRuleStep::ToolBarHandlers: InstallToolBarHandlers(skinner, control); break;
        case TRuleStep::OwnerDrawToolBarMenu: OwnerDrawToolBarMenu(skinner, control); break;
        case TRuleStep::OwnerDrawMenuItem:
        case TRuleStep::RecolourBands:
            // The framework has no control carrying its own menu item and no cool bar.
            break;
        }
    }
}

// Rule 4: the OnSkinControl event may hand over a painter of its own.
bool AskSkinControlEvent(TWinSkinForm& skinner, TControl* control, TComponent* parentComponent, const std::string& upper) {
    TSkinData* data = skinner.SkinData;
    if (!data || !data->OnSkinControl) return false;
    TComponent* given = nullptr;
    data->OnSkinControl(&skinner, data, ControlOf(parentComponent), control, upper, given);
    auto* painter = dynamic_cast<TSkinControl*>(given);
    if (!painter) return false;
    auto& list = skinner.Painters;
    if (std::find(list.begin(), list.end(), painter) == list.end()) {
        AddPainter(&skinner, painter);
        painter->AttachControl(&skinner, data, painter->FRecolour, skinner.ControlCanvas.get());
        if (control->InheritsFrom("TCustomPanel")) SkinChildControls(skinner, control);
    }
    return true;
}

} // namespace

// --- Facts ---------------------------------------------------------------------------------------------------

TSkinFacts SkinFactsOf(const TWinSkinForm& skinner) {
    TSkinFacts s;
    s.MainMenuOption = skinner.SkinFrame;
    if (const TSkinData* data = skinner.SkinData) {
        s.DisableTag = data->DisableTag;
        s.SkinControls = data->SkinControls;
        s.HasTabs = data->Tabs && data->Tabs->HasImage();
        if (const TStrings* lines = data->Skin3rd())
            for (int i = 0; i < lines->Count(); ++i) s.Skin3rd.push_back(lines->Strings(i));
    }
    return s;
}

TControlFacts ControlFactsOf(const TWinSkinForm& skinner, TControl* control) {
    TControlFacts f;
    f.ClassName = control->ClassName();
    f.Families = FamiliesOf(Ancestry(control));
    f.Tag = control->Tag();
    f.HasParent = control->Parent() != nullptr;
    f.Skinned = IsControlSkinned(skinner, control);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        f.Windowed = true;
        f.HasChildren = w->ControlCount() > 0;
        if (w->HandleAllocated()) {
            HWND h = w->Handle();
            f.Style = std::uint32_t(GetWindowLongPtrW(h, GWL_STYLE));
            RECT wr, cr;
            if (GetWindowRect(h, &wr) && GetClientRect(h, &cr))
                f.HasBorder = (wr.right - wr.left) != cr.right || (wr.bottom - wr.top) != cr.bottom;
        }
    }
    auto ordinal = [control](const char* name) {
        const auto kind = PropType(control, name);
        return kind && *kind != TTypeKind::AnsiString && *kind != TTypeKind::WideString
                   ? int(GetOrdProp(control, name).value_or(-1))
                   : -1;
    };
    if (f.Families & FamilyBit(cfTabbedMember)) f.TabStyle = ordinal("Style");
    if (PropType(control, "Style")) f.StyleText = GetPropValue(control, "Style");
    f.DateMode = ordinal("DateMode");
    f.PickerKind = ordinal("Kind");
    f.NumButtons = ordinal("NumButtons");
    f.KindText = GetEnumProp(control, "Kind").value_or(std::string());
    return f;
}

// --- The walks -------------------------------------------------------------------------------------------------

bool IsControlSkinned(const TWinSkinForm& skinner, TControl* control) {
    if (!control) return true;
    if (control->Perform(WM_SKIN_QUERY, 0, 0) == 1) return true;
    const auto& list = skinner.Painters;
    return std::any_of(list.begin(), list.end(), [control](TSkinControl* p) { return p->FControl == control; });
}

bool IsTabOrderSkipped(const TWinSkinForm& skinner, TControl* control) {
    auto* w = dynamic_cast<TWinControl*>(control);
    if (!w || !w->HandleAllocated()) return true;
    if (skinner.SkinData && control->Tag() == skinner.SkinData->DisableTag) return true;
    return SendMessageW(w->Handle(), WM_SKIN_QUERY, 0, 0) == 1;
}

void DisableGroupChildren(const TWinSkinForm& skinner, TControl* control) {
    if (!skinner.SkinData || !PassesDisableTag(ControlFactsOf(skinner, control))) return;
    for (TControl* child : ChildControls(control)) child->SetTag(skinner.SkinData->DisableTag);
}

bool IsScrollingControl(TControl* control) {
    TControlFacts f;
    f.Families = FamiliesOf(Ancestry(control));
    if (auto* w = dynamic_cast<TWinControl*>(control); w && w->HandleAllocated()) {
        f.Windowed = true;
        f.Style = std::uint32_t(GetWindowLongPtrW(w->Handle(), GWL_STYLE));
    }
    return IsScrollingControl(f);
}

TSkinControl* FindWindowPainter(const TWinSkinForm& skinner, HWND handle) {
    for (TSkinControl* p : skinner.Painters)
        if (p->FHandle == handle && handle) return p;
    return nullptr;
}

void SkinOwnedComponents(TWinSkinForm& skinner, TComponent* component) {
    if (!component) return;
    std::vector<TControl*> owned;
    for (int i = 0; i < component->ComponentCount(); ++i)
        if (TControl* c = ControlOf(component->Components(i))) owned.push_back(c);
    for (TControl* c : owned) ClassifyControl(skinner, c, component);
}

void SkinChildControls(TWinSkinForm& skinner, TControl* control) {
    for (TControl* child : ChildControls(control)) ClassifyControl(skinner, child, control);
}

void ClassifyControl(TWinSkinForm& skinner, TControl* control, TComponent* parentComponent) {
    if (!control) return;
    const TSkinFacts skin = SkinFactsOf(skinner);
    TControlFacts facts = ControlFactsOf(skinner, control);
    switch (PreliminaryVerdict(facts, skin)) {
    case TPreVerdict::DisableGroupChildren: DisableGroupChildren(skinner, control); return;
    case TPreVerdict::Stop: return;
    case TPreVerdict::Continue: break;
    }
    if (auto* w = dynamic_cast<TWinControl*>(control); w && !w->HandleAllocated()) {
        try {
            w->HandleNeeded();
        } catch (...) {
            return; // a control without a window is left alone
        }
        facts = ControlFactsOf(skinner, control);
    }
    std::string upper = facts.ClassName;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    if (AskSkinControlEvent(skinner, control, parentComponent, upper)) return;
    CarryOut(skinner, control, ClassifyControlRules(facts, skin).Actions);
}

// --- Members of the frame painter -------------------------------------------------------------------------

void TWinSkinForm::SkinFormControls(TCustomForm* form) {
    if (!form) return;
    for (TSkinControl* p : std::vector<TSkinControl*>(Painters))
        if (p->FLifeState == lsDestroyed && std::find(Painters.begin(), Painters.end(), p) != Painters.end()) delete p;
    SkinOwnedComponents(*this, form);
    if (SkinData && InSet(SkinData->SkinControls, xcPopupMenu)) SkinPopupMenus(form, SkinData, true);
    std::vector<TWinControl*> tabOrder;
    form->GetTabOrderList(tabOrder);
    for (TWinControl* c : tabOrder)
        if (!IsTabOrderSkipped(*this, c)) ClassifyControl(*this, c, form);
}

void TWinSkinForm::SkinChildWindows(HWND handle) {
    for (HWND child = GetWindow(handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) ClassifyWindow(child);
}

void TWinSkinForm::ClassifyWindow(HWND handle) {
    if (!handle || FindWindowPainter(*this, handle)) return;
    wchar_t name[101] = {};
    GetClassNameW(handle, name, 101);
    TWindowFacts facts;
    facts.ClassName = AnsiFromWide(name);
    facts.Style = std::uint32_t(GetWindowLongPtrW(handle, GWL_STYLE));
    facts.HasFirstChild = GetWindow(handle, GW_CHILD) != nullptr;
    const TWindowDecision d = ClassifyWindowRules(facts, SkinFactsOf(*this));
    if (d.SkinChildWindowsFirst) SkinChildWindows(handle);
    if (d.RecolourFrameworkControl) Recolour(*this, ControlFromWindow(handle));
    if (d.Kind == TPainterKind::None) return;
    HWND target = d.OnFirstChild ? GetWindow(handle, GW_CHILD) : handle;
    if (!target || FindWindowPainter(*this, target)) return;
    TPainterChoice choice;
    choice.Kind = d.Kind;
    choice.Attach = TAttachMode::Window;
    CreatePainter(choice, TargetFor(*this, nullptr, target));
}

void TWinSkinForm::RebuildScrollPainter(HWND control) {
    for (auto it = Painters.rbegin(); it != Painters.rend(); ++it) {
        TSkinControl* old = *it;
        if (old->FHandle != control) continue;
        TPainterChoice choice;
        choice.Kind = old->FKind == TPainterKind::ListView ? TPainterKind::ListView : TPainterKind::Scrollbar;
        choice.Attach = TAttachMode::Scrollbars;
        if (auto* scroll = dynamic_cast<TSkinScrollbar*>(old)) choice.SingleBar = scroll->FSingleBar != 0;
        TControl* subject = old->FControl;
        delete old;
        if (subject) CreatePainter(choice, TargetFor(*this, subject, nullptr));
        return;
    }
}

void TWinSkinForm::ReloadPainters() {
    for (TSkinControl* p : std::vector<TSkinControl*>(Painters)) p->SkinChanged();
}

void TWinSkinForm::ReleasePainterHover() {
    for (TSkinControl* p : std::vector<TSkinControl*>(Painters)) p->ReleaseHover();
}

void TWinSkinForm::FreePainters() {
    const std::vector<TSkinControl*> painters = Painters;
    for (TSkinControl* p : painters)
        if (p->FLifeState != lsDestroyed) p->Unskin();
    // A painter may own painters of its own: each is freed once, whoever goes first.
    while (!Painters.empty()) {
        TSkinControl* p = Painters.back();
        Painters.pop_back();
        delete p;
    }
}
