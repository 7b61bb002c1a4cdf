// The seam between the combo-box painter and the painters of its list windows (the scroll-bar family).
#include "skin/controls/SkinEdits.h"
#include "skin/controls/SkinScrollbars.h"

// The drop-down list gets its skinned bar; the always-visible list of a simple combo box keeps the
// system's bar. The combo box's painter owns the list's painter, so the form's painter list (which owns
// what it holds) does not get it.
TSkinControl* CreateComboListPainter(TComponent* owner, HWND list, bool dropDown, TSkinData* skinData,
                                     TWinSkinForm*) {
    if (!dropDown || !list) return nullptr;
    auto* painter = new TComboxScrollBar(owner);
    painter->AttachWindow(list, skinData, nullptr, nullptr);
    return painter;
}
