#include "skin/window/SkinMenuHandlers.h"

#include "runtime/Frames.h"
#include "runtime/Forms.h"
#include "runtime/Graphics.h"
#include "runtime/Menus.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/MenuItemPaint.h"

namespace {

MenuItemDrawFacts FactsOf(const TMenuItem& item) {
    MenuItemDrawFacts f;
    f.caption = item.Caption();
    f.shortcut = ShortCutToText(item.ShortCut());
    f.enabled = item.Enabled();
    f.checked = item.Checked();
    f.radio = item.RadioItem();
    f.defaultItem = item.Default();
    f.imageIndex = item.ImageIndex();
    const TMenu* menu = item.GetParentMenu();
    f.images = menu ? menu->Images() : nullptr;
    f.rightToLeft = menu && menu->IsRightToLeft();
    return f;
}

// Marks the handlers this file installs, so that switching off clears only ours.
struct SkinnedDraw {
    TSkinData* skin;
    void operator()(TObject* sender, TCanvas* canvas, const RECT& rect, bool selected) const {
        auto* item = dynamic_cast<TMenuItem*>(sender);
        if (!item) return;
        MenuItemDrawFacts facts = FactsOf(*item);
        facts.selected = selected && facts.enabled;
        DrawMenuItem(skin, canvas->Handle(), rect, facts);
    }
};

struct SkinnedMeasure {
    TSkinData* skin;
    bool mainMenu;
    void operator()(TObject* sender, TCanvas* canvas, int& width, int& height) const {
        auto* item = dynamic_cast<TMenuItem*>(sender);
        if (!item) return;
        const MenuItemDrawFacts facts = FactsOf(*item);
        const MenuItemSize size = mainMenu ? MeasureBarMenuItem(skin, canvas->Handle(), facts)
                                           : MeasurePopupMenuItem(skin, canvas->Handle(), facts);
        width = size.width;
        height = size.height;
    }
};

bool OursDraw(const TMenuItem& item) { return item.OnDrawItem.target<SkinnedDraw>() != nullptr; }
bool OursMeasure(const TMenuItem& item) { return item.OnMeasureItem.target<SkinnedMeasure>() != nullptr; }

void SetHandlers(TMenuItem* item, TSkinData* skin, bool on, bool mainMenu, bool keepOwnDrawing) {
    if (on) {
        if (!keepOwnDrawing || !item->OnDrawItem || OursDraw(*item)) item->OnDrawItem = SkinnedDraw{skin};
        if (!item->OnMeasureItem || OursMeasure(*item)) item->OnMeasureItem = SkinnedMeasure{skin, mainMenu};
    } else {
        if (OursDraw(*item)) item->OnDrawItem = nullptr;
        if (OursMeasure(*item)) item->OnMeasureItem = nullptr;
    }
    for (int i = 0; i < item->Count(); ++i) SetHandlers(item->Items(i), skin, on, mainMenu, keepOwnDrawing);
}

template <class Menu, class Visit> void ForEachOwned(TComponent* component, Visit visit, int depth = 0) {
    if (!component || depth > 8) return;
    for (int i = 0; i < component->ComponentCount(); ++i) {
        TComponent* c = component->Components(i);
        if (auto* menu = dynamic_cast<Menu*>(c)) visit(menu);
        else if (dynamic_cast<TCustomForm*>(c) || dynamic_cast<TFrame*>(c)) ForEachOwned<Menu>(c, visit, depth + 1);
    }
}

} // namespace

void SkinPopupMenus(TComponent* component, TSkinData* skin, bool on) {
    if (!component || component->ClassName() == "TwwRichEditForm") return;
    ForEachOwned<TPopupMenu>(component, [&](TPopupMenu* menu) {
        if (skin && menu->Tag() == skin->DisableTag) return;
        for (int i = 0; i < menu->Items()->Count(); ++i) SetHandlers(menu->Items()->Items(i), skin, on, false, false);
        menu->SetOwnerDraw(on);
    });
}

void SkinMainMenus(TComponent* component, TSkinData* skin, bool on) {
    ForEachOwned<TMainMenu>(component, [&](TMainMenu* menu) {
        for (int i = 0; i < menu->Items()->Count(); ++i) {
            TMenuItem* top = menu->Items()->Items(i);
            for (int j = 0; j < top->Count(); ++j) SetHandlers(top->Items(j), skin, on, true, true);
        }
        menu->SetOwnerDraw(on);
    });
}

void SetMenuItemOwnerDraw(TMenuItem* item, TSkinData* skin, bool on) {
    if (item) SetHandlers(item, skin, on, true, false);
}
